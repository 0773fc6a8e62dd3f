#include "control/calendar_weekday_program_controller.h"

namespace control {

CalendarWeekdayProgramController::CalendarWeekdayProgramController(
    QObject *parent, details::CalendarDataProvider *dataProvider,
    details::CalendarProgramSettingsFavoriteModel *favoriteModel)
    : CalendarProgramSettingsControllerBase(parent, dataProvider, favoriteModel, true)
{}

CalendarWeekdayProgramController::~CalendarWeekdayProgramController() = default;

} // namespace control
