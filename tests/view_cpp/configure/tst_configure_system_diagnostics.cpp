#include "model_reader.h"

#include "signal_interface/error_log_types.h"
#include "signal_interface/type_registration.h"
#include "signal_interface/user_message_types.h"
#include "view_cpp/configure/configure_system_error_log_view_manager.h"
#include "view_cpp/configure/configure_system_status_view_manager.h"
#include "view_cpp/language_support.h"
#include "view_cpp/message_provider.h"
#include "view_cpp/text_row_item.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <limits>
#include <tuple>
#include <type_traits>

using signalInterface::DateTimeTypes;
using signalInterface::MasterFuncDescTypes;
using signalInterface::NodeInformationTypes;
using signalInterface::RelayStatusTypes;
using signalInterface::TankStatusTypes;
using signalInterface::TemperatureTypes;
using signalInterface::ErrorLogTypes::ErrorLogItem;
using signalInterface::UserMessageTypes::UserMessage;
using view::ConfigureSystemErrorLogViewManager;
using view::ConfigureSystemStatusViewManager;

namespace {

QStringList lines(const view::ListModel &model)
{
    return modelReader::texts(model, "value");
}

QString celsius()
{
    return view::LanguageSupport::temperatureUnitText(TemperatureTypes::E_celsius);
}

QString fahrenheit()
{
    return view::LanguageSupport::temperatureUnitText(TemperatureTypes::E_fahrenheit);
}

// A rate of the unit per minute, exactly as written: the view keeps it on one line.
QString perMinute(const QString &unit)
{
    return unit + QStringLiteral("/min");
}

QString on()
{
    return view::LanguageSupport::onText();
}

QString off()
{
    return view::LanguageSupport::offText();
}

MasterFuncDescTypes::MasterFuncDescPost tankFlags(bool cleanup = false)
{
    MasterFuncDescTypes::MasterFuncDescPost flags;
    flags.waterTemperature = true;
    flags.waterLevel = true;
    flags.cleanup = cleanup;
    return flags;
}

RelayStatusTypes::RelayStatusPost relay(int board, int type, bool inUse, bool isOn)
{
    RelayStatusTypes::RelayStatusPost post;
    post.board = static_cast<NodeInformationTypes::RcbMasterSlaveMode>(board);
    post.relay = static_cast<RelayStatusTypes::RelayType>(type);
    post.state1 = inUse;
    post.state2 = isOn;
    return post;
}

ErrorLogItem entry(quint32 index, const QDateTime &time, quint32 code, bool inUse = true,
                   int board = 0)
{
    ErrorLogItem item;
    item.index = index;
    item.firstFlag = inUse;
    item.time = time;
    item.code = code;
    item.board = static_cast<NodeInformationTypes::RcbMasterSlaveMode>(board);
    return item;
}

QDateTime at(int hour, int minute = 0)
{
    return QDateTime(QDate(2024, 3, 15), QTime(hour, minute));
}

// Gives the text of one error code a length of our choosing.
class ErrorTextTranslator : public QTranslator
{
public:
    explicit ErrorTextTranslator(QString text)
        : m_text(std::move(text))
    {}

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (QByteArray(context) == "view::details::ErrorMessageFunctions" &&
            QByteArray(sourceText) == "Electrode short circuit")
            return m_text;
        return {};
    }

private:
    QString m_text;
};

// The error log offers no name look-up of its own beside its rows.
template<typename T, typename = void>
struct HasErrorNameLookUp : std::false_type
{};
template<typename T>
struct HasErrorNameLookUp<T, std::void_t<decltype(T::errorName(0u))>> : std::true_type
{};
static_assert(!HasErrorNameLookUp<ConfigureSystemErrorLogViewManager>::value);

} // namespace

// The Status and Error log screens of the System menu, each manager on its own.
class TestConfigureSystemDiagnostics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }

    // Status.
    void statusBeforeAnyReport();
    void statusOfASauna();
    void statusOfASteamProductHasNoHumidityLine();
    void statusOfThreeBoards();
    void solvennoLeavesOutThePrimaryTank();
    void tankTemperatureInFahrenheit();
    void heatRatioIsARateInFahrenheit();
    void relayOnChangeRewritesInPlaceInUseChangeRebuilds();
    void relayPostsWithoutAPlaceAreSkipped();
    void valueReportRewritesOnlyItsLine();
    void temperatureReportsRewriteTheirOwnLines();
    void reportsWhileHiddenShowAtTheNextOpening();
    void unknownBoardOfATankReportIsNotStored();
    void readingsShowAsReported();

    // Error log.
    void errorLogIsNewestFirst();
    void errorNameIsShortenedFrom26Characters();
    void boardTextOfEachBoard();
    void indexAbove31IsDropped();
    void clearedEntryTakesTheLastRowAndRefills();
    void reportsWhileHiddenOnlyStore();
    void tapShowsTheWholeErrorAndClearSendsAtOnce();
    void tapOnACodeBeyondTheIntRangeShowsItsError();
    void formatsApplyToTheDateAndTime();
};

void TestConfigureSystemDiagnostics::statusBeforeAnyReport()
{
    ConfigureSystemStatusViewManager status(nullptr);
    QCOMPARE(status.model()->rowCount(), 0);
    status.onStatusViewVisibleChanged(true);
    const QStringList shown = lines(*status.model());
    // No reading stands for a value before the sauna reports it.
    QCOMPARE(shown, QStringList({QStringLiteral("Total runtime: --"), QString(),
                                 QStringLiteral("Room temperature: --") + celsius(),
                                 QStringLiteral("Magnetic contact: Not connected"),
                                 QStringLiteral("Smart Start Heat Ratio: 2") + perMinute(celsius()),
                                 QString(), QStringLiteral("PCB relays:")}));
    QCOMPARE(modelReader::applIds(*status.model()), QList<int>({-7, -13, -2, -5, -13, -13, -13}));
    status.onStatusViewVisibleChanged(false);
    QCOMPARE(status.model()->rowCount(), 0);
}

void TestConfigureSystemDiagnostics::statusOfASauna()
{
    ConfigureSystemStatusViewManager status(nullptr);
    status.onSaunaMasterProductChanged(MasterFuncDescTypes::E_combi_auto);
    status.onSaunaMasterFuncDescChanged(tankFlags(true));
    status.onSaunaHumiditySensorStatusChanged(true);
    status.onSaunaMagneticSensorConnectedChanged(true);
    status.onSaunaRunTimeChanged(119);
    status.onSaunaCleanupTotalChanged(12);
    status.onSaunaHumidityChanged(35, signalInterface::HumidityTypes::E_percentage);
    status.onTemperatureValueChanged2(78, TemperatureTypes::E_celsius);
    status.onSaunaTankTemperatureChanged(NodeInformationTypes::E_master, 720);
    status.onSaunaTankWaterLevelChanged(NodeInformationTypes::E_master, TankStatusTypes::E_mid);
    status.onSaunaRcbRelayChanged({relay(0, 0, true, true), relay(0, 1, true, false)});
    status.onStatusViewVisibleChanged(true);

    // 119 minutes are one whole hour. One board: no board word, no relay header.
    QCOMPARE(lines(*status.model()),
             QStringList(
                 {QStringLiteral("Total runtime: 1h"), QStringLiteral("Clean-ups: 12"), QString(),
                  QStringLiteral("Room temperature: 78") + celsius(),
                  QStringLiteral("Room humidity: 35%"),
                  QStringLiteral("Water temperature: 80") + celsius(),
                  QStringLiteral("Water level: Mid"), QStringLiteral("Magnetic contact: Connected"),
                  QStringLiteral("Smart Start Heat Ratio: 2") + perMinute(celsius()), QString(),
                  QStringLiteral("PCB relays:"), QStringLiteral("  X3-X4: ") + on(),
                  QStringLiteral("  X5-X6: ") + off()}));
    QCOMPARE(modelReader::applIds(*status.model()),
             QList<int>({-7, -1, -13, -2, -3, -4, -6, -5, -13, -13, -13, 0, 1}));
}

void TestConfigureSystemDiagnostics::statusOfASteamProductHasNoHumidityLine()
{
    ConfigureSystemStatusViewManager status(nullptr);
    status.onSaunaMasterFuncDescChanged(tankFlags());
    status.onSaunaHumiditySensorStatusChanged(true);
    status.onStatusViewVisibleChanged(true);
    QVERIFY(modelReader::applIds(*status.model()).contains(-3));

    // The product arrives while the page is shown: the humidity line goes, the tank lines stay.
    status.onSaunaMasterProductChanged(MasterFuncDescTypes::E_steam_public);
    const QList<int> ids = modelReader::applIds(*status.model());
    QVERIFY(!ids.contains(-3));
    QVERIFY(ids.contains(-4));
    QVERIFY(ids.contains(-6));
    QVERIFY(lines(*status.model()).contains(QStringLiteral("Water level: Unknown")));
}

void TestConfigureSystemDiagnostics::statusOfThreeBoards()
{
    ConfigureSystemStatusViewManager status(nullptr);
    status.onSaunaSystemModeChanged(MasterFuncDescTypes::E_multisteam);
    status.onSaunaRcbNumbersChanged(3);
    status.onSaunaMasterFuncDescChanged(tankFlags());
    status.onSaunaTankWaterLevelChanged(NodeInformationTypes::E_master, TankStatusTypes::E_high);
    status.onSaunaTankWaterLevelChanged(NodeInformationTypes::E_slave_1, TankStatusTypes::E_mid);
    status.onSaunaTankWaterLevelChanged(NodeInformationTypes::E_slave_2, TankStatusTypes::E_low);
    status.onSaunaTankTemperatureChanged(NodeInformationTypes::E_slave_2, 450);
    status.onSaunaRcbRelayChanged(
        {relay(0, 0, true, true), relay(1, 0, true, false), relay(2, 0, true, true)});
    status.onStatusViewVisibleChanged(true);

    const QStringList shown = lines(*status.model());
    QVERIFY(shown.contains(QStringLiteral("Water level primary: High")));
    QVERIFY(shown.contains(QStringLiteral("Water level secondary1: Mid")));
    QVERIFY(shown.contains(QStringLiteral("Water level secondary2: Low")));
    QVERIFY(shown.contains(QStringLiteral("Water temperature primary: --") + celsius()));
    QVERIFY(shown.contains(QStringLiteral("Water temperature secondary2: 50") + celsius()));
    QVERIFY(shown.contains(QStringLiteral("   Primary / Secondary1 / Secondary2")));
    QCOMPARE(shown.constLast(), QStringLiteral("  X3-X4: ") + on() + QStringLiteral(" / ") + off() +
                                    QStringLiteral(" / ") + on());
    const QList<int> ids = modelReader::applIds(*status.model());
    QCOMPARE(ids.count(-9), 2);
    QVERIFY(ids.contains(-11) && ids.contains(-12));

    // Outside the multi-steam mode the first secondary board has no number.
    ConfigureSystemStatusViewManager standard(nullptr);
    standard.onSaunaRcbNumbersChanged(2);
    standard.onSaunaMasterFuncDescChanged(tankFlags());
    standard.onStatusViewVisibleChanged(true);
    const QStringList two = lines(*standard.model());
    QVERIFY(two.contains(QStringLiteral("Water level secondary: Unknown")));
    QVERIFY(!two.join(QLatin1Char('|')).contains(QStringLiteral("secondary2")));
    QVERIFY(two.contains(QStringLiteral("   Primary / Secondary1")));
}

void TestConfigureSystemDiagnostics::solvennoLeavesOutThePrimaryTank()
{
    ConfigureSystemStatusViewManager status(nullptr);
    status.onSaunaSystemModeChanged(MasterFuncDescTypes::E_solvenno);
    status.onSaunaRcbNumbersChanged(2);
    status.onSaunaMasterFuncDescChanged(tankFlags());
    status.onStatusViewVisibleChanged(true);
    const QList<int> ids = modelReader::applIds(*status.model());
    QVERIFY(!ids.contains(-4));
    QVERIFY(!ids.contains(-6));
    QVERIFY(ids.contains(-11));
    QCOMPARE(ids.count(-9), 1);
    QVERIFY(!ids.contains(-12));
}

void TestConfigureSystemDiagnostics::tankTemperatureInFahrenheit()
{
    ConfigureSystemStatusViewManager status(nullptr);
    status.onSaunaMasterFuncDescChanged(tankFlags());
    status.onSaunaTankTemperatureChanged(NodeInformationTypes::E_master, 720);
    status.onStatusViewVisibleChanged(true);
    QVERIFY(lines(*status.model()).contains(QStringLiteral("Water temperature: 80") + celsius()));
    status.onTemperatureUnitChanged(TemperatureTypes::E_fahrenheit);
    QVERIFY(
        lines(*status.model()).contains(QStringLiteral("Water temperature: 176") + fahrenheit()));
}

void TestConfigureSystemDiagnostics::heatRatioIsARateInFahrenheit()
{
    ConfigureSystemStatusViewManager status(nullptr);
    status.onStatusViewVisibleChanged(true);
    signalInterface::SmartStartTypes::SmartStartParameters parameters;
    parameters.heatRatio = 45; // 5 °C a minute
    status.onSaunaSmartStartChanged(parameters);
    QVERIFY(lines(*status.model())
                .contains(QStringLiteral("Smart Start Heat Ratio: 5") + perMinute(celsius())));
    // 9 °F a minute: no offset of 32 on a rate. The unit comes with the room temperature and
    // shows on the line at its next writing.
    status.onTemperatureValueChanged2(170, TemperatureTypes::E_fahrenheit);
    status.onSaunaSmartStartChanged(parameters);
    QVERIFY(lines(*status.model())
                .contains(QStringLiteral("Smart Start Heat Ratio: 9") + perMinute(fahrenheit())));

    // Every ratio the sauna can report, in either unit, with no number wrapping: one beyond an
    // int's worth of ninths reads "--".
    const quint32 intMax = quint32(std::numeric_limits<int>::max());
    const QList<std::tuple<quint32, QString, QString>> ratios{
        {0, QStringLiteral("0"), QStringLiteral("0")},
        {intMax, QStringLiteral("238609294"), QStringLiteral("429496729")},
        {intMax + 1, QStringLiteral("--"), QStringLiteral("--")},
        {3000000000u, QStringLiteral("--"), QStringLiteral("--")},
        {std::numeric_limits<quint32>::max(), QStringLiteral("--"), QStringLiteral("--")}};
    for (const auto &[ninths, inCelsius, inFahrenheit] : ratios) {
        parameters.heatRatio = ninths;
        for (const auto &[unit, text] :
             {std::pair{TemperatureTypes::E_celsius, inCelsius + perMinute(celsius())},
              std::pair{TemperatureTypes::E_fahrenheit, inFahrenheit + perMinute(fahrenheit())}}) {
            status.onTemperatureUnitChanged(unit);
            status.onSaunaSmartStartChanged(parameters);
            const QString line = QStringLiteral("Smart Start Heat Ratio: ") + text;
            QVERIFY2(lines(*status.model()).contains(line), qPrintable(line));
        }
    }
}

void TestConfigureSystemDiagnostics::relayOnChangeRewritesInPlaceInUseChangeRebuilds()
{
    ConfigureSystemStatusViewManager status(nullptr);
    status.onSaunaRcbRelayChanged({relay(0, 0, true, false), relay(0, 2, true, false)});
    status.onStatusViewVisibleChanged(true);
    view::ListModel &model = *status.model();
    const int rows = model.rowCount();
    view::ListItem *heater = model.itemAt(rows - 2);
    view::ListItem *fan = model.itemAt(rows - 1);
    QCOMPARE(heater->applId(), 0);
    QCOMPARE(fan->applId(), 2);

    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    status.onSaunaRcbRelayChanged({relay(0, 0, true, true), relay(0, 2, true, false)});
    QCOMPARE(removed.count(), 0);
    QCOMPARE(model.itemAt(rows - 2), heater);
    QCOMPARE(model.itemAt(rows - 1), fan);
    QCOMPARE(changed.count(), 1); // the heater line only
    QCOMPARE(lines(model).value(rows - 2), QStringLiteral("  X3-X4: ") + on());

    // The fan relay no longer in use: its line goes with a new build.
    status.onSaunaRcbRelayChanged({relay(0, 2, false, false)});
    QCOMPARE(removed.count(), 1);
    QCOMPARE(model.rowCount(), rows - 1);
    QCOMPARE(model.getApplId(rows - 2), 0);
    QCOMPARE(lines(model).constLast(), QStringLiteral("  X3-X4: ") + on());
}

void TestConfigureSystemDiagnostics::relayPostsWithoutAPlaceAreSkipped()
{
    ConfigureSystemStatusViewManager status(nullptr);
    status.onSaunaRcbNumbersChanged(3);
    status.onStatusViewVisibleChanged(true);
    const QStringList before = lines(*status.model());
    // A fourth board and a fifteenth relay type: nothing is stored, nothing is shown.
    status.onSaunaRcbRelayChanged({relay(3, 0, true, true), relay(0, 14, true, true)});
    QCOMPARE(lines(*status.model()), before);
    status.onSaunaRcbRelayChanged({relay(0, 13, true, true)});
    QCOMPARE(lines(*status.model()).constLast(), QStringLiteral("  X29-X30: ") + on() +
                                                     QStringLiteral(" / ") + off() +
                                                     QStringLiteral(" / ") + off());
}

void TestConfigureSystemDiagnostics::valueReportRewritesOnlyItsLine()
{
    ConfigureSystemStatusViewManager status(nullptr);
    status.onSaunaMasterFuncDescChanged(tankFlags(true));
    status.onStatusViewVisibleChanged(true);
    view::ListModel &model = *status.model();
    view::ListItem *first = model.itemAt(0);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    status.onSaunaRunTimeChanged(61);
    status.onSaunaCleanupTotalChanged(3);
    status.onSaunaMagneticSensorConnectedChanged(true);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(removed.count(), 0);
    QCOMPARE(model.itemAt(0), first);
    QCOMPARE(lines(model).value(0), QStringLiteral("Total runtime: 1h"));
    QCOMPARE(lines(model).value(1), QStringLiteral("Clean-ups: 3"));

    // A value that gives the same text tells the list nothing: the line counts whole hours.
    status.onSaunaRunTimeChanged(119);
    QCOMPARE(changed.count(), 3);

    // A humidity sensor report changes which lines exist: a new build.
    status.onSaunaHumiditySensorStatusChanged(true);
    QCOMPARE(removed.count(), 1);
    QVERIFY(modelReader::applIds(model).contains(-3));
}

void TestConfigureSystemDiagnostics::temperatureReportsRewriteTheirOwnLines()
{
    ConfigureSystemStatusViewManager status(nullptr);
    status.onSaunaMasterFuncDescChanged(tankFlags());
    status.onSaunaTankTemperatureChanged(NodeInformationTypes::E_master, 720);
    status.onStatusViewVisibleChanged(true);
    view::ListModel &model = *status.model();
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    // The room temperature, with a new unit: only its own line is written.
    status.onTemperatureValueChanged2(170, TemperatureTypes::E_fahrenheit);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(lines(model).value(2), QStringLiteral("Room temperature: 170") + fahrenheit());
    QVERIFY(lines(model).contains(QStringLiteral("Water temperature: 80") + celsius()));

    // A unit change writes the water temperatures, not the heat ratio.
    changed.clear();
    status.onTemperatureUnitChanged(TemperatureTypes::E_fahrenheit);
    QCOMPARE(changed.count(), 1);
    QVERIFY(lines(model).contains(QStringLiteral("Water temperature: 176") + fahrenheit()));
    QVERIFY(
        lines(model).contains(QStringLiteral("Smart Start Heat Ratio: 2") + perMinute(celsius())));

    // The next opening writes every line in the unit last told.
    status.onStatusViewVisibleChanged(false);
    status.onStatusViewVisibleChanged(true);
    QVERIFY(lines(model).contains(QStringLiteral("Smart Start Heat Ratio: 3") +
                                  perMinute(fahrenheit())));
}

void TestConfigureSystemDiagnostics::reportsWhileHiddenShowAtTheNextOpening()
{
    ConfigureSystemStatusViewManager status(nullptr);
    status.onStatusViewVisibleChanged(true);
    status.onStatusViewVisibleChanged(false);
    QSignalSpy inserted(status.model(), &QAbstractItemModel::rowsInserted);
    status.onSaunaMasterFuncDescChanged(tankFlags(true));
    status.onSaunaRunTimeChanged(600);
    status.onSaunaRcbRelayChanged({relay(0, 1, true, true)});
    QCOMPARE(status.model()->rowCount(), 0);
    QCOMPARE(inserted.count(), 0);

    status.onStatusViewVisibleChanged(true);
    const QStringList shown = lines(*status.model());
    QCOMPARE(shown.value(0), QStringLiteral("Total runtime: 10h"));
    QVERIFY(shown.contains(QStringLiteral("Clean-ups: --")));
    QCOMPARE(shown.constLast(), QStringLiteral("  X5-X6: ") + on());
}

void TestConfigureSystemDiagnostics::unknownBoardOfATankReportIsNotStored()
{
    ConfigureSystemStatusViewManager status(nullptr);
    status.onSaunaMasterFuncDescChanged(tankFlags());
    status.onSaunaTankTemperatureChanged(NodeInformationTypes::E_master, 540);
    status.onSaunaTankWaterLevelChanged(NodeInformationTypes::E_master, TankStatusTypes::E_low);
    status.onStatusViewVisibleChanged(true);
    const auto boardFour = static_cast<NodeInformationTypes::RcbMasterSlaveMode>(3);
    status.onSaunaTankTemperatureChanged(boardFour, 900);
    status.onSaunaTankWaterLevelChanged(boardFour, TankStatusTypes::E_high);
    const QStringList shown = lines(*status.model());
    QVERIFY(shown.contains(QStringLiteral("Water temperature: 60") + celsius()));
    QVERIFY(shown.contains(QStringLiteral("Water level: Low")));
}

void TestConfigureSystemDiagnostics::readingsShowAsReported()
{
    using signalInterface::HumidityTypes;
    ConfigureSystemStatusViewManager status(nullptr);
    status.onSaunaMasterProductChanged(MasterFuncDescTypes::E_combi_auto);
    status.onSaunaMasterFuncDescChanged(tankFlags());
    status.onSaunaHumiditySensorStatusChanged(true);
    status.onStatusViewVisibleChanged(true);
    const auto shows = [&status](const QString &line) {
        return lines(*status.model()).contains(line);
    };

    // The room temperature as the presentation manager tells it.
    status.onTemperatureValueChanged2(150, TemperatureTypes::E_celsius);
    QVERIFY(shows(QStringLiteral("Room temperature: 150") + celsius()));
    status.onTemperatureValueUnknown();
    QVERIFY(shows(QStringLiteral("Room temperature: --") + celsius()));

    // A tank's temperature is shown whatever it is: an overheat of 151 °C is never hidden, and
    // no number wraps.
    const QList<std::pair<int, QString>> tanks{
        {-360, QStringLiteral("-40")},
        {1350, QStringLiteral("150")},
        {1359, QStringLiteral("151")},
        {-361, QStringLiteral("-40")},
        {90000, QStringLiteral("10000")},
        {std::numeric_limits<int>::max(), QStringLiteral("238609294")},
        {std::numeric_limits<int>::min(), QStringLiteral("-238609294")}};
    for (const auto &[ninths, text] : tanks) {
        status.onSaunaTankTemperatureChanged(NodeInformationTypes::E_master, ninths);
        QVERIFY2(shows(QStringLiteral("Water temperature: ") + text + celsius()),
                 qPrintable(lines(*status.model()).join(QLatin1Char('|'))));
    }
    status.onTemperatureUnitChanged(TemperatureTypes::E_fahrenheit);
    QVERIFY2(shows(QStringLiteral("Water temperature: -429496697") + fahrenheit()),
             qPrintable(lines(*status.model()).join(QLatin1Char('|'))));
    status.onSaunaTankTemperatureChanged(NodeInformationTypes::E_master,
                                         std::numeric_limits<int>::max());
    QVERIFY2(shows(QStringLiteral("Water temperature: 429496761") + fahrenheit()),
             qPrintable(lines(*status.model()).join(QLatin1Char('|'))));

    // The room humidity is the reported number with its unit.
    const QString percent = view::LanguageSupport::humidityUnitText(HumidityTypes::E_percentage);
    const QString level = view::LanguageSupport::humidityUnitText(HumidityTypes::E_step);
    const QList<std::tuple<int, HumidityTypes::HumidityUnit, QString>> humidities{
        {100, HumidityTypes::E_percentage, QStringLiteral("100") + percent},
        {101, HumidityTypes::E_percentage, QStringLiteral("101") + percent},
        {-1, HumidityTypes::E_percentage, QStringLiteral("-1") + percent},
        {10, HumidityTypes::E_step, QStringLiteral("10") + level},
        {11, HumidityTypes::E_step, QStringLiteral("11") + level},
        {std::numeric_limits<int>::max(), HumidityTypes::E_percentage,
         QStringLiteral("2147483647") + percent}};
    for (const auto &[number, unit, text] : humidities) {
        status.onSaunaHumidityChanged(number, unit);
        QVERIFY2(shows(QStringLiteral("Room humidity: ") + text),
                 qPrintable(lines(*status.model()).join(QLatin1Char('|'))));
    }
}

void TestConfigureSystemDiagnostics::errorLogIsNewestFirst()
{
    ConfigureSystemErrorLogViewManager log(nullptr);
    log.onErrorLogViewVisibleChanged(true);
    QCOMPARE(log.model()->rowCount(), 0);
    log.onSaunaErrorLogItemChanged(entry(0, at(10), 1));
    log.onSaunaErrorLogItemChanged(entry(1, at(12), 2));
    log.onSaunaErrorLogItemChanged(entry(2, at(11), 3));
    // A day earlier but a later hour: the date counts first.
    log.onSaunaErrorLogItemChanged(entry(3, at(23).addDays(-1), 4));
    QCOMPARE(modelReader::applIds(*log.model()), QList<int>({2, 3, 1, 4}));
    QCOMPARE(modelReader::texts(*log.model(), "textOnSubMenu"), QStringList({"2", "3", "1", "4"}));
    QCOMPARE(modelReader::texts(*log.model(), "textValue1").value(0),
             view::LanguageSupport::dateText(at(12).date(), DateTimeTypes::E_yymmdd) +
                 QLatin1Char(' ') +
                 view::LanguageSupport::timeText(at(12).time(), DateTimeTypes::E_0_24));
    // Every row in the middle of the list, as the screen never orders their layout.
    for (const QVariant &order : modelReader::column(*log.model(), "layoutOrder"))
        QCOMPARE(order.toString(), QStringLiteral("centre"));
}

void TestConfigureSystemDiagnostics::errorNameIsShortenedFrom26Characters()
{
    const auto shownName = [](quint32 code) {
        ConfigureSystemErrorLogViewManager screen(nullptr);
        screen.onErrorLogViewVisibleChanged(true);
        screen.onSaunaErrorLogItemChanged(entry(0, at(9), code));
        return modelReader::texts(*screen.model(), "textValue3").value(0);
    };
    // Code 8's text has exactly 25 characters.
    const QString steamTank = QStringLiteral("Steam tank has overheated");
    QCOMPARE(steamTank.size(), 25);
    QCOMPARE(shownName(8), steamTank);

    ErrorTextTranslator translator(QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(shownName(4), QStringLiteral("abcdefghijklmnopqrstuvwxy..."));
    QCoreApplication::removeTranslator(&translator);

    ErrorTextTranslator exact(QStringLiteral("abcdefghijklmnopqrstuvwxy"));
    QVERIFY(QCoreApplication::installTranslator(&exact));
    QCOMPARE(shownName(4), QStringLiteral("abcdefghijklmnopqrstuvwxy"));
    QCoreApplication::removeTranslator(&exact);

    ConfigureSystemErrorLogViewManager log(nullptr);
    log.onErrorLogViewVisibleChanged(true);
    log.onSaunaErrorLogItemChanged(entry(5, at(9), 3)); // "Relay Control Box PCB has overheated"
    QCOMPARE(modelReader::texts(*log.model(), "textValue3"),
             QStringList({QStringLiteral("Relay Control Box PCB has...")}));
    // An unknown code shows the unknown-id text, shortened as any other.
    log.onSaunaErrorLogItemChanged(entry(5, at(9), 999));
    QCOMPARE(modelReader::texts(*log.model(), "textValue3").value(0),
             view::details::MessageProvider::unknownMessageText(999).left(25) +
                 QStringLiteral("..."));
}

void TestConfigureSystemDiagnostics::boardTextOfEachBoard()
{
    ConfigureSystemErrorLogViewManager log(nullptr);
    log.onErrorLogViewVisibleChanged(true);
    for (int board = 0; board < 4; ++board)
        log.onSaunaErrorLogItemChanged(entry(quint32(board), at(10 + board), 1, true, board));
    // Newest first: boards 3, 2, 1, 0; the fourth board has no name.
    QCOMPARE(modelReader::texts(*log.model(), "textValue2"),
             QStringList({QString(), QStringLiteral("Secondary2"), QStringLiteral("Secondary1"),
                          QStringLiteral("Primary")}));
}

void TestConfigureSystemDiagnostics::indexAbove31IsDropped()
{
    ConfigureSystemErrorLogViewManager log(nullptr);
    log.onSaunaErrorLogItemChanged(entry(31, at(10), 7));
    log.onErrorLogViewVisibleChanged(true);
    QSignalSpy inserted(log.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(log.model(), &QAbstractItemModel::dataChanged);
    log.onSaunaErrorLogItemChanged(entry(32, at(11), 9));
    // Nor does an entry beyond the log overwrite a stored one.
    log.onSaunaErrorLogItemChanged(entry(quint32(31 + 32), at(11), 9, false));
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(modelReader::applIds(*log.model()), QList<int>({7}));
}

void TestConfigureSystemDiagnostics::clearedEntryTakesTheLastRowAndRefills()
{
    ConfigureSystemErrorLogViewManager log(nullptr);
    log.onErrorLogViewVisibleChanged(true);
    log.onSaunaErrorLogItemChanged(entry(0, at(10), 1));
    log.onSaunaErrorLogItemChanged(entry(1, at(12), 2));
    log.onSaunaErrorLogItemChanged(entry(2, at(11), 3));
    view::ListModel &model = *log.model();
    view::ListItem *first = model.itemAt(0);
    view::ListItem *second = model.itemAt(1);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

    // The newest entry is emptied: one row goes, the last, and the others move up in place.
    log.onSaunaErrorLogItemChanged(entry(1, QDateTime(), 0, false));
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().at(1).toInt(), 2);
    QCOMPARE(model.itemAt(0), first);
    QCOMPARE(model.itemAt(1), second);
    QCOMPARE(modelReader::applIds(model), QList<int>({3, 1}));

    // An entry empty before and after changes nothing.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    log.onSaunaErrorLogItemChanged(entry(20, QDateTime(), 5, false));
    QCOMPARE(changed.count(), 0);

    // The last ones emptied: no rows.
    log.onSaunaErrorLogItemChanged(entry(0, QDateTime(), 0, false));
    log.onSaunaErrorLogItemChanged(entry(2, QDateTime(), 0, false));
    QCOMPARE(model.rowCount(), 0);
}

void TestConfigureSystemDiagnostics::reportsWhileHiddenOnlyStore()
{
    ConfigureSystemErrorLogViewManager log(nullptr);
    log.onSaunaErrorLogItemChanged(entry(4, at(8), 5));
    log.onErrorLogViewVisibleChanged(true);
    log.onErrorLogViewVisibleChanged(false);
    QCOMPARE(log.model()->rowCount(), 0);
    QSignalSpy inserted(log.model(), &QAbstractItemModel::rowsInserted);
    log.onSaunaErrorLogItemChanged(entry(9, at(9), 6));
    log.onSaunaErrorLogItemChanged(entry(4, QDateTime(), 0, false));
    QCOMPARE(inserted.count(), 0);
    log.onErrorLogViewVisibleChanged(true);
    QCOMPARE(modelReader::applIds(*log.model()), QList<int>({6}));
}

void TestConfigureSystemDiagnostics::tapShowsTheWholeErrorAndClearSendsAtOnce()
{
    ConfigureSystemErrorLogViewManager log(nullptr);
    QSignalSpy messages(&log, &ConfigureSystemErrorLogViewManager::panelUserMessageIssued);
    QSignalSpy clear(&log, &ConfigureSystemErrorLogViewManager::errorLogClearRequest);
    log.onErrorLogSelected(3);
    QCOMPARE(messages.count(), 1);
    const auto message = messages.first().at(0).value<UserMessage>();
    QCOMPARE(message.id, 3u);
    QCOMPARE(int(message.type), 3);
    QVERIFY(message.arguments.isEmpty());
    QVERIFY(messages.first().at(1).value<signalInterface::UserMessageAction *>() == nullptr);

    log.onErrorLogClearSelected();
    QCOMPARE(clear.count(), 1);
    QCOMPARE(messages.count(), 1); // no question first
}

void TestConfigureSystemDiagnostics::tapOnACodeBeyondTheIntRangeShowsItsError()
{
    ConfigureSystemErrorLogViewManager log(nullptr);
    log.onErrorLogViewVisibleChanged(true);
    log.onSaunaErrorLogItemChanged(entry(0, at(10), 0x80000001u));
    QSignalSpy messages(&log, &ConfigureSystemErrorLogViewManager::panelUserMessageIssued);
    // QML hands back the row's id as it reads it.
    log.onErrorLogSelected(modelReader::applIds(*log.model()).value(0));
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.first().at(0).value<UserMessage>().id, 0x80000001u);
}

void TestConfigureSystemDiagnostics::formatsApplyToTheDateAndTime()
{
    ConfigureSystemErrorLogViewManager log(nullptr);
    log.onErrorLogViewVisibleChanged(true);
    log.onSaunaErrorLogItemChanged(entry(0, at(15, 5), 1));
    log.onDateFormatChanged(DateTimeTypes::E_ddmmyy);
    log.onTimeFormatChanged(DateTimeTypes::E_am_pm);
    QCOMPARE(modelReader::texts(*log.model(), "textValue1").value(0),
             view::LanguageSupport::dateText(at(15).date(), DateTimeTypes::E_ddmmyy) +
                 QLatin1Char(' ') +
                 view::LanguageSupport::timeText(QTime(15, 5), DateTimeTypes::E_am_pm));
}

QTEST_MAIN(TestConfigureSystemDiagnostics)
#include "tst_configure_system_diagnostics.moc"
