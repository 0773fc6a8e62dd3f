#include "finder_table.h"
#include "frame_test_support.h"

#include "control/start_up_screen_controller.h"
#include "view_cpp/panel_frame.h"

#include "view_cpp/calendar_tab_object_id_provider.h"
#include "view_cpp/calendar_tab_objects_provider.h"
#include "view_cpp/favorite_tab_objects_provider.h"
#include "view_cpp/favorites_tab_object_id_provider.h"
#include "view_cpp/global_qml_settings_provider.h"
#include "view_cpp/gui_handler_control_panel.h"
#include "view_cpp/main_window.h"
#include "view_cpp/qml_application_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMetaMethod>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QQmlPropertyMap>
#include <QQuickWidget>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <type_traits>
#include <utility>

using signalInterface::VariantTypes;
using signalInterface::UserMessageTypes::UserMessage;

namespace {

void writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// It hands itself to the test's sink when it is created.
const QByteArray settingsComponent = R"(import QtQuick
QtObject {
    property bool shouldInitializeGlobalSettingWithItself: false
    property string systemType: "unset"
    property string systemBrand: "unset"
    property int appWidth: -1
    property int appHeight: -1
    Component.onCompleted: settingsSink.created = this
}
)";

// Reads the scene's global settings as the screens do.
const QByteArray globalSettingsReader = R"(import QtQuick
import "components/GlobalSettings.js" as GlobalSettings
QtObject {
    property string systemType: GlobalSettings.value("systemType", "")
    property int appWidth: GlobalSettings.value("appWidth", 0)
    property int appHeight: GlobalSettings.value("appHeight", 0)
}
)";

// The object a test settings component made of itself, or null.
QObject *createdSettings(const QQmlPropertyMap &sink)
{
    return sink.value(QStringLiteral("created")).value<QObject *>();
}

// A scene with the normal light switch but without the locked one, and two items of one name.
const QByteArray lightsScene = R"(import QtQuick
Item {
    Item { objectName: "lights_switch_tab_2"; property int order: 1 }
    Item { objectName: "popup_widget"; property int order: 1 }
    Item { Item { objectName: "popup_widget"; property int order: 2 } }
}
)";

// Members that the frame's classes do not offer.
template<typename T, typename = void>
struct HasEngineGetter : std::false_type
{};
template<typename T>
struct HasEngineGetter<T, std::void_t<decltype(std::declval<T &>().engine())>> : std::true_type
{};
template<typename T, typename = void>
struct HasRootContextGetter : std::false_type
{};
template<typename T>
struct HasRootContextGetter<T, std::void_t<decltype(std::declval<T &>().rootContext())>> :
    std::true_type
{};
template<typename T, typename = void>
struct HasGlobalSettingsGetter : std::false_type
{};
template<typename T>
struct HasGlobalSettingsGetter<T, std::void_t<decltype(std::declval<T &>().globalSettings())>> :
    std::true_type
{};
template<typename T, typename = void>
struct HasFinderNameList : std::false_type
{};
template<typename T>
struct HasFinderNameList<T, std::void_t<decltype(T::finderObjectNames())>> : std::true_type
{};

// The main window and the GUI handler keep class-wide pointers to their one object.
static_assert(std::is_same_v<decltype(view::MainWindow::instance), view::MainWindow *>);
static_assert(std::is_same_v<decltype(view::GuiHandlerControlPanel::instance),
                             view::GuiHandlerControlPanel *>);
// The application size is asked of the handler.
static_assert(std::is_member_function_pointer_v<decltype(&view::GuiHandler::applicationSize)>);
static_assert(!HasEngineGetter<view::GuiHandler>::value);
static_assert(!HasRootContextGetter<view::GuiHandler>::value);
static_assert(!HasGlobalSettingsGetter<view::GuiHandler>::value);
static_assert(!HasFinderNameList<view::GuiHandlerControlPanel>::value);
template<typename T, typename = void>
struct HasSettingsGetter : std::false_type
{};
template<typename T>
struct HasSettingsGetter<T, std::void_t<decltype(std::declval<T &>().settings())>> : std::true_type
{};
static_assert(!HasSettingsGetter<view::GlobalQmlSettingsProvider>::value);
// The handler's view has an engine of its own.
static_assert(!std::is_constructible_v<view::GuiHandlerControlPanel, QMainWindow *, QObject *,
                                       const QString &, QQmlEngine *>);
static_assert(std::is_constructible_v<view::GuiHandlerControlPanel, QMainWindow *, QObject *>);

// The start-up wiring connects the calendar controllers to the time controller and the bridge
// receiver itself; the calendar provider adds the language connects only.
template<typename T, typename = void>
struct HasSaunaConnect : std::false_type
{};
template<typename T>
struct HasSaunaConnect<
    T, std::void_t<decltype(std::declval<T &>().connectSaunaSignals(QList<QObject *>()))>> :
    std::true_type
{};
template<typename T, typename = void>
struct HasTimeConnect : std::false_type
{};
template<typename T>
struct HasTimeConnect<
    T, std::void_t<decltype(std::declval<T &>().connectTimeSignals(QList<QObject *>()))>> :
    std::true_type
{};
static_assert(!HasSaunaConnect<details::CalendarTabObjectsProvider>::value);
static_assert(!HasTimeConnect<details::CalendarTabObjectsProvider>::value);
static_assert(HasSaunaConnect<details::FavoriteTabObjectsProvider>::value);

} // namespace

// The frame's own objects, one by one.
class TestFrameObjects : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareFrameTestProcess(); }

    void mainWindowIdentityAndSize()
    {
        QVERIFY(!view::MainWindow::instance);
        {
            view::MainWindow window;
            QCOMPARE(view::MainWindow::instance, &window);
            window.setBrandWindowIdentity(VariantTypes::E_vaho);
            QCOMPARE(window.windowTitle(), QStringLiteral("PC Control Panel"));
            QVERIFY(!window.windowIcon().pixmap(96).isNull());
            window.setBrandWindowIdentity(static_cast<VariantTypes::Brand>(5));
            QCOMPARE(window.windowTitle(), QStringLiteral("PC Control Panel"));
            QVERIFY(window.windowIcon().pixmap(96).isNull());
            window.setDefaultWindowIdentity();
            QVERIFY(!window.windowIcon().pixmap(96).isNull());
            for (int brand = 0; brand < 4; ++brand) {
                window.setBrandWindowIdentity(static_cast<VariantTypes::Brand>(brand));
                QVERIFY2(!window.windowIcon().pixmap(96).isNull(),
                         qPrintable(QString::number(brand)));
            }
            window.setFixedWindowSize(340, 600);
            QCOMPARE(window.minimumSize(), QSize(340, 600));
            QCOMPARE(window.maximumSize(), QSize(340, 600));
        }
        QVERIFY(!view::MainWindow::instance);
    }

    void applicationSizes()
    {
        view::MainWindow window;
        view::GuiHandler handler(&window, nullptr);
        int width = -1;
        int height = -1;
        handler.applicationSize(2, width, height);
        QCOMPARE(QSize(width, height), QSize(340, 600));
        handler.applicationSize(0, width, height);
        QCOMPARE(QSize(width, height), QSize(272, 480));
        handler.applicationSize(5, width, height);
        QCOMPARE(QSize(width, height), QSize(0, 0));
    }

    // Before the scene is loaded every finder finds nothing and reports each of its names once,
    // in its order.
    void everyFinderReportsItsNamesBeforeTheScene()
    {
        view::MainWindow window;
        view::GuiHandlerControlPanel handler(&window, nullptr);
        QSignalSpy reports(&handler, &view::GuiHandler::panelUserMessageIssued);
        const std::vector<FinderNames> table = finderTable();
        QCOMPARE(int(table.size()), 51);
        for (const FinderNames &entry : table) {
            reports.clear();
            QVERIFY((handler.*entry.finder)().isEmpty());
            QStringList reported;
            for (const QList<QVariant> &report : std::as_const(reports))
                reported << report.at(0).value<UserMessage>().arguments.value(2);
            QCOMPARE(reported, entry.names);
        }
    }

    void findersReportEveryMissingName()
    {
        QTemporaryDir directory;
        writeFile(directory.filePath("main.qml"), lightsScene);
        view::MainWindow window;
        view::GuiHandlerControlPanel handler(&window, nullptr, directory.path());
        QCOMPARE(view::GuiHandlerControlPanel::instance, &handler);
        QCOMPARE(window.centralWidget(), handler.view());
        QSignalSpy reports(&handler, &view::GuiHandler::panelUserMessageIssued);

        // Before the scene exists every name is missing.
        QVERIFY(handler.lightsSwitchItems().isEmpty());
        QCOMPARE(reports.size(), 2);

        handler.loadQml(QStringLiteral("main.qml"));
        QVERIFY(handler.rootObject());
        reports.clear();
        const QList<QObject *> lights = handler.lightsSwitchItems();
        QCOMPARE(lights.size(), 1);
        QCOMPARE(lights.first()->objectName(), QStringLiteral("lights_switch_tab_2"));
        QCOMPARE(reports.size(), 1);
        const auto message = reports.first().at(0).value<UserMessage>();
        QCOMPARE(message.id, quint32(0x201b));
        QCOMPARE(message.arguments.size(), 3);
        QCOMPARE(message.arguments.at(0), QStringLiteral("gui_handler.cpp"));
        bool lineIsNumber = false;
        QVERIFY(message.arguments.at(1).toInt(&lineIsNumber) > 0 && lineIsNumber);
        QCOMPARE(message.arguments.at(2), QStringLiteral("lights_switch_tab_tab2_locked"));
        QCOMPARE(reports.first().at(1).value<signalInterface::UserMessageAction *>(), nullptr);

        // The first item of a repeated name counts; the popup look-up reports nothing.
        reports.clear();
        const QList<QObject *> popups = handler.popupWidgetListItems();
        QCOMPARE(popups.size(), 1);
        QCOMPARE(popups.first()->property("order").toInt(), 1);
        QCOMPARE(handler.popupWidget(), popups.first());
        QCOMPARE(reports.size(), 0);
        QVERIFY(handler.targetTemperatureItems().isEmpty());
        QCOMPARE(reports.size(), 2);

        handler.unloadQml();
        QVERIFY(!handler.rootObject());
    }

    void globalSettingsOfBrandsAndProducts_data()
    {
        QTest::addColumn<int>("brand");
        QTest::addColumn<int>("productType");
        QTest::addColumn<QString>("systemType");
        QTest::addColumn<QString>("systemBrand");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("vaho pc") << 0 << 2 << "pc"
                                 << "vaho" << 340 << 600;
        QTest::newRow("kastela wall panel") << 3 << 1 << "fell"
                                            << "kastela" << 272 << 480;
        QTest::newRow("undefined brand") << 4 << 2 << "pc"
                                         << "undefined" << 340 << 600;
        QTest::newRow("brand outside") << 7 << 2 << "pc"
                                       << "" << 340 << 600;
        QTest::newRow("product outside") << 0 << 3 << ""
                                         << "vaho" << 0 << 0;
    }

    void globalSettingsOfBrandsAndProducts()
    {
        QFETCH(int, brand);
        QFETCH(int, productType);
        QTemporaryDir directory;
        writeFile(directory.filePath("SettingsBase.qml"), settingsComponent);
        QQmlEngine engine;
        QQmlPropertyMap sink;
        engine.rootContext()->setContextProperty(QStringLiteral("settingsSink"), &sink);
        view::GlobalQmlSettingsProvider provider(&engine, directory.filePath("SettingsBase.qml"));
        QObject *settings = createdSettings(sink);
        QVERIFY(settings);
        provider.initializeSettings(static_cast<VariantTypes::Brand>(brand),
                                    static_cast<VariantTypes::ProductType>(productType));
        QCOMPARE(settings->property("shouldInitializeGlobalSettingWithItself").toBool(), true);
        QTEST(settings->property("systemType").toString(), "systemType");
        QTEST(settings->property("systemBrand").toString(), "systemBrand");
        QTEST(settings->property("appWidth").toInt(), "width");
        QTEST(settings->property("appHeight").toInt(), "height");
        // The five declared properties and nothing beside them.
        QCOMPARE(settings->dynamicPropertyNames(), QList<QByteArray>());
    }

    void globalSettingsWithoutComponentSetNothing()
    {
        QTemporaryDir directory;
        QQmlEngine engine;
        QQmlPropertyMap sink;
        engine.rootContext()->setContextProperty(QStringLiteral("settingsSink"), &sink);
        view::GlobalQmlSettingsProvider provider(&engine, directory.filePath("SettingsBase.qml"));
        QVERIFY(!createdSettings(sink));
        // The warning is the component's error text, quoted, and nothing else.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                               "^\"[^\"]*SettingsBase\\.qml[^\"]*\"$")));
        provider.initializeSettings(VariantTypes::E_vaho, VariantTypes::E_PC);
        QVERIFY(!createdSettings(sink));
    }

    void realSettingsComponentTakesTheValues()
    {
        QQmlEngine engine;
        view::GlobalQmlSettingsProvider provider(&engine, QStringLiteral(PANEL_QML_DIRECTORY) +
                                                              QStringLiteral("SettingsBase.qml"));
        provider.initializeSettings(VariantTypes::E_vaho, VariantTypes::E_PC);
        // The screens of the engine read the values through the scene's global settings.
        QQmlComponent reader(&engine);
        reader.setData(globalSettingsReader,
                       QUrl::fromLocalFile(QStringLiteral(PANEL_QML_DIRECTORY) +
                                           QStringLiteral("Reader.qml")));
        std::unique_ptr<QObject> read(reader.create());
        QVERIFY2(read, qPrintable(reader.errorString()));
        QCOMPARE(read->property("systemType").toString(), QStringLiteral("pc"));
        QCOMPARE(read->property("appWidth").toInt(), 340);
        QCOMPARE(read->property("appHeight").toInt(), 600);
    }

    // The scene calls these slots by name for its object names and the wiring looks the same
    // names up: every slot must be callable that way and no two items may share a name.
    void objectIdProvidersGiveDistinctSceneNames()
    {
        details::FavoritesTabObjectIdProvider favorites;
        details::CalendarTabObjectIdProvider calendar;
        QSet<QString> names;
        int nameSlots = 0;
        for (QObject *provider :
             {static_cast<QObject *>(&favorites), static_cast<QObject *>(&calendar)}) {
            const QMetaObject *meta = provider->metaObject();
            for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
                const QMetaMethod method = meta->method(i);
                QString name;
                QVERIFY(method.invoke(provider, Qt::DirectConnection, Q_RETURN_ARG(QString, name)));
                QVERIFY2(!name.isEmpty(), method.methodSignature().constData());
                QVERIFY2(!names.contains(name), qPrintable(name));
                names.insert(name);
                ++nameSlots;
            }
        }
        QVERIFY(nameSlots > 0);
        QCOMPARE(favorites.favoritesSelectorName(), QStringLiteral("favoritesSelector"));
        QCOMPARE(calendar.queueViewName(), QStringLiteral("queTabView"));
    }

    void variantControllerIsAlwaysThePc()
    {
        QVERIFY(!control::VariantControllerBase::instance());
        for (int brand = 0; brand <= 4; ++brand) {
            control::VariantControllerPcPanel variant(static_cast<VariantTypes::Brand>(brand),
                                                      nullptr);
            QCOMPARE(control::VariantControllerBase::instance(), &variant);
            QCOMPARE(variant.productType(), VariantTypes::E_PC);
            QCOMPARE(int(variant.brand()), brand);
        }
        QVERIFY(!control::VariantControllerBase::instance());
        QCOMPARE(control::buildBrand(), VariantTypes::E_vaho);
    }

    void variantControllerOffersOnlyItsSignals()
    {
        // Two signals and two virtual operations; no property, slot or invokable of its own.
        const QMetaObject &base = control::VariantControllerBase::staticMetaObject;
        QCOMPARE(base.propertyCount(), QObject::staticMetaObject.propertyCount());
        QCOMPARE(base.methodCount() - base.methodOffset(), 2);
        QCOMPARE(base.method(base.methodOffset()).methodSignature(),
                 QByteArray("brandChanged(::signalInterface::VariantTypes::Brand)"));
        QCOMPARE(base.method(base.methodOffset() + 1).methodSignature(),
                 QByteArray("productTypeChanged(::signalInterface::VariantTypes::ProductType)"));
        const QMetaObject &pc = control::VariantControllerPcPanel::staticMetaObject;
        QCOMPARE(pc.propertyCount(), base.propertyCount());
        QCOMPARE(pc.methodCount(), base.methodCount());
    }

    void variantIsAnnouncedBrandFirst()
    {
        control::VariantControllerPcPanel variant(control::buildBrand(), nullptr);
        QStringList order;
        connect(&variant, &control::VariantControllerBase::brandChanged, this,
                [&order](VariantTypes::Brand brand) {
                    order << QStringLiteral("brand %1").arg(brand);
                });
        connect(&variant, &control::VariantControllerBase::productTypeChanged, this,
                [&order](VariantTypes::ProductType type) {
                    order << QStringLiteral("product %1").arg(type);
                });
        variant.announceVariant();
        QCOMPARE(order, QStringList({"brand 0", "product 2"}));
    }

    void settingsStoreIsNamedAfterTheBrand()
    {
        QCOMPARE(startUp::settingsOrganizationName(VariantTypes::E_vaho), QStringLiteral("Vaho"));
        QCOMPARE(startUp::settingsOrganizationName(VariantTypes::E_orvela),
                 QStringLiteral("Orvela"));
        QCOMPARE(startUp::settingsOrganizationName(static_cast<VariantTypes::Brand>(9)), QString());
    }

    void allowedStartTimeMessageWithoutControllerIsUnchanged()
    {
        QVERIFY(!startUp::saunaStateController());
        UserMessage message(0x1002);
        const UserMessage before = message;
        startUp::formatAllowedStartTimeMessage(message);
        QCOMPARE(message, before);
    }

    // The splash and the main scene each show their scene on the engine of their own view. The
    // splash's settings object goes with the splash; the main scene keeps its own.
    void mainSceneKeepsItsSettingsAfterTheSplash()
    {
        const QString qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        control::VariantControllerPcPanel variant(control::buildBrand(), nullptr);
        auto splash = std::make_unique<control::StartUpScreenController>(startUp::windowProductType,
                                                                         variant.brand(), nullptr);
        splash->setQmlDirectory(qmlDirectory);
        splash->setGlobalSettingsFactory(startUp::globalSettingsFactory(qmlDirectory));
        splash->show();
        QVERIFY2(splash->view()->rootObject(), "main_startup_screen.qml did not load");

        startUp::FrameOptions options;
        options.qmlDirectory = qmlDirectory;
        startUp::PanelFrame frame(variant, options);
        frame.loadScene();
        QVERIFY(frame.guiHandler.view()->engine() != splash->view()->engine());
        QObject *root = frame.guiHandler.rootObject();
        QVERIFY2(root, "main.qml did not load");
        QCOMPARE(frame.wire().total(), 0);

        splash->close();
        splash.reset();
        QQmlExpression appWidth(qmlContext(root), root,
                                QStringLiteral("GlobalSettings.value(\"appWidth\", 0)"));
        QCOMPARE(appWidth.evaluate().toInt(), 340);
        QVERIFY(!appWidth.hasError());
    }

    void viewerPrefersTheDirectoryAboveTheProgram()
    {
        const QString program = QCoreApplication::applicationDirPath();
        QTemporaryDir above(QDir(program).absoluteFilePath("../viewer_test_XXXXXX"));
        const QString name = QDir(above.path()).dirName();
        QCOMPARE(QmlApplicationViewer::resolveDeploymentPath(name),
                 QStringLiteral("%1/../%2").arg(program, name));
        QCOMPARE(QmlApplicationViewer::resolveDeploymentPath(QStringLiteral("no_such_file.qml")),
                 QStringLiteral("no_such_file.qml"));
    }

    void viewerClosesOnQuit()
    {
        QTemporaryDir directory;
        writeFile(directory.filePath("quit.qml"),
                  "import QtQuick\nItem { width: 10; height: 10; Component.onCompleted: "
                  "quitTimer.start(); Timer { id: quitTimer; interval: 10; onTriggered: "
                  "Qt.quit() } }\n");
        // A widget like the main window's view, so that it can live inside another widget.
        QWidget parent;
        auto *child = new QmlApplicationViewer(&parent);
        QVERIFY(child->inherits("QQuickWidget"));
        QCOMPARE(child->parentWidget(), &parent);
        QCOMPARE(child->resizeMode(), QQuickWidget::SizeRootObjectToView);
        delete child;

        QmlApplicationViewer viewer;
        viewer.loadMainFile(directory.filePath("quit.qml"));
        viewer.showWindow();
        QVERIFY(viewer.isVisible());
        QTRY_VERIFY(!viewer.isVisible());
    }
};

QTEST_MAIN(TestFrameObjects)
#include "tst_frame_objects.moc"
