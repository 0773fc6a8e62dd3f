#include "control/message_controller.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"
#include "view_cpp/message_arguments.h"
#include "view_cpp/rcb_master_slave_mode_text.h"
#include "view_cpp/user_message_provider.h"

#include <QLoggingCategory>
#include <QVariant>

#include <algorithm>
#include <limits>

namespace control {

namespace {

using namespace signalInterface::UserMessageTypes;

Q_LOGGING_CATEGORY(messageLog, "panel.messages")

// Every live message controller, so that a raiser can ask whether its action is still pending
// without knowing which controller holds it.
QList<const MessageController *> &liveControllers()
{
    static QList<const MessageController *> controllers;
    return controllers;
}

const char popupKindProperty[] = "popupKind";
const char popupTitleProperty[] = "popupTitle";
const char popupTextProperty[] = "popupText";
const char centerButtonProperty[] = "centerButtonText";
const char leftButtonProperty[] = "leftButtonText";
const char rightButtonProperty[] = "rightButtonText";
const char visibleProperty[] = "visible";

// The answer "Yes" or "No" when the button's text is the translated one; false for any other.
bool takeYesOrNo(const QString &buttonText, UserMessage &message)
{
    if (buttonText == view::LanguageSupport::yesText()) {
        message.answer = E_answerYes;
    } else if (buttonText == view::LanguageSupport::noText()) {
        message.answer = E_answerNo;
    } else {
        return false;
    }
    return true;
}

// The same id and the same text on the screen.
bool showsTheSame(const UserMessage &a, const UserMessage &b)
{
    return a.id == b.id && a.text == b.text &&
           MessageController::messageText(a) == MessageController::messageText(b);
}

} // namespace

MessageController::MessageController(QObject *parent)
    : QObject(parent)
{
    m_autoCloseTimer.setSingleShot(true);
    connect(&m_autoCloseTimer, &QTimer::timeout, this, &MessageController::onPopupTimeout);
    liveControllers().append(this);
}

MessageController::~MessageController()
{
    liveControllers().removeOne(this);
}

void MessageController::setPopupWidget(QObject *popup)
{
    m_popup = popup;
    if (m_shown) {
        showCurrent();
    }
}

int MessageController::connectPanelUserMessages(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage,
                                        ::signalInterface::UserMessageAction *)),
          SLOT(onPanelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage,
                                        ::signalInterface::UserMessageAction *))}});
}

int MessageController::connectPanelUserMessageWithdrawals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(panelUserMessageWithdrawn(::signalInterface::UserMessageTypes::UserMessage)),
          SLOT(onPanelUserMessageWithdrawn(::signalInterface::UserMessageTypes::UserMessage))}});
}

int MessageController::connectPopupButtons(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(popupBtnPressed(QString)), SLOT(onPopupBtnPressed(QString))}});
}

int MessageController::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaUserMessageChanged(::signalInterface::UserMessageTypes::UserMessage)),
          SLOT(onSaunaUserMessageChanged(::signalInterface::UserMessageTypes::UserMessage))},
         {SIGNAL(saunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode)),
          SLOT(onSaunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode))}});
}

int MessageController::connectLanguageChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(languageChanged(::signalInterface::LanguageTypes::Language)),
          SLOT(onLanguageChanged(::signalInterface::LanguageTypes::Language))}});
}

MessageController::UserMessage MessageController::currentMessage() const
{
    return m_shown ? m_queue.front().message : UserMessage();
}

int MessageController::waitingMessageCount() const
{
    return static_cast<int>(m_queue.size()) - (m_shown ? 1 : 0);
}

bool MessageController::isActionPending(const UserMessageAction *action)
{
    const QList<const MessageController *> &controllers = liveControllers();
    return action != nullptr &&
           std::any_of(controllers.begin(), controllers.end(),
                       [action](const MessageController *c) { return c->holdsAction(action); });
}

QString MessageController::messageText(const UserMessage &message)
{
    const int id = static_cast<int>(message.id);
    const QSharedPointer<QString> text = view::UserMessageProvider::instance()->findText(id);
    const QString base = text ? *text : view::UserMessageProvider::unknownMessageText(id);
    return view::message::fillArguments(base, message.arguments);
}

void MessageController::onPanelUserMessageIssued(
    ::signalInterface::UserMessageTypes::UserMessage message,
    ::signalInterface::UserMessageAction *action)
{
    // The same question again while its first raising waits for an answer would make one answer
    // act twice, and on whatever argument was stored last.
    if (isActionPending(action)) {
        return;
    }
    enqueue({message, action, false});
}

void MessageController::onSaunaUserMessageChanged(
    ::signalInterface::UserMessageTypes::UserMessage message)
{
    // Whether it names its board is settled now: the mode may change before it is shown.
    const bool namesBoard =
        message.hasBoard &&
        signalInterface::MasterFuncDescTypes::isNonStandardSystemMode(m_systemMode);
    enqueue({message, nullptr, true, namesBoard});
}

void MessageController::onSaunaSystemModeChanged(
    ::signalInterface::MasterFuncDescTypes::SystemMode mode)
{
    m_systemMode = mode;
}

void MessageController::onSaunaReplaced()
{
    m_systemMode = signalInterface::MasterFuncDescTypes::E_standard;
}

QString MessageController::shownText(const Entry &entry)
{
    const QString text = messageText(entry.message);
    const QString board =
        entry.namesBoard ? view::rcbMasterSlaveModeText(entry.message.board) : QString();
    return board.isEmpty() ? text : text + QLatin1Char('\n') + board;
}

void MessageController::onPanelUserMessageWithdrawn(
    ::signalInterface::UserMessageTypes::UserMessage message)
{
    const auto withdrawn = [&message](const Entry &entry) {
        return !entry.fromSauna && showsTheSame(entry.message, message);
    };
    const bool shownWithdrawn = m_shown && withdrawn(m_queue.front());
    const UserMessage closed = shownWithdrawn ? m_queue.front().message : UserMessage();
    if (shownWithdrawn) {
        closeCurrent();
    }
    m_queue.erase(std::remove_if(m_queue.begin(), m_queue.end(), withdrawn), m_queue.end());
    if (shownWithdrawn) {
        emit messageClosed(closed);
    }
    showNextIfIdle();
}

void MessageController::onPopupBtnPressed(QString buttonText)
{
    if (!m_shown) {
        return;
    }
    Entry entry = m_queue.front();
    switch (entry.message.type) {
    case E_typeOneButton:
    case E_typeOneButtonAlt:
        entry.message.answer = E_answerAcknowledged;
        break;
    case E_typeTwoButtons:
        if (!takeYesOrNo(buttonText, entry.message)) {
            // A question is answered only by one of its two buttons.
            return;
        }
        break;
    case E_typeNone:
    case E_typeNoButton:
        // Any press closes these; the answer stays as the message came unless it was "Yes" or
        // "No". The sauna hears it all the same: it waits for an answer to every message.
        takeYesOrNo(buttonText, entry.message);
        break;
    }

    // The action stays pending until it has run: it reads the argument stored with this
    // question, which a new raising of the same question would overwrite.
    closeCurrent();
    m_answeringAction = entry.action;
    if (entry.fromSauna) {
        emit userMessageAnswered(entry.message);
    } else if (entry.action != nullptr) {
        entry.action->execute(entry.message.answer);
    }
    m_answeringAction = nullptr;
    emit messageClosed(entry.message);
    showNextIfIdle();
}

void MessageController::onPopupTimeout()
{
    if (m_shown) {
        const UserMessage closed = m_queue.front().message;
        closeCurrent();
        emit messageClosed(closed);
        showNextIfIdle();
    }
}

void MessageController::onLanguageChanged(::signalInterface::LanguageTypes::Language)
{
    if (m_shown) {
        writeCurrentTexts();
    }
}

void MessageController::enqueue(Entry entry)
{
    // A message raised again and again (a recurring event, a peer repeating itself) is shown once.
    if (isQueued(entry)) {
        return;
    }
    if (waitingMessageCount() >= MaximumWaitingMessages) {
        qCWarning(messageLog, "%d messages wait already; message 0x%x %s dropped",
                  MaximumWaitingMessages, entry.message.id,
                  entry.fromSauna ? "from the sauna" : "of the panel");
        return;
    }
    m_queue.push_back(std::move(entry));
    showNextIfIdle();
}

bool MessageController::isQueued(const Entry &entry) const
{
    // The origin and the action count too: a sauna message must reach the sauna with its answer,
    // and each action must hear the answer to its own question.
    return std::any_of(m_queue.begin(), m_queue.end(), [&entry](const Entry &queued) {
        return queued.fromSauna == entry.fromSauna && queued.action == entry.action &&
               showsTheSame(queued.message, entry.message) && shownText(queued) == shownText(entry);
    });
}

void MessageController::showCurrent()
{
    const UserMessage &message = m_queue.front().message;
    m_shown = true;
    writeCurrentTexts();
    if (m_popup) {
        m_popup->setProperty(visibleProperty, true);
    }

    if (message.timeout != 0) {
        // QTimer takes an int; a longer timeout than it can hold is as good as none.
        const quint32 limit = static_cast<quint32>(std::numeric_limits<int>::max());
        m_autoCloseTimer.start(static_cast<int>(std::min(message.timeout, limit)));
    } else {
        m_autoCloseTimer.stop();
    }
}

void MessageController::writeCurrentTexts()
{
    const UserMessage &message = m_queue.front().message;
    m_currentText = shownText(m_queue.front());
    if (!m_popup) {
        return;
    }

    QString kind;
    QString title;
    QString center;
    QString left;
    QString right;
    switch (message.type) {
    case E_typeOneButton:
        kind = QStringLiteral("indication");
        title = view::LanguageSupport::infoText();
        center = view::LanguageSupport::okText();
        break;
    case E_typeTwoButtons:
        kind = QStringLiteral("selection");
        title = view::LanguageSupport::infoText();
        left = view::LanguageSupport::yesText();
        right = view::LanguageSupport::noText();
        break;
    case E_typeOneButtonAlt:
        kind = QStringLiteral("indication");
        title = view::LanguageSupport::errorText();
        center = view::LanguageSupport::okText();
        break;
    case E_typeNoButton:
        kind = QStringLiteral("noButton");
        title = view::LanguageSupport::errorText();
        break;
    case E_typeNone:
        // No kind of its own: a plain notice without a title, closed with its one button, never
        // the buttons of the message before it.
        kind = QStringLiteral("indication");
        center = view::LanguageSupport::okText();
        break;
    }
    m_popup->setProperty(popupKindProperty, kind);
    m_popup->setProperty(popupTitleProperty, title);
    m_popup->setProperty(centerButtonProperty, center);
    m_popup->setProperty(leftButtonProperty, left);
    m_popup->setProperty(rightButtonProperty, right);
    m_popup->setProperty(popupTextProperty, m_currentText);
}

void MessageController::closeCurrent()
{
    m_autoCloseTimer.stop();
    m_queue.pop_front();
    m_shown = false;
    m_currentText.clear();
    if (m_popup) {
        m_popup->setProperty(visibleProperty, false);
    }
}

void MessageController::showNextIfIdle()
{
    if (!m_shown && !m_queue.empty()) {
        showCurrent();
    }
}

bool MessageController::holdsAction(const UserMessageAction *action) const
{
    return (m_answeringAction != nullptr && m_answeringAction == action) ||
           std::any_of(m_queue.begin(), m_queue.end(),
                       [action](const Entry &entry) { return entry.action == action; });
}

} // namespace control
