#include "control/water_level_controller.h"

#include "signal_interface/sender_connections.h"

using signalInterface::NodeInformationTypes;
using signalInterface::TankStatusTypes;

namespace control {

WaterLevelController::WaterLevelController(QObject *parent)
    : QObject(parent)
{}

int WaterLevelController::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaTankWaterLevelChanged(
              ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode,
              ::signalInterface::TankStatusTypes::TankWaterLevel)),
          SLOT(onSaunaTankWaterLevelChanged(
              ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode,
              ::signalInterface::TankStatusTypes::TankWaterLevel))}});
}

WaterLevelController::TankWaterLevel WaterLevelController::waterLevel(Board board) const
{
    return TankWaterLevel(tankWaterLevel(int(board)));
}

int WaterLevelController::tankWaterLevel(int board) const
{
    Board checked = NodeInformationTypes::E_master;
    if (!NodeInformationTypes::fromInt(board, checked))
        return TankStatusTypes::E_unknown;
    return m_levels[std::size_t(checked)];
}

void WaterLevelController::onSaunaTankWaterLevelChanged(Board node, TankWaterLevel level)
{
    Board board = NodeInformationTypes::E_master;
    if (!NodeInformationTypes::fromInt(int(node), board))
        return;
    if (level < TankStatusTypes::E_low || level > TankStatusTypes::E_unknown)
        return;
    m_levels[std::size_t(board)] = level;
}

void WaterLevelController::onSaunaReplaced()
{
    m_levels.fill(TankStatusTypes::E_unknown);
}

} // namespace control
