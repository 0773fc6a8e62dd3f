#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <deque>

namespace control {

// Queues the user messages of the panel and of the sauna system and shows them one at a time in
// the scene's popup; hands the user's answer to the raiser's action or back to the sauna.
//
// The queue is bounded, so that a peer raising messages without end cannot make it grow: a
// message equal to one shown or waiting is not queued again, and beyond MaximumWaitingMessages
// the newest is dropped (and logged). A raiser may withdraw a message that no longer holds.
//
// Popup properties written for each shown message (the popup item declares them):
// "popupKind" ("indication", "selection" or "noButton"), "popupTitle", "popupText",
// "centerButtonText", "leftButtonText", "rightButtonText", and "visible". The texts are the
// panel's own, in the language of the moment: a new language writes them again into the open
// popup, and a waiting message takes the language in force when it is shown. The arguments put
// into a message's text stay as they were raised.
//
// A system of several boards (multi-steam or Solvenno) tells which board a message of its is
// about: the popup names that board on a line after the message's text. A standard system's
// messages are shown without it.
class MessageController : public QObject
{
    Q_OBJECT

public:
    using UserMessage = signalInterface::UserMessageTypes::UserMessage;
    using UserMessageAction = signalInterface::UserMessageAction;

    // Messages waiting behind the shown one at most.
    static constexpr int MaximumWaitingMessages = 16;

    explicit MessageController(QObject *parent = nullptr);
    ~MessageController() override;

    // The scene's "popup_widget"; null is allowed: messages still queue and can be answered
    // through onPopupBtnPressed. The current message, if any, is shown in the new popup at once.
    void setPopupWidget(QObject *popup);
    QObject *popupWidget() const { return m_popup; }

    // Each returns the number of connections that failed.
    int connectPanelUserMessages(const QList<QObject *> &senders);
    // The senders' panelUserMessageWithdrawn to onPanelUserMessageWithdrawn.
    int connectPanelUserMessageWithdrawals(const QList<QObject *> &senders);
    int connectPopupButtons(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);
    // The senders' languageChanged to onLanguageChanged.
    int connectLanguageChanged(const QList<QObject *> &senders);

    bool hasCurrentMessage() const { return m_shown; }
    // The message shown now; a default message when none is.
    UserMessage currentMessage() const;
    // The text shown for the current message, its arguments filled in, its board named.
    QString currentText() const { return m_currentText; }
    // Messages waiting behind the shown one.
    int waitingMessageCount() const;
    bool isAutoCloseActive() const { return m_autoCloseTimer.isActive(); }

    // True while the action travels with a message that is shown or waiting in any message
    // controller. A raiser whose action stores an argument asks this before it stores a new one,
    // so that the answer to a pending question never acts on a later question's argument.
    static bool isActionPending(const UserMessageAction *action);

    // The popup text of a message: the id's text with the arguments put in, in one pass.
    static QString messageText(const UserMessage &message);

public slots:
    void onPanelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                  ::signalInterface::UserMessageAction *action);
    void onSaunaUserMessageChanged(::signalInterface::UserMessageTypes::UserMessage message);
    // Takes every panel message with the id and the text of this one off the queue, unanswered:
    // what it told has ceased to be true. A shown one closes and the next one is shown.
    void onPanelUserMessageWithdrawn(::signalInterface::UserMessageTypes::UserMessage message);
    void onPopupBtnPressed(QString buttonText);
    // Closes the current message without an answer; its auto-close timer ends here.
    void onPopupTimeout();
    // The shown message's title, text and buttons in the new language; its auto-close timer
    // runs on.
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    // The connected system's mode, for the sauna messages that arrive from now on.
    void onSaunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode mode);
    // Another sauna answered the connection: its mode is not known until it reports it.
    void onSaunaReplaced();

signals:
    void userMessageAnswered(::signalInterface::UserMessageTypes::UserMessage message);
    void messageClosed(::signalInterface::UserMessageTypes::UserMessage message);

private:
    struct Entry
    {
        UserMessage message;
        UserMessageAction *action = nullptr;
        bool fromSauna = false;
        // The message names its board: it came from a system of several boards.
        bool namesBoard = false;
    };

    // The popup text of the entry: its message's text, and the board's name when it names one.
    static QString shownText(const Entry &entry);

    void enqueue(Entry entry);
    // Whether the entry shows the same as one shown or waiting, and is answered the same way.
    bool isQueued(const Entry &entry) const;
    void showCurrent();
    // The shown message's kind, texts and buttons into the popup, in the current language.
    void writeCurrentTexts();
    // Takes the shown message off the queue and hides the popup.
    void closeCurrent();
    void showNextIfIdle();
    bool holdsAction(const UserMessageAction *action) const;

    // The front entry is the shown one while m_shown is set.
    std::deque<Entry> m_queue;
    bool m_shown = false;
    const UserMessageAction *m_answeringAction = nullptr;
    QPointer<QObject> m_popup;
    QString m_currentText;
    QTimer m_autoCloseTimer;
    signalInterface::MasterFuncDescTypes::SystemMode m_systemMode =
        signalInterface::MasterFuncDescTypes::E_standard;
};

} // namespace control
