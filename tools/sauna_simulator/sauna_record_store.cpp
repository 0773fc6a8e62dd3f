#include "sauna_record_store.h"

#include "calendar_timing.h"
#include "signal_interface/protocol_facts.h"
#include "simulator_messages.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include <algorithm>

namespace tools {

namespace {

QString outsideText(const QString &what, quint32 value, quint32 minimum, quint32 maximum)
{
    return QStringLiteral("%1 %2 is outside %3..%4").arg(what).arg(value).arg(minimum).arg(maximum);
}

// The first rule that the favorite breaks, or nothing.
std::optional<QString> favoriteFault(const FavoriteChange &change,
                                     const SaunaRecordStore::Limits &limits)
{
    const QString favorite = QStringLiteral("favorite %1").arg(*change.index);
    if (!change.nameIsText)
        return favorite + QStringLiteral(" name is not text");
    if (change.name.isEmpty())
        return favorite + QStringLiteral(" has no name");
    if (change.name.size() > FavoriteRecord::MaximumNameLength)
        return favorite + QStringLiteral(" name is longer than %1 characters")
                              .arg(FavoriteRecord::MaximumNameLength);
    const QString supported = supportedCharacters();
    if (!std::all_of(change.name.begin(), change.name.end(),
                     [&supported](QChar unit) { return supported.contains(unit); }))
        return favorite + QStringLiteral(" name holds characters this sauna cannot show");
    if (change.humidity && *change.humidity > SaunaRecordStore::HighestHumidityCode)
        return outsideText(favorite + QStringLiteral(" humidity"), *change.humidity, 0,
                           SaunaRecordStore::HighestHumidityCode);
    if (change.temperature && (*change.temperature < limits.lowestTemperature ||
                               *change.temperature > limits.highestTemperature))
        return outsideText(favorite + QStringLiteral(" temperature"), *change.temperature,
                           limits.lowestTemperature, limits.highestTemperature);
    // A favorite may leave the bath time at 0.
    if (change.bathTime && *change.bathTime > limits.longestBathTime)
        return outsideText(favorite + QStringLiteral(" bath time"), *change.bathTime, 0,
                           limits.longestBathTime);
    if (!change.auxRelayActive.empty() &&
        change.auxRelayActive.size() != FavoriteRecord::AuxRelayCount)
        return favorite + QStringLiteral(" has %1 auxiliary relay flags, not %2")
                              .arg(change.auxRelayActive.size())
                              .arg(FavoriteRecord::AuxRelayCount);
    return std::nullopt;
}

} // namespace

SaunaRecordStore::SaunaRecordStore()
{
    for (quint32 index = 0; index < FavoriteRecord::SlotCount; ++index)
        m_favorites[index] = FavoriteRecord(index);
    for (quint32 index = 0; index < CalendarRecord::SlotCount; ++index)
        m_calendarPrograms[index] = CalendarRecord(index);
}

quint64 SaunaRecordStore::latestStartTime()
{
    return quint64(signalInterface::protocolFacts::protocolEpoch().msecsTo(
        QDateTime(QDate(2200, 1, 1), QTime(0, 0), QTimeZone::utc())));
}

void SaunaRecordStore::appendAll(SaunaReport &report) const
{
    report.favorites.insert(report.favorites.end(), m_favorites.begin(), m_favorites.end());
    report.calendarPrograms.insert(report.calendarPrograms.end(), m_calendarPrograms.begin(),
                                   m_calendarPrograms.end());
}

SaunaReport SaunaRecordStore::changeFavorite(const FavoriteChange &change, const Limits &limits)
{
    SaunaReport report;
    if (!change.index) {
        report.dataErrors.push_back(QStringLiteral("favorite post without an index"));
        return report;
    }
    if (*change.index >= FavoriteRecord::SlotCount) {
        report.dataErrors.push_back(outsideText(QStringLiteral("favorite index"), *change.index, 0,
                                                FavoriteRecord::SlotCount - 1));
        return report;
    }
    FavoriteRecord &stored = m_favorites[*change.index];
    if (!change.inUse) {
        // Read as "not in use" it would empty the slot; a post that does not say is refused.
        report.dataErrors.push_back(
            QStringLiteral("favorite %1 post without in-use flag").arg(*change.index));
        report.favorites.push_back(stored);
        return report;
    }
    if (!*change.inUse) {
        stored = FavoriteRecord(*change.index);
        report.favorites.push_back(stored);
        return report;
    }
    if (const std::optional<QString> fault = favoriteFault(change, limits)) {
        report.dataErrors.push_back(*fault);
        report.favorites.push_back(stored);
        return report;
    }

    // A new favorite starts from the defaults; a change keeps what the post leaves out.
    FavoriteRecord favorite = stored.inUse ? stored : FavoriteRecord(*change.index);
    favorite.inUse = true;
    favorite.name = change.name;
    favorite.humidity = change.humidity.value_or(favorite.humidity);
    favorite.temperature = change.temperature.value_or(favorite.temperature);
    favorite.bathTime = change.bathTime.value_or(favorite.bathTime);
    favorite.lights = change.lights.value_or(favorite.lights);
    if (change.auxRelayActive.size() == FavoriteRecord::AuxRelayCount)
        std::copy(change.auxRelayActive.begin(), change.auxRelayActive.end(),
                  favorite.auxRelayActive.begin());
    stored = favorite;
    report.favorites.push_back(stored);
    return report;
}

SaunaReport SaunaRecordStore::changeCalendarProgram(const CalendarChange &change,
                                                    const Limits &limits)
{
    SaunaReport report;
    if (!change.index) {
        report.dataErrors.push_back(QStringLiteral("calendar post without an index"));
        return report;
    }
    if (*change.index >= CalendarRecord::SlotCount) {
        report.dataErrors.push_back(outsideText(QStringLiteral("calendar program index"),
                                                *change.index, 0, CalendarRecord::SlotCount - 1));
        return report;
    }
    CalendarRecord &stored = m_calendarPrograms[*change.index];
    const QString program = QStringLiteral("calendar program %1").arg(*change.index);
    const auto refuse = [&](const QString &fault) {
        report.dataErrors.push_back(fault);
        report.calendarPrograms.push_back(stored);
        return report;
    };
    if (!change.inUse)
        return refuse(program + QStringLiteral(" post without in-use flag"));
    if (!*change.inUse) {
        stored = CalendarRecord(*change.index);
        report.calendarPrograms.push_back(stored);
        return report;
    }

    // A new program starts from the defaults; a change keeps what the post leaves out.
    CalendarRecord candidate = stored.inUse ? stored : CalendarRecord(*change.index);
    if (!stored.inUse && !change.startTime)
        return refuse(program + QStringLiteral(" has no start time"));
    if (change.startTime && *change.startTime >= latestStartTime())
        return refuse(program + QStringLiteral(" starts after 2199"));
    if (change.stopAfter && (*change.stopAfter < 1 || *change.stopAfter > limits.longestBathTime))
        return refuse(outsideText(program + QStringLiteral(" stop-after time"), *change.stopAfter,
                                  1, limits.longestBathTime));
    const quint32 favorite = change.favorite.value_or(candidate.favorite);
    if (favorite != CalendarRecord::NoFavorite) {
        if (favorite >= FavoriteRecord::SlotCount)
            return refuse(program +
                          QStringLiteral(" uses favorite %1, which does not exist").arg(favorite));
        if (!m_favorites[favorite].inUse)
            return refuse(program +
                          QStringLiteral(" uses favorite %1, which is not stored").arg(favorite));
    } else {
        // The program's own settings are read only when it uses no favorite.
        if (change.humidity && *change.humidity > HighestHumidityCode)
            return refuse(outsideText(program + QStringLiteral(" humidity"), *change.humidity, 0,
                                      HighestHumidityCode));
        if (change.temperature && (*change.temperature < limits.lowestTemperature ||
                                   *change.temperature > limits.highestTemperature))
            return refuse(outsideText(program + QStringLiteral(" temperature"), *change.temperature,
                                      limits.lowestTemperature, limits.highestTemperature));
        candidate.humidity = change.humidity.value_or(candidate.humidity);
        candidate.temperature = change.temperature.value_or(candidate.temperature);
    }
    if (change.startMode && *change.startMode != CalendarRecord::StartAt &&
        *change.startMode != CalendarRecord::ReadyAt)
        return refuse(program + QStringLiteral(" start mode %1 is unknown").arg(*change.startMode));

    candidate.inUse = true;
    candidate.favorite = favorite;
    candidate.startTime = change.startTime.value_or(candidate.startTime);
    candidate.stopAfter = change.stopAfter.value_or(candidate.stopAfter);
    candidate.weekdayProgram = change.weekdayProgram.value_or(candidate.weekdayProgram);
    candidate.startMode = change.startMode.value_or(candidate.startMode);
    candidate.standbyMode = change.standbyMode.value_or(candidate.standbyMode);
    candidate.extraFlag = change.extraFlag.value_or(candidate.extraFlag);

    // Two programs due at the same time cannot both run: the later post is refused, and the
    // panel is told with the collision message of the program's kind.
    for (const CalendarRecord &other : m_calendarPrograms) {
        if (!other.inUse || other.index == candidate.index || !calendar::collide(candidate, other))
            continue;
        report.userMessage = SaunaUserMessage{
            candidate.weekdayProgram ? SaunaUserMessage::WeekdayProgramCollision
                                     : SaunaUserMessage::DateProgramCollision,
            SaunaUserMessage::OneButton,
            program + QStringLiteral(" collides with calendar program %1").arg(other.index),
            std::nullopt};
        report.calendarPrograms.push_back(stored);
        return report;
    }
    stored = candidate;
    report.calendarPrograms.push_back(stored);
    return report;
}

} // namespace tools
