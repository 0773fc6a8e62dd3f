#pragma once

#include "control/details/created_item_watch.h"
#include "control/details/favorite_controller_base.h"

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
    // Whether the sauna has reported its target temperature and bath time: until then the
    // current settings are defaults, and saving them as a favorite would store those.
    Q_PROPERTY(
        bool currentSettingsKnown READ currentSettingsKnown NOTIFY currentSettingsKnownChanged)

public:
    explicit FavoriteOverviewController(QObject *parent = nullptr);
    ~FavoriteOverviewController() override;

    view::ListModel *favoritesModel() const { return m_favoritesModel; }

    // Each returns the number of connects that failed.
    int connectSaveFavoriteView(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);
    // The favorite editor's changes and deletions, which are this panel's own.
    int connectFavoriteChanges(const QList<QObject *> &senders);

    // The sauna's current settings as a favorite in use, named but without an index.
    FavoritesPost currentSettings(const QString &name) const;
    bool currentSettingsKnown() const { return m_temperatureReported && m_bathTimeReported; }
    // The monotonic clock that times the watch over a favorite just saved.
    void setMonotonicClock(details::CreatedItemWindow::Clock clock)
    {
        m_savedWatch.setClock(std::move(clock));
    }

signals:
    void favoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost favorite);
    void openKeyboard();
    void closeKeyboard();
    void currentSettingsKnownChanged();

public slots:
    // Asks for the new favorite's name on the keyboard, once the current settings are known.
    void onSaveFavoriteRequested();
    // The name typed after onSaveFavoriteRequested; a name typed without that request is ignored.
    void onFavoriteNameEntered(const QString &name);
    // The keyboard was cancelled: the request ends, and a name typed later is not taken.
    void onFavoriteNameEditCancelled();
    // This panel changed or deleted a favorite: what the sauna reports in its slot next is that,
    // and another panel's change right after it is told.
    void onFavoriteChangeIssued(::signalInterface::FavoritesTypes::FavoritesPost favorite);

    void
    onSaunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost favorite) override;
    void onSaunaTargetTemperatureChanged(int temperature) override;
    void onSaunaTargetHumidityChanged(int humidity) override;
    void onSaunaBathTimeChanged(int minutes) override;
    void onSaunaLightsStateChange(bool on) override;
    void onSaunaAuxRelaySettingChanged(
        ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay) override;
    // The list and the current settings were the former sauna's: the list is empty and nothing
    // is saved until the new sauna reports them.
    void onSaunaReplaced();

private:
    void onOverwriteAnswered(const Answer &answer, const FavoritesPost &favorite);
    // Nobody here was told of the change that left the question's Yes undone: told now.
    void answerDropped() override;
    void tellEditedElsewhere();
    // Overwrites the favorite of the same name and watches it in its slot.
    void saveConfirmed(const FavoritesPost &favorite) override;
    // Requests the favorite in the first free slot and watches it there, or tells that no slot
    // is free.
    void create(FavoritesPost favorite);
    void rebuild();
    // Sets one of the reported flags and tells a change of currentSettingsKnown.
    void setReported(bool &reported, bool value);

    view::ListModel *m_favoritesModel;
    details::SlotQuestion<FavoriteOverviewController, FavoritesPost> m_overwriteCallback;
    bool m_awaitingName = false;

    FavoritesPost m_current;
    bool m_temperatureReported = false;
    bool m_bathTimeReported = false;

    // The favorites this panel has just created, changed or deleted, until each is known to be
    // kept in its slot.
    details::CreatedItemWatch<FavoritesPost> m_savedWatch;
};

} // namespace control
