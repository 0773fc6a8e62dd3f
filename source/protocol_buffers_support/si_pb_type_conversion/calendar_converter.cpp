#include "protocol_buffers_support/si_pb_type_conversion/calendar_converter.h"

#include "protocol_buffers_support/si_pb_type_conversion/protocol_time.h"

namespace pbSupport::conversion {

namespace {

using signalInterface::CalendarTypes;

constexpr unsigned highestFavorite = 7;

} // namespace

CalendarConverter &CalendarConverter::instance()
{
    static CalendarConverter *converter = new CalendarConverter;
    return *converter;
}

value::ErrorText_SPT
CalendarConverter::toPbCalendarPost(const signalInterface::CalendarProgram &program,
                                    vaholumo::Calendar_post &out)
{
    vaholumo::Calendar_post post;
    post.set_index(program.index);
    post.set_in_use(program.inUse);
    if (program.inUse) {
        std::uint64_t startTime = 0;
        if (!toPbTime(program.start, startTime))
            return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("start time"));
        post.set_start_time(startTime);
        post.set_stop_after(program.duration);
        const auto [hasFavorite, favorite] = program.favoriteIndex();
        if (hasFavorite && favorite >= 0) {
            post.set_favorite(static_cast<unsigned>(favorite));
        } else {
            post.set_favorite(noFavorite);
            post.set_humidity(program.humidity);
            post.set_temperature(program.temperature);
        }
        post.set_weekday_program(program.weekday);
        switch (program.startMode) {
        case CalendarTypes::E_start_at:
            post.set_start_mode(vaholumo::Calendar_post_start_mode_t_START_AT);
            break;
        case CalendarTypes::E_ready_at:
            post.set_start_mode(vaholumo::Calendar_post_start_mode_t_READY_AT);
            break;
        default:
            raiseMissingPair(__FILE__, __LINE__, "StartMode", program.startMode);
            return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("unknown start mode"),
                                        program.startMode);
        }
        post.set_standby_mode(program.standby);
        post.set_extra_flag(program.option11);
    }
    out = std::move(post);
    return {};
}

value::ErrorText_SPT CalendarConverter::toSiCalendarProgram(const vaholumo::Calendar_post &post,
                                                            signalInterface::CalendarProgram &out)
{
    if (!post.has_index())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no index"));
    if (post.index() >= programCount)
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("index"),
                                    static_cast<int>(post.index()));

    signalInterface::CalendarProgram program(post.index());
    if (post.has_in_use())
        program.inUse = post.in_use();
    if (post.has_start_time() && !toSiDateTime(post.start_time(), program.start))
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("start time"));
    if (post.has_stop_after())
        program.duration = post.stop_after();
    if (post.has_favorite() && post.favorite() != noFavorite) {
        if (post.favorite() > highestFavorite)
            return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("favorite value"),
                                        static_cast<int>(post.favorite()));
        program.setFavoriteIndex({true, static_cast<qint32>(post.favorite())});
    } else {
        if (post.has_humidity())
            program.humidity = post.humidity();
        if (post.has_temperature())
            program.temperature = post.temperature();
    }
    if (post.has_weekday_program())
        program.weekday = post.weekday_program();
    if (post.has_start_mode()) {
        switch (post.start_mode()) {
        case vaholumo::Calendar_post_start_mode_t_START_AT:
            program.startMode = CalendarTypes::E_start_at;
            break;
        case vaholumo::Calendar_post_start_mode_t_READY_AT:
            program.startMode = CalendarTypes::E_ready_at;
            break;
        default:
            return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("unknown start mode"));
        }
    }
    if (post.has_standby_mode())
        program.standby = post.standby_mode();
    if (post.has_extra_flag())
        program.option11 = post.extra_flag();
    out = program;
    return {};
}

signalInterface::SmartStartTypes::SmartStartParameters
CalendarConverter::toSiSmartStart(const vaholumo::Warm_up_characteristics &warmUp)
{
    signalInterface::SmartStartTypes::SmartStartParameters parameters;
    if (warmUp.has_heat_ratio())
        parameters.heatRatio = warmUp.heat_ratio();
    if (warmUp.has_warm_up_value_2())
        parameters.value2 = warmUp.warm_up_value_2();
    if (warmUp.has_warm_up_flag())
        parameters.flag = warmUp.warm_up_flag() ? 1 : 0;
    return parameters;
}

} // namespace pbSupport::conversion
