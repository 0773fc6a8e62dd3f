#pragma once

#include "signal_interface/language_types.h"
#include "value/duration_manager_most_significant_component_hour.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/configure/reported_editor_value.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item.h"
#include "view_cpp/toggle_standard_item.h"

#include <QList>
#include <QPointer>

#include <optional>

namespace view {

// Automatic emptying of the water tank: a switch and the interval between emptyings. Both show
// what the sauna system last reported.
class ConfigureSystemTankAutoEmptyingViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    static constexpr int intervalLowerLimitMinutes = 60;
    static constexpr int intervalUpperLimitMinutes = 480;

    explicit ConfigureSystemTankAutoEmptyingViewManager(QObject *parent);

    ListModel *model() { return &m_model; }
    value::DurationManager *timeManager() { return &m_timeManager; }

    // QML "configureSystemsSelector".
    int connectToView(const QList<QObject *> &senders);
    // QML "tank_auto_emptying": the editor's steps.
    int connectTimeManagerToView(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders) override;
    // Loads the editor with the interval known at start-up.
    void initializeView();

signals:
    void tankEmptyingEnableChangeRequested(bool enable);
    void tankAutoEmptyingDurationChangeRequest(int minutes);

public slots:
    void onTankAutoEmptyingVisibleChanged(bool visible);
    void onTankAutoEmptyingIntervalCommit();
    void onTankAutoEmptyingToggleChanged(int id, bool shown);
    void onTankAutoEmptyingIntervalEdit();
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onSaunaTankAutoEmptyingEnableChanged(bool enabled);
    void onSaunaTankAutoEmptyingDurationChanged(int minutes);
    void onSaunaReplaced() override;

private:
    void refresh();

    bool m_enabled = false;
    ListModel m_model;
    QPointer<ToggleStandardItem> m_toggle;
    QPointer<RowItem> m_intervalRow;
    value::DurationManagerMostSignificantComponentHour m_timeManager;
    // In minutes; empty until the sauna reports it.
    ReportedEditorValue<value::DurationManager> m_interval;
};

} // namespace view
