#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/node_information_types.h"
#include "signal_interface/sauna_state_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"
#include "value/duration_manager_most_significant_component_hour.h"
#include "view_cpp/configure/reported_editor_value.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>

#include <optional>

namespace control {

// The sauna's operating state on the main screen: the power switch's requests, the bath time and
// its editor, and what the sauna reports about its state, its boards and when a start is allowed.
class SaunaStateController : public QObject
{
    Q_OBJECT
    // The bath-time editor is held until the sauna has told its bath-time limit.
    Q_PROPERTY(bool bathTimeLimitKnown READ bathTimeLimitKnown NOTIFY bathTimeLimitKnownChanged)
    // What the bath-time tile shows: the time left while the sauna runs, the set bath time
    // otherwise; empty while neither is known.
    Q_PROPERTY(QString bathTimeText READ bathTimeText NOTIFY bathTimeTextChanged)
    Q_PROPERTY(bool showsTimeLeft READ showsTimeLeft NOTIFY bathTimeTextChanged)

public:
    explicit SaunaStateController(QObject *parent = nullptr);

    // "sauna_state_bath_time_manager".
    value::DurationManagerMostSignificantComponentHour *bathTimeManager()
    {
        return &m_bathTimeManager;
    }
    signalInterface::SaunaStateTypes::SaunaState saunaState() const { return m_state; }
    int rcbCount() const { return int(m_rcbNodes.size()); }
    bool bathTimeLimitKnown() const { return m_bathTimeLimitKnown; }
    QString bathTimeText() const;
    bool showsTimeLeft() const;

    // Each returns the number of connects that failed.
    int connectSettingsBathTimeView(const QList<QObject *> &senders);
    int connectCalendarEditView(const QList<QObject *> &senders);
    int connectPowerSwitchView(const QList<QObject *> &senders);
    int connectBathTimeView(const QList<QObject *> &senders);
    int connectSystemTimeChanged(const QList<QObject *> &senders);
    int connectLanguageChanged(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);

    void notifyZeredeDidInitCompleted();
    // Appends, as the next argument, the time of day at which a start is allowed again: the last
    // known system time plus the minutes the sauna last reported, in the user's time format.
    void
    appendAllowedStartTimeArgument(signalInterface::UserMessageTypes::UserMessage &message) const;
    // Publishes the state and board count known so far.
    void emitInitialState();

signals:
    void saunaStateChangeRequested(::signalInterface::SaunaStateTypes::SaunaState state);
    void bathTimeChangeRequested(int minutes);
    void renewBathTimeRequest();
    void zeredeDidInitIsCompleted();
    void saunaRcbNumbersChanged(int count);
    void bathTimeLimitKnownChanged();
    void bathTimeTextChanged();
    // On every change the sauna reports, and again when asked to publish the state.
    void saunaPhysicalStateChanged(::signalInterface::SaunaStateTypes::SaunaState state);
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

public slots:
    void onSettingsBathTimeEditActivated();
    void onSettingsBathTimeCommit();
    // The user left the bath-time editor without saving.
    void onSettingsBathTimeEditCancelled();
    // A step of the bath-time editor; dropped while the bath-time limit is not known.
    void onBathTimeStepRequested(int component, int direction);
    void onCalendarEditActivated();
    // A SaunaState number from QML; other numbers are ignored.
    void onSaunaStateChangeRequested(int state);
    void onSaunaRenewBathTime();
    void onVibrationRequested();
    void onSystemTimeChanged(QDateTime dateTime);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

    void onSaunaPhysicalStateChanged(::signalInterface::SaunaStateTypes::SaunaState state);
    void onSaunaBathTimeChanged(int minutes);
    void onSaunaBathTimeLimitChanged(int minutes);
    // State, bath time, time left, the bath-time limit, the start hold and the relay control
    // boards were the former sauna's: off, no bath time, no limit, one board.
    void onSaunaReplaced();
    void onSaunaRunTimeLeftChanged(int minutes);
    void onSaunaTimeToAllowedOnChanged(int minutes);
    void
    onSaunaNodeListItemChanged(::signalInterface::NodeInformationTypes::NodeInformationPost node);

private:
    // The editor and the tile go back to what the sauna last reported; nothing is sent.
    void abandonBathTimeEdit();
    // The longest bath any sauna allows, until the sauna tells its own limit.
    void resetBathTimeLimit();
    const std::optional<int> &reportedBathTime() const { return m_bathTime.reported(); }

    value::DurationManagerMostSignificantComponentHour m_bathTimeManager;
    // The editor follows every bath time the sauna reports until the user steps it, also while
    // the heater settings stay open after "Save bath time" and across a change of sauna; a
    // value the user stepped to stands until it is saved or left.
    view::ReportedEditorValue<value::DurationManager> m_bathTime;
    signalInterface::SaunaStateTypes::SaunaState m_state =
        signalInterface::SaunaStateTypes::E_sauna_off;
    std::optional<int> m_runTimeLeft;
    bool m_bathTimeLimitKnown = false;
    QDateTime m_systemTime;
    int m_minutesToAllowedOn = 0;
    // Node list indexes of the relay control boards: the nodes above bus address 63.
    QSet<quint32> m_rcbNodes;
};

} // namespace control
