#include "view_cpp/user_message_functions.h"

namespace view::details {

const std::map<int, const char *> &UserMessageFunctions::systemSourceTexts()
{
    static const std::map<int, const char *> texts{
        {0x1000, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Weekday calendar program collision detected")},
        {0x1001, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Date calendar program collision detected")},
        {0x1002, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Bathtime limit exceeded. Start will be allowed at %1")},
        {0x1003, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Operation not possible, blocked by not allowed start")},
        {0x1004, QT_TRANSLATE_NOOP(
                     "view::details::UserMessageFunctions",
                     "Tank emptying has started, operation is possible when draining is complete")},
        {0x1005,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Perform control/clean of tank")},
        {0x1006,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Check sauna before next start")},
        {0x1007, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Fault, tank emptying has started")},
        {0x1008, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Descaling has started, operation not possible")},
        {0x1009, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Descaling completed")},
        {0x100a, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Water in tank")},
        {0x100b, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Manual tank emptying should be performed")},
        {0x100c,
         QT_TRANSLATE_NOOP(
             "view::details::UserMessageFunctions",
             "Standby operation is no longer possible in the system due to tank sensor error")},
        {0x100d,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Has cleanup been performed?")},
        {0x100e, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "No humidity sensor detected. Steam not allowed.")},
        {0x100f, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Automatic tank emptying interval has started. Reduced steam.")},
        {0x1010, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Automatic tank emptying has started. Operation will resume.")},
        {0x1011, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Communication with addon card lost.")},
        {0x1012,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                           "Room temperature too high. Steam production paused temporarily.")},
    };
    return texts;
}

const std::map<int, const char *> &UserMessageFunctions::panelSourceTexts()
{
    static const std::map<int, const char *> texts{
        {0x2001, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Not implemented")},
        {0x2003, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "No free %1")},
        {0x2005, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "No free favorites posts available")},
        {0x2006, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "A favorite post with specified name already exists")},
        {0x2007, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "A favorite post named %1 already exists. Overwrite?")},
        {0x2008,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Confirm favorite delete?")},
        {0x2009,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "No contact with control board")},
        {0x200a,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Confirm clear calendar")},
        {0x200b, QT_TRANSLATE_NOOP(
                     "view::details::UserMessageFunctions",
                     "Time to ready at less than estimated heating time %1 minutes. Use anyway?")},
        {0x200c, QT_TRANSLATE_NOOP(
                     "view::details::UserMessageFunctions",
                     "Time to ready at less than heating time %1 minutes estimated from factory "
                     "settings. Heating time will be calibrated at use. Use anyway?")},
        {0x200d, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "No door switch magnetic sensor connected")},
        {0x200e, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Delayed start program edited from other panel")},
        {0x200f, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Weekday calendar program edited from other panel")},
        {0x2010, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Date calendar program edited from other panel")},
        {0x2011,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "No free time gap for new post")},
        {0x2012, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Favorite post edited from other panel")},
        {0x2013, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Calendar programs affected by favorite change: %1")},
        {0x2015, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Confirm delete of %1?")},
        {0x2016,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                           "Display will turn OFF due to inactivity (display sleep timer)")},
        {0x2019, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Error switching to new language, old will be kept")},
        {0x201b, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Internal software error detected file %1 line %2: %3")},
        {0x201c, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "File not found %1")},
        {0x201d,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Key/translation error %1")},
        {0x201e, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Sauna pause timer has been reset")},
        {0x2020, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Sauna not allowed start, %2, conflicts with %1. Save anyway?")},
        {0x2021,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                           "Sauna not allowed start, %2, may conflict with %1. Save anyway?")},
        {0x2022,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Confirm factory reset?")},
        {0x2023, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "PIN code changed")},
        {0x2024, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Date and time are not correct, reenter")},
        {0x2025,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Confirm delete of system")},
        {0x2026,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Connected to system %1")},
        {0x2027, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Connect to system %1 failed, incorrect PIN")},
        {0x2028, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Connect to system %1 failed, compatibility - update PC panel")},
        {0x2029,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Connect to system %1 failed")},
        {0x203a, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Confirm forget of WiFi network %1")},
        {0x203b, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Favorite name contains unsupported characters: %1")},
        {0x203c, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Auxiliary relay name contains unsupported characters: %1")},
        {0x203d, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Descaling running")},
        {0x203e,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Connection to system %1 lost")},
        {0x203f,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "No response from system %1")},
        {0x2040, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Retriveing data from system %1")},
        {0x2041, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Detecting system on IP adress %1...")},
        {0x2042, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "No system found on IP adress %1")},
        {0x2044, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Port %1 used, using fallback announcement")},
        {0x2045,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "Connected to network %1")},
        {0x2046, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Connect to network %1 failed: %2")},
        {0x2047, QT_TRANSLATE_NOOP(
                     "view::details::UserMessageFunctions",
                     "Connect to system %1 failed, no door switch magnetic sensor connected")},
        {0x2048, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Password contains national/special characters which are "
                                   "unlikely to work as WiFi password : %1")},
        // After a factory reset: what was reset, and that the program ends.
        {0x2049, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Panel settings reset. The control board and the Wi-Fi "
                                   "settings were not reset. The program closes in 5 seconds.")},
        // A settings file that did not parse completely, repaired from its intact lines; %1 is
        // where the copy of it is.
        {0x204a,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                           "The settings file was damaged and has been repaired; settings on "
                           "damaged lines may be lost. The damaged file was copied to %1")},
        // A settings file or folder that cannot be written.
        {0x204b, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "The settings cannot be saved. Changes will not be kept when "
                                   "the program closes.")},
        // Back on a favorite with changes not saved; %1 is its name as edited.
        {0x204c, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Save the changes to favorite %1?")},
        // An IP detect that found a sauna system; %1 is the address it answered from.
        {0x204d,
         QT_TRANSLATE_NOOP("view::details::UserMessageFunctions", "System found on IP address %1")},
        // Another system answered a connect request at the selected sauna's address; %1 is that
        // system's name, %2 the sauna's.
        {0x204e, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Another system (%1) answered at the address of %2. The "
                                   "panel does not connect to it.")},
        // Back on a calendar program with changes not saved; %1 is its day and time as edited.
        {0x204f, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "Save the changes to calendar program %1?")},
        // The PIN lock switched on while the PIN is still the default one; %1 is that PIN.
        {0x2050, QT_TRANSLATE_NOOP("view::details::UserMessageFunctions",
                                   "The PIN lock is on. The panel unlocks with PIN %1. To set "
                                   "another PIN, use Change PIN.")},
    };
    return texts;
}

QString UserMessageFunctions::translated(const char *sourceText)
{
    return tr(sourceText);
}

} // namespace view::details
