#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "view_cpp/configure/configure_menu_view_manager_base.h"

#include <QDateTime>
#include <QList>

namespace view {

// The Date & time settings menu: Time, Date, Weekstart and Erase calendar, as far as the sauna
// system has a clock and a calendar. The menu is rebuilt on every function report and whenever
// the validity of the sauna's date changes. Two rows emit another id than their own: Date opens
// E_date and Weekstart opens E_weekstart.
class ConfigureDateTimeViewManager : public ConfigureMenuViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureDateTimeViewManager(QObject *parent);

    // The time controller's systemTimeDetailsChanged.
    int connectTimeSignals(const QList<QObject *> &senders);
    // The bridge receiver's function flags.
    int connectSaunaSignals(const QList<QObject *> &senders) override;

public slots:
    void
    onSaunaMasterFuncDescChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post);
    void onSystemTimeDetailsChanged(QDateTime dateTime, bool dateValid, bool timeValid);

private:
    void rebuildMenu();
    ConfigureMenuList::Entry entry(int applId, int emitted, std::function<QString()> text);

    bool m_dateValid = false;
    bool m_rtcSupported = true;
    bool m_scheduleSupported = true;
};

} // namespace view
