#include "control/settings_file_informer.h"

#include <QMetaObject>

#include <utility>

namespace control {

using ::signalInterface::UserMessageTypes::UserMessage;

SettingsFileInformer &SettingsFileInformer::instance()
{
    // Never deleted: the stores may report to it until the very end of the process.
    static SettingsFileInformer *informer = new SettingsFileInformer;
    return *informer;
}

SettingsFileInformer::SettingsFileInformer() = default;

void SettingsFileInformer::onDamagedFileCopied(const QString &copyPath)
{
    m_untoldCopies << copyPath;
    tellLater();
}

void SettingsFileInformer::onChangesNotKept()
{
    // Called after every write of a store that failed once; only the first call counts.
    if (m_changesNotKept)
        return;
    m_changesNotKept = true;
    tellLater();
}

void SettingsFileInformer::startTelling()
{
    m_telling = true;
    tellWaiting();
}

void SettingsFileInformer::resetForTesting()
{
    m_untoldCopies.clear();
    m_changesNotKept = false;
    m_changesNotKeptTold = false;
    m_telling = false;
    m_tellingQueued = false;
}

void SettingsFileInformer::tellLater()
{
    if (!m_telling || m_tellingQueued)
        return;
    m_tellingQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_tellingQueued = false;
            if (m_telling)
                tellWaiting();
        },
        Qt::QueuedConnection);
}

void SettingsFileInformer::tellWaiting()
{
    const QStringList copies = std::exchange(m_untoldCopies, {});
    for (const QString &copyPath : copies)
        issue(damagedFileMessageId, {copyPath});
    if (m_changesNotKept && !m_changesNotKeptTold) {
        m_changesNotKeptTold = true;
        issue(changesNotKeptMessageId, {});
    }
}

void SettingsFileInformer::issue(quint32 id, const QStringList &arguments)
{
    UserMessage message(id);
    message.type = ::signalInterface::UserMessageTypes::E_typeOneButton;
    message.arguments = arguments;
    emit panelUserMessageIssued(message, nullptr);
}

} // namespace control
