#pragma once

#include <QObject>

class QSocketNotifier;

namespace startUp {

// Turns SIGINT and SIGTERM into a normal end of the event loop, so that the link still says
// goodbye to the sauna and every object is destroyed in order. The signal handler only writes one
// byte into a socket pair; the event loop reads it and quits the application.
class QuitSignalHandler : public QObject
{
    Q_OBJECT

public:
    explicit QuitSignalHandler(QObject *parent = nullptr);
    // Restores the previous handlers.
    ~QuitSignalHandler() override;

    // False when the socket pair or a handler could not be installed.
    bool isInstalled() const { return m_installed; }

private:
    void onSignalled();

    QSocketNotifier *m_notifier = nullptr;
    bool m_installed = false;
};

} // namespace startUp
