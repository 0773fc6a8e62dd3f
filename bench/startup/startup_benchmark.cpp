// Start-up time and resident memory of the panel against a minimal Qt Quick window program.
//
// Both programs are started the same way, alternately, with the window probe preloaded: the time
// runs from just before the process is started to the first expose of its main window, and the
// resident memory is read one settle period later inside the program. The panel starts its
// network link, so this must run in a private network namespace:
//     unshare -n bash -c 'ip link set lo up; bin/startup_benchmark [runs]'
// A warm start finds the QML disk cache that the warm-up run left (one cache folder per program
// for all runs); with --cold every run starts with an empty cache folder. Each run has a fresh
// settings folder.
//
// --value-shown measures instead how long the panel takes until its main screen shows the room
// temperature that a simulated sauna reports. It runs in the namespaces of namespace-pair.sh, the
// sauna in its own:
//     cmake/namespace-pair.sh -- bin/startup_benchmark --value-shown [runs]

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QNetworkInterface>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <time.h>
#include <vector>

namespace {

struct Sample
{
    double startUpMs = 0;
    double residentMb = 0;
};

struct Program
{
    QString path;
    QString windowClass;
    std::vector<Sample> samples;
};

qint64 monotonicNanoseconds()
{
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

bool onlyLoopback()
{
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        if (!(interface.flags() & QNetworkInterface::IsLoopBack) &&
            (interface.flags() & QNetworkInterface::IsUp))
            return false;
    }
    return true;
}

struct Mode
{
    bool cold = false;
    bool valueShown = false;
};

const QString saunaIdentity = QStringLiteral("{6f1c2b8e-3d4a-4e5f-9a7b-2c8d1e0f4a63}");

// The panel knows the simulated sauna, has it selected and connects to it by itself.
void writeSaunaSettings(const QString &configHome)
{
    QDir(configHome).mkpath(QStringLiteral("Vaho"));
    QFile file(configHome + QStringLiteral("/Vaho/PC_Panel.ini"));
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("[General]\n"
               "pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_identity=" +
               saunaIdentity.toLatin1() +
               "\n"
               "pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_rcb_product=7\n"
               "pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_brand=0\n"
               "pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_name=Simulated sauna\n"
               "pc_panel_remote_saunas\\size=1\n"
               "pc_panel_selected_remote_sauna=" +
               saunaIdentity.toLatin1() +
               "\n"
               "pc_panel_auto_connect=true\n");
}

bool measure(Program &program, const QString &probe, const QString &workDirectory, const Mode &mode,
             const QString &warmCacheHome)
{
    QTemporaryDir configHome;
    QTemporaryDir coldCacheHome;
    const QString reportPath = workDirectory + QStringLiteral("/report");
    QFile::remove(reportPath);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome.path());
    environment.insert(QStringLiteral("LD_PRELOAD"), probe);
    environment.insert(QStringLiteral("STARTUP_PROBE_WINDOW_CLASS"), program.windowClass);
    environment.insert(QStringLiteral("STARTUP_PROBE_SETTLE_MS"), QStringLiteral("1000"));
    environment.insert(QStringLiteral("STARTUP_PROBE_REPORT"), reportPath);
    environment.insert(QStringLiteral("XDG_CACHE_HOME"),
                       mode.cold ? coldCacheHome.path() : warmCacheHome);
    if (mode.valueShown) {
        writeSaunaSettings(configHome.path());
        environment.insert(QStringLiteral("STARTUP_PROBE_VALUE_ITEM"),
                           QStringLiteral("measuredTemperatureText"));
        environment.insert(QStringLiteral("STARTUP_PROBE_VALUE_EMPTY"), QStringLiteral("--"));
    }

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 startedAt = monotonicNanoseconds();
    process.start(program.path, {});
    if (!process.waitForFinished(60000))
        return false;
    QFile report(reportPath);
    if (!report.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> fields = report.readAll().trimmed().split(' ');
    if (fields.size() != (mode.valueShown ? 3 : 2))
        return false;
    const qint64 shownAt = fields[mode.valueShown ? 2 : 0].toLongLong();
    program.samples.push_back(
        {double(shownAt - startedAt) / 1e6, double(fields[1].toLongLong()) / 1024.0});
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    Mode mode;
    int runs = 11;
    for (const QString &argument : QCoreApplication::arguments().mid(1)) {
        if (argument == QLatin1String("--cold"))
            mode.cold = true;
        else if (argument == QLatin1String("--value-shown"))
            mode.valueShown = true;
        else
            runs = qMax(1, argument.toInt());
    }
    const QByteArray saunaNamespace = qgetenv("PANEL_TEST_SAUNA_NAMESPACE");
    if (mode.valueShown ? saunaNamespace.isEmpty() : !onlyLoopback()) {
        out << "startup_benchmark: run it in a private network namespace (see the source)\n";
        return 2;
    }
    const QString directory = QCoreApplication::applicationDirPath();
    const QString probe = QStringLiteral(STARTUP_PROBE_LIBRARY);
    Program panel{directory + QStringLiteral("/pc_panel"), QStringLiteral("view::MainWindow"), {}};
    Program minimal{
        directory + QStringLiteral("/minimal_quick_window"), QStringLiteral("QMainWindow"), {}};
    std::vector<Program *> programs{&panel, &minimal};
    QProcess sauna;
    if (mode.valueShown) {
        programs = {&panel};
        sauna.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sauna.setStandardOutputFile(QProcess::nullDevice());
        sauna.start(QStringLiteral("ip"), {QStringLiteral("netns"), QStringLiteral("exec"),
                                           QString::fromLocal8Bit(saunaNamespace),
                                           directory + QStringLiteral("/sauna_simulator"),
                                           QStringLiteral("--identity"), saunaIdentity});
        if (!sauna.waitForStarted()) {
            out << "startup_benchmark: the simulated sauna did not start\n";
            return 1;
        }
    }
    QTemporaryDir work;
    QTemporaryDir panelCache;
    QTemporaryDir minimalCache;

    // One warm-up run each, so that both find the shared libraries in the page cache.
    for (int run = -1; run < runs; ++run) {
        for (Program *program : programs) {
            const QString cacheHome = program == &panel ? panelCache.path() : minimalCache.path();
            if (!measure(*program, probe, work.path(), mode, cacheHome)) {
                out << "startup_benchmark: no report from " << program->path << "\n";
                return 1;
            }
            if (run < 0)
                program->samples.clear();
        }
    }

    const auto summary = [&out](const char *name, const Program &program, double &startUp,
                                double &resident) {
        std::vector<double> times;
        std::vector<double> sizes;
        for (const Sample &sample : program.samples) {
            times.push_back(sample.startUpMs);
            sizes.push_back(sample.residentMb);
        }
        startUp = median(times);
        resident = median(sizes);
        out << name << ": start-up " << QString::number(startUp, 'f', 1) << " ms (min "
            << QString::number(*std::min_element(times.begin(), times.end()), 'f', 1) << ", max "
            << QString::number(*std::max_element(times.begin(), times.end()), 'f', 1)
            << "), resident " << QString::number(resident, 'f', 1) << " MB\n";
    };
    double panelTime = 0, panelMemory = 0, minimalTime = 0, minimalMemory = 0;
    out << "median of " << runs << " runs each, " << (mode.cold ? "cold" : "warm")
        << " QML cache\n";
    if (mode.valueShown) {
        out << "until the main screen shows the sauna's temperature\n";
        summary("panel  ", panel, panelTime, panelMemory);
        sauna.kill();
        sauna.waitForFinished();
        return 0;
    }
    summary("panel  ", panel, panelTime, panelMemory);
    summary("minimal", minimal, minimalTime, minimalMemory);
    out << "ratio: start-up " << QString::number(panelTime / minimalTime, 'f', 2)
        << ", resident memory " << QString::number(panelMemory / minimalMemory, 'f', 2) << "\n";
    return 0;
}
