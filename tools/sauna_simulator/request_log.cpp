#include "request_log.h"

#include "sauna_state_model.h"

#include "message.pb.h"

#include <QStringList>

#include <string>

namespace tools::requestLog {

namespace {

// The protocol's name of a value, or the number when the value has none.
QString named(const std::string &name, qint64 value)
{
    return name.empty() ? QString::number(value) : QString::fromStdString(name);
}

QString onOff(bool value)
{
    return value ? QStringLiteral("on") : QStringLiteral("off");
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A time on the sauna's clock, with its weekday: calendar programs recur on it.
QString saunaTime(quint64 milliseconds)
{
    return SaunaStateModel::protocolEpoch()
        .addMSecs(qint64(milliseconds))
        .toString(QStringLiteral("ddd yyyy-MM-dd HH:mm"));
}

QString minuteOfDay(quint32 minutes)
{
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString integerName(int reportId)
{
    return named(vaholumo::Integer_value_changed_value_t_Name(reportId), reportId);
}

QString booleanName(int reportId)
{
    return named(vaholumo::Boolean_value_changed_value_t_Name(reportId), reportId);
}

QString stateName(int wireState)
{
    return named(vaholumo::Sauna_state_changed_state_t_Name(wireState), wireState);
}

QString enumSettings(const EnumSettings &settings)
{
    QStringList parts;
    const auto add = [&parts](const char *what, const std::optional<int> &value,
                              const std::string &name) {
        if (value)
            parts << QStringLiteral("%1 %2").arg(QLatin1String(what), named(name, *value));
    };
    using Types = vaholumo::Enum_value_types;
    if (settings.facilityType)
        add("facility type", settings.facilityType,
            Types::facility_type_t_Name(*settings.facilityType));
    if (settings.region)
        add("region", settings.region, Types::region_t_Name(*settings.region));
    if (settings.waterLevelPrimary)
        add("water level", settings.waterLevelPrimary,
            Types::water_level_t_Name(*settings.waterLevelPrimary));
    if (settings.externalSwitchFunction)
        add("external switch", settings.externalSwitchFunction,
            Types::external_switch_function_t_Name(*settings.externalSwitchFunction));
    if (settings.bathPriority)
        add("bath priority", settings.bathPriority,
            Types::bath_priority_t_Name(*settings.bathPriority));
    if (settings.waterLevelSecondary1)
        add("water level 2", settings.waterLevelSecondary1,
            Types::water_level_t_Name(*settings.waterLevelSecondary1));
    if (settings.waterLevelSecondary2)
        add("water level 3", settings.waterLevelSecondary2,
            Types::water_level_t_Name(*settings.waterLevelSecondary2));
    return parts.join(QStringLiteral(", "));
}

QString timing(const AuxRelayTiming &value)
{
    return QStringLiteral("%1 %2")
        .arg(value.value)
        .arg(named(vaholumo::Aux_relay_timing_scaling_t_Name(value.scaling), value.scaling));
}

QString favoriteRecord(const FavoriteRecord &favorite)
{
    if (!favorite.inUse)
        return QStringLiteral("favorite %1 empty").arg(favorite.index);
    return QStringLiteral(
               "favorite %1 %2: temperature %3, humidity %4, bath time %5 min, lights %6")
        .arg(favorite.index)
        .arg(quoted(favorite.name))
        .arg(favorite.temperature)
        .arg(favorite.humidity)
        .arg(favorite.bathTime)
        .arg(onOff(favorite.lights));
}

QString calendarRecord(const CalendarRecord &program)
{
    if (!program.inUse)
        return QStringLiteral("calendar program %1 empty").arg(program.index);
    const QString settings = program.favorite == CalendarRecord::NoFavorite
                                 ? QStringLiteral("temperature %1, humidity %2")
                                       .arg(program.temperature)
                                       .arg(program.humidity)
                                 : QStringLiteral("favorite %1").arg(program.favorite);
    return QStringLiteral("calendar program %1: %2 %3 %4 for %5 min, %6%7")
        .arg(program.index)
        .arg(program.weekdayProgram ? QStringLiteral("every week from") : QStringLiteral("once on"))
        .arg(saunaTime(program.startTime))
        .arg(program.startMode == CalendarRecord::ReadyAt ? QStringLiteral("ready at")
                                                          : QStringLiteral("start at"))
        .arg(program.stopAfter)
        .arg(settings)
        .arg(program.standbyMode ? QStringLiteral(", standby") : QString());
}

QString auxRelayRecord(const AuxRelayRecord &relay)
{
    if (!relay.connected)
        return QStringLiteral("aux relay %1 not connected").arg(relay.index);
    return QStringLiteral("aux relay %1 %2 %3 %4, on time %5, off time %6")
        .arg(relay.index)
        .arg(named(vaholumo::Aux_relay_post_function_t_Name(relay.function), relay.function))
        .arg(quoted(relay.name))
        .arg(relay.activated ? QStringLiteral("activated") : QStringLiteral("not activated"))
        .arg(timing(relay.onTime))
        .arg(timing(relay.offTime));
}

QString descalingRecord(const DescalingRecord &record)
{
    return QStringLiteral("descaling %1 by relay %2 on weekday %3 at %4, dosage %5")
        .arg(onOff(record.enabled))
        .arg(record.relayIndex ? QString::number(*record.relayIndex) : QStringLiteral("none"))
        .arg(record.weekday)
        .arg(minuteOfDay(record.startTime))
        .arg(record.dosage);
}

} // namespace

QString integerRequest(int requestId, quint32 value)
{
    return QStringLiteral("integer %1 %2")
        .arg(named(vaholumo::Integer_value_change_request_value_t_Name(requestId), requestId))
        .arg(value);
}

QString booleanRequest(int requestId, bool value)
{
    return QStringLiteral("boolean %1 %2")
        .arg(named(vaholumo::Boolean_value_change_request_value_t_Name(requestId), requestId))
        .arg(value ? QStringLiteral("true") : QStringLiteral("false"));
}

QString enumRequest(const EnumSettings &settings)
{
    return QStringLiteral("enum ") + enumSettings(settings);
}

QString stateRequest(int wireState)
{
    return QStringLiteral("state %1")
        .arg(named(vaholumo::Sauna_state_change_request_state_t_Name(wireState), wireState));
}

QString clockRequest(quint64 milliseconds)
{
    return QStringLiteral("clock %1").arg(saunaTime(milliseconds));
}

QString command(int wireCommand, std::optional<int> controlBoard, std::optional<quint32> argument)
{
    QString text =
        QStringLiteral("command %1")
            .arg(named(vaholumo::General_command_command_t_Name(wireCommand), wireCommand));
    if (controlBoard)
        text += QStringLiteral(" board %1").arg(*controlBoard);
    if (argument)
        text += QStringLiteral(" argument %1").arg(*argument);
    return text;
}

QString favoritePost(const FavoriteChange &change)
{
    const QString index = change.index ? QString::number(*change.index) : QStringLiteral("?");
    if (!change.inUse.value_or(false))
        return QStringLiteral("favorite %1 %2")
            .arg(index, change.inUse ? QStringLiteral("empty") : QStringLiteral("without in-use"));
    QStringList parts;
    parts << quoted(change.name);
    if (change.temperature)
        parts << QStringLiteral("temperature %1").arg(*change.temperature);
    if (change.humidity)
        parts << QStringLiteral("humidity %1").arg(*change.humidity);
    if (change.bathTime)
        parts << QStringLiteral("bath time %1 min").arg(*change.bathTime);
    if (change.lights)
        parts << QStringLiteral("lights %1").arg(onOff(*change.lights));
    return QStringLiteral("favorite %1 %2").arg(index, parts.join(QStringLiteral(", ")));
}

QString calendarPost(const CalendarChange &change)
{
    const QString index = change.index ? QString::number(*change.index) : QStringLiteral("?");
    if (!change.inUse.value_or(false))
        return QStringLiteral("calendar program %1 %2")
            .arg(index, change.inUse ? QStringLiteral("empty") : QStringLiteral("without in-use"));
    QStringList parts;
    if (change.weekdayProgram)
        parts << (*change.weekdayProgram ? QStringLiteral("weekday") : QStringLiteral("date"));
    if (change.startTime)
        parts << saunaTime(*change.startTime);
    if (change.startMode)
        parts << (*change.startMode == CalendarRecord::ReadyAt ? QStringLiteral("ready at")
                                                               : QStringLiteral("start at"));
    if (change.stopAfter)
        parts << QStringLiteral("for %1 min").arg(*change.stopAfter);
    if (change.favorite && *change.favorite != CalendarRecord::NoFavorite)
        parts << QStringLiteral("favorite %1").arg(*change.favorite);
    if (change.temperature)
        parts << QStringLiteral("temperature %1").arg(*change.temperature);
    if (change.humidity)
        parts << QStringLiteral("humidity %1").arg(*change.humidity);
    if (change.standbyMode.value_or(false))
        parts << QStringLiteral("standby");
    return QStringLiteral("calendar program %1 %2").arg(index, parts.join(QLatin1Char(' ')));
}

QString auxRelayPost(const AuxRelayChange &change)
{
    QString text = QStringLiteral("aux relay %1")
                       .arg(change.index ? QString::number(*change.index) : QStringLiteral("?"));
    if (change.function)
        text += QLatin1Char(' ') +
                named(vaholumo::Aux_relay_post_function_t_Name(*change.function), *change.function);
    text += QLatin1Char(' ') + quoted(change.name);
    QStringList parts;
    if (change.activated)
        parts << (*change.activated ? QStringLiteral("activated")
                                    : QStringLiteral("not activated"));
    if (change.onTime)
        parts << QStringLiteral("on time %1").arg(timing(*change.onTime));
    if (change.offTime)
        parts << QStringLiteral("off time %1").arg(timing(*change.offTime));
    if (!parts.isEmpty())
        text += QLatin1Char(' ') + parts.join(QStringLiteral(", "));
    return text;
}

QString descaling(const DescalingChange &change)
{
    QStringList parts;
    if (change.enabled)
        parts << onOff(*change.enabled);
    parts << QStringLiteral("relay %1")
                 .arg(change.relayIndex ? QString::number(*change.relayIndex)
                                        : QStringLiteral("none"));
    if (change.weekday)
        parts << QStringLiteral("weekday %1").arg(*change.weekday);
    if (change.startTime)
        parts << QStringLiteral("at %1").arg(minuteOfDay(*change.startTime));
    if (change.dosage)
        parts << QStringLiteral("dosage %1").arg(*change.dosage);
    return QStringLiteral("descaling ") + parts.join(QLatin1Char(' '));
}

QString answer(std::optional<quint32> messageId, std::optional<int> wireAnswer)
{
    return QStringLiteral("answer to message %1: %2")
        .arg(messageId ? QStringLiteral("0x%1").arg(*messageId, 4, 16, QLatin1Char('0'))
                       : QStringLiteral("?"),
             wireAnswer ? named(vaholumo::User_message_answer_t_Name(*wireAnswer), *wireAnswer)
                        : QStringLiteral("none"));
}

QString outcome(const SaunaReport &report, const SaunaStateModel &model)
{
    QStringList parts;
    for (const QString &error : report.dataErrors)
        parts << QStringLiteral("refused: ") + error;
    if (report.userMessage)
        parts << QStringLiteral("message 0x%1 (%2)")
                     .arg(report.userMessage->id, 4, 16, QLatin1Char('0'))
                     .arg(report.userMessage->reason);
    for (const auto &[id, value] : report.integers)
        parts << QStringLiteral("%1 %2").arg(integerName(id)).arg(value);
    for (const auto &[id, value] : report.booleans)
        parts << QStringLiteral("%1 %2").arg(booleanName(id), value ? QStringLiteral("true")
                                                                    : QStringLiteral("false"));
    if (!report.enums.isEmpty())
        parts << enumSettings(report.enums);
    if (report.stateChanged)
        parts << QStringLiteral("state %1 at %2")
                     .arg(stateName(model.state()), saunaTime(model.systemTime()));
    for (const FavoriteRecord &favorite : report.favorites)
        parts << favoriteRecord(favorite);
    for (const CalendarRecord &program : report.calendarPrograms)
        parts << calendarRecord(program);
    if (!report.errorLog.empty())
        parts << QStringLiteral("error log: %1 entries emptied").arg(report.errorLog.size());
    for (const AuxRelayRecord &relay : report.auxRelays)
        parts << auxRelayRecord(relay);
    if (report.descaling)
        parts << descalingRecord(*report.descaling);
    if (parts.isEmpty())
        return QStringLiteral("nothing changed");
    return parts.join(QStringLiteral("; "));
}

QString line(const QString &request, const QString &outcome)
{
    return QStringLiteral("request %1 -> %2").arg(request, outcome);
}

} // namespace tools::requestLog
