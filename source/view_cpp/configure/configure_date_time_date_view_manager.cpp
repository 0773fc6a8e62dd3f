#include "view_cpp/configure/configure_date_time_date_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"

namespace view {

using ::signalInterface::ConfigureTypes;
using ::signalInterface::DateTimeTypes;

namespace {

// The sauna keeps dates of this century only.
const QDate firstDate(2000, 1, 1);
const QDate lastDate(2099, 12, 31);

} // namespace

ConfigureDateTimeDateViewManager::ConfigureDateTimeDateViewManager(QObject *parent)
    : ConfigureDateTimeClockViewManagerBase(
          parent, {DateTimeTypes::E_yymmdd, DateTimeTypes::E_ddmmyy, DateTimeTypes::E_mmddyy})
    , m_dateEditor(this)
{
    m_dateEditor.setLowerLimit(firstDate);
    m_dateEditor.setUpperLimit(lastDate);
}

int ConfigureDateTimeDateViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(dateViewVisibleChanged(bool, bool)), SLOT(onDateViewVisibleChanged(bool, bool))},
         {SIGNAL(dateRowItemSelected(int)), SLOT(onDateRowItemSelected(int))}});
}

int ConfigureDateTimeDateViewManager::connectToSetDateView(const QList<QObject *> &senders)
{
    int failed = signalInterface::connectSenders(
        senders, this, {{SIGNAL(setDateCommit()), SLOT(onSetDateCommit())}});
    failed += m_dateEditor.connectChangeRequests(senders);
    return failed;
}

int ConfigureDateTimeDateViewManager::connectTimeSignals(const QList<QObject *> &senders)
{
    int failed = connectClockReports(
        senders, {SIGNAL(dateFormatChanged(::signalInterface::DateTimeTypes::DateFormat)),
                  SLOT(onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat))});
    failed += m_dateEditor.connectFormatSources(senders);
    return failed;
}

int ConfigureDateTimeDateViewManager::connectLinkSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(connectedChanged(bool)), SLOT(onConnectedChanged(bool))}});
}

void ConfigureDateTimeDateViewManager::onDateViewVisibleChanged(bool visible, bool formatsOnly)
{
    rebuildRows(visible, !formatsOnly, dateRowId);
    if (visible)
        refresh();
}

void ConfigureDateTimeDateViewManager::refresh()
{
    showTexts(tr("Date"), m_dateText, tr("Date format"),
              {tr("YY/MM/DD"), tr("DD/MM/YY"), tr("MM/DD/YY")}, m_dateFormat);
}

void ConfigureDateTimeDateViewManager::onSystemTimeFormattedChanged(QString date, QString, QString)
{
    m_dateText = date;
    refresh();
}

void ConfigureDateTimeDateViewManager::onDateFormatChanged(DateTimeTypes::DateFormat format)
{
    m_dateFormat = format;
    refresh();
}

void ConfigureDateTimeDateViewManager::onLanguageChanged(::signalInterface::LanguageTypes::Language)
{
    refresh();
    processEventsAfterRetranslation();
}

void ConfigureDateTimeDateViewManager::onDateRowItemSelected(int id)
{
    if (id == dateRowId) {
        loadReportedDate();
        emit editSelected(ConfigureTypes::E_setDate);
        return;
    }
    DateTimeTypes::DateFormat format{};
    if (DateTimeTypes::fromInt(id, format))
        emit dateFormatSelected(format);
}

void ConfigureDateTimeDateViewManager::loadReportedDate()
{
    // The sauna's date where it has a valid one; otherwise the first date it can keep.
    m_dateEditor.setValue(m_reportedDateValid ? m_reported.date() : firstDate);
    m_loadedDate = m_dateEditor.value();
}

void ConfigureDateTimeDateViewManager::clockReported()
{
    // An editor the user has not stepped follows the sauna's date, past midnight and when
    // another panel sets it.
    if (m_loadedDate && m_dateEditor.value() == *m_loadedDate)
        loadReportedDate();
}

void ConfigureDateTimeDateViewManager::onSetDateCommit()
{
    const QDate date = m_dateEditor.value();
    if (!date.isValid())
        return;
    // The time the user set without a sauna date comes first; then the sauna's time of day
    // where it has a valid one; otherwise the day starts at 00:00. The sauna's clock knows no
    // zone: the request is its wall time, marked UTC as every sauna time is.
    const bool held = m_heldTime.isValid();
    const QTime time = held ? m_heldTime : m_reportedTimeValid ? m_reported.time() : QTime(0, 0);
    const QDateTime request(date, time, Qt::UTC);
    if (!request.isValid())
        return;
    emit setSystemTimeRequested(request);
    m_heldTime = QTime();
}

void ConfigureDateTimeDateViewManager::onHeldTimeChanged(QTime time)
{
    m_heldTime = time;
}

// The next sauna may be another one, with a clock of its own: a time set for this one must not
// overwrite its time of day.
void ConfigureDateTimeDateViewManager::onConnectedChanged(bool connected)
{
    if (!connected)
        m_heldTime = QTime();
}

void ConfigureDateTimeDateViewManager::onSaunaReplaced()
{
    m_heldTime = QTime();
}

} // namespace view
