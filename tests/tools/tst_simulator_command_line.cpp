#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

// The simulator's command line, run as the real program: the options as the README and
// scripts/run-panel.sh write them start it, a value after "=" as well as after a blank; a bad
// value ends it with the reason.
class TestSimulatorCommandLine : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        bool listening = false;
        int exitCode = -1;
        QString output;
    };

    // Starts the simulator on free ports and waits until it listens or ends; a listening one is
    // ended.
    static Run run(const QStringList &options)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(SAUNA_SIMULATOR_PATH),
                      options + QStringList{QStringLiteral("--announce-port=0"),
                                            QStringLiteral("--sauna-port"), QStringLiteral("0")});
        Run result;
        if (!process.waitForStarted())
            return result;
        while (!result.output.contains(QStringLiteral(" listening: ")) &&
               process.state() == QProcess::Running && process.waitForReadyRead(10000))
            result.output += QString::fromLocal8Bit(process.readAll());
        result.listening = result.output.contains(QStringLiteral(" listening: "));
        if (process.state() == QProcess::Running) {
            process.kill();
            process.waitForFinished();
        } else {
            result.exitCode = process.exitCode();
        }
        result.output += QString::fromLocal8Bit(process.readAll());
        return result;
    }

    // The simulator options the file's examples give in SIMULATOR_OPTIONS="...".
    static QStringList examplesIn(const QString &relativePath)
    {
        QFile file(qEnvironmentVariable("PANEL_SOURCE_DIR") + QLatin1Char('/') + relativePath);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QString text = QString::fromUtf8(file.readAll());
        QStringList examples;
        static const QRegularExpression example(QStringLiteral("SIMULATOR_OPTIONS=\"([^\"]+)\""));
        for (auto match = example.globalMatch(text); match.hasNext();)
            examples << match.next().captured(1);
        return examples;
    }

private slots:
    void documentedExamplesStartTheSimulator_data()
    {
        QTest::addColumn<QString>("options");
        for (const char *file : {"README.md", "scripts/run-panel.sh"}) {
            const QStringList examples = examplesIn(QString::fromLatin1(file));
            QVERIFY2(!examples.isEmpty(), file);
            for (const QString &options : examples)
                QTest::addRow("%s: %s", file, qPrintable(options)) << options;
        }
    }

    void documentedExamplesStartTheSimulator()
    {
        QFETCH(QString, options);
        const Run result = run(options.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        QVERIFY2(result.listening, qPrintable(result.output));
    }

    void valuesFollowABlankOrAnEqualsSign_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("shown");
        QTest::newRow("blank") << QStringList{"--product", "ir", "--name", "Cabin"}
                               << "sauna \"Cabin\"";
        QTest::newRow("equals sign")
            << QStringList{"--product=ir", "--name=Cabin"} << "sauna \"Cabin\"";
        QTest::newRow("short option") << QStringList{"-n=Cabin", "-p", "1234"} << "sauna \"Cabin\"";
        QTest::newRow("value with an equals sign") << QStringList{"--name=A=B"} << "sauna \"A=B\"";
        QTest::newRow("clock") << QStringList{"--clock=2030-01-14T17:29"}
                               << "its clock shows Mon 2030-01-14 17:29";
        QTest::newRow("clock with seconds") << QStringList{"--clock", "2031-06-20T05:07:30"}
                                            << "its clock shows Fri 2031-06-20 05:07";
        QTest::newRow("delayed start")
            << QStringList{"--clock=2030-01-14T23:29", "--delayed-start=90"}
            << "its clock shows Mon 2030-01-14 23:29; a delayed start switches it on at Tue 00:59";
    }

    void valuesFollowABlankOrAnEqualsSign()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, shown);
        const Run result = run(options);
        QVERIFY2(result.listening, qPrintable(result.output));
        QVERIFY2(result.output.contains(shown), qPrintable(result.output));
    }

    void badValuesEndTheSimulator_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown product") << QStringList{"--product=sofa"} << "product";
        QTest::newRow("clock not a time") << QStringList{"--clock=yesterday"} << "clock";
        QTest::newRow("clock before 2000") << QStringList{"--clock=1999-12-31T23:59"} << "clock";
        QTest::newRow("PIN too long") << QStringList{"--pin=12345"} << "pin";
        QTest::newRow("unknown water level") << QStringList{"--water-level=empty"} << "water-level";
        QTest::newRow("no delayed start") << QStringList{"--delayed-start=0"} << "delayed-start";
        QTest::newRow("delayed start past a day")
            << QStringList{"--delayed-start=1441"} << "delayed-start";
    }

    void badValuesEndTheSimulator()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, reason);
        const Run result = run(options);
        QVERIFY2(!result.listening, qPrintable(result.output));
        QVERIFY2(result.exitCode != 0, qPrintable(result.output));
        QVERIFY2(result.output.contains(reason), qPrintable(result.output));
    }
};

QTEST_GUILESS_MAIN(TestSimulatorCommandLine)
#include "tst_simulator_command_line.moc"
