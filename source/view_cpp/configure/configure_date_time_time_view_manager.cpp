#include "view_cpp/configure/configure_date_time_time_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/protocol_facts.h"
#include "signal_interface/sender_connections.h"

namespace view {

using ::signalInterface::ConfigureTypes;
using ::signalInterface::DateTimeTypes;

namespace {

// The day the initial setup starts the clock from.
QDateTime initialSetupTime()
{
    return signalInterface::protocolFacts::protocolEpoch();
}

} // namespace

ConfigureDateTimeTimeViewManager::ConfigureDateTimeTimeViewManager(QObject *parent)
    : ConfigureDateTimeClockViewManagerBase(parent, {DateTimeTypes::E_0_24, DateTimeTypes::E_am_pm})
    , m_timeEditor(this)
{
    m_timeEditor.setComponentWrap(true);
}

int ConfigureDateTimeTimeViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(timeViewVisibleChanged(bool)), SLOT(onTimeViewVisibleChanged(bool))},
         {SIGNAL(setTimeInitialSetupSelected()), SLOT(onSetTimeInitialSetupSelected())},
         {SIGNAL(timeRowItemSelected(int)), SLOT(onTimeRowItemSelected(int))}});
}

int ConfigureDateTimeTimeViewManager::connectToSetTimeView(const QList<QObject *> &senders)
{
    int failed = signalInterface::connectSenders(
        senders, this, {{SIGNAL(setTimeCommit()), SLOT(onSetTimeCommit())}});
    failed += m_timeEditor.connectChangeRequests(senders);
    return failed;
}

int ConfigureDateTimeTimeViewManager::connectToInitialSetupTimeView(const QList<QObject *> &senders)
{
    return m_timeEditor.connectChangeRequests(senders);
}

int ConfigureDateTimeTimeViewManager::connectTimeSignals(const QList<QObject *> &senders)
{
    int failed = connectClockReports(
        senders, {SIGNAL(timeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat)),
                  SLOT(onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat))});
    failed += m_timeEditor.connectFormatSources(senders);
    return failed;
}

void ConfigureDateTimeTimeViewManager::onTimeViewVisibleChanged(bool visible)
{
    rebuildRows(visible, true, timeRowId);
    if (visible)
        refresh();
}

void ConfigureDateTimeTimeViewManager::refresh()
{
    showTexts(tr("Time"), m_timeText + m_amPmText, tr("Time format"), {tr("0-24"), tr("AM/PM")},
              m_timeFormat);
}

void ConfigureDateTimeTimeViewManager::onSystemTimeFormattedChanged(QString, QString time,
                                                                    QString amPm)
{
    m_timeText = time;
    m_amPmText = amPm;
    refresh();
}

void ConfigureDateTimeTimeViewManager::onTimeFormatChanged(DateTimeTypes::TimeFormat format)
{
    m_timeFormat = format;
    refresh();
}

void ConfigureDateTimeTimeViewManager::onLanguageChanged(::signalInterface::LanguageTypes::Language)
{
    refresh();
}

void ConfigureDateTimeTimeViewManager::setEditorDay(const QDateTime &day)
{
    QDateTime lower = day;
    lower.setTime(QTime(0, 0));
    QDateTime upper = day;
    upper.setTime(QTime(23, 59));
    // The lower limit first: it lifts an older upper limit with it, so the window never ends
    // before it starts.
    m_timeEditor.setLowerLimit(lower);
    m_timeEditor.setUpperLimit(upper);
}

void ConfigureDateTimeTimeViewManager::onSetTimeInitialSetupSelected()
{
    const QDateTime start = initialSetupTime();
    setEditorDay(start);
    m_timeEditor.setValue(start);
    m_loadedTime.reset();
}

void ConfigureDateTimeTimeViewManager::loadReportedTime()
{
    // The editor starts from what the sauna reported: its time of day on its date, or 00:00
    // where the sauna has no valid time; the initial-setup day where it has no date.
    QDateTime start = m_reportedDateValid ? m_reported : initialSetupTime();
    if (!m_reportedDateValid || !m_reportedTimeValid)
        start.setTime(QTime(0, 0));
    setEditorDay(start);
    m_timeEditor.setValue(start);
    m_loadedTime = m_timeEditor.value();
}

void ConfigureDateTimeTimeViewManager::clockReported()
{
    // An editor the user has not stepped follows the clock as it runs and as another panel sets
    // it, so that saving it unchanged never sets the clock back.
    if (m_loadedTime && m_timeEditor.value() == *m_loadedTime)
        loadReportedTime();
}

void ConfigureDateTimeTimeViewManager::onTimeRowItemSelected(int id)
{
    if (id == timeRowId) {
        loadReportedTime();
        emit editSelected(ConfigureTypes::E_setTime);
        return;
    }
    DateTimeTypes::TimeFormat format{};
    if (DateTimeTypes::fromInt(id, format))
        emit timeFormatSelected(format);
}

void ConfigureDateTimeTimeViewManager::onSetTimeCommit()
{
    const QTime time = m_timeEditor.value().time();
    if (!time.isValid())
        return;
    // The sauna's own date is the only date this screen may send. Without one the time waits
    // for the date the user sets next, as in the initial setup.
    if (!m_reportedDateValid) {
        emit heldTimeChanged(time);
        return;
    }
    const QDateTime request(m_reported.date(), time, Qt::UTC);
    if (!request.isValid())
        return;
    emit setSystemTimeRequested(request);
    emit heldTimeChanged(QTime());
}

} // namespace view
