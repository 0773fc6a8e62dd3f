#include "control/details/favorite_controller_base.h"

#include "control/details/panel_questions.h"
#include "pc_panel/supported_characters.h"
#include "signal_interface/sender_connections.h"

namespace control::details {

FavoriteControllerBase::FavoriteControllerBase(QObject *parent)
    : QObject(parent)
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
    QString name = typed.trimmed();
    if (name.isEmpty() || name.size() > favoriteNameMaximumLength)
        return std::nullopt;
    const auto &supported = pcPanel::SupportedCharacters::instance();
    // Until the sauna has told which characters it shows, every name is taken as typed.
    if (supported.count() == 0)
        return name;
    const pcPanel::SupportedCharacters::CharacterSet unsupported =
        supported.unsupportedCharacters(name);
    if (!unsupported.empty()) {
        supported.replaceUnsupported(unsupportedNameReplacement, name);
        emit panelUserMessageIssued(
            infoMessage(panelMessageId::unsupportedFavoriteName,
                        {pcPanel::SupportedCharacters::toString(unsupported)}),
            nullptr);
    }
    return name;
}

} // namespace control::details
