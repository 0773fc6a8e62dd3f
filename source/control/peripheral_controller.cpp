#include "control/peripheral_controller.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"
#include "view_cpp/toggle_standard_item.h"

using signalInterface::AuxiliaryRelayTypes;

namespace control {

PeripheralController::PeripheralController(QObject *parent)
    : QObject(parent)
    , m_relaysModel(view::ToggleStandardItem::roleNames(), this)
    , m_relaysOverviewModel(view::ToggleStandardItem::roleNames(), this)
{
    AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(m_relays);
}

PeripheralController::AuxiliaryRelayPost PeripheralController::auxiliaryRelay(int relay) const
{
    return isRelay(relay) ? m_relays.at(relay) : AuxiliaryRelayPost{};
}

int PeripheralController::connectLightsSwitchView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(lightsStateChangeRequested(bool)), SLOT(onLightsStateChangeRequested(bool))}});
}

int PeripheralController::connectFanRunningView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(fanRunningChangeRequested()), SLOT(onFanRunningChangeRequested())}});
}

int PeripheralController::connectFanAutomaticView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(fanAutomaticChangeRequested()), SLOT(onFanAutomaticChangeRequested())}});
}

int PeripheralController::connectAuxRelayView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(senders, this,
                                           {{SIGNAL(auxRelayActivatedChanged(int, bool)),
                                             SLOT(onAuxRelayActivatedChanged(int, bool))}});
}

int PeripheralController::connectAuxVisibleOnLockedScreenChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(senders, this,
                                           {{SIGNAL(auxVisibleOnLockedScreenChanged(int, bool)),
                                             SLOT(onAuxVisibleOnLockedScreenChanged(int, bool))}});
}

int PeripheralController::connectFavoriteAuxRelayChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(senders, this,
                                           {{SIGNAL(auxRelayActivatedChanged(int, bool)),
                                             SLOT(onAuxRelayActivatedChanged(int, bool))}});
}

int PeripheralController::connectLanguageChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(languageChanged(::signalInterface::LanguageTypes::Language)),
          SLOT(onLanguageChanged(::signalInterface::LanguageTypes::Language))}});
}

int PeripheralController::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaLightsStateChange(bool)), SLOT(onSaunaLightsStateChange(bool))},
         {SIGNAL(saunaFanAutomaticChanged(bool)), SLOT(onSaunaFanAutomaticChanged(bool))},
         {SIGNAL(saunaFanRunningChanged(bool)), SLOT(onSaunaFanRunningChanged(bool))},
         {SIGNAL(saunaAuxRelaySettingChanged(
              ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost)),
          SLOT(onSaunaAuxRelaySettingChanged(
              ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost))},
         {SIGNAL(saunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling)),
          SLOT(onSaunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling))}});
}

void PeripheralController::emitInitialState()
{
    emit lightsStateChanged(m_lightsOn);
}

void PeripheralController::onLightsStateChangeRequested(bool shown)
{
    // The sauna link toggles the reported state. A tap on a switch that showed something else is
    // stale and would switch the wrong way, so it only brings the switch up to date.
    if (shown != m_lightsOn) {
        emit lightsStateChanged(m_lightsOn);
        return;
    }
    emit lightsStateChangeRequested();
}

void PeripheralController::onFanRunningChangeRequested()
{
    emit fanRunningChangeRequested();
}

void PeripheralController::onFanAutomaticChangeRequested()
{
    emit fanAutomaticChangeRequested(!m_fanAutomatic);
}

void PeripheralController::onAuxRelayActivatedChanged(int relay, bool shownActivated)
{
    if (!isRelay(relay))
        return;
    // Like every toggle, a relay switch reports the state it showed when tapped; the favorite
    // start reports the current state of each relay it must change. Either way the request is
    // the opposite.
    AuxiliaryRelayPost requested = m_relays.at(relay);
    requested.activated = !shownActivated;
    emit auxRelayUpdateRequested(requested);
}

void PeripheralController::onAuxVisibleOnLockedScreenChanged(int relay, bool visible)
{
    if (!isRelay(relay))
        return;
    m_visibleOnLockedScreen[std::size_t(relay)] = visible;
    updateModels();
}

void PeripheralController::onLanguageChanged(signalInterface::LanguageTypes::Language)
{
    // Unnamed relays show a translated "Aux %1".
    updateModels();
}

void PeripheralController::onSaunaLightsStateChange(bool on)
{
    if (on == m_lightsOn)
        return;
    m_lightsOn = on;
    emit lightsStateChanged(on);
}

void PeripheralController::onSaunaFanAutomaticChanged(bool automatic)
{
    if (automatic == m_fanAutomatic)
        return;
    m_fanAutomatic = automatic;
    emit fanAutomaticChanged(automatic);
}

void PeripheralController::onSaunaFanRunningChanged(bool running)
{
    if (running == m_fanRunning)
        return;
    m_fanRunning = running;
    emit fanRunningChanged(running);
}

void PeripheralController::onSaunaAuxRelaySettingChanged(AuxiliaryRelayPost relay)
{
    if (relay.index >= quint32(AuxiliaryRelayTypes::relayCount))
        return;
    m_relays[int(relay.index)] = relay;
    updateModels();
}

void PeripheralController::onSaunaDescalingChanged(AuxiliaryRelayTypes::Descaling descaling)
{
    m_descalingRelay = descaling.relayIndex;
    updateModels();
}

void PeripheralController::onSaunaReplaced()
{
    onSaunaLightsStateChange(false);
    onSaunaFanAutomaticChanged(false);
    onSaunaFanRunningChanged(false);
    AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(m_relays);
    m_descalingRelay = AuxiliaryRelayTypes::Descaling::noRelayIndex;
    updateModels();
}

bool PeripheralController::isRelay(int relay)
{
    return relay >= 0 && relay < AuxiliaryRelayTypes::relayCount;
}

// A relay is offered when it is connected, has a function, and does not serve descaling.
bool PeripheralController::isOffered(int relay) const
{
    const AuxiliaryRelayPost &post = m_relays.at(relay);
    return post.connected && post.function != AuxiliaryRelayTypes::E_notUsed &&
           quint32(relay) != m_descalingRelay;
}

void PeripheralController::updateModels()
{
    QList<int> offered;
    QList<int> onLockedScreen;
    for (int relay = 0; relay < AuxiliaryRelayTypes::relayCount; ++relay) {
        if (!isOffered(relay))
            continue;
        offered.append(relay);
        if (m_visibleOnLockedScreen[std::size_t(relay)])
            onLockedScreen.append(relay);
    }
    updateModel(m_relaysModel, offered);
    updateModel(m_relaysOverviewModel, onLockedScreen);
}

void PeripheralController::updateModel(view::ListModel &model, const QList<int> &relays)
{
    // Rows are rebuilt only when the set of relays changes, so a switch in use keeps its row.
    bool sameRows = model.rowCount() == relays.size();
    for (int row = 0; sameRows && row < relays.size(); ++row)
        sameRows = model.itemAt(row)->applId() == relays.at(row);
    if (!sameRows) {
        model.clear();
        for (int relay : relays)
            model.appendItem(new view::ToggleStandardItem(relay, false));
    }
    for (int row = 0; row < relays.size(); ++row) {
        auto *item = static_cast<view::ToggleStandardItem *>(model.itemAt(row));
        const AuxiliaryRelayPost &post = m_relays.at(relays.at(row));
        item->setValue(view::LanguageSupport::auxRelayName(post));
        item->setValue2(post.activated);
    }
}

} // namespace control
