#include "signal_interface/sender_connections.h"

#include <QObject>
#include <QThread>
#include <QtTest>

#include <memory>
#include <vector>

using signalInterface::connectSenders;

namespace {

struct LoggedLine
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::vector<LoggedLine> loggedLines;

void recordLine(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    loggedLines.push_back({type, QByteArray(context.category), text});
}

// Records the log lines of its lifetime; Qt's own connect warnings are not counted.
class LogRecorder
{
public:
    LogRecorder()
    {
        loggedLines.clear();
        m_previous = qInstallMessageHandler(recordLine);
    }
    ~LogRecorder() { qInstallMessageHandler(m_previous); }

    static std::vector<LoggedLine> lines(const char *category)
    {
        std::vector<LoggedLine> found;
        for (const LoggedLine &line : loggedLines) {
            if (line.category == category)
                found.push_back(line);
        }
        return found;
    }

private:
    QtMessageHandler m_previous = nullptr;
};

class ProbeSender : public QObject
{
    Q_OBJECT

signals:
    void probed(int value);
    void shown(bool visible);
};

class ProbeReceiver : public QObject
{
    Q_OBJECT

public:
    QList<int> probes;
    QList<bool> shows;
    QList<QThread *> threads;

public slots:
    void onProbed(int value)
    {
        probes << value;
        threads << QThread::currentThread();
    }
    void onShown(bool visible) { shows << visible; }
};

int connectProbe(const QList<QObject *> &senders, const QObject *receiver)
{
    return connectSenders(
        senders, receiver,
        {{SIGNAL(probed(int)), SLOT(onProbed(int))}, {SIGNAL(shown(bool)), SLOT(onShown(bool))}});
}

} // namespace

// The one checked string connect of every layer: counts, logging and delivery.
class TestSenderConnections : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyRouteOfEverySenderDelivers();
    void failuresCountOncePerRouteAndSender();
    void eachFailureIsLoggedInTheSharedCategory();
    void crossThreadSenderIsQueued();
};

void TestSenderConnections::initTestCase()
{
    // Qt's own warning for a failed string connect would only add noise to the output.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.core.qobject.connect=false"));
}

void TestSenderConnections::everyRouteOfEverySenderDelivers()
{
    ProbeReceiver receiver;
    ProbeSender first;
    ProbeSender second;
    QCOMPARE(connectProbe({&first, &second}, &receiver), 0);
    QCOMPARE(connectProbe({}, &receiver), 0);

    emit first.probed(1);
    emit second.probed(2);
    emit second.shown(true);
    QCOMPARE(receiver.probes, (QList<int>{1, 2}));
    QCOMPARE(receiver.shows, QList<bool>{true});
}

void TestSenderConnections::failuresCountOncePerRouteAndSender()
{
    const LogRecorder recorder;
    ProbeReceiver receiver;
    ProbeSender sender;
    QObject plain;

    // The plain object lacks both signals; a null sender counts for both routes.
    QCOMPARE(connectProbe({&plain}, &receiver), 2);
    QCOMPARE(connectProbe({nullptr, &plain}, &receiver), 4);
    // A null receiver fails every route of every sender, and an empty list has nothing to fail.
    QCOMPARE(connectProbe({&sender, &plain}, nullptr), 4);
    QCOMPARE(connectProbe({}, nullptr), 0);
    // A receiver without the slot fails that route only; the good route still delivers.
    QObject noSlots;
    QCOMPARE(connectSenders({&sender}, &noSlots, {{SIGNAL(probed(int)), SLOT(onProbed(int))}}), 1);
    QCOMPARE(connectSenders({&sender}, &receiver,
                            {{SIGNAL(probed(int)), SLOT(onProbed(int))},
                             {SIGNAL(probed(int)), SLOT(onShown(bool))}}),
             1);
    emit sender.probed(7);
    QCOMPARE(receiver.probes, QList<int>{7});
    QVERIFY(receiver.shows.isEmpty());
}

void TestSenderConnections::eachFailureIsLoggedInTheSharedCategory()
{
    const LogRecorder recorder;
    ProbeReceiver receiver;
    ProbeSender good;
    QObject plain;
    plain.setObjectName(QStringLiteral("plainSender"));

    QCOMPARE(connectProbe({&good, &plain, nullptr}, &receiver), 4);
    const std::vector<LoggedLine> lines = LogRecorder::lines("panel.shared");
    QCOMPARE(lines.size(), size_t(4));
    for (const LoggedLine &line : lines)
        QCOMPARE(line.type, QtWarningMsg);
    // The sender's name, the signal, the receiver's class and the slot, without Qt's method codes.
    QVERIFY2(lines[0].text.contains(QStringLiteral("plainSender")), qPrintable(lines[0].text));
    QVERIFY2(lines[0].text.contains(QStringLiteral("probed(int)")), qPrintable(lines[0].text));
    QVERIFY2(lines[0].text.contains(QStringLiteral("ProbeReceiver")), qPrintable(lines[0].text));
    QVERIFY2(lines[0].text.contains(QStringLiteral("onProbed(int)")), qPrintable(lines[0].text));
    QVERIFY2(!lines[0].text.contains(QStringLiteral("2probed")), qPrintable(lines[0].text));
    QVERIFY2(lines[1].text.contains(QStringLiteral("shown(bool)")), qPrintable(lines[1].text));

    // Good connections log nothing.
    loggedLines.clear();
    ProbeSender other;
    QCOMPARE(connectProbe({&other}, &receiver), 0);
    QVERIFY(LogRecorder::lines("panel.shared").empty());
}

void TestSenderConnections::crossThreadSenderIsQueued()
{
    // The automatic connection type: a signal from another thread runs the slot in the
    // receiver's thread.
    ProbeReceiver receiver;
    ProbeSender sender;
    QCOMPARE(connectProbe({&sender}, &receiver), 0);
    const std::unique_ptr<QThread> worker(QThread::create([&sender] { emit sender.probed(3); }));
    worker->start();
    QVERIFY(worker->wait(5000));
    QVERIFY(receiver.probes.isEmpty());
    QTRY_COMPARE(receiver.probes, QList<int>{3});
    QCOMPARE(receiver.threads, QList<QThread *>{QThread::currentThread()});
}

QTEST_GUILESS_MAIN(TestSenderConnections)

#include "tst_sender_connections.moc"
