#include "protocol_buffers_support/si_pb_type_conversion/error_log_conversion.h"

#include "protocol_buffers_support/si_pb_type_conversion/node_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/protocol_time.h"

namespace pbSupport::conversion {

namespace {

constexpr unsigned highestEntryIndex = errorLogEntryCount - 1;

} // namespace

value::ErrorText_SPT toSiErrorLogItem(const vaholumo::Error_post &post,
                                      signalInterface::ErrorLogTypes::ErrorLogItem &out)
{
    if (!post.has_index())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no index"));
    if (post.index() > highestEntryIndex)
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("index"),
                                    static_cast<int>(post.index()));

    signalInterface::ErrorLogTypes::ErrorLogItem item;
    item.index = post.index();
    if (post.has_entry_flag())
        item.firstFlag = post.entry_flag();
    if (post.has_time())
        toSiDateTime(post.time(), item.time, Qt::LocalTime);
    if (post.has_error_code())
        item.code = post.error_code();
    if (post.has_flag_5())
        item.secondFlag = post.flag_5();
    if (post.has_control_board())
        item.board = NodeConverter::instance().toSiRcb(post.control_board());
    out = item;
    return {};
}

} // namespace pbSupport::conversion
