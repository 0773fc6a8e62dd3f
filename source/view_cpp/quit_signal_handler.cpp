#include "view_cpp/quit_signal_handler.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace startUp {

namespace {

int signalSockets[2] = {-1, -1};
struct sigaction previousInterrupt;
struct sigaction previousTerminate;

extern "C" void writeSignalByte(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // Nothing else is allowed in a signal handler; a full socket means a quit is pending anyway.
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

QuitSignalHandler::QuitSignalHandler(QObject *parent)
    : QObject(parent)
{
    if (signalSockets[0] != -1 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0)
        return;
    m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignalHandler::onSignalled);

    struct sigaction action = {};
    action.sa_handler = writeSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    m_installed = ::sigaction(SIGINT, &action, &previousInterrupt) == 0 &&
                  ::sigaction(SIGTERM, &action, &previousTerminate) == 0;
}

QuitSignalHandler::~QuitSignalHandler()
{
    if (!m_notifier)
        return;
    ::sigaction(SIGINT, &previousInterrupt, nullptr);
    ::sigaction(SIGTERM, &previousTerminate, nullptr);
    delete m_notifier;
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void QuitSignalHandler::onSignalled()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t bytesRead = ::read(signalSockets[1], &byte, 1);
    QCoreApplication::quit();
}

} // namespace startUp
