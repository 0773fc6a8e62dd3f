#include "protocol_buffers_support/si_pb_type_conversion/control_board_support_conversion.h"

#include <iterator>

namespace pbSupport::conversion {

namespace {

using Support = vaholumo::Control_board_support;
using Post = signalInterface::MasterFuncDescTypes::MasterFuncDescPost;

struct FlagField
{
    bool (Support::*has)() const;
    bool (Support::*get)() const;
    bool Post::*flag;
};

// Wire fields 10 to 31, in field order; all must be present for a complete report.
constexpr FlagField requiredFlags[] = {
    {&Support::has_bath_prio, &Support::bath_prio, &Post::bathPrio},
    {&Support::has_schedule, &Support::schedule, &Post::schedule},
    {&Support::has_rtc, &Support::rtc, &Post::rtc},
    {&Support::has_not_allowed_start, &Support::not_allowed_start, &Post::notAllowedStart},
    {&Support::has_aux, &Support::aux, &Post::aux},
    {&Support::has_cleanup, &Support::cleanup, &Post::cleanup},
    {&Support::has_fan, &Support::fan, &Post::fan},
    {&Support::has_standby, &Support::standby, &Post::standby},
    {&Support::has_standby_temperature, &Support::standby_temperature, &Post::standbyTemperature},
    {&Support::has_reset_timer, &Support::reset_timer, &Post::resetTimer},
    {&Support::has_humidity_level, &Support::humidity_level, &Post::humidityLevel},
    {&Support::has_humidity_percent, &Support::humidity_percent, &Post::humidityPercent},
    {&Support::has_tank_auto_emptying, &Support::tank_auto_emptying, &Post::tankAutoEmptying},
    {&Support::has_temperature_set, &Support::temperature_set, &Post::temperatureSet},
    {&Support::has_water_level, &Support::water_level, &Post::waterLevel},
    {&Support::has_tank_manual, &Support::tank_manual, &Post::tankManual},
    {&Support::has_water_temperature, &Support::water_temperature, &Post::waterTemperature},
    {&Support::has_error_log, &Support::error_log, &Post::errorLog},
    {&Support::has_pcb_overheat_limit, &Support::pcb_overheat_limit, &Post::pcbOverheatLimit},
    {&Support::has_ext_sw_function, &Support::ext_sw_function, &Post::extSwFunction},
    {&Support::has_ext_sw_bathtime, &Support::ext_sw_bathtime, &Post::extSwBathtime},
    {&Support::has_facility_type, &Support::facility_type, &Post::facilityType},
};
static_assert(std::size(requiredFlags) == 22, "fields 10 to 31");

} // namespace

bool toSiMasterFuncDesc(const Support &support, Post &out)
{
    Post post;
    bool complete = true;
    for (const FlagField &field : requiredFlags) {
        complete = complete && (support.*field.has)();
        post.*field.flag = (support.*field.get)();
    }
    post.function23 = support.function_flag_23();
    if (complete)
        out = post;
    return complete;
}

} // namespace pbSupport::conversion
