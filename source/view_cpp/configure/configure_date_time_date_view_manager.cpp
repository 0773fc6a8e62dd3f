#include "view_cpp/configure/configure_date_time_date_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/row_item.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"
#include "view_cpp/text_item.h"

namespace view {

using ::signalInterface::ConfigureTypes;
using ::signalInterface::DateTimeTypes;

namespace {

constexpr int headingFontSize = 12;

// The sauna keeps dates of this century only.
const QDate firstDate(2000, 1, 1);
const QDate lastDate(2099, 12, 31);

RowItem *formatRow(DateTimeTypes::DateFormat format, int order)
{
    auto *row = new RowItem(rowType::onlyCheckmark, order, rowLayoutType::multiple);
    row->setApplId(format);
    return row;
}

} // namespace

ConfigureDateTimeDateViewManager::ConfigureDateTimeDateViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
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
    int failed = signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(dateFormatChanged(::signalInterface::DateTimeTypes::DateFormat)),
          SLOT(onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat))},
         {SIGNAL(systemTimeFormattedChanged(QString, QString, QString)),
          SLOT(onSystemTimeFormattedChanged(QString, QString, QString))},
         {SIGNAL(systemTimeDetailsChanged(QDateTime, bool, bool)),
          SLOT(onSystemTimeDetailsChanged(QDateTime, bool, bool))}});
    failed += m_dateEditor.connectFormatSources(senders);
    return failed;
}

void ConfigureDateTimeDateViewManager::clear()
{
    m_model.clear();
}

void ConfigureDateTimeDateViewManager::onDateViewVisibleChanged(bool visible, bool formatsOnly)
{
    m_model.clear();
    if (!visible)
        return;
    if (!formatsOnly) {
        auto *dateRow = new RowItem(rowType::onlySubmenu, rowLayout::single, rowLayoutType::single);
        dateRow->setApplId(dateRowId);
        m_dateRow = dateRow;
        m_model.appendItem(dateRow);

        auto *heading = new TextItem(QString());
        heading->setFontSize(headingFontSize);
        m_heading = heading;
        m_model.appendItem(heading);
    }
    m_yymmddRow = formatRow(DateTimeTypes::E_yymmdd, rowLayout::top);
    m_model.appendItem(m_yymmddRow.data());
    m_ddmmyyRow = formatRow(DateTimeTypes::E_ddmmyy, rowLayout::centre);
    m_model.appendItem(m_ddmmyyRow.data());
    m_mmddyyRow = formatRow(DateTimeTypes::E_mmddyy, rowLayout::bottom);
    m_model.appendItem(m_mmddyyRow.data());
    refresh();
}

void ConfigureDateTimeDateViewManager::refresh()
{
    RowItem::setTextOnSubMenuOf(m_dateRow.data(), tr("Date"));
    if (m_dateRow)
        m_dateRow->setTextValue1(m_dateText);
    TextItem::setTextOf(m_heading.data(), tr("Date format"));
    RowItem::setTextOnSubMenuOf(m_yymmddRow.data(), tr("YY/MM/DD"));
    RowItem::setCheckmarkCheckedOf(m_yymmddRow.data(), m_dateFormat == DateTimeTypes::E_yymmdd);
    RowItem::setTextOnSubMenuOf(m_ddmmyyRow.data(), tr("DD/MM/YY"));
    RowItem::setCheckmarkCheckedOf(m_ddmmyyRow.data(), m_dateFormat == DateTimeTypes::E_ddmmyy);
    RowItem::setTextOnSubMenuOf(m_mmddyyRow.data(), tr("MM/DD/YY"));
    RowItem::setCheckmarkCheckedOf(m_mmddyyRow.data(), m_dateFormat == DateTimeTypes::E_mmddyy);
}

void ConfigureDateTimeDateViewManager::onSystemTimeDetailsChanged(QDateTime dateTime,
                                                                  bool dateValid, bool timeValid)
{
    m_reported = dateTime;
    m_reportedDateValid = dateValid && dateTime.date().isValid();
    m_reportedTimeValid = timeValid && dateTime.time().isValid();
    if (dateValid && timeValid && dateTime.isValid())
        m_systemTime = dateTime;
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
        // The sauna's date where it has a valid one; otherwise the first date it can keep.
        m_dateEditor.setValue(m_reportedDateValid ? m_reported.date() : firstDate);
        emit editSelected(ConfigureTypes::E_setDate);
        // The editor page is created by the selection above: it shows what the editor holds.
        m_dateEditor.emitCurrentState();
        return;
    }
    DateTimeTypes::DateFormat format{};
    if (DateTimeTypes::fromInt(id, format))
        emit dateFormatSelected(format);
}

void ConfigureDateTimeDateViewManager::onSetDateCommit()
{
    const QDate date = m_dateEditor.value();
    if (!date.isValid())
        return;
    // The time the user set without a sauna date comes first; then the sauna's time of day
    // where it has a valid one; otherwise the day starts at 00:00. The date-time keeps the
    // report's zone (UTC or local), else UTC; a held time is UTC, as the Time screen sends it.
    const bool held = m_heldTime.isValid();
    const Qt::TimeSpec spec =
        !held && (m_reportedDateValid || m_reportedTimeValid) ? m_reported.timeSpec() : Qt::UTC;
    const QTime time = held ? m_heldTime : m_reportedTimeValid ? m_reported.time() : QTime(0, 0);
    const QDateTime request(date, time, spec);
    if (!request.isValid())
        return;
    emit setSystemTimeRequested(request);
    m_heldTime = QTime();
}

void ConfigureDateTimeDateViewManager::onHeldTimeChanged(QTime time)
{
    m_heldTime = time;
}

} // namespace view
