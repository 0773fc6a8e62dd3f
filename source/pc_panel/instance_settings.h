#pragma once

#include <QObject>
#include <QString>

class QSettings;

namespace pcPanel {

// The panel instance number and the per-instance store, which keeps the few settings that must
// differ between copies of the panel running side by side (the selected sauna, auto-connect).
class InstanceSettings : public QObject
{
    Q_OBJECT

public:
    // Sets the process-wide instance number. Instance n > 0 gets its own INI file,
    // "PC_Panel_<n>", beside the shared one; instance 0 keeps its keys in the shared store.
    explicit InstanceSettings(unsigned instance, QObject *parent = nullptr);
    // A handle that changes nothing.
    InstanceSettings();

    // "PC_Panel": the application name of the shared store and the stem of the per-instance one.
    static const QString &applicationBaseName();
    static unsigned instanceNumber();
    // The per-instance store if there is one, otherwise the shared store; never null.
    static QSettings *settings();

    // Forgets the instance number and deletes the per-instance store, as in a fresh process.
    // Never called by the program itself.
    static void resetForTesting();
};

} // namespace pcPanel
