#pragma once

#include "signal_interface/remote_sauna_types.h"
#include "signal_interface/user_message_types.h"
#include "view_cpp/button_item.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item.h"
#include "view_cpp/text_item.h"
#include "view_cpp/toggle_standard_item.h"
#include "view_cpp/user_message_callback.h"

#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <utility>

namespace view {

// The panel's own wireless link: Wi-Fi on and off, auto-connect, the networks found by a scan
// with connect, disconnect, password and forget, the panel's addresses and identity, the
// external units connected to the panel and the sauna name it announces. The screen shows state
// and emits requests; a Wi-Fi service performs them and reports back through the slots.
class ConfigureSystemWiFiViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    // The host's addresses; tests give their own.
    struct Environment
    {
        std::function<QList<QHostAddress>()> localIpv4Addresses;
    };
    static Environment defaultEnvironment();

    explicit ConfigureSystemWiFiViewManager(QObject *parent);
    ConfigureSystemWiFiViewManager(QObject *parent, Environment environment);

    ListModel *wiFiModel() { return &m_wiFiModel; }
    ListModel *networkModel() { return &m_networkModel; }
    ListModel *networkInfoModel() { return &m_networkInfoModel; }
    ListModel *singleNetworkDetailsModel() { return &m_singleNetworkDetailsModel; }
    ListModel *externalUnitsModel() { return &m_externalUnitsModel; }

    // The screen's QML items; they are remembered for the name and password editors.
    int connectToView(const QList<QObject *> &senders);
    // The Wi-Fi service: its state and network reports.
    int connectToWiFiService(const QList<QObject *> &senders);
    // The Wi-Fi service: the sauna name and the external units.
    int connectToWiFiServiceUnits(const QList<QObject *> &senders);

signals:
    void wiFiEnableChangeRequest(bool enable);
    void wiFiNameChangeRequest(QString name);
    void wiFiAutoConnectChangeRequest(bool autoConnect);
    void wiFiScanRequested();
    void wiFiConnectRequested(QString name);
    void wiFiDisconnectRequested(QString name);
    void wiFiNetworkChangeRequest(::signalInterface::RemoteSaunaTypes::WiFiNetwork network);
    void wiFiNetworkDeleteRequested(QString name);
    void saunaNameChanged(QString name);
    void openKeyboard(QString text);
    void closeKeyboard();
    void deleteNetworkApplicable(bool applicable);
    void timeConsumingActivityStarted();
    void timeConsumingActivityFinished();

public slots:
    void onWiFiEnableChanged(bool enabled);
    void onWiFiAutoConnectChanged(bool autoConnect);
    void onWiFiNetworkDetected(::signalInterface::RemoteSaunaTypes::WiFiNetwork network);
    void onWiFiNetworkScanFinished();
    void onWiFiNetworkRemoved(QString name);
    void onSelectedNetworkChanged(QString name);
    void onWiFiNetworkConnected(::signalInterface::RemoteSaunaTypes::WiFiNetwork network);
    void onWiFiNetworkConnectionFailed(::signalInterface::RemoteSaunaTypes::WiFiNetwork network,
                                       QString reason);
    void onWiFiNetworkDisconnected(::signalInterface::RemoteSaunaTypes::WiFiNetwork network);
    void onWiFiNameChanged(QString name);
    void onExternalUnitConnected(::signalInterface::RemoteSaunaTypes::ExternalUnit unit);
    void onExternalUnitDisconnected(QHostAddress address, quint16 port);
    void onWiFiViewVisibleChanged(bool visible);
    void onWiFiNetworkViewVisibleChanged(bool visible);
    void onWiFiExternalUnitsViewVisibleChanged(bool visible);
    void onNetworkDetailsViewVisibleChanged(bool visible);
    void onNetworkDeleteSelected();
    void onNetworkPasswordEditCancelSelected();
    void onNetworkPasswordEditSaveSelected(QString text);
    void onToggleChanged(int id, bool shown);
    void onSaunaNameEditActivated();
    void onSaunaNameEditCancelSelected();
    void onSaunaNameEditSaveSelected(QString text);
    void onRowItemSelected(int id);
    void onNetworkRowItemSelected(int row);
    void onNetworkScanPressed();
    void onButtonPressed(int id);
    void onTimeConsumingActivityStarted();
    void onTimeConsumingActivityFinished();

private:
    using UnitKey = std::pair<QString, quint16>;

    void onForgetAnswered(const ::signalInterface::UserMessageTypes::UserMessageAnswer &answer);
    void buildMainPage();
    void refreshMainPage();
    void buildNetworkList();
    void refreshNetworkList();
    void buildNetworkInfoList();
    void buildDetailsPage();
    void refreshDetailsPage();
    void buildExternalUnitsPage();
    // The editors' save and cancel, from every remembered QML item; each at most once.
    void connectNameEditor();
    void disconnectNameEditor();
    void connectPasswordEditor();
    void disconnectPasswordEditor();
    void connectEditor(const char *saveSignal, const char *saveSlot, const char *cancelSignal,
                       const char *cancelSlot);
    void disconnectEditor(const char *saveSignal, const char *saveSlot, const char *cancelSignal,
                          const char *cancelSlot);

    Environment m_environment;
    ListModel m_wiFiModel;
    ListModel m_networkModel;
    ListModel m_networkInfoModel;
    ListModel m_singleNetworkDetailsModel;
    ListModel m_externalUnitsModel;

    QPointer<ToggleStandardItem> m_enableToggle;
    QPointer<RowItem> m_networkRow;
    QPointer<RowItem> m_externalUnitsRow;
    QPointer<TextItem> m_networkListTitle;
    QPointer<ButtonItem> m_scanButton;
    QPointer<ToggleStandardItem> m_autoConnectToggle;
    QList<QPointer<RowItem>> m_networkRows;
    QPointer<TextItem> m_detailsTitle;
    QPointer<ButtonItem> m_connectButton;
    QPointer<ButtonItem> m_disconnectButton;
    QPointer<ButtonItem> m_passwordButton;

    message::UserMessageCallback<ConfigureSystemWiFiViewManager> m_forgetCallback;

    bool m_wiFiEnabled = false;
    bool m_wiFiAutoConnect = false;
    QString m_saunaName;
    QList<QPointer<QObject>> m_viewSenders;
    std::map<UnitKey, ::signalInterface::RemoteSaunaTypes::ExternalUnit> m_externalUnits;
    bool m_networkViewVisible = false;
    bool m_externalUnitsViewVisible = false;
    std::map<QString, ::signalInterface::RemoteSaunaTypes::WiFiNetwork> m_networks;
    QString m_selectedNetwork;
    QString m_chosenNetwork;
    QString m_connectedNetwork;
    bool m_failureShown = false;
};

} // namespace view
