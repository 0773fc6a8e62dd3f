#include "model_reader.h"

#include "sauna_bridge/zerededid_bridge_receiver_signal_interface.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/data_provider_types.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/time_edit_types.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/configure/configure_limits_not_allowed_start_view_manager.h"
#include "view_cpp/configure/configure_limits_view_manager.h"
#include "view_cpp/language_support.h"

#include <QSignalSpy>
#include <QtTest>

#include <limits>
#include <type_traits>
#include <utility>

using signalInterface::ConfigureTypes;
using signalInterface::DataProviderTypes;
using signalInterface::MasterFuncDescTypes;
using signalInterface::TemperatureTypes;
using signalInterface::TimeEditTypes;
using view::ConfigureLimitsNotAllowedStartViewManager;
using view::ConfigureLimitsViewManager;
using Post = MasterFuncDescTypes::MasterFuncDescPost;

namespace {

class BridgeReceiver : public saunaBridge::ZerededidBridgeReceiverSignalInterface
{
public:
    BridgeReceiver()
        : ZerededidBridgeReceiverSignalInterface(nullptr)
    {}
};

} // namespace

// Stands in for the scene's "configureLimitsSelector" and the single-value editors.
class FakeLimitsView : public QObject
{
    Q_OBJECT

signals:
    void itemSelected(int id);
    void waterTempLimitCommit();
    void tankFillTimeCommit();
    void overheatLimitCommit();
    void changeTemperatureValueRequested(int step);
    void allowedStartViewVisibleChanged(bool shown);
    void toggleChanged(int id, bool shown);
    void rowItemSelected(int id);
    void notAllowedStartEditCompleted();
    void notAllowedStartFromSaved();
    void notAllowedStartUntilSaved();
    void durationChangeRequested(int component, int direction);
    void timeChangeRequested(int component, int direction);
};

// Stands in for the temperature controller's unit.
class FakeUnitSource : public QObject
{
    Q_OBJECT

signals:
    void temperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit unit);
};

namespace {

Post flags(bool notAllowedStart, bool waterTemperature, bool pcbOverheatLimit)
{
    Post post;
    post.notAllowedStart = notAllowedStart;
    post.waterTemperature = waterTemperature;
    post.pcbOverheatLimit = pcbOverheatLimit;
    return post;
}

} // namespace

// Every request of the Limits manager that goes to the sauna, in the order it came.
class RequestLog : public QObject
{
    Q_OBJECT

public:
    explicit RequestLog(ConfigureLimitsViewManager &manager)
    {
        const auto record = [this](const char *name) {
            return [this, name](int value) {
                entries << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(value);
            };
        };
        connect(&manager, &ConfigureLimitsViewManager::maxBathTemperatureChangeRequested, this,
                record("maxBath"));
        connect(&manager, &ConfigureLimitsViewManager::waterTempLimitChangeRequest, this,
                record("water"));
        connect(&manager, &ConfigureLimitsViewManager::rcbTankFillTimeChangeRequest, this,
                record("fill"));
        connect(&manager, &ConfigureLimitsViewManager::pcbOverheatLimitChangeRequest, this,
                record("pcb"));
    }

    QStringList entries;
};

namespace {

// The not-allowed-start screen keeps its edit state and reference date to itself.
template<typename T, typename = void>
struct HasEditStateGetter : std::false_type
{};
template<typename T>
struct HasEditStateGetter<T, std::void_t<decltype(std::declval<T &>().isEditing())>> :
    std::true_type
{};
template<typename T, typename = void>
struct HasReferenceDateGetter : std::false_type
{};
template<typename T>
struct HasReferenceDateGetter<T, std::void_t<decltype(T::referenceDate())>> : std::true_type
{};
static_assert(!HasEditStateGetter<view::ConfigureLimitsNotAllowedStartViewManager>::value);
static_assert(!HasReferenceDateGetter<view::ConfigureLimitsNotAllowedStartViewManager>::value);

} // namespace

class TestConfigureLimitsViewManagers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }

    void connectOperationsMatchTheirSenders()
    {
        ConfigureLimitsViewManager limits(nullptr);
        ConfigureLimitsNotAllowedStartViewManager notAllowedStart(nullptr);
        FakeLimitsView view;
        BridgeReceiver receiver;
        FakeUnitSource unit;
        QCOMPARE(limits.connectToView({&view}), 0);
        QCOMPARE(limits.connectUpperWaterTempManagerToView({&view}), 0);
        QCOMPARE(limits.connectTankFillTimeManagerToView({&view}), 0);
        QCOMPARE(limits.connectPcbOverheatLimitManagerToView({&view}), 0);
        QCOMPARE(limits.connectToTemperatureController({&unit}), 0);
        QCOMPARE(limits.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(limits.connectLanguageSignals({}), 0);
        QCOMPARE(notAllowedStart.connectToView({&view}), 0);
        QCOMPARE(notAllowedStart.connectFromTimeManagerToView({&view}), 0);
        QCOMPARE(notAllowedStart.connectUntilTimeManagerToView({&view}), 0);
        QCOMPARE(notAllowedStart.connectSaunaSignals({&receiver}), 0);
        // A sender without the signals connects nothing and says so.
        QObject stranger;
        QCOMPARE(limits.connectSaunaSignals({&stranger}), 10);
    }

    void menuRowsFollowProductFlagsAndMode_data()
    {
        QTest::addColumn<int>("product");
        QTest::addColumn<Post>("functions");
        QTest::addColumn<int>("systemMode");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("ids");

        const Post all = flags(true, true, true);
        QTest::newRow("sauna, all flags")
            << int(MasterFuncDescTypes::E_sauna) << all << int(MasterFuncDescTypes::E_standard)
            << QStringList{"Bath temperature", "Water temperature", "Not allowed start",
                           "Max water fill time", "Overheating"}
            << QList<int>{0, 1, 2, 5, 6};
        QTest::newRow("steam, all flags") << int(MasterFuncDescTypes::E_steam_private) << all
                                          << int(MasterFuncDescTypes::E_standard)
                                          << QStringList{"Bath temperature", "Overheating",
                                                         "Not allowed start", "Max water fill time"}
                                          << QList<int>{0, 1, 2, 5};
        QTest::newRow("combi, all flags")
            << int(MasterFuncDescTypes::E_combi_auto) << all << int(MasterFuncDescTypes::E_standard)
            << QStringList{"Bath temperature", "Water temperature", "Not allowed start",
                           "Max water fill time", "Overheating"}
            << QList<int>{0, 1, 2, 5, 6};
        QTest::newRow("sauna, no flags")
            << int(MasterFuncDescTypes::E_sauna) << Post() << int(MasterFuncDescTypes::E_standard)
            << QStringList{"Bath temperature"} << QList<int>{0};
        QTest::newRow("combi without the water flag")
            << int(MasterFuncDescTypes::E_combi_auto) << flags(false, false, false)
            << int(MasterFuncDescTypes::E_standard)
            << QStringList{"Bath temperature", "Max water fill time"} << QList<int>{0, 5};
        QTest::newRow("sauna, Solvenno")
            << int(MasterFuncDescTypes::E_sauna) << all << int(MasterFuncDescTypes::E_solvenno)
            << QStringList{"Bath temperature", "Not allowed start", "Max water fill time",
                           "Overheating"}
            << QList<int>{0, 2, 5, 6};
        QTest::newRow("steam product on a PCB-flag-only board")
            << int(MasterFuncDescTypes::E_steam_public) << flags(false, false, true)
            << int(MasterFuncDescTypes::E_standard) << QStringList{"Bath temperature"}
            << QList<int>{0};
    }

    void menuRowsFollowProductFlagsAndMode()
    {
        QFETCH(int, product);
        QFETCH(Post, functions);
        QFETCH(int, systemMode);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, ids);

        ConfigureLimitsViewManager manager(nullptr);
        BridgeReceiver receiver;
        QCOMPARE(manager.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(modelReader::texts(*manager.model(), "textOnSubMenu"),
                 QStringList{"Bath temperature"});

        QSignalSpy mode(&manager, &ConfigureLimitsViewManager::saunaSystemModeChangedQml);
        emit receiver.saunaMasterProductChanged(MasterFuncDescTypes::RcbProduct(product));
        emit receiver.saunaMasterFuncDescChanged(functions);
        emit receiver.saunaSystemModeChanged(MasterFuncDescTypes::SystemMode(systemMode));
        QCOMPARE(modelReader::texts(*manager.model(), "textOnSubMenu"), texts);
        QCOMPARE(modelReader::applIds(*manager.model()), ids);
        QCOMPARE(mode.size(), 1);
        QCOMPARE(mode.at(0).at(0).toInt(), systemMode);

        // Each shown row opens its own editor; a row that is not shown, an id outside the
        // enum and the not-allowed-start editors' own ids open nothing.
        QSignalSpy opened(&manager, &ConfigureLimitsViewManager::editSelected);
        for (int id : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 9}) {
            opened.clear();
            manager.onItemSelected(id);
            QCOMPARE(opened.size(), ids.contains(id) ? 1 : 0);
            if (!opened.isEmpty())
                QCOMPARE(opened.at(0).at(0).toInt(), id);
        }
    }

    void waterLimitRowIsNamedByTheProduct_data()
    {
        QTest::addColumn<int>("product");
        QTest::addColumn<QString>("text");
        QTest::newRow("sauna") << int(MasterFuncDescTypes::E_sauna) << "Water temperature";
        QTest::newRow("steam, private")
            << int(MasterFuncDescTypes::E_steam_private) << "Overheating";
        QTest::newRow("steam, public") << int(MasterFuncDescTypes::E_steam_public) << "Overheating";
    }

    void waterLimitRowIsNamedByTheProduct()
    {
        QFETCH(int, product);
        QFETCH(QString, text);
        ConfigureLimitsViewManager manager(nullptr);
        manager.onSaunaMasterFuncDescChanged(flags(false, true, false));
        manager.onSaunaMasterProductChanged(MasterFuncDescTypes::RcbProduct(product));
        const int row = int(
            modelReader::applIds(*manager.model()).indexOf(int(ConfigureTypes::E_waterTempLimit)));
        QVERIFY(row >= 0);
        QCOMPARE(modelReader::texts(*manager.model(), "textOnSubMenu").at(row), text);
    }

    // The screen's own signals, in their declared order: the requests the bridge wiring connects
    // and the system mode for QML; nothing else.
    void ownSignalsAreTheScreens()
    {
        const QMetaObject &meta = ConfigureLimitsViewManager::staticMetaObject;
        QStringList signalNames;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            if (meta.method(i).methodType() == QMetaMethod::Signal)
                signalNames << QString::fromLatin1(meta.method(i).methodSignature());
        }
        QCOMPARE(
            signalNames,
            QStringList({"maxBathTemperatureChangeRequested(int)",
                         "waterTempLimitChangeRequest(int)", "rcbTankFillTimeChangeRequest(int)",
                         "pcbOverheatLimitChangeRequest(int)", "saunaSystemModeChangedQml(int)"}));
    }

    // The slots in their declared order, and no property: the system mode reaches QML by its
    // signal. The sauna-replaced slot is the frame's.
    void ownSlotsAndPropertiesAreTheScreens()
    {
        const QMetaObject &meta = ConfigureLimitsViewManager::staticMetaObject;
        QStringList slotNames;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            if (meta.method(i).methodType() == QMetaMethod::Slot)
                slotNames << QString::fromLatin1(meta.method(i).name());
        }
        QCOMPARE(slotNames,
                 QStringList(
                     {"onMaxBathTemperatureValueChanged", "onSaunaLowerTemperatureLimitChanged",
                      "onSaunaUpperTemperatureLimitChanged", "onSaunaMasterFuncDescChanged",
                      "onSaunaSystemLowerTemperatureLimitChanged",
                      "onSaunaSystemUpperTemperatureLimitChanged", "onSaunaWaterTempLimitChanged",
                      "onSaunaRcbTankFillTimeChanged", "onSaunaPcbOverheatLimitChanged",
                      "onLanguageChanged", "onWaterTempLimitCommit", "onTankFillTimeCommit",
                      "onOverheatLimitCommit", "onSaunaMasterProductChanged",
                      "onSaunaSystemModeChanged", "onSaunaReplaced"}));
        QVERIFY(meta.indexOfSlot("onMaxBathTemperatureValueChanged(int)") >= 0);
        QCOMPARE(meta.propertyCount(), meta.propertyOffset());
    }

    // The editor's own value signal reaches the slot: a step made on the manager, whoever asked
    // for it, is sent; telling the editor again on opening or in another unit is not.
    void maxBathTemperatureStepOnTheManagerIsSent()
    {
        ConfigureLimitsViewManager manager(nullptr);
        RequestLog log(manager);
        value::TemperatureValueManager &editor = *manager.maxBathTemperatureManager();
        manager.onSaunaUpperTemperatureLimitChanged(720);
        manager.onItemSelected(ConfigureTypes::E_maxBathTemp);
        editor.setTemperatureUnitType(TemperatureTypes::E_fahrenheit);
        QVERIFY(log.entries.isEmpty());
        editor.onChangeTemperatureValueRequested(DataProviderTypes::E_stepper_decrease);
        QCOMPARE(log.entries, QStringList{"maxBath 715"});
        manager.onItemSelected(ConfigureTypes::E_maxBathTemp);
        editor.setTemperatureUnitType(TemperatureTypes::E_celsius);
        QCOMPARE(log.entries, QStringList{"maxBath 715"});
    }

    void maxBathTemperatureIsSentOnlyAfterAStep()
    {
        ConfigureLimitsViewManager manager(nullptr);
        BridgeReceiver receiver;
        FakeLimitsView view;
        FakeUnitSource unit;
        QCOMPARE(manager.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(manager.connectToView({&view}), 0);
        QCOMPARE(manager.connectToTemperatureController({&unit}), 0);
        RequestLog log(manager);
        value::TemperatureValueManager &editor = *manager.maxBathTemperatureManager();
        QSignalSpy shown(&editor, &value::TemperatureValueManager::temperatureValueChanged);

        // Before any report there is nothing to step.
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        QVERIFY(log.entries.isEmpty());

        // A report above the start limits is clamped, and the clamp is not sent.
        emit receiver.saunaUpperTemperatureLimitChanged(1000);
        QCOMPARE(editor.value(), std::optional<int>(990));
        // The system's limits arrive after the value: the editor shows the reported value.
        emit receiver.saunaSystemUpperTemperatureLimitChanged(1035);
        QCOMPARE(editor.value(), std::optional<int>(1000));
        QCOMPARE(editor.upperLimit(), 1035);
        // A narrower system range clamps again, still without a request.
        emit receiver.saunaSystemUpperTemperatureLimitChanged(900);
        QCOMPARE(editor.value(), std::optional<int>(900));
        emit receiver.saunaSystemLowerTemperatureLimitChanged(450);
        emit receiver.saunaSystemUpperTemperatureLimitChanged(990);
        QCOMPARE(editor.value(), std::optional<int>(990));
        emit receiver.saunaUpperTemperatureLimitChanged(720);
        emit receiver.saunaLowerTemperatureLimitChanged(500);
        emit unit.temperatureUnitChanged(TemperatureTypes::E_fahrenheit);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().at(0).toInt(), 176); // 80 °C
        QVERIFY(log.entries.isEmpty());

        // A step in °F moves one degree Fahrenheit (5 ninths) and is sent once.
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        QCOMPARE(log.entries, QStringList{"maxBath 725"});
        QCOMPARE(shown.last().at(0).toInt(), 177);
        // In °C a step is 9 ninths.
        emit unit.temperatureUnitChanged(TemperatureTypes::E_celsius);
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_decrease);
        QCOMPARE(log.entries, (QStringList{"maxBath 725", "maxBath 716"}));
        // The sauna's answer echoes back without another request.
        emit receiver.saunaUpperTemperatureLimitChanged(716);
        QCOMPARE(log.entries.size(), 2);

        // A step past a limit, or an unknown direction, changes nothing and sends nothing.
        emit receiver.saunaUpperTemperatureLimitChanged(990);
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        emit view.changeTemperatureValueRequested(7);
        QCOMPARE(log.entries.size(), 2);
        QCOMPARE(editor.value(), std::optional<int>(990));
        emit receiver.saunaSystemLowerTemperatureLimitChanged(990);
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_decrease);
        QCOMPARE(log.entries.size(), 2);
    }

    void editorsLoadTheReportAndCommitTheirValue()
    {
        ConfigureLimitsViewManager manager(nullptr);
        BridgeReceiver receiver;
        FakeLimitsView view;
        FakeLimitsView waterItem;
        FakeLimitsView fillItem;
        FakeLimitsView pcbItem;
        QCOMPARE(manager.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(manager.connectToView({&view}), 0);
        QCOMPARE(manager.connectUpperWaterTempManagerToView({&waterItem}), 0);
        QCOMPARE(manager.connectTankFillTimeManagerToView({&fillItem}), 0);
        QCOMPARE(manager.connectPcbOverheatLimitManagerToView({&pcbItem}), 0);
        RequestLog log(manager);
        emit receiver.saunaMasterProductChanged(MasterFuncDescTypes::E_sauna);
        emit receiver.saunaMasterFuncDescChanged(flags(true, true, true));

        // Commits before any editor was opened have no value and send nothing.
        emit view.waterTempLimitCommit();
        emit view.tankFillTimeCommit();
        emit view.overheatLimitCommit();
        QVERIFY(log.entries.isEmpty());

        // Reports are only stored; opening an editor loads the last one, within the limits.
        emit receiver.saunaWaterTempLimitChanged(945);
        emit receiver.saunaPcbOverheatLimitChanged(900);
        emit receiver.saunaRcbTankFillTimeChanged(754);
        QVERIFY(!manager.upperWaterTemperatureManager()->value());
        QSignalSpy opened(&manager, &ConfigureLimitsViewManager::editSelected);
        QSignalSpy waterShown(manager.upperWaterTemperatureManager(),
                              &value::TemperatureValueManager::temperatureValueChanged);
        emit view.itemSelected(ConfigureTypes::E_waterTempLimit);
        QCOMPARE(manager.upperWaterTemperatureManager()->value(), std::optional<int>(945));
        // A page that opens on editSelected is told the value after it.
        QVERIFY(!waterShown.isEmpty());
        QCOMPARE(waterShown.last().at(0).toInt(), 105);
        emit waterItem.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        emit view.waterTempLimitCommit();
        QCOMPARE(log.entries, QStringList{"water 954"});

        emit view.itemSelected(ConfigureTypes::E_overheating);
        QCOMPARE(manager.pcbOverheatLimitManager()->value(), std::optional<int>(810));
        emit pcbItem.changeTemperatureValueRequested(DataProviderTypes::E_stepper_decrease);
        emit view.overheatLimitCommit();
        QCOMPARE(log.entries.last(), QStringLiteral("pcb 801"));

        // 754 s is 12 min 34 s; a minute step and a second step, then whole seconds are sent.
        emit view.itemSelected(5);
        QCOMPARE(manager.tankFillTimeManager()->value(), std::optional<qint64>(754000));
        emit fillItem.durationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_increase);
        emit fillItem.durationChangeRequested(TimeEditTypes::E_second, TimeEditTypes::E_decrease);
        emit view.tankFillTimeCommit();
        QCOMPARE(log.entries.last(), QStringLiteral("fill 813"));
        QCOMPARE(opened.size(), 3);
    }

    void openEditorTakesTheFirstReport_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("report");
        QTest::addColumn<qint64>("held");
        QTest::addColumn<qint64>("stepped");
        // Held after a report of report + 9 reached the untouched editor.
        QTest::addColumn<qint64>("followed");
        // Reported while the editor holds the user's step, and held after a step back.
        QTest::addColumn<int>("later");
        QTest::addColumn<qint64>("steppedBack");
        QTest::newRow("water temperature limit")
            << int(ConfigureTypes::E_waterTempLimit) << 945 << qint64(945) << qint64(954)
            << qint64(954) << 963 << qint64(963);
        QTest::newRow("max water fill time") << 5 << 754 << qint64(754000) << qint64(814000)
                                             << qint64(763000) << 772 << qint64(772000);
        QTest::newRow("overheating") << int(ConfigureTypes::E_overheating) << 720 << qint64(720)
                                     << qint64(729) << qint64(729) << 738 << qint64(738);
        // Another panel saved what this one was stepped to: the step back steps from it.
        QTest::newRow("water temperature limit, a report of the step")
            << int(ConfigureTypes::E_waterTempLimit) << 945 << qint64(945) << qint64(954)
            << qint64(954) << 954 << qint64(945);
    }

    void openEditorTakesTheFirstReport()
    {
        QFETCH(int, entry);
        QFETCH(int, report);
        QFETCH(qint64, held);
        QFETCH(qint64, stepped);
        QFETCH(qint64, followed);
        QFETCH(int, later);
        QFETCH(qint64, steppedBack);
        ConfigureLimitsViewManager manager(nullptr);
        manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna);
        manager.onSaunaMasterFuncDescChanged(flags(true, true, true));
        value::TemperatureValueManager *temperature = entry == ConfigureTypes::E_waterTempLimit
                                                          ? manager.upperWaterTemperatureManager()
                                                          : manager.pcbOverheatLimitManager();
        QObject *editor =
            entry == 5 ? static_cast<QObject *>(manager.tankFillTimeManager()) : temperature;
        const auto sendReport = [&manager, entry](int reported) {
            if (entry == ConfigureTypes::E_waterTempLimit)
                manager.onSaunaWaterTempLimitChanged(reported);
            else if (entry == 5)
                manager.onSaunaRcbTankFillTimeChanged(reported);
            else
                manager.onSaunaPcbOverheatLimitChanged(reported);
        };
        const auto value = [&]() -> std::optional<qint64> {
            if (entry == 5)
                return manager.tankFillTimeManager()->value();
            const std::optional<int> degrees = temperature->value();
            return degrees ? std::optional<qint64>(*degrees) : std::nullopt;
        };

        // Opened before the sauna reported: no value, nothing to save, until the report.
        manager.onItemSelected(entry);
        QVERIFY(!editor->property("hasValue").toBool());
        const QMetaObject *editorMeta = editor->metaObject();
        QSignalSpy hasValue(
            editor, editorMeta->property(editorMeta->indexOfProperty("hasValue")).notifySignal());
        sendReport(report);
        QCOMPARE(value(), std::optional<qint64>(held));
        QCOMPARE(hasValue.size(), 1);
        QVERIFY(editor->property("hasValue").toBool());
        // Untouched, it follows the next report.
        sendReport(report + 9);
        QCOMPARE(value(), std::optional<qint64>(followed));
        if (entry == 5) {
            // A product whose limits move the untouched fill time leaves it following the sauna.
            manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_combi_auto);
            QCOMPARE(value(), std::optional<qint64>(240000));
            sendReport(200);
            QCOMPARE(value(), std::optional<qint64>(200000));
            manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna);
        }
        sendReport(report);

        // Opened after a report and stepped: the user's value stands against the next one.
        manager.onItemSelected(entry);
        if (entry == 5)
            manager.tankFillTimeManager()->onDurationChangeRequested(TimeEditTypes::E_minute,
                                                                     TimeEditTypes::E_increase);
        else
            temperature->onChangeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        sendReport(later);
        QCOMPARE(value(), std::optional<qint64>(stepped));
        // Stepped back, it is untouched again and takes that report at once.
        if (entry == 5)
            manager.tankFillTimeManager()->onDurationChangeRequested(TimeEditTypes::E_minute,
                                                                     TimeEditTypes::E_decrease);
        else
            temperature->onChangeTemperatureValueRequested(DataProviderTypes::E_stepper_decrease);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(value(), std::optional<qint64>(steppedBack));
    }

    void tankFillTimeOpensWithinTheProductsLimits_data()
    {
        QTest::addColumn<int>("product");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("held");
        const int combi = int(MasterFuncDescTypes::E_combi_auto);
        const int sauna = int(MasterFuncDescTypes::E_sauna);
        QTest::newRow("combi 3 min") << combi << 180 << 180;
        QTest::newRow("combi 4 min") << combi << 240 << 240;
        QTest::newRow("combi 3 min less a second") << combi << 179 << 180;
        QTest::newRow("combi 4 min and a second") << combi << 241 << 240;
        QTest::newRow("sauna 6 min") << sauna << 360 << 360;
        QTest::newRow("sauna 20 min") << sauna << 1200 << 1200;
        QTest::newRow("sauna 6 min less a second") << sauna << 359 << 360;
        QTest::newRow("sauna 20 min and a second") << sauna << 1201 << 1200;
        QTest::newRow("sauna 5 s") << sauna << 5 << 360;
        QTest::newRow("sauna negative") << sauna << -60 << 360;
        QTest::newRow("sauna largest int") << sauna << std::numeric_limits<int>::max() << 1200;
        QTest::newRow("sauna smallest int") << sauna << std::numeric_limits<int>::min() << 360;
    }

    // Choosing the fill time sets the editor to the reported seconds × 1000 ms within its limits,
    // whatever the sauna reported, and a commit sends what it holds.
    void tankFillTimeOpensWithinTheProductsLimits()
    {
        QFETCH(int, product);
        QFETCH(int, seconds);
        QFETCH(int, held);
        ConfigureLimitsViewManager manager(nullptr);
        manager.onSaunaMasterProductChanged(MasterFuncDescTypes::RcbProduct(product));
        manager.onSaunaMasterFuncDescChanged(flags(false, true, true));
        RequestLog log(manager);
        manager.onSaunaRcbTankFillTimeChanged(seconds);
        manager.onItemSelected(5);
        QCOMPARE(manager.tankFillTimeManager()->value(),
                 std::optional<qint64>(qint64(held) * 1000));
        manager.onTankFillTimeCommit();
        QCOMPARE(log.entries, QStringList{QStringLiteral("fill %1").arg(held)});
    }

    void editorLimitsFollowTheProduct()
    {
        ConfigureLimitsViewManager manager(nullptr);
        QCOMPARE(manager.maxBathTemperatureManager()->lowerLimit(), 360);
        QCOMPARE(manager.maxBathTemperatureManager()->upperLimit(), 990);
        QCOMPARE(manager.upperWaterTemperatureManager()->lowerLimit(), 900);
        QCOMPARE(manager.upperWaterTemperatureManager()->upperLimit(), 1035);
        QCOMPARE(manager.pcbOverheatLimitManager()->lowerLimit(), 630);
        QCOMPARE(manager.pcbOverheatLimitManager()->upperLimit(), 810);
        QCOMPARE(manager.tankFillTimeManager()->lowerLimit(), 6 * 60000);
        QCOMPARE(manager.tankFillTimeManager()->upperLimit(), 20 * 60000);

        // Before any report the editors open without a value, and a commit sends nothing.
        manager.onSaunaMasterFuncDescChanged(flags(false, true, true));
        {
            RequestLog before(manager);
            manager.onItemSelected(ConfigureTypes::E_overheating);
            QCOMPARE(manager.pcbOverheatLimitManager()->value(), std::nullopt);
            manager.onOverheatLimitCommit();
            manager.onItemSelected(5);
            QCOMPARE(manager.tankFillTimeManager()->value(), std::nullopt);
            manager.onTankFillTimeCommit();
            QCOMPARE(before.entries, QStringList());
        }

        manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_combi_auto);
        QCOMPARE(manager.tankFillTimeManager()->lowerLimit(), 3 * 60000);
        QCOMPARE(manager.tankFillTimeManager()->upperLimit(), 4 * 60000);
        RequestLog log(manager);
        manager.onSaunaRcbTankFillTimeChanged(180);
        manager.onItemSelected(5);
        QCOMPARE(manager.tankFillTimeManager()->value(), std::optional<qint64>(3 * 60000));
        manager.onSaunaRcbTankFillTimeChanged(225);
        manager.onItemSelected(5);
        manager.tankFillTimeManager()->setValue(4500 + 180000);
        manager.onTankFillTimeCommit();
        QCOMPARE(log.entries, QStringList{"fill 184"});
    }

    void solvennoOverheatCommitSendsALoadedWaterLimit()
    {
        ConfigureLimitsViewManager manager(nullptr);
        RequestLog log(manager);
        manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna);
        manager.onSaunaMasterFuncDescChanged(flags(true, true, true));
        manager.onSaunaSystemModeChanged(MasterFuncDescTypes::E_solvenno);
        manager.onSaunaWaterTempLimitChanged(990);
        manager.onSaunaPcbOverheatLimitChanged(720);

        // Nothing was loaded yet: nothing to send.
        manager.onOverheatLimitCommit();
        QVERIFY(log.entries.isEmpty());

        // Choosing "Overheating" loads both editors from the sauna's values.
        manager.onItemSelected(ConfigureTypes::E_overheating);
        QCOMPARE(manager.upperWaterTemperatureManager()->value(), std::optional<int>(990));
        manager.upperWaterTemperatureManager()->onChangeTemperatureValueRequested(
            DataProviderTypes::E_stepper_increase);
        manager.onOverheatLimitCommit();
        QCOMPARE(log.entries, (QStringList{"pcb 720", "water 999"}));

        // Outside the Solvenno mode the overheating commit sends the board limit only.
        manager.onSaunaSystemModeChanged(MasterFuncDescTypes::E_standard);
        manager.onOverheatLimitCommit();
        QCOMPARE(log.entries.size(), 3);
        QCOMPARE(log.entries.last(), QStringLiteral("pcb 720"));
    }

    // A new sauna starts from nothing: one row, no value, and QML hears that the Solvenno mode of
    // the former sauna is gone; forgetting sends nothing.
    void saunaReplacedForgetsTheSystemMode()
    {
        ConfigureLimitsViewManager manager(nullptr);
        RequestLog log(manager);
        manager.onSaunaMasterFuncDescChanged(flags(true, true, true));
        manager.onSaunaSystemModeChanged(MasterFuncDescTypes::E_solvenno);
        manager.onSaunaUpperTemperatureLimitChanged(720);
        QSignalSpy mode(&manager, &ConfigureLimitsViewManager::saunaSystemModeChangedQml);
        manager.onSaunaReplaced();
        QCOMPARE(mode.size(), 1);
        QCOMPARE(mode.at(0).at(0).toInt(), -1);
        QCOMPARE(modelReader::texts(*manager.model(), "textOnSubMenu"),
                 QStringList{"Bath temperature"});
        QCOMPARE(manager.maxBathTemperatureManager()->value(), std::nullopt);
        // The next sauna's report is no step either.
        manager.onSaunaUpperTemperatureLimitChanged(810);
        QVERIFY(log.entries.isEmpty());
    }

    void languageChangeRetranslatesOnlyChangedRows()
    {
        ConfigureLimitsViewManager manager(nullptr);
        manager.onSaunaMasterFuncDescChanged(flags(true, true, true));
        QSignalSpy changed(manager.model(), &QAbstractItemModel::dataChanged);
        manager.onLanguageChanged(signalInterface::LanguageTypes::E_english);
        QCOMPARE(changed.size(), 0);
    }

    // Not-allowed start.

    void notAllowedStartRowsAndCompletionOrder()
    {
        ConfigureLimitsNotAllowedStartViewManager manager(nullptr);
        FakeLimitsView view;
        FakeLimitsView fromItem;
        BridgeReceiver receiver;
        QCOMPARE(manager.connectToView({&view}), 0);
        QCOMPARE(manager.connectFromTimeManagerToView({&fromItem}), 0);
        QCOMPARE(manager.connectSaunaSignals({&receiver}), 0);
        manager.initializeView();

        QStringList sent;
        connect(&manager,
                &ConfigureLimitsNotAllowedStartViewManager::notAllowedStartEnableChangeRequested,
                [&sent](bool on) { sent << QStringLiteral("enable %1").arg(on); });
        connect(&manager,
                &ConfigureLimitsNotAllowedStartViewManager::notAllowedStartFromTimeChangeRequested,
                [&sent](QTime t) { sent << QStringLiteral("from ") + t.toString("HH:mm"); });
        connect(&manager,
                &ConfigureLimitsNotAllowedStartViewManager::notAllowedStartUntilTimeChangeRequested,
                [&sent](QTime t) { sent << QStringLiteral("until ") + t.toString("HH:mm"); });

        // First showing without reports: off, and no times.
        emit view.allowedStartViewVisibleChanged(true);
        QCOMPARE(modelReader::applIds(*manager.model()), (QList<int>{3, 4, 5}));
        QCOMPARE(modelReader::value(*manager.model(), 0, "value2").toBool(), false);
        QCOMPARE(modelReader::texts(*manager.model(), "value"),
                 (QStringList{"Activate time limit", "From", "Until"}));
        // Row items show textValue1 as value2; the layout order is only on the time rows.
        QCOMPARE(modelReader::value(*manager.model(), 1, "value2").toString(), "--");
        QCOMPARE(modelReader::value(*manager.model(), 2, "value2").toString(), "--");
        QCOMPARE(modelReader::value(*manager.model(), 1, "value5").toString(), "top");
        QCOMPARE(modelReader::value(*manager.model(), 2, "value5").toString(), "bottom");
        QVERIFY(sent.isEmpty());
        // No period of the sauna's to send yet.
        emit view.notAllowedStartEditCompleted();
        QVERIFY(sent.isEmpty());

        // Reports reach the next edit; the switch is local; completion sends all three, in
        // order, the unchanged until time too.
        sent.clear();
        emit receiver.saunaNotAllowedStartEnableChanged(false);
        emit receiver.saunaNotAllowedStartFromTimeChanged(QTime(22, 0));
        emit receiver.saunaNotAllowedStartUntilTimeChanged(QTime(6, 30));
        emit view.allowedStartViewVisibleChanged(true);
        QCOMPARE(modelReader::value(*manager.model(), 1, "value2").toString(), "22:00");
        emit view.toggleChanged(ConfigureTypes::E_notAllowedStartDisable, false);
        QCOMPARE(modelReader::value(*manager.model(), 0, "value2").toBool(), true);
        emit view.toggleChanged(ConfigureTypes::E_notAllowedStartFrom, true); // not a switch
        QCOMPARE(modelReader::value(*manager.model(), 0, "value2").toBool(), true);

        // The from editor: each component wraps by itself; 22:00 + 2 h is 00:00, then - 1 h
        // and - 1 min give 23:59.
        QSignalSpy opened(&manager, &ConfigureLimitsNotAllowedStartViewManager::editSelected);
        emit view.rowItemSelected(3);
        QCOMPARE(opened.size(), 0);
        emit view.rowItemSelected(ConfigureTypes::E_notAllowedStartFrom);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.at(0).at(0).toInt(), 4);
        emit view.allowedStartViewVisibleChanged(false); // the editor page covers the list
        QCOMPARE(manager.model()->rowCount(), 0);
        emit fromItem.timeChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_increase);
        emit fromItem.timeChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_increase);
        QCOMPARE(manager.fromTimeManager()->value().time(), QTime(0, 0));
        emit fromItem.timeChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_decrease);
        emit fromItem.timeChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_decrease);
        QCOMPARE(manager.fromTimeManager()->value().time(), QTime(23, 59));
        // The editors only ever see the one reference date.
        QCOMPARE(manager.fromTimeManager()->value().date(), QDate(2013, 6, 25));
        emit view.notAllowedStartFromSaved();

        // Hidden, a report of another time arrives: the edit copy keeps the user's values.
        emit receiver.saunaNotAllowedStartFromTimeChanged(QTime(20, 0));
        emit receiver.saunaNotAllowedStartEnableChanged(false);
        emit view.allowedStartViewVisibleChanged(true);
        QCOMPARE(modelReader::value(*manager.model(), 1, "value2").toString(), "23:59");
        QCOMPARE(modelReader::value(*manager.model(), 0, "value2").toBool(), true);
        QVERIFY(sent.isEmpty());
        emit view.notAllowedStartEditCompleted();
        QCOMPARE(sent, (QStringList{"enable 1", "from 23:59", "until 06:30"}));

        // After completion the next showing starts again from the reports.
        emit view.allowedStartViewVisibleChanged(true);
        QCOMPARE(modelReader::value(*manager.model(), 1, "value2").toString(), "20:00");
        QCOMPARE(modelReader::value(*manager.model(), 0, "value2").toBool(), false);
    }

    void notAllowedStartOpenTimeEditorTakesTheFirstReport()
    {
        ConfigureLimitsNotAllowedStartViewManager manager(nullptr);
        manager.onAllowedStartViewVisibleChanged(true);
        manager.onRowItemSelected(ConfigureTypes::E_notAllowedStartFrom);
        value::TimeValueManager *editor = manager.fromTimeManager();
        QVERIFY(!editor->hasValue());
        QSignalSpy shown(editor, &value::TimeValueManager::timeValueFormattedChanged);
        manager.onSaunaNotAllowedStartFromTimeChanged(QTime(22, 0));
        QCOMPARE(editor->value().time(), QTime(22, 0));
        QVERIFY(editor->hasValue());
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().at(0).toString(), QStringLiteral("22"));
        // Opened again after the report and stepped, the editor keeps the user's time.
        manager.onRowItemSelected(ConfigureTypes::E_notAllowedStartFrom);
        editor->onTimeChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_increase);
        manager.onSaunaNotAllowedStartFromTimeChanged(QTime(20, 0));
        QCOMPARE(editor->value().time(), QTime(23, 0));
    }

    void notAllowedStartEditFollowsTheSauna_data()
    {
        // What happens, in order: "show" and "back" (the page shown, left by Back); "on", "off",
        // "from=HH:mm" and "until=HH:mm" (reports); "toggle" (a tap on the switch); "editFrom"
        // (the From editor opened over the page), "step" and "stepDown" (+1 h and -1 h in it),
        // "saveFrom" (its Save,
        // back on the page); "replace" (another sauna). Then Save: what is shown, what the From
        // editor holds and what goes to the sauna.
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("fromEditor");
        QTest::addColumn<QString>("sent");
        QTest::newRow("untouched, a report arrives: follows")
            << "on from=22:00 until=06:00 show off from=21:00"
            << "0 21:00 06:00"
            << "21:00"
            << "0 21:00 06:00";
        QTest::newRow("changed, a report arrives: kept")
            << "on from=22:00 until=06:00 show toggle editFrom step saveFrom on from=21:00"
            << "0 23:00 06:00"
            << "23:00"
            << "0 23:00 06:00";
        QTest::newRow("without a value, the first report fills every part")
            << "show on from=22:00 until=06:00"
            << "1 22:00 06:00"
            << "22:00"
            << "1 22:00 06:00";
        QTest::newRow("the switch reported last, before Save") << "show from=22:00 until=06:00 on"
                                                               << "1 22:00 06:00"
                                                               << "22:00"
                                                               << "1 22:00 06:00";
        QTest::newRow("open From editor, untouched, follows")
            << "from=22:00 until=06:00 show editFrom from=21:00"
            << "0 21:00 06:00"
            << "21:00"
            << "0 21:00 06:00";
        QTest::newRow("open From editor, stepped, kept")
            << "from=22:00 until=06:00 show editFrom step from=20:00 saveFrom"
            << "0 23:00 06:00"
            << "23:00"
            << "0 23:00 06:00";
        QTest::newRow("From saved unchanged, follows")
            << "from=22:00 until=06:00 show editFrom saveFrom from=21:00"
            << "0 21:00 06:00"
            << "21:00"
            << "0 21:00 06:00";
        QTest::newRow("From changed and saved, then changed back and saved: follows")
            << "from=22:00 until=06:00 show editFrom step saveFrom editFrom stepDown saveFrom "
               "from=21:00"
            << "0 21:00 06:00"
            << "21:00"
            << "0 21:00 06:00";
        QTest::newRow("From stepped away, a report, stepped back and saved: follows")
            << "from=22:00 until=06:00 show editFrom step from=21:00 stepDown saveFrom"
            << "0 21:00 06:00"
            << "21:00"
            << "0 21:00 06:00";
        QTest::newRow("From stepped away, a report, stepped back: its editor shows the report")
            << "from=22:00 until=06:00 show editFrom step from=21:00 stepDown"
            << "0 21:00 06:00"
            << "21:00"
            << "0 21:00 06:00";
        QTest::newRow("switch tapped on and off again, the sauna reports on: follows")
            << "off from=22:00 until=06:00 show toggle toggle on"
            << "1 22:00 06:00"
            << "22:00"
            << "1 22:00 06:00";
        QTest::newRow("Back ends the edit")
            << "on from=22:00 until=06:00 show toggle editFrom step saveFrom back show"
            << "1 22:00 06:00"
            << "22:00"
            << "1 22:00 06:00";
        QTest::newRow("Back, then a change of sauna and back again")
            << "on from=22:00 until=06:00 replace off from=20:00 until=05:00 show back replace "
               "on from=22:00 until=06:00 show"
            << "1 22:00 06:00"
            << "22:00"
            << "1 22:00 06:00";
        QTest::newRow("a change of sauna under an edit: the new sauna fills it")
            << "on from=22:00 until=06:00 show toggle replace on from=20:00 until=05:00"
            << "1 20:00 05:00"
            << "20:00"
            << "1 20:00 05:00";
    }

    // An open edit follows the sauna part by part while that part holds the sauna's last report.
    void notAllowedStartEditFollowsTheSauna()
    {
        QFETCH(QString, events);
        QFETCH(QString, shown);
        QFETCH(QString, fromEditor);
        QFETCH(QString, sent);
        ConfigureLimitsNotAllowedStartViewManager manager(nullptr);
        QStringList requests;
        connect(&manager,
                &ConfigureLimitsNotAllowedStartViewManager::notAllowedStartEnableChangeRequested,
                [&requests](bool on) { requests << QString::number(on); });
        for (const auto signal :
             {&ConfigureLimitsNotAllowedStartViewManager::notAllowedStartFromTimeChangeRequested,
              &ConfigureLimitsNotAllowedStartViewManager::notAllowedStartUntilTimeChangeRequested})
            connect(&manager, signal,
                    [&requests](QTime time) { requests << time.toString("HH:mm"); });
        const auto row = [&manager](int index, const char *role) {
            return modelReader::value(*manager.model(), index, role);
        };
        for (const QString &event : events.split(' ')) {
            const QTime time = QTime::fromString(event.section('=', 1), "HH:mm");
            if (event == "show" || event == "back")
                manager.onAllowedStartViewVisibleChanged(event == "show");
            else if (event == "on" || event == "off")
                manager.onSaunaNotAllowedStartEnableChanged(event == "on");
            else if (event.startsWith("from="))
                manager.onSaunaNotAllowedStartFromTimeChanged(time);
            else if (event.startsWith("until="))
                manager.onSaunaNotAllowedStartUntilTimeChanged(time);
            else if (event == "toggle")
                manager.onToggleChanged(ConfigureTypes::E_notAllowedStartDisable,
                                        row(0, "value2").toBool());
            else if (event == "editFrom") {
                manager.onRowItemSelected(ConfigureTypes::E_notAllowedStartFrom);
                manager.onAllowedStartViewVisibleChanged(false);
            } else if (event == "step" || event == "stepDown")
                manager.fromTimeManager()->onTimeChangeRequested(
                    TimeEditTypes::E_hour,
                    event == "step" ? TimeEditTypes::E_increase : TimeEditTypes::E_decrease);
            else if (event == "saveFrom") {
                manager.onNotAllowedStartFromSaved();
                manager.onAllowedStartViewVisibleChanged(true);
            } else if (event == "replace")
                manager.onSaunaReplaced();
            else
                QFAIL(qPrintable(event));
            // What the event changed is looked at before the next, as between two taps.
            QCoreApplication::sendPostedEvents();
        }
        const QDateTime editorTime = manager.fromTimeManager()->value();
        QCOMPARE(editorTime.isValid() ? editorTime.toString("HH:mm") : "--", fromEditor);
        // Back from a time editor: the page again.
        if (manager.model()->rowCount() == 0)
            manager.onAllowedStartViewVisibleChanged(true);
        QCOMPARE(QStringList({QString::number(row(0, "value2").toBool()),
                              row(1, "value2").toString(), row(2, "value2").toString()})
                     .join(' '),
                 shown);
        manager.onNotAllowedStartEditCompleted();
        QCOMPARE(requests.join(' '), sent);
    }

    // Save is offered once the edit holds both times, and no longer after a change of sauna.
    void notAllowedStartPeriodIsKnownWithBothTimes()
    {
        ConfigureLimitsNotAllowedStartViewManager manager(nullptr);
        QSignalSpy known(&manager, &ConfigureLimitsNotAllowedStartViewManager::periodKnownChanged);
        manager.onAllowedStartViewVisibleChanged(true);
        manager.onSaunaNotAllowedStartUntilTimeChanged(QTime(6, 0));
        QVERIFY(!manager.periodKnown());
        QCOMPARE(known.size(), 0);
        manager.onSaunaNotAllowedStartFromTimeChanged(QTime(22, 0));
        QVERIFY(manager.periodKnown());
        QCOMPARE(known.size(), 1);
        manager.onSaunaReplaced();
        QVERIFY(!manager.periodKnown());
        QCOMPARE(known.size(), 2);
    }

    // Each row shows its time in the format of its own editor.
    void notAllowedStartTimesFollowTheirOwnEditorsFormat()
    {
        ConfigureLimitsNotAllowedStartViewManager manager(nullptr);
        manager.onSaunaNotAllowedStartFromTimeChanged(QTime(22, 0));
        manager.onSaunaNotAllowedStartUntilTimeChanged(QTime(6, 30));
        manager.untilTimeManager()->onTimeFormatChanged(signalInterface::DateTimeTypes::E_am_pm);
        manager.onAllowedStartViewVisibleChanged(true);
        QCOMPARE(
            modelReader::value(*manager.model(), 1, "value2").toString(),
            view::LanguageSupport::timeText(QTime(22, 0), signalInterface::DateTimeTypes::E_0_24));
        QCOMPARE(
            modelReader::value(*manager.model(), 2, "value2").toString(),
            view::LanguageSupport::timeText(QTime(6, 30), signalInterface::DateTimeTypes::E_am_pm));
    }

    void notAllowedStartIgnoresTimesItCannotUse()
    {
        ConfigureLimitsNotAllowedStartViewManager manager(nullptr);
        // The editors were never given a time: saving keeps the copy's.
        manager.onNotAllowedStartFromSaved();
        manager.onSaunaNotAllowedStartUntilTimeChanged(QTime());
        QStringList sent;
        connect(&manager,
                &ConfigureLimitsNotAllowedStartViewManager::notAllowedStartFromTimeChangeRequested,
                [&sent](QTime t) { sent << t.toString("HH:mm"); });
        connect(&manager,
                &ConfigureLimitsNotAllowedStartViewManager::notAllowedStartUntilTimeChangeRequested,
                [&sent](QTime t) { sent << t.toString("HH:mm"); });
        manager.onAllowedStartViewVisibleChanged(true);
        // Without the sauna's times there is no period to send.
        manager.onNotAllowedStartEditCompleted();
        QVERIFY(sent.isEmpty());
        manager.onSaunaNotAllowedStartFromTimeChanged(QTime(21, 0));
        manager.onSaunaNotAllowedStartUntilTimeChanged(QTime(6, 0));
        manager.onAllowedStartViewVisibleChanged(true);
        manager.onNotAllowedStartEditCompleted();
        QCOMPARE(sent, (QStringList{"21:00", "06:00"}));
    }
};

QTEST_MAIN(TestConfigureLimitsViewManagers)
#include "tst_configure_limits_view_managers.moc"
