#include "view_cpp/configure/configure_system_aux_fragrance_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/configure/configure_system_aux_relay_store.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"

namespace view {

using ::signalInterface::AuxiliaryRelayTypes;
using ::signalInterface::ConfigureTypes;

namespace {
// The pump's run time travels in tenths of a second.
constexpr qint64 msPerTenth = 100;

// A time in three parts, each number followed by its unit: the first part only when not 0, the
// middle one always, the last only when not 0. The first two end with a blank, so a time without
// a last part ends with one ("1min 0s ").
QString threePartText(quint32 first, const QString &firstUnit, quint32 middle,
                      const QString &middleUnit, quint32 last, const QString &lastUnit)
{
    QString text;
    if (first > 0)
        text += QString::number(first) + firstUnit + QLatin1Char(' ');
    text += QString::number(middle) + middleUnit + QLatin1Char(' ');
    if (last > 0)
        text += QString::number(last) + lastUnit;
    return text;
}

} // namespace

ConfigureSystemAuxFragranceViewManager::ConfigureSystemAuxFragranceViewManager(
    const AuxRelayStore *store, QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_store(store)
    , m_model(StepperControllerItem::roleNames(), this)
    , m_pumpManager(this)
    , m_stopManager(this)
{
    m_pumpManager.setLowerLimit(pumpLowerLimitMs);
    m_pumpManager.setUpperLimit(pumpUpperLimitMs);
    m_pumpManager.setComponentSteps(1, 1, 1, int(msPerTenth));
    m_stopManager.setLowerLimit(stopLowerLimitMs);
    m_stopManager.setUpperLimit(stopUpperLimitMs);
}

int ConfigureSystemAuxFragranceViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(senders, this,
                                           {{SIGNAL(optionsFragranceViewVisibleChanged(bool)),
                                             SLOT(onOptionsFragranceViewVisibleChanged(bool))}});
}

int ConfigureSystemAuxFragranceViewManager::connectDurationCommitsFromView(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(auxPumpDurationCommit()), SLOT(onAuxPumpDurationCommit())},
         {SIGNAL(auxStopDurationCommit()), SLOT(onAuxStopDurationCommit())}});
}

int ConfigureSystemAuxFragranceViewManager::connectToAuxSingleFragranceModelView(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(auxFragranceSettingSelected(int)), SLOT(onAuxFragranceSettingSelected(int))}});
}

int ConfigureSystemAuxFragranceViewManager::connectPumpManagerToView(
    const QList<QObject *> &senders)
{
    return m_pumpManager.connectChangeRequests(senders);
}

int ConfigureSystemAuxFragranceViewManager::connectStopManagerToView(
    const QList<QObject *> &senders)
{
    return m_stopManager.connectChangeRequests(senders);
}

void ConfigureSystemAuxFragranceViewManager::onOptionsFragranceViewVisibleChanged(bool visible)
{
    m_model.clear();
    if (!visible)
        return;
    auto *pump = new RowItem(rowType::onlySubmenu, rowLayout::top, rowLayoutType::multiple);
    pump->setApplId(AuxiliaryRelayTypes::E_pump);
    m_pumpRow = pump;
    m_model.appendItem(pump);
    auto *stop = new RowItem(rowType::onlySubmenu, rowLayout::bottom, rowLayoutType::multiple);
    stop->setApplId(AuxiliaryRelayTypes::E_stop);
    m_stopRow = stop;
    m_model.appendItem(stop);
    refresh();
}

QString ConfigureSystemAuxFragranceViewManager::pumpTimeText(quint32 tenthsOfSecond)
{
    // "0s 500ms", "1min 0s ", "2min 3s 400ms".
    const quint32 p = tenthsOfSecond;
    return threePartText(p / 600, tr("min"), (p / 10) % 60, tr("s"), (p % 10) * 100, tr("ms"));
}

QString ConfigureSystemAuxFragranceViewManager::stopTimeText(quint32 seconds)
{
    // "0min 45s", "20min ", "1h 2min 5s".
    const quint32 s = seconds;
    return threePartText(s / 3600, tr("h"), (s / 60) % 60, tr("min"), s % 60, tr("s"));
}

void ConfigureSystemAuxFragranceViewManager::refresh()
{
    const AuxRelayStore::AuxiliaryRelayPost &relay = m_store->selectedRelay();
    if (!m_pumpRow.isNull()) {
        m_pumpRow->setTextOnSubMenu(tr("Pump"));
        m_pumpRow->setData(pumpTimeText(relay.onTimeValue), RowItem::TextValue2Role);
    }
    if (!m_stopRow.isNull()) {
        m_stopRow->setTextOnSubMenu(tr("Stop"));
        m_stopRow->setData(stopTimeText(relay.offTimeValue), RowItem::TextValue2Role);
    }
    m_model.updateLayoutOrder();
}

void ConfigureSystemAuxFragranceViewManager::onAuxFragranceSettingSelected(int setting)
{
    AuxiliaryRelayTypes::FragranceSetting chosen;
    if (!AuxiliaryRelayTypes::fromInt(setting, chosen))
        return;
    const AuxRelayStore::AuxiliaryRelayPost &relay = m_store->selectedRelay();
    if (chosen == AuxiliaryRelayTypes::E_pump) {
        m_pumpManager.setValueCheckLimits(qint64(relay.onTimeValue) * msPerTenth);
        emit editSelected(ConfigureTypes::E_optionsAuxSingleFragrancePump);
    } else {
        m_stopManager.setValueCheckLimits(qint64(relay.offTimeValue) *
                                          value::DurationManager::millisecondsPerSecond);
        emit editSelected(ConfigureTypes::E_optionsAuxSingleFragranceStop);
    }
}

void ConfigureSystemAuxFragranceViewManager::onAuxPumpDurationCommit()
{
    const std::optional<qint64> value = m_pumpManager.value();
    if (!value)
        return;
    AuxRelayStore::AuxiliaryRelayPost relay = m_store->selectedRelay();
    relay.function = AuxiliaryRelayTypes::E_frequency;
    relay.onTimeValue = quint32(*value / msPerTenth);
    relay.onTimeScaling = AuxiliaryRelayTypes::E_100_msec;
    emit auxRelayUpdateRequested(relay);
}

void ConfigureSystemAuxFragranceViewManager::onAuxStopDurationCommit()
{
    const std::optional<qint64> value = m_stopManager.value();
    if (!value)
        return;
    AuxRelayStore::AuxiliaryRelayPost relay = m_store->selectedRelay();
    relay.function = AuxiliaryRelayTypes::E_frequency;
    relay.offTimeValue = quint32(*value / value::DurationManager::millisecondsPerSecond);
    relay.offTimeScaling = AuxiliaryRelayTypes::E_seconds;
    emit auxRelayUpdateRequested(relay);
}

} // namespace view
