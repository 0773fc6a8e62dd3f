#include "control/details/temperature_humidity_rules.h"
#include "control/settings.h"
#include "pc_panel/temperature_humidity_limits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include <limits>
#include <optional>
#include <type_traits>

using control::details::TemperatureHumidityRules;
using pcPanel::TemperatureHumidityLimits;
using signalInterface::HumidityTypes;

namespace {

TemperatureHumidityRules::MaxHumidityTable humidityTable(int version)
{
    TemperatureHumidityRules::MaxHumidityTable table;
    table.version = version;
    for (int i = 0; i < TemperatureHumidityRules::maxHumidityEntryCount; ++i)
        table.values[std::size_t(i)] = 90 - i / 2;
    return table;
}

TemperatureHumidityRules::MaxTemperatureTable temperatureTable(int version)
{
    TemperatureHumidityRules::MaxTemperatureTable table;
    table.version = version;
    for (int i = 0; i < TemperatureHumidityRules::maxTemperatureEntryCount; ++i)
        table.values[std::size_t(i)] = 100 - i / 3;
    return table;
}

// Starts over as a new process would: the store is read from the file again and the rules
// have their built-in tables.
TemperatureHumidityLimits &restart()
{
    TemperatureHumidityLimits::resetForTesting();
    TemperatureHumidityRules::resetForTesting();
    control::Settings::resetForTesting();
    return TemperatureHumidityLimits::instance();
}

// Writes a stored table as a settings file of an earlier run may hold it.
void writeStoredArray(const QString &arrayName, const QString &entryKey, const QString &versionKey,
                      int version, const QStringList &entries)
{
    QSettings *settings = control::Settings::settings();
    settings->setValue(versionKey, version);
    settings->beginWriteArray(arrayName, int(entries.size()));
    for (int i = 0; i < entries.size(); ++i) {
        settings->setArrayIndex(i);
        settings->setValue(entryKey, entries.at(i));
    }
    settings->endArray();
    settings->sync();
}

QStringList numbers(int count, int value)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << QString::number(value);
    return entries;
}

} // namespace

class TestTemperatureHumidityLimits : public QObject
{
    Q_OBJECT

    QString m_file;

    QByteArray fileContent() const
    {
        QFile file(m_file);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        m_file = control::Settings::settings()->fileName();
        control::Settings::resetForTesting();
        QFile::remove(m_file);
        TemperatureHumidityLimits::resetForTesting();
        TemperatureHumidityRules::resetForTesting();
    }

    void builtInTables()
    {
        const auto temperature = TemperatureHumidityRules::builtInMaxTemperatureTable();
        const auto humidity = TemperatureHumidityRules::builtInMaxHumidityTable();
        QCOMPARE(temperature.version, 1);
        QCOMPARE(humidity.version, 1);
        QCOMPARE(temperature.values.front(), 110);
        QCOMPARE(temperature.values.back(), 45);
        QCOMPARE(humidity.values.front(), 100);
        QCOMPARE(humidity.values.back(), 0);
        QVERIFY(std::is_sorted(temperature.values.rbegin(), temperature.values.rend()));
        QVERIFY(std::is_sorted(humidity.values.rbegin(), humidity.values.rend()));
    }

    // What one built-in table allows the other allows too: the two describe one boundary.
    void builtInTablesAgree()
    {
        const auto temperature = TemperatureHumidityRules::builtInMaxTemperatureTable();
        const auto humidity = TemperatureHumidityRules::builtInMaxHumidityTable();
        for (int celsius = 0; celsius <= 110; ++celsius) {
            for (int percent = 0; percent <= 100; ++percent) {
                const bool byTemperature = celsius <= temperature.values[std::size_t(percent)];
                const bool byHumidity = percent <= humidity.values[std::size_t(celsius)];
                if (byTemperature != byHumidity)
                    QFAIL(qPrintable(QStringLiteral("%1 °C %2 %").arg(celsius).arg(percent)));
            }
        }
    }

    // At every temperature the panel can hold, in ninths, the humidity limit allows only
    // humidities whose temperature limit still allows that temperature.
    void everyHumidityAllowedKeepsTheTemperatureAllowed()
    {
        const TemperatureHumidityRules &rules = TemperatureHumidityRules::instance();
        for (int ninths = 0; ninths <= 110 * 9; ++ninths) {
            const int percent = rules.maxHumidityFor(ninths, HumidityTypes::E_percentage);
            const value::HumidityValue_T humidity{percent, HumidityTypes::E_percentage};
            if (rules.maxTemperatureFor(humidity) < ninths)
                QFAIL(qPrintable(QStringLiteral("%1 ninths %2 %").arg(ninths).arg(percent)));
        }
    }

    // Degrees in whole °C; a humidity or a value held of -1 is none.
    void temperatureLimitOfAPair_data()
    {
        QTest::addColumn<int>("own");
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("humidity");
        QTest::addColumn<bool>("inLevels");
        QTest::addColumn<int>("limit");
        QTest::newRow("no humidity target: a dry sauna reaches 110")
            << 120 << -1 << -1 << false << 110;
        QTest::newRow("0 %") << 120 << -1 << 0 << false << 110;
        QTest::newRow("the sauna's own limit is lower") << 90 << -1 << 0 << false << 90;
        QTest::newRow("40 %") << 110 << -1 << 40 << false << 84;
        QTest::newRow("100 %") << 110 << -1 << 100 << false << 45;
        QTest::newRow("level 10 counts as 100 %") << 110 << -1 << 10 << true << 45;
        QTest::newRow("level 4 counts as 40 %") << 110 << -1 << 4 << true << 84;
        QTest::newRow("past 100 % counts as 100 %") << 110 << -1 << 1000 << false << 45;
        QTest::newRow("110 held at 100 %: kept, not past the own limit")
            << 110 << 110 << 100 << false << 110;
        QTest::newRow("held past the own limit") << 100 << 110 << 100 << false << 100;
    }

    void temperatureLimitOfAPair()
    {
        QFETCH(int, own);
        QFETCH(int, held);
        QFETCH(int, humidity);
        QFETCH(bool, inLevels);
        QFETCH(int, limit);
        std::optional<value::HumidityValue_T> target;
        if (humidity >= 0)
            target = value::HumidityValue_T{humidity, inLevels ? HumidityTypes::E_step
                                                               : HumidityTypes::E_percentage};
        const std::optional<int> heldNinths =
            held >= 0 ? std::optional<int>(held * 9) : std::nullopt;
        QCOMPARE(
            TemperatureHumidityRules::instance().temperatureUpperLimit(own * 9, heldNinths, target),
            limit * 9);
    }

    // Temperatures in ninths of a degree.
    void humidityLimitOfAPair_data()
    {
        QTest::addColumn<int>("temperature");
        QTest::addColumn<int>("held");
        QTest::addColumn<bool>("inLevels");
        QTest::addColumn<int>("limit");
        QTest::newRow("0 °C") << 0 << -1 << false << 100;
        QTest::newRow("below 0 °C counts as 0") << -30 * 9 << -1 << false << 100;
        QTest::newRow("45 °C allows 100 %") << 45 * 9 << -1 << false << 100;
        QTest::newRow("46 °C") << 46 * 9 << -1 << false << 99;
        QTest::newRow("80 °C") << 80 * 9 << -1 << false << 46;
        QTest::newRow("80 °C in levels") << 80 * 9 << -1 << true << 4;
        // Between whole degrees the next one up counts: 46 % allows no more than 80 °C.
        QTest::newRow("177 °F counts as 81 °C") << 725 << -1 << false << 45;
        QTest::newRow("a ninth above 80 °C counts as 81") << 721 << -1 << false << 45;
        QTest::newRow("a ninth above 77 °C in levels: 78 allows level 4")
            << 77 * 9 + 1 << -1 << true << 4;
        QTest::newRow("a ninth above 45 °C counts as 46") << 45 * 9 + 1 << -1 << false << 99;
        QTest::newRow("110 °C allows none") << 110 * 9 << -1 << false << 0;
        QTest::newRow("past 110 °C counts as 110") << 160 * 9 << -1 << false << 0;
        QTest::newRow("100 % held at 110 °C") << 110 * 9 << 100 << false << 100;
    }

    void humidityLimitOfAPair()
    {
        QFETCH(int, temperature);
        QFETCH(int, held);
        QFETCH(bool, inLevels);
        QFETCH(int, limit);
        const auto unit = inLevels ? HumidityTypes::E_step : HumidityTypes::E_percentage;
        const std::optional<int> heldValue = held >= 0 ? std::optional<int>(held) : std::nullopt;
        const TemperatureHumidityRules &rules = TemperatureHumidityRules::instance();
        QCOMPARE(rules.humidityUpperLimit(inLevels ? 10 : 100, heldValue, temperature, unit),
                 limit);
        // Without a temperature the humidity keeps its own limit.
        QCOMPARE(rules.humidityUpperLimit(inLevels ? 10 : 100, std::nullopt, std::nullopt, unit),
                 inLevels ? 10 : 100);
    }

    // A received table is not checked: an absurd entry limits, but does not wrap around.
    void absurdReceivedEntryDoesNotWrap()
    {
        TemperatureHumidityRules::MaxTemperatureTable table = temperatureTable(2);
        table.values.fill(std::numeric_limits<int>::max());
        TemperatureHumidityRules &rules = TemperatureHumidityRules::instance();
        rules.setMaxTemperatureTable(table);
        QCOMPARE(
            rules.temperatureUpperLimit(110 * 9, std::nullopt,
                                        value::HumidityValue_T{50, HumidityTypes::E_percentage}),
            110 * 9);
    }

    void nothingStored()
    {
        TemperatureHumidityLimits &limits = TemperatureHumidityLimits::instance();
        QCOMPARE(limits.storedMaxHumidityTableVersion(), 0);
        QCOMPARE(limits.storedMaxTemperatureTableVersion(), 0);
        const TemperatureHumidityRules &rules = TemperatureHumidityRules::instance();
        QCOMPARE(rules.maxHumidityTable(), TemperatureHumidityRules::builtInMaxHumidityTable());
        QCOMPARE(rules.maxTemperatureTable(),
                 TemperatureHumidityRules::builtInMaxTemperatureTable());
        QCOMPARE(limits.knownMaxHumidityTableVersion(), 1);
        QVERIFY(!limits.isMaxHumidityTableUpdateNeeded(1));
        QVERIFY(limits.isMaxHumidityTableUpdateNeeded(2));
    }

    void storedTableTakesEffectAtNextStart()
    {
        TemperatureHumidityLimits &limits = TemperatureHumidityLimits::instance();
        limits.storeMaxHumidityTable(humidityTable(2));
        QCOMPARE(limits.storedMaxHumidityTableVersion(), 2);
        // Not in use before the next start, and not asked for again meanwhile.
        QCOMPARE(TemperatureHumidityRules::instance().maxHumidityTable().version, 1);
        QVERIFY(!limits.isMaxHumidityTableUpdateNeeded(2));
        const QByteArray stored = fileContent();
        limits.storeMaxHumidityTable(humidityTable(2));
        QCOMPARE(fileContent(), stored);

        limits.storeMaxTemperatureTable(temperatureTable(3));
        restart();
        QCOMPARE(TemperatureHumidityRules::instance().maxHumidityTable(), humidityTable(2));
        QCOMPARE(TemperatureHumidityRules::instance().maxTemperatureTable(), temperatureTable(3));
    }

    void storedLayout()
    {
        TemperatureHumidityLimits::instance().storeMaxTemperatureTable(temperatureTable(4));
        const QByteArray content = fileContent();
        QVERIFY(content.contains("pc_panel_max_temperature_version=4"));
        QVERIFY(content.contains("[pc_panel_max_temperature_size]"));
        QVERIFY(content.contains("1\\pc_panel_max_temperature=100\n"));
        QVERIFY(content.contains("101\\pc_panel_max_temperature=67\n"));
        QVERIFY(!content.contains("102\\pc_panel_max_temperature"));
        QVERIFY(content.contains("size=101"));
    }

    void storingGivesNoResult()
    {
        // A refused table is the link's business only through the versions it compares; the
        // store itself answers nothing.
        TemperatureHumidityLimits &limits = TemperatureHumidityLimits::instance();
        QVERIFY(std::is_void_v<decltype(limits.storeMaxHumidityTable(humidityTable(2)))>);
        QVERIFY(std::is_void_v<decltype(limits.storeMaxTemperatureTable(temperatureTable(2)))>);
    }

    void olderOrEqualTablesAreRefused()
    {
        TemperatureHumidityLimits &limits = TemperatureHumidityLimits::instance();
        limits.storeMaxTemperatureTable(temperatureTable(5));
        const QByteArray before = fileContent();
        limits.storeMaxTemperatureTable(temperatureTable(5));
        limits.storeMaxTemperatureTable(temperatureTable(4));
        // The built-in version counts as well.
        limits.storeMaxHumidityTable(humidityTable(1));
        QCOMPARE(fileContent(), before);
        QCOMPARE(limits.storedMaxTemperatureTableVersion(), 5);
    }

    void incompleteOrDamagedStoredTablesAreIgnored_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("version");
        QTest::newRow("one entry short") << numbers(100, 60) << 5;
        QTest::newRow("one entry too many") << numbers(102, 60) << 5;
        QTest::newRow("no entries") << QStringList() << 5;
        QStringList damaged = numbers(101, 60);
        damaged[50] = "sixty";
        QTest::newRow("entry not a number") << damaged << 5;
        QTest::newRow("version not newer") << numbers(101, 60) << 1;
    }

    void incompleteOrDamagedStoredTablesAreIgnored()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, version);
        writeStoredArray("pc_panel_max_temperature_size", "pc_panel_max_temperature",
                         "pc_panel_max_temperature_version", version, entries);
        restart();
        QCOMPARE(TemperatureHumidityRules::instance().maxTemperatureTable(),
                 TemperatureHumidityRules::builtInMaxTemperatureTable());
        // The file keeps what it held: a bad table is ignored, not erased.
        QCOMPARE(TemperatureHumidityLimits::instance().storedMaxTemperatureTableVersion(), version);
    }

    void completeHandWrittenTableIsApplied()
    {
        writeStoredArray("pc_panel_max_humidity_size", "pc_panel_max_humidity",
                         "pc_panel_max_humidity_version", 2, numbers(111, 42));
        restart();
        const auto &table = TemperatureHumidityRules::instance().maxHumidityTable();
        QCOMPARE(table.version, 2);
        QCOMPARE(table.values.front(), 42);
        QCOMPARE(table.values.back(), 42);
        QCOMPARE(TemperatureHumidityRules::instance().maxTemperatureTable().version, 1);
    }

    // The entries in the file decide, not the size line of a damaged or hand-edited file.
    void tableSizeLineIsNotTrusted_data()
    {
        QTest::addColumn<QByteArray>("sizeLine");
        QTest::addColumn<int>("entries");
        QTest::addColumn<bool>("applied");
        QTest::newRow("absurd size") << QByteArray("size=100000000\n") << 111 << true;
        QTest::newRow("negative size") << QByteArray("size=-5\n") << 111 << true;
        QTest::newRow("no size") << QByteArray() << 111 << true;
        QTest::newRow("right size, one entry short") << QByteArray("size=111\n") << 110 << false;
        QTest::newRow("right size, one entry too many") << QByteArray("size=111\n") << 112 << false;
    }

    void tableSizeLineIsNotTrusted()
    {
        QFETCH(QByteArray, sizeLine);
        QFETCH(int, entries);
        QFETCH(bool, applied);
        QByteArray text = "[General]\npc_panel_max_humidity_version=2\n\n"
                          "[pc_panel_max_humidity_size]\n";
        for (int number = 1; number <= entries; ++number)
            text += QByteArray::number(number) + "\\pc_panel_max_humidity=42\n";
        QVERIFY(QDir().mkpath(QFileInfo(m_file).absolutePath()));
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(text + sizeLine), text.size() + sizeLine.size());
        file.close();

        restart();
        const auto &table = TemperatureHumidityRules::instance().maxHumidityTable();
        if (applied) {
            QCOMPARE(table.version, 2);
            QCOMPARE(table.values.front(), 42);
            QCOMPARE(table.values.back(), 42);
        } else {
            QCOMPARE(table, TemperatureHumidityRules::builtInMaxHumidityTable());
        }
    }

    void unreadableVersionCountsAsAbsent()
    {
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\npc_panel_max_humidity_version=two\n");
        file.close();
        QCOMPARE(restart().storedMaxHumidityTableVersion(), 0);
    }
};

QTEST_APPLESS_MAIN(TestTemperatureHumidityLimits)
#include "tst_temperature_humidity_limits.moc"
