// Start-up time and resident memory of the panel against a minimal Qt Quick window program.
//
// Both programs are started the same way, alternately, with the window probe preloaded: the time
// runs from just before the process is started to the first expose of its main window, and the
// resident memory is read one settle period later inside the program. The panel starts its
// network link, so this must run in a private network namespace:
//     unshare -n bash -c 'ip link set lo up; bin/startup_benchmark'

#include <QCoreApplication>
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

bool measure(Program &program, const QString &probe, const QString &workDirectory)
{
    QTemporaryDir configHome;
    const QString reportPath = workDirectory + QStringLiteral("/report");
    QFile::remove(reportPath);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome.path());
    environment.insert(QStringLiteral("LD_PRELOAD"), probe);
    environment.insert(QStringLiteral("STARTUP_PROBE_WINDOW_CLASS"), program.windowClass);
    environment.insert(QStringLiteral("STARTUP_PROBE_SETTLE_MS"), QStringLiteral("1000"));
    environment.insert(QStringLiteral("STARTUP_PROBE_REPORT"), reportPath);

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
    if (fields.size() != 2)
        return false;
    program.samples.push_back({double(fields[0].toLongLong() - startedAt) / 1e6,
                               double(fields[1].toLongLong()) / 1024.0});
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
    if (!onlyLoopback()) {
        out << "startup_benchmark: run it in a private network namespace (see the source)\n";
        return 2;
    }
    const QString directory = QCoreApplication::applicationDirPath();
    const QString probe = QStringLiteral(STARTUP_PROBE_LIBRARY);
    Program panel{directory + QStringLiteral("/pc_panel"), QStringLiteral("view::MainWindow"), {}};
    Program minimal{
        directory + QStringLiteral("/minimal_quick_window"), QStringLiteral("QMainWindow"), {}};
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 11;
    QTemporaryDir work;

    // One warm-up run each, so that both find the shared libraries in the page cache.
    for (int run = -1; run < runs; ++run) {
        for (Program *program : {&panel, &minimal}) {
            if (!measure(*program, probe, work.path())) {
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
    out << "median of " << runs << " runs each\n";
    summary("panel  ", panel, panelTime, panelMemory);
    summary("minimal", minimal, minimalTime, minimalMemory);
    out << "ratio: start-up " << QString::number(panelTime / minimalTime, 'f', 2)
        << ", resident memory " << QString::number(panelMemory / minimalMemory, 'f', 2) << "\n";
    return 0;
}
