#pragma once

#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/favorites_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"
#include "view_cpp/user_message_callback1.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

namespace view {
class ListModel;
}

namespace control {

// The list of the sauna's favorites, and saving the sauna's current settings as a new favorite
// (or over the one of the same name, when the user agrees).
class FavoriteOverviewController : public QObject
{
    Q_OBJECT

public:
    using Answer = signalInterface::UserMessageTypes::UserMessageAnswer;
    using FavoritesPost = signalInterface::FavoritesTypes::FavoritesPost;

    static constexpr int favoriteCount = 8;

    explicit FavoriteOverviewController(QObject *parent = nullptr);
    ~FavoriteOverviewController() override;

    view::ListModel *favoritesModel() const { return m_favoritesModel; }

    // Each returns the number of connects that failed.
    int connectSaveFavoriteView(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);

    // The sauna's current settings as a favorite in use, named but without an index.
    FavoritesPost currentSettings(const QString &name) const;

signals:
    void favoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost favorite);
    void openKeyboard();
    void closeKeyboard();
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

public slots:
    // Asks for the new favorite's name on the keyboard.
    void onSaveFavoriteRequested();
    // The name typed after onSaveFavoriteRequested; a name typed without that request is ignored.
    void onFavoriteNameEntered(const QString &name);
    // The keyboard was cancelled: the request ends, and a name typed later is not taken.
    void onFavoriteNameEditCancelled();

    void onSaunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost favorite);
    void onSaunaTargetTemperatureChanged(int temperature);
    void onSaunaTargetHumidityChanged(int humidity);
    void onSaunaBathTimeChanged(int minutes);
    void onSaunaLightsStateChange(bool on);
    void
    onSaunaAuxRelaySettingChanged(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay);
    // The list was the former sauna's: it is empty until the new sauna reports its favorites.
    void onSaunaReplaced();

private:
    void onOverwriteAnswered(const Answer &answer, const FavoritesPost &favorite);
    void rebuild();

    view::ListModel *m_favoritesModel;
    view::message::UserMessageCallback1<FavoriteOverviewController, FavoritesPost>
        m_overwriteCallback;
    // The stored favorite stays the one acted on until the question is answered.
    bool m_overwritePending = false;
    bool m_awaitingName = false;

    std::array<FavoritesPost, favoriteCount> m_favorites;
    FavoritesPost m_current;
};

} // namespace control
