#pragma once

#include "signal_interface/time_edit_types.h"
#include "value/limited_number_manager.h"

#include <QList>
#include <QObject>
#include <QString>

namespace value {

// Base of the duration editors: holds one optional duration in milliseconds within limits, steps
// its hour, minute, second and millisecond components and tells QML the component texts and which
// steppers are blocked. The subclasses only name the top component.
class DurationManager : public LimitedNumberManager
{
    Q_OBJECT
    // The components an editor shows and steps, the top one first (TimeComponent numbers): from
    // the top component down to the finest one the value is held in, without those whose step is
    // 0.
    Q_PROPERTY(QList<int> components READ components NOTIFY componentsChanged)

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

    // The finest component the owner holds the value in: minutes unless told otherwise. Finer
    // components are neither shown nor stepped by an editor.
    void setFinestComponent(signalInterface::TimeEditTypes::TimeComponent component);
    QList<int> components() const;

    void setFormatFlags(bool zeroPadLeading, bool zeroPadFollowing);
    // Whether a step of the top component past a limit goes round to the other limit (the
    // default) or stops there.
    void setTopComponentWraps(bool wraps);

    void setValueInMinutes(const int &minutes);
    // Drops the value; an editor shows "--" in every component until the next value.
    void clearValue();
    int valueInMinutes() const;
    // Tells the value and the blocked steppers again, for an editor that was created after they
    // were last told. Without a value nothing is told.
    Q_INVOKABLE void republish();

    // The value one step of the component in the direction would give; the value is not changed.
    // Without a value: the upper limit for an increase, the lower limit otherwise. The top
    // component wraps around at the limits unless told not to, the ones below it step without
    // wrapping, and the ones above it (and unknown ones) leave the value as it is.
    qint64 stepValue(int component, int direction) const;

signals:
    void componentsChanged();
    void durationValueComponentsChanged(QString hours, QString minutes, QString seconds,
                                        QString milliseconds);
    void durationValueChanged(int minutes);
    void lowerLimitReached(bool hour, bool minute, bool second, bool millisecond);
    void upperLimitReached(bool hour, bool minute, bool second, bool millisecond);

public slots:
    void onDurationChangeRequested(int component, int direction);

protected:
    DurationManager(signalInterface::TimeEditTypes::TimeComponent topComponent, QObject *parent);

    void checkLimits() override;
    void emitValueChanged() override;
    void emitComponentsChanged();

private:
    // Milliseconds in one unit of a component, and the number of units one step of it takes; 0
    // for an unknown component.
    static qint64 componentUnit(int component);
    int componentStepCount(int component) const;
    // A step of one component that neither wraps nor clamps; setValueCheckLimits clamps later.
    qint64 plainStep(int component, int direction) const;
    // A step of the top component: wraps at the limits, clamps only when the limits span more
    // than one unit of it.
    qint64 topComponentStep(int direction) const;
    QString debugText(qint64 milliseconds) const;

    signalInterface::TimeEditTypes::TimeComponent m_topComponent;
    signalInterface::TimeEditTypes::TimeComponent m_finestComponent =
        signalInterface::TimeEditTypes::E_minute;
    bool m_zeroPadLeading = false;
    bool m_zeroPadFollowing = true;
    bool m_topComponentWraps = true;
    int m_hourStep = 1;
    int m_minuteStep = 1;
    int m_secondStep = 1;
    int m_millisecondStep = 1;
};

} // namespace value
