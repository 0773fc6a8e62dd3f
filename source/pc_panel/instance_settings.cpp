#include "pc_panel/instance_settings.h"

#include "control/settings.h"

#include <QCoreApplication>
#include <QSettings>

#include <memory>

namespace pcPanel {

namespace {

// The process-wide instance state; see control::Settings for why a post routine deletes the
// store before static destruction.
struct InstanceState
{
    unsigned instance = 0;
    std::unique_ptr<QSettings> store;
    bool postRoutineAdded = false;
};

InstanceState &instanceState()
{
    static InstanceState state;
    return state;
}

void deleteInstanceStore()
{
    InstanceState &state = instanceState();
    state.store.reset();
    state.postRoutineAdded = false;
}

} // namespace

InstanceSettings::InstanceSettings(unsigned instance, QObject *parent)
    : QObject(parent)
{
    InstanceState &state = instanceState();
    state.instance = instance;
    // Instance 0 has no store of its own; one left from an earlier number must not linger.
    state.store.reset();
    if (instance == 0) {
        return;
    }
    const QString name = applicationBaseName() + QLatin1Char('_') + QString::number(instance);
    state.store = control::Settings::openStore(control::Settings::organizationName(), name);
    if (!state.postRoutineAdded) {
        qAddPostRoutine(deleteInstanceStore);
        state.postRoutineAdded = true;
    }
}

InstanceSettings::InstanceSettings() = default;

const QString &InstanceSettings::applicationBaseName()
{
    static const QString baseName = QStringLiteral("PC_Panel");
    return baseName;
}

unsigned InstanceSettings::instanceNumber()
{
    return instanceState().instance;
}

QSettings *InstanceSettings::settings()
{
    QSettings *store = instanceState().store.get();
    if (!store)
        return control::Settings::settings();
    // A write that an object synced itself and that failed is reported at the next access.
    control::Settings::reportFailedWrites(*store);
    return store;
}

void InstanceSettings::resetForTesting()
{
    InstanceState &state = instanceState();
    state.store.reset();
    state.instance = 0;
}

} // namespace pcPanel
