#pragma once

#include <QObject>
#include <QString>

namespace details {

// The object names of the calendar tab's items.
// The QML items take their object names from these slots and the start-up wiring looks the same
// names up, so the two cannot drift apart.
class CalendarTabObjectIdProvider : public QObject
{
    Q_OBJECT

public:
    CalendarTabObjectIdProvider();

public slots:
    QString monthSelectorControlName() const;
    QString dateProgramSelectorControlName() const;
    QString weekDaysSelectorControlName() const;
    QString dateProgramSettingsName() const;
    QString dateProgramReadyAtControlName() const;
    QString dateProgramCustomTemperatureControlName() const;
    QString dateProgramCustomHumidityControlName() const;
    QString dateProgramCustomStopAfterControlName() const;
    QString weekdayProgramSettingsName() const;
    QString weekdayProgramReadyAtControlName() const;
    QString weekdayProgramCustomTemperatureControlName() const;
    QString weekdayProgramCustomHumidityControlName() const;
    QString weekdayProgramCustomStopAfterControlName() const;
    QString queueViewName() const;
};

} // namespace details
