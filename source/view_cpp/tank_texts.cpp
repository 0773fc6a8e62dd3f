#include "view_cpp/tank_texts.h"

#include <QCoreApplication>

using signalInterface::MasterFuncDescTypes;
using signalInterface::TankStatusTypes;

namespace view {

// The texts are the Status screen's own, so that both screens read alike in every language.

bool isTankBoardShown(int board, int boardCount, MasterFuncDescTypes::SystemMode systemMode)
{
    if (board == 0)
        return systemMode != MasterFuncDescTypes::E_solvenno;
    return boardCount > board;
}

QString tankBoardWord(int board, int boardCount, MasterFuncDescTypes::SystemMode systemMode)
{
    const QString secondary =
        QLatin1Char(' ') +
        QCoreApplication::translate("view::ConfigureSystemStatusViewManager", "secondary");
    switch (board) {
    case 0:
        if (boardCount > 1)
            return QLatin1Char(' ') +
                   QCoreApplication::translate("view::ConfigureSystemStatusViewManager", "primary");
        break;
    case 1:
        return systemMode == MasterFuncDescTypes::E_multisteam ? secondary + QLatin1Char('1')
                                                               : secondary;
    case 2:
        return secondary + QLatin1Char('2');
    }
    return {};
}

QString waterLevelWord(TankStatusTypes::TankWaterLevel level)
{
    switch (level) {
    case TankStatusTypes::E_low:
        return QCoreApplication::translate("view::ConfigureSystemStatusViewManager", "Low");
    case TankStatusTypes::E_mid:
        return QCoreApplication::translate("view::ConfigureSystemStatusViewManager", "Mid");
    case TankStatusTypes::E_high:
        return QCoreApplication::translate("view::ConfigureSystemStatusViewManager", "High");
    case TankStatusTypes::E_unknown:
        break;
    }
    return QCoreApplication::translate("view::ConfigureSystemStatusViewManager", "Unknown");
}

QString waterLevelLine(int board, TankStatusTypes::TankWaterLevel level, int boardCount,
                       MasterFuncDescTypes::SystemMode systemMode)
{
    return QCoreApplication::translate("view::ConfigureSystemStatusViewManager", "Water level") +
           tankBoardWord(board, boardCount, systemMode) + QStringLiteral(": ") +
           waterLevelWord(level);
}

} // namespace view
