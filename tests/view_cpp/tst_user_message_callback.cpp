#include "view_cpp/user_message_callback.h"
#include "view_cpp/user_message_callback1.h"

#include "support/member_detection.h"

#include <QTest>

using signalInterface::UserMessageTypes::UserMessageAnswer;

namespace {

PANEL_DETECT_MEMBER(HasArgumentAccessor, std::declval<const T &>().argument());

// An owner in the shape of the panel's questioners: it acts only on "Yes".
class Questioner
{
public:
    Questioner()
        : m_clearCallback(this, &Questioner::onClearAnswered)
        , m_deleteCallback(this, &Questioner::onDeleteAnswered)
    {}
    virtual ~Questioner() = default;

    signalInterface::UserMessageAction *askClear() { return &m_clearCallback; }
    signalInterface::UserMessageAction *askDelete(const QString &name)
    {
        m_deleteCallback.setArgument(name);
        return &m_deleteCallback;
    }

    virtual void onClearAnswered(const UserMessageAnswer &answer)
    {
        answers.append(answer);
        if (answer == signalInterface::UserMessageTypes::E_answerYes)
            ++clears;
    }
    void onDeleteAnswered(const UserMessageAnswer &answer, const QString &name)
    {
        answers.append(answer);
        if (answer == signalInterface::UserMessageTypes::E_answerYes)
            deleted.append(name);
    }

    QList<UserMessageAnswer> answers;
    int clears = 0;
    QStringList deleted;

private:
    view::message::UserMessageCallback<Questioner> m_clearCallback;
    view::message::UserMessageCallback1<Questioner, QString> m_deleteCallback;
};

class DerivedQuestioner : public Questioner
{
public:
    void onClearAnswered(const UserMessageAnswer &answer) override
    {
        ++derivedCalls;
        Questioner::onClearAnswered(answer);
    }
    int derivedCalls = 0;
};

} // namespace

class TestUserMessageCallback : public QObject
{
    Q_OBJECT

private slots:
    void callbackPassesAnswer();
    void callbackActsEachTimeItIsExecuted();
    void callbackDispatchesVirtualMember();
    void callback1PassesStoredArgument();
    void callback1ActsOnLastStoredArgument();
    void callback1StartsWithDefaultArgument();
};

void TestUserMessageCallback::callbackPassesAnswer()
{
    Questioner questioner;
    questioner.askClear()->execute(signalInterface::UserMessageTypes::E_answerNo);
    QCOMPARE(questioner.answers,
             QList<UserMessageAnswer>{signalInterface::UserMessageTypes::E_answerNo});
    QCOMPARE(questioner.clears, 0);
    questioner.askClear()->execute(signalInterface::UserMessageTypes::E_answerYes);
    QCOMPARE(questioner.clears, 1);
}

void TestUserMessageCallback::callbackActsEachTimeItIsExecuted()
{
    Questioner questioner;
    signalInterface::UserMessageAction *action = questioner.askClear();
    action->execute(signalInterface::UserMessageTypes::E_answerYes);
    action->execute(signalInterface::UserMessageTypes::E_answerYes);
    QCOMPARE(questioner.clears, 2);
}

void TestUserMessageCallback::callbackDispatchesVirtualMember()
{
    DerivedQuestioner questioner;
    questioner.askClear()->execute(signalInterface::UserMessageTypes::E_answerYes);
    QCOMPARE(questioner.derivedCalls, 1);
    QCOMPARE(questioner.clears, 1);
}

void TestUserMessageCallback::callback1PassesStoredArgument()
{
    Questioner questioner;
    signalInterface::UserMessageAction *action = questioner.askDelete("Evening");
    action->execute(signalInterface::UserMessageTypes::E_answerNo);
    QVERIFY(questioner.deleted.isEmpty());
    action->execute(signalInterface::UserMessageTypes::E_answerYes);
    QCOMPARE(questioner.deleted, QStringList{"Evening"});
}

void TestUserMessageCallback::callback1ActsOnLastStoredArgument()
{
    // One owner, two questions raised before the first answer: the answer acts on the argument
    // stored last. Owners therefore raise no second question while one is pending.
    Questioner questioner;
    signalInterface::UserMessageAction *first = questioner.askDelete("A");
    questioner.askDelete("B");
    first->execute(signalInterface::UserMessageTypes::E_answerYes);
    QCOMPARE(questioner.deleted, QStringList{"B"});
}

void TestUserMessageCallback::callback1StartsWithDefaultArgument()
{
    Questioner owner;
    view::message::UserMessageCallback1<Questioner, QString> callback(
        &owner, &Questioner::onDeleteAnswered);
    callback.execute(signalInterface::UserMessageTypes::E_answerYes);
    QCOMPARE(owner.deleted, QStringList{QString()});
    // The owner writes the argument; only the bound member reads it.
    QVERIFY(
        (!HasArgumentAccessor<view::message::UserMessageCallback1<Questioner, QString>>::value));
}

QTEST_APPLESS_MAIN(TestUserMessageCallback)
#include "tst_user_message_callback.moc"
