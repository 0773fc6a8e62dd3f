#include "sauna_simulator/simulated_sauna.h"
#include "sauna_simulator/simulator_console.h"

#include "protocol_buffers_support/message_parsing.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>
#include <QTimeZone>

#include <tclap/CmdLine.h>

#include <map>
#include <string>
#include <vector>

namespace {

// A PIN is one to four ASCII digits, as a panel can type and store it.
bool isValidPin(const QString &pin)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
    return digits.match(pin).hasMatch();
}

void printLine(const QString &line)
{
    static QTextStream out(stdout);
    out << line << Qt::endl; // flushed, so a script reading the output sees each event at once
}

// The command line with "--option=value" and "-o=value" split into option and value, so that
// both spellings work, as the panel's own "=" does.
std::vector<std::string> splitAssignments(int argc, char **argv)
{
    std::vector<std::string> arguments;
    for (int index = 0; index < argc; ++index) {
        const std::string argument = argv[index];
        const std::size_t equals = argument.find('=');
        if (index > 0 && argument.size() > 1 && argument[0] == '-' && equals != std::string::npos) {
            arguments.push_back(argument.substr(0, equals));
            arguments.push_back(argument.substr(equals + 1));
        } else {
            arguments.push_back(argument);
        }
    }
    return arguments;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sauna_simulator"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    pbSupport::installProtobufLogHandler();

    tools::SimulatorOptions options;
    try {
        TCLAP::CmdLine commandLine("Simulated sauna system: speaks the sauna protocol over UDP on "
                                   "every IPv4 address of this host.",
                                   ' ', "1.0.0");
        TCLAP::ValueArg<unsigned int> announcePort(
            "a", "announce-port", "UDP port for announcement requests (0: any free port)", false,
            options.announcePort, "port", commandLine);
        TCLAP::ValueArg<unsigned int> saunaPort("s", "sauna-port",
                                                "UDP port for connections (0: any free port)",
                                                false, options.saunaPort, "port", commandLine);
        TCLAP::ValueArg<std::string> pin("p", "pin", "PIN code a panel must give, 1-4 digits",
                                         false, options.pin.toStdString(), "digits", commandLine);
        TCLAP::ValueArg<std::string> name("n", "name", "name the sauna announces", false,
                                          options.name.toStdString(), "text", commandLine);
        TCLAP::ValueArg<std::string> identity("u", "identity", "identity the sauna announces",
                                              false, options.identity.toString().toStdString(),
                                              "UUID", commandLine);
        TCLAP::ValueArg<unsigned int> keepAlive(
            "k", "keepalive-interval",
            "keep-alive interval in seconds, 1-3600 (0: the panel's default of 2 s)", false,
            options.keepAliveIntervalSeconds, "seconds", commandLine);
        TCLAP::ValueArg<unsigned int> heatInterval(
            "t", "heat-interval", "milliseconds between heating steps of one degree", false,
            unsigned(options.heatIntervalMs), "ms", commandLine);
        // What the sauna is: the product decides which installer settings a panel offers.
        std::vector<std::string> productNames{"combi", "steam", "sauna", "ir"};
        TCLAP::ValuesConstraint<std::string> productConstraint(productNames);
        TCLAP::ValueArg<std::string> product(
            "", "product",
            "board product: combi (automatic combi), steam (private steam), sauna or ir "
            "(infrared sauna)",
            false, "combi", &productConstraint, commandLine);
        std::vector<std::string> systemTypeNames{"standard", "multisteam", "solvenno"};
        TCLAP::ValuesConstraint<std::string> systemTypeConstraint(systemTypeNames);
        TCLAP::ValueArg<std::string> systemType("", "system-type", "system type", false, "standard",
                                                &systemTypeConstraint, commandLine);
        TCLAP::ValueArg<int> errorLog(
            "", "error-log",
            "entries of the error log in use at start, 0-32: errors of varied codes (0-20), boards "
            "and times over the past days",
            false, options.errorLogEntries, "entries", commandLine);
        TCLAP::ValueArg<std::string> clock(
            "", "clock",
            "the sauna's clock at start, as it shows the time: yyyy-MM-ddTHH:mm[:ss] (default: "
            "this computer's local time); a panel can set it later",
            false, "", "time", commandLine);
        std::vector<std::string> waterLevelNames{"low", "mid", "high", "unknown"};
        TCLAP::ValuesConstraint<std::string> waterLevelConstraint(waterLevelNames);
        TCLAP::ValueArg<std::string> waterLevel(
            "", "water-level",
            "water level of the steam generator's tank at start: low, mid, high or unknown; on a "
            "multi-steam system the level of its second secondary board's tank, the other two "
            "being high (low: every bath start reports that tank's level electrode fault)",
            false, "high", &waterLevelConstraint, commandLine);
        TCLAP::ValueArg<unsigned int> delayedStart(
            "", "delayed-start",
            "a delayed start set on the sauna's own keypad: it switches itself on after this many "
            "minutes, 1-1440, and reports the delayed start until then",
            false, options.delayedStartMinutes, "minutes", commandLine);
        TCLAP::SwitchArg silent("", "silent", "fall silent: answer nothing, send nothing",
                                commandLine);
        TCLAP::SwitchArg refuse("", "refuse", "refuse every connect request", commandLine);
        TCLAP::SwitchArg malformed("", "malformed",
                                   "send a malformed datagram before every good one", commandLine);
        TCLAP::SwitchArg humiditySensorFault(
            "", "humidity-sensor-fault",
            "the humidity sensor has failed: no steam, no humidity measured, and each panel "
            "that connects is told so",
            commandLine);
        std::vector<std::string> arguments = splitAssignments(argc, argv);
        commandLine.parse(arguments);

        const auto port = [](unsigned int value, const char *option) {
            if (value > 65535)
                throw TCLAP::ArgException("must be 0-65535", option);
            return quint16(value);
        };
        options.announcePort = port(announcePort.getValue(), "announce-port");
        options.saunaPort = port(saunaPort.getValue(), "sauna-port");

        options.pin = QString::fromStdString(pin.getValue());
        if (!isValidPin(options.pin))
            throw TCLAP::ArgException("must be 1-4 digits", "pin");

        options.name = QString::fromStdString(name.getValue());
        if (options.name.isEmpty())
            throw TCLAP::ArgException("must not be empty", "name");

        options.identity = QUuid::fromString(QString::fromStdString(identity.getValue()));
        if (options.identity.isNull())
            throw TCLAP::ArgException("must be a non-null UUID", "identity");

        if (keepAlive.getValue() > 3600)
            throw TCLAP::ArgException("must be 0-3600", "keepalive-interval");
        options.keepAliveIntervalSeconds = keepAlive.getValue();

        if (heatInterval.getValue() < 1 || heatInterval.getValue() > 3600000)
            throw TCLAP::ArgException("must be 1-3600000", "heat-interval");
        options.heatIntervalMs = int(heatInterval.getValue());

        // Connection_types rcb_product_t and system_type_t values.
        const std::map<std::string, int> products{
            {"combi", 31}, {"steam", 32}, {"sauna", 37}, {"ir", 39}};
        options.rcbProduct = products.at(product.getValue());
        const std::map<std::string, int> systemTypes{
            {"standard", 20}, {"multisteam", 21}, {"solvenno", 22}};
        options.systemType = systemTypes.at(systemType.getValue());

        if (errorLog.getValue() < 0 || errorLog.getValue() > tools::SaunaErrorLog::EntryCount)
            throw TCLAP::ArgException("must be 0-32", "error-log");
        options.errorLogEntries = errorLog.getValue();

        // Enum_value_types water_level_t values.
        const std::map<std::string, int> waterLevels{
            {"low", 10}, {"mid", 11}, {"high", 12}, {"unknown", 13}};
        options.waterLevel = waterLevels.at(waterLevel.getValue());

        if (!clock.getValue().empty()) {
            QDateTime time =
                QDateTime::fromString(QString::fromStdString(clock.getValue()), Qt::ISODate);
            // The sauna's clock is a wall clock without a zone; the protocol carries it as UTC.
            time.setTimeZone(QTimeZone::utc());
            if (!time.isValid() || time < tools::SaunaStateModel::protocolEpoch())
                throw TCLAP::ArgException("must be a time yyyy-MM-ddTHH:mm[:ss] from 2000 on",
                                          "clock");
            options.clock = time;
        }

        if (delayedStart.isSet() &&
            (delayedStart.getValue() < 1 || delayedStart.getValue() > 24 * 60))
            throw TCLAP::ArgException("must be 1-1440", "delayed-start");
        options.delayedStartMinutes = delayedStart.getValue();

        options.silent = silent.getValue();
        options.refuse = refuse.getValue();
        options.malformed = malformed.getValue();
        options.humiditySensorFault = humiditySensorFault.getValue();
    } catch (const TCLAP::ArgException &error) {
        QTextStream(stderr) << "sauna_simulator: " << QString::fromStdString(error.argId()) << ": "
                            << QString::fromStdString(error.error()) << Qt::endl;
        return 2;
    }

    tools::SimulatedSauna sauna(options);
    const tools::SimulatorConsole console(sauna, printLine);
    QString errorText;
    if (!sauna.start(&errorText)) {
        QTextStream(stderr) << "sauna_simulator: " << errorText << Qt::endl;
        return 1;
    }
    const QDateTime clockShows =
        tools::SaunaStateModel::protocolEpoch().addMSecs(qint64(sauna.model().systemTime()));
    QString delayedStart;
    if (options.delayedStartMinutes > 0)
        delayedStart = QStringLiteral("; a delayed start switches it on at %1")
                           .arg(clockShows.addSecs(qint64(options.delayedStartMinutes) * 60)
                                    .toString(QStringLiteral("ddd HH:mm")));
    printLine(QStringLiteral("sauna \"%1\" %2 listening: announcements on port %3, "
                             "connections on port %4; its clock shows %5%6")
                  .arg(options.name, options.identity.toString())
                  .arg(sauna.announcePort())
                  .arg(sauna.saunaPort())
                  .arg(clockShows.toString(QStringLiteral("ddd yyyy-MM-dd HH:mm")), delayedStart));

    return QCoreApplication::exec();
}
