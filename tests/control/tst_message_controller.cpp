#include "control/message_controller.h"
#include "pc_panel/connection_informer.h"
#include "signal_interface/user_message_action.h"
#include "view_cpp/user_message_callback1.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTranslator>

using control::MessageController;
using namespace signalInterface::UserMessageTypes;

namespace {

// Records every answer it is given; never deleted by the controller.
class RecordingAction : public signalInterface::UserMessageAction
{
public:
    void execute(const UserMessageAnswer &answer) override { answers.append(answer); }
    QList<UserMessageAnswer> answers;
};

UserMessage message(quint32 id, UserMessageType type, QStringList arguments = {})
{
    UserMessage result(id);
    result.type = type;
    result.arguments = std::move(arguments);
    return result;
}

// The raiser of a question about one stored favorite name, as a controller with a
// UserMessageCallback1 member raises it: it stores the argument only while no earlier
// raising of the same question waits for an answer.
class QuestionOwner : public QObject
{
    Q_OBJECT

public:
    QuestionOwner()
        : m_callback(this, &QuestionOwner::onAnswer)
    {}

    bool ask(const QString &name)
    {
        if (MessageController::isActionPending(&m_callback)) {
            return false;
        }
        m_callback.setArgument(name);
        emit panelUserMessageIssued(message(0x2015, E_typeTwoButtons, {name}), &m_callback);
        return true;
    }

    QStringList deleted;
    // Set to make the answer try to raise the same question again at once.
    QString askOnAnswer;
    bool askOnAnswerAccepted = false;

signals:
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

private:
    void onAnswer(const UserMessageAnswer &answer, const QString &name)
    {
        if (!askOnAnswer.isEmpty()) {
            askOnAnswerAccepted = ask(askOnAnswer);
        }
        if (answer == E_answerYes) {
            deleted.append(name);
        }
    }

    view::message::UserMessageCallback1<QuestionOwner, QString> m_callback;
};

// The bridge ends of the sauna's user messages: the receiver's report and the sender's slot.
class SaunaBridge : public QObject
{
    Q_OBJECT

public:
    QList<UserMessage> answers;

public slots:
    void onUserMessageAnswered(::signalInterface::UserMessageTypes::UserMessage message)
    {
        answers.append(message);
    }

signals:
    void saunaUserMessageChanged(::signalInterface::UserMessageTypes::UserMessage message);
    void saunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode mode);
};

// A QML popup stand-in: a QObject whose properties are written by the controller.
// The popup as the controller writes it: every text it is given is a message shown.
class Popup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString popupText READ popupText WRITE setPopupText)

public:
    QString popupText() const { return shownTexts.isEmpty() ? QString() : shownTexts.last(); }
    void setPopupText(const QString &text) { shownTexts << text; }

    QStringList shownTexts;

signals:
    void popupBtnPressed(QString text);
};

// The language controller's end: it tells of each new language.
class LanguageSource : public QObject
{
    Q_OBJECT

signals:
    void languageChanged(::signalInterface::LanguageTypes::Language language);
};

// A language of its own: every text it is asked for, marked with the language's code, so that a
// test can tell which language a text was looked up in.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(QString code)
        : m_code(std::move(code))
    {}

    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QStringLiteral("%1:%2").arg(m_code, QString::fromUtf8(sourceText));
    }

private:
    QString m_code;
};

// The translator installed for the life of a test, removed at its end.
class InstalledLanguage
{
public:
    explicit InstalledLanguage(const QString &code)
        : m_translator(code)
    {
        QCoreApplication::installTranslator(&m_translator);
    }
    ~InstalledLanguage() { QCoreApplication::removeTranslator(&m_translator); }
    InstalledLanguage(const InstalledLanguage &) = delete;
    InstalledLanguage &operator=(const InstalledLanguage &) = delete;

private:
    MarkingTranslator m_translator;
};

} // namespace

// Checks the message queue: one message at a time, the popup kinds, the answers and who gets them.
class TestMessageController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void showsOneMessageAtATime();
    void popupKindTitleAndButtons_data();
    void popupKindTitleAndButtons();
    void everyQuestionIsTitledInfo();
    void typeNoneShowsItsOwnButtons();
    void answersByType_data();
    void answersByType();
    void questionIgnoresOtherButtonTexts();
    void actionExecutedOnceAndNotDeleted();
    void saunaMessageAnsweredToSauna();
    void nullPopupStillQueuesAndAnswers();
    void popupSetLaterShowsCurrentMessage();
    void timeoutClosesWithoutAnswer();
    void pendingActionNotRaisedAgain();
    void storedArgumentOfPendingQuestionKept();
    void questionNotRaisedAgainWhileAnswered();
    void nextQuestionAfterAnswer();
    void textFilledInOnePass();
    void unknownIdText();
    void connectOperationsCountFailures();
    void equalMessageNotQueuedAgain_data();
    void equalMessageNotQueuedAgain();
    void queueBoundDropsTheNewest();
    void closedMessageFreesItsPlace_data();
    void closedMessageFreesItsPlace();
    void withdrawnMessageLeavesTheQueue();
    void withdrawnShownMessageShowsTheNext();
    void connectionNoticesFollowTheConnection();
    void shownMessageTakesNewLanguage();
    void saunaMessageNamesItsBoardOnASystemOfSeveralBoards();
    void waitingQuestionShownAndAnsweredInNewLanguage();
};

void TestMessageController::initTestCase()
{
    qRegisterMetaType<UserMessage>();
    qRegisterMetaType<signalInterface::UserMessageAction *>();
}

void TestMessageController::showsOneMessageAtATime()
{
    MessageController controller;
    Popup popup;
    controller.setPopupWidget(&popup);
    const QStringList &shown = popup.shownTexts;

    controller.onPanelUserMessageIssued(message(0x2001, E_typeOneButton), nullptr);
    controller.onSaunaUserMessageChanged(message(0x1005, E_typeOneButton));
    controller.onPanelUserMessageIssued(message(0x2023, E_typeOneButton), nullptr);

    QCOMPARE(shown.count(), 1);
    QCOMPARE(controller.currentMessage().id, 0x2001u);
    QCOMPARE(controller.waitingMessageCount(), 2);
    QCOMPARE(popup.property("popupText").toString(), QStringLiteral("Not implemented"));
    QCOMPARE(popup.property("visible").toBool(), true);

    controller.onPopupBtnPressed(QStringLiteral("Ok"));
    QCOMPARE(shown.count(), 2);
    QCOMPARE(controller.currentMessage().id, 0x1005u);
    QCOMPARE(popup.property("popupText").toString(),
             QStringLiteral("Perform control/clean of tank"));

    controller.onPopupBtnPressed(QStringLiteral("Ok"));
    controller.onPopupBtnPressed(QStringLiteral("Ok"));
    QCOMPARE(shown.count(), 3);
    QVERIFY(!controller.hasCurrentMessage());
    QCOMPARE(popup.property("visible").toBool(), false);

    // A press with nothing shown answers nothing.
    controller.onPopupBtnPressed(QStringLiteral("Ok"));
    QVERIFY(!controller.hasCurrentMessage());
}

void TestMessageController::popupKindTitleAndButtons_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("center");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::newRow("one button") << 1 << "indication"
                                << "Info"
                                << "Ok"
                                << ""
                                << "";
    QTest::newRow("two buttons") << 2 << "selection"
                                 << "Info"
                                 << ""
                                 << "Yes"
                                 << "No";
    QTest::newRow("one button, error") << 3 << "indication"
                                       << "Error"
                                       << "Ok"
                                       << ""
                                       << "";
    QTest::newRow("no button") << 4 << "noButton"
                               << "Error"
                               << ""
                               << ""
                               << "";
}

void TestMessageController::popupKindTitleAndButtons()
{
    QFETCH(int, type);
    MessageController controller;
    Popup popup;
    // Left over from an earlier message: a kind that sets texts must overwrite them all.
    popup.setProperty("centerButtonText", QStringLiteral("stale"));
    popup.setProperty("leftButtonText", QStringLiteral("stale"));
    popup.setProperty("rightButtonText", QStringLiteral("stale"));
    controller.setPopupWidget(&popup);

    controller.onPanelUserMessageIssued(message(0x2022, static_cast<UserMessageType>(type)),
                                        nullptr);

    QTEST(popup.property("popupKind").toString(), "kind");
    QTEST(popup.property("popupTitle").toString(), "title");
    QTEST(popup.property("centerButtonText").toString(), "center");
    QTEST(popup.property("leftButtonText").toString(), "left");
    QTEST(popup.property("rightButtonText").toString(), "right");
    QCOMPARE(popup.property("popupText").toString(), QStringLiteral("Confirm factory reset?"));
}

// Every question reads "Info", whatever it asks, just as a notice does.
void TestMessageController::everyQuestionIsTitledInfo()
{
    MessageController controller;
    Popup popup;
    controller.setPopupWidget(&popup);
    RecordingAction deleteFavorite;
    RecordingAction deleteProgram;
    RecordingAction other;
    controller.onPanelUserMessageIssued(message(0x2008, E_typeTwoButtons), &deleteFavorite);
    controller.onPanelUserMessageIssued(message(0x2015, E_typeTwoButtons, {"Monday 18:00"}),
                                        &deleteProgram);
    controller.onPanelUserMessageIssued(message(0x2003, E_typeTwoButtons, {"post"}), &other);

    QCOMPARE(popup.property("popupTitle").toString(), QStringLiteral("Info"));
    controller.onPopupBtnPressed(QStringLiteral("No"));
    QCOMPARE(popup.property("popupTitle").toString(), QStringLiteral("Info"));
    QCOMPARE(popup.property("popupText").toString(),
             QStringLiteral("Confirm delete of Monday 18:00?"));
    controller.onPopupBtnPressed(QStringLiteral("No"));
    QCOMPARE(popup.property("popupTitle").toString(), QStringLiteral("Info"));
}

// A message without a kind is a plain notice with one button, whatever the message before it
// showed.
void TestMessageController::typeNoneShowsItsOwnButtons()
{
    MessageController controller;
    Popup popup;
    controller.setPopupWidget(&popup);

    controller.onSaunaUserMessageChanged(message(0x100d, E_typeTwoButtons));
    controller.onSaunaUserMessageChanged(message(0x1009, E_typeNone));
    controller.onPopupBtnPressed(QStringLiteral("Yes"));

    QCOMPARE(popup.property("popupKind").toString(), QStringLiteral("indication"));
    QCOMPARE(popup.property("popupTitle").toString(), QString());
    QCOMPARE(popup.property("centerButtonText").toString(), QStringLiteral("Ok"));
    QCOMPARE(popup.property("leftButtonText").toString(), QString());
    QCOMPARE(popup.property("rightButtonText").toString(), QString());
    QCOMPARE(popup.property("popupText").toString(), QStringLiteral("Descaling completed"));
    QCOMPARE(popup.property("visible").toBool(), true);
}

void TestMessageController::answersByType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("one button acknowledges") << 1 << "Ok" << 1;
    QTest::newRow("one button, any text") << 1 << "whatever" << 1;
    QTest::newRow("error button acknowledges") << 3 << "Ok" << 1;
    QTest::newRow("question yes") << 2 << "Yes" << 2;
    QTest::newRow("question no") << 2 << "No" << 3;
    // Any press closes a message without a kind or without buttons, and is its answer.
    QTest::newRow("no kind, yes") << 0 << "Yes" << 2;
    QTest::newRow("no kind, no") << 0 << "No" << 3;
    QTest::newRow("no kind, ok") << 0 << "Ok" << 0;
    QTest::newRow("no button, yes") << 4 << "Yes" << 2;
    QTest::newRow("no button, other") << 4 << "" << 0;
}

// The same answer reaches the panel's own raiser and the sauna.
void TestMessageController::answersByType()
{
    QFETCH(int, type);
    QFETCH(QString, button);
    QFETCH(int, answer);
    MessageController controller;
    QSignalSpy answered(&controller, &MessageController::userMessageAnswered);
    RecordingAction action;
    const UserMessage raised = message(0x100d, static_cast<UserMessageType>(type));

    controller.onPanelUserMessageIssued(raised, &action);
    controller.onPopupBtnPressed(button);
    controller.onSaunaUserMessageChanged(raised);
    controller.onPopupBtnPressed(button);

    QCOMPARE(action.answers, QList<UserMessageAnswer>{static_cast<UserMessageAnswer>(answer)});
    QCOMPARE(answered.count(), 1);
    QCOMPARE(answered.at(0).at(0).value<UserMessage>().answer,
             static_cast<UserMessageAnswer>(answer));
    QVERIFY(!controller.hasCurrentMessage());
}

void TestMessageController::questionIgnoresOtherButtonTexts()
{
    MessageController controller;
    RecordingAction action;
    controller.onPanelUserMessageIssued(message(0x2008, E_typeTwoButtons), &action);

    controller.onPopupBtnPressed(QStringLiteral("Ok"));
    controller.onPopupBtnPressed(QString());

    QVERIFY(action.answers.isEmpty());
    QVERIFY(controller.hasCurrentMessage());
}

void TestMessageController::actionExecutedOnceAndNotDeleted()
{
    MessageController controller;
    RecordingAction action;
    QSignalSpy answered(&controller, &MessageController::userMessageAnswered);

    controller.onPanelUserMessageIssued(message(0x200a, E_typeTwoButtons), &action);
    controller.onPopupBtnPressed(QStringLiteral("Yes"));
    controller.onPopupBtnPressed(QStringLiteral("Yes"));

    QCOMPARE(action.answers, QList<UserMessageAnswer>{E_answerYes});
    // A panel message never goes to the sauna.
    QCOMPARE(answered.count(), 0);
    // Still alive: the owner may raise the same question again.
    controller.onPanelUserMessageIssued(message(0x200a, E_typeTwoButtons), &action);
    controller.onPopupBtnPressed(QStringLiteral("No"));
    QCOMPARE(action.answers, (QList<UserMessageAnswer>{E_answerYes, E_answerNo}));
}

void TestMessageController::saunaMessageAnsweredToSauna()
{
    MessageController controller;
    QSignalSpy answered(&controller, &MessageController::userMessageAnswered);
    UserMessage question = message(0x100d, E_typeTwoButtons);
    question.timeout = 0;
    question.hasBoard = true;
    question.board = signalInterface::NodeInformationTypes::E_slave_1;

    controller.onSaunaUserMessageChanged(question);
    controller.onPopupBtnPressed(QStringLiteral("No"));

    QCOMPARE(answered.count(), 1);
    UserMessage expected = question;
    expected.answer = E_answerNo;
    QCOMPARE(answered.at(0).at(0).value<UserMessage>(), expected);
}

void TestMessageController::nullPopupStillQueuesAndAnswers()
{
    MessageController controller;
    controller.setPopupWidget(nullptr);
    RecordingAction first;
    RecordingAction second;

    controller.onPanelUserMessageIssued(message(0x2008, E_typeTwoButtons), &first);
    controller.onPanelUserMessageIssued(message(0x2022, E_typeTwoButtons), &second);
    QCOMPARE(controller.currentText(), QStringLiteral("Confirm favorite delete?"));
    QCOMPARE(controller.waitingMessageCount(), 1);

    controller.onPopupBtnPressed(QStringLiteral("Yes"));
    controller.onPopupBtnPressed(QStringLiteral("No"));
    QCOMPARE(first.answers, QList<UserMessageAnswer>{E_answerYes});
    QCOMPARE(second.answers, QList<UserMessageAnswer>{E_answerNo});
}

void TestMessageController::popupSetLaterShowsCurrentMessage()
{
    MessageController controller;
    controller.onPanelUserMessageIssued(message(0x2023, E_typeOneButton), nullptr);

    Popup popup;
    controller.setPopupWidget(&popup);
    QCOMPARE(popup.property("popupText").toString(), QStringLiteral("PIN code changed"));
    QCOMPARE(popup.property("visible").toBool(), true);

    {
        // A popup destroyed with the scene is forgotten, not written to.
        auto *gone = new Popup;
        controller.setPopupWidget(gone);
        delete gone;
    }
    QVERIFY(controller.popupWidget() == nullptr);
    controller.onPopupBtnPressed(QStringLiteral("Ok"));
    QVERIFY(!controller.hasCurrentMessage());
}

void TestMessageController::timeoutClosesWithoutAnswer()
{
    MessageController controller;
    Popup popup;
    controller.setPopupWidget(&popup);
    RecordingAction action;
    QSignalSpy answered(&controller, &MessageController::userMessageAnswered);

    UserMessage timed = message(0x2026, E_typeNoButton, {QStringLiteral("Sauna")});
    timed.timeout = 5000;
    controller.onSaunaUserMessageChanged(timed);
    controller.onPanelUserMessageIssued(message(0x2008, E_typeTwoButtons), &action);
    QVERIFY(controller.isAutoCloseActive());

    controller.onPopupTimeout();
    QCOMPARE(answered.count(), 0);
    QCOMPARE(controller.currentMessage().id, 0x2008u);
    // The next message has no timeout: it stays until answered.
    QVERIFY(!controller.isAutoCloseActive());
    QCOMPARE(popup.property("visible").toBool(), true);
    QVERIFY(action.answers.isEmpty());
}

void TestMessageController::pendingActionNotRaisedAgain()
{
    MessageController controller;
    Popup popup;
    controller.setPopupWidget(&popup);
    RecordingAction action;

    controller.onPanelUserMessageIssued(message(0x2001, E_typeOneButton), nullptr);
    controller.onPanelUserMessageIssued(message(0x2008, E_typeTwoButtons), &action);
    QVERIFY(MessageController::isActionPending(&action));
    controller.onPanelUserMessageIssued(message(0x2008, E_typeTwoButtons), &action);
    QCOMPARE(controller.waitingMessageCount(), 1);

    controller.onPopupBtnPressed(QStringLiteral("Ok"));
    controller.onPopupBtnPressed(QStringLiteral("Yes"));
    QVERIFY(!controller.hasCurrentMessage());
    QCOMPARE(action.answers, QList<UserMessageAnswer>{E_answerYes});
    QVERIFY(!MessageController::isActionPending(&action));
    QCOMPARE(popup.shownTexts.size(), 2);
}

void TestMessageController::storedArgumentOfPendingQuestionKept()
{
    MessageController controller;
    QuestionOwner owner;
    QCOMPARE(controller.connectPanelUserMessages({&owner}), 0);

    QVERIFY(owner.ask(QStringLiteral("Evening")));
    // A second delete while the first still waits must not replace the stored name.
    QVERIFY(!owner.ask(QStringLiteral("Morning")));
    QCOMPARE(controller.currentText(), QStringLiteral("Confirm delete of Evening?"));

    controller.onPopupBtnPressed(QStringLiteral("Yes"));
    QCOMPARE(owner.deleted, QStringList{QStringLiteral("Evening")});

    QVERIFY(owner.ask(QStringLiteral("Morning")));
    controller.onPopupBtnPressed(QStringLiteral("Yes"));
    QCOMPARE(owner.deleted, (QStringList{QStringLiteral("Evening"), QStringLiteral("Morning")}));
}

void TestMessageController::questionNotRaisedAgainWhileAnswered()
{
    MessageController controller;
    QuestionOwner owner;
    controller.connectPanelUserMessages({&owner});
    owner.askOnAnswer = QStringLiteral("B");

    QVERIFY(owner.ask(QStringLiteral("A")));
    controller.onPopupBtnPressed(QStringLiteral("Yes"));

    // Storing "B" while the answer to "A" runs would make it delete "B".
    QVERIFY(!owner.askOnAnswerAccepted);
    QCOMPARE(owner.deleted, QStringList{QStringLiteral("A")});
    QVERIFY(!controller.hasCurrentMessage());
}

void TestMessageController::nextQuestionAfterAnswer()
{
    MessageController controller;
    QuestionOwner owner;
    controller.connectPanelUserMessages({&owner});
    QSignalSpy closed(&controller, &MessageController::messageClosed);

    QObject::connect(&controller, &MessageController::messageClosed, &owner,
                     [&owner](const UserMessage &message) {
                         if (message.arguments == QStringList{QStringLiteral("A")}) {
                             QVERIFY(owner.ask(QStringLiteral("B")));
                         }
                     });
    QVERIFY(owner.ask(QStringLiteral("A")));
    controller.onPopupBtnPressed(QStringLiteral("Yes"));

    QCOMPARE(closed.count(), 1);
    QCOMPARE(closed.at(0).at(0).value<UserMessage>().answer, E_answerYes);
    QCOMPARE(owner.deleted, QStringList{QStringLiteral("A")});
    QCOMPARE(controller.currentText(), QStringLiteral("Confirm delete of B?"));
    controller.onPopupBtnPressed(QStringLiteral("Yes"));
    QCOMPARE(owner.deleted, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
}

void TestMessageController::textFilledInOnePass()
{
    MessageController controller;
    controller.onPanelUserMessageIssued(
        message(0x2020, E_typeTwoButtons, {QStringLiteral("%2"), QStringLiteral("22:00")}),
        nullptr);
    QCOMPARE(controller.currentText(),
             QStringLiteral("Sauna not allowed start, 22:00, conflicts with %2. Save anyway?"));
}

void TestMessageController::unknownIdText()
{
    MessageController controller;
    controller.onSaunaUserMessageChanged(message(0x202a, E_typeOneButton));
    QCOMPARE(controller.currentText(), QStringLiteral("Unknown user message id 8234 (0x202a)"));
}

void TestMessageController::connectOperationsCountFailures()
{
    MessageController controller;
    Popup popup;
    QuestionOwner owner;
    QObject plain;

    QCOMPARE(controller.connectPopupButtons({&popup}), 0);
    QCOMPARE(controller.connectPanelUserMessages({&owner, nullptr}), 1);
    QCOMPARE(controller.connectSaunaSignals({&plain}), 2);

    // The bridge connects by these exact signatures.
    SaunaBridge bridge;
    QCOMPARE(controller.connectSaunaSignals({&bridge}), 0);
    QVERIFY(QObject::connect(
        &controller, SIGNAL(userMessageAnswered(::signalInterface::UserMessageTypes::UserMessage)),
        &bridge, SLOT(onUserMessageAnswered(::signalInterface::UserMessageTypes::UserMessage))));
    emit bridge.saunaUserMessageChanged(message(0x100d, E_typeTwoButtons));
    emit popup.popupBtnPressed(QStringLiteral("Yes"));
    QCOMPARE(bridge.answers.size(), 1);
    QCOMPARE(bridge.answers.at(0).answer, E_answerYes);

    controller.onPanelUserMessageIssued(message(0x2023, E_typeOneButton), nullptr);
    emit popup.popupBtnPressed(QStringLiteral("Ok"));
    QVERIFY(!controller.hasCurrentMessage());
}

void TestMessageController::equalMessageNotQueuedAgain_data()
{
    QTest::addColumn<bool>("firstShown");
    QTest::addColumn<bool>("fromSauna");
    QTest::addColumn<quint32>("id");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("queued");
    const QStringList garden{QStringLiteral("Garden sauna")};
    QTest::newRow("same as the shown one") << true << false << 0x203eu << garden << false;
    QTest::newRow("same as a waiting one") << false << false << 0x203eu << garden << false;
    QTest::newRow("same from the sauna") << false << true << 0x203eu << garden << false;
    QTest::newRow("other text") << false << false << 0x203eu
                                << QStringList{QStringLiteral("Lake sauna")} << true;
    QTest::newRow("other id") << false << false << 0x2026u << garden << true;
}

void TestMessageController::equalMessageNotQueuedAgain()
{
    QFETCH(bool, firstShown);
    QFETCH(bool, fromSauna);
    QFETCH(quint32, id);
    QFETCH(QStringList, arguments);
    QFETCH(bool, queued);
    MessageController controller;
    const auto raise = [&controller, fromSauna](const UserMessage &raised) {
        if (fromSauna) {
            controller.onSaunaUserMessageChanged(raised);
        } else {
            controller.onPanelUserMessageIssued(raised, nullptr);
        }
    };
    if (!firstShown) {
        raise(message(0x2023, E_typeOneButton));
    }
    const UserMessage first = message(0x203e, E_typeOneButton, {QStringLiteral("Garden sauna")});
    raise(first);
    const int before = controller.waitingMessageCount();

    raise(message(id, E_typeOneButton, arguments));
    QCOMPARE(controller.waitingMessageCount(), before + (queued ? 1 : 0));

    // A panel message equal to a sauna message is queued: each goes back to its own raiser.
    controller.onPanelUserMessageIssued(first, nullptr);
    QCOMPARE(controller.waitingMessageCount(), before + (queued ? 1 : 0) + (fromSauna ? 1 : 0));
}

void TestMessageController::queueBoundDropsTheNewest()
{
    MessageController controller;
    Popup popup;
    controller.setPopupWidget(&popup);
    const auto numbered = [](int n) {
        return message(0x203e, E_typeOneButton, {QStringLiteral("Sauna %1").arg(n)});
    };
    controller.onPanelUserMessageIssued(numbered(0), nullptr);
    for (int n = 1; n <= MessageController::MaximumWaitingMessages; ++n) {
        controller.onSaunaUserMessageChanged(numbered(n));
    }
    QCOMPARE(controller.waitingMessageCount(), 16);

    // Beyond the bound: dropped, whether from the sauna or a question of the panel, and logged.
    QTest::ignoreMessage(QtWarningMsg,
                         "16 messages wait already; message 0x203e from the sauna dropped");
    controller.onSaunaUserMessageChanged(numbered(17));
    RecordingAction action;
    QTest::ignoreMessage(QtWarningMsg,
                         "16 messages wait already; message 0x2008 of the panel dropped");
    controller.onPanelUserMessageIssued(message(0x2008, E_typeTwoButtons), &action);
    QCOMPARE(controller.waitingMessageCount(), 16);
    // A dropped question is not pending: its raiser may ask again.
    QVERIFY(!MessageController::isActionPending(&action));

    // The ones that waited are shown in their order; the dropped ones never.
    while (controller.hasCurrentMessage()) {
        controller.onPopupBtnPressed(QStringLiteral("Ok"));
    }
    QCOMPARE(popup.shownTexts.size(), 17);
    for (int n = 0; n <= 16; ++n) {
        const QRegularExpression sauna(QStringLiteral("\\bSauna %1\\b").arg(n));
        QVERIFY2(popup.shownTexts.at(n).contains(sauna), qPrintable(popup.shownTexts.at(n)));
    }
    QVERIFY(action.answers.isEmpty());
}

void TestMessageController::closedMessageFreesItsPlace_data()
{
    QTest::addColumn<QString>("close");
    QTest::newRow("answered") << QStringLiteral("answer");
    QTest::newRow("timed out") << QStringLiteral("timeout");
    QTest::newRow("shown one withdrawn") << QStringLiteral("withdraw shown");
    QTest::newRow("waiting one withdrawn") << QStringLiteral("withdraw waiting");
}

void TestMessageController::closedMessageFreesItsPlace()
{
    QFETCH(QString, close);
    MessageController controller;
    const auto numbered = [](int n) {
        return message(0x203e, E_typeOneButton, {QStringLiteral("Sauna %1").arg(n)});
    };
    for (int n = 0; n <= MessageController::MaximumWaitingMessages; ++n) {
        controller.onPanelUserMessageIssued(numbered(n), nullptr);
    }
    QCOMPARE(controller.waitingMessageCount(), 16);
    // Full: one more is dropped.
    QTest::ignoreMessage(QtWarningMsg,
                         "16 messages wait already; message 0x203e of the panel dropped");
    controller.onPanelUserMessageIssued(numbered(17), nullptr);
    QCOMPARE(controller.waitingMessageCount(), 16);

    if (close == QLatin1String("answer")) {
        controller.onPopupBtnPressed(QStringLiteral("Ok"));
    } else if (close == QLatin1String("timeout")) {
        controller.onPopupTimeout();
    } else if (close == QLatin1String("withdraw shown")) {
        controller.onPanelUserMessageWithdrawn(numbered(0));
    } else {
        controller.onPanelUserMessageWithdrawn(numbered(5));
    }
    // One waiting message fewer: the next one is shown, or the withdrawn one is gone.
    QCOMPARE(controller.waitingMessageCount(), 15);
    controller.onPanelUserMessageIssued(numbered(18), nullptr);
    QCOMPARE(controller.waitingMessageCount(), 16);
}

void TestMessageController::withdrawnMessageLeavesTheQueue()
{
    MessageController controller;
    Popup popup;
    controller.setPopupWidget(&popup);
    QSignalSpy closed(&controller, &MessageController::messageClosed);
    const UserMessage lost = message(0x203e, E_typeOneButton, {QStringLiteral("Garden sauna")});
    controller.onPanelUserMessageIssued(message(0x2023, E_typeOneButton), nullptr);
    controller.onPanelUserMessageIssued(lost, nullptr);
    controller.onPanelUserMessageIssued(
        message(0x203e, E_typeOneButton, {QStringLiteral("Lake sauna")}), nullptr);
    // The sauna's own message is the sauna's to close.
    controller.onSaunaUserMessageChanged(lost);
    QCOMPARE(controller.waitingMessageCount(), 3);

    controller.onPanelUserMessageWithdrawn(lost);
    QCOMPARE(controller.waitingMessageCount(), 2);
    // The shown one stays as it is.
    QCOMPARE(controller.currentMessage().id, 0x2023u);
    QCOMPARE(popup.property("visible").toBool(), true);
    QCOMPARE(closed.count(), 0);
    QCOMPARE(popup.shownTexts.size(), 1);
    // Withdrawing what is not there changes nothing.
    controller.onPanelUserMessageWithdrawn(lost);
    controller.onPanelUserMessageWithdrawn(message(0x2026, E_typeOneButton));
    QCOMPARE(controller.waitingMessageCount(), 2);

    controller.onPopupBtnPressed(QStringLiteral("Ok"));
    QCOMPARE(controller.currentMessage().arguments, QStringList{QStringLiteral("Lake sauna")});
    controller.onPopupBtnPressed(QStringLiteral("Ok"));
    QCOMPARE(controller.currentText(), QStringLiteral("Connection to system Garden sauna lost"));
    QCOMPARE(controller.waitingMessageCount(), 0);
}

void TestMessageController::withdrawnShownMessageShowsTheNext()
{
    MessageController controller;
    Popup popup;
    controller.setPopupWidget(&popup);
    QSignalSpy closed(&controller, &MessageController::messageClosed);
    RecordingAction action;
    UserMessage question = message(0x2008, E_typeTwoButtons);
    question.timeout = 5000;
    controller.onPanelUserMessageIssued(question, &action);
    controller.onPanelUserMessageIssued(message(0x2023, E_typeOneButton), nullptr);
    QVERIFY(controller.isAutoCloseActive());

    controller.onPanelUserMessageWithdrawn(message(0x2008, E_typeOneButton));
    // Closed unanswered, and the next one shown in the popup.
    QCOMPARE(closed.count(), 1);
    QCOMPARE(closed.at(0).at(0).value<UserMessage>().id, 0x2008u);
    QVERIFY(action.answers.isEmpty());
    QVERIFY(!MessageController::isActionPending(&action));
    QVERIFY(!controller.isAutoCloseActive());
    QCOMPARE(controller.currentMessage().id, 0x2023u);
    QCOMPARE(popup.property("popupText").toString(), QStringLiteral("PIN code changed"));
    QCOMPARE(popup.property("visible").toBool(), true);

    // The last one withdrawn hides the popup.
    controller.onPanelUserMessageWithdrawn(message(0x2023, E_typeOneButton));
    QVERIFY(!controller.hasCurrentMessage());
    QCOMPARE(popup.property("visible").toBool(), false);
    QCOMPARE(closed.count(), 2);
}

// The informer's messages through the controller as the program wires them: a link that comes
// and goes leaves one message, and it says what holds now.
void TestMessageController::connectionNoticesFollowTheConnection()
{
    MessageController controller;
    Popup popup;
    controller.setPopupWidget(&popup);
    pcPanel::ConnectionInformer informer;
    QCOMPARE(controller.connectPanelUserMessages({&informer}), 0);
    QCOMPARE(controller.connectPanelUserMessageWithdrawals({&informer}), 0);
    QObject plain;
    QCOMPARE(controller.connectPanelUserMessageWithdrawals({&plain, nullptr}), 2);
    signalInterface::RemoteSaunaTypes::RemoteSauna garden;
    garden.identity = QUuid::createUuid();
    garden.name = QStringLiteral("Garden sauna");
    informer.onRemoteSaunaChanged(garden);
    informer.onSelectedRemoteSaunaChanged(garden.identity);

    // The first connect gets no reply and is retried.
    informer.onConnectFailedNoResponse();
    QCOMPARE(controller.currentMessage().id, 0x203fu);
    informer.onConnectSucceeded(garden);
    QCOMPARE(controller.currentMessage().id, 0x2026u);
    QCOMPARE(controller.waitingMessageCount(), 0);

    // A flapping link, with another message shown in front so that notices would wait. Each
    // loss is back before the notice delay runs out: nothing is told.
    auto *noticeTimer =
        informer.findChild<QTimer *>(QStringLiteral("noticeTimer"), Qt::FindDirectChildrenOnly);
    QVERIFY(noticeTimer != nullptr);
    const auto delayRunsOut = [noticeTimer] {
        return noticeTimer->isActive() && QMetaObject::invokeMethod(noticeTimer, "timeout");
    };
    controller.onPanelUserMessageIssued(message(0x2023, E_typeOneButton), nullptr);
    controller.onPopupBtnPressed(QStringLiteral("Ok"));
    controller.onPanelUserMessageIssued(message(0x2023, E_typeOneButton), nullptr);
    QCOMPARE(controller.currentMessage().id, 0x2023u);
    for (int flap = 0; flap < 6; ++flap) {
        informer.onConnectionLost();
        QCOMPARE(controller.waitingMessageCount(), 0);
        QCOMPARE(controller.currentText(), QStringLiteral("PIN code changed"));
        informer.onReconnected();
        QCOMPARE(controller.waitingMessageCount(), 0);
    }
    QVERIFY(delayRunsOut());
    QCOMPARE(controller.waitingMessageCount(), 0);
    controller.onPopupBtnPressed(QStringLiteral("Ok"));
    QVERIFY(!controller.hasCurrentMessage());

    // A link that flaps and is lost when the delay runs out: one "lost" notice, and after flaps
    // that end connected, one "connected" notice in its place.
    for (int round = 0; round < 3; ++round) {
        for (int flap = 0; flap < 6; ++flap) {
            informer.onConnectionLost();
            informer.onReconnected();
        }
        informer.onConnectionLost();
        QVERIFY(delayRunsOut());
        QCOMPARE(controller.currentText(),
                 QStringLiteral("Connection to system Garden sauna lost"));
        QCOMPARE(controller.waitingMessageCount(), 0);
        for (int flap = 0; flap < 6; ++flap) {
            informer.onReconnected();
            informer.onConnectionLost();
        }
        informer.onReconnected();
        QVERIFY(delayRunsOut());
        QCOMPARE(controller.currentText(), QStringLiteral("Connected to system Garden sauna"));
        QCOMPARE(controller.waitingMessageCount(), 0);
    }
    QCOMPARE(popup.property("visible").toBool(), true);

    // The user ends the connection: "connected" no longer holds.
    informer.onDisconnected();
    QVERIFY(!controller.hasCurrentMessage());
    QCOMPARE(popup.property("visible").toBool(), false);
}

void TestMessageController::shownMessageTakesNewLanguage()
{
    MessageController controller;
    Popup popup;
    controller.setPopupWidget(&popup);
    LanguageSource languages;
    QCOMPARE(controller.connectLanguageChanged({&languages, nullptr}), 1);

    // Nothing shown: a new language shows nothing.
    emit languages.languageChanged(signalInterface::LanguageTypes::E_danish);
    QVERIFY(popup.shownTexts.isEmpty());
    QVERIFY(!popup.property("visible").toBool());

    UserMessage notice = message(0x2015, E_typeOneButton, {QStringLiteral("Monday 18:00")});
    notice.timeout = 60000;
    controller.onPanelUserMessageIssued(notice, nullptr);
    QCOMPARE(popup.property("popupTitle").toString(), QStringLiteral("Info"));

    InstalledLanguage czech(QStringLiteral("cs"));
    emit languages.languageChanged(signalInterface::LanguageTypes::E_czech);

    QCOMPARE(popup.property("popupKind").toString(), QStringLiteral("indication"));
    QCOMPARE(popup.property("popupTitle").toString(), QStringLiteral("cs:Info"));
    QCOMPARE(popup.property("centerButtonText").toString(), QStringLiteral("cs:Ok"));
    // The panel's text in the new language; the argument stays as it was raised.
    QCOMPARE(popup.property("popupText").toString(),
             QStringLiteral("cs:Confirm delete of Monday 18:00?"));
    QCOMPARE(controller.currentText(), QStringLiteral("cs:Confirm delete of Monday 18:00?"));
    QVERIFY(popup.property("visible").toBool());
    QVERIFY(controller.isAutoCloseActive());
    QCOMPARE(controller.currentMessage(), notice);
}

// A question waiting behind a notice when the language changes is shown in the new language, and
// its buttons answer it.
void TestMessageController::waitingQuestionShownAndAnsweredInNewLanguage()
{
    MessageController controller;
    Popup popup;
    controller.setPopupWidget(&popup);
    RecordingAction action;
    controller.onSaunaUserMessageChanged(message(0x1009, E_typeOneButtonAlt));
    controller.onPanelUserMessageIssued(message(0x2022, E_typeTwoButtons), &action);

    InstalledLanguage spanish(QStringLiteral("es"));
    controller.onLanguageChanged(signalInterface::LanguageTypes::E_spanish);
    QCOMPARE(popup.property("popupTitle").toString(), QStringLiteral("es:Error"));
    controller.onPopupBtnPressed(popup.property("centerButtonText").toString());

    QCOMPARE(popup.property("popupKind").toString(), QStringLiteral("selection"));
    QCOMPARE(popup.property("popupTitle").toString(), QStringLiteral("es:Info"));
    QCOMPARE(popup.property("popupText").toString(), QStringLiteral("es:Confirm factory reset?"));
    QCOMPARE(popup.property("rightButtonText").toString(), QStringLiteral("es:No"));
    controller.onPopupBtnPressed(popup.property("leftButtonText").toString());
    QCOMPARE(action.answers, QList<UserMessageAnswer>{E_answerYes});
    QVERIFY(!controller.hasCurrentMessage());
}

// On a multi-steam or Solvenno system a sauna message that carries a board names it on a line of
// its own, in the language of the moment; the mode in force when the message arrived decides.
void TestMessageController::saunaMessageNamesItsBoardOnASystemOfSeveralBoards()
{
    using signalInterface::MasterFuncDescTypes;
    using signalInterface::NodeInformationTypes;
    MessageController controller;
    Popup popup;
    controller.setPopupWidget(&popup);
    SaunaBridge bridge;
    QCOMPARE(controller.connectSaunaSignals({&bridge}), 0);
    UserMessage fault = message(12, E_typeOneButtonAlt);
    fault.hasBoard = true;
    fault.board = NodeInformationTypes::E_slave_1;
    const QString faultText = QStringLiteral("Level electrodes steam tank out of service, "
                                             "interruption mid");
    const auto showAndClose = [&](const UserMessage &shown) {
        emit bridge.saunaUserMessageChanged(shown);
        const QString text = popup.property("popupText").toString();
        controller.onPopupBtnPressed(QStringLiteral("Ok"));
        return text;
    };

    QCOMPARE(showAndClose(fault), faultText);
    emit bridge.saunaSystemModeChanged(MasterFuncDescTypes::E_multisteam);
    QCOMPARE(showAndClose(fault), faultText + QStringLiteral("\nSecondary1"));
    UserMessage boardless = fault;
    boardless.hasBoard = false;
    QCOMPARE(showAndClose(boardless), faultText);
    // The panel's own messages name no board.
    controller.onPanelUserMessageIssued(fault, nullptr);
    QCOMPARE(popup.property("popupText").toString(), faultText);
    controller.onPopupBtnPressed(QStringLiteral("Ok"));

    // The same fault of two boards is two messages.
    emit bridge.saunaSystemModeChanged(MasterFuncDescTypes::E_solvenno);
    UserMessage primary = fault;
    primary.board = NodeInformationTypes::E_master;
    emit bridge.saunaUserMessageChanged(fault);
    emit bridge.saunaUserMessageChanged(primary);
    QCOMPARE(controller.waitingMessageCount(), 1);
    // Shown after another sauna answered: the board is still named, in the language of now.
    controller.onSaunaReplaced();
    controller.onPopupBtnPressed(QStringLiteral("Ok"));
    {
        InstalledLanguage finnish(QStringLiteral("fi"));
        controller.onLanguageChanged(signalInterface::LanguageTypes::E_finnish);
        QCOMPARE(controller.currentText(), QStringLiteral("fi:%1\nfi:Primary").arg(faultText));
    }
    controller.onPopupBtnPressed(QStringLiteral("Ok"));
    // The next sauna's messages name no board until it reports its mode.
    QCOMPARE(showAndClose(fault), faultText);
}

QTEST_GUILESS_MAIN(TestMessageController)
#include "tst_message_controller.moc"
