#pragma once

#include "control/details/panel_questions.h"
#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/favorites_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <optional>

namespace control::details {

class CalendarDataProvider;

// What the favorite list and the favorite editor share: the sauna's favorites as last reported,
// the sauna's current settings that a favorite is made from or compared with, and the rule for a
// favorite's name.
class FavoriteControllerBase : public QObject
{
    Q_OBJECT

public:
    using Answer = signalInterface::UserMessageTypes::UserMessageAnswer;
    using FavoritesPost = signalInterface::FavoritesTypes::FavoritesPost;

    static constexpr int favoriteCount = 8;

    // The calendar whose programs a saved favorite may move into the not-allowed start window.
    void setCalendar(const CalendarDataProvider *calendar) { m_calendar = calendar; }

signals:
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

public slots:
    virtual void
    onSaunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost favorite) = 0;
    virtual void onSaunaTargetTemperatureChanged(int temperature) = 0;
    virtual void onSaunaTargetHumidityChanged(int humidity) = 0;
    virtual void onSaunaBathTimeChanged(int minutes) = 0;
    virtual void onSaunaLightsStateChange(bool on) = 0;
    virtual void onSaunaAuxRelaySettingChanged(
        ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay) = 0;

protected:
    // The favorites start unused, each with its index.
    explicit FavoriteControllerBase(QObject *parent);

    // The bridge receiver's favorites and current settings, to the slots above; returns the
    // number of failed connections.
    int connectFavoritesAndCurrentSettings(const QList<QObject *> &senders);
    // The typed name without the spaces around it, when a favorite may have it: not empty and
    // not too long for the sauna. Each character the sauna cannot show becomes '_', and the user
    // is told which were replaced.
    std::optional<QString> acceptableName(const QString &typed);
    // Every favorite back to unused, each with its index, as before the sauna reported any.
    void forgetFavorites();

    // Saves a changed favorite with saveConfirmed, once the user has said Yes where a program
    // that uses it would then start in the not-allowed window; No saves nothing. While the
    // question waits, another request is not asked again.
    void saveChecked(const FavoritesPost &favorite);
    virtual void saveConfirmed(const FavoritesPost &favorite) = 0;

    // Whether the favorite's slot holds it as it is: a question's Yes is carried out only so.
    bool holds(const FavoritesPost &favorite) const
    {
        return m_favorites[favorite.index] == favorite;
    }
    // A Yes not carried out, its favorite changed at another panel while the question waited.
    // The editor's user was told as the change came.
    virtual void answerDropped() {}

    std::array<FavoritesPost, favoriteCount> m_favorites;

private:
    void onNotAllowedStartAnswered(const Answer &answer, const FavoritesPost &favorite);

    const CalendarDataProvider *m_calendar = nullptr;
    SlotQuestion<FavoriteControllerBase, FavoritesPost> m_notAllowedStartCallback;
};

} // namespace control::details
