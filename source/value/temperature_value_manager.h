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
// mode a step only proposes the next value and the value changes when the owner sets it, and a
// stepper counts as at its limit once the value is there. Where steps apply here, a step that would
// pass a limit is ignored, so a stepper counts as at its limit as soon as its next step no longer
// fits, in either unit; a value beyond a limit (one that moved under it) steps back towards the
// limits. A value set outside the limits is clamped to them, whatever number it is.
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

    // The limits a manager starts with: 0..120 °C.
    static constexpr Degrees_9C_T initialLowerLimit = 0;
    static constexpr Degrees_9C_T initialUpperLimit = 1080;

    void setValue(Degrees_9C_T newValue);
    // Drops the value, and says so when there was one; the limits stay.
    void clearValue();
    void setLowerLimit(const Degrees_9C_T &limit);
    void setUpperLimit(const Degrees_9C_T &limit);
    Degrees_9C_T lowerLimit() const { return m_lowerLimit; }
    Degrees_9C_T upperLimit() const { return m_upperLimit; }
    std::optional<Degrees_9C_T> value() const { return m_value; }
    bool hasValue() const { return m_value.has_value(); }

    // The value one step in the direction (a StepperControlChange) gives, worked out in 64 bits
    // and held within an int's range; 0 without a value.
    Degrees_9C_T nextStepValue(int direction) const;
    // Tells whether each stepper is at its limit: where steps apply here, whether a press in its
    // direction would leave the value as it is.
    void checkLimits();
    void emitValueChanged();

signals:
    void newValueProposed(::value::Degrees_9C_T proposed);
    void lowerLimitReached(bool reached);
    void upperLimitReached(bool reached);
    void hasValueChanged();

public slots:
    void onChangeTemperatureValueRequested(int step);

private:
    // How far one step moves the value: one whole degree of the shown unit, 0 in another unit.
    Degrees_9C_T stepSize() const;
    // Where steps apply here: the value a press in the direction leads to, or nothing when the
    // press is ignored.
    std::optional<Degrees_9C_T> localStepResult(int direction) const;
    // Drops the value and says so; nothing happens without one.
    void dropValue();
    // The value in the new unit, and the limit states, since a step's size depends on the unit.
    void unitChanged() override;

    std::optional<Degrees_9C_T> m_value;
    Degrees_9C_T m_lowerLimit = initialLowerLimit;
    Degrees_9C_T m_upperLimit = initialUpperLimit;
    bool m_applyStepsLocally = true;
};

} // namespace value
