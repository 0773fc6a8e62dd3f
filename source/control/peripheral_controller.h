#pragma once

#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/language_types.h"
#include "view_cpp/list_model.h"

#include <QList>
#include <QObject>

#include <array>

namespace control {

// The main screen's lights, fan and auxiliary relays: turns the switches into requests to the sauna
// and shows what the sauna reports about them.
class PeripheralController : public QObject
{
    Q_OBJECT
    // What the sauna reported last; the main screens bind to these.
    Q_PROPERTY(bool lightsOn READ lightsOn NOTIFY lightsStateChanged)
    Q_PROPERTY(bool fanRunning READ fanRunning NOTIFY fanRunningChanged)
    Q_PROPERTY(bool fanAutomatic READ fanAutomatic NOTIFY fanAutomaticChanged)

public:
    using AuxiliaryRelayPost = signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost;

    explicit PeripheralController(QObject *parent = nullptr);

    // "settings_auxiliary_relays_model": one toggle row per relay in use (application id = relay
    // index, value = name, value2 = activated).
    view::ListModel *auxiliaryRelaysModel() { return &m_relaysModel; }
    // "settings_auxiliary_relays_overview_model": the same rows for the relays that stay usable on
    // the lock screen.
    view::ListModel *auxiliaryRelaysOverviewModel() { return &m_relaysOverviewModel; }

    bool lightsOn() const { return m_lightsOn; }
    bool fanAutomatic() const { return m_fanAutomatic; }
    bool fanRunning() const { return m_fanRunning; }
    // The stored record of relay 0-6, or a default record for another number.
    AuxiliaryRelayPost auxiliaryRelay(int relay) const;

    // Each returns the number of connects that failed.
    int connectLightsSwitchView(const QList<QObject *> &senders);
    int connectFanRunningView(const QList<QObject *> &senders);
    int connectFanAutomaticView(const QList<QObject *> &senders);
    int connectAuxRelayView(const QList<QObject *> &senders);
    int connectAuxVisibleOnLockedScreenChanged(const QList<QObject *> &senders);
    int connectFavoriteAuxRelayChanged(const QList<QObject *> &senders);
    int connectLanguageChanged(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);

    // Publishes the lights state known so far.
    void emitInitialState();

signals:
    // Toggles: the sauna link sends the opposite of the state the sauna reported last.
    void lightsStateChangeRequested();
    void fanRunningChangeRequested();
    void fanAutomaticChangeRequested(bool automatic);
    void auxRelayUpdateRequested(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay);

    void lightsStateChanged(bool on);
    void fanAutomaticChanged(bool automatic);
    void fanRunningChanged(bool running);

public slots:
    // The lights switch reports the state it showed when tapped.
    void onLightsStateChangeRequested(bool shown);
    void onFanRunningChangeRequested();
    void onFanAutomaticChangeRequested();
    // The requested state of relay 0-6; the favorite controller's requests arrive here too.
    void onAuxRelayActivatedChanged(int relay, bool shownActivated);
    void onAuxVisibleOnLockedScreenChanged(int relay, bool visible);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

    void onSaunaLightsStateChange(bool on);
    void onSaunaFanAutomaticChanged(bool automatic);
    void onSaunaFanRunningChanged(bool running);
    void
    onSaunaAuxRelaySettingChanged(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay);
    void onSaunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling descaling);
    // Lights, fan and relays were the former sauna's: off, and no relay offered. Which relays the
    // lock screen shows is the panel's own choice and stays.
    void onSaunaReplaced();

private:
    static bool isRelay(int relay);
    bool isOffered(int relay) const;
    void updateModels();
    void updateModel(view::ListModel &model, const QList<int> &relays);

    view::ListModel m_relaysModel;
    view::ListModel m_relaysOverviewModel;
    QList<AuxiliaryRelayPost> m_relays;
    quint32 m_descalingRelay = signalInterface::AuxiliaryRelayTypes::Descaling::noRelayIndex;
    std::array<bool, signalInterface::AuxiliaryRelayTypes::relayCount> m_visibleOnLockedScreen{};
    bool m_lightsOn = false;
    bool m_fanAutomatic = false;
    bool m_fanRunning = false;
};

} // namespace control
