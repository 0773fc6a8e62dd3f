#pragma once

#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/calendar_types.h"
#include "value/duration_manager_most_significant_component_hour.h"
#include "value/integer_manager.h"
#include "value/time_value_manager.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item.h"
#include "view_cpp/text_row_item.h"
#include "view_cpp/toggle_standard_item.h"

#include <QDateTime>
#include <QList>
#include <QPointer>

#include <vector>

namespace view {

class AuxRelayStore;

// Descaling of the steam generator by a dosing pump on one auxiliary relay: on a weekday at a
// start time, every one to four weeks, for a duration and with a dosage. Enable, start time,
// weekday and dosage belong to the descaling settings; the duration and the repeat interval are
// the descaling relay's on and off times. Every request copies what the sauna last reported,
// changes one field and sends it; the rows follow the sauna's report.
class ConfigureSystemAuxDescalingViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    static constexpr int durationLowerLimitMinutes = 1;
    static constexpr int durationUpperLimitMinutes = 1440;
    static constexpr int dosageLowerLimit = 50;
    static constexpr int dosageUpperLimit = 500;
    static constexpr int dosageStep = 50;
    // The weekday list's row that opens the repeat list.
    static constexpr int repeatRowId = 106;
    static constexpr quint32 hoursPerWeek = 168;
    // The repeat choices, in hours: every week up to every fourth week.
    static const std::vector<int> &repeatHours();
    // The date the start-time editor works on.
    static QDate editorDate() { return QDate(2000, 1, 1); }

    ConfigureSystemAuxDescalingViewManager(const AuxRelayStore *store, QObject *parent);

    ListModel *settingsModel() { return &m_settingsModel; }
    ListModel *weekdayModel() { return &m_weekdayModel; }
    ListModel *repeatModel() { return &m_repeatModel; }
    value::TimeValueManager *startTimeManager() { return &m_startTimeManager; }
    value::DurationManager *durationManager() { return &m_durationManager; }
    value::IntegerManager *dosageManager() { return &m_dosageManager; }
    bool isBuilt() const { return m_built; }

    // QML "configureAuxDescalingSettingsView".
    int connectToView(const QList<QObject *> &senders);
    // QML "descalingStartTimeControl", "descalingDurationControl", "descalingDosageControl".
    int connectStartTimeManagerToView(const QList<QObject *> &senders);
    int connectDurationManagerToView(const QList<QObject *> &senders);
    int connectDosageManagerToView(const QList<QObject *> &senders);
    // The time controller: first day of the week, system time, and the time format that the
    // start-time editor shows, as the Start time row does.
    int connectToTimeController(const QList<QObject *> &senders);

    // Settings rows, then weekday rows, then repeat rows.
    void refresh();

signals:
    void auxRelayUpdateRequested(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay);
    void descalingChangeRequested(::signalInterface::AuxiliaryRelayTypes::Descaling descaling);

public slots:
    void onWeekDayStartChanged(::signalInterface::CalendarTypes::WeekDay day);
    void onSystemTimeChanged(QDateTime time);
    void onAuxDescalingSettingsCommit();
    void onAuxDescalingViewVisibleChanged(bool visible);
    void onAuxDescalingToggleChanged(int id, bool shown);
    void onAuxDescalingSettingSelected(int setting);
    void onAuxDescalingStartTimeCommit();
    void onAuxDescalingDurationCommit();
    void onAuxDescalingDosageCommit();
    void onAuxDescalingWeekdaySettingsSelected(int id);
    void onAuxDescalingWeekdayRepeatSelected(int hours);

private:
    void build();
    void refreshSettingsRows();
    void refreshWeekdayRows();
    void refreshRepeatRows();
    // Repeat interval of the selected relay in weeks: 1 unless its off time is in hours.
    QString weeksText() const;

    const AuxRelayStore *m_store;
    ListModel m_settingsModel;
    ListModel m_weekdayModel;
    ListModel m_repeatModel;
    QPointer<ToggleStandardItem> m_enableRow;
    QPointer<RowItem> m_startTimeRow;
    QPointer<RowItem> m_durationRow;
    QPointer<RowItem> m_dosageRow;
    QPointer<RowItem> m_weekdayRow;
    QPointer<TextRowItem> m_lastRow;
    QPointer<RowItem> m_repeatRow;
    bool m_built = false;
    bool m_startTimeLoaded = false;
    value::TimeValueManager m_startTimeManager;
    value::DurationManagerMostSignificantComponentHour m_durationManager;
    value::IntegerManager m_dosageManager;
    ::signalInterface::CalendarTypes::WeekDay m_firstDayOfWeek =
        ::signalInterface::CalendarTypes::E_monday;
    QDateTime m_systemTime;
};

} // namespace view
