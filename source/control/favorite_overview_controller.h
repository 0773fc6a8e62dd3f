#pragma once

#include "control/details/favorite_controller_base.h"
#include "view_cpp/user_message_callback1.h"

#include <QList>
#include <QObject>
#include <QString>

namespace view {
class ListModel;
}

namespace control {

// The list of the sauna's favorites, and saving the sauna's current settings as a new favorite
// (or over the one of the same name, when the user agrees).
class FavoriteOverviewController : public details::FavoriteControllerBase
{
    Q_OBJECT

public:
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

public slots:
    // Asks for the new favorite's name on the keyboard.
    void onSaveFavoriteRequested();
    // The name typed after onSaveFavoriteRequested; a name typed without that request is ignored.
    void onFavoriteNameEntered(const QString &name);
    // The keyboard was cancelled: the request ends, and a name typed later is not taken.
    void onFavoriteNameEditCancelled();

    void
    onSaunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost favorite) override;
    void onSaunaTargetTemperatureChanged(int temperature) override;
    void onSaunaTargetHumidityChanged(int humidity) override;
    void onSaunaBathTimeChanged(int minutes) override;
    void onSaunaLightsStateChange(bool on) override;
    void onSaunaAuxRelaySettingChanged(
        ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay) override;
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

    FavoritesPost m_current;
};

} // namespace control
