#include "view_cpp/configure/configure_date_time_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"

#include <utility>

namespace view {

using ::signalInterface::ConfigureTypes;

namespace {

// The application ids of the menu rows; Date and Weekstart open other ids than these.
constexpr int timeRowId = 0;
constexpr int dateRowId = 1;
constexpr int weekstartRowId = 2;
constexpr int eraseCalendarRowId = 5;

} // namespace

ConfigureDateTimeViewManager::ConfigureDateTimeViewManager(QObject *parent)
    : ConfigureMenuViewManagerBase(parent, isMenuId<ConfigureTypes::ConfigureDateTime>)
{
    rebuildMenu();
}

int ConfigureDateTimeViewManager::connectTimeSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(systemTimeDetailsChanged(QDateTime, bool, bool)),
          SLOT(onSystemTimeDetailsChanged(QDateTime, bool, bool))}});
}

int ConfigureDateTimeViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(senders, this, {masterFuncDescRoute});
}

void ConfigureDateTimeViewManager::onSaunaMasterFuncDescChanged(
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post)
{
    m_rtcSupported = post.rtc;
    m_scheduleSupported = post.schedule;
    rebuildMenu();
}

void ConfigureDateTimeViewManager::onSystemTimeDetailsChanged(QDateTime, bool dateValid, bool)
{
    if (dateValid == m_dateValid)
        return;
    m_dateValid = dateValid;
    rebuildMenu();
}

ConfigureMenuList::Entry ConfigureDateTimeViewManager::entry(int applId, int emitted,
                                                             std::function<QString()> text)
{
    return {applId, std::move(text), [this, emitted] {
                emit editSelected(emitted);
            }};
}

void ConfigureDateTimeViewManager::rebuildMenu()
{
    std::vector<ConfigureMenuList::Entry> entries;
    if (m_rtcSupported && m_dateValid)
        entries.push_back(entry(timeRowId, ConfigureTypes::E_time, [] { return tr("Time"); }));
    if (m_rtcSupported) {
        entries.push_back(entry(dateRowId, ConfigureTypes::E_date, [] { return tr("Date"); }));
        entries.push_back(
            entry(weekstartRowId, ConfigureTypes::E_weekstart, [] { return tr("Weekstart"); }));
    }
    if (m_scheduleSupported)
        entries.push_back(entry(eraseCalendarRowId, ConfigureTypes::E_eraseCalendar,
                                [] { return tr("Erase calendar"); }));
    m_menu.rebuild(std::move(entries));
}

} // namespace view
