#include "view_cpp/configure/configure_view_manager_base.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>

namespace view {

using ::signalInterface::UserMessageAction;
using ::signalInterface::UserMessageTypes::UserMessage;
using ::signalInterface::UserMessageTypes::UserMessageType;

namespace {
constexpr int retranslationEventTimeMs = 10;
} // namespace

const signalInterface::SignalRoute ConfigureViewManagerBase::masterFuncDescRoute{
    SIGNAL(saunaMasterFuncDescChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost)),
    SLOT(onSaunaMasterFuncDescChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost))};

ConfigureViewManagerBase::ConfigureViewManagerBase(QObject *parent)
    : QObject(parent)
{}

UserMessage ConfigureViewManagerBase::makeMessage(quint32 id, UserMessageType type,
                                                  const QStringList &arguments)
{
    UserMessage message(id);
    message.type = type;
    message.arguments = arguments;
    return message;
}

void ConfigureViewManagerBase::issueNotice(quint32 id, const QStringList &arguments)
{
    issueMessage(makeMessage(id, ::signalInterface::UserMessageTypes::E_typeOneButton, arguments));
}

void ConfigureViewManagerBase::issueMessage(const UserMessage &message, UserMessageAction *action)
{
    emit panelUserMessageIssued(message, action);
}

void ConfigureViewManagerBase::askQuestion(quint32 id, UserMessageAction *action,
                                           const QStringList &arguments)
{
    issueMessage(makeMessage(id, ::signalInterface::UserMessageTypes::E_typeTwoButtons, arguments),
                 action);
}

void ConfigureViewManagerBase::processEventsAfterRetranslation()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, retranslationEventTimeMs);
}

int ConfigureViewManagerBase::connectLanguageSignals(const QList<QObject *> &senders)
{
    static const QByteArray slot = QMetaObject::normalizedSignature(
        "onLanguageChanged(::signalInterface::LanguageTypes::Language)");
    if (metaObject()->indexOfSlot(slot.constData()) < 0)
        return 0;
    // By name, so that the slot of the manager itself is found.
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(languageChanged(::signalInterface::LanguageTypes::Language)),
          SLOT(onLanguageChanged(::signalInterface::LanguageTypes::Language))}});
}

int ConfigureViewManagerBase::connectSaunaSignals(const QList<QObject *> & /*senders*/)
{
    return 0;
}

} // namespace view
