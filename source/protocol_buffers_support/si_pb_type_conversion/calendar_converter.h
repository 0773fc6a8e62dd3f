#pragma once

#include "protocol_buffers_support/si_pb_type_conversion/message_raising_converter.h"
#include "signal_interface/calendar_program.h"
#include "signal_interface/smart_start_types.h"
#include "value/error_text.h"

#include "calendar.pb.h"

namespace pbSupport::conversion {

// Calendar programs and the warm-up characteristics between the protocol and the panel. Start
// times count milliseconds from 2000-01-01 00:00:00 UTC.
class CalendarConverter : public MessageRaisingConverter
{
    Q_OBJECT

public:
    // The favorite number on the wire that means "own humidity and temperature".
    static constexpr unsigned noFavorite = 100;
    static constexpr unsigned programCount = 64;

    static CalendarConverter &instance();

    // A program not in use travels as its index and the in-use flag only. One in use needs a
    // valid start no earlier than the epoch ("start time" otherwise): a program without a start
    // is refused rather than sent as the epoch, which would make it a weekly program on Saturday.
    value::ErrorText_SPT toPbCalendarPost(const signalInterface::CalendarProgram &program,
                                          vaholumo::Calendar_post &out);
    // Index below 64, favorite 0-7 or 100; an absurd start time fails with "start time".
    value::ErrorText_SPT toSiCalendarProgram(const vaholumo::Calendar_post &post,
                                             signalInterface::CalendarProgram &out);

    // Absent fields keep the record's defaults (18, 0, false).
    static signalInterface::SmartStartTypes::SmartStartParameters
    toSiSmartStart(const vaholumo::Warm_up_characteristics &warmUp);

private:
    CalendarConverter() = default;
};

} // namespace pbSupport::conversion
