#include "view_cpp/configure/network_entry_rules.h"

#include <QtTest>

using namespace view::networkEntry;

// The accept and reject tables of what the Network screen's editors take.
class TestNetworkEntryRules : public QObject
{
    Q_OBJECT

private slots:
    void ipv4Accepted_data();
    void ipv4Accepted();
    void ipv4Rejected_data();
    void ipv4Rejected();
    void portAccepted_data();
    void portAccepted();
    void portRejected_data();
    void portRejected();
    void pin_data();
    void pin();
};

void TestNetworkEntryRules::ipv4Accepted_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");
    QTest::newRow("private") << "192.168.1.10"
                             << "192.168.1.10";
    QTest::newRow("loopback") << "127.0.0.1"
                              << "127.0.0.1";
    QTest::newRow("zero parts") << "10.0.0.0"
                                << "10.0.0.0";
    QTest::newRow("highest unicast") << "223.255.255.254"
                                     << "223.255.255.254";
    QTest::newRow("lowest unicast") << "1.0.0.0"
                                    << "1.0.0.0";
    QTest::newRow("blanks around") << "\t172.16.0.1 "
                                   << "172.16.0.1";
}

void TestNetworkEntryRules::ipv4Accepted()
{
    QFETCH(QString, text);
    QFETCH(QString, address);
    QHostAddress parsed;
    QVERIFY(parseIpv4Address(text, parsed));
    QCOMPARE(parsed, QHostAddress(address));
    QCOMPARE(parsed.protocol(), QAbstractSocket::IPv4Protocol);
}

void TestNetworkEntryRules::ipv4Rejected_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("part above 255") << "300.1.1.1";
    QTest::newRow("part 256") << "10.0.0.256";
    QTest::newRow("octal looking") << "192.168.001.010";
    QTest::newRow("leading zero") << "010.0.0.1";
    QTest::newRow("two parts") << "10.1";
    QTest::newRow("three parts") << "10.1.2";
    QTest::newRow("five parts") << "10.1.2.3.4";
    QTest::newRow("whole number") << "3232235777";
    QTest::newRow("hexadecimal") << "0x0a.0.0.1";
    QTest::newRow("IPv6 loopback") << "::1";
    QTest::newRow("IPv4-mapped") << "::ffff:10.0.0.1";
    QTest::newRow("this network") << "0.0.0.0";
    QTest::newRow("this network, host") << "0.1.2.3";
    QTest::newRow("broadcast") << "255.255.255.255";
    QTest::newRow("multicast") << "239.1.1.1";
    QTest::newRow("reserved") << "250.1.1.1";
    QTest::newRow("sign") << "-1.0.0.1";
    QTest::newRow("inner blank") << "10. 0.0.1";
    QTest::newRow("empty part") << "10..0.1";
    QTest::newRow("trailing dot") << "10.0.0.1.";
    QTest::newRow("empty") << "";
    QTest::newRow("host name") << "localhost";
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0660.0.0.1");
    QTest::newRow("four digits") << "1000.0.0.1";
}

void TestNetworkEntryRules::ipv4Rejected()
{
    QFETCH(QString, text);
    const QHostAddress before(QStringLiteral("11.22.33.44"));
    QHostAddress parsed = before;
    QVERIFY(!parseIpv4Address(text, parsed));
    QCOMPARE(parsed, before);
}

void TestNetworkEntryRules::portAccepted_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("port");
    QTest::newRow("lowest") << "1" << 1;
    QTest::newRow("highest") << "65535" << 65535;
    QTest::newRow("announcement request") << "54378" << 54378;
    QTest::newRow("leading zero") << "080" << 80;
}

void TestNetworkEntryRules::portAccepted()
{
    QFETCH(QString, text);
    QFETCH(int, port);
    quint16 parsed = 0;
    QVERIFY(parsePort(text, parsed));
    QCOMPARE(int(parsed), port);
}

void TestNetworkEntryRules::portRejected_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << "0";
    QTest::newRow("above range") << "65536";
    QTest::newRow("negative") << "-1";
    QTest::newRow("sign") << "+80";
    QTest::newRow("letters") << "12a";
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << " 80";
    QTest::newRow("overflowing") << "4294967377";
    QTest::newRow("decimal point") << "80.0";
}

void TestNetworkEntryRules::portRejected()
{
    QFETCH(QString, text);
    quint16 parsed = 4711;
    QVERIFY(!parsePort(text, parsed));
    QCOMPARE(int(parsed), 4711);
}

void TestNetworkEntryRules::pin_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("four digits") << "4826" << true;
    QTest::newRow("one digit") << "0" << true;
    QTest::newRow("three digits") << "123" << true;
    QTest::newRow("five digits") << "12345" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letter") << "12a4" << false;
    QTest::newRow("umlaut") << QStringLiteral("\u00e4123") << false;
    QTest::newRow("full-width digits") << QStringLiteral("\uff11\uff12") << false;
    QTest::newRow("blank") << "12 4" << false;
}

void TestNetworkEntryRules::pin()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(isValidPinText(text), valid);
}

QTEST_APPLESS_MAIN(TestNetworkEntryRules)
#include "tst_network_entry_rules.moc"
