#pragma once

#include "signal_interface/configure_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "value/temperature_value_manager.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/configure/reported_editor_value.h"
#include "view_cpp/list_model.h"
#include "view_cpp/toggle_standard_item.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <optional>

namespace view {

// Standby (Warm Start): the switch, the room's temperature reduction and the tank's standby
// temperature. The page edits a local copy: the switch changes on the screen at once and the
// three values are sent together when the page commits.
class ConfigureAdvancedSettingsStandbyViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    // Ninths of a degree Celsius.
    static constexpr int reductionLowerLimit = 0;
    static constexpr int reductionUpperLimit = 270;
    static constexpr int waterLowerLimit = 675;
    static constexpr int waterUpperLimit = 873;
    static constexpr int toggleId = 0;

    explicit ConfigureAdvancedSettingsStandbyViewManager(QObject *parent);

    ListModel *model() { return &m_model; }
    value::TemperatureValueManager *reductionManager() { return &m_reduction; }
    value::TemperatureValueManager *waterTemperatureManager() { return &m_waterTemperature; }

    // QML "configureAdvancedSettingsSelector".
    int connectToView(const QList<QObject *> &senders);
    // The Advanced settings menu's editSelectedEnum.
    int connectMenuSignals(const QList<QObject *> &senders);
    // The temperature controller's unit, to both editors.
    int connectTemperatureSignals(const QList<QObject *> &senders);
    int connectToTemperatureReductionView(const QList<QObject *> &senders);
    int connectToWaterTemperatureView(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders) override;

    QString title() const;
    QString toggleText() const;

signals:
    void enableStandbyChangeRequest(bool enable);
    void standbyTemperatureReductionChangeRequest(int temperature);
    void tankStandbyTemperatureChangeRequest(int temperature);
    void standbyTemperatureApplicableChanged(bool applicable);
    void standbyWaterTemperatureApplicableChanged(bool applicable);
    void standbyViewTitleChanged(QString title);
    // Whether Save has a switch state to send: the sauna's, or one the user has set.
    void standbySavableChanged(bool savable);

public slots:
    void onStandbyViewVisibleChanged(bool visible);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onToggleChanged(int id, bool shown);
    void onCommitValue(int id);
    void
    onSaunaMasterFuncDescChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post);
    void onSaunaStandbyOffsetTemperatureChanged(int temperature);
    void onSaunaTankStandbyTemperatureChanged(int temperature);
    void onSaunaEnableStandbyChanged(bool enabled);
    void onEditSelectedEnum(::signalInterface::ConfigureTypes::ConfigureAdvancedSettings id);
    void onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct product);
    void onSaunaReplaced() override;

private:
    // The page as opened: the switch's text, the switch as the sauna reported it unless the user
    // set it, and the editors loaded with the reports.
    void refresh();
    // The switch's text in the current language; what the switch and the editors hold stays.
    void retranslate();
    // The switch shows the sauna's last report.
    void showReportedEnable();
    void emitApplicability(bool enabled);
    // Whether the editor is shown with standby switched as given.
    bool reductionApplicable(bool enabled) const;
    bool waterTemperatureApplicable(bool enabled) const;
    bool editedEnable() const;
    bool reportedEnable() const { return m_enableStandby.value_or(false); }
    // Whether the switch shows the sauna's last report (off before the first one): the user has
    // not set it, or set it back.
    bool showsReportedEnable() const { return editedEnable() == reportedEnable(); }
    // Whether Save has a switch state to send: the sauna's, or another one the user set.
    bool savable() const { return m_enableStandby.has_value() || !showsReportedEnable(); }

    ListModel m_model;
    QPointer<ToggleStandardItem> m_toggle;
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost m_functions;
    // Each empty until the sauna reports it.
    std::optional<bool> m_enableStandby;
    value::TemperatureValueManager m_reduction;
    value::TemperatureValueManager m_waterTemperature;
    ReportedEditorValue<value::TemperatureValueManager> m_offsetTemperature;
    ReportedEditorValue<value::TemperatureValueManager> m_tankStandbyTemperature;
    ::signalInterface::MasterFuncDescTypes::RcbProduct m_product =
        ::signalInterface::MasterFuncDescTypes::E_unknown;
};

} // namespace view
