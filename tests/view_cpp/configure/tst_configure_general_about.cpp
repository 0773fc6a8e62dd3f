#include "../test_translator.h"
#include "model_reader.h"

#include "control/variant_controller_pc_panel.h"
#include "sauna_bridge/zerededid_bridge_receiver_signal_interface.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/configure/configure_general_about_identify_rcb_view_manager.h"
#include "view_cpp/configure/configure_general_about_license_info_view_manager.h"
#include "view_cpp/configure/configure_general_about_view_manager.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <type_traits>

using signalInterface::ConfigureTypes;
using signalInterface::MasterFuncDescTypes;
using signalInterface::NodeInformationTypes;
using signalInterface::SaunaStateTypes;
using signalInterface::VariantTypes;
using signalInterface::UserMessageTypes::UserMessage;
using view::ConfigureGeneralAboutIdentifyRcbViewManager;
using view::ConfigureGeneralAboutLicenseInfoViewManager;
using view::ConfigureGeneralAboutViewManager;

namespace {

class BridgeReceiver : public saunaBridge::ZerededidBridgeReceiverSignalInterface
{
public:
    BridgeReceiver()
        : ZerededidBridgeReceiverSignalInterface(nullptr)
    {}
};

NodeInformationTypes::NodeInformationPost
node(quint32 index, quint32 address, NodeInformationTypes::NodeProfileMode profile, quint32 product)
{
    NodeInformationTypes::NodeInformationPost post;
    post.index = index;
    post.address = address;
    post.profile = profile;
    post.product = product;
    post.applicationVersion = "2.1.3";
    post.zerededidVersion = "1.4.0";
    return post;
}

QStringList infoRows(ConfigureGeneralAboutViewManager &manager)
{
    return modelReader::texts(manager.infoModel, "value");
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

} // namespace

// The sauna state's count of relay boards reaches the identify page, as the start-up wires it.
class BoardCounter : public QObject
{
    Q_OBJECT
signals:
    void saunaRcbNumbersChanged(int count);
};

class ConnectionStates : public QObject
{
    Q_OBJECT
signals:
    void remoteApplicationIdentified(QString name, QString version);
    void connectedChanged(bool connected);
};

namespace {

// The line the internal-error message names is the licence screen's own, not a constant beside
// its interface.
template<typename T, typename = void>
struct HasPublicOpenFailureLine : std::false_type
{};
template<typename T>
struct HasPublicOpenFailureLine<T, std::void_t<decltype(T::openFailureLine)>> : std::true_type
{};
static_assert(!HasPublicOpenFailureLine<ConfigureGeneralAboutLicenseInfoViewManager>::value);

} // namespace

class TestConfigureGeneralAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        signalInterface::registerMetaTypes();
        // What the program sets at start-up; About shows it as the panel's version.
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.5022"));
    }

    // About.
    void aboutConnectsToItsSenders();
    void aboutBeforeAnyReport();
    void aboutNodeBlocks();
    void aboutProductTexts_data();
    void aboutProductTexts();
    void aboutStoredReportsShowAtTheNextRebuild();
    void aboutHiddenPageBuildsNothing();
    void aboutSubFunctionSelection();
    void aboutForgetsTheSaunaOnDisconnect();

    // Licence information.
    void licenceChoosingAComponentReadsItsFiles();
    void licenceLinuxComponentsOpenWithoutReading();
    void licenceOpensOnlyAComponentWithARecord_data();
    void licenceOpensOnlyAComponentWithARecord();
    void licenceMissingFileKeepsTheRows();
    void licenceUnreadablePathsDoNotBlock_data();
    void licenceUnreadablePathsDoNotBlock();
    void licenceLargeFileIsCut();
    void licenceFileWithinTheLimitsIsWhole_data();
    void licenceFileWithinTheLimitsIsWhole();
    void licenceIntroductionAndLanguageChange();
    void licenceIntroductionIsOneTranslatedSentence();
    void licenceShippedFilesAreAllThere();

    // Identify relay control boards.
    void identifyButtonsFollowTheBoardCount_data();
    void identifyButtonsFollowTheBoardCount();
    void identifyPressSendsTheBuzzerRequest();
};

void TestConfigureGeneralAbout::aboutConnectsToItsSenders()
{
    ConfigureGeneralAboutViewManager manager(nullptr);
    BridgeReceiver receiver;
    ConnectionStates states;
    control::VariantControllerPcPanel variant(VariantTypes::E_vaho, nullptr);
    QCOMPARE(manager.connectSaunaSignals({&receiver}), 0);
    QCOMPARE(manager.connectVariantSignals({&variant}), 0);
    QCOMPARE(manager.connectConnectionStateSignals({&states}), 0);
    QCOMPARE(manager.connectLinkSignals({&states}), 0);
    manager.onAboutViewVisibleChanged(true);
    emit states.remoteApplicationIdentified(QStringLiteral("sauna_simulator"),
                                            QStringLiteral("1.0.0"));
    emit receiver.saunaFacilityTypeChanged(SaunaStateTypes::E_public);
    QVERIFY(infoRows(manager).contains(QStringLiteral("Facility Type: Public")));
    QVERIFY(infoRows(manager).contains(QStringLiteral("Software: sauna_simulator")));
    emit receiver.saunaNodeListItemChanged(node(0, 64, NodeInformationTypes::E_rcb, 0));
    QVERIFY(infoRows(manager).contains(QStringLiteral("Node 0")));
    emit states.connectedChanged(false);
    QVERIFY(infoRows(manager).contains(QStringLiteral("Facility Type: Unknown")));
    QVERIFY(!infoRows(manager).contains(QStringLiteral("Node 0")));
}

// No sauna has been connected yet: the page lists what it holds before any report.
void TestConfigureGeneralAbout::aboutBeforeAnyReport()
{
    ConfigureGeneralAboutViewManager manager(nullptr);
    manager.onBrandChanged(VariantTypes::E_vaho);
    manager.onAboutViewVisibleChanged(true);
    QCOMPARE(infoRows(manager),
             QStringList({"PC Control Panel", "Software version: 1.0.5022", "", "Control Panel",
                          "Facility Type: Unknown", "System: Unknown", "",
                          "Software: ", "Software version: ", ""}));
    QCOMPARE(modelReader::column(manager.infoModel, "value2"),
             QVariantList({true, false, false, true, false, false, false, false, false, false}));
    QCOMPARE(modelReader::texts(manager.subFunctionModel, "textOnSubMenu"),
             QStringList({"License Info"}));
    QCOMPARE(modelReader::applIds(manager.subFunctionModel),
             QList<int>({ConfigureTypes::E_licenseInfo}));

    manager.onAboutViewVisibleChanged(false);
    QCOMPARE(manager.infoModel.rowCount(), 0);
    QCOMPARE(manager.subFunctionModel.rowCount(), 0);
}

void TestConfigureGeneralAbout::aboutNodeBlocks()
{
    ConfigureGeneralAboutViewManager manager(nullptr);
    manager.onBrandChanged(VariantTypes::E_vaho);
    manager.onAboutViewVisibleChanged(true);
    const int base = manager.infoModel.rowCount();

    manager.onSaunaNodeListItemChanged(node(0, 63, NodeInformationTypes::E_rcb, 0));
    QCOMPARE(manager.infoModel.rowCount(), base);
    // An address that is negative as a signed number is not a node's.
    manager.onSaunaNodeListItemChanged(node(0, 0x80000000u, NodeInformationTypes::E_rcb, 0));
    QCOMPARE(manager.infoModel.rowCount(), base);
    manager.onSaunaNodeListItemChanged(node(0, 64, NodeInformationTypes::E_rcb, 0));
    QCOMPARE(infoRows(manager).mid(base),
             QStringList({"Node 0", "Profile: Relay Control Board", "Product: Tarn",
                          "Software version: 2.1.3", "Zerededid version: 1.4.0", ""}));
    QCOMPARE(modelReader::value(manager.infoModel, base, "value2"), QVariant(true));

    // Index 8 is dropped; the sensor has no product row; an unknown profile has one.
    manager.onSaunaNodeListItemChanged(node(8, 90, NodeInformationTypes::E_cp, 0));
    manager.onSaunaNodeListItemChanged(node(5, 96, NodeInformationTypes::E_ths, 0));
    manager.onSaunaNodeListItemChanged(node(7, 97, NodeInformationTypes::NodeProfileMode(2), 999));
    const QStringList rows = infoRows(manager).mid(base + 6);
    QCOMPARE(rows, QStringList({"Node 5", "Profile: Temperature and Humidity Sensor",
                                "Software version: 2.1.3", "Zerededid version: 1.4.0", "", "Node 7",
                                "Profile: Unknown", "Product: ", "Software version: 2.1.3",
                                "Zerededid version: 1.4.0", ""}));
}

void TestConfigureGeneralAbout::aboutProductTexts_data()
{
    QTest::addColumn<int>("brand");
    QTest::addColumn<int>("product");
    QTest::addColumn<QString>("text");
    QTest::newRow("vaho heater") << int(VariantTypes::E_vaho) << 256 << "Tarn";
    QTest::newRow("vaho steam") << int(VariantTypes::E_vaho) << 9 << "Crest";
    QTest::newRow("lumo heater") << int(VariantTypes::E_lumo) << 0 << "Glen";
    QTest::newRow("lumo steam") << int(VariantTypes::E_lumo) << 1 << "Zenith";
    QTest::newRow("orvela steam") << int(VariantTypes::E_orvela) << 5 << "Q7";
    QTest::newRow("kastela steam") << int(VariantTypes::E_kastela) << 2 << "Fell";
    QTest::newRow("past steam") << int(VariantTypes::E_vaho) << 10 << "";
    QTest::newRow("no brand") << -1 << 0 << "";
}

void TestConfigureGeneralAbout::aboutProductTexts()
{
    QFETCH(int, brand);
    QFETCH(int, product);
    QFETCH(QString, text);
    ConfigureGeneralAboutViewManager manager(nullptr);
    if (brand >= 0)
        manager.onBrandChanged(VariantTypes::Brand(brand));
    manager.onSaunaNodeListItemChanged(node(1, 70, NodeInformationTypes::E_rcb, quint32(product)));
    manager.onAboutViewVisibleChanged(true);
    QVERIFY(infoRows(manager).contains(QStringLiteral("Product: ") + text));
}

void TestConfigureGeneralAbout::aboutStoredReportsShowAtTheNextRebuild()
{
    ConfigureGeneralAboutViewManager manager(nullptr);
    manager.onAboutViewVisibleChanged(true);
    MasterFuncDescTypes::MasterFuncDescPost functions;
    functions.function23 = true;
    manager.onSaunaSystemModeChanged(MasterFuncDescTypes::E_multisteam);
    manager.onSaunaMasterFuncDescChanged(functions);
    manager.onRemoteApplicationIdentified(QStringLiteral("app"), QStringLiteral("2.0.0"));
    QCOMPARE(manager.subFunctionModel.rowCount(), 1);
    QVERIFY(infoRows(manager).contains(QStringLiteral("Software: ")));

    // A report that rebuilds brings the stored ones along.
    manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_steam_public);
    QCOMPARE(modelReader::texts(manager.subFunctionModel, "textOnSubMenu"),
             QStringList({"License Info", "Identify RCB"}));
    QCOMPARE(modelReader::texts(manager.subFunctionModel, "layoutOrder"),
             QStringList({"top", "bottom"}));
    QVERIFY(infoRows(manager).contains(QStringLiteral("Software: app")));
    QVERIFY(infoRows(manager).contains(QStringLiteral("Software version: 2.0.0")));
    const QString system = infoRows(manager).at(5);
    QVERIFY2(system.startsWith(QStringLiteral("System: ")) && system.endsWith(" Lite"),
             qPrintable(system));
}

void TestConfigureGeneralAbout::aboutHiddenPageBuildsNothing()
{
    ConfigureGeneralAboutViewManager manager(nullptr);
    manager.onSaunaNodeListItemChanged(node(0, 64, NodeInformationTypes::E_rcb, 0));
    manager.onSaunaFacilityTypeChanged(SaunaStateTypes::E_supervised);
    manager.onBrandChanged(VariantTypes::E_lumo);
    manager.onLanguageChanged(signalInterface::LanguageTypes::Language(0));
    QCOMPARE(manager.infoModel.rowCount(), 0);
    QCOMPARE(manager.subFunctionModel.rowCount(), 0);
    manager.onAboutViewVisibleChanged(true);
    QVERIFY(infoRows(manager).contains(QStringLiteral("Facility Type: Supervised")));
    QVERIFY(infoRows(manager).contains(QStringLiteral("Product: Glen")));
}

void TestConfigureGeneralAbout::aboutSubFunctionSelection()
{
    ConfigureGeneralAboutViewManager manager(nullptr);
    QSignalSpy selected(&manager, &ConfigureGeneralAboutViewManager::editSelected);
    for (int id : {5, -1, 0, 8, 7, 6})
        manager.onAboutSubFunctionSelected(id);
    QCOMPARE(selected.count(), 2);
    QCOMPARE(selected.at(0).at(0).toInt(), int(ConfigureTypes::E_identifyRcb));
    QCOMPARE(selected.at(1).at(0).toInt(), int(ConfigureTypes::E_licenseInfo));
}

// A disconnect forgets the sauna: the page shows again what it showed before any report, and
// the next sauna shows only what it reports itself.
void TestConfigureGeneralAbout::aboutForgetsTheSaunaOnDisconnect()
{
    ConfigureGeneralAboutViewManager manager(nullptr);
    manager.onBrandChanged(VariantTypes::E_vaho);
    manager.onAboutViewVisibleChanged(true);
    const QStringList beforeAnyReport = infoRows(manager);
    QCOMPARE(beforeAnyReport,
             QStringList({"PC Control Panel", "Software version: 1.0.5022", "", "Control Panel",
                          "Facility Type: Unknown", "System: Unknown", "",
                          "Software: ", "Software version: ", ""}));

    manager.onConnectedChanged(true);
    manager.onSaunaSystemModeChanged(MasterFuncDescTypes::E_multisteam);
    manager.onRemoteApplicationIdentified(QStringLiteral("app"), QStringLiteral("2.0.0"));
    MasterFuncDescTypes::MasterFuncDescPost functions;
    functions.function23 = true;
    manager.onSaunaMasterFuncDescChanged(functions);
    manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_steam_public);
    manager.onSaunaFacilityTypeChanged(SaunaStateTypes::E_public);
    manager.onSaunaNodeListItemChanged(node(0, 64, NodeInformationTypes::E_rcb, 0));
    QVERIFY(infoRows(manager).contains(QStringLiteral("Node 0")));
    QVERIFY(infoRows(manager).contains(QStringLiteral("Software: app")));
    QCOMPARE(modelReader::applIds(manager.subFunctionModel),
             QList<int>({ConfigureTypes::E_licenseInfo, ConfigureTypes::E_identifyRcb}));

    manager.onConnectedChanged(false);
    QCOMPARE(infoRows(manager), beforeAnyReport);
    QCOMPARE(modelReader::applIds(manager.subFunctionModel),
             QList<int>({ConfigureTypes::E_licenseInfo}));
    // Shown again after a hide, the page still holds nothing of the former sauna.
    manager.onAboutViewVisibleChanged(false);
    manager.onAboutViewVisibleChanged(true);
    QCOMPARE(infoRows(manager), beforeAnyReport);

    manager.onConnectedChanged(true);
    manager.onSaunaFacilityTypeChanged(SaunaStateTypes::E_supervised);
    const QStringList rows = infoRows(manager);
    QVERIFY2(rows.contains(QStringLiteral("Facility Type: Supervised")),
             qPrintable(rows.join('|')));
    QVERIFY(rows.contains(QStringLiteral("System: Unknown")));
    QVERIFY(rows.contains(QStringLiteral("Software: ")));
    QVERIFY(!rows.contains(QStringLiteral("Node 0")));
    QCOMPARE(modelReader::applIds(manager.subFunctionModel),
             QList<int>({ConfigureTypes::E_licenseInfo}));
}

void TestConfigureGeneralAbout::licenceChoosingAComponentReadsItsFiles()
{
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    QVERIFY(QDir(directory.path()).mkpath(QStringLiteral("qt")));
    QVERIFY(writeFile(directory.filePath("qt/info.txt"), "first\r\nsecond\nthird"));
    QVERIFY(writeFile(directory.filePath("qt/LICENSE"), QByteArray("caf\xe9\0hidden\nend\n", 16)));

    ConfigureGeneralAboutLicenseInfoViewManager manager(nullptr);
    manager.setLicenseDirectory(directory.path());
    QStringList order;
    connect(&manager, &ConfigureGeneralAboutLicenseInfoViewManager::timeConsumingActivityStarted,
            this, [&] { order << "started"; });
    connect(&manager, &ConfigureGeneralAboutLicenseInfoViewManager::componentTitleChanged, this,
            [&](const QString &title) { order << "title " + title; });
    connect(&manager, &ConfigureGeneralAboutLicenseInfoViewManager::timeConsumingActivityFinished,
            this, [&] { order << "finished"; });
    connect(&manager, &ConfigureGeneralAboutLicenseInfoViewManager::softwareComponentSelected, this,
            [&](int id) { order << QStringLiteral("selected %1").arg(id); });
    QSignalSpy messages(&manager,
                        &ConfigureGeneralAboutLicenseInfoViewManager::panelUserMessageIssued);

    manager.onSoftwareComponentSelected(ConfigureTypes::E_componentQt);
    QCOMPARE(order, QStringList({"started", "title Qt", "finished", "selected 0"}));
    QCOMPARE(messages.count(), 0);
    QCOMPARE(modelReader::texts(*manager.componentInfoModel(), "value"),
             QStringList({"first\n", "second\n", "third"}));
    QCOMPARE(modelReader::texts(*manager.componentLicenseModel(), "value"),
             QStringList({QStringLiteral("caf\u00e9"), "end\n"}));

    manager.onComponentInfoViewVisibleChanged(true);
    QCOMPARE(manager.componentInfoModel()->rowCount(), 3);
    manager.onComponentInfoViewVisibleChanged(false);
    QCOMPARE(manager.componentInfoModel()->rowCount(), 0);
    QCOMPARE(manager.componentLicenseModel()->rowCount(), 0);

    // An empty file leaves its model empty.
    QVERIFY(writeFile(directory.filePath("qt/info.txt"), QByteArray()));
    manager.onSoftwareComponentSelected(ConfigureTypes::E_componentQt);
    QCOMPARE(manager.componentInfoModel()->rowCount(), 0);
    QCOMPARE(manager.componentLicenseModel()->rowCount(), 2);
}

void TestConfigureGeneralAbout::licenceLinuxComponentsOpenWithoutReading()
{
    ConfigureGeneralAboutLicenseInfoViewManager manager(nullptr);
    manager.setLicenseDirectory(QStringLiteral("/nonexistent"));
    QSignalSpy selected(&manager,
                        &ConfigureGeneralAboutLicenseInfoViewManager::softwareComponentSelected);
    QSignalSpy started(&manager,
                       &ConfigureGeneralAboutLicenseInfoViewManager::timeConsumingActivityStarted);
    QSignalSpy messages(&manager,
                        &ConfigureGeneralAboutLicenseInfoViewManager::panelUserMessageIssued);
    manager.onSoftwareComponentSelected(ConfigureTypes::E_componentLinuxComponents);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).toInt(), 3);
    QCOMPARE(started.count(), 0);
    QCOMPARE(messages.count(), 0);

    manager.onLinuxComponentsViewVisibleChanged(true);
    const int rows = manager.linuxComponentsModel()->rowCount();
    QCOMPARE(rows, int(manager.linuxComponents().size()));
    QVERIFY(rows > 1 && rows <= 28);
    const QStringList orders = modelReader::texts(*manager.linuxComponentsModel(), "layoutOrder");
    QCOMPARE(orders.first(), QStringLiteral("top"));
    QCOMPARE(orders.last(), QStringLiteral("bottom"));
    manager.onLinuxComponentsViewVisibleChanged(false);
    QCOMPARE(manager.linuxComponentsModel()->rowCount(), 0);
}

void TestConfigureGeneralAbout::licenceOpensOnlyAComponentWithARecord_data()
{
    QTest::addColumn<bool>("linux");
    QTest::addColumn<QList<int>>("ids");
    // The component whose page opens, or -1.
    QTest::addColumn<int>("opened");
    QTest::newRow("software, no record") << false << QList<int>{4, -1, 100} << -1;
    QTest::newRow("PC library, no record") << true << QList<int>{28, -1, 100} << -1;
    QTest::newRow("PC library") << true << QList<int>{26} << 26;
}

void TestConfigureGeneralAbout::licenceOpensOnlyAComponentWithARecord()
{
    QFETCH(bool, linux);
    QFETCH(QList<int>, ids);
    QFETCH(int, opened);
    ConfigureGeneralAboutLicenseInfoViewManager manager(nullptr);
    manager.setLicenseDirectory(QStringLiteral(PANEL_LICENSE_DIRECTORY));
    QSignalSpy selected(
        &manager, linux ? &ConfigureGeneralAboutLicenseInfoViewManager::linuxComponentSelected
                        : &ConfigureGeneralAboutLicenseInfoViewManager::softwareComponentSelected);
    QSignalSpy started(&manager,
                       &ConfigureGeneralAboutLicenseInfoViewManager::timeConsumingActivityStarted);
    for (int id : std::as_const(ids)) {
        if (linux)
            manager.onLinuxComponentSelected(id);
        else
            manager.onSoftwareComponentSelected(id);
    }
    QCOMPARE(started.count(), opened < 0 ? 0 : 1);
    QCOMPARE(selected.count(), opened < 0 ? 0 : 1);
    if (opened >= 0) {
        QCOMPARE(selected.at(0).at(0).toInt(), opened);
        QVERIFY(manager.componentInfoModel()->rowCount() > 0);
    }
}

void TestConfigureGeneralAbout::licenceMissingFileKeepsTheRows()
{
    QTemporaryDir directory;
    QVERIFY(QDir(directory.path()).mkpath(QStringLiteral("protocol_buffers")));
    QVERIFY(writeFile(directory.filePath("protocol_buffers/info.txt"), "info\n"));
    QVERIFY(writeFile(directory.filePath("protocol_buffers/LICENSE"), "licence\n"));
    ConfigureGeneralAboutLicenseInfoViewManager manager(nullptr);
    manager.setLicenseDirectory(directory.path());
    manager.onSoftwareComponentSelected(ConfigureTypes::E_componentProtocolBuffers);
    QCOMPARE(manager.componentInfoModel()->rowCount(), 1);

    QVERIFY(QFile::remove(directory.filePath("protocol_buffers/info.txt")));
    QVERIFY(writeFile(directory.filePath("protocol_buffers/LICENSE"), "new\nlicence\n"));
    QSignalSpy messages(&manager,
                        &ConfigureGeneralAboutLicenseInfoViewManager::panelUserMessageIssued);
    QSignalSpy finished(
        &manager, &ConfigureGeneralAboutLicenseInfoViewManager::timeConsumingActivityFinished);
    QSignalSpy selected(&manager,
                        &ConfigureGeneralAboutLicenseInfoViewManager::softwareComponentSelected);
    manager.onSoftwareComponentSelected(ConfigureTypes::E_componentProtocolBuffers);
    QCOMPARE(messages.count(), 1);
    const auto message = messages.at(0).at(0).value<UserMessage>();
    QCOMPARE(message.id, 0x201cu);
    QCOMPARE(message.arguments,
             QStringList({QDir(directory.path()).filePath("protocol_buffers/info.txt")}));
    QCOMPARE(modelReader::texts(*manager.componentInfoModel(), "value"), QStringList({"info\n"}));
    QCOMPARE(manager.componentLicenseModel()->rowCount(), 2);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(selected.count(), 1);
}

void TestConfigureGeneralAbout::licenceUnreadablePathsDoNotBlock_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("folder") << false;
    QTest::newRow("pipe without a writer") << true;
}

// A path that exists but is no plain file gives the internal-error message at once: a pipe
// would otherwise wait for a writer for ever.
void TestConfigureGeneralAbout::licenceUnreadablePathsDoNotBlock()
{
    QFETCH(bool, pipe);
    QTemporaryDir directory;
    QVERIFY(QDir(directory.path()).mkpath(QStringLiteral("tclap")));
    const QString info = directory.filePath("tclap/info.txt");
    if (pipe)
        QCOMPARE(::mkfifo(QFile::encodeName(info).constData(), 0600), 0);
    else
        QVERIFY(QDir().mkpath(info));
    QVERIFY(writeFile(directory.filePath("tclap/COPYING"), "MIT\n"));

    ConfigureGeneralAboutLicenseInfoViewManager manager(nullptr);
    manager.setLicenseDirectory(directory.path());
    QSignalSpy messages(&manager,
                        &ConfigureGeneralAboutLicenseInfoViewManager::panelUserMessageIssued);
    manager.onSoftwareComponentSelected(ConfigureTypes::E_componentLinux);
    QCOMPARE(messages.count(), 1);
    const auto message = messages.at(0).at(0).value<UserMessage>();
    QCOMPARE(message.id, 0x201bu);
    QCOMPARE(message.arguments,
             QStringList({"configure_general_about_license_info_view_manager.cpp", "354",
                          QDir(directory.path()).filePath("tclap/info.txt")}));
    QCOMPARE(modelReader::texts(*manager.componentLicenseModel(), "value"), QStringList({"MIT\n"}));
}

void TestConfigureGeneralAbout::licenceLargeFileIsCut()
{
    QTemporaryDir directory;
    QVERIFY(QDir(directory.path()).mkpath(QStringLiteral("qt")));
    QVERIFY(writeFile(directory.filePath("qt/info.txt"), "info\n"));
    // Sixteen times the limit, in lines of 64 bytes.
    const QByteArray line = QByteArray(63, 'x') + '\n';
    const qint64 lines =
        16 * ConfigureGeneralAboutLicenseInfoViewManager::maximumFileBytes / line.size();
    {
        QFile file(directory.filePath("qt/LICENSE"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray block = line.repeated(1024);
        for (qint64 written = 0; written < lines; written += 1024)
            QCOMPARE(file.write(block), block.size());
    }
    ConfigureGeneralAboutLicenseInfoViewManager manager(nullptr);
    manager.setLicenseDirectory(directory.path());
    manager.onSoftwareComponentSelected(ConfigureTypes::E_componentQt);
    const int rows = manager.componentLicenseModel()->rowCount();
    const qint64 shownLines =
        ConfigureGeneralAboutLicenseInfoViewManager::maximumFileBytes / line.size();
    QCOMPARE(rows, int(shownLines) + 1);
    QCOMPARE(modelReader::value(*manager.componentLicenseModel(), 0, "value").toString(),
             QString::fromLatin1(line));
    QCOMPARE(modelReader::value(*manager.componentLicenseModel(), rows - 1, "value").toString(),
             QStringLiteral("[The rest of the file is not shown.]"));
}

void TestConfigureGeneralAbout::licenceFileWithinTheLimitsIsWhole_data()
{
    constexpr qint64 limit = ConfigureGeneralAboutLicenseInfoViewManager::maximumFileBytes;
    constexpr int lines = ConfigureGeneralAboutLicenseInfoViewManager::maximumLines;
    const QString note = QStringLiteral("[The rest of the file is not shown.]");
    const QByteArray shortLine = QByteArray(63, 'x') + '\n';
    const auto rows = [](const QByteArray &line, qint64 count) {
        return QStringList(int(count), QString::fromLatin1(line));
    };
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("one line of the byte limit")
        << QByteArray(limit, 'x') << QStringList({QString(limit, 'x')});
    QTest::newRow("lines that end at the byte limit")
        << shortLine.repeated(limit / shortLine.size())
        << rows(shortLine, limit / shortLine.size());
    QTest::newRow("one byte above the byte limit")
        << QByteArray(limit + 1, 'x') << QStringList({QString(limit, 'x'), note});
    QTest::newRow("the line limit of empty lines") << QByteArray(lines, '\n') << rows("\n", lines);
    QTest::newRow("one line above the line limit")
        << QByteArray(lines + 1, '\n') << rows("\n", lines) + QStringList({note});
    QTest::newRow("empty lines up to the byte limit")
        << QByteArray(limit, '\n') << rows("\n", lines) + QStringList({note});
    QTest::newRow("line ends of both kinds")
        << QByteArray("a\r\nb\rc\n\r\n\r") << QStringList({"a\n", "b\rc\n", "\n", "\r"});
}

// A file within both limits is shown whole, without the note; beyond either of them, what is shown
// ends where that limit is reached.
void TestConfigureGeneralAbout::licenceFileWithinTheLimitsIsWhole()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, rows);
    QTemporaryDir directory;
    QVERIFY(QDir(directory.path()).mkpath(QStringLiteral("qt")));
    QVERIFY(writeFile(directory.filePath("qt/info.txt"), "info\n"));
    QVERIFY(writeFile(directory.filePath("qt/LICENSE"), file));
    ConfigureGeneralAboutLicenseInfoViewManager manager(nullptr);
    manager.setLicenseDirectory(directory.path());
    manager.onSoftwareComponentSelected(ConfigureTypes::E_componentQt);
    const QStringList shown = modelReader::texts(*manager.componentLicenseModel(), "value");
    QCOMPARE(shown.size(), rows.size());
    QCOMPARE(shown, rows);
}

// The introduction is one translated text; the brand, or without a variant controller the
// translated "This", is put into it.
void TestConfigureGeneralAbout::licenceIntroductionIsOneTranslatedSentence()
{
    const QString context = QStringLiteral("view::ConfigureGeneralAboutLicenseInfoViewManager");
    TestTranslator translator;
    translator.add(context,
                   "%1 control panel is designed using open source software components, which are "
                   "subject to the copyrights of their authors.",
                   "Das Bedienfeld %1 wurde mit Open-Source-Komponenten entwickelt.");
    translator.add(context, "This", "Dieses");
    ScopedTranslator installed(&translator);

    ConfigureGeneralAboutLicenseInfoViewManager manager(nullptr);
    QVERIFY(control::VariantControllerBase::instance() == nullptr);
    manager.onLicenseInfoViewVisibleChanged(true);
    QCOMPARE(modelReader::value(*manager.licenseTextModel(), 0, "value").toString(),
             QStringLiteral("Das Bedienfeld Dieses wurde mit Open-Source-Komponenten entwickelt."));
    control::VariantControllerPcPanel variant(VariantTypes::E_lumo, nullptr);
    manager.onLicenseInfoViewVisibleChanged(true);
    QCOMPARE(modelReader::value(*manager.licenseTextModel(), 0, "value").toString(),
             QStringLiteral("Das Bedienfeld Lumo wurde mit Open-Source-Komponenten entwickelt."));
}

void TestConfigureGeneralAbout::licenceIntroductionAndLanguageChange()
{
    ConfigureGeneralAboutLicenseInfoViewManager manager(nullptr);
    QVERIFY(control::VariantControllerBase::instance() == nullptr);
    manager.onLicenseInfoViewVisibleChanged(true);
    QCOMPARE(manager.licenseTextModel()->rowCount(), 2);
    QVERIFY(modelReader::value(*manager.licenseTextModel(), 0, "value")
                .toString()
                .startsWith(QStringLiteral("This control panel is designed")));
    const QStringList components{"Qt", "Protocol Buffers", "TCLAP", "Libraries of this PC"};
    QCOMPARE(modelReader::texts(*manager.componentModel(), "textOnSubMenu"), components);
    QCOMPARE(modelReader::applIds(*manager.componentModel()), QList<int>({0, 1, 2, 3}));
    QCOMPARE(modelReader::texts(*manager.componentModel(), "layoutOrder"),
             QStringList({"top", "centre", "centre", "bottom"}));
    {
        control::VariantControllerPcPanel variant(VariantTypes::E_lumo, nullptr);
        manager.onLicenseInfoViewVisibleChanged(true);
        QVERIFY(modelReader::value(*manager.licenseTextModel(), 0, "value")
                    .toString()
                    .startsWith(QStringLiteral("Lumo control panel is designed")));
    }
    manager.onLicenseInfoViewVisibleChanged(false);
    QCOMPARE(manager.componentModel()->rowCount(), 0);
    QCOMPARE(manager.licenseTextModel()->rowCount(), 0);
    // A language change lists the components again even while the page is hidden.
    manager.onLanguageChanged(signalInterface::LanguageTypes::Language(0));
    QCOMPARE(modelReader::texts(*manager.componentModel(), "textOnSubMenu"), components);
    QCOMPARE(manager.licenseTextModel()->rowCount(), 0);
}

// Every component's files lie in the scene's licence folder and read without a message.
void TestConfigureGeneralAbout::licenceShippedFilesAreAllThere()
{
    ConfigureGeneralAboutLicenseInfoViewManager manager(nullptr);
    manager.setLicenseDirectory(QStringLiteral(PANEL_LICENSE_DIRECTORY));
    QSignalSpy messages(&manager,
                        &ConfigureGeneralAboutLicenseInfoViewManager::panelUserMessageIssued);
    for (const auto &record : manager.softwareComponents()) {
        if (record.id == ConfigureTypes::E_componentLinuxComponents)
            continue;
        manager.onSoftwareComponentSelected(record.id);
        QVERIFY2(manager.componentLicenseModel()->rowCount() > 10, qPrintable(record.name));
        QVERIFY2(manager.componentInfoModel()->rowCount() > 0, qPrintable(record.name));
        QVERIFY2(QFileInfo(QStringLiteral(PANEL_LICENSE_DIRECTORY) + record.licenceFile).size() <
                     ConfigureGeneralAboutLicenseInfoViewManager::maximumFileBytes,
                 qPrintable(record.name));
    }
    for (const auto &record : manager.linuxComponents()) {
        manager.onLinuxComponentSelected(record.id);
        QVERIFY2(manager.componentLicenseModel()->rowCount() > 5, qPrintable(record.name));
    }
    QCOMPARE(messages.count(), 0);
    manager.onSoftwareComponentSelected(ConfigureTypes::E_componentQt);
    const QStringList licence = modelReader::texts(*manager.componentLicenseModel(), "value");
    QVERIFY(
        licence.contains(QStringLiteral("                   GNU LESSER GENERAL PUBLIC LICENSE\n")));
}

void TestConfigureGeneralAbout::identifyButtonsFollowTheBoardCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("none reported") << 0 << QStringList({"Primary"});
    QTest::newRow("one") << 1 << QStringList({"Primary"});
    QTest::newRow("two") << 2 << QStringList({"Primary", "Secondary1"});
    QTest::newRow("five") << 5 << QStringList({"Primary", "Secondary1", "Secondary2"});
}

void TestConfigureGeneralAbout::identifyButtonsFollowTheBoardCount()
{
    QFETCH(int, count);
    QFETCH(QStringList, buttons);
    ConfigureGeneralAboutIdentifyRcbViewManager manager(nullptr);
    BoardCounter counter;
    QCOMPARE(manager.connectSaunaStateSignals({&counter}), 0);
    emit counter.saunaRcbNumbersChanged(count);
    manager.onIdentifyRcbViewVisibleChanged(true);
    QCOMPARE(modelReader::texts(*manager.model(), "value"), buttons);
    QCOMPARE(modelReader::column(*manager.model(), "componentType").first().toInt(), 6);
    QCOMPARE(modelReader::applIds(*manager.model()).size(), buttons.size());

    // A new count shows at the next opening only.
    emit counter.saunaRcbNumbersChanged(count == 5 ? 0 : 5);
    QCOMPARE(modelReader::texts(*manager.model(), "value"), buttons);
    manager.onIdentifyRcbViewVisibleChanged(false);
    QCOMPARE(manager.model()->rowCount(), 0);
    manager.onIdentifyRcbViewVisibleChanged(true);
    QCOMPARE(manager.model()->rowCount(), count == 5 ? 1 : 3);
}

void TestConfigureGeneralAbout::identifyPressSendsTheBuzzerRequest()
{
    ConfigureGeneralAboutIdentifyRcbViewManager manager(nullptr);
    QSignalSpy requested(&manager,
                         &ConfigureGeneralAboutIdentifyRcbViewManager::activateBuzzerRequested);
    for (int board : {3, -1, 2, 0})
        manager.onIdentifyRcbSelected(board);
    QCOMPARE(requested.count(), 2);
    QCOMPARE(requested.at(0).at(0).value<NodeInformationTypes::RcbMasterSlaveMode>(),
             NodeInformationTypes::E_slave_2);
    QCOMPARE(requested.at(1).at(0).value<NodeInformationTypes::RcbMasterSlaveMode>(),
             NodeInformationTypes::E_master);
}

QTEST_GUILESS_MAIN(TestConfigureGeneralAbout)
#include "tst_configure_general_about.moc"
