#pragma once

#include "signal_interface/configure_types.h"
#include "signal_interface/language_types.h"
#include "value/duration_manager_most_significant_component_hour.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/configure/reported_editor_value.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item.h"

#include <QList>
#include <QPointer>

#include <optional>

namespace view {

// The fan's running time after a bath: one row and its duration editor. The page shares its
// sender with the other Advanced settings screens; this screen acts on its own id only.
class ConfigureAdvancedSettingsFanViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    static constexpr int runtimeLowerLimitMinutes = 1;
    static constexpr int runtimeUpperLimitMinutes = 180;

    explicit ConfigureAdvancedSettingsFanViewManager(QObject *parent);

    ListModel *model() { return &m_model; }
    value::DurationManager *runtimeManager() { return &m_runtimeManager; }

    // QML "configureAdvancedSettingsSelector".
    int connectToView(const QList<QObject *> &senders);
    // QML "fan_runtime": the editor's steps.
    int connectToRuntimeView(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders) override;

signals:
    // Declared with the other Advanced settings screens; this screen never emits it.
    void editSelectedEnum(::signalInterface::ConfigureTypes::ConfigureAdvancedSettings id);
    void fanRuntimeChangeRequest(int minutes);

public slots:
    void onFanViewVisibleChanged(bool visible);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onRowItemSelected(int id);
    void onCommitValue(int id);
    void onSaunaFanRuntimeChanged(int minutes);
    void onSaunaReplaced() override;

private:
    void refresh();

    ListModel m_model;
    QPointer<RowItem> m_row;
    // Empty until the sauna reports it; the row shows "--" and its editor no value.
    value::DurationManagerMostSignificantComponentHour m_runtimeManager;
    // In minutes.
    ReportedEditorValue<value::DurationManager> m_runtime;
};

} // namespace view
