#pragma once

#include "signal_interface/humidity_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "value/humidity_unit_follower.h"
#include "value/humidity_value.h"

#include <QList>
#include <QObject>

#include <optional>

namespace value {

// The measured room humidity as shown: the filtered value in smooth presentation, the last
// reported value (or none) in direct presentation. Its unit follows the sauna's reports
// (HumidityUnitRule). A report outside its unit's range shows no value in either presentation.
class HumidityPresentationManager : public HumidityUnitFollower
{
    Q_OBJECT

public:
    explicit HumidityPresentationManager(QObject *parent = nullptr);

    // Returns the number of connects that failed.
    int connectFiltererSources(const QList<QObject *> &sources);

    // Stores the unit without converting or emitting.
    void setUnit(signalInterface::HumidityTypes::HumidityUnit unit) { m_unit = unit; }
    signalInterface::HumidityTypes::HumidityUnit humidityUnit() const { return m_unit; }
    // Empty before the first report and while the report lies outside its unit's range.
    std::optional<HumidityValue_T> value() const;

    void setValue(const HumidityValue_T &newValue);
    void setValueFromInt(int encoded);
    // No humidity to show, in either presentation, until the next setValue: the sauna has none
    // to measure now, so a smoothed former measurement is no value either.
    void setNoValue();
    // Forgets the last report and what the sauna said about the unit: no value until the next
    // report.
    void clearValue();
    void changeHumidityUnit(signalInterface::HumidityTypes::HumidityUnit unit);
    void setUseFilteredValue(bool useFiltered);
    bool useFilteredValue() const { return m_useFilteredValue; }
    void emitValue();

signals:
    void humidityValueChanged(int value, bool hasValue);
    void humidityUnitIntChanged(int unit);

public slots:
    void onFilteredHumidityValueChanged(::value::HumidityValue_T filtered);

private:
    void followUnit(signalInterface::HumidityTypes::HumidityUnit unit) override;

    signalInterface::HumidityTypes::HumidityUnit m_unit = signalInterface::HumidityTypes::E_step;
    std::optional<int> m_value;
    // Empty until the filterer tells its first value: smoothed, no humidity is shown before.
    std::optional<HumidityValue_T> m_filtered;
    bool m_useFilteredValue = true;
    // Set by setNoValue, ended by setValue.
    bool m_valueDropped = false;
};

} // namespace value
