#include "signal_interface/pin_types.h"
#include "signal_interface/remote_sauna_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"
#include "signal_interface/version_types.h"

#include <QTest>
#include <QVariant>

using namespace signalInterface;

namespace {

// Remembers the answers it is given.
class RecordingAction : public UserMessageAction
{
public:
    void execute(const UserMessageTypes::UserMessageAnswer &answer) override
    {
        m_answers.append(answer);
    }
    QList<UserMessageTypes::UserMessageAnswer> m_answers;
};

} // namespace

// The panel's own records: PIN, versions, remote saunas, networks and user messages.
class TestPanelRecords : public QObject
{
    Q_OBJECT

private slots:
    void pinKeepsFourCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::newRow("six characters") << "123456"
                                        << "1234";
        QTest::newRow("four") << "0000"
                              << "0000";
        QTest::newRow("two") << "12"
                             << "12";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("not digits") << "ab cd"
                                    << "ab c";
        QTest::newRow("non-latin") << QString::fromUtf8("ääöö5") << QString::fromUtf8("ääöö");
    }

    void pinKeepsFourCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QCOMPARE(PinTypes::Pin(text).pin(), kept);
        PinTypes::Pin pin;
        pin.setPin(text);
        QCOMPARE(pin.pin(), kept);
        PinTypes::Pin assigned;
        assigned.assign(text);
        QCOMPARE(assigned.pin(), kept);
        QCOMPARE(assigned, pin);
    }

    void pinComparison()
    {
        const PinTypes::Pin defaultPin;
        QCOMPARE(defaultPin.pin(), QStringLiteral("4826"));
        QCOMPARE(defaultPin, PinTypes::Pin(QStringLiteral("4826")));
        QCOMPARE(defaultPin, PinTypes::Pin(QStringLiteral("482612")));
        QVERIFY(defaultPin != PinTypes::Pin(QStringLiteral("4827")));
        QVERIFY(defaultPin != PinTypes::Pin(QStringLiteral("482")));
        QVERIFY(defaultPin != PinTypes::Pin(QString()));
        QVERIFY(PinTypes::Pin(QStringLiteral("ab")) != PinTypes::Pin(QStringLiteral("AB")));
        QVERIFY(QVariant::fromValue(PinTypes::Pin(QStringLiteral("17"))).value<PinTypes::Pin>() ==
                PinTypes::Pin(QStringLiteral("17")));
    }

    void makeVersion()
    {
        QCOMPARE(VersionTypes::makeVersion(1, 0, 17), std::string("1.0.17"));
        QCOMPARE(VersionTypes::makeVersion(0, 0, 0), std::string("0.0.0"));
        QCOMPARE(VersionTypes::makeVersion(1, 12, 3), std::string("1.12.3"));
        QCOMPARE(VersionTypes::makeVersion(4294967295u, 10, 0), std::string("4294967295.10.0"));
    }

    void parseVersion_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<uint>("majorPart");
        QTest::addColumn<uint>("minorPart");
        QTest::addColumn<uint>("patchPart");
        QTest::newRow("complete") << QByteArray("1.2.3") << 1u << 2u << 3u;
        QTest::newRow("large parts") << QByteArray("10.200.3000") << 10u << 200u << 3000u;
        QTest::newRow("separators unchecked") << QByteArray("1-2_3") << 1u << 2u << 3u;
        QTest::newRow("trailing text ignored") << QByteArray("1.2.3.4") << 1u << 2u << 3u;
        QTest::newRow("leading zeros") << QByteArray("01.002.0") << 1u << 2u << 0u;
        QTest::newRow("largest part") << QByteArray("4294967295.0.1") << 4294967295u << 0u << 1u;
        QTest::newRow("major only") << QByteArray("7") << 7u << 0u << 0u;
        QTest::newRow("two parts") << QByteArray("1.2") << 1u << 2u << 0u;
        QTest::newRow("dangling separator") << QByteArray("1.2.") << 1u << 2u << 0u;
        QTest::newRow("empty") << QByteArray("") << 0u << 0u << 0u;
        QTest::newRow("no number") << QByteArray("v1.2.3") << 0u << 0u << 0u;
        QTest::newRow("stops at bad part") << QByteArray("1.x.3") << 1u << 0u << 0u;
        QTest::newRow("negative part not wrapped") << QByteArray("1.-2.3") << 1u << 0u << 0u;
        QTest::newRow("overflowing part") << QByteArray("4294967296.1.1") << 0u << 0u << 0u;
        QTest::newRow("overflow later") << QByteArray("3.99999999999999999999.1") << 3u << 0u << 0u;
    }

    void parseVersion()
    {
        QFETCH(QByteArray, text);
        QFETCH(uint, majorPart);
        QFETCH(uint, minorPart);
        QFETCH(uint, patchPart);
        const VersionTypes::VersionNumbers numbers = VersionTypes::parseVersion(text.toStdString());
        QCOMPARE(numbers.majorPart, majorPart);
        QCOMPARE(numbers.minorPart, minorPart);
        QCOMPARE(numbers.patchPart, patchPart);
    }

    void versionRoundTrip()
    {
        const VersionTypes::VersionNumbers numbers =
            VersionTypes::parseVersion(VersionTypes::makeVersion(3, 14, 159));
        QCOMPARE(numbers, (VersionTypes::VersionNumbers{3, 14, 159}));
    }

    void remoteSaunaCopiesEveryField()
    {
        RemoteSaunaTypes::RemoteSauna sauna;
        sauna.identity = QUuid::createUuid();
        sauna.brand = VariantTypes::E_orvela;
        sauna.rcbProduct = MasterFuncDescTypes::E_sauna_ir;
        sauna.name = QStringLiteral("Cabin");
        sauna.pin.setPin(QStringLiteral("1234"));
        sauna.address = QHostAddress(QStringLiteral("192.168.1.20"));
        sauna.port = 49152;
        sauna.linkValue = 123456;

        RemoteSaunaTypes::RemoteSauna copy;
        copy = sauna;
        QCOMPARE(copy, sauna);
        QCOMPARE(QVariant::fromValue(sauna).value<RemoteSaunaTypes::RemoteSauna>(), sauna);

        copy.linkValue = 0;
        QVERIFY(copy != sauna);
        copy = sauna;
        copy.pin.setPin(QStringLiteral("4321"));
        QVERIFY(copy != sauna);
    }

    void networkRecordsCompareEveryField()
    {
        const RemoteSaunaTypes::WiFiNetwork network;
        RemoteSaunaTypes::WiFiNetwork other = network;
        other.password = QStringLiteral("secret");
        QVERIFY(other != network);

        const RemoteSaunaTypes::ExternalUnit unit;
        RemoteSaunaTypes::ExternalUnit otherUnit = unit;
        otherUnit.text4 = QStringLiteral("x");
        QVERIFY(otherUnit != unit);
        QCOMPARE(QVariant::fromValue(otherUnit).value<RemoteSaunaTypes::ExternalUnit>(), otherUnit);
    }

    void userMessageComparesArguments()
    {
        UserMessageTypes::UserMessage panelMessage(0x2001);
        QCOMPARE(panelMessage.id, 0x2001u);
        panelMessage.arguments << QStringLiteral("first");
        QVERIFY(panelMessage != UserMessageTypes::UserMessage(0x2001));
        QCOMPARE(QVariant::fromValue(panelMessage).value<UserMessageTypes::UserMessage>(),
                 panelMessage);
    }

    void userMessageAction()
    {
        RecordingAction recording;
        UserMessageAction *action = &recording;
        const QVariant carried = QVariant::fromValue(action);
        carried.value<UserMessageAction *>()->execute(UserMessageTypes::E_answerYes);
        action->execute(UserMessageTypes::E_answerNo);
        QCOMPARE(recording.m_answers,
                 (QList<UserMessageTypes::UserMessageAnswer>{UserMessageTypes::E_answerYes,
                                                             UserMessageTypes::E_answerNo}));
    }
};

QTEST_APPLESS_MAIN(TestPanelRecords)
#include "tst_panel_records.moc"
