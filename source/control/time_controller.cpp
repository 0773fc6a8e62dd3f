#include "control/time_controller.h"

#include "control/details/stored_enum_setting.h"
#include "control/settings.h"
#include "signal_interface/monotonic_clock.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"

#include <utility>

namespace control {

namespace {

using signalInterface::CalendarTypes;
using signalInterface::DateTimeTypes;

constexpr quint32 dateTimeNotCorrectMessage = 0x2024;
constexpr int msPerMinute = 60 * 1000;

} // namespace

TimeController::TimeController(QObject *parent)
    : TimeController(&signalInterface::MonotonicClock::nowMs, parent)
{}

TimeController::TimeController(MonotonicClock monotonicMs, QObject *parent)
    : QObject(parent)
    , m_timeFormat(details::readEnumSetting<TimeFormat>(Settings::timeFormatKey,
                                                        &DateTimeTypes::fromInt, defaultTimeFormat))
    , m_dateFormat(details::readEnumSetting<DateFormat>(Settings::dateFormatKey,
                                                        &DateTimeTypes::fromInt, defaultDateFormat))
    , m_weekDayStart(details::readEnumSetting<WeekDay>(
          Settings::startOfWeekKey, &CalendarTypes::fromInt, defaultWeekDayStart))
    , m_monotonicMs(std::move(monotonicMs))
{
    m_clockTimer.setSingleShot(true);
    m_clockTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_clockTimer, &QTimer::timeout, this, &TimeController::onClockTick);
}

int TimeController::connectDateFormatSelected(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(dateFormatSelected(::signalInterface::DateTimeTypes::DateFormat)),
          SLOT(onDateFormatSelected(::signalInterface::DateTimeTypes::DateFormat))}});
}

int TimeController::connectSetSystemTimeRequests(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(setSystemTimeRequested(QDateTime)), SLOT(onSetSystemTimeRequested(QDateTime))}});
}

int TimeController::connectTimeFormatSelected(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(timeFormatSelected(::signalInterface::DateTimeTypes::TimeFormat)),
          SLOT(onTimeFormatSelected(::signalInterface::DateTimeTypes::TimeFormat))}});
}

int TimeController::connectWeekBeginSelected(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(weekBeginSelected(::signalInterface::CalendarTypes::WeekDay)),
          SLOT(onWeekBeginSelected(::signalInterface::CalendarTypes::WeekDay))}});
}

int TimeController::connectRegionInitialSelections(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(weekBeginInitiallySelected(::signalInterface::CalendarTypes::WeekDay)),
          SLOT(onWeekBeginInitiallySelected(::signalInterface::CalendarTypes::WeekDay))},
         {SIGNAL(dateFormatInitiallySelected(::signalInterface::DateTimeTypes::DateFormat)),
          SLOT(onDateFormatInitiallySelected(::signalInterface::DateTimeTypes::DateFormat))},
         {SIGNAL(timeFormatInitiallySelected(::signalInterface::DateTimeTypes::TimeFormat)),
          SLOT(onTimeFormatInitiallySelected(::signalInterface::DateTimeTypes::TimeFormat))}});
}

int TimeController::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaTimeChanged(::signalInterface::DateTimeTypes::SaunaDateTime)),
          SLOT(onSaunaTimeChanged(::signalInterface::DateTimeTypes::SaunaDateTime))}});
}

int TimeController::connectConnectedChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(connectedChanged(bool)), SLOT(onConnectedChanged(bool))}});
}

void TimeController::emitInitialState()
{
    emit dateFormatChanged(m_dateFormat);
    emit timeFormatChanged(m_timeFormat);
    emit weekDayStartChanged(m_weekDayStart);
}

void TimeController::onDateFormatSelected(::signalInterface::DateTimeTypes::DateFormat df)
{
    DateFormat checked{};
    if (DateTimeTypes::fromInt(static_cast<int>(df), checked)) {
        markRegionSettingsChanged();
        setDateFormat(checked);
    }
}

void TimeController::onTimeFormatSelected(::signalInterface::DateTimeTypes::TimeFormat tf)
{
    TimeFormat checked{};
    if (DateTimeTypes::fromInt(static_cast<int>(tf), checked)) {
        markRegionSettingsChanged();
        setTimeFormat(checked);
    }
}

void TimeController::onWeekBeginSelected(::signalInterface::CalendarTypes::WeekDay day)
{
    WeekDay checked{};
    if (CalendarTypes::fromInt(static_cast<int>(day), checked)) {
        markRegionSettingsChanged();
        setWeekDayStart(checked);
    }
}

void TimeController::onDateFormatInitiallySelected(::signalInterface::DateTimeTypes::DateFormat df)
{
    DateFormat checked{};
    if (DateTimeTypes::fromInt(static_cast<int>(df), checked)) {
        setDateFormat(checked);
    }
}

void TimeController::onTimeFormatInitiallySelected(::signalInterface::DateTimeTypes::TimeFormat tf)
{
    TimeFormat checked{};
    if (DateTimeTypes::fromInt(static_cast<int>(tf), checked)) {
        setTimeFormat(checked);
    }
}

void TimeController::onWeekBeginInitiallySelected(::signalInterface::CalendarTypes::WeekDay day)
{
    WeekDay checked{};
    if (CalendarTypes::fromInt(static_cast<int>(day), checked)) {
        setWeekDayStart(checked);
    }
}

void TimeController::onSetSystemTimeRequested(QDateTime dateTime)
{
    if (!dateTime.isValid()) {
        signalInterface::UserMessageTypes::UserMessage message(dateTimeNotCorrectMessage);
        message.type = signalInterface::UserMessageTypes::E_typeOneButtonAlt;
        emit panelUserMessageIssued(message, nullptr);
        return;
    }
    SaunaDateTime request;
    request.dateValid = true;
    request.timeValid = true;
    request.dateTime = dateTime;
    emit systemTimeChangeRequested(request);
}

void TimeController::onSaunaTimeChanged(::signalInterface::DateTimeTypes::SaunaDateTime dateTime)
{
    if (!m_connected)
        return;
    m_systemTime = dateTime;
    m_hasSystemTime = true;
    m_reportedAtMs = m_monotonicMs();
    if (dateTime.dateTime.isValid()) {
        emit systemTimeChanged(dateTime.dateTime);
    }
    emit systemTimeDetailsChanged(dateTime.dateTime, dateTime.dateValid, dateTime.timeValid);
    emitFormattedTime();
    scheduleClockTick();
}

void TimeController::onSaunaReplaced()
{
    forgetSystemTime();
}

void TimeController::onConnectedChanged(bool connected)
{
    m_connected = connected;
    if (!connected && m_hasSystemTime)
        forgetSystemTime();
}

void TimeController::forgetSystemTime()
{
    m_systemTime = SaunaDateTime();
    m_hasSystemTime = false;
    m_clockTimer.stop();
    emit systemTimeDetailsChanged(QDateTime(), false, false);
    emit systemTimeFormattedChanged(QString(), QString(), QString());
}

void TimeController::onClockTick()
{
    // The settings screens edit from the time the panel shows, not from the last report, which
    // may be minutes old: saving an unchanged time must not set the sauna back.
    const SaunaDateTime running = runningSystemTime();
    emit systemTimeDetailsChanged(running.dateTime, running.dateValid, running.timeValid);
    emitFormattedTime();
    scheduleClockTick();
}

TimeController::SaunaDateTime TimeController::runningSystemTime() const
{
    SaunaDateTime running = m_systemTime;
    if (!m_hasSystemTime || !running.dateTime.isValid())
        return running;
    const qint64 elapsed = qMax<qint64>(0, m_monotonicMs() - m_reportedAtMs);
    running.dateTime = running.dateTime.addMSecs(elapsed);
    return running;
}

void TimeController::scheduleClockTick()
{
    const SaunaDateTime running = runningSystemTime();
    const QTime time = running.dateTime.time();
    if (!m_hasSystemTime || !running.timeValid || !running.dateTime.isValid() || !time.isValid()) {
        m_clockTimer.stop();
        return;
    }
    const int intoMinute = time.second() * 1000 + time.msec();
    m_clockTimer.start(msPerMinute - intoMinute);
}

void TimeController::setDateFormat(DateFormat df)
{
    m_dateFormat = df;
    Settings::setValue(QLatin1String(Settings::dateFormatKey), static_cast<int>(df));
    emit dateFormatChanged(df);
    emitFormattedTime();
}

void TimeController::setTimeFormat(TimeFormat tf)
{
    m_timeFormat = tf;
    Settings::setValue(QLatin1String(Settings::timeFormatKey), static_cast<int>(tf));
    emit timeFormatChanged(tf);
    emitFormattedTime();
}

void TimeController::setWeekDayStart(WeekDay day)
{
    m_weekDayStart = day;
    Settings::setValue(QLatin1String(Settings::startOfWeekKey), static_cast<int>(day));
    emit weekDayStartChanged(day);
}

void TimeController::emitFormattedTime()
{
    if (!m_hasSystemTime) {
        return;
    }
    // A part the sauna marks invalid is shown empty rather than as a made-up value.
    const SaunaDateTime running = runningSystemTime();
    const QDateTime &dateTime = running.dateTime;
    const QString date = running.dateValid && dateTime.date().isValid()
                             ? view::LanguageSupport::dateText(dateTime.date(), m_dateFormat)
                             : QString();
    std::pair<QString, QString> time;
    if (running.timeValid && dateTime.time().isValid()) {
        time = view::LanguageSupport::timeTextParts(dateTime.time(), m_timeFormat);
    }
    emit systemTimeFormattedChanged(date, time.first, time.second);
}

void TimeController::markRegionSettingsChanged()
{
    Settings::setValue(QLatin1String(Settings::hasChangedRegionSettingsKey), 1);
}

} // namespace control
