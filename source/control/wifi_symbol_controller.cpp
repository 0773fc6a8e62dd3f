#include "control/wifi_symbol_controller.h"

#include "signal_interface/sender_connections.h"

namespace control {

WiFiSymbolController::WiFiSymbolController(QObject *parent)
    : QObject(parent)
{}

void WiFiSymbolController::enableWiFi()
{
    m_wifiEnabled = true;
}

int WiFiSymbolController::connectConnectedChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(connectedChanged(bool)), SLOT(onConnectedChanged(bool))}});
}

void WiFiSymbolController::emitInitialState()
{
    emit symbolStateChanged();
}

void WiFiSymbolController::onConnectedChanged(bool connected)
{
    if (m_connected != connected) {
        m_connected = connected;
        emit symbolStateChanged();
    }
}

} // namespace control
