#include "frame_test_support.h"
#include "scene_items.h"

#include "control/language_controller.h"
#include "control/message_controller.h"
#include "control/temperature_controller.h"
#include "control/time_controller.h"
#include "pc_panel/remote_sauna_list.h"
#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulated_sauna.h"
#include "signal_interface/configure_types.h"
#include "view_cpp/list_model.h"
#include "view_cpp/panel_frame.h"
#include "view_cpp/user_message_provider.h"

#include <QDir>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>

using signalInterface::UserMessageTypes::UserMessage;

namespace {

constexpr int waitMs = 10000;
constexpr quint32 pinFailedMessageId = 0x2027;
constexpr quint32 detectingSystemMessageId = 0x2041;
const char saunaName[] = "Loft sauna";
const char saunaPin[] = "2580";

} // namespace

// A step of a helper that checks; the test ends at the first failed one.
#define STEP_RETURN(call, value)                                                                   \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return value;                                                                          \
    } while (false)

// The whole panel and the simulated sauna on loopback. The user connects through System, Network
// (as a user does the first time), then uses the General menu's Units, Region and Language
// screens by taps; the main screen shows each change at once.
class TestGeneralLanguageEndToEnd : public QObject
{
    Q_OBJECT

private:
    QQuickItem *sceneRoot() const { return sceneRootOf(*m_frame); }

    // Waits until no page and no list of the scene moves any more: a press on a list that still
    // moves only stops it and reaches none of its rows.
    void waitForPagesAtRest() { waitForSceneAtRest(sceneRoot(), waitMs); }

    QQuickItem *waitForItem(const QString &objectName)
    {
        return waitForVisibleItem(*m_frame, objectName, waitMs);
    }

    void tap(QQuickItem *item) { tapItem(*m_frame, item, waitMs); }

    void tap(const QString &objectName)
    {
        QQuickItem *item = waitForItem(objectName);
        QVERIFY2(item, qPrintable(objectName));
        tap(item);
    }

    // The row of a program-built list that carries the application id.
    void tapRow(const QString &listName, int applId)
    {
        QQuickItem *list = waitForItem(listName);
        QVERIFY2(list, qPrintable(listName));
        QQuickItem *row = nullptr;
        const bool found = QTest::qWaitFor(
            [&] {
                row = findVisibleItem(list, [applId](QQuickItem *item) {
                    return item->property("applId").isValid() &&
                           item->property("applId").toInt() == applId && item->height() > 0;
                });
                return row != nullptr;
            },
            waitMs);
        QVERIFY2(found, qPrintable(QStringLiteral("%1 row %2").arg(listName).arg(applId)));
        tap(row);
    }

    // A tap into the entry field and the text typed on the keyboard; no Return: the field is
    // left by the next tap elsewhere.
    void type(const QString &fieldName, const QString &text)
    {
        QQuickItem *field = waitForItem(fieldName);
        QVERIFY2(field, qPrintable(fieldName));
        auto *input = field->property("inputItem").value<QQuickItem *>();
        QVERIFY(input);
        tap(input);
        QTRY_VERIFY(input->hasActiveFocus());
        QQuickWidget *view = m_frame->guiHandler.view();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Backspace);
        QTest::keyClicks(view, text);
        QCOMPARE(field->property("text").toString(), text);
    }

    QStringList visibleNames() { return visibleItemNames(sceneRoot()); }

    QString currentNetworkPage()
    {
        for (const char *name : {"networkPinEditorPage", "networkIpConnectPage",
                                 "networkSaunaDetailsPage", "networkListPage"}) {
            if (findVisibleItem(sceneRoot(), QString::fromLatin1(name)))
                return QString::fromLatin1(name);
        }
        return QString();
    }

    // Answers every message the popup shows, one after the other; returns their texts. Every tap
    // must press the popup's button, or the same message would be read twice.
    QStringList dismissPopups()
    {
        QStringList texts;
        auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        if (popup == nullptr)
            return texts;
        QSignalSpy pressed(popup, SIGNAL(popupBtnPressed(QString)));
        for (int shown = 0; popup->isVisible() && shown < 10; ++shown) {
            texts << popup->property("popupText").toString();
            QQuickItem *button = findVisibleItem(popup, QStringLiteral("popupCenterButton"));
            if (button == nullptr)
                break;
            tap(button);
            if (pressed.size() != shown + 1) {
                QTest::qFail(qPrintable(QStringLiteral("tap missed \"%1\"").arg(texts.constLast())),
                             __FILE__, __LINE__);
                break;
            }
            // A message that waits behind this one is shown as soon as it is answered, in the
            // same call: the loop reads it next.
        }
        return texts;
    }

    void saveScreenshot(const QString &name)
    {
        waitForPagesAtRest();
        // The scene renders asynchronously: let the last frame reach the window.
        QSignalSpy rendered(m_frame->guiHandler.view()->quickWindow(), &QQuickWindow::frameSwapped);
        m_frame->guiHandler.view()->update();
        rendered.wait(2000);
        const QString directory = QDir::current().absoluteFilePath(QStringLiteral("artifacts"));
        QVERIFY(QDir().mkpath(directory));
        const QString path = directory + QLatin1Char('/') + name + QStringLiteral(".png");
        QVERIFY(m_frame->mainWindow.grab().save(path));
        qInfo("screenshot: %s", qPrintable(path));
    }

    void enterPinAndConnect(const QString &pin)
    {
        QCOMPARE(currentNetworkPage(), QStringLiteral("networkSaunaDetailsPage"));
        tap(QStringLiteral("networkEnterPinButton"));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkPinEditorPage"));
        QQuickItem *field = waitForItem(QStringLiteral("networkPinField"));
        QVERIFY(field);
        auto *input = field->property("inputItem").value<QQuickItem *>();
        QVERIFY(input);
        tap(input);
        QTRY_VERIFY(input->hasActiveFocus());
        QQuickWidget *view = m_frame->guiHandler.view();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Backspace);
        QTest::keyClicks(view, pin);
        tap(QStringLiteral("networkPinSaveButton"));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkSaunaDetailsPage"));
        QTRY_COMPARE(m_frame->saunaCommunication.remoteSaunas().value(0).pin.pin(), pin);
        tap(QStringLiteral("networkConnectButton"));
    }

    // The settings tab, whatever language its text is in: the fourth tab.
    QQuickItem *tabButton(int index)
    {
        QList<QQuickItem *> tabs;
        findVisibleItem(sceneRoot(), [&tabs](QQuickItem *item) {
            if (item->property("glyph").isValid())
                tabs << item;
            return false;
        });
        return tabs.value(index);
    }

    // Back to the list of settings areas, with the back arrows a user taps.
    void backToSettingsAreas()
    {
        for (int taps = 0; taps < 6; ++taps) {
            waitForPagesAtRest();
            if (findVisibleItem(sceneRoot(), QStringLiteral("settingsArea_general")))
                return;
            QQuickItem *back = findVisibleItem(sceneRoot(), QStringLiteral("pageBackButton"));
            QVERIFY2(back, qPrintable(visibleNames().join(QLatin1Char(' '))));
            tap(back);
        }
        QVERIFY(findVisibleItem(sceneRoot(), QStringLiteral("settingsArea_general")));
    }

    // Settings tab, General, and the General menu's row of the id; the page of that name opens.
    void openGeneralPage(int id, const QString &pageName)
    {
        STEP(tap(tabButton(settingsTabIndex)));
        STEP(backToSettingsAreas());
        STEP(tap(QStringLiteral("settingsArea_general")));
        STEP(tapRow(QStringLiteral("settingsList"), id));
        QVERIFY(waitForItem(pageName));
        waitForPagesAtRest();
    }

    // The row of the page's own list that carries the application id; not a row of a page
    // below it that the stack still shows while it moves.
    void tapPageRow(const QString &pageName, int applId)
    {
        waitForPagesAtRest();
        QQuickItem *page = waitForItem(pageName);
        QVERIFY2(page, qPrintable(pageName));
        QQuickItem *row = nullptr;
        const bool found = QTest::qWaitFor(
            [&] {
                row = findVisibleItem(page, [applId](QQuickItem *item) {
                    return item->property("applId").isValid() &&
                           item->property("applId").toInt() == applId && item->height() > 0;
                });
                return row != nullptr;
            },
            waitMs);
        QVERIFY2(found, qPrintable(QStringLiteral("%1 row %2").arg(pageName).arg(applId)));
        STEP(scrollIntoView(row));
        tap(row);
    }

    // Drags the row's list upwards, as a finger does, until the whole row is inside the list.
    void scrollIntoView(QQuickItem *row)
    {
        QQuickItem *list = row->parentItem();
        while (list && !list->inherits("QQuickListView"))
            list = list->parentItem();
        QVERIFY(list);
        QQuickWidget *view = m_frame->guiHandler.view();
        for (int drags = 0; drags < 10; ++drags) {
            waitForPagesAtRest();
            const QRectF shown = list->mapRectToScene(QRectF(0, 0, list->width(), list->height()));
            const QRectF place = row->mapRectToScene(QRectF(0, 0, row->width(), row->height()));
            if (shown.contains(place))
                return;
            const QPoint from = shown.center().toPoint();
            const int distance =
                int(std::min(shown.height() / 3, place.bottom() - shown.bottom() + 4));
            QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
            for (int step = 1; step <= 10; ++step)
                QTest::mouseMove(view, from - QPoint(0, distance * step / 10), 10);
            QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, from - QPoint(0, distance),
                                10);
        }
        QFAIL("the row stays outside its list");
    }

    // The application ids of the checked rows of a model.
    static QList<int> checkedIds(const view::ListModel &model)
    {
        const int role = model.roleNames().key("checkmarkChecked", -1);
        QList<int> ids;
        for (int row = 0; row < model.rowCount(); ++row) {
            if (model.data(model.index(row), role).toBool())
                ids << model.getApplId(row);
        }
        return ids;
    }

    // The main screen's shown temperatures: the dial's target and measured texts and the target
    // stepper's value.
    QStringList mainScreenTemperatures()
    {
        STEP_RETURN(tap(tabButton(saunaTabIndex)), {});
        QQuickItem *target = waitForItem(QStringLiteral("targetTemperatureText"));
        QQuickItem *measured = waitForItem(QStringLiteral("measuredTemperatureText"));
        QQuickItem *stepper = waitForItem(QStringLiteral("temperature_data_provider_tab2_normal"));
        QQuickItem *stepperValue =
            stepper ? stepper->findChild<QQuickItem *>(QStringLiteral("valueText")) : nullptr;
        if (!target || !measured || !stepperValue)
            return {};
        return {target->property("text").toString(), measured->property("text").toString(),
                stepperValue->property("text").toString()};
    }

    // The first whole number of a text.
    static int numberIn(const QString &text)
    {
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("-?\\d+")).match(text);
        return match.hasMatch() ? match.captured().toInt() : std::numeric_limits<int>::min();
    }

    static constexpr int saunaTabIndex = 0;
    static constexpr int settingsTabIndex = 3;

    std::unique_ptr<tools::SimulatedSauna> m_sauna;
    std::unique_ptr<control::VariantControllerPcPanel> m_variant;
    std::unique_ptr<startUp::PanelFrame> m_frame;

private slots:
    void initTestCase()
    {
        prepareFrameTestProcess();
        // Nothing known, auto-connect off: only the user's steps can connect.
        {
            pcPanel::RemoteSaunaList stored;
            stored.load();
            QCOMPARE(stored.size(), 0);
        }
        pcPanel::InstanceSettings::setValue(
            QString::fromLatin1(control::Settings::pcPanelAutoConnectKey), false);

        tools::SimulatorOptions options;
        options.announcePort = 0;
        options.saunaPort = 0;
        options.pin = QString::fromLatin1(saunaPin);
        options.name = QString::fromLatin1(saunaName);
        options.heatIntervalMs = 3600000; // no heating steps
        m_sauna = std::make_unique<tools::SimulatedSauna>(options);
        QString error;
        QVERIFY2(m_sauna->start(&error), qPrintable(error));
        QVERIFY(m_sauna->announcePort() !=
                pcPanel::SaunaCommunication::Timing().announcementRequestPort);

        m_variant =
            std::make_unique<control::VariantControllerPcPanel>(control::buildBrand(), nullptr);
        startUp::FrameOptions frameOptions;
        frameOptions.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        m_frame = std::make_unique<startUp::PanelFrame>(*m_variant, frameOptions);
        QVERIFY(m_frame->saunaCommunication.remoteSaunas().isEmpty());
        QVERIFY(!m_frame->saunaCommunication.autoConnect());
        m_frame->loadScene();
        QCOMPARE(m_frame->wire().total(), 0);
        QVERIFY(m_frame->start());
        m_frame->prepareWindow();
        m_frame->showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&m_frame->mainWindow));
    }

    void cleanupTestCase()
    {
        m_frame.reset();
        m_variant.reset();
        m_sauna.reset();
    }

    void connectToTheSauna()
    {
        view::ConfigureSystemNetworkViewManager &network =
            m_frame->configureTab.systemNetworkViewManager;
        QSignalSpy messages(&m_frame->connectionInformer,
                            &pcPanel::ConnectionInformer::panelUserMessageIssued);
        dismissPopups();

        // The settings tab, its System menu and the menu's Network entry.
        QQuickItem *settingsTab = findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("glyph").isValid() &&
                   item->property("text").toString() == QStringLiteral("Settings");
        });
        QVERIFY(settingsTab);
        STEP(tap(settingsTab));
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), 2));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkListPage"));
        QCOMPARE(network.saunaListModel()->rowCount(), 0);

        // "IP detect": the address and the port typed in, then "Detect".
        QTRY_COMPARE(network.ipDetectModel()->rowCount(), 1);
        STEP(tapRow(QStringLiteral("networkIpDetectList"), network.ipDetectModel()->getApplId(0)));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkIpConnectPage"));
        // Typed without Return: the address counts once the user leaves its field for the port,
        // the port once the user taps "Detect".
        const QHostAddress localHost(QHostAddress::LocalHost);
        STEP(type(QStringLiteral("networkIpAddressField"), QStringLiteral("127.0.0.1")));
        QVERIFY(network.formAddress() != localHost);
        STEP(type(QStringLiteral("networkPortField"), QString::number(m_sauna->announcePort())));
        QCOMPARE(network.formAddress(), localHost);
        QVERIFY(network.formPort() != int(m_sauna->announcePort()));

        QSignalSpy requested(&network, &view::ConfigureSystemNetworkViewManager::ipDetectRequest);
        QSignalSpy detected(&m_frame->saunaCommunication,
                            &pcPanel::SaunaCommunication::ipDetectDone);
        STEP(tap(QStringLiteral("networkDetectButton")));
        QCOMPARE(requested.size(), 1);
        const auto searched =
            requested.at(0).at(0).value<signalInterface::RemoteSaunaTypes::RemoteSauna>();
        QCOMPARE(searched.address, localHost);
        QCOMPARE(searched.port, m_sauna->announcePort());
        QCOMPARE(network.formPort(), int(m_sauna->announcePort()));
        QVERIFY(detected.wait(waitMs));
        QCOMPARE(detected.at(0).at(1).toBool(), true);
        // The tap's own notice with the typed address, then the link's with the sauna's port:
        // one of each.
        const QString detecting =
            view::UserMessageProvider::instance()->getText(detectingSystemMessageId);
        const QStringList detectMessages = dismissPopups();
        QCOMPARE(detectMessages,
                 QStringList(
                     {detecting.arg(QStringLiteral("127.0.0.1")),
                      detecting.arg(QStringLiteral("127.0.0.1:%1").arg(m_sauna->announcePort()))}));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkListPage"));
        QTRY_COMPARE(network.saunaListModel()->rowCount(), 1);
        QTRY_VERIFY(
            findVisibleItem(waitForItem(QStringLiteral("networkSaunaList")), [](QQuickItem *item) {
                return item->property("text").toString() == QString::fromLatin1(saunaName);
            }));
        QVERIFY(!m_frame->saunaCommunication.isConnected());

        // The found system's details.
        STEP(tapRow(QStringLiteral("networkSaunaList"), network.saunaListModel()->getApplId(0)));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkSaunaDetailsPage"));
        QTRY_COMPARE(network.saunaDetailsInfoModel()->rowCount(), 4);

        // A wrong PIN: the sauna refuses, the panel says why and stays unconnected.
        QSignalSpy refused(m_sauna.get(), &tools::SimulatedSauna::panelRefused);
        STEP(enterPinAndConnect(QStringLiteral("1111")));
        QVERIFY(refused.wait(waitMs));
        QTRY_VERIFY(std::any_of(messages.begin(), messages.end(), [](const QList<QVariant> &call) {
            return call.at(0).value<UserMessage>().id == pinFailedMessageId;
        }));
        auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        QTRY_VERIFY(popup->isVisible());
        QVERIFY(!m_frame->saunaCommunication.isConnected());
        QCOMPARE(m_sauna->connectedPanelCount(), 0);
        const QStringList pinMessages = dismissPopups();
        qInfo() << "after the wrong PIN:" << pinMessages;
        QVERIFY(pinMessages.contains(
            view::UserMessageProvider::instance()->getText(pinFailedMessageId).arg(saunaName)));

        // The right PIN connects.
        QSignalSpy connected(m_sauna.get(), &tools::SimulatedSauna::panelConnected);
        STEP(enterPinAndConnect(QString::fromLatin1(saunaPin)));
        QVERIFY(connected.wait(waitMs));
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->saunaCommunication.isConnected(), waitMs);
        QCOMPARE(m_sauna->connectedPanelCount(), 1);
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("networkDisconnectButton")));
        dismissPopups();
    }

    // Fahrenheit on the Units screen: every temperature on the main screen is in °F at once.
    void unitsSwitchTheMainScreen()
    {
        control::TemperatureController &temperature = m_frame->controllerTab.temperatureController;
        view::ConfigureGeneralUnitsViewManager &units =
            m_frame->configureTab.generalUnitsViewManager;
        QTRY_VERIFY_WITH_TIMEOUT(mainScreenTemperatures().join(' ').contains(QStringLiteral("°C")),
                                 waitMs);
        const QStringList celsius = mainScreenTemperatures();
        QCOMPARE(celsius.size(), 3);
        qInfo() << "in Celsius:" << celsius;
        STEP(openGeneralPage(signalInterface::ConfigureTypes::E_units,
                             QStringLiteral("generalUnitsPage")));
        QTRY_COMPARE(checkedIds(*units.model()), QList<int>{0});
        STEP(tapPageRow(QStringLiteral("generalUnitsPage"), 1));
        QCOMPARE(temperature.temperatureUnit(), signalInterface::TemperatureTypes::E_fahrenheit);
        QTRY_COMPARE(checkedIds(*units.model()), QList<int>{1});
        STEP(saveScreenshot(QStringLiteral("general_units_fahrenheit")));

        const QStringList shown = mainScreenTemperatures();
        QCOMPARE(shown.size(), 3);
        qInfo() << "in Fahrenheit:" << shown;
        QVERIFY2(shown.at(0).contains(QStringLiteral("°F")), qPrintable(shown.at(0)));
        QVERIFY2(shown.at(2).contains(QStringLiteral("°F")), qPrintable(shown.at(2)));
        QVERIFY(!shown.join(' ').contains(QStringLiteral("°C")));
        // Every number converted, the measured one too: c × 9/5 + 32, give or take rounding.
        for (int i = 0; i < 3; ++i) {
            const int expected = numberIn(celsius.at(i)) * 9 / 5 + 32;
            QVERIFY2(std::abs(numberIn(shown.at(i)) - expected) <= 1,
                     qPrintable(shown.at(i) + QStringLiteral(" vs %1").arg(expected)));
        }
        STEP(saveScreenshot(QStringLiteral("general_units_main_screen")));

        // Back to Celsius by hand: a unit chosen by hand.
        STEP(openGeneralPage(signalInterface::ConfigureTypes::E_units,
                             QStringLiteral("generalUnitsPage")));
        STEP(tapPageRow(QStringLiteral("generalUnitsPage"), 0));
        QCOMPARE(temperature.temperatureUnit(), signalInterface::TemperatureTypes::E_celsius);
        QTRY_VERIFY(mainScreenTemperatures().join(' ').contains(QStringLiteral("°C")));
    }

    // North America on the Region screen: the request reaches the sauna, and its report proposes
    // the region's formats, week start and unit, over the unit chosen by hand before.
    void regionProposesItsDefaults()
    {
        control::TimeController &time = m_frame->controllerTab.timeController;
        control::TemperatureController &temperature = m_frame->controllerTab.temperatureController;
        view::ConfigureGeneralRegionViewManager &region =
            m_frame->configureTab.generalRegionViewManager;
        QCOMPARE(m_sauna->model().enums().region.value_or(-1), 30);
        STEP(openGeneralPage(signalInterface::ConfigureTypes::E_region,
                             QStringLiteral("generalRegionPage")));
        QTRY_COMPARE(checkedIds(*region.model()), QList<int>{0});
        STEP(tapPageRow(QStringLiteral("generalRegionPage"), 1));
        // REGION_NORTH_AMERICA on the wire.
        QTRY_COMPARE_WITH_TIMEOUT(m_sauna->model().enums().region.value_or(-1), 31, waitMs);
        QTRY_COMPARE_WITH_TIMEOUT(region.region(), signalInterface::RegionTypes::E_north_america,
                                  waitMs);
        QTRY_COMPARE(checkedIds(*region.model()), QList<int>{1});
        QCOMPARE(time.dateFormat(), signalInterface::DateTimeTypes::E_mmddyy);
        QCOMPARE(time.timeFormat(), signalInterface::DateTimeTypes::E_am_pm);
        QCOMPARE(time.weekDayStart(), signalInterface::CalendarTypes::E_sunday);
        QCOMPARE(temperature.temperatureUnit(), signalInterface::TemperatureTypes::E_fahrenheit);
        STEP(saveScreenshot(QStringLiteral("general_region_north_america")));
        QTRY_VERIFY(mainScreenTemperatures().join(' ').contains(QStringLiteral("°F")));
        STEP(saveScreenshot(QStringLiteral("general_region_main_screen")));
    }

    // Finnish on the Language screen, saved: the whole scene is in Finnish at once.
    void languageSwitchesTheWholeScene()
    {
        control::LanguageController &language = m_frame->controllerTab.languageController;
        STEP(openGeneralPage(signalInterface::ConfigureTypes::E_language,
                             QStringLiteral("generalLanguagePage")));
        STEP(tapPageRow(QStringLiteral("generalLanguagePage"),
                        signalInterface::LanguageTypes::E_finnish));
        // Marked, not yet switched.
        QCOMPARE(language.language(), signalInterface::LanguageTypes::E_english);
        STEP(tap(QStringLiteral("languageSaveButton")));
        QTRY_COMPARE(language.language(), signalInterface::LanguageTypes::E_finnish);
        // The list itself is rebuilt in Finnish, with the mark on Finnish.
        const view::ListModel &model = *m_frame->configureTab.generalLanguageViewManager.model();
        QTRY_COMPARE(checkedIds(model), QList<int>{signalInterface::LanguageTypes::E_finnish});
        QTRY_VERIFY(findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("Suomi");
        }));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("Tallenna");
        }));
        STEP(saveScreenshot(QStringLiteral("general_language_finnish")));

        // The main screen and the tab bar, without a restart.
        STEP(tap(tabButton(saunaTabIndex)));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("Asetukset");
        }));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("Tavoitelämpötila");
        }));
        QVERIFY(!findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("Target temperature");
        }));
        STEP(saveScreenshot(QStringLiteral("general_language_main_screen")));
    }
};

QTEST_MAIN(TestGeneralLanguageEndToEnd)
#include "tst_general_language_end_to_end.moc"
