#include "control/details/calendar_data_provider.h"

#include "control/details/panel_questions.h"
#include "signal_interface/protocol_facts.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"

#include <algorithm>
#include <limits>

namespace control::details {

using signalInterface::CalendarProgram;
using signalInterface::CalendarTypes;
using signalInterface::FavoritesTypes::FavoritesPost;
using signalInterface::UserMessageTypes::UserMessage;
namespace protocolFacts = signalInterface::protocolFacts;

namespace {

// Whether a reported program is the one requested: the sauna keeps a program's own temperature
// and humidity only while it uses no favorite.
bool sameProgram(const CalendarProgram &reported, const CalendarProgram &requested)
{
    const bool ownSettings = requested.favorite == CalendarProgram::noFavorite;
    return reported.inUse == requested.inUse && reported.weekday == requested.weekday &&
           reported.start == requested.start && reported.startMode == requested.startMode &&
           reported.duration == requested.duration && reported.standby == requested.standby &&
           reported.favorite == requested.favorite &&
           (!ownSettings || (reported.temperature == requested.temperature &&
                             reported.humidity == requested.humidity));
}

} // namespace

CalendarDataProvider::CalendarDataProvider(QObject *parent)
    : QObject(parent)
    , m_requestWatch(
          this, &sameProgram,
          [this](const CalendarProgram &program) { emit createdProgramDisplaced(program); },
          [this](const CalendarProgram &program) { emit programChangedElsewhere(program); })
{
    for (int index = 0; index < programCount; ++index)
        m_programs[index] = CalendarProgram(static_cast<quint32>(index));
    for (int index = 0; index < favoriteCount; ++index)
        m_favorites[index].index = static_cast<quint32>(index);
}

int CalendarDataProvider::connectProductTypeChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(productTypeChanged(::signalInterface::VariantTypes::ProductType)),
          SLOT(onProductTypeChanged(::signalInterface::VariantTypes::ProductType))}});
}

int CalendarDataProvider::connectBrandChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(brandChanged(::signalInterface::VariantTypes::Brand)),
          SLOT(onBrandChanged(::signalInterface::VariantTypes::Brand))}});
}

int CalendarDataProvider::connectTimeSettingsSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(systemTimeChanged(QDateTime)), SLOT(onSystemTimeChanged(QDateTime))},
         {SIGNAL(dateFormatChanged(::signalInterface::DateTimeTypes::DateFormat)),
          SLOT(onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat))},
         {SIGNAL(timeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat)),
          SLOT(onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat))}});
}

int CalendarDataProvider::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost)),
          SLOT(onSaunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost))},
         {SIGNAL(saunaBathTimeChanged(int)), SLOT(onSaunaBathTimeChanged(int))},
         {SIGNAL(saunaBathTimeLimitChanged(int)), SLOT(onSaunaBathTimeLimitChanged(int))},
         {SIGNAL(saunaTargetHumidityChanged(int)), SLOT(onSaunaTargetHumidityChanged(int))},
         {SIGNAL(saunaTargetTemperatureChanged(int)), SLOT(onSaunaTargetTemperatureChanged(int))},
         {SIGNAL(saunaTemperatureChanged(int)), SLOT(onSaunaTemperatureChanged(int))},
         {SIGNAL(saunaSmartStartChanged(::signalInterface::SmartStartTypes::SmartStartParameters)),
          SLOT(onSaunaSmartStartChanged(::signalInterface::SmartStartTypes::SmartStartParameters))},
         {SIGNAL(saunaMasterFuncDescChanged(
              ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost)),
          SLOT(onSaunaMasterFuncDescChanged(
              ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost))},
         {SIGNAL(saunaNotAllowedStartEnableChanged(bool)),
          SLOT(onSaunaNotAllowedStartEnableChanged(bool))},
         {SIGNAL(saunaNotAllowedStartFromTimeChanged(QTime)),
          SLOT(onSaunaNotAllowedStartFromTimeChanged(QTime))},
         {SIGNAL(saunaNotAllowedStartUntilTimeChanged(QTime)),
          SLOT(onSaunaNotAllowedStartUntilTimeChanged(QTime))}});
}

bool CalendarDataProvider::storeProgram(const CalendarProgram &program)
{
    if (program.index >= static_cast<quint32>(programCount))
        return false;
    CalendarProgram &stored = m_programs[program.index];
    if (stored == program)
        return false;
    stored = program;
    // Another panel's save may have replaced the one just requested here in the slot.
    m_requestWatch.report(program);
    return true;
}

void CalendarDataProvider::watchRequest(const CalendarProgram &program)
{
    if (program.index >= static_cast<quint32>(programCount))
        return;
    const CalendarProgram &stored = m_programs[program.index];
    CalendarProgram requested = program;
    if (!requested.inUse)
        requested.weekday = stored.weekday;
    m_requestWatch.watch(requested, requested.inUse && !stored.inUse);
}

std::optional<CalendarProgram> CalendarDataProvider::program(int index) const
{
    if (index < 0 || index >= programCount)
        return std::nullopt;
    return m_programs[index];
}

QList<CalendarProgram> CalendarDataProvider::programsInUse() const
{
    QList<CalendarProgram> result;
    for (const CalendarProgram &program : m_programs) {
        if (program.inUse && program.start.isValid())
            result.append(program);
    }
    return result;
}

namespace {

void sortByStartTime(QList<CalendarProgram> &programs)
{
    std::stable_sort(programs.begin(), programs.end(),
                     [](const CalendarProgram &first, const CalendarProgram &second) {
                         return first.start.time() < second.start.time();
                     });
}

} // namespace

QList<CalendarProgram> CalendarDataProvider::dateProgramsOn(const QDate &date) const
{
    QList<CalendarProgram> result;
    for (const CalendarProgram &program : programsInUse()) {
        if (!program.weekday && program.start.date() == date)
            result.append(program);
    }
    sortByStartTime(result);
    return result;
}

QList<CalendarProgram> CalendarDataProvider::weekdayProgramsOn(CalendarTypes::WeekDay day) const
{
    QList<CalendarProgram> result;
    for (const CalendarProgram &program : programsInUse()) {
        if (program.weekday && weekDayOf(program.start.date()) == day)
            result.append(program);
    }
    sortByStartTime(result);
    return result;
}

std::optional<quint32> CalendarDataProvider::freeProgramIndex() const
{
    for (const CalendarProgram &program : m_programs) {
        if (!program.inUse && !m_requestWatch.awaitsNew(program.index))
            return program.index;
    }
    return std::nullopt;
}

QList<CalendarProgram> CalendarDataProvider::programsUsing(quint32 favorite) const
{
    QList<CalendarProgram> result;
    for (const CalendarProgram &program : programsInUse()) {
        if (program.favorite >= 0 && static_cast<quint32>(program.favorite) == favorite)
            result.append(program);
    }
    return result;
}

std::optional<FavoritesPost> CalendarDataProvider::favorite(int index) const
{
    if (index < 0 || index >= favoriteCount || !m_favorites[index].inUse)
        return std::nullopt;
    return m_favorites[index];
}

QList<FavoritesPost> CalendarDataProvider::favoritesInUse() const
{
    QList<FavoritesPost> result;
    for (const FavoritesPost &favorite : m_favorites) {
        if (favorite.inUse)
            result.append(favorite);
    }
    return result;
}

QDateTime CalendarDataProvider::now() const
{
    return m_systemTime.isValid() ? m_systemTime : signalInterface::protocolFacts::wallClockNow();
}

namespace {

// The sauna's own rule for when a ready-at program switches on: a rate of 0 would never heat, and
// the factory rate stands in for it.
int heatingMinutesFrom(qint64 temperature, quint32 targetTemperature, qint64 heatRatio)
{
    return static_cast<int>(std::min<qint64>(
        signalInterface::protocolFacts::heatingMinutes(targetTemperature, temperature, heatRatio),
        std::numeric_limits<int>::max()));
}

} // namespace

int CalendarDataProvider::estimatedHeatingMinutes(quint32 targetTemperature) const
{
    if (!m_temperature)
        return 0;
    return heatingMinutesFrom(*m_temperature, targetTemperature, m_smartStart.heatRatio);
}

int CalendarDataProvider::coldStartHeatingMinutes(quint32 targetTemperature) const
{
    const qint64 room = protocolFacts::coldRoomTemperature;
    return heatingMinutesFrom(m_temperature ? std::min<qint64>(*m_temperature, room) : room,
                              targetTemperature, m_smartStart.heatRatio);
}

bool CalendarDataProvider::isBathStopTime(quint32 minutes)
{
    return minutes >= 1 && minutes <= quint32(protocolFacts::longestBathMinutes);
}

std::optional<UserMessage>
CalendarDataProvider::notAllowedStartQuestion(const CalendarProgram &program,
                                              quint32 temperature) const
{
    const QTime from = m_notAllowedStartFrom;
    const QTime until = m_notAllowedStartUntil;
    if (!m_notAllowedStartEnabled || !from.isValid() || !until.isValid() || from == until)
        return std::nullopt;
    const qint64 fromMinute = from.msecsSinceStartOfDay() / 60000;
    const qint64 untilMinute = until.msecsSinceStartOfDay() / 60000;
    const qint64 startMinute = program.start.time().msecsSinceStartOfDay() / 60000;
    // A program to be ready at its time is switched on the heating time before it, by the
    // sauna's own rule: from then on it runs, and the sauna refuses that start in the window.
    // The sauna is planned cold, as it will be on the program's day, not as hot as it may be now.
    const qint64 heating =
        program.startMode == CalendarTypes::E_ready_at ? coldStartHeatingMinutes(temperature) : 0;
    const qint64 onMinute = startMinute - heating;
    // A stop time no bath can have gives no run past the start to plan.
    const std::optional<qint64> runs = isBathStopTime(program.duration)
                                           ? std::optional<qint64>(heating + program.duration)
                                           : std::nullopt;
    const bool startsInWindow =
        protocolFacts::inNotAllowedStartPeriod(startMinute, fromMinute, untilMinute);
    const bool switchesOnInWindow =
        protocolFacts::inNotAllowedStartPeriod(onMinute, fromMinute, untilMinute);
    // The window may reach past midnight (22:00 - 06:00), and so may the heating.
    const bool runsIntoWindow =
        protocolFacts::minuteOfDay(fromMinute - onMinute) < runs.value_or(heating);
    if (!startsInWindow && !switchesOnInWindow && !runsIntoWindow)
        return std::nullopt;
    const QString window = view::LanguageSupport::timeText(from, m_timeFormat) +
                           QStringLiteral(" - ") +
                           view::LanguageSupport::timeText(until, m_timeFormat);
    if (startsInWindow)
        return questionMessage(panelMessageId::notAllowedStartConflict,
                               {programTimeText(program), window});
    // The time the sauna is on, from the start of its heating to the program's stop, so that the
    // user sees where it meets the window.
    const QTime on = QTime::fromMSecsSinceStartOfDay(
        static_cast<int>(protocolFacts::minuteOfDay(onMinute) * 60000));
    return questionMessage(panelMessageId::notAllowedStartMayConflict,
                           {timeRangeText(on, runs), window});
}

std::optional<UserMessage>
CalendarDataProvider::notAllowedStartQuestion(const FavoritesPost &favorite) const
{
    for (const CalendarProgram &program : programsUsing(favorite.index)) {
        if (auto question = notAllowedStartQuestion(program, favorite.temperature))
            return question;
    }
    return std::nullopt;
}

QString CalendarDataProvider::programTimeText(const CalendarProgram &program) const
{
    return timeRangeText(program.start.time(), isBathStopTime(program.duration)
                                                   ? std::optional<qint64>(program.duration)
                                                   : std::nullopt);
}

QString CalendarDataProvider::timeRangeText(const QTime &start, std::optional<qint64> minutes) const
{
    if (!minutes)
        return view::LanguageSupport::timeText(start, m_timeFormat) + QStringLiteral(" - --");
    return view::LanguageSupport::timeRangeText(
        start, static_cast<unsigned int>(protocolFacts::minuteOfDay(*minutes)), m_timeFormat, true);
}

QString CalendarDataProvider::programDescription(const CalendarProgram &program) const
{
    const QString day = program.weekday
                            ? view::LanguageSupport::weekdayText(weekDayOf(program.start.date()))
                            : view::LanguageSupport::dateText(program.start.date(), m_dateFormat);
    return day + QLatin1Char(' ') + programTimeText(program);
}

CalendarTypes::WeekDay CalendarDataProvider::weekDayOf(const QDate &date)
{
    CalendarTypes::WeekDay day = CalendarTypes::E_monday;
    CalendarTypes::fromInt(date.dayOfWeek() - 1, day);
    return day;
}

void CalendarDataProvider::onSaunaReplaced()
{
    const CalendarDataProvider defaults;
    m_programs = defaults.m_programs;
    m_favorites = defaults.m_favorites;
    m_systemTime = QDateTime();
    m_bathTime = defaults.m_bathTime;
    m_bathTimeLimit = defaults.m_bathTimeLimit;
    m_targetHumidity = defaults.m_targetHumidity;
    m_targetTemperature = defaults.m_targetTemperature;
    m_temperature.reset();
    m_smartStart = defaults.m_smartStart;
    m_functions = {};
    m_notAllowedStartEnabled = false;
    m_notAllowedStartFrom = QTime();
    m_notAllowedStartUntil = QTime();
    m_requestWatch.stop();
    emit saunaDataCleared();
    emit favoritesChanged();
    emit functionsChanged(m_functions);
}

void CalendarDataProvider::onProductTypeChanged(
    ::signalInterface::VariantTypes::ProductType productType)
{
    signalInterface::VariantTypes::ProductType checked = m_productType;
    if (signalInterface::VariantTypes::fromInt(productType, checked))
        m_productType = checked;
}

void CalendarDataProvider::onBrandChanged(::signalInterface::VariantTypes::Brand brand)
{
    signalInterface::VariantTypes::Brand checked = m_brand;
    if (signalInterface::VariantTypes::fromInt(brand, checked))
        m_brand = checked;
}

void CalendarDataProvider::onSystemTimeChanged(QDateTime dateTime)
{
    if (!dateTime.isValid() || dateTime == m_systemTime)
        return;
    m_systemTime = dateTime;
    emit clockChanged(m_systemTime);
}

void CalendarDataProvider::onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat format)
{
    signalInterface::DateTimeTypes::DateFormat checked = m_dateFormat;
    if (!signalInterface::DateTimeTypes::fromInt(format, checked))
        return;
    m_dateFormat = checked;
    emit dateFormatChanged(m_dateFormat);
}

void CalendarDataProvider::onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat format)
{
    signalInterface::DateTimeTypes::TimeFormat checked = m_timeFormat;
    if (!signalInterface::DateTimeTypes::fromInt(format, checked))
        return;
    m_timeFormat = checked;
    emit timeFormatChanged(m_timeFormat);
}

void CalendarDataProvider::onSaunaFavoritesPostChanged(
    ::signalInterface::FavoritesTypes::FavoritesPost favorite)
{
    if (favorite.index >= static_cast<quint32>(favoriteCount) ||
        m_favorites[favorite.index] == favorite)
        return;
    m_favorites[favorite.index] = favorite;
    emit favoritesChanged();
}

void CalendarDataProvider::onSaunaBathTimeChanged(int minutes)
{
    if (minutes > 0)
        m_bathTime = minutes;
}

void CalendarDataProvider::onSaunaBathTimeLimitChanged(int minutes)
{
    if (protocolFacts::isBathTimeLimit(minutes))
        m_bathTimeLimit = minutes;
}

void CalendarDataProvider::onSaunaTargetHumidityChanged(int humidity)
{
    if (humidity >= 0)
        m_targetHumidity = humidity;
}

void CalendarDataProvider::onSaunaTargetTemperatureChanged(int temperature)
{
    if (temperature >= 0)
        m_targetTemperature = temperature;
}

void CalendarDataProvider::onSaunaTemperatureChanged(int temperature)
{
    m_temperature = temperature;
}

void CalendarDataProvider::onSaunaSmartStartChanged(
    ::signalInterface::SmartStartTypes::SmartStartParameters parameters)
{
    m_smartStart = parameters;
}

void CalendarDataProvider::onSaunaMasterFuncDescChanged(
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions)
{
    m_functions = functions;
    emit functionsChanged(m_functions);
}

void CalendarDataProvider::onSaunaNotAllowedStartEnableChanged(bool enabled)
{
    m_notAllowedStartEnabled = enabled;
}

void CalendarDataProvider::onSaunaNotAllowedStartFromTimeChanged(QTime time)
{
    m_notAllowedStartFrom = time;
}

void CalendarDataProvider::onSaunaNotAllowedStartUntilTimeChanged(QTime time)
{
    m_notAllowedStartUntil = time;
}

} // namespace control::details
