#include "control/favorite_controller.h"

#include "control/details/panel_questions.h"
#include "control/details/stored_number.h"
#include "control/details/temperature_humidity_pair.h"
#include "control/details/temperature_humidity_rules.h"
#include "signal_interface/protocol_facts.h"
#include "signal_interface/sender_connections.h"
#include "value/duration_manager_most_significant_component_hour.h"
#include "value/humidity_value.h"
#include "value/humidity_value_manager.h"
#include "value/temperature_value_manager.h"
#include "view_cpp/language_support.h"
#include "view_cpp/list_model.h"
#include "view_cpp/toggle_standard_item.h"

namespace control {

using signalInterface::AuxiliaryRelayTypes;

namespace {

constexpr int defaultBathTimeLimit = 360;

} // namespace

FavoriteController::FavoriteController(QObject *parent)
    : FavoriteControllerBase(parent)
    , m_humidityManager(new value::HumidityValueManager(this))
    , m_temperatureManager(new value::TemperatureValueManager(this))
    , m_bathTimeManager(new value::DurationManagerMostSignificantComponentHour(this))
    , m_targetPair(new details::TemperatureHumidityPair(
          *m_temperatureManager, *m_humidityManager, [this] { return m_saunaControlsHumidity; },
          this))
    , m_auxiliaryRelaysModel(new view::ListModel(view::ToggleStandardItem::roleNames(), this))
    , m_deleteCallback(this, &FavoriteController::onDeleteAnswered, &FavoriteController::holds)
    , m_saveChangesCallback(this, &FavoriteController::onSaveChangesAnswered,
                            &FavoriteController::holds)
{
    AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(m_relays);
    // A favorite may leave the bath time at 0; the sauna's limit replaces the default upper one.
    m_bathTimeManager->setLowerLimitInMinutes(0);
    m_bathTimeManager->setUpperLimitInMinutes(defaultBathTimeLimit);
}

FavoriteController::~FavoriteController() = default;

int FavoriteController::connectFavoritesView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(favoriteEditActivated(int)), SLOT(onFavoriteEditActivated(int))},
         {SIGNAL(favoriteEditSaveActivated()), SLOT(onFavoriteEditSaveActivated())},
         {SIGNAL(deleteFavoriteRequested()), SLOT(onDeleteFavoriteRequested())},
         {SIGNAL(startFavoriteRequested()), SLOT(onStartFavoriteRequested())},
         {SIGNAL(lightingStateChange(bool)), SLOT(onLightingStateChange(bool))},
         {SIGNAL(favoriteNameEditActivated()), SLOT(onFavoriteNameEditActivated())},
         {SIGNAL(auxRelayActivatedChanged(int, bool)), SLOT(onAuxRelayActivatedChanged(int, bool))},
         {SIGNAL(favoriteEditCancelRequested()), SLOT(onFavoriteEditCancelRequested())},
         {SIGNAL(editBathTimeRequested()), SLOT(onEditBathTimeRequested())},
         {SIGNAL(bathTimeCommit()), SLOT(onBathTimeCommit())}});
}

int FavoriteController::connectBathTimeView(const QList<QObject *> &senders)
{
    return m_bathTimeManager->connectChangeRequests(senders);
}

int FavoriteController::connectTemperatureUnitChanged(const QList<QObject *> &senders)
{
    return m_temperatureManager->connectUnitSources(senders);
}

int FavoriteController::connectLanguageChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(languageChanged(::signalInterface::LanguageTypes::Language)),
          SLOT(onLanguageChanged(::signalInterface::LanguageTypes::Language))}});
}

int FavoriteController::connectSaunaSignals(const QList<QObject *> &senders)
{
    int failed = connectFavoritesAndCurrentSettings(senders);
    failed += signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaBathTimeLimitChanged(int)), SLOT(onSaunaBathTimeLimitChanged(int))},
         {SIGNAL(saunaLowerTemperatureLimitChanged(int)),
          SLOT(onSaunaLowerTemperatureLimitChanged(int))},
         {SIGNAL(saunaUpperTemperatureLimitChanged(int)),
          SLOT(onSaunaUpperTemperatureLimitChanged(int))},
         {SIGNAL(saunaMasterFuncDescChanged(
              ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost)),
          SLOT(onSaunaMasterFuncDescChanged(
              ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost))}});
    failed += m_humidityManager->connectSaunaSources(senders);
    return failed;
}

FavoriteController::FavoritesPost FavoriteController::editedFavorite() const
{
    FavoritesPost favorite = m_edited;
    // No value, no change: an editor that holds nothing leaves the favorite's value.
    if (const std::optional<int> temperature = m_temperatureManager->value();
        temperature && *temperature >= 0)
        favorite.temperature = static_cast<quint32>(*temperature);
    // A humidity the editor does not offer stays as the sauna keeps it.
    if (const value::HumidityValue_T humidity = m_humidityManager->value();
        m_saunaControlsHumidity && humidity.value >= 0)
        favorite.humidity = static_cast<quint32>(value::encodeHumidity(humidity));
    return favorite;
}

void FavoriteController::onFavoriteEditActivated(int favorite)
{
    if (favorite < 0 || favorite >= favoriteCount || !m_favorites[favorite].inUse)
        return;
    m_edited = m_favorites[favorite];
    m_editing = true;
    loadEditors();
    rebuildRelays();
    emit editedFavoriteChanged();
}

void FavoriteController::onFavoriteEditSaveActivated()
{
    if (!m_editing)
        return;
    saveChecked(editedFavorite());
}

void FavoriteController::onDeleteFavoriteRequested()
{
    if (!m_editing)
        return;
    const FavoritesPost &stored = m_favorites[m_edited.index];
    FavoritesPost deletion = stored;
    deletion.inUse = false;
    if (!m_deleteCallback.ask(deletion, stored))
        return;
    emit panelUserMessageIssued(
        details::questionMessage(details::panelMessageId::confirmFavoriteDelete),
        &m_deleteCallback);
}

void FavoriteController::onStartFavoriteRequested()
{
    if (!m_editing)
        return;
    const FavoritesPost favorite = editedFavorite();
    // What the editors hold is requested: a stored number goes through the editors' rule, so one
    // beyond an int or the editor's limits is requested at the limit, never wrapped.
    const int humidity = details::storedNumber(favorite.humidity);
    const int temperature = details::storedNumber(favorite.temperature);
    const int bathTime =
        m_bathTimeManager->minutesWithinLimits(details::storedNumber(favorite.bathTime));
    // Only what differs from the sauna's current settings is requested, and a humidity only from
    // a sauna that controls it.
    if (m_saunaControlsHumidity && m_saunaHumidity != humidity)
        emit targetHumidityChangeRequested(humidity);
    if (m_saunaTemperature != temperature)
        emit targetTemperatureChangeRequested(temperature);
    if (m_saunaBathTime != bathTime)
        emit bathTimeChangeRequested(bathTime);
    // The lights request switches over, so it goes only when the state differs.
    if (m_saunaLights != favorite.lights)
        emit lightsStateChangeRequested();
    for (const auto &relay : m_relays) {
        const int index = static_cast<int>(relay.index);
        if (relay.connected && index < favorite.auxRelayActive.size() &&
            relay.activated != favorite.auxRelayActive.at(index))
            emit auxRelayActivatedChanged(index, relay.activated);
    }
    emit saunaStartFavoriteRequested(favorite.index);
}

void FavoriteController::onLightingStateChange(bool shownOn)
{
    if (!m_editing)
        return;
    m_edited.lights = !shownOn;
    emit editedFavoriteChanged();
}

void FavoriteController::onFavoriteNameEditActivated()
{
    if (m_editing)
        emit openKeyboard(m_edited.name);
}

void FavoriteController::onFavoriteNameEntered(const QString &name)
{
    emit closeKeyboard();
    if (!m_editing)
        return;
    const std::optional<QString> accepted = acceptableName(name);
    if (!accepted)
        return;
    const QString &trimmed = *accepted;
    for (const FavoritesPost &other : m_favorites) {
        if (other.inUse && other.index != m_edited.index && other.name == trimmed) {
            emit panelUserMessageIssued(
                details::infoMessage(details::panelMessageId::favoriteNameExists), nullptr);
            return;
        }
    }
    m_edited.name = trimmed;
    emit editedFavoriteChanged();
}

void FavoriteController::onAuxRelayActivatedChanged(int relay, bool shownActivated)
{
    if (!m_editing || relay < 0 || relay >= m_edited.auxRelayActive.size())
        return;
    m_edited.auxRelayActive[relay] = !shownActivated;
    rebuildRelays();
}

void FavoriteController::onFavoriteEditCancelRequested()
{
    if (!m_editing)
        return;
    // A new name, a step of a value or a switch: leaving must not drop it silently.
    const FavoritesPost edited = editedFavorite();
    if (edited == m_unchanged) {
        endEdit();
        return;
    }
    if (!m_saveChangesCallback.ask(edited, m_favorites[edited.index]))
        return;
    emit panelUserMessageIssued(
        details::questionMessage(details::panelMessageId::saveChangedFavorite, {edited.name}),
        &m_saveChangesCallback);
}

void FavoriteController::onEditBathTimeRequested()
{
    if (m_editing)
        m_bathTimeManager->setValueInMinutes(details::storedNumber(m_edited.bathTime));
}

void FavoriteController::onBathTimeCommit()
{
    if (!m_editing || !m_bathTimeManager->value())
        return;
    m_edited.bathTime = static_cast<quint32>(m_bathTimeManager->valueInMinutes());
}

void FavoriteController::onSaunaFavoritesPostChanged(
    ::signalInterface::FavoritesTypes::FavoritesPost favorite)
{
    if (favorite.index >= static_cast<quint32>(favoriteCount))
        return;
    const FavoritesPost known = m_favorites[favorite.index];
    m_favorites[favorite.index] = favorite;
    if (!m_editing || m_edited.index != favorite.index || known == favorite)
        return;
    emit panelUserMessageIssued(
        details::infoMessage(details::panelMessageId::favoriteEditedElsewhere), nullptr);
    if (!favorite.inUse) {
        endEdit();
        return;
    }
    m_edited = favorite;
    loadEditors();
    rebuildRelays();
    emit editedFavoriteChanged();
}

void FavoriteController::onSaunaTargetTemperatureChanged(int temperature)
{
    m_saunaTemperature = temperature;
}

void FavoriteController::onSaunaTargetHumidityChanged(int humidity)
{
    m_saunaHumidity = humidity;
}

void FavoriteController::onSaunaBathTimeChanged(int minutes)
{
    m_saunaBathTime = minutes;
}

void FavoriteController::onSaunaBathTimeLimitChanged(int minutes)
{
    if (signalInterface::protocolFacts::isBathTimeLimit(minutes))
        m_bathTimeManager->setUpperLimitInMinutes(minutes);
}

void FavoriteController::onSaunaLightsStateChange(bool on)
{
    m_saunaLights = on;
}

void FavoriteController::onSaunaAuxRelaySettingChanged(
    ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay)
{
    if (relay.index >= static_cast<quint32>(m_relays.size()))
        return;
    m_relays[relay.index] = relay;
    rebuildRelays();
}

void FavoriteController::onSaunaLowerTemperatureLimitChanged(int temperature)
{
    m_temperatureManager->setLowerLimit(temperature);
}

void FavoriteController::onSaunaUpperTemperatureLimitChanged(int temperature)
{
    m_targetPair->setTemperatureUpperLimit(temperature);
}

void FavoriteController::onSaunaMasterFuncDescChanged(
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions)
{
    m_saunaControlsHumidity = details::controlsHumidity(functions);
    m_targetPair->update();
}

void FavoriteController::onLanguageChanged(::signalInterface::LanguageTypes::Language language)
{
    signalInterface::LanguageTypes::Language checked = language;
    if (signalInterface::LanguageTypes::fromInt(language, checked))
        rebuildRelays();
}

void FavoriteController::onDeleteAnswered(const Answer &answer, const FavoritesPost &favorite)
{
    if (answer != signalInterface::UserMessageTypes::E_answerYes)
        return;
    if (m_editing && m_edited.index == favorite.index)
        endEdit();
    emit favoriteDeleteIssued(favorite);
    emit favoriteUpdateRequested(favorite);
}

void FavoriteController::onSaveChangesAnswered(const Answer &answer, const FavoritesPost &favorite)
{
    if (answer == signalInterface::UserMessageTypes::E_answerYes) {
        // Saved as Save saves it: asked about first where Save asks.
        saveChecked(favorite);
        return;
    }
    // No leaves the editor, as Back was meant to.
    if (m_editing && m_edited.index == favorite.index)
        endEdit();
}

void FavoriteController::saveConfirmed(const FavoritesPost &favorite)
{
    if (m_editing && m_edited.index == favorite.index)
        endEdit();
    save(favorite);
}

void FavoriteController::save(const FavoritesPost &favorite)
{
    if (favorite == m_favorites[favorite.index])
        return;
    emit favoriteChangeIssued(favorite);
    emit favoriteUpdateRequested(favorite);
}

void FavoriteController::loadEditors()
{
    m_targetPair->setTemperature(details::storedNumber(m_edited.temperature));
    m_targetPair->setHumidityFromInt(details::storedNumber(m_edited.humidity));
    m_bathTimeManager->setValueInMinutes(details::storedNumber(m_edited.bathTime));
    m_unchanged = editedFavorite();
}

void FavoriteController::onSaunaReplaced()
{
    forgetFavorites();
    m_relays.clear();
    AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(m_relays);
    m_saunaTemperature.reset();
    m_saunaHumidity.reset();
    m_saunaBathTime.reset();
    m_saunaLights = false;
    m_saunaControlsHumidity = false;
    m_temperatureManager->clearValue();
    m_temperatureManager->setLowerLimit(value::TemperatureValueManager::initialLowerLimit);
    m_humidityManager->clearValue();
    m_targetPair->setTemperatureUpperLimit(value::TemperatureValueManager::initialUpperLimit);
    m_bathTimeManager->clearValue();
    m_bathTimeManager->setUpperLimitInMinutes(defaultBathTimeLimit);
    m_edited = FavoritesPost{};
    rebuildRelays();
    if (m_editing)
        endEdit();
}

void FavoriteController::rebuildRelays()
{
    m_auxiliaryRelaysModel->clear();
    for (const auto &relay : m_relays) {
        if (!relay.connected || relay.function != AuxiliaryRelayTypes::E_onOff)
            continue;
        const int index = static_cast<int>(relay.index);
        const bool active =
            index < m_edited.auxRelayActive.size() && m_edited.auxRelayActive.at(index);
        auto *row = new view::ToggleStandardItem(index, active);
        row->setValue(view::LanguageSupport::auxRelayName(relay));
        m_auxiliaryRelaysModel->appendItem(row);
    }
}

void FavoriteController::endEdit()
{
    m_editing = false;
    emit editedFavoriteChanged();
}

} // namespace control
