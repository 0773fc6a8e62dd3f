#include "frame_test_support.h"
#include "scene_items.h"

#include "control/message_controller.h"
#include "pc_panel/remote_sauna_list.h"
#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulated_sauna.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/panel_frame.h"

#include <QDir>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int waitMs = 10000;

// A temperature in ninths of a degree as a stepper shows it in Celsius.
QString celsius(int ninths)
{
    return QString::number(ninths / 9) + QStringLiteral(" °C");
}

} // namespace

// The whole panel connected to the simulated sauna on loopback. The user goes to the settings
// tab, opens Limits and each of its editors by taps, changes one value on each and saves it; the
// test checks the request the sauna receives and the value the screen shows after the sauna's
// report.
class TestLimitsEndToEnd : public QObject
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

    // The requests the sauna received since the last call, as "integer id value" lines.
    QStringList takeRequests()
    {
        QStringList taken;
        taken.swap(m_requests);
        return taken;
    }

    QString shownText(const QString &stepperName, const char *textName = "valueText")
    {
        QQuickItem *stepper = waitForItem(stepperName);
        if (stepper == nullptr)
            return QString();
        auto *text = stepper->findChild<QQuickItem *>(QString::fromLatin1(textName));
        return text ? text->property("text").toString() : QString();
    }

    // The round button of a stepper, by its place among the stepper's buttons.
    QQuickItem *stepButton(const QString &stepperName, bool increase, int index = 0)
    {
        QQuickItem *stepper = waitForItem(stepperName);
        if (stepper == nullptr)
            return nullptr;
        int seen = 0;
        return findVisibleItem(stepper, [&](QQuickItem *item) {
            return item->property("increase").isValid() &&
                   item->property("increase").toBool() == increase && seen++ == index;
        });
    }

    void openLimits()
    {
        QQuickItem *settingsTab = findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("glyph").isValid() &&
                   item->property("text").toString() == QStringLiteral("Settings");
        });
        QVERIFY(settingsTab);
        STEP(tap(settingsTab));
        STEP(tap(QStringLiteral("settingsArea_limits")));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsMenuPage")));
    }

    // The back arrow of the page on top: the only header shown with one.
    void back()
    {
        // A page that is still leaving shows its header too.
        waitForPagesAtRest();
        QQuickItem *header = findVisibleItem(
            sceneRoot(), [](QQuickItem *item) { return item->property("backVisible").toBool(); });
        QVERIFY(header);
        QQuickItem *arrow = findVisibleItem(
            header, [](QQuickItem *item) { return item->inherits("QQuickMouseArea"); });
        STEP(tap(arrow));
    }

    std::unique_ptr<tools::SimulatedSauna> m_sauna;
    std::unique_ptr<control::VariantControllerPcPanel> m_variant;
    std::unique_ptr<startUp::PanelFrame> m_frame;
    QStringList m_requests;

private slots:
    void initTestCase()
    {
        prepareFrameTestProcess();
        pcPanel::InstanceSettings::setValue(
            QString::fromLatin1(control::Settings::pcPanelAutoConnectKey), false);

        tools::SimulatorOptions options;
        options.announcePort = 0;
        options.saunaPort = 0;
        options.heatIntervalMs = 3600000; // no heating steps
        options.rcbProduct = 37;          // a sauna: every Limits row
        m_sauna = std::make_unique<tools::SimulatedSauna>(options);
        QString error;
        QVERIFY2(m_sauna->start(&error), qPrintable(error));
        connect(m_sauna.get(), &tools::SimulatedSauna::integerRequested, this,
                [this](int id, quint32 value) {
                    m_requests << QStringLiteral("integer %1 %2").arg(id).arg(value);
                });
        connect(m_sauna.get(), &tools::SimulatedSauna::booleanRequested, this,
                [this](int id, bool value) {
                    m_requests << QStringLiteral("boolean %1 %2").arg(id).arg(int(value));
                });

        m_variant =
            std::make_unique<control::VariantControllerPcPanel>(control::buildBrand(), nullptr);
        startUp::FrameOptions frameOptions;
        frameOptions.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        m_frame = std::make_unique<startUp::PanelFrame>(*m_variant, frameOptions);
        m_frame->loadScene();
        QCOMPARE(m_frame->wire().total(), 0);
        QVERIFY(m_frame->start());
        m_frame->prepareWindow();
        m_frame->showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&m_frame->mainWindow));

        // The sauna is found at its loopback address and connected with its PIN: the Network
        // screen's own test takes these steps by taps.
        pcPanel::SaunaCommunication &link = m_frame->saunaCommunication;
        QSignalSpy detected(&link, &pcPanel::SaunaCommunication::ipDetectDone);
        signalInterface::RemoteSaunaTypes::RemoteSauna searched;
        searched.address = QHostAddress(QHostAddress::LocalHost);
        searched.port = m_sauna->announcePort();
        link.onIpDetectRequest(searched);
        QVERIFY(detected.wait(waitMs));
        QTRY_COMPARE(link.remoteSaunas().size(), 1);
        signalInterface::RemoteSaunaTypes::RemoteSauna found = link.remoteSaunas().first();
        found.pin = signalInterface::PinTypes::Pin{options.pin};
        link.onRemoteSaunaChangeRequest(found, true);
        link.onConnectRequest(found.identity);
        QTRY_VERIFY_WITH_TIMEOUT(link.isConnected(), waitMs);
        // The full report has arrived once the menu has every row.
        QTRY_COMPARE(m_frame->configureTab.limitsViewManager.model()->rowCount(), 5);
        dismissPopups();
    }

    void cleanupTestCase()
    {
        m_frame.reset();
        m_variant.reset();
        m_sauna.reset();
    }

    void bathTemperatureStepIsSentAndShown()
    {
        STEP(openLimits());
        STEP(saveScreenshot(QStringLiteral("limits_menu")));
        takeRequests();
        STEP(tapRow(QStringLiteral("settingsList"), 0));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsBathTemperaturePage")));
        const int before = int(m_sauna->model().integer(tools::IntegerId::UpperTemperatureLimit));
        const QString stepper = QStringLiteral("limitsMaxBathTemperatureStepper");
        QTRY_COMPARE(shownText(stepper), celsius(before));
        // Opening the editor sent nothing.
        QVERIFY(takeRequests().isEmpty());

        STEP(tap(stepButton(stepper, false)));
        QTRY_COMPARE(m_requests, QStringList{QStringLiteral("integer 13 %1").arg(before - 9)});
        takeRequests();
        QTRY_COMPARE(m_sauna->model().integer(tools::IntegerId::UpperTemperatureLimit),
                     quint32(before - 9));
        QTRY_COMPARE(shownText(stepper), celsius(before - 9));
        STEP(saveScreenshot(QStringLiteral("limits_bath_temperature")));
        STEP(back());
    }

    void waterTemperatureIsSavedAndShown()
    {
        STEP(tapRow(QStringLiteral("settingsList"), 1));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsWaterTemperaturePage")));
        const QString stepper = QStringLiteral("limitsWaterTemperatureStepper");
        const int before = int(m_sauna->model().integer(tools::IntegerId::WaterTemperatureLimit));
        QTRY_COMPARE(shownText(stepper), celsius(before));
        STEP(tap(stepButton(stepper, true)));
        QTRY_COMPARE(shownText(stepper), celsius(before + 9));
        // A step alone is not sent; "Save" sends the limit.
        QVERIFY(takeRequests().isEmpty());
        STEP(saveScreenshot(QStringLiteral("limits_water_temperature")));
        STEP(tap(QStringLiteral("limitsSaveButton")));
        QTRY_COMPARE(m_requests, QStringList{QStringLiteral("integer 19 %1").arg(before + 9)});
        takeRequests();
        QTRY_COMPARE(m_sauna->model().integer(tools::IntegerId::WaterTemperatureLimit),
                     quint32(before + 9));
        // Opened again, the editor shows the sauna's report.
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsMenuPage")));
        STEP(tapRow(QStringLiteral("settingsList"), 1));
        QTRY_COMPARE(shownText(stepper), celsius(before + 9));
        STEP(back());
    }

    void fillTimeIsSavedAndShown()
    {
        STEP(tapRow(QStringLiteral("settingsList"), 5));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsFillTimePage")));
        const QString stepper = QStringLiteral("limitsFillTimeStepper");
        const int before = int(m_sauna->model().integer(tools::IntegerId::RcbTankFillTime));
        QCOMPARE(before, 600);
        QTRY_VERIFY(findVisibleItem(waitForItem(stepper), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("10 min");
        }));
        // One minute more.
        STEP(tap(stepButton(stepper, true, 0)));
        STEP(saveScreenshot(QStringLiteral("limits_fill_time")));
        STEP(tap(QStringLiteral("limitsSaveButton")));
        QTRY_COMPARE(m_requests, QStringList{QStringLiteral("integer 25 660")});
        takeRequests();
        QTRY_COMPARE(m_sauna->model().integer(tools::IntegerId::RcbTankFillTime), quint32(660));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsMenuPage")));
        STEP(tapRow(QStringLiteral("settingsList"), 5));
        QTRY_VERIFY(findVisibleItem(waitForItem(stepper), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("11 min");
        }));
        STEP(back());
    }

    void overheatLimitIsSavedAndShown()
    {
        STEP(tapRow(QStringLiteral("settingsList"), 6));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsOverheatPage")));
        const QString stepper = QStringLiteral("limitsPcbOverheatStepper");
        const int before = int(m_sauna->model().integer(tools::IntegerId::PcbOverheatLimit));
        QTRY_COMPARE(shownText(stepper), celsius(before));
        // Not the Solvenno mode: no water editor on this page.
        QVERIFY(!findVisibleItem(sceneRoot(), QStringLiteral("limitsOverheatWaterStepper")));
        STEP(tap(stepButton(stepper, false)));
        STEP(saveScreenshot(QStringLiteral("limits_overheating")));
        STEP(tap(QStringLiteral("limitsSaveButton")));
        QTRY_COMPARE(m_requests, QStringList{QStringLiteral("integer 20 %1").arg(before - 9)});
        takeRequests();
        QTRY_COMPARE(m_sauna->model().integer(tools::IntegerId::PcbOverheatLimit),
                     quint32(before - 9));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsMenuPage")));
        STEP(tapRow(QStringLiteral("settingsList"), 6));
        QTRY_COMPARE(shownText(stepper), celsius(before - 9));
        STEP(back());
    }

    void notAllowedStartIsSavedAndShown()
    {
        STEP(tapRow(QStringLiteral("settingsList"), 2));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("notAllowedStartPage")));
        const QString list = QStringLiteral("notAllowedStartList");
        const auto rowShows = [this, &list](const QString &text) {
            return findVisibleItem(waitForItem(list), [&text](QQuickItem *item) {
                       return item->property("text").toString() == text;
                   }) != nullptr;
        };
        // The sauna's 22:00-06:00, switched off.
        QTRY_VERIFY(rowShows(QStringLiteral("22:00")));
        QTRY_VERIFY(rowShows(QStringLiteral("06:00")));

        // "From": one hour later, saved into the edit; nothing sent yet.
        STEP(tapRow(list, 4));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("notAllowedStartTimePage")));
        STEP(tap(stepButton(QStringLiteral("notAllowedStartTimeStepper"), true, 0)));
        STEP(saveScreenshot(QStringLiteral("limits_not_allowed_start_from")));
        STEP(tap(QStringLiteral("limitsSaveButton")));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("notAllowedStartPage")));
        QTRY_VERIFY(rowShows(QStringLiteral("23:00")));
        // The switch on, locally.
        QQuickItem *toggle = waitForItem(QStringLiteral("rowToggle"));
        STEP(tap(toggle));
        QTRY_VERIFY(toggle->property("checked").toBool());
        QVERIFY(takeRequests().isEmpty());
        STEP(saveScreenshot(QStringLiteral("limits_not_allowed_start")));

        // "Save": the switch, then both times in minutes of the day.
        STEP(tap(QStringLiteral("notAllowedStartSaveButton")));
        QTRY_COMPARE(m_requests.size(), 3);
        QCOMPARE(takeRequests(),
                 (QStringList{QStringLiteral("boolean 17 1"), QStringLiteral("integer 26 1380"),
                              QStringLiteral("integer 27 360")}));
        QTRY_VERIFY(m_sauna->model().boolean(tools::BooleanId::NotAllowedStartEnable));
        QCOMPARE(m_sauna->model().integer(tools::IntegerId::NotAllowedStartFrom), quint32(1380));
        // Opened again, the page shows the sauna's reports.
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsMenuPage")));
        STEP(tapRow(QStringLiteral("settingsList"), 2));
        QTRY_VERIFY(rowShows(QStringLiteral("23:00")));
        QTRY_VERIFY(waitForItem(QStringLiteral("rowToggle"))->property("checked").toBool());
    }
};

QTEST_MAIN(TestLimitsEndToEnd)
#include "tst_limits_end_to_end.moc"
