#pragma once

#include "signal_interface/configure_types.h"
#include "signal_interface/external_switch_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/protocol_facts.h"
#include "value/duration_manager_most_significant_component_hour.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/configure/reported_editor_value.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item.h"

#include <QList>
#include <QPointer>

#include <optional>

namespace view {

// The external switch: what it does (renew the bath time, or switch on and off) and the bath
// time it starts. The bath-time editor's upper limit follows the sauna's bath-time limit; until
// that limit is known the editor can hold 1 minute only. A limit below the shortest bath is none.
class ConfigureAdvancedSettingsExtSwitchViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    static constexpr int bathTimeLowerLimitMinutes =
        ::signalInterface::protocolFacts::shortestBathMinutes;
    static constexpr int bathTimeRowId = 1;

    explicit ConfigureAdvancedSettingsExtSwitchViewManager(QObject *parent);

    ListModel *bathTimeModel() { return &m_bathTimeModel; }
    ListModel *functionModel() { return &m_functionModel; }
    value::DurationManager *bathTimeManager() { return &m_bathTimeManager; }

    // QML "configureAdvancedSettingsSelector".
    int connectToView(const QList<QObject *> &senders);
    // QML "external_switch_bathtime": the editor's steps.
    int connectToBathtimeView(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders) override;

signals:
    // Declared with the other Advanced settings screens; this screen never emits it.
    void editSelectedEnum(::signalInterface::ConfigureTypes::ConfigureAdvancedSettings id);
    void extSwBathtimeChangeRequest(int minutes);
    void extSwFunctionChangeRequest(
        ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction function);

public slots:
    void onExternalSwitchVisibleChanged(bool visible);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onExtSwBathTimeSelected();
    void onExtSwFunctionSelected(int number);
    void onCommitValue(int id);
    void onSaunaExtSwBathtimeChanged(int minutes);
    void onSaunaExternalSwitchFunctionChanged(
        ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction function);
    void onSaunaBathTimeLimitChanged(int minutes);
    void onSaunaReplaced() override;

private:
    void refreshBathTimeRow();
    void refreshFunctionRows();

    ListModel m_bathTimeModel;
    ListModel m_functionModel;
    QPointer<RowItem> m_bathTimeRow;
    QPointer<RowItem> m_renewRow;
    QPointer<RowItem> m_onOffRow;
    value::DurationManagerMostSignificantComponentHour m_bathTimeManager;
    // In minutes.
    ReportedEditorValue<value::DurationManager> m_bathTime;
    std::optional<::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction> m_function;
};

} // namespace view
