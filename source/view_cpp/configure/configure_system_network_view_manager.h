#pragma once

#include "signal_interface/remote_sauna_types.h"
#include "signal_interface/user_message_types.h"
#include "view_cpp/button_item.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item2.h"
#include "view_cpp/text_item.h"
#include "view_cpp/text_row_item.h"
#include "view_cpp/toggle_standard_item.h"
#include "view_cpp/user_message_callback.h"

#include <QDateTime>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUuid>

#include <functional>
#include <optional>

class TestConfigureSystemNetworkViewManager;

namespace view {

// The Network settings screen: the sauna systems the link knows, auto-connect, one system's
// details with connect, disconnect, update and PIN entry, and the search for a system at a typed
// address. The manager keeps a copy of the link's list that only the link's reports change;
// every user action goes to the link as a request.
class ConfigureSystemNetworkViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    // Where the screen reads the time and the host's addresses; tests replace them.
    struct Environment
    {
        // The process's monotonic milliseconds, the clock of the link's announcement times.
        std::function<qint64()> monotonicMs;
        std::function<QDateTime()> currentDateTime;
        // The host's IPv4 addresses other than loopback.
        std::function<QList<QHostAddress>()> localIpv4Addresses;
    };
    static Environment defaultEnvironment();

    explicit ConfigureSystemNetworkViewManager(QObject *parent);
    ConfigureSystemNetworkViewManager(QObject *parent, Environment environment);

    ListModel *autoConnectModel() { return &m_autoConnectModel; }
    ListModel *saunaListModel() { return &m_saunaListModel; }
    ListModel *ipDetectModel() { return &m_ipDetectModel; }
    ListModel *ipConnectModel() { return &m_ipConnectModel; }
    ListModel *saunaDetailsModel() { return &m_saunaDetailsModel; }
    ListModel *saunaDetailsInfoModel() { return &m_saunaDetailsInfoModel; }

    // The QML item "configureNetworkView": its twelve signals to the slots below.
    int connectToView(const QList<QObject *> &senders);
    // The sauna link: its seven report signals to the slots below.
    int connectCommunicationSignals(const QList<QObject *> &senders);

    // The values of the IP connect form; the address is null when there is none.
    const QHostAddress &formAddress() const { return m_formAddress; }
    int formPort() const { return m_formPort; }

signals:
    void autoConnectChangeRequest(bool autoConnect);
    void connectRequest(QUuid identity);
    void disconnectRequest();
    void remoteSaunaChangeRequest(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna,
                                  bool store);
    void updateSaunaRequest();
    void ipDetectRequest(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void systemIpAddressChanged(QString address);
    void systemIpPortChanged(int port);
    // A reason the open editor refused its value.
    void editMessage(QString message);
    void saunaDetailsDeleteApplicable(bool applicable);

public slots:
    void onAutoConnectChanged(bool autoConnect);
    void onConnectedChanged(bool connected);
    void onRemoteSaunaChanged(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void onRemoteSaunaRemoved(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void onSelectedRemoteSaunaChanged(QUuid identity);
    void onRemoteSaunaDeleteSelected();
    void onIpDetectDone(QString address, bool found);
    void onIsUsingFallbackAnnouncement(int port);
    void onSaunaIpAddressEditActivated();
    void onSaunaIpPortEditActivated();
    void onManualAddSystemIpAddressCommit(QString text);
    void onManualAddSystemPortChanged(QString text);
    void onNetworkViewVisibleChanged(bool visible);
    void onSaunaDetailsViewVisibleChanged(bool visible);
    void onNetworkIpConnectViewVisibleChanged(bool visible);
    void onToggleChanged(int id, bool shown);
    void onRowItemSelected(int id);
    void onButtonPressed(int id);
    void onRemoteSaunaPinChanged(QString text);

private:
    using Answer = ::signalInterface::UserMessageTypes::UserMessageAnswer;
    using RemoteSauna = ::signalInterface::RemoteSaunaTypes::RemoteSauna;

    // The tests read the shown sauna and drive the stale timer.
    friend class ::TestConfigureSystemNetworkViewManager;

    // A system whose last announcement is older than this counts as stale.
    static constexpr qint64 freshAnnouncementMs = 60999;
    static constexpr int ipConnectFormPort = 54378;
    static constexpr int networkFormPort = 49152;

    std::optional<QUuid> shownSauna() const { return m_shown; }
    // Runs while the details page shows a system that is still fresh, until the moment it turns
    // stale; the page is then refreshed, so that it offers "Delete" without being reopened.
    QTimer &staleTimer() { return m_staleTimer; }

    void onDeleteAnswered(const Answer &answer);

    bool isStale(qint64 lastAnnouncement, qint64 now) const;
    // The record of the shown sauna, or null when none is shown or it is gone.
    const RemoteSauna *shownRecord() const;

    void buildNetworkList();
    void clearNetworkList();
    void refreshNetworkList();
    void buildDetailsPage();
    void clearDetailsPage();
    void refreshDetailsPage();
    void buildIpConnectPage();

    void requestIpDetect();
    void refuseAddress();
    void refusePort();
    void issueLinkNotice(quint32 id, const QString &argument, Answer answer, quint32 timeoutMs);
    QString formAddressText() const;

    Environment m_environment;

    ListModel m_autoConnectModel;
    ListModel m_saunaListModel;
    ListModel m_ipDetectModel;
    ListModel m_ipConnectModel;
    ListModel m_saunaDetailsModel;
    ListModel m_saunaDetailsInfoModel;

    QPointer<ToggleStandardItem> m_autoConnectToggle;
    QList<QPointer<RowItem2>> m_saunaRows;
    QPointer<TextItem> m_detailsTitle;
    QPointer<ButtonItem> m_enterPinButton;
    QPointer<ButtonItem> m_connectButton;
    QPointer<ButtonItem> m_disconnectButton;
    QPointer<ButtonItem> m_updateButton;
    QPointer<TextRowItem> m_systemRow;
    QPointer<TextRowItem> m_identityRow;
    QPointer<TextRowItem> m_addressRow;
    QPointer<TextRowItem> m_lastAnnouncementRow;
    QPointer<RowItem2> m_ipDetectRow;
    QPointer<ButtonItem> m_detectButton;

    bool m_autoConnect = false;
    bool m_connected = false;

    // Ordered by identity. The shown and the selected sauna are kept by identity and looked up
    // each time, so a removed record is never read.
    QMap<QUuid, RemoteSauna> m_saunas;
    std::optional<QUuid> m_shown;
    std::optional<QUuid> m_selected;

    message::UserMessageCallback<ConfigureSystemNetworkViewManager> m_deleteCallback;

    bool m_networkViewVisible = false;
    bool m_detailsViewVisible = false;
    QTimer m_staleTimer;

    QHostAddress m_formAddress;
    int m_formPort = 0;
};

} // namespace view
