#include "control/water_level_controller.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/tank_texts.h"

#include <QVariantMap>

using signalInterface::MasterFuncDescTypes;
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
              ::signalInterface::TankStatusTypes::TankWaterLevel))},
         {SIGNAL(saunaMasterFuncDescChanged(
              ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost)),
          SLOT(onSaunaMasterFuncDescChanged(
              ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost))},
         {SIGNAL(saunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode)),
          SLOT(onSaunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode))}});
}

int WaterLevelController::connectToSaunaStateController(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaRcbNumbersChanged(int)), SLOT(onSaunaRcbNumbersChanged(int))}});
}

int WaterLevelController::connectLanguageChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(languageChanged(::signalInterface::LanguageTypes::Language)),
          SLOT(onLanguageChanged(::signalInterface::LanguageTypes::Language))}});
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

bool WaterLevelController::isTankShown(int board) const
{
    // As on the Status screen.
    return m_reportsWaterLevel && view::isTankBoardShown(board, m_rcbCount, m_systemMode);
}

QVariantList WaterLevelController::tanks() const
{
    QVariantList shown;
    for (int board = 0; board < int(boardCount); ++board) {
        if (!isTankShown(board))
            continue;
        const TankWaterLevel level = m_levels[std::size_t(board)];
        shown.append(QVariantMap{
            {QStringLiteral("text"), view::waterLevelLine(board, level, m_rcbCount, m_systemMode)},
            {QStringLiteral("low"), level == TankStatusTypes::E_low}});
    }
    return shown;
}

void WaterLevelController::onSaunaTankWaterLevelChanged(Board node, TankWaterLevel level)
{
    Board board = NodeInformationTypes::E_master;
    if (!NodeInformationTypes::fromInt(int(node), board))
        return;
    if (level < TankStatusTypes::E_low || level > TankStatusTypes::E_unknown)
        return;
    if (m_levels[std::size_t(board)] == level)
        return;
    m_levels[std::size_t(board)] = level;
    emit tanksChanged();
}

void WaterLevelController::onSaunaMasterFuncDescChanged(
    MasterFuncDescTypes::MasterFuncDescPost functions)
{
    if (functions.waterLevel == m_reportsWaterLevel)
        return;
    m_reportsWaterLevel = functions.waterLevel;
    emit tanksChanged();
}

void WaterLevelController::onSaunaSystemModeChanged(MasterFuncDescTypes::SystemMode mode)
{
    MasterFuncDescTypes::SystemMode checked = MasterFuncDescTypes::E_standard;
    if (!MasterFuncDescTypes::fromInt(int(mode), checked) || checked == m_systemMode)
        return;
    m_systemMode = checked;
    emit tanksChanged();
}

void WaterLevelController::onSaunaRcbNumbersChanged(int count)
{
    if (count == m_rcbCount)
        return;
    m_rcbCount = count;
    emit tanksChanged();
}

void WaterLevelController::onLanguageChanged(signalInterface::LanguageTypes::Language)
{
    emit tanksChanged();
}

void WaterLevelController::onSaunaReplaced()
{
    m_levels.fill(TankStatusTypes::E_unknown);
    m_reportsWaterLevel = false;
    m_systemMode = MasterFuncDescTypes::E_standard;
    emit tanksChanged();
}

} // namespace control
