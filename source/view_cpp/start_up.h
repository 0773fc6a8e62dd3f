#pragma once

#include "control/start_up_screen_controller.h"
#include "signal_interface/user_message_types.h"
#include "signal_interface/variant_types.h"

#include <QString>
#include <QtGlobal>

class QApplication;
class QTextStream;

namespace control {
class SaunaStateController;
} // namespace control

// The program's entry: reads the command line, builds the panel, runs the event loop and tears
// everything down again. Returns the event loop's result.
int qMain(int argc, char **argv);

namespace startUp {

// "1.0.5022", and the same version as three numbers.
extern const char softwareVersionText[];
constexpr int softwareVersionMajor = 1;
constexpr int softwareVersionMinor = 0;
constexpr int softwareVersionBuild = 5022;
// The directory of the translation files, below the program's directory.
extern const QString translationsDirectory;
extern const char parserDescription[];
// The product type of this edition: the PC panel.
constexpr signalInterface::VariantTypes::ProductType windowProductType =
    signalInterface::VariantTypes::E_PC;

// The instance number given on the command line. TCLAP ends the process itself on a malformed
// command line (status 1) and after --help or --version (status 0).
unsigned parseCommandLine(int argc, char **argv);

// The organisation name of the settings store: the brand's key with a capital first letter.
QString settingsOrganizationName(signalInterface::VariantTypes::Brand brand);

// Registers every type that signals carry under its "::"-qualified name. Before the application.
void registerSignalMetaTypes();
// The enum holders under "SignalInterfaceLib" 1.0.
void registerSignalInterfaceQmlTypes();
const char *signalInterfaceQmlUri();

QApplication *createApplication(int &argc, char **argv);
// Discards every Qt message.
void silentMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text);
// The program's standard output, for the command-line error report.
QTextStream &standardOutputStream();

// The sauna-state controller whose allowed start time fills message 0x1002; null while there is
// none.
void setSaunaStateController(control::SaunaStateController *controller);
control::SaunaStateController *saunaStateController();
// The formatter of message 0x1002: appends the allowed start time when the controller exists.
void formatAllowedStartTimeMessage(signalInterface::UserMessageTypes::UserMessage &message);

// Builds the global QML settings object of the splash window from the QML directory.
control::StartUpScreenController::GlobalSettingsFactory
globalSettingsFactory(const QString &qmlDirectory);

void applyOrganizationDomain();
void applyApplicationName(const QString &name);
// Organisation domain, organisation name (the brand), application name and version.
void applyApplicationIdentity(signalInterface::VariantTypes::Brand brand);

} // namespace startUp
