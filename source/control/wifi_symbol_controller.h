#pragma once

#include <QList>
#include <QObject>

namespace control {

// State of the connection symbol on the main screen: whether this panel has a wireless link at all
// and whether it is connected to a sauna system.
class WiFiSymbolController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool wifiEnabled READ isWiFiEnabled NOTIFY symbolStateChanged)
    Q_PROPERTY(bool connected READ isConnected NOTIFY symbolStateChanged)

public:
    explicit WiFiSymbolController(QObject *parent = nullptr);

    // Sets the Wi-Fi-enabled flag; announced with the first state.
    void enableWiFi();

    // Returns the number of connections that failed.
    int connectConnectedChanged(const QList<QObject *> &senders);

    // First state: announces the symbol state.
    void emitInitialState();

    bool isWiFiEnabled() const { return m_wifiEnabled; }
    bool isConnected() const { return m_connected; }

public slots:
    void onConnectedChanged(bool connected);

signals:
    void symbolStateChanged();

private:
    bool m_wifiEnabled = false;
    bool m_connected = false;
};

} // namespace control
