#pragma once

#include "aux_relay_records.h"
#include "sauna_records.h"
#include "sauna_report.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace tools {

class SaunaStateModel;

// What the simulator prints about a panel's request: what was asked, in the protocol's own names
// and units, and what came of it. Each text is one line.
namespace requestLog {

QString integerRequest(int requestId, quint32 value);
QString booleanRequest(int requestId, bool value);
QString enumRequest(const EnumSettings &settings);
QString stateRequest(int wireState);
// Milliseconds since 2000-01-01 00:00 on the sauna's clock.
QString clockRequest(quint64 milliseconds);
QString command(int wireCommand, std::optional<int> controlBoard, std::optional<quint32> argument);
QString favoritePost(const FavoriteChange &change);
QString calendarPost(const CalendarChange &change);
QString auxRelayPost(const AuxRelayChange &change);
QString descaling(const DescalingChange &change);
QString answer(std::optional<quint32> messageId, std::optional<int> wireAnswer);

// What the request changed, as the sauna reports it, or why it was refused.
QString outcome(const SaunaReport &report, const SaunaStateModel &model);

// The line printed for one request.
QString line(const QString &request, const QString &outcome);

} // namespace requestLog

} // namespace tools
