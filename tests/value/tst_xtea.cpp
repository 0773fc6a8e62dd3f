#include "value/pin_packing.h"
#include "value/xtea.h"

#include <QTest>

#include <array>

using Key = std::array<quint32, 4>;
using Block = value::PinBlock;

Q_DECLARE_METATYPE(Key)
Q_DECLARE_METATYPE(Block)

namespace {

// The published vectors give keys and blocks as big-endian byte strings.
quint32 bigEndianWord(const QByteArray &bytes, int offset)
{
    return quint32(quint8(bytes.at(offset))) << 24 | quint32(quint8(bytes.at(offset + 1))) << 16 |
           quint32(quint8(bytes.at(offset + 2))) << 8 | quint32(quint8(bytes.at(offset + 3)));
}

Key keyFromHex(const char *hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    return {bigEndianWord(bytes, 0), bigEndianWord(bytes, 4), bigEndianWord(bytes, 8),
            bigEndianWord(bytes, 12)};
}

Block blockFromHex(const char *hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    return {bigEndianWord(bytes, 0), bigEndianWord(bytes, 4)};
}

const Key someKey = {0x243F6A88u, 0x85A308D3u, 0x13198A2Eu, 0x03707344u};

} // namespace

// Checks the XTEA routines and the PIN packing that stores PINs through them.
class TestXtea : public QObject
{
    Q_OBJECT

private slots:
    void publishedVectors_data();
    void publishedVectors();
    void roundTrip_data();
    void roundTrip();
    void zeroCyclesLeavesBlockUnchanged();
    void cyclesAndKeyMatter();

    void packPin_data();
    void packPin();
    void unpackPin_data();
    void unpackPin();
    void validPin_data();
    void validPin();
    void storedPinRoundTrip_data();
    void storedPinRoundTrip();
    void foreignOrCorruptBlockIsNoPin_data();
    void foreignOrCorruptBlockIsNoPin();
    void pinOfOtherKeyIsNoPin();
};

void TestXtea::publishedVectors_data()
{
    QTest::addColumn<Key>("key");
    QTest::addColumn<Block>("plain");
    QTest::addColumn<Block>("cipher");

    const char *countingKey = "000102030405060708090a0b0c0d0e0f";
    const char *zeroKey = "00000000000000000000000000000000";
    QTest::newRow("counting key, ABCDEFGH")
        << keyFromHex(countingKey) << blockFromHex("4142434445464748")
        << blockFromHex("497df3d072612cb5");
    QTest::newRow("counting key, AAAAAAAA")
        << keyFromHex(countingKey) << blockFromHex("4141414141414141")
        << blockFromHex("e78f2d13744341d8");
    QTest::newRow("counting key, to AAAAAAAA")
        << keyFromHex(countingKey) << blockFromHex("5a5b6e278948d77f")
        << blockFromHex("4141414141414141");
    QTest::newRow("zero key, ABCDEFGH") << keyFromHex(zeroKey) << blockFromHex("4142434445464748")
                                        << blockFromHex("a0390589f8b8efa5");
    QTest::newRow("zero key, AAAAAAAA") << keyFromHex(zeroKey) << blockFromHex("4141414141414141")
                                        << blockFromHex("ed23375a821a8c2d");
    QTest::newRow("zero key, to AAAAAAAA")
        << keyFromHex(zeroKey) << blockFromHex("70e1225d6e4e7655")
        << blockFromHex("4141414141414141");
    QTest::newRow("zero key, zero block") << keyFromHex(zeroKey) << blockFromHex("0000000000000000")
                                          << blockFromHex("dee9d4d8f7131ed9");
}

void TestXtea::publishedVectors()
{
    QFETCH(Key, key);
    QFETCH(Block, plain);
    QFETCH(Block, cipher);

    Block block = plain;
    value::xteaEncipher(32, block.data(), key.data());
    QCOMPARE(block, cipher);
    value::xteaDecipher(32, block.data(), key.data());
    QCOMPARE(block, plain);
}

void TestXtea::roundTrip_data()
{
    QTest::addColumn<unsigned>("cycles");
    QTest::addColumn<Block>("plain");

    for (const unsigned cycles : {43u, 37u}) {
        const QByteArray prefix = QByteArray::number(cycles) + " cycles, ";
        QTest::newRow(prefix + "zero") << cycles << Block{0u, 0u};
        QTest::newRow(prefix + "all ones") << cycles << Block{0xFFFFFFFFu, 0xFFFFFFFFu};
        QTest::newRow(prefix + "PIN 4826") << cycles << value::packPin(QStringLiteral("4826"));
        QTest::newRow(prefix + "PIN 7") << cycles << value::packPin(QStringLiteral("7"));
    }
}

void TestXtea::roundTrip()
{
    QFETCH(unsigned, cycles);
    QFETCH(Block, plain);

    Block block = plain;
    value::xteaEncipher(cycles, block.data(), someKey.data());
    QVERIFY(block != plain);
    value::xteaDecipher(cycles, block.data(), someKey.data());
    QCOMPARE(block, plain);
}

void TestXtea::zeroCyclesLeavesBlockUnchanged()
{
    const Block plain{0x12345678u, 0x9ABCDEF0u};
    Block block = plain;
    value::xteaEncipher(0, block.data(), someKey.data());
    QCOMPARE(block, plain);
    value::xteaDecipher(0, block.data(), someKey.data());
    QCOMPARE(block, plain);
}

void TestXtea::cyclesAndKeyMatter()
{
    const Block plain = value::packPin(QStringLiteral("1234"));
    Block with43 = plain;
    Block with37 = plain;
    value::xteaEncipher(43, with43.data(), someKey.data());
    value::xteaEncipher(37, with37.data(), someKey.data());
    QVERIFY(with43 != with37);

    // Deciphering with the wrong cycle count or key does not give the PIN back.
    Block wrongCycles = with43;
    value::xteaDecipher(37, wrongCycles.data(), someKey.data());
    QVERIFY(wrongCycles != plain);
    Key otherKey = someKey;
    otherKey[3] ^= 1u;
    Block wrongKey = with43;
    value::xteaDecipher(43, wrongKey.data(), otherKey.data());
    QVERIFY(wrongKey != plain);
}

void TestXtea::packPin_data()
{
    QTest::addColumn<QString>("pin");
    QTest::addColumn<Block>("block");

    QTest::newRow("four digits") << QStringLiteral("1234") << Block{0x00310032u, 0x00330034u};
    QTest::newRow("default") << QStringLiteral("4826") << Block{0x00340038u, 0x00320036u};
    QTest::newRow("three digits") << QStringLiteral("987") << Block{0x00390038u, 0x00370000u};
    QTest::newRow("two digits") << QStringLiteral("12") << Block{0x00310032u, 0u};
    QTest::newRow("one digit") << QStringLiteral("1") << Block{0x00310000u, 0u};
    QTest::newRow("empty") << QString() << Block{0u, 0u};
    QTest::newRow("over-long keeps four")
        << QStringLiteral("123456") << Block{0x00310032u, 0x00330034u};
    QTest::newRow("wide code units")
        << QString::fromUtf16(u"\u00e4\uffff") << Block{0x00e4ffffu, 0u};
}

void TestXtea::packPin()
{
    QFETCH(QString, pin);
    QFETCH(Block, block);

    QCOMPARE(value::packPin(pin), block);
}

void TestXtea::unpackPin_data()
{
    QTest::addColumn<Block>("block");
    QTest::addColumn<QString>("pin");

    QTest::newRow("four digits") << Block{0x00310032u, 0x00330034u} << QStringLiteral("1234");
    QTest::newRow("three digits") << Block{0x00390038u, 0x00370000u} << QStringLiteral("987");
    QTest::newRow("two digits") << Block{0x00310032u, 0u} << QStringLiteral("12");
    QTest::newRow("one digit") << Block{0x00310000u, 0u} << QStringLiteral("1");
    QTest::newRow("all padding") << Block{0u, 0u} << QString();
    // Only trailing padding is dropped; a 0 inside stays and makes the PIN invalid.
    QTest::newRow("inner zero kept")
        << Block{0x00310000u, 0x00320000u} << QString::fromUtf16(u"1\u00002", 3);
}

void TestXtea::unpackPin()
{
    QFETCH(Block, block);
    QFETCH(QString, pin);

    QCOMPARE(value::unpackPin(block), pin);
}

void TestXtea::validPin_data()
{
    QTest::addColumn<QString>("pin");
    QTest::addColumn<bool>("valid");

    QTest::newRow("one digit") << QStringLiteral("0") << true;
    QTest::newRow("two digits") << QStringLiteral("12") << true;
    QTest::newRow("four digits") << QStringLiteral("9999") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("five digits") << QStringLiteral("12345") << false;
    QTest::newRow("letter") << QStringLiteral("12a4") << false;
    QTest::newRow("space") << QStringLiteral(" 123") << false;
    QTest::newRow("sign") << QStringLiteral("-1") << false;
    QTest::newRow("inner nul") << QString::fromUtf16(u"1\u00002", 3) << false;
    QTest::newRow("arabic-indic digit") << QString::fromUtf16(u"\u0661\u0662") << false;
}

void TestXtea::validPin()
{
    QFETCH(QString, pin);
    QFETCH(bool, valid);

    QCOMPARE(value::isValidPin(pin), valid);
}

void TestXtea::storedPinRoundTrip_data()
{
    QTest::addColumn<QString>("pin");

    QTest::newRow("four digits") << QStringLiteral("4826");
    QTest::newRow("leading zero") << QStringLiteral("0007");
    QTest::newRow("three digits") << QStringLiteral("123");
    QTest::newRow("two digits") << QStringLiteral("12");
    QTest::newRow("one digit") << QStringLiteral("1");
    QTest::newRow("zero") << QStringLiteral("0");
}

void TestXtea::storedPinRoundTrip()
{
    QFETCH(QString, pin);

    for (const unsigned cycles : {43u, 37u}) {
        const Block stored = value::encipherPin(pin, cycles, someKey.data());
        QVERIFY(stored != value::packPin(pin));
        const std::optional<QString> read = value::decipherPin(stored, cycles, someKey.data());
        QVERIFY(read.has_value());
        QCOMPARE(*read, pin);
    }
}

void TestXtea::foreignOrCorruptBlockIsNoPin_data()
{
    QTest::addColumn<Block>("plain");

    QTest::newRow("empty") << value::packPin(QString());
    QTest::newRow("letters") << value::packPin(QStringLiteral("abcd"));
    QTest::newRow("arbitrary units") << Block{0xDEADBEEFu, 0x01234567u};
    QTest::newRow("inner zero") << Block{0x00310000u, 0x00320000u};
}

void TestXtea::foreignOrCorruptBlockIsNoPin()
{
    QFETCH(Block, plain);

    Block stored = plain;
    value::xteaEncipher(43, stored.data(), someKey.data());
    QVERIFY(!value::decipherPin(stored, 43, someKey.data()).has_value());
}

void TestXtea::pinOfOtherKeyIsNoPin()
{
    // A settings file written with other key material deciphers to arbitrary code units.
    Key otherKey = someKey;
    otherKey[0] ^= 0x80000000u;
    const Block stored = value::encipherPin(QStringLiteral("4826"), 43, otherKey.data());
    QVERIFY(!value::decipherPin(stored, 43, someKey.data()).has_value());
}

QTEST_APPLESS_MAIN(TestXtea)

#include "tst_xtea.moc"
