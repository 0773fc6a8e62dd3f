// Runs the simulated sauna for the end-to-end test and reports on standard output what it holds:
// "listening <announce port> <sauna port>" once, "connected <address>" for every panel and
// "target <value>" whenever its target temperature changes, whoever changed it.

#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulated_sauna.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHostAddress>
#include <QTextStream>
#include <QTimer>

namespace {

void printLine(const QString &line)
{
    static QTextStream out(stdout);
    out << line << Qt::endl;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);

    tools::SimulatorOptions options;
    options.heatIntervalMs = 3600000; // no heating steps: only requests change the sauna
    // The same clock whatever the hour or zone the test runs in.
    options.clock = QDateTime(QDate(2031, 6, 11), QTime(10, 0), Qt::UTC);
    tools::SimulatedSauna sauna(options);
    QObject::connect(&sauna, &tools::SimulatedSauna::panelConnected, &application,
                     [](const QHostAddress &address, quint16, const QString &) {
                         printLine(QStringLiteral("connected %1").arg(address.toString()));
                     });
    QString errorText;
    if (!sauna.start(&errorText)) {
        printLine(QStringLiteral("failed %1").arg(errorText));
        return 1;
    }
    printLine(QStringLiteral("listening %1 %2").arg(sauna.announcePort()).arg(sauna.saunaPort()));

    const int targetReport = tools::IntegerId::TargetTemperature;
    quint32 target = sauna.model().integer(targetReport);
    printLine(QStringLiteral("target %1").arg(target));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &application, [&] {
        const quint32 now = sauna.model().integer(targetReport);
        if (now != target) {
            target = now;
            printLine(QStringLiteral("target %1").arg(target));
        }
    });
    poll.start(10);
    return QCoreApplication::exec();
}
