#pragma once

#include "signal_interface/time_edit_types.h"
#include "value/limited_number_manager.h"

#include <QList>
#include <QObject>
#include <QString>

namespace value {

// Base of the duration editors: holds one optional duration in milliseconds within limits, steps
// its hour, minute, second and millisecond components and tells QML the component texts and which
// steppers are blocked. A subclass steps the components, its top one wrapping round at the limits.
// Which components an editor shows is the editor's business.
class DurationManager : public LimitedNumberManager
{
    Q_OBJECT

public:
    static constexpr qint64 millisecondsPerHour = 3600000;
    static constexpr qint64 millisecondsPerMinute = 60000;
    static constexpr qint64 millisecondsPerSecond = 1000;

    // Returns the number of items whose durationChangeRequested(int,int) could not be connected.
    int connectChangeRequests(const QList<QObject *> &items);

    void setComponentSteps(int hour, int minute, int second, int millisecond);
    void componentSteps(int &hour, int &minute, int &second, int &millisecond) const;

    void setLowerLimitInMinutes(int minutes);
    void setUpperLimitInMinutes(int minutes);

    void setFormatFlags(bool zeroPadLeading, bool zeroPadFollowing);

    void setValueInMinutes(const int &minutes);
    // Drops the value; an editor shows "--" in every component until the next value.
    void clearValue();
    int valueInMinutes() const;

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

    void checkLimits() override;
    void emitValueChanged() override;
    void emitComponentsChanged();

    // For the subclasses' stepValue, with a value held. A step of one component below the top
    // that neither wraps nor clamps (setValueCheckLimits clamps later); and a step of the top
    // component, which wraps at the limits and clamps only when they span more than one unit of
    // it.
    qint64 plainStep(int component, int direction) const;
    qint64 topComponentStep(int component, int direction) const;

private:
    // Milliseconds in one unit of a component, and the number of units one step of it takes; 0
    // for an unknown component.
    static qint64 componentUnit(int component);
    int componentStepCount(int component) const;
    QString debugText(qint64 milliseconds) const;

    bool m_zeroPadLeading = false;
    bool m_zeroPadFollowing = true;
    int m_hourStep = 1;
    int m_minuteStep = 1;
    int m_secondStep = 1;
    int m_millisecondStep = 1;
};

} // namespace value
