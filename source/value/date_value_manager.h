#pragma once

#include "signal_interface/date_time_types.h"

#include <QDate>
#include <QList>
#include <QObject>

namespace value {

// One calendar date edited with three positional steppers (left, middle, right) inside limits; the
// date format decides which of year, month and day each stepper moves and how the texts are
// ordered.
class DateValueManager : public QObject
{
    Q_OBJECT

public:
    explicit DateValueManager(QObject *parent = nullptr);

    // Each returns the number of objects whose signal could not be connected.
    int connectChangeRequests(const QList<QObject *> &items);
    int connectFormatSources(const QList<QObject *> &sources);

    QDate value() const { return m_value; }
    QDate lowerLimit() const { return m_lowerLimit; }
    QDate upperLimit() const { return m_upperLimit; }
    signalInterface::DateTimeTypes::DateFormat dateFormat() const { return m_format; }

    void setValue(const QDate &date);
    void setLowerLimit(const QDate &date);
    void setUpperLimit(const QDate &date);

    // The date one step of the stepper would give; the value is not changed. An invalid value
    // steps to itself: it has no day count to wrap in.
    QDate steppedDate(int stepper, int direction) const;

signals:
    void dateValueFormattedChanged(QString first, QString firstSeparator, QString second,
                                   QString secondSeparator, QString third);
    void dateValueChanged(QDate value);
    void lowerLimitReached(bool stepper1, bool stepper2, bool stepper3);
    void upperLimitReached(bool stepper1, bool stepper2, bool stepper3);

public slots:
    void onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat format);
    void onDateChangeRequested(int stepper, int direction);

private:
    enum FieldKind { Year = 0, Month = 1, Day = 2 };

    void updateValue(const QDate &date);
    // Moves the value into the limits; true when it moved.
    bool clampValueToLimits();
    void checkLimits();
    void emitValueChanged();
    bool outsideLimits(const QDate &date) const;
    int fieldKind(int stepper) const;

    signalInterface::DateTimeTypes::DateFormat m_format = signalInterface::DateTimeTypes::E_yymmdd;
    QDate m_value;
    QDate m_lowerLimit;
    QDate m_upperLimit;
};

} // namespace value
