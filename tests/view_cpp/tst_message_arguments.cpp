#include "view_cpp/message_arguments.h"

#include <QTest>

class TestMessageArguments : public QObject
{
    Q_OBJECT

private slots:
    void fillsPlaceholdersInOnePass_data();
    void fillsPlaceholdersInOnePass();
};

void TestMessageArguments::fillsPlaceholdersInOnePass_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no placeholder") << "Not implemented" << QStringList{"x"} << "Not implemented";
    QTest::newRow("one") << "Connected to system %1" << QStringList{"Sauna"}
                         << "Connected to system Sauna";
    QTest::newRow("three in order") << "Internal software error detected file %1 line %2: %3"
                                    << QStringList{"a.cpp", "12", "bad"}
                                    << "Internal software error detected file a.cpp "
                                       "line 12: bad";
    QTest::newRow("second before first")
        << "Sauna not allowed start, %2, conflicts with %1. Save anyway?"
        << QStringList{"Program", "07:00-08:00"}
        << "Sauna not allowed start, 07:00-08:00, conflicts with Program. Save anyway?";
    QTest::newRow("argument holding a later placeholder")
        << "Sauna not allowed start, %2, conflicts with %1. Save anyway?"
        << QStringList{"Prog %2", "07:00"}
        << "Sauna not allowed start, 07:00, conflicts with Prog %2. Save anyway?";
    QTest::newRow("argument holding its own placeholder")
        << "Connect to network %1 failed: %2" << QStringList{"net%1%2", "timeout %1"}
        << "Connect to network net%1%2 failed: timeout %1";
    QTest::newRow("fewer arguments than placeholders")
        << "Connect to network %1 failed: %2" << QStringList{"home"}
        << "Connect to network home failed: %2";
    QTest::newRow("no arguments") << "No free %1" << QStringList{} << "No free %1";
    QTest::newRow("surplus arguments")
        << "No free %1" << QStringList{"slots", "extra"} << "No free slots";
    QTest::newRow("repeated placeholder") << "%1 and %1" << QStringList{"a"} << "a and a";
    QTest::newRow("gap in numbering")
        << "%3 after %1" << QStringList{"one", "two"} << "two after one";
    QTest::newRow("percent without digit") << "100% at %1" << QStringList{"noon"} << "100% at noon";
    QTest::newRow("percent zero") << "%0 %1" << QStringList{"x"} << "%0 x";
    QTest::newRow("trailing percent") << "%1 %" << QStringList{"x"} << "x %";
    QTest::newRow("two-digit placeholder") << "%10 %2" << QStringList{"a", "b"} << "b a";
}

void TestMessageArguments::fillsPlaceholdersInOnePass()
{
    QFETCH(QString, text);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QCOMPARE(view::message::fillArguments(text, arguments), expected);
}

QTEST_APPLESS_MAIN(TestMessageArguments)
#include "tst_message_arguments.moc"
