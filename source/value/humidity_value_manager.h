#pragma once

#include "signal_interface/humidity_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "value/humidity_unit_follower.h"
#include "value/humidity_value.h"

#include <QList>
#include <QObject>

#include <optional>

namespace value {

// One edited humidity (a target, a favorite's or a program's humidity). Its unit follows the
// sauna's reports (HumidityUnitRule); the value and the limits are converted on every switch. In
// propose mode a step only proposes the next number, in the current unit. Where steps apply here,
// a stepper counts as at its limit exactly when a press would leave the value as it is.
class HumidityValueManager : public HumidityUnitFollower
{
    Q_OBJECT

public:
    explicit HumidityValueManager(QObject *parent = nullptr);

    // Returns the number of connects that failed.
    int connectChangeRequests(const QList<QObject *> &sources);

    void setApplyStepsLocally(bool applyLocally) { m_applyStepsLocally = applyLocally; }
    bool applyStepsLocally() const { return m_applyStepsLocally; }

    signalInterface::HumidityTypes::HumidityUnit humidityUnit() const { return m_unit; }
    // The value with its unit; the number is -1 while no value is held.
    HumidityValue_T value() const;
    HumidityValue_T lowerLimit() const { return {m_lowerLimit, m_unit}; }
    HumidityValue_T upperLimit() const { return {m_upperLimit, m_unit}; }
    void setLowerLimit(const HumidityValue_T &limit);
    void setUpperLimit(const HumidityValue_T &limit);

    void setHumidityUnit(signalInterface::HumidityTypes::HumidityUnit unit);
    void setValue(const HumidityValue_T &newValue);
    void setValueFromInt(int encoded);
    // Drops the value (told as -1) and what the sauna said about its unit; the unit stays until
    // the next report.
    void clearValue();
    HumidityValue_T convertToUnit(const HumidityValue_T &humidity,
                                  signalInterface::HumidityTypes::HumidityUnit target) const;
    int nextStepValue(int direction) const;
    void emitValueChanged();
    void checkLimits();

signals:
    void humidityValueChanged(int value);
    void humidityValueUnitChanged(::value::HumidityValue_T value);
    void newValueProposed(int proposed);
    void humidityUnitIntChanged(int unit);
    void lowerLimitReached(bool reached);
    void upperLimitReached(bool reached);

public slots:
    void onChangeHumidityValueRequested(int step);

private:
    // Where steps apply here: the value a press in the direction leads to, or nothing when the
    // press is ignored.
    std::optional<int> localStepResult(int direction) const;
    void followUnit(signalInterface::HumidityTypes::HumidityUnit unit) override;

    signalInterface::HumidityTypes::HumidityUnit m_unit = signalInterface::HumidityTypes::E_step;
    std::optional<int> m_value;
    int m_lowerLimit = 0;
    int m_upperLimit = 10;
    bool m_applyStepsLocally = true;
};

} // namespace value
