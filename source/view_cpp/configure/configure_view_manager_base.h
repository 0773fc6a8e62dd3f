#pragma once

#include "signal_interface/sender_connections.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QList>
#include <QObject>
#include <QStringList>

namespace view {

// The part every settings screen's manager shares: navigation and message signals, and the one
// toggle convention.
class ConfigureViewManagerBase : public QObject
{
    Q_OBJECT

public:
    // A QML switch reports the state it showed when it was tapped; the request is its opposite.
    static bool requestedFromShown(bool shown) { return !shown; }

    // Each returns the number of failed connections.
    // The language controller's languageChanged(Language), to the manager's own
    // onLanguageChanged(Language) slot; a manager without texts of its own declares no such slot
    // and hears nothing.
    virtual int connectLanguageSignals(const QList<QObject *> &senders);
    // The bridge receiver's reports that the screen shows; a screen that shows none connects
    // nothing.
    virtual int connectSaunaSignals(const QList<QObject *> &senders);

public slots:
    // Another sauna has taken the connection: a screen that keeps the sauna's values forgets
    // them and shows "no value" until the new sauna reports. The panel's own settings stay.
    virtual void onSaunaReplaced() {}

signals:
    // A ConfigureTypes id of the area; QML opens the page or editor of that id.
    void editSelected(int id);
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

protected:
    explicit ConfigureViewManagerBase(QObject *parent);

    // The bridge receiver's function description, to the manager's own
    // onSaunaMasterFuncDescChanged(MasterFuncDescPost) slot: the report most screens follow.
    static const signalInterface::SignalRoute masterFuncDescRoute;

    // A message built from the defaults with the given id, kind and text arguments.
    static ::signalInterface::UserMessageTypes::UserMessage
    makeMessage(quint32 id, ::signalInterface::UserMessageTypes::UserMessageType type,
                const QStringList &arguments = {});
    // A one-button notice without an action.
    void issueNotice(quint32 id, const QStringList &arguments = {});
    void issueMessage(const ::signalInterface::UserMessageTypes::UserMessage &message,
                      ::signalInterface::UserMessageAction *action = nullptr);
    // A two-button question whose answer goes to the action (owned by the manager).
    void askQuestion(quint32 id, ::signalInterface::UserMessageAction *action,
                     const QStringList &arguments = {});

    // After a retranslation: lets the scene repaint the new texts, without user input.
    static void processEventsAfterRetranslation();
};

} // namespace view
