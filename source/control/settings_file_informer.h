#pragma once

#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace control {

// Tells the user about trouble with the settings files: once for each damaged file that was
// copied aside, and once per run that changes cannot be saved. The stores are opened before the
// user can be told anything, so what they find waits until startTelling().
class SettingsFileInformer : public QObject
{
    Q_OBJECT

public:
    // The settings file was damaged and has been repaired; the argument is the path of the copy
    // of the damaged file.
    static constexpr quint32 damagedFileMessageId = 0x204a;
    // The settings cannot be saved, so changes will not be kept.
    static constexpr quint32 changesNotKeptMessageId = 0x204b;

    // The one informer of the process, made on first use.
    static SettingsFileInformer &instance();

    // A settings file that did not parse completely was copied to the path.
    void onDamagedFileCopied(const QString &copyPath);
    // A settings file or its folder cannot be written.
    void onChangesNotKept();

    // Tells what was found so far at once, and from now on what is found on the next pass of the
    // event loop: a store may find trouble in the middle of another object's work.
    void startTelling();

    // Forgets what was found and told and stops telling, as in a fresh process. Never called by
    // the program itself.
    void resetForTesting();

signals:
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

private:
    SettingsFileInformer();

    void tellLater();
    void tellWaiting();
    void issue(quint32 id, const QStringList &arguments);

    QStringList m_untoldCopies;
    bool m_changesNotKept = false;
    bool m_changesNotKeptTold = false;
    bool m_telling = false;
    bool m_tellingQueued = false;
};

} // namespace control
