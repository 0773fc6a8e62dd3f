#pragma once

#include "signal_interface/calendar_types.h"
#include "signal_interface/language_types.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>
#include <QPointer>

namespace view {

class RowItem;

// The week-start screen: Monday or Sunday as the first day of the calendar's weeks. A tap asks
// the time controller; the check mark follows the day the controller reports.
class ConfigureDateTimeWeekBeginViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureDateTimeWeekBeginViewManager(QObject *parent);

    ListModel *model() { return &m_model; }

    // "configureDateTimeSelector": visibility and taps.
    int connectToView(const QList<QObject *> &senders);
    // The time controller's weekDayStartChanged.
    int connectTimeSignals(const QList<QObject *> &senders);

    // Empties the list.
    void clear();

signals:
    void weekBeginSelected(::signalInterface::CalendarTypes::WeekDay day);

public slots:
    void onWeekStartViewVisibleChanged(bool visible);
    void onWeekStartSelected(int id);
    void onWeekDayStartChanged(::signalInterface::CalendarTypes::WeekDay day);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

private:
    void setCheckmarks();

    ListModel m_model;
    ::signalInterface::CalendarTypes::WeekDay m_weekStart =
        ::signalInterface::CalendarTypes::E_monday;
    QPointer<RowItem> m_mondayRow;
    QPointer<RowItem> m_sundayRow;
};

} // namespace view
