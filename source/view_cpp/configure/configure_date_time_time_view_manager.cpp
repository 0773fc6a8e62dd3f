#include "view_cpp/configure/configure_date_time_time_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/row_item.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"
#include "view_cpp/text_item.h"

#include <QLoggingCategory>

namespace view {

using ::signalInterface::ConfigureTypes;
using ::signalInterface::DateTimeTypes;

namespace {

constexpr int headingFontSize = 12;

// The day the initial setup starts the clock from.
QDateTime initialSetupTime()
{
    return QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::LocalTime);
}

} // namespace

ConfigureDateTimeTimeViewManager::ConfigureDateTimeTimeViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
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
    int failed = signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(timeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat)),
          SLOT(onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat))},
         {SIGNAL(systemTimeFormattedChanged(QString, QString, QString)),
          SLOT(onSystemTimeFormattedChanged(QString, QString, QString))},
         {SIGNAL(systemTimeDetailsChanged(QDateTime, bool, bool)),
          SLOT(onSystemTimeDetailsChanged(QDateTime, bool, bool))}});
    failed += m_timeEditor.connectFormatSources(senders);
    return failed;
}

void ConfigureDateTimeTimeViewManager::clear()
{
    m_model.clear();
}

void ConfigureDateTimeTimeViewManager::onTimeViewVisibleChanged(bool visible)
{
    m_model.clear();
    if (!visible)
        return;

    auto *timeRow = new RowItem(rowType::onlySubmenu, rowLayout::single, rowLayoutType::single);
    timeRow->setApplId(timeRowId);
    m_timeRow = timeRow;
    m_model.appendItem(timeRow);

    auto *heading = new TextItem(QString());
    heading->setFontSize(headingFontSize);
    m_heading = heading;
    m_model.appendItem(heading);

    auto *row24 = new RowItem(rowType::onlyCheckmark, rowLayout::top, rowLayoutType::multiple);
    row24->setApplId(DateTimeTypes::E_0_24);
    m_24HourRow = row24;
    m_model.appendItem(row24);

    auto *rowAmPm = new RowItem(rowType::onlyCheckmark, rowLayout::bottom, rowLayoutType::multiple);
    rowAmPm->setApplId(DateTimeTypes::E_am_pm);
    m_amPmRow = rowAmPm;
    m_model.appendItem(rowAmPm);

    refresh();
}

void ConfigureDateTimeTimeViewManager::refresh()
{
    RowItem::setTextOnSubMenuOf(m_timeRow.data(), tr("Time"));
    if (m_timeRow)
        m_timeRow->setTextValue1(m_timeText + m_amPmText);
    TextItem::setTextOf(m_heading.data(), tr("Time format"));
    RowItem::setTextOnSubMenuOf(m_24HourRow.data(), tr("0-24"));
    RowItem::setCheckmarkCheckedOf(m_24HourRow.data(), m_timeFormat == DateTimeTypes::E_0_24);
    RowItem::setTextOnSubMenuOf(m_amPmRow.data(), tr("AM/PM"));
    RowItem::setCheckmarkCheckedOf(m_amPmRow.data(), m_timeFormat == DateTimeTypes::E_am_pm);
}

void ConfigureDateTimeTimeViewManager::onSystemTimeDetailsChanged(QDateTime dateTime,
                                                                  bool dateValid, bool timeValid)
{
    m_reported = dateTime;
    m_reportedDateValid = dateValid && dateTime.date().isValid();
    m_reportedTimeValid = timeValid && dateTime.time().isValid();
    if (dateValid && timeValid && dateTime.isValid())
        m_systemTime = dateTime;
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
}

void ConfigureDateTimeTimeViewManager::onTimeRowItemSelected(int id)
{
    if (id == timeRowId) {
        // The editor starts from what the sauna reported: its time of day on its date, or
        // 00:00 where the sauna has no valid time; the initial-setup day where it has no date.
        QDateTime start = m_reportedDateValid ? m_reported : initialSetupTime();
        if (!m_reportedDateValid || !m_reportedTimeValid)
            start.setTime(QTime(0, 0));
        setEditorDay(start);
        m_timeEditor.setValue(start);
        emit editSelected(ConfigureTypes::E_setTime);
        // The editor page is created by the selection above: it shows what the editor holds.
        m_timeEditor.emitFormattedValue();
        m_timeEditor.emitLimitsReached();
        return;
    }
    DateTimeTypes::TimeFormat format{};
    if (DateTimeTypes::fromInt(id, format))
        emit timeFormatSelected(format);
}

void ConfigureDateTimeTimeViewManager::onSetTimeCommit()
{
    const QTime edited = m_timeEditor.value().time();
    if (!edited.isValid())
        return;
    const QTime time(edited.hour(), edited.minute());
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
