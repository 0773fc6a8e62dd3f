#pragma once

#include "signal_interface/remote_sauna_types.h"

#include <QObject>
#include <QString>
#include <QUuid>

// Stands in for the sauna link: the report signals the Network screen listens to, by the same
// signatures.
class FakeSaunaLink : public QObject
{
    Q_OBJECT

signals:
    void autoConnectChanged(bool autoConnect);
    void connectedChanged(bool connected);
    void remoteSaunaChanged(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void remoteSaunaRemoved(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void selectedRemoteSaunaChanged(QUuid identity);
    void ipDetectDone(QString address, bool found);
    void isUsingFallbackAnnouncement(int port);
};

// Stands in for the QML item "configureNetworkView": the signals the page emits.
class FakeNetworkView : public QObject
{
    Q_OBJECT

signals:
    void networkViewVisibleChanged(bool visible);
    void saunaDetailsViewVisibleChanged(bool visible);
    void networkIpConnectViewVisibleChanged(bool visible);
    void toggleChanged(int id, bool shown);
    void rowItemSelected(int id);
    void buttonPressed(int id);
    void remoteSaunaPinChanged(QString text);
    void remoteSaunaDeleteSelected();
    void saunaIpAddressEditActivated();
    void saunaIpPortEditActivated();
    void manualAddSystemIpAddressCommit(QString text);
    void manualAddSystemPortChanged(QString text);
};
