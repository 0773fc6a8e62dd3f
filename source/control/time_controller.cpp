#include "control/time_controller.h"

#include "control/details/sender_connections.h"
#include "control/details/stored_enum_setting.h"
#include "control/settings.h"
#include "view_cpp/language_support.h"

namespace control {

namespace {

using signalInterface::CalendarTypes;
using signalInterface::DateTimeTypes;

constexpr quint32 dateTimeNotCorrectMessage = 0x2024;

} // namespace

TimeController::TimeController(QObject *parent)
    : QObject(parent)
    , m_timeFormat(details::readEnumSetting<TimeFormat>(Settings::timeFormatKey,
                                                        &DateTimeTypes::fromInt, defaultTimeFormat))
    , m_dateFormat(details::readEnumSetting<DateFormat>(Settings::dateFormatKey,
                                                        &DateTimeTypes::fromInt, defaultDateFormat))
    , m_weekDayStart(details::readEnumSetting<WeekDay>(
          Settings::startOfWeekKey, &CalendarTypes::fromInt, defaultWeekDayStart))
{}

int TimeController::connectDateFormatSelected(const QList<QObject *> &senders)
{
    return details::connectSenders(
        senders, this,
        {{SIGNAL(dateFormatSelected(::signalInterface::DateTimeTypes::DateFormat)),
          SLOT(onDateFormatSelected(::signalInterface::DateTimeTypes::DateFormat))}});
}

int TimeController::connectSetSystemTimeRequests(const QList<QObject *> &senders)
{
    return details::connectSenders(
        senders, this,
        {{SIGNAL(setSystemTimeRequested(QDateTime)), SLOT(onSetSystemTimeRequested(QDateTime))}});
}

int TimeController::connectTimeFormatSelected(const QList<QObject *> &senders)
{
    return details::connectSenders(
        senders, this,
        {{SIGNAL(timeFormatSelected(::signalInterface::DateTimeTypes::TimeFormat)),
          SLOT(onTimeFormatSelected(::signalInterface::DateTimeTypes::TimeFormat))}});
}

int TimeController::connectWeekBeginSelected(const QList<QObject *> &senders)
{
    return details::connectSenders(
        senders, this,
        {{SIGNAL(weekBeginSelected(::signalInterface::CalendarTypes::WeekDay)),
          SLOT(onWeekBeginSelected(::signalInterface::CalendarTypes::WeekDay))}});
}

int TimeController::connectRegionInitialSelections(const QList<QObject *> &senders)
{
    return details::connectSenders(
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
    return details::connectSenders(
        senders, this,
        {{SIGNAL(saunaTimeChanged(::signalInterface::DateTimeTypes::SaunaDateTime)),
          SLOT(onSaunaTimeChanged(::signalInterface::DateTimeTypes::SaunaDateTime))}});
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
    m_systemTime = dateTime;
    m_hasSystemTime = true;
    if (dateTime.dateTime.isValid()) {
        emit systemTimeChanged(dateTime.dateTime);
    }
    emit systemTimeDetailsChanged(dateTime.dateTime, dateTime.dateValid, dateTime.timeValid);
    emitFormattedTime();
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
    const QDateTime &dateTime = m_systemTime.dateTime;
    const QString date = m_systemTime.dateValid && dateTime.date().isValid()
                             ? view::LanguageSupport::dateText(dateTime.date(), m_dateFormat)
                             : QString();
    std::pair<QString, QString> time;
    if (m_systemTime.timeValid && dateTime.time().isValid()) {
        time = view::LanguageSupport::timeTextParts(dateTime.time(), m_timeFormat);
    }
    emit systemTimeFormattedChanged(date, time.first, time.second);
}

void TimeController::markRegionSettingsChanged()
{
    Settings::setValue(QLatin1String(Settings::hasChangedRegionSettingsKey), 1);
}

} // namespace control
