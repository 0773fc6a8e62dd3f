#pragma once

#include "signal_interface/node_information_types.h"
#include "signal_interface/tank_status_types.h"

#include <QList>
#include <QObject>

#include <array>

namespace control {

// The water levels of the steam generators' tanks, one per relay control board, for the main
// screen's tank indicator.
class WaterLevelController : public QObject
{
    Q_OBJECT

public:
    using TankWaterLevel = signalInterface::TankStatusTypes::TankWaterLevel;
    using Board = signalInterface::NodeInformationTypes::RcbMasterSlaveMode;

    explicit WaterLevelController(QObject *parent = nullptr);

    // Returns the number of connects that failed.
    int connectSaunaSignals(const QList<QObject *> &senders);

    TankWaterLevel waterLevel(Board board) const;
    // A TankWaterLevel number for a board number from QML; E_unknown for a board that does not
    // exist.
    Q_INVOKABLE int tankWaterLevel(int board) const;

public slots:
    void
    onSaunaTankWaterLevelChanged(::signalInterface::NodeInformationTypes::RcbMasterSlaveMode node,
                                 ::signalInterface::TankStatusTypes::TankWaterLevel level);
    // Every tank's level is unknown until the new sauna reports it.
    void onSaunaReplaced();

private:
    static constexpr std::size_t boardCount = 3;
    std::array<TankWaterLevel, boardCount> m_levels{signalInterface::TankStatusTypes::E_unknown,
                                                    signalInterface::TankStatusTypes::E_unknown,
                                                    signalInterface::TankStatusTypes::E_unknown};
};

} // namespace control
