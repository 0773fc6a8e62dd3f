#include "view_cpp/calendar_tab_objects_provider.h"

#include "value/duration_manager_most_significant_component_hour.h"
#include "value/humidity_value_manager.h"
#include "value/temperature_value_manager.h"
#include "value/time_value_manager.h"
#include "view_cpp/gui_handler_control_panel.h"
#include "view_cpp/list_model.h"
#include "view_cpp/main_window.h"

#include <QQmlContext>
#include <QQuickWidget>

namespace details {

CalendarTabObjectsProvider::CalendarTabObjectsProvider()
    : calendarDataProvider(view::MainWindow::instance)
    , favoriteModel(&calendarDataProvider)
    , dateProgramController(view::MainWindow::instance, &calendarDataProvider, &favoriteModel)
    , dateProgramOverviewController(view::MainWindow::instance, &calendarDataProvider)
    , weekdayProgramOverviewController(view::MainWindow::instance, &calendarDataProvider)
    , weekdayProgramController(view::MainWindow::instance, &calendarDataProvider, &favoriteModel)
    , queueController(view::MainWindow::instance, &calendarDataProvider)
{}

CalendarTabObjectsProvider::~CalendarTabObjectsProvider() = default;

void CalendarTabObjectsProvider::publishToQml()
{
    QQmlContext *context = view::GuiHandlerControlPanel::instance->view()->rootContext();
    const auto publish = [context](const char *name, QObject *object) {
        context->setContextProperty(QString::fromLatin1(name), object);
    };
    publish("calendar_controller", &weekdayProgramOverviewController);
    publish("calendar_date_item_overview_controller", &dateProgramOverviewController);
    publish("calendar_queue_controller", &queueController);
    publish("calendar_queue_model", queueController.model());
    publish("month_calendar_model", dateProgramOverviewController.monthCalendarModel());
    publish("date_overview_model", dateProgramOverviewController.dateOverviewModel());
    publish("calendar_program_settings_select_favorite_model", favoriteModel.model());
    publish("calendar_date_program_controller", &dateProgramController);
    publish("date_calendar_settings_model", dateProgramController.settingsModel());
    publish("date_calendar_ready_at_manager", dateProgramController.readyAtManager());
    publish("date_calendar_custom_temperature_manager",
            dateProgramController.customTemperatureManager());
    publish("date_calendar_custom_humidity_manager", dateProgramController.customHumidityManager());
    publish("date_calendar_custom_stop_after", dateProgramController.customStopAfterModel());
    publish("date_calendar_custom_stop_after_manager",
            dateProgramController.customStopAfterManager());
    publish("week_calendar_model", weekdayProgramOverviewController.weekCalendarModel());
    publish("week_day_calendar_model", weekdayProgramOverviewController.weekDayCalendarModel());
    publish("calendar_weekday_program_controller", &weekdayProgramController);
    publish("week_day_calendar_settings_model", weekdayProgramController.settingsModel());
    publish("week_day_calendar_ready_at_manager", weekdayProgramController.readyAtManager());
    publish("weekday_calendar_custom_temperature_manager",
            weekdayProgramController.customTemperatureManager());
    publish("weekday_calendar_custom_humidity_manager",
            weekdayProgramController.customHumidityManager());
    publish("weekday_calendar_custom_stop_after", weekdayProgramController.customStopAfterModel());
    publish("week_day_calendar_custom_stop_after_manager",
            weekdayProgramController.customStopAfterManager());
}

int CalendarTabObjectsProvider::connectLanguageSignals(const QList<QObject *> &senders)
{
    int failed = 0;
    failed += dateProgramController.connectLanguageChanged(senders);
    failed += dateProgramOverviewController.connectLanguageChanged(senders);
    failed += queueController.connectLanguageChanged(senders);
    failed += weekdayProgramController.connectLanguageChanged(senders);
    failed += weekdayProgramOverviewController.connectLanguageChanged(senders);
    return failed;
}

} // namespace details
