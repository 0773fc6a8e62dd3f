#include "simulator_console.h"

#include "request_log.h"
#include "simulated_sauna.h"

namespace tools {

namespace {

QString endpoint(const QHostAddress &address, quint16 port)
{
    return QStringLiteral("%1:%2").arg(address.toString()).arg(port);
}

} // namespace

SimulatorConsole::SimulatorConsole(SimulatedSauna &sauna, Printer print, QObject *parent)
    : QObject(parent)
    , m_print(std::move(print))
{
    connect(&sauna, &SimulatedSauna::panelConnected, this,
            [this](const QHostAddress &address, quint16 port, const QString &unitName) {
                m_print(
                    QStringLiteral("connected %1 \"%2\"").arg(endpoint(address, port), unitName));
            });
    connect(
        &sauna, &SimulatedSauna::panelRefused, this,
        [this](const QHostAddress &address, quint16 port, int status) {
            m_print(
                QStringLiteral("refused %1 status %2").arg(endpoint(address, port)).arg(status));
        });
    connect(&sauna, &SimulatedSauna::panelDisconnected, this,
            [this](const QHostAddress &address, quint16 port, const QString &reason) {
                m_print(
                    QStringLiteral("disconnected %1 (%2)").arg(endpoint(address, port), reason));
            });
    connect(&sauna, &SimulatedSauna::requestHandled, this,
            [this](const QString &request, const QString &outcome) {
                m_print(requestLog::line(request, outcome));
            });
    connect(&sauna, &SimulatedSauna::calendarProgramStarted, this,
            [this](quint32 index, const QString &outcome) {
                m_print(
                    QStringLiteral("calendar program %1 started -> %2").arg(index).arg(outcome));
            });
    connect(&sauna, &SimulatedSauna::calendarProgramStopped, this,
            [this](quint32 index, const QString &outcome) {
                m_print(
                    QStringLiteral("calendar program %1 stopped -> %2").arg(index).arg(outcome));
            });
    connect(&sauna, &SimulatedSauna::calendarProgramRefused, this, [this](const QString &outcome) {
        m_print(QStringLiteral("calendar program refused -> %1").arg(outcome));
    });
    connect(&sauna, &SimulatedSauna::descalingStarted, this, [this](const QString &outcome) {
        m_print(QStringLiteral("descaling started -> %1").arg(outcome));
    });
    connect(&sauna, &SimulatedSauna::descalingFinished, this, [this](const QString &outcome) {
        m_print(QStringLiteral("descaling finished -> %1").arg(outcome));
    });
}

} // namespace tools
