#pragma once

#include "control/details/favorite_controller_base.h"
#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

namespace value {
class DurationManagerMostSignificantComponentHour;
class HumidityValueManager;
class TemperatureValueManager;
} // namespace value

namespace view {
class ListModel;
}

namespace control {

namespace details {
class TemperatureHumidityPair;
}

// Opens one favorite for editing (name, temperature, humidity, bath time, lights, auxiliary
// relays), saves or deletes it on the sauna, and starts the sauna with it.
class FavoriteController : public details::FavoriteControllerBase
{
    Q_OBJECT
    Q_PROPERTY(bool editing READ editing NOTIFY editedFavoriteChanged)
    Q_PROPERTY(QString name READ name NOTIFY editedFavoriteChanged)
    Q_PROPERTY(bool lights READ lights NOTIFY editedFavoriteChanged)

public:
    explicit FavoriteController(QObject *parent = nullptr);
    ~FavoriteController() override;

    value::HumidityValueManager *humidityManager() const { return m_humidityManager; }
    value::TemperatureValueManager *temperatureManager() const { return m_temperatureManager; }
    value::DurationManagerMostSignificantComponentHour *bathTimeManager() const
    {
        return m_bathTimeManager;
    }
    view::ListModel *auxiliaryRelaysModel() const { return m_auxiliaryRelaysModel; }

    // Each returns the number of connects that failed.
    int connectFavoritesView(const QList<QObject *> &senders);
    int connectBathTimeView(const QList<QObject *> &senders);
    int connectTemperatureUnitChanged(const QList<QObject *> &senders);
    int connectLanguageChanged(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);

    bool editing() const { return m_editing; }
    QString name() const { return m_editing ? m_edited.name : QString(); }
    bool lights() const { return m_editing && m_edited.lights; }
    // The favorite as edited so far, the values of the editors included.
    FavoritesPost editedFavorite() const;

signals:
    void targetTemperatureChangeRequested(int temperature);
    void targetHumidityChangeRequested(int humidity);
    void bathTimeChangeRequested(int minutes);
    void lightsStateChangeRequested();
    void favoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost favorite);
    void saunaStartFavoriteRequested(unsigned int favorite);
    void favoriteChangeIssued(::signalInterface::FavoritesTypes::FavoritesPost favorite);
    void favoriteDeleteIssued(::signalInterface::FavoritesTypes::FavoritesPost favorite);
    // To the relay switches: the relay and the state it has now, so that it is switched over.
    void auxRelayActivatedChanged(int relay, bool shownActivated);
    void openKeyboard(QString text);
    void closeKeyboard();
    void editedFavoriteChanged();

public slots:
    void onFavoriteEditActivated(int favorite);
    void onFavoriteEditSaveActivated();
    void onDeleteFavoriteRequested();
    void onStartFavoriteRequested();
    // Switches report the state they showed; the favorite takes the opposite.
    void onLightingStateChange(bool shownOn);
    void onFavoriteNameEditActivated();
    // The name typed on the keyboard that onFavoriteNameEditActivated opened.
    void onFavoriteNameEntered(const QString &name);
    void onAuxRelayActivatedChanged(int relay, bool shownActivated);
    // Back on the editor: a favorite with changes not saved (its name or any of its settings)
    // is not dropped without asking whether to save them.
    void onFavoriteEditCancelRequested();
    void onEditBathTimeRequested();
    void onBathTimeCommit();

    void
    onSaunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost favorite) override;
    void onSaunaTargetTemperatureChanged(int temperature) override;
    void onSaunaTargetHumidityChanged(int humidity) override;
    void onSaunaBathTimeChanged(int minutes) override;
    void onSaunaBathTimeLimitChanged(int minutes);
    void onSaunaLightsStateChange(bool on) override;
    void onSaunaAuxRelaySettingChanged(
        ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay) override;
    void onSaunaLowerTemperatureLimitChanged(int temperature);
    void onSaunaUpperTemperatureLimitChanged(int temperature);
    void onSaunaMasterFuncDescChanged(
        ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    // The favorites, relays, limits and settings were the former sauna's: an open edit ends and
    // nothing of them is kept.
    void onSaunaReplaced();

private:
    void onDeleteAnswered(const Answer &answer, const FavoritesPost &favorite);
    void onSaveChangesAnswered(const Answer &answer, const FavoritesPost &favorite);
    // Ends the favorite's edit and saves it: until then, while a not-allowed question waits, the
    // edit stays open.
    void saveConfirmed(const FavoritesPost &favorite) override;
    void save(const FavoritesPost &favorite);
    // Loads the editors with the edited favorite; what they then hold is the unchanged favorite.
    void loadEditors();
    void rebuildRelays();
    void endEdit();

    value::HumidityValueManager *m_humidityManager;
    value::TemperatureValueManager *m_temperatureManager;
    value::DurationManagerMostSignificantComponentHour *m_bathTimeManager;
    // Keeps the temperature and the humidity of the favorite within the limit tables.
    details::TemperatureHumidityPair *m_targetPair;
    view::ListModel *m_auxiliaryRelaysModel;
    details::SlotQuestion<FavoriteController, FavoritesPost> m_deleteCallback;
    details::SlotQuestion<FavoriteController, FavoritesPost> m_saveChangesCallback;

    QList<signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost> m_relays;
    bool m_editing = false;
    FavoritesPost m_edited;
    // The favorite as the editors held it when they were loaded: Back asks only after a change.
    FavoritesPost m_unchanged;

    // The sauna's current settings, as last reported.
    std::optional<int> m_saunaTemperature;
    std::optional<int> m_saunaHumidity;
    std::optional<int> m_saunaBathTime;
    bool m_saunaLights = false;
    // Whether the sauna controls humidity. Without it the editor offers none, and the favorite's
    // humidity is neither changed nor requested.
    bool m_saunaControlsHumidity = false;
};

} // namespace control
