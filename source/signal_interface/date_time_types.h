#pragma once

#include "signal_interface/enum_value_text.h"

#include <QDateTime>
#include <QObject>
#include <QString>

namespace signalInterface {

// Time and date display formats, and the sauna system's clock.
class DateTimeTypes : public QObject, public EnumConversions<DateTimeTypes>
{
    Q_OBJECT

public:
    enum TimeFormat : int {
        E_0_24 = 0,
        E_am_pm = 1,
    };
    Q_ENUM(TimeFormat)

    enum DateFormat : int {
        E_yymmdd = 0,
        E_ddmmyy = 1,
        E_mmddyy = 2,
    };
    Q_ENUM(DateFormat)

    explicit DateTimeTypes(QObject *parent = nullptr);
    ~DateTimeTypes() override;

    // The sauna system's clock. Receivers apply the date part only when dateValid and the time
    // part only when timeValid.
    struct SaunaDateTime
    {
        bool dateValid = false;
        bool timeValid = false;
        QDateTime dateTime;

        bool operator==(const SaunaDateTime &other) const
        {
            return dateValid == other.dateValid && timeValid == other.timeValid &&
                   dateTime == other.dateTime;
        }
        bool operator!=(const SaunaDateTime &other) const { return !(*this == other); }
    };
};

} // namespace signalInterface

Q_DECLARE_METATYPE(signalInterface::DateTimeTypes::SaunaDateTime)
