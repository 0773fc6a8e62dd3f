#pragma once

#include "signal_interface/master_func_desc_types.h"
#include "value/duration_manager_most_significant_component_hour.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/configure/reported_editor_value.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item.h"
#include "view_cpp/text_row_item.h"
#include "view_cpp/toggle_standard_item.h"

#include <QList>
#include <QPointer>

#include <optional>

namespace view {

// The cleanup note: the reminder to clean the room after a number of operating hours, the
// tank-empty notes of steam units emptied by hand, and the count of cleanups so far. Its texts are
// translated whenever the rows are built or refreshed.
class ConfigureSystemCleanupViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    static constexpr int intervalLowerLimitMinutes = 600;
    static constexpr int intervalUpperLimitMinutes = 90000;
    static constexpr int intervalHourStep = 10;
    static constexpr int countRowId = 0;

    explicit ConfigureSystemCleanupViewManager(QObject *parent);

    ListModel *model() { return &m_model; }
    value::DurationManager *timeManager() { return &m_timeManager; }

    // QML "configureSystemsSelector".
    int connectToView(const QList<QObject *> &senders);
    // QML "cleanup_time": the editor's steps.
    int connectTimeManagerToView(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders) override;

signals:
    void cleanupEnableChangeRequest(bool enable);
    void cleanupTankNoticeChangeRequest(bool enable);
    void cleanupTimeChangeRequest(int hours);

public slots:
    void onCleanUpViewVisibleChanged(bool visible);
    void onCleanupTimeCommit();
    void onCleanupTimeSelected(int id);
    void onSaunaCleanupEnableChanged(bool enabled);
    void onTankNotificationEnabledChanged(bool enabled);
    void onSaunaCleanupTotalChanged(int total);
    void onSaunaCleanupBetweenTimeChanged(int hours);
    void onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct product);
    void onCleanupToggleChanged(int id, bool shown);
    void onSaunaReplaced() override;

private:
    // The reminder's switch shows on until the sauna reports its own state.
    static constexpr bool cleanupEnabledAtStart = true;

    void rebuildList();
    void refreshTexts();
    bool hasTankNotes() const;

    ListModel m_model;
    QPointer<ToggleStandardItem> m_enableToggle;
    QPointer<ToggleStandardItem> m_tankNotesToggle;
    QPointer<RowItem> m_intervalRow;
    QPointer<TextRowItem> m_countRow;
    // The numbers read "--" until the sauna reports them.
    bool m_cleanupEnabled = cleanupEnabledAtStart;
    bool m_tankNotificationEnabled = false;
    std::optional<int> m_total;
    value::DurationManagerMostSignificantComponentHour m_timeManager;
    // In hours.
    ReportedEditorValue<value::DurationManager> m_intervalHours;
    ::signalInterface::MasterFuncDescTypes::RcbProduct m_product =
        ::signalInterface::MasterFuncDescTypes::E_unknown;
};

} // namespace view
