#pragma once

#include "signal_interface/temperature_types.h"
#include "value/shown_temperature_base.h"
#include "value/temperature_values.h"

#include <QList>
#include <QObject>

#include <optional>

namespace value {

// One edited temperature (a target, a favorite's or a program's temperature, a limit): keeps its
// limits, shows it in the chosen unit and tells QML when a stepper has reached a limit. In propose
// mode a step only proposes the next value and the value changes when the owner sets it.
//
// A value set outside the manager's range is unknown: the manager drops its value and says so,
// instead of showing the number or clamping it to a limit. Limits beyond the range count as the
// range's ends, so no step leads out of it.
class TemperatureValueManager : public ShownTemperatureBase
{
    Q_OBJECT
    // Whether a temperature is held: an editor offers to send only then.
    Q_PROPERTY(bool hasValue READ hasValue NOTIFY hasValueChanged)

public:
    explicit TemperatureValueManager(QObject *parent = nullptr);

    // Returns the number of sources whose signal could not be connected.
    int connectChangeRequests(const QList<QObject *> &sources);

    void setApplyStepsLocally(bool applyLocally) { m_applyStepsLocally = applyLocally; }
    bool applyStepsLocally() const { return m_applyStepsLocally; }

    void setValue(Degrees_9C_T newValue);
    // Drops the value, and says so when there was one; the limits stay.
    void clearValue();
    // Drops the value and the limits, which then span the whole range: nothing reported yet.
    void clearValueAndLimits();
    void setLowerLimit(const Degrees_9C_T &limit);
    void setUpperLimit(const Degrees_9C_T &limit);
    // The limits in effect: as set, within the range.
    Degrees_9C_T lowerLimit() const { return m_range.bounded(m_lowerLimit); }
    Degrees_9C_T upperLimit() const { return m_range.bounded(m_upperLimit); }
    // measuredTemperatureRange unless the owner narrows it, before it sets a value.
    void setRange(const TemperatureRange &range) { m_range = range; }
    TemperatureRange range() const { return m_range; }
    std::optional<Degrees_9C_T> value() const { return m_value; }
    bool hasValue() const { return m_value.has_value(); }

    // The value one step in the direction (a StepperControlChange) gives; 0 without a value.
    Degrees_9C_T nextStepValue(int direction) const;
    void checkLimits();
    void emitValueChanged();
    // Tells the value and the limit states again, for an editor that was created after they were
    // last told. Without a value nothing is told.
    Q_INVOKABLE void republish();

signals:
    void newValueProposed(::value::Degrees_9C_T proposed);
    void lowerLimitReached(bool reached);
    void upperLimitReached(bool reached);
    void hasValueChanged();

public slots:
    void onChangeTemperatureValueRequested(int step);

private:
    // Drops the value and says so; nothing happens without one.
    void dropValue();
    // The value in the new unit.
    void unitChanged() override;

    std::optional<Degrees_9C_T> m_value;
    Degrees_9C_T m_lowerLimit = 0;
    Degrees_9C_T m_upperLimit = 1080;
    TemperatureRange m_range = measuredTemperatureRange;
    bool m_applyStepsLocally = true;
};

} // namespace value
