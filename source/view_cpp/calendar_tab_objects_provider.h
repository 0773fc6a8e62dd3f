#pragma once

#include "control/calendar_date_program_controller.h"
#include "control/calendar_date_program_overview_controller.h"
#include "control/calendar_queue_controller.h"
#include "control/calendar_weekday_program_controller.h"
#include "control/calendar_weekday_program_overview_controller.h"
#include "control/details/calendar_data_provider.h"
#include "control/details/calendar_program_settings_favorite_model.h"

#include <QList>

namespace details {

// The controllers of the calendar tab. They share one calendar data provider, which is built
// first and destroyed last; the two program controllers share one favorite model.
class CalendarTabObjectsProvider
{
public:
    CalendarTabObjectsProvider();
    virtual ~CalendarTabObjectsProvider();

    CalendarTabObjectsProvider(const CalendarTabObjectsProvider &) = delete;
    CalendarTabObjectsProvider &operator=(const CalendarTabObjectsProvider &) = delete;

    void publishToQml();
    // Each returns the number of connections that failed.
    int connectLanguageSignals(const QList<QObject *> &senders);

    control::details::CalendarDataProvider calendarDataProvider;
    control::details::CalendarProgramSettingsFavoriteModel favoriteModel;
    control::CalendarDateProgramController dateProgramController;
    control::CalendarDateProgramOverviewController dateProgramOverviewController;
    control::CalendarWeekdayProgramOverviewController weekdayProgramOverviewController;
    control::CalendarWeekdayProgramController weekdayProgramController;
    control::CalendarQueueController queueController;
};

} // namespace details
