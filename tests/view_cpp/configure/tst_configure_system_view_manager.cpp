#include "../test_translator.h"
#include "model_reader.h"

#include "control/language_controller.h"
#include "control/variant_controller_pc_panel.h"
#include "sauna_bridge/zerededid_bridge_receiver_signal_interface.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/configure/configure_system_view_manager.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using signalInterface::MasterFuncDescTypes;
using signalInterface::RegionTypes;
using signalInterface::SaunaStateTypes;
using view::ConfigureSystemViewManager;

namespace {

MasterFuncDescTypes::MasterFuncDescPost allFunctions()
{
    MasterFuncDescTypes::MasterFuncDescPost post;
    post.bathPrio = post.schedule = post.rtc = post.notAllowedStart = post.aux = true;
    post.cleanup = post.fan = post.standby = post.standbyTemperature = post.resetTimer = true;
    post.humidityLevel = post.humidityPercent = post.tankAutoEmptying = true;
    post.temperatureSet = post.waterLevel = post.tankManual = post.waterTemperature = true;
    post.errorLog = post.pcbOverheatLimit = post.extSwFunction = post.extSwBathtime = true;
    post.facilityType = post.function23 = true;
    return post;
}

// The bridge receiver's signals, as the link's receiver declares them.
class BridgeReceiver : public saunaBridge::ZerededidBridgeReceiverSignalInterface
{
public:
    BridgeReceiver()
        : ZerededidBridgeReceiverSignalInterface(nullptr)
    {}
};

// Every function flag of the report, by name.
struct NamedFlag
{
    const char *name;
    bool MasterFuncDescTypes::MasterFuncDescPost::*member;
};
using Post = MasterFuncDescTypes::MasterFuncDescPost;
const NamedFlag functionFlags[] = {
    {"bathPrio", &Post::bathPrio},
    {"schedule", &Post::schedule},
    {"rtc", &Post::rtc},
    {"notAllowedStart", &Post::notAllowedStart},
    {"aux", &Post::aux},
    {"cleanup", &Post::cleanup},
    {"fan", &Post::fan},
    {"standby", &Post::standby},
    {"standbyTemperature", &Post::standbyTemperature},
    {"resetTimer", &Post::resetTimer},
    {"humidityLevel", &Post::humidityLevel},
    {"humidityPercent", &Post::humidityPercent},
    {"tankAutoEmptying", &Post::tankAutoEmptying},
    {"temperatureSet", &Post::temperatureSet},
    {"waterLevel", &Post::waterLevel},
    {"tankManual", &Post::tankManual},
    {"waterTemperature", &Post::waterTemperature},
    {"errorLog", &Post::errorLog},
    {"pcbOverheatLimit", &Post::pcbOverheatLimit},
    {"extSwFunction", &Post::extSwFunction},
    {"extSwBathtime", &Post::extSwBathtime},
    {"facilityType", &Post::facilityType},
    {"function23", &Post::function23},
};

QStringList rowTexts(ConfigureSystemViewManager &manager)
{
    return modelReader::texts(*manager.model(), "textOnSubMenu");
}

} // namespace

class TestConfigureSystemViewManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void connectOperationsMatchTheirSenders();
    void beforeAnyReportFourRows();
    void everythingGivesElevenRowsInOrder();
    void eachFlagAddsItsOwnRowOnly_data();
    void eachFlagAddsItsOwnRowOnly();
    void pauseTimerNeedsFlagRegionAndFacility_data();
    void pauseTimerNeedsFlagRegionAndFacility();
    void facilityTypeHiddenForSteamInEuAndOther_data();
    void facilityTypeHiddenForSteamInEuAndOther();
    void selectionEmitsTheIdOfShownRowsOnly_data();
    void selectionEmitsTheIdOfShownRowsOnly();
    void sameReportStillRebuilds();
    void physicalStateRebuildsNothing();
    void languageChangeRetranslatesWithoutRebuilding();
    void connectedLanguageChangeRetranslates();
};

void TestConfigureSystemViewManager::initTestCase()
{
    signalInterface::registerMetaTypes();
}

void TestConfigureSystemViewManager::connectOperationsMatchTheirSenders()
{
    ConfigureSystemViewManager manager(nullptr);
    BridgeReceiver receiver;
    control::VariantControllerPcPanel variant(signalInterface::VariantTypes::E_vaho, nullptr);
    QCOMPARE(manager.connectSaunaSignals({&receiver}), 0);
    QCOMPARE(manager.connectToVariantController({&variant}), 0);
    const QStringList before{"Network", "Filter", "Status", "Facility type"};
    QCOMPARE(rowTexts(manager), before);

    // Each report reaches the menu: every one changes the rows it decides.
    emit receiver.saunaMasterProductChanged(MasterFuncDescTypes::E_sauna_ir);
    QVERIFY(rowTexts(manager).contains(QStringLiteral("IR")));
    Post post;
    post.aux = post.resetTimer = true;
    emit receiver.saunaMasterFuncDescChanged(post);
    QVERIFY(rowTexts(manager).contains(QStringLiteral("Options")));
    QVERIFY(!rowTexts(manager).contains(QStringLiteral("Pause timer")));
    emit receiver.saunaFacilityTypeChanged(SaunaStateTypes::E_time_controlled);
    QVERIFY(rowTexts(manager).contains(QStringLiteral("Pause timer")));
    emit receiver.saunaRegionChanged(RegionTypes::E_north_america);
    QVERIFY(!rowTexts(manager).contains(QStringLiteral("Pause timer")));

    // The product type changes no row; its arrival rebuilds the menu all the same.
    QPointer<view::ListItem> first = manager.model()->itemAt(0);
    emit variant.productTypeChanged(signalInterface::VariantTypes::E_PC);
    QVERIFY(first.isNull());
}

void TestConfigureSystemViewManager::beforeAnyReportFourRows()
{
    ConfigureSystemViewManager manager(nullptr);
    QAbstractItemModelTester tester(manager.model());
    QCOMPARE(rowTexts(manager), (QStringList{"Network", "Filter", "Status", "Facility type"}));
    QCOMPARE(modelReader::applIds(*manager.model()), (QList<int>{2, 10, 12, 14}));
    QCOMPARE(modelReader::texts(*manager.model(), "layoutOrder"),
             (QStringList{"top", "centre", "centre", "bottom"}));
    QCOMPARE(modelReader::column(*manager.model(), "truncateText"),
             (QVariantList{false, false, false, false}));
}

void TestConfigureSystemViewManager::everythingGivesElevenRowsInOrder()
{
    ConfigureSystemViewManager manager(nullptr);
    manager.onSaunaMasterFuncDescChanged(allFunctions());
    manager.onSaunaRegionChanged(RegionTypes::E_eu);
    manager.onSaunaFacilityTypeChanged(SaunaStateTypes::E_time_controlled);
    manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna_ir);
    QCOMPARE(rowTexts(manager),
             (QStringList{"Options", "Network", "Cleanup note", "Tank auto emptying",
                          "Bath type priority", "Pause timer", "Filter", "IR", "Status",
                          "Error log", "Facility type"}));
    QCOMPARE(modelReader::applIds(*manager.model()),
             (QList<int>{0, 2, 3, 4, 8, 9, 10, 22, 12, 13, 14}));
}

// One flag at a time, with the region and facility type that allow the pause timer: each flag
// adds its own row at its place, or none.
void TestConfigureSystemViewManager::eachFlagAddsItsOwnRowOnly_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QStringList>("rows");
    const QHash<QString, QString> rowOfFlag{{"aux", "Options"},
                                            {"cleanup", "Cleanup note"},
                                            {"tankAutoEmptying", "Tank auto emptying"},
                                            {"bathPrio", "Bath type priority"},
                                            {"resetTimer", "Pause timer"},
                                            {"errorLog", "Error log"}};
    const QStringList order{
        "Options",     "Network", "Cleanup note", "Tank auto emptying", "Bath type priority",
        "Pause timer", "Filter",  "Status",       "Error log",          "Facility type"};
    for (int flag = 0; flag < int(std::size(functionFlags)); ++flag) {
        const QString name = QString::fromLatin1(functionFlags[flag].name);
        QStringList rows;
        for (const QString &row : order) {
            if (row == rowOfFlag.value(name) ||
                QStringList({"Network", "Filter", "Status", "Facility type"}).contains(row))
                rows.append(row);
        }
        QTest::newRow(functionFlags[flag].name) << flag << rows;
    }
}

void TestConfigureSystemViewManager::eachFlagAddsItsOwnRowOnly()
{
    QFETCH(int, flag);
    QFETCH(QStringList, rows);
    ConfigureSystemViewManager manager(nullptr);
    manager.onSaunaRegionChanged(RegionTypes::E_eu);
    manager.onSaunaFacilityTypeChanged(SaunaStateTypes::E_time_controlled);
    Post post;
    post.*functionFlags[flag].member = true;
    manager.onSaunaMasterFuncDescChanged(post);
    QCOMPARE(rowTexts(manager), rows);
}

void TestConfigureSystemViewManager::pauseTimerNeedsFlagRegionAndFacility_data()
{
    QTest::addColumn<bool>("flag");
    QTest::addColumn<int>("region");
    QTest::addColumn<int>("facility");
    QTest::addColumn<bool>("shown");
    QTest::newRow("all hold") << true << 0 << 1 << true;
    QTest::newRow("no flag") << false << 0 << 1 << false;
    QTest::newRow("North America") << true << 1 << 1 << false;
    QTest::newRow("other region") << true << 2 << 1 << false;
    QTest::newRow("supervised") << true << 0 << 0 << false;
    QTest::newRow("public") << true << 0 << 3 << false;
    QTest::newRow("unknown facility") << true << 0 << 4 << false;
}

void TestConfigureSystemViewManager::pauseTimerNeedsFlagRegionAndFacility()
{
    QFETCH(bool, flag);
    QFETCH(int, region);
    QFETCH(int, facility);
    QFETCH(bool, shown);
    ConfigureSystemViewManager manager(nullptr);
    MasterFuncDescTypes::MasterFuncDescPost post;
    post.resetTimer = flag;
    manager.onSaunaMasterFuncDescChanged(post);
    manager.onSaunaRegionChanged(static_cast<RegionTypes::RegionType>(region));
    manager.onSaunaFacilityTypeChanged(static_cast<SaunaStateTypes::FacilityType>(facility));
    QCOMPARE(rowTexts(manager).contains(QStringLiteral("Pause timer")), shown);
}

void TestConfigureSystemViewManager::facilityTypeHiddenForSteamInEuAndOther_data()
{
    QTest::addColumn<int>("product");
    QTest::addColumn<int>("region");
    QTest::addColumn<bool>("shown");
    for (int product = 0; product <= 10; ++product) {
        const bool steam = product >= 2 && product <= 5;
        for (int region = 0; region <= 2; ++region) {
            QTest::addRow("product %d, region %d", product, region)
                << product << region << (!steam || region == RegionTypes::E_north_america);
        }
    }
}

void TestConfigureSystemViewManager::facilityTypeHiddenForSteamInEuAndOther()
{
    QFETCH(int, product);
    QFETCH(int, region);
    QFETCH(bool, shown);
    ConfigureSystemViewManager manager(nullptr);
    manager.onSaunaRegionChanged(static_cast<RegionTypes::RegionType>(region));
    manager.onSaunaMasterProductChanged(static_cast<MasterFuncDescTypes::RcbProduct>(product));
    QCOMPARE(rowTexts(manager).contains(QStringLiteral("Facility type")), shown);
}

void TestConfigureSystemViewManager::selectionEmitsTheIdOfShownRowsOnly_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("emitted");
    QTest::newRow("network") << 2 << true;
    QTest::newRow("status") << 12 << true;
    QTest::newRow("pause timer, hidden") << 9 << false;
    QTest::newRow("relay control, never a row") << 11 << false;
    QTest::newRow("past the enum") << 23 << false;
    QTest::newRow("negative") << -1 << false;
}

void TestConfigureSystemViewManager::selectionEmitsTheIdOfShownRowsOnly()
{
    QFETCH(int, id);
    QFETCH(bool, emitted);
    ConfigureSystemViewManager manager(nullptr);
    QSignalSpy spy(&manager, &ConfigureSystemViewManager::editSelected);
    manager.onItemSelected(id);
    QCOMPARE(spy.size(), emitted ? 1 : 0);
    if (emitted)
        QCOMPARE(spy.at(0).at(0).toInt(), id);
}

void TestConfigureSystemViewManager::sameReportStillRebuilds()
{
    ConfigureSystemViewManager manager(nullptr);
    QSignalSpy removed(manager.model(), &QAbstractItemModel::modelReset);
    QSignalSpy rowsRemoved(manager.model(), &QAbstractItemModel::rowsRemoved);
    QPointer<view::ListItem> first = manager.model()->itemAt(0);
    manager.onSaunaRegionChanged(RegionTypes::E_eu);
    QVERIFY(removed.size() + rowsRemoved.size() > 0);
    QVERIFY(first.isNull());
    QCOMPARE(rowTexts(manager), (QStringList{"Network", "Filter", "Status", "Facility type"}));
}

void TestConfigureSystemViewManager::physicalStateRebuildsNothing()
{
    ConfigureSystemViewManager manager(nullptr);
    QPointer<view::ListItem> first = manager.model()->itemAt(0);
    manager.onSaunaPhysicalStateChanged(SaunaStateTypes::E_sauna_on);
    QVERIFY(!first.isNull());
}

void TestConfigureSystemViewManager::languageChangeRetranslatesWithoutRebuilding()
{
    ConfigureSystemViewManager manager(nullptr);
    QPointer<view::ListItem> first = manager.model()->itemAt(0);
    TestTranslator translator;
    translator.add(QStringLiteral("view::ConfigureSystemViewManager"), QStringLiteral("Network"),
                   QStringLiteral("Netzwerk"));
    translator.add(QStringLiteral("view::ConfigureSystemViewManager"), QStringLiteral("Status"),
                   QStringLiteral("Zustand"));
    ScopedTranslator installed(&translator);
    QCOMPARE(rowTexts(manager), (QStringList{"Network", "Filter", "Status", "Facility type"}));
    manager.onLanguageChanged(signalInterface::LanguageTypes::E_german);
    QCOMPARE(rowTexts(manager), (QStringList{"Netzwerk", "Filter", "Zustand", "Facility type"}));
    // The rows stay; only their texts change.
    QVERIFY(!first.isNull());
    QCOMPARE(manager.model()->itemAt(0), first.data());
}

void TestConfigureSystemViewManager::connectedLanguageChangeRetranslates()
{
    ConfigureSystemViewManager manager(nullptr);
    control::LanguageController language(nullptr);
    QCOMPARE(manager.connectLanguageSignals({&language}), 0);
    TestTranslator translator;
    translator.add(QStringLiteral("view::ConfigureSystemViewManager"), QStringLiteral("Filter"),
                   QStringLiteral("Suodatin"));
    ScopedTranslator installed(&translator);
    emit language.languageChanged(signalInterface::LanguageTypes::E_finnish);
    QCOMPARE(rowTexts(manager).at(1), QStringLiteral("Suodatin"));
}

QTEST_GUILESS_MAIN(TestConfigureSystemViewManager)
#include "tst_configure_system_view_manager.moc"
