#include "control/details/favorite_controller_base.h"

#include "control/details/calendar_data_provider.h"
#include "control/details/panel_questions.h"
#include "signal_interface/sender_connections.h"

namespace control::details {

FavoriteControllerBase::FavoriteControllerBase(QObject *parent)
    : QObject(parent)
    , m_notAllowedStartCallback(this, &FavoriteControllerBase::onNotAllowedStartAnswered,
                                &FavoriteControllerBase::holds,
                                &FavoriteControllerBase::answerDropped)
{
    forgetFavorites();
}

void FavoriteControllerBase::forgetFavorites()
{
    for (int index = 0; index < favoriteCount; ++index) {
        m_favorites[index] = FavoritesPost{};
        m_favorites[index].index = static_cast<quint32>(index);
    }
}

int FavoriteControllerBase::connectFavoritesAndCurrentSettings(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost)),
          SLOT(onSaunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost))},
         {SIGNAL(saunaTargetTemperatureChanged(int)), SLOT(onSaunaTargetTemperatureChanged(int))},
         {SIGNAL(saunaTargetHumidityChanged(int)), SLOT(onSaunaTargetHumidityChanged(int))},
         {SIGNAL(saunaBathTimeChanged(int)), SLOT(onSaunaBathTimeChanged(int))},
         {SIGNAL(saunaLightsStateChange(bool)), SLOT(onSaunaLightsStateChange(bool))},
         {SIGNAL(saunaAuxRelaySettingChanged(
              ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost)),
          SLOT(onSaunaAuxRelaySettingChanged(
              ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost))}});
}

std::optional<QString> FavoriteControllerBase::acceptableName(const QString &typed)
{
    const QString trimmed = typed.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > favoriteNameMaximumLength)
        return std::nullopt;
    const ShowableName showable = showableFavoriteName(trimmed);
    if (!showable.replaced.isEmpty())
        emit panelUserMessageIssued(
            infoMessage(panelMessageId::unsupportedFavoriteName, {showable.replaced}), nullptr);
    return showable.name;
}

void FavoriteControllerBase::saveChecked(const FavoritesPost &favorite)
{
    // The programs that use the favorite heat to its temperature from then on, so the favorite
    // is checked against the not-allowed start window as each of them is when it is saved.
    std::optional<signalInterface::UserMessageTypes::UserMessage> question;
    if (m_calendar && favorite != m_favorites[favorite.index])
        question = m_calendar->notAllowedStartQuestion(favorite);
    if (!question) {
        saveConfirmed(favorite);
        return;
    }
    if (!m_notAllowedStartCallback.ask(favorite, m_favorites[favorite.index]))
        return;
    emit panelUserMessageIssued(*question, &m_notAllowedStartCallback);
}

void FavoriteControllerBase::onNotAllowedStartAnswered(const Answer &answer,
                                                       const FavoritesPost &favorite)
{
    if (answer == signalInterface::UserMessageTypes::E_answerYes)
        saveConfirmed(favorite);
}

} // namespace control::details
