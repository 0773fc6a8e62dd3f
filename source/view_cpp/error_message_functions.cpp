#include "view_cpp/error_message_functions.h"

namespace view::details {

const std::map<int, const char *> &ErrorMessageFunctions::sourceTexts()
{
    static const std::map<int, const char *> texts{
        {0, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions", "No error")},
        {1, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                              "Room temperature sensor not connected or malfunctioning")},
        {2, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                              "Steam tank temperature sensor not connected or malfunctioning")},
        {3, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                              "Relay Control Box PCB has overheated")},
        {4, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions", "Electrode short circuit")},
        {5, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                              "Steamtank overfill. Level electrodes malfunction.")},
        {6,
         QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                           "Contact lost with Zerededid node of node profile Control Panel Home")},
        {7, QT_TRANSLATE_NOOP(
                "view::details::ErrorMessageFunctions",
                "Contact lost with Zerededid node of node profile Temperature/Humidity Sensor")},
        {8, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions", "Steam tank has overheated")},
        {9, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                              "Real-time clock (RTC) communication failure")},
        {10, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                               "Communication with addon card lost.")},
        {11, QT_TRANSLATE_NOOP(
                 "view::details::ErrorMessageFunctions",
                 "Emptying of water in steam tank failure. Turn off power and do service.")},
        {12, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                               "Level electrodes steam tank out of service, interruption mid")},
        {13, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                               "Zerededid connected humidity sensor malfunctioning")},
        {14, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                               "Zerededid connected temperature sensor malfunctioning")},
        {15,
         QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                           "Contact lost with Zerededid node of node profile Relay Control Board")},
        {16, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                               "High temperature limit control have trip out, must be reset")},
        {17, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                               "Room temperature sensor overheated")},
        {18, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions", "Too many units connected")},
        {19, QT_TRANSLATE_NOOP(
                 "view::details::ErrorMessageFunctions",
                 "The door has been open for more than the allowed time. Ongoing bath cancelled.")},
        {20, QT_TRANSLATE_NOOP("view::details::ErrorMessageFunctions",
                               "Magnetic contact open more than 60 seconds since last bath")},
    };
    return texts;
}

QString ErrorMessageFunctions::translated(const char *sourceText)
{
    return tr(sourceText);
}

} // namespace view::details
