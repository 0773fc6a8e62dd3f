#include "control/favorite_overview_controller.h"

#include "control/details/panel_questions.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item2.h"
#include "view_cpp/row_item_base.h"

namespace control {

FavoriteOverviewController::FavoriteOverviewController(QObject *parent)
    : FavoriteControllerBase(parent)
    , m_favoritesModel(new view::ListModel(view::RowItemBase::roleNames(), this))
    , m_overwriteCallback(this, &FavoriteOverviewController::onOverwriteAnswered,
                          &FavoriteOverviewController::holds,
                          &FavoriteOverviewController::answerDropped)
    , m_savedWatch(
          this,
          [](const FavoritesPost &reported, const FavoritesPost &requested) {
              return reported == requested;
          },
          [this](const FavoritesPost &favorite) { create(favorite); },
          [this](const FavoritesPost &) { tellEditedElsewhere(); })
{
    m_current.inUse = true;
}

FavoriteOverviewController::~FavoriteOverviewController() = default;

int FavoriteOverviewController::connectSaveFavoriteView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(saveFavoriteRequested()), SLOT(onSaveFavoriteRequested())}});
}

int FavoriteOverviewController::connectSaunaSignals(const QList<QObject *> &senders)
{
    return connectFavoritesAndCurrentSettings(senders);
}

int FavoriteOverviewController::connectFavoriteChanges(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(favoriteChangeIssued(::signalInterface::FavoritesTypes::FavoritesPost)),
          SLOT(onFavoriteChangeIssued(::signalInterface::FavoritesTypes::FavoritesPost))},
         {SIGNAL(favoriteDeleteIssued(::signalInterface::FavoritesTypes::FavoritesPost)),
          SLOT(onFavoriteChangeIssued(::signalInterface::FavoritesTypes::FavoritesPost))}});
}

FavoriteOverviewController::FavoritesPost
FavoriteOverviewController::currentSettings(const QString &name) const
{
    FavoritesPost favorite = m_current;
    favorite.name = name;
    return favorite;
}

void FavoriteOverviewController::onSaveFavoriteRequested()
{
    if (!currentSettingsKnown())
        return;
    m_awaitingName = true;
    emit openKeyboard();
}

void FavoriteOverviewController::onFavoriteNameEntered(const QString &name)
{
    emit closeKeyboard();
    // The sauna may have been replaced while the name was typed.
    if (!m_awaitingName || !currentSettingsKnown()) {
        m_awaitingName = false;
        return;
    }
    m_awaitingName = false;
    const std::optional<QString> accepted = acceptableName(name);
    if (!accepted)
        return;
    const QString &trimmed = *accepted;
    FavoritesPost favorite = currentSettings(trimmed);
    for (const FavoritesPost &existing : m_favorites) {
        if (!existing.inUse || existing.name != trimmed)
            continue;
        favorite.index = existing.index;
        if (!m_overwriteCallback.ask(favorite, existing))
            return;
        emit panelUserMessageIssued(
            details::questionMessage(details::panelMessageId::overwriteFavorite, {trimmed}),
            &m_overwriteCallback);
        return;
    }
    create(favorite);
}

void FavoriteOverviewController::create(FavoritesPost favorite)
{
    for (const FavoritesPost &slot : m_favorites) {
        if (!slot.inUse && !m_savedWatch.awaitsNew(slot.index)) {
            favorite.index = slot.index;
            m_savedWatch.watch(favorite, true);
            emit favoriteUpdateRequested(favorite);
            return;
        }
    }
    emit panelUserMessageIssued(details::infoMessage(details::panelMessageId::noFreeFavorite),
                                nullptr);
}

void FavoriteOverviewController::onFavoriteNameEditCancelled()
{
    m_awaitingName = false;
}

void FavoriteOverviewController::onFavoriteChangeIssued(
    ::signalInterface::FavoritesTypes::FavoritesPost favorite)
{
    m_savedWatch.watch(favorite, false);
}

void FavoriteOverviewController::onSaunaFavoritesPostChanged(
    ::signalInterface::FavoritesTypes::FavoritesPost favorite)
{
    if (favorite.index >= static_cast<quint32>(favoriteCount) ||
        m_favorites[favorite.index] == favorite)
        return;
    m_favorites[favorite.index] = favorite;
    rebuild();
    // Another panel's save may have replaced the one just made here in the slot: a new favorite
    // then goes to the next free slot, so that neither is lost, and a change is told.
    m_savedWatch.report(favorite);
}

void FavoriteOverviewController::onSaunaTargetTemperatureChanged(int temperature)
{
    if (temperature < 0)
        return;
    m_current.temperature = static_cast<quint32>(temperature);
    setReported(m_temperatureReported, true);
}

void FavoriteOverviewController::onSaunaTargetHumidityChanged(int humidity)
{
    if (humidity >= 0)
        m_current.humidity = static_cast<quint32>(humidity);
}

void FavoriteOverviewController::onSaunaBathTimeChanged(int minutes)
{
    if (minutes < 0)
        return;
    m_current.bathTime = static_cast<quint32>(minutes);
    setReported(m_bathTimeReported, true);
}

void FavoriteOverviewController::onSaunaLightsStateChange(bool on)
{
    m_current.lights = on;
}

void FavoriteOverviewController::onSaunaAuxRelaySettingChanged(
    ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay)
{
    if (relay.index < static_cast<quint32>(m_current.auxRelayActive.size()))
        m_current.auxRelayActive[relay.index] = relay.activated;
}

void FavoriteOverviewController::onOverwriteAnswered(const Answer &answer,
                                                     const FavoritesPost &favorite)
{
    if (answer == signalInterface::UserMessageTypes::E_answerYes)
        saveChecked(favorite);
}

void FavoriteOverviewController::answerDropped()
{
    tellEditedElsewhere();
}

void FavoriteOverviewController::tellEditedElsewhere()
{
    emit panelUserMessageIssued(
        details::infoMessage(details::panelMessageId::favoriteEditedElsewhere), nullptr);
}

void FavoriteOverviewController::saveConfirmed(const FavoritesPost &favorite)
{
    m_savedWatch.watch(favorite, false);
    emit favoriteUpdateRequested(favorite);
}

void FavoriteOverviewController::onSaunaReplaced()
{
    forgetFavorites();
    m_savedWatch.stop();
    m_current = FavoritesPost{};
    m_current.inUse = true;
    setReported(m_temperatureReported, false);
    setReported(m_bathTimeReported, false);
    rebuild();
}

void FavoriteOverviewController::setReported(bool &reported, bool value)
{
    const bool wasKnown = currentSettingsKnown();
    reported = value;
    if (currentSettingsKnown() != wasKnown)
        emit currentSettingsKnownChanged();
}

void FavoriteOverviewController::rebuild()
{
    m_favoritesModel->clear();
    for (const FavoritesPost &favorite : m_favorites) {
        if (favorite.inUse) {
            m_favoritesModel->appendItem(
                new view::RowItem2(favorite.name, static_cast<int>(favorite.index)));
        }
    }
    m_favoritesModel->updateLayoutOrder();
}

} // namespace control
