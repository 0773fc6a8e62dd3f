#pragma once

#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/pin_types.h"
#include "signal_interface/variant_types.h"

#include <QHostAddress>
#include <QMetaType>
#include <QString>
#include <QUuid>

namespace signalInterface::RemoteSaunaTypes {

// One sauna system the panel knows, keyed by its identity.
struct RemoteSauna
{
    bool operator==(const RemoteSauna &other) const
    {
        return identity == other.identity && brand == other.brand &&
               rcbProduct == other.rcbProduct && name == other.name && pin == other.pin &&
               address == other.address && port == other.port && linkValue == other.linkValue;
    }
    bool operator!=(const RemoteSauna &other) const { return !(*this == other); }

    QUuid identity;
    VariantTypes::Brand brand = VariantTypes::E_undefined_brand;
    MasterFuncDescTypes::RcbProduct rcbProduct = MasterFuncDescTypes::E_unknown;
    QString name;
    PinTypes::Pin pin;
    QHostAddress address;
    quint16 port = 0;
    // Owned by the sauna link: the monotonic clock's time of the last announcement, 0 = never.
    qint64 linkValue = 0;
};

// One Wi-Fi network.
struct WiFiNetwork
{
    bool operator==(const WiFiNetwork &other) const
    {
        return name == other.name && password == other.password && inRange == other.inRange &&
               signalLevel == other.signalLevel;
    }
    bool operator!=(const WiFiNetwork &other) const { return !(*this == other); }

    QString name;
    QString password;
    // Only networks in range are listed; the level is shown as a percentage.
    bool inRange = false;
    int signalLevel = 0;
};

// One external unit on the panel's network, keyed by address and port.
struct ExternalUnit
{
    bool operator==(const ExternalUnit &other) const
    {
        return address == other.address && port == other.port && value == other.value &&
               text1 == other.text1 && text2 == other.text2 && text3 == other.text3 &&
               text4 == other.text4;
    }
    bool operator!=(const ExternalUnit &other) const { return !(*this == other); }

    QHostAddress address;
    quint16 port = 0;
    // The unit kind.
    qint32 value = 0;
    QString text1;
    QString text2;
    QString text3;
    QString text4;
};

} // namespace signalInterface::RemoteSaunaTypes

Q_DECLARE_METATYPE(signalInterface::RemoteSaunaTypes::RemoteSauna)
Q_DECLARE_METATYPE(signalInterface::RemoteSaunaTypes::WiFiNetwork)
Q_DECLARE_METATYPE(signalInterface::RemoteSaunaTypes::ExternalUnit)
