#pragma once

#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/tank_status_types.h"

#include <QString>

namespace view {

// The words for the tanks of the relay control boards (0 primary, 1 and 2 secondary), as the
// System › Status screen writes them; the main screen repeats them. Translated in the Status
// screen's context when asked for.

// Whether a board's tank is shown at all: a Solvenno system's primary board has none of its own,
// and a secondary board only where the system has that many boards.
bool isTankBoardShown(int board, int boardCount,
                      signalInterface::MasterFuncDescTypes::SystemMode systemMode);
// What follows "Water level" or "Water temperature" for a board: " primary" when there is more
// than one board, otherwise nothing; " secondary1" (the 1 only in a multi-steam system) and
// " secondary2". Empty for any other board.
QString tankBoardWord(int board, int boardCount,
                      signalInterface::MasterFuncDescTypes::SystemMode systemMode);
// "Low", "Mid", "High", and "Unknown" for any other value.
QString waterLevelWord(signalInterface::TankStatusTypes::TankWaterLevel level);
// "Water level", the board word, ": " and the level: "Water level primary: Low".
QString waterLevelLine(int board, signalInterface::TankStatusTypes::TankWaterLevel level,
                       int boardCount, signalInterface::MasterFuncDescTypes::SystemMode systemMode);

} // namespace view
