#pragma once

#include "signal_interface/date_time_types.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTime>

namespace value {

// One time of day, edited with hour, minute and AM/PM steppers inside a window; formats it in the
// panel's 24-hour or AM/PM form and tells QML which steppers would leave the window.
class TimeValueManager : public QObject
{
    Q_OBJECT
    // Whether a time is held: an editor offers to send only then. Every change of the time,
    // to none as well, is told with the time.
    Q_PROPERTY(bool hasValue READ hasValue NOTIFY timeValueChanged)

public:
    explicit TimeValueManager(QObject *parent = nullptr);

    // Each returns the number of objects whose signal could not be connected.
    int connectChangeRequests(const QList<QObject *> &items);
    int connectFormatSources(const QList<QObject *> &sources);

    void setComponentWrap(bool wrap);
    bool componentWrap() const { return m_componentWrap; }
    signalInterface::DateTimeTypes::TimeFormat timeFormat() const { return m_timeFormat; }

    void setValue(const QDateTime &dateTime);
    void setLowerLimit(const QDateTime &dateTime);
    void setUpperLimit(const QDateTime &dateTime);
    void updateValue(const QDateTime &dateTime);
    // Drops the time; an editor shows "--" in both fields, and every stepper blocked, until the
    // next value. The limits stay, and a change of them brings no time back.
    void clearValue();
    void addTime(const QTime &time);
    void subtractTime(const QTime &time);

    QDateTime value() const { return m_value; }
    bool hasValue() const { return m_value.isValid(); }
    QDateTime lowerLimit() const { return m_minimum; }
    QDateTime upperLimit() const { return m_maximum; }

    QDateTime steppedValue(int component, int direction) const;
    void emitFormattedValue();
    void emitLimitsReached();

signals:
    void timeValueFormattedChanged(QString hourText, QString minuteText, int timeFormat,
                                   bool beforeNoon);
    void timeValueChanged(QDateTime value);
    void lowerLimitReached(bool hour, bool minute, bool amPm);
    void upperLimitReached(bool hour, bool minute, bool amPm);

public slots:
    void onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat format);
    void onTimeChangeRequested(int component, int direction);

private:
    // Moves a held time into a changed window, or starts a manager without one at the window's
    // start when asked; a change is told, then the steppers' states.
    void holdWithinWindow(bool startAtMinimum);
    QDateTime bounded(const QDateTime &dateTime) const;
    bool outsideWindow(const QDateTime &dateTime) const;

    signalInterface::DateTimeTypes::TimeFormat m_timeFormat =
        signalInterface::DateTimeTypes::E_0_24;
    QDateTime m_value;
    QDateTime m_minimum;
    QDateTime m_maximum;
    bool m_componentWrap = false;
};

} // namespace value
