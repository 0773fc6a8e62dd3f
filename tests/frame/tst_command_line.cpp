#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The program's command line, run as the real program.
class TestCommandLine : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int exitCode = -1;
        QString output;
    };

    // Runs the program to its end with the arguments, in a settings directory of its own.
    Run runToEnd(const QStringList &arguments)
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(PC_PANEL_PROGRAM), arguments);
        [&] {
            QVERIFY(process.waitForFinished(30000));
        }();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAll())};
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_configHome.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return environment;
    }

    QTemporaryDir m_configHome;

private slots:
    void versionIsPrinted()
    {
        const Run run = runToEnd({QStringLiteral("--version")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.output.contains(QStringLiteral("1.0.5022")), qPrintable(run.output));
    }

    void helpIsPrinted()
    {
        const Run run = runToEnd({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.output.contains(QStringLiteral("PC Control Panel instance, default 0")),
                 qPrintable(run.output));
        QVERIFY(run.output.contains(QStringLiteral("Command description message")));
    }

    void malformedCommandLinesEndTheProgram_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("report");
        QTest::newRow("blank instead of =")
            << QStringList{"--instance", "3"} << "Couldn't find delimiter for this argument!";
        QTest::newRow("short flag blank") << QStringList{"-i", "3"} << "Couldn't find delimiter";
        QTest::newRow("not a number")
            << QStringList{"--instance=abc"} << "Couldn't read argument value from string '";
        QTest::newRow("negative instance")
            << QStringList{"--instance=-1"} << "Couldn't read argument value from string '-1'";
        QTest::newRow("negative short flag")
            << QStringList{"-i=-7"} << "Couldn't read argument value from string '-7'";
        QTest::newRow("unknown option") << QStringList{"--colour=red"} << "PARSE ERROR";
    }

    void malformedCommandLinesEndTheProgram()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, report);
        const Run run = runToEnd(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.output.contains(QStringLiteral("PARSE ERROR:")), qPrintable(run.output));
        QVERIFY2(run.output.contains(report), qPrintable(run.output));
    }

    // A full start and a quit by SIGTERM: the event loop ends normally and the exit code is its
    // result. Under the sanitizers any error or leak makes the exit code non-zero.
    void startsAndQuitsOnTermination_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("no options, SIGTERM") << QStringList{} << int(SIGTERM);
        QTest::newRow("instance 3, SIGINT") << QStringList{"-i=3"} << int(SIGINT);
    }

    void startsAndQuitsOnTermination()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, signalNumber);
        QProcess process;
        // The start-up trace tells when the main window is up.
        QProcessEnvironment traced = environment();
        traced.insert(QStringLiteral("PANEL_STARTUP_TRACE"), QStringLiteral("1"));
        process.setProcessEnvironment(traced);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(PC_PANEL_PROGRAM), arguments);
        QVERIFY(process.waitForStarted());
        // Through the whole start-up without a failure exit.
        QString output;
        while (!output.contains(QStringLiteral("main window shown")) &&
               process.state() == QProcess::Running && process.waitForReadyRead(30000))
            output += QString::fromLocal8Bit(process.readAll());
        QVERIFY2(output.contains(QStringLiteral("main window shown")), qPrintable(output));
        QCOMPARE(process.state(), QProcess::Running);
        ::kill(pid_t(process.processId()), signalNumber);
        QVERIFY(process.waitForFinished(30000));
        output += QString::fromLocal8Bit(process.readAll());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(process.exitCode() == 0, qPrintable(output));
        QVERIFY2(!output.contains(QStringLiteral("Sanitizer")), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
