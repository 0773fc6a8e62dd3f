#include "view_cpp/configure/configure_date_time_week_begin_view_manager.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/row_item.h"
#include "view_cpp/row_item_tables.h"

namespace view {

using ::signalInterface::CalendarTypes;

ConfigureDateTimeWeekBeginViewManager::ConfigureDateTimeWeekBeginViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(RowItem::roleNames(), this)
{}

int ConfigureDateTimeWeekBeginViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(weekStartViewVisibleChanged(bool)), SLOT(onWeekStartViewVisibleChanged(bool))},
         {SIGNAL(weekStartSelected(int)), SLOT(onWeekStartSelected(int))}});
}

int ConfigureDateTimeWeekBeginViewManager::connectTimeSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(weekDayStartChanged(::signalInterface::CalendarTypes::WeekDay)),
          SLOT(onWeekDayStartChanged(::signalInterface::CalendarTypes::WeekDay))}});
}

void ConfigureDateTimeWeekBeginViewManager::clear()
{
    m_model.clear();
}

void ConfigureDateTimeWeekBeginViewManager::onWeekStartViewVisibleChanged(bool visible)
{
    m_model.clear();
    if (!visible)
        return;
    auto *monday = new RowItem(rowType::onlyCheckmark, rowLayout::top, rowLayoutType::multiple);
    monday->setTextOnSubMenu(tr("Monday"));
    monday->setApplId(CalendarTypes::E_monday);
    m_mondayRow = monday;
    m_model.appendItem(monday);
    auto *sunday = new RowItem(rowType::onlyCheckmark, rowLayout::top, rowLayoutType::multiple);
    sunday->setTextOnSubMenu(tr("Sunday"));
    sunday->setApplId(CalendarTypes::E_sunday);
    m_sundayRow = sunday;
    m_model.appendItem(sunday);
    m_model.updateLayoutOrder();
    setCheckmarks();
}

void ConfigureDateTimeWeekBeginViewManager::onWeekStartSelected(int id)
{
    // Any weekday passes, though only Monday and Sunday have a row.
    CalendarTypes::WeekDay day{};
    if (CalendarTypes::fromInt(id, day))
        emit weekBeginSelected(day);
}

void ConfigureDateTimeWeekBeginViewManager::onWeekDayStartChanged(CalendarTypes::WeekDay day)
{
    m_weekStart = day;
    setCheckmarks();
}

void ConfigureDateTimeWeekBeginViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    // The texts are translated when the list is next built.
    setCheckmarks();
}

void ConfigureDateTimeWeekBeginViewManager::setCheckmarks()
{
    RowItem::setCheckmarkCheckedOf(m_mondayRow.data(), m_weekStart == CalendarTypes::E_monday);
    RowItem::setCheckmarkCheckedOf(m_sundayRow.data(), m_weekStart == CalendarTypes::E_sunday);
}

} // namespace view
