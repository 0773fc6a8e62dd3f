#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

namespace signalInterface::FavoritesTypes {

// One stored set of bath settings (favorite 0-7).
struct FavoritesPost
{
    static constexpr int auxiliaryRelayCount = 7;

    bool operator==(const FavoritesPost &other) const
    {
        return index == other.index && inUse == other.inUse && name == other.name &&
               humidity == other.humidity && temperature == other.temperature &&
               bathTime == other.bathTime && lights == other.lights &&
               auxRelayActive == other.auxRelayActive;
    }
    bool operator!=(const FavoritesPost &other) const { return !(*this == other); }

    quint32 index = 0;
    bool inUse = false;
    QString name;
    quint32 humidity = 0;
    quint32 temperature = 450;
    quint32 bathTime = 30;
    bool lights = false;
    // On/off of auxiliary relays 0-6.
    QList<bool> auxRelayActive = QList<bool>(auxiliaryRelayCount, false);
};

} // namespace signalInterface::FavoritesTypes

Q_DECLARE_METATYPE(signalInterface::FavoritesTypes::FavoritesPost)
