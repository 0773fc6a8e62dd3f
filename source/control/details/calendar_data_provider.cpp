#include "control/details/calendar_data_provider.h"

#include "signal_interface/protocol_facts.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"

#include <algorithm>
#include <limits>

namespace control::details {

using signalInterface::CalendarProgram;
using signalInterface::CalendarTypes;
using signalInterface::FavoritesTypes::FavoritesPost;

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
    const qint64 room = signalInterface::protocolFacts::coldRoomTemperature;
    return heatingMinutesFrom(m_temperature ? std::min<qint64>(*m_temperature, room) : room,
                              targetTemperature, m_smartStart.heatRatio);
}

QString CalendarDataProvider::programTimeText(const CalendarProgram &program) const
{
    return view::LanguageSupport::timeRangeText(program.start.time(), program.duration,
                                                m_timeFormat, true);
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
    if (minutes > 0)
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
