#include "view_cpp/configure/configure_system_error_log_view_manager.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"
#include "view_cpp/rcb_master_slave_mode_text.h"
#include "view_cpp/row_item_base.h"
#include "view_cpp/row_item_plain.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/user_message_provider.h"

#include <algorithm>
#include <vector>

namespace view {

using ::signalInterface::DateTimeTypes;
using ::signalInterface::ErrorLogTypes::ErrorLogItem;

ConfigureSystemErrorLogViewManager::ConfigureSystemErrorLogViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(RowItemBase::roleNames(), this)
{}

int ConfigureSystemErrorLogViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(errorLogViewVisibleChanged(bool)), SLOT(onErrorLogViewVisibleChanged(bool))},
         {SIGNAL(errorLogClearSelected()), SLOT(onErrorLogClearSelected())},
         {SIGNAL(errorLogSelected(int)), SLOT(onErrorLogSelected(int))}});
}

int ConfigureSystemErrorLogViewManager::connectToTimeController(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(dateFormatChanged(::signalInterface::DateTimeTypes::DateFormat)),
          SLOT(onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat))},
         {SIGNAL(timeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat)),
          SLOT(onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat))}});
}

int ConfigureSystemErrorLogViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaErrorLogItemChanged(::signalInterface::ErrorLogTypes::ErrorLogItem)),
          SLOT(onSaunaErrorLogItemChanged(::signalInterface::ErrorLogTypes::ErrorLogItem))}});
}

QString ConfigureSystemErrorLogViewManager::errorName(quint32 code)
{
    const QString name = UserMessageProvider::instance()->getText(int(code));
    if (name.size() > shownNameLength)
        return name.left(shownNameLength) + QStringLiteral("...");
    return name;
}

void ConfigureSystemErrorLogViewManager::onErrorLogViewVisibleChanged(bool visible)
{
    m_visible = visible;
    if (visible) {
        adjustRowCount();
        refreshRows();
    } else {
        m_model.clear();
    }
}

void ConfigureSystemErrorLogViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    refreshRows();
}

void ConfigureSystemErrorLogViewManager::onDateFormatChanged(DateTimeTypes::DateFormat format)
{
    m_dateFormat = format;
    refreshRows();
}

void ConfigureSystemErrorLogViewManager::onTimeFormatChanged(DateTimeTypes::TimeFormat format)
{
    m_timeFormat = format;
    refreshRows();
}

void ConfigureSystemErrorLogViewManager::onSaunaErrorLogItemChanged(ErrorLogItem item)
{
    // The log has 32 entries; an entry beyond them has no place and is dropped.
    if (item.index >= quint32(entryCount))
        return;
    ErrorLogItem &stored = m_log[item.index];
    const bool wasInUse = stored.flag();
    stored = item;
    if (m_visible && (wasInUse || item.flag())) {
        adjustRowCount();
        refreshRows();
    }
}

void ConfigureSystemErrorLogViewManager::onErrorLogClearSelected()
{
    // No question first: the log is the sauna's, and the rows stay until it reports them gone.
    emit errorLogClearRequest();
}

void ConfigureSystemErrorLogViewManager::onErrorLogSelected(int code)
{
    // The row's id is the record's error code; a code above the int range comes back negative
    // and names the same message.
    issueMessage(
        makeMessage(quint32(code), ::signalInterface::UserMessageTypes::E_typeOneButtonAlt));
}

void ConfigureSystemErrorLogViewManager::onSaunaReplaced()
{
    m_log.fill(ErrorLogItem());
    if (m_visible)
        adjustRowCount();
}

void ConfigureSystemErrorLogViewManager::adjustRowCount()
{
    const int inUse = int(std::count_if(m_log.begin(), m_log.end(),
                                        [](const ErrorLogItem &item) { return item.flag(); }));
    const int rows = m_model.rowCount();
    for (int row = rows; row < inUse; ++row) {
        auto *item = new RowItemPlain(QString(), 0);
        item->setLayoutOrder(rowLayout::centre);
        m_model.appendItem(item);
    }
    if (inUse < rows)
        m_model.removeRows(inUse, rows - inUse);
}

void ConfigureSystemErrorLogViewManager::refreshRows()
{
    std::vector<ErrorLogItem> entries;
    std::copy_if(m_log.begin(), m_log.end(), std::back_inserter(entries),
                 [](const ErrorLogItem &item) { return item.flag(); });
    // Entries of the same time keep the order of their indexes.
    std::stable_sort(entries.begin(), entries.end(), ::signalInterface::ErrorLogTypes::isLaterThan);
    for (std::size_t position = 0; position < entries.size(); ++position) {
        auto *row = qobject_cast<RowItemPlain *>(m_model.itemAt(int(position)));
        if (row != nullptr)
            fillRow(*row, entries[position]);
    }
}

void ConfigureSystemErrorLogViewManager::fillRow(RowItemPlain &row, const ErrorLogItem &item)
{
    const QString dateTime = LanguageSupport::dateText(item.time.date(), m_dateFormat) +
                             QLatin1Char(' ') +
                             LanguageSupport::timeText(item.time.time(), m_timeFormat);
    const QString name = errorName(item.code);
    row.setApplId(int(item.code));
    // Each text is written, and told to the list, only when it differs.
    row.setData(QString::number(item.code), RowItemBase::TextOnSubMenuRole);
    if (name.isEmpty()) {
        row.setData(QString(), RowItemBase::TextValue1Role);
        row.setData(dateTime, RowItemBase::TextValue2Role);
        row.setData(QString(), RowItemBase::TextValue3Role);
    } else {
        row.setData(dateTime, RowItemBase::TextValue1Role);
        row.setData(rcbMasterSlaveModeText(item.board), RowItemBase::TextValue2Role);
        row.setData(name, RowItemBase::TextValue3Role);
    }
}

} // namespace view
