#pragma once

#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "view_cpp/configure/configure_system_aux_descaling_view_manager.h"
#include "view_cpp/configure/configure_system_aux_fragrance_view_manager.h"
#include "view_cpp/configure/configure_system_aux_relay_store.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item.h"

#include <QDate>
#include <QList>
#include <QPointer>

namespace view {

// The auxiliary relay options of the System settings: the relays the sauna system has, what each
// one does (not in use, on/off, fragrance pump or descaling pump) and its name. Keeps the panel's
// copy of the relays and of the descaling settings, which its fragrance and descaling sub-screens
// read and edit through it.
class ConfigureSystemAuxViewManager : public ConfigureViewManagerBase, public AuxRelayStore
{
    Q_OBJECT

public:
    static constexpr int relayCount = ::signalInterface::AuxiliaryRelayTypes::relayCount;
    // The function choices: the Function values, and the descaling pump.
    static constexpr int notInUseChoice = ::signalInterface::AuxiliaryRelayTypes::E_notUsed;
    static constexpr int onOffChoice = ::signalInterface::AuxiliaryRelayTypes::E_onOff;
    static constexpr int fragranceChoice = ::signalInterface::AuxiliaryRelayTypes::E_frequency;
    static constexpr int descalingChoice = 102;
    // The longest name the sauna takes, in UTF-16 code units.
    static constexpr int nameMaximumLength = 20;
    // The message telling that a relay name holds characters the sauna cannot show.
    static constexpr quint32 unsupportedNameCharactersMessage = 0x203c;

    explicit ConfigureSystemAuxViewManager(QObject *parent);

    ConfigureSystemAuxFragranceViewManager &fragranceManager() { return m_fragranceManager; }
    ConfigureSystemAuxDescalingViewManager &descalingManager() { return m_descalingManager; }
    ListModel *relayModel() { return &m_relayModel; }
    ListModel *functionModel() { return &m_functionModel; }

    // AuxRelayStore
    const QList<AuxiliaryRelayPost> &relays() const override { return m_relays; }
    int selectedRelayIndex() const override { return m_selected; }
    const Descaling &descaling() const override { return m_descaling; }
    bool descalingReported() const override { return m_descalingReported; }
    QDate lastDescalingDate() const override { return m_lastDescaling; }

    // QML "configureSystemsSelector": the two pages' visibility.
    int connectToView(const QList<QObject *> &senders);
    // QML "configureSystemAuxModel": the relay list.
    int connectToAuxModelView(const QList<QObject *> &senders);
    // QML "configureSystemAuxSingleOverviewModel": the single relay page. Its items also answer
    // the keyboard of a rename.
    int connectToAuxSingleOverviewModelView(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders) override;

    // Whether the function list offers "Descaling": only once the sauna has reported its
    // descaling settings, and then on a sauna system with a steam generator, or on the relay that
    // already does the descaling.
    bool offersDescaling() const;

    // The relay as it becomes a fragrance relay (pump time in 100 ms, stop time in seconds) or a
    // descaling relay (duration in minutes, repeat interval in whole weeks of hours). Times out
    // of range take the defaults.
    static AuxiliaryRelayPost fragranceConverted(const AuxiliaryRelayPost &post);
    static AuxiliaryRelayPost descalingConverted(const AuxiliaryRelayPost &post);

signals:
    void topBarTextChanged(QString text);
    void openKeyboard(QString text);
    void closeKeyboard();
    void auxRelayUpdateRequested(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay);
    void auxNameChanged(QString name);
    void descalingChangeRequested(::signalInterface::AuxiliaryRelayTypes::Descaling descaling);

public slots:
    void onOptionsViewVisibleChanged(bool visible);
    void onOptionsSingleViewVisibleChanged(bool visible);
    void
    onSaunaAuxRelaySettingChanged(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost post);
    void onSaunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling descaling);
    void onSaunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode mode);
    void onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct product);
    void onSaunaLastDescalingChanged(QDate date);
    // Relays, descaling and product were the former sauna's: no relay, no descaling values.
    void onSaunaReplaced() override;
    void onAuxSelected(int index);
    void onAuxFunctionSelected(int choice);
    void onAuxNameEditActivated();
    void onRenameAuxSaveSelected(QString name);
    void onRenameAuxCancelSelected();

private:
    void rebuildRelayList();
    void refreshRelayTexts();
    void buildFunctionList();
    void refreshFunctionRows();
    void disconnectKeyboardAnswers();
    ConfigureSystemAuxFragranceViewManager m_fragranceManager;
    ConfigureSystemAuxDescalingViewManager m_descalingManager;
    ::signalInterface::MasterFuncDescTypes::SystemMode m_systemMode =
        ::signalInterface::MasterFuncDescTypes::E_standard;
    ::signalInterface::MasterFuncDescTypes::RcbProduct m_product =
        ::signalInterface::MasterFuncDescTypes::E_unknown;
    ListModel m_relayModel;
    ListModel m_functionModel;
    QList<AuxiliaryRelayPost> m_relays;
    Descaling m_descaling;
    bool m_descalingReported = false;
    // Invalid until the sauna reports a date.
    QDate m_lastDescaling;
    QPointer<RowItem> m_notInUseRow;
    QPointer<RowItem> m_onOffRow;
    QPointer<RowItem> m_fragranceRow;
    QPointer<RowItem> m_descalingRow;
    int m_selected = 0;
    QList<QObject *> m_singleRelayItems;
};

} // namespace view
