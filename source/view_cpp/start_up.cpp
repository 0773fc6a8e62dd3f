#include "view_cpp/start_up.h"

#include "control/sauna_state_controller.h"
#include "control/settings.h"
#include "control/start_up_screen_controller.h"
#include "control/variant_controller_pc_panel.h"
#include "pc_panel/instance_settings.h"
#include "protocol_buffers_support/message_parsing.h"
#include "signal_interface/type_registration.h"
#include "value/meta_types.h"
#include "view_cpp/global_qml_settings_provider.h"
#include "view_cpp/gui_handler.h"
#include "view_cpp/language_support.h"
#include "view_cpp/panel_frame.h"
#include "view_cpp/quit_signal_handler.h"
#include "view_cpp/register_view_qml_types.h"
#include "view_cpp/window_sizes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQmlEngine>
#include <QTextStream>
#include <QUuid>

#include <tclap/CmdLine.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <memory>
#include <string>

namespace startUp {

const char softwareVersionText[] = "1.0.5022";
const QString translationsDirectory = QStringLiteral("qml/view/languages");
const char parserDescription[] = "Command description message";

namespace {

control::SaunaStateController *s_saunaStateController = nullptr;

// Milliseconds since the entry and the resident memory at each step of the start-up, on
// standard error, when PANEL_STARTUP_TRACE is set; the Qt message output is discarded, so it
// writes directly.
class StartUpTrace
{
public:
    StartUpTrace()
        : m_enabled(qEnvironmentVariableIsSet("PANEL_STARTUP_TRACE"))
    {
        m_clock.start();
    }

    void mark(const char *step)
    {
        if (m_enabled)
            std::fprintf(stderr, "start-up %7.1f ms %6.1f MB  %s\n",
                         double(m_clock.nsecsElapsed()) / 1e6, double(residentKilobytes()) / 1024,
                         step);
    }

private:
    // The process's resident set from /proc, or 0 where there is none.
    static long residentKilobytes()
    {
        long kilobytes = 0;
        if (std::FILE *status = std::fopen("/proc/self/status", "r")) {
            char line[128];
            while (std::fgets(line, sizeof line, status)) {
                if (std::strncmp(line, "VmRSS:", 6) == 0)
                    kilobytes = std::strtol(line + 6, nullptr, 10);
            }
            std::fclose(status);
        }
        return kilobytes;
    }

    bool m_enabled;
    QElapsedTimer m_clock;
};

// The instance option's value. Extracting an unsigned from a stream takes "-1" as its
// wrap-around, 4294967295; a leading minus fails here instead, so the parser reports its usual
// value error.
struct InstanceNumber
{
    unsigned value = 0;
};

std::istream &operator>>(std::istream &in, InstanceNumber &number)
{
    in >> std::ws;
    if (in.peek() == '-') {
        in.setstate(std::ios::failbit);
        return in;
    }
    return in >> number.value;
}

} // namespace

unsigned parseCommandLine(int argc, char **argv)
{
    unsigned instance = 0;
    try {
        TCLAP::CmdLine commandLine(parserDescription, '=', softwareVersionText, true);
        TCLAP::ValueArg<InstanceNumber> instanceArgument("i", "instance",
                                                         "PC Control Panel instance, default 0",
                                                         false, InstanceNumber{}, "unsigned int");
        commandLine.add(instanceArgument);
        commandLine.parse(argc, argv);
        instance = instanceArgument.getValue().value;
    } catch (const TCLAP::ArgException &exception) {
        standardOutputStream() << "error: " << QString::fromStdString(exception.error())
                               << " for arg " << QString::fromStdString(exception.argId()) << "\n";
        standardOutputStream().flush();
        instance = 0;
    }
    return instance;
}

QString settingsOrganizationName(signalInterface::VariantTypes::Brand brand)
{
    QString name = view::systemBrandQmlKey(brand);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

void registerSignalMetaTypes()
{
    signalInterface::registerMetaTypes();
    value::registerMetaTypes();
    qRegisterMetaType<QUuid>("QUuid");
}

void registerSignalInterfaceQmlTypes()
{
    signalInterface::registerQmlTypes();
}

const char *signalInterfaceQmlUri()
{
    return signalInterface::signalInterfaceQmlUri();
}

QApplication *createApplication(int &argc, char **argv)
{
    return new QApplication(argc, argv);
}

void silentMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    Q_UNUSED(type)
    Q_UNUSED(context)
    Q_UNUSED(text)
}

QTextStream &standardOutputStream()
{
    static QTextStream stream(stdout, QIODevice::ReadWrite);
    return stream;
}

void setSaunaStateController(control::SaunaStateController *controller)
{
    s_saunaStateController = controller;
}

control::SaunaStateController *saunaStateController()
{
    return s_saunaStateController;
}

void formatAllowedStartTimeMessage(signalInterface::UserMessageTypes::UserMessage &message)
{
    if (s_saunaStateController)
        s_saunaStateController->appendAllowedStartTimeArgument(message);
}

control::StartUpScreenController::GlobalSettingsFactory
globalSettingsFactory(const QString &qmlDirectory)
{
    return [qmlDirectory](QQmlEngine *engine, signalInterface::VariantTypes::Brand brand,
                          signalInterface::VariantTypes::ProductType productType) {
        auto provider = std::make_shared<view::GlobalQmlSettingsProvider>(
            engine, qmlDirectory + QStringLiteral("SettingsBase.qml"));
        provider->initializeSettings(brand, productType);
        return std::shared_ptr<void>(provider);
    };
}

void applyOrganizationDomain()
{
    QCoreApplication::setOrganizationDomain(QStringLiteral("www.vaho.example"));
}

void applyApplicationName(const QString &name)
{
    QCoreApplication::setApplicationName(name);
}

void applyApplicationIdentity(signalInterface::VariantTypes::Brand brand)
{
    applyOrganizationDomain();
    QCoreApplication::setOrganizationName(view::LanguageSupport::brandText(brand));
    applyApplicationName(view::LanguageSupport::pcControlPanelText());
    QCoreApplication::setApplicationVersion(QString::fromLatin1(softwareVersionText));
}

} // namespace startUp

int qMain(int argc, char **argv)
{
    using namespace startUp;

    StartUpTrace trace;
    const unsigned instance = parseCommandLine(argc, argv);

    // Constructing the first handle fixes the names of the one settings store.
    {
        control::Settings(settingsOrganizationName(control::buildBrand()),
                          pcPanel::InstanceSettings::applicationBaseName());
    }

    registerSignalMetaTypes();
    // The raster graphics system of old Qt versions needs no selection: widgets always paint in
    // software, and the scene picks its own renderer.
    std::unique_ptr<QApplication> application(createApplication(argc, argv));
    qInstallMessageHandler(silentMessageHandler);
    // libprotobuf writes its complaints about bad datagrams to stderr unless told otherwise.
    pbSupport::installProtobufLogHandler();
    const QuitSignalHandler quitSignalHandler;
    trace.mark("application");

    registerSignalInterfaceQmlTypes();
    view::registerComponentQmlTypes();

    control::VariantControllerPcPanel variantController(control::buildBrand(), nullptr);
    applyApplicationIdentity(variantController.brand());

    FrameOptions options;
    options.instance = instance;
    options.qmlDirectory = view::GuiHandler::defaultQmlDirectory();

    // The splash is the only window while the main window is built.
    auto *splash =
        new control::StartUpScreenController(windowProductType, variantController.brand(), nullptr);
    splash->setQmlDirectory(options.qmlDirectory);
    splash->setGlobalSettingsFactory(globalSettingsFactory(options.qmlDirectory));
    splash->show();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    trace.mark("splash shown");

    view::registerCircleValueProviderQmlType();

    int result = 0;
    {
        // The objects write their defaults as they are built, on a first start many of them:
        // the file is synced once when all are built.
        auto defaultsBatch = std::make_unique<control::Settings::WriteBatch>();
        PanelFrame frame(variantController, options);
        defaultsBatch.reset();
        trace.mark("objects built and published");
        frame.loadScene();
        trace.mark("main scene loaded");
        frame.wire();
        trace.mark("wired");
        frame.start();
        trace.mark("first state and network");
        frame.prepareWindow();
        splash->close();
        delete splash;
        frame.showMainWindow();
        trace.mark("main window shown");
        result = QApplication::exec();
    }
    return result;
}
