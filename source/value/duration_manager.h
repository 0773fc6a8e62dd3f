#pragma once

#include "signal_interface/time_edit_types.h"

#include <QList>
#include <QObject>
#include <QString>

#include <limits>
#include <optional>

namespace value {

// Base of the duration editors: holds one optional duration in milliseconds within limits, steps
// its hour, minute, second and millisecond components and tells QML the component texts and which
// steppers are blocked. A subclass steps the components, its top one wrapping round at the limits.
// Which components an editor shows is the editor's business.
class DurationManager : public QObject
{
    Q_OBJECT
    // Whether a duration is held: an editor offers to send only then. A first value and a
    // dropped one are told with the component texts.
    Q_PROPERTY(bool hasValue READ hasValue NOTIFY durationValueComponentsChanged)

public:
    static constexpr qint64 millisecondsPerHour = 3600000;
    static constexpr qint64 millisecondsPerMinute = 60000;
    static constexpr qint64 millisecondsPerSecond = 1000;

    // Returns the number of items whose durationChangeRequested(int,int) could not be connected.
    int connectChangeRequests(const QList<QObject *> &items);

    void setComponentSteps(int hour, int minute, int second, int millisecond);
    void componentSteps(int &hour, int &minute, int &second, int &millisecond) const;

    // A limit set past the other one takes the other along; a held value is moved into the
    // limits and told, then the steppers' states (all blocked while no value is held).
    void setLowerLimit(const qint64 &milliseconds);
    void setUpperLimit(const qint64 &milliseconds);
    void setLowerLimitInMinutes(int minutes);
    void setUpperLimitInMinutes(int minutes);
    qint64 lowerLimit() const { return m_lowerLimit; }
    qint64 upperLimit() const { return m_upperLimit; }

    void setFormatFlags(bool zeroPadLeading, bool zeroPadFollowing);

    // Holds the value as far as the limits allow; a change is told, then the steppers' states.
    void setValueCheckLimits(const qint64 &milliseconds);
    void setValue(const qint64 &milliseconds);
    void setValueInMinutes(const int &minutes);
    // Drops the value; an editor shows "--" in every component, and every stepper blocked, until
    // the next value.
    void clearValue();
    std::optional<qint64> value() const { return m_value; }
    bool hasValue() const { return m_value.has_value(); }
    int valueInMinutes() const;
    // The whole minutes the editor holds after setValueInMinutes(minutes), without holding them.
    int minutesWithinLimits(int minutes) const;
    // Whether a step may lead to the candidate: a value is held, the candidate differs from it
    // and lies within the limits.
    bool isAcceptable(qint64 candidate) const;

    // The value one step of the component in the direction would give; the value is not changed.
    // Without a value: the upper limit for an increase, the lower limit otherwise.
    virtual qint64 stepValue(int component, int direction) const = 0;

signals:
    void durationValueComponentsChanged(QString hours, QString minutes, QString seconds,
                                        QString milliseconds);
    void durationValueChanged(int minutes);
    void lowerLimitReached(bool hour, bool minute, bool second, bool millisecond);
    void upperLimitReached(bool hour, bool minute, bool second, bool millisecond);

public slots:
    void onDurationChangeRequested(int component, int direction);

protected:
    explicit DurationManager(QObject *parent);

    void checkLimits();
    void emitValueChanged();
    void emitComponentsChanged();

    // For the subclasses' stepValue, with a value held. A step of one component below the top
    // that neither wraps nor clamps (setValueCheckLimits clamps later); and a step of the top
    // component, which wraps at the limits and otherwise clamps to them.
    qint64 plainStep(int component, int direction) const;
    qint64 topComponentStep(int component, int direction) const;

private:
    // Milliseconds in one unit of a component, and the number of units one step of it takes; 0
    // for an unknown component.
    static qint64 componentUnit(int component);
    // Moves a held value into new limits; the move is told, then the steppers' states.
    void moveValueIntoLimits();
    int componentStepCount(int component) const;
    QString debugText(qint64 milliseconds) const;

    std::optional<qint64> m_value;
    qint64 m_lowerLimit = 0;
    qint64 m_upperLimit = std::numeric_limits<qint64>::max();
    bool m_zeroPadLeading = false;
    bool m_zeroPadFollowing = true;
    int m_hourStep = 1;
    int m_minuteStep = 1;
    int m_secondStep = 1;
    int m_millisecondStep = 1;
};

} // namespace value
