#include "frame_test_support.h"
#include "scene_items.h"

#include "control/message_controller.h"
#include "pc_panel/remote_sauna_list.h"
#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulated_sauna.h"
#include "signal_interface/configure_types.h"
#include "view_cpp/panel_frame.h"

#include <QDir>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <algorithm>
#include <functional>
#include <memory>

using signalInterface::ConfigureTypes;
using tools::BooleanId;
using tools::IntegerId;

namespace {

constexpr int waitMs = 10000;
const char saunaName[] = "Loft sauna";
const char saunaPin[] = "2580";

} // namespace

// The whole panel connected to the simulated sauna on loopback. From the settings tab the user
// opens Advanced settings (standby, external switch, fan) and the System menu's tank auto-emptying
// and cleanup note screens by taps, changes one value on each and sees the value the sauna
// reports back. Every tap is a mouse click on the scene's widget where the item is drawn.
class TestAdvancedEndToEnd : public QObject
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
        // A list of a page that is still moving may be the one that is leaving.
        waitForPagesAtRest();
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

    QQuickItem *tabButton(const QString &text)
    {
        return findVisibleItem(sceneRoot(), [&text](QQuickItem *item) {
            return item->property("glyph").isValid() && item->property("text").toString() == text;
        });
    }

    // Back to the list of settings areas, page by page.
    void backToSettingsAreas()
    {
        for (int pages = 0; pages < 6 && !findVisibleItem(sceneRoot(), "settingsAreaList"); ++pages)
            STEP(tap(QStringLiteral("pageBackButton")));
        QVERIFY(waitForItem(QStringLiteral("settingsAreaList")));
    }

    // The visible item below the parent whose class name contains the text, first in the order of
    // its x position.
    QQuickItem *visibleOfClass(QQuickItem *parent, const char *className, bool increase)
    {
        QList<QQuickItem *> found;
        findVisibleItem(parent, [&](QQuickItem *item) {
            if (QByteArray(item->metaObject()->className()).contains(className) &&
                (item->property("increase").isNull() ||
                 item->property("increase").toBool() == increase))
                found << item;
            return false;
        });
        std::sort(found.begin(), found.end(), [](QQuickItem *a, QQuickItem *b) {
            return a->mapToScene(QPointF()).x() < b->mapToScene(QPointF()).x();
        });
        return found.value(0);
    }

    // On an open duration editor: one step up of the hours, then Save.
    void stepHoursUpAndSave()
    {
        QQuickItem *editor = waitForItem(QStringLiteral("durationEditor"));
        QVERIFY(editor);
        QTRY_VERIFY(editor->property("hoursText").toString() != QStringLiteral("--"));
        QQuickItem *plus = visibleOfClass(editor, "RoundStepButton", true);
        QVERIFY(plus);
        const QString before = editor->property("hoursText").toString();
        STEP(tap(plus));
        QTRY_VERIFY(editor->property("hoursText").toString() != before);
        STEP(tap(QStringLiteral("durationSaveButton")));
    }

    // A visible text item showing exactly the text.
    bool showsText(const QString &text)
    {
        return findVisibleItem(sceneRoot(), [&text](QQuickItem *item) {
                   return item->inherits("QQuickText") && item->property("text").toString() == text;
               }) != nullptr;
    }

    void connectToTheSauna()
    {
        // The sauna found at its typed address, its PIN saved and a connect asked for, as the
        // Network screen does.
        pcPanel::SaunaCommunication &link = m_frame->saunaCommunication;
        signalInterface::RemoteSaunaTypes::RemoteSauna sauna;
        sauna.address = QHostAddress(QHostAddress::LocalHost);
        sauna.port = m_sauna->announcePort();
        QSignalSpy detected(&link, &pcPanel::SaunaCommunication::ipDetectDone);
        link.onIpDetectRequest(sauna);
        QVERIFY(detected.wait(waitMs));
        QTRY_COMPARE(link.remoteSaunas().size(), 1);
        sauna = link.remoteSaunas().value(0);
        sauna.pin = signalInterface::PinTypes::Pin{QString::fromLatin1(saunaPin)};
        link.onRemoteSaunaChangeRequest(sauna, true);
        link.onConnectRequest(sauna.identity);
        QTRY_VERIFY_WITH_TIMEOUT(link.isConnected(), waitMs);
        // The function flags have arrived: the Advanced settings menu has its rows.
        QTRY_COMPARE_WITH_TIMEOUT(
            m_frame->configureTab.advancedSettingsViewManager.model()->rowCount(), 3, waitMs);
        dismissPopups();
    }

    std::unique_ptr<tools::SimulatedSauna> m_sauna;
    std::unique_ptr<control::VariantControllerPcPanel> m_variant;
    std::unique_ptr<startUp::PanelFrame> m_frame;

private slots:
    void initTestCase()
    {
        prepareFrameTestProcess();
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
        STEP(connectToTheSauna());
        STEP(tap(tabButton(QStringLiteral("Settings"))));
    }

    void cleanupTestCase()
    {
        m_frame.reset();
        m_variant.reset();
        m_sauna.reset();
    }

    void fanRunningTime()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        const int before = int(model.integer(IntegerId::FanRuntime));
        STEP(tap(QStringLiteral("settingsArea_advanced")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_fan));
        QVERIFY(waitForItem(QStringLiteral("fanPage")));
        QTRY_COMPARE(m_frame->configureTab.advancedSettingsFanViewManager.model()->rowCount(), 1);
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_fanRuntime));
        STEP(stepHoursUpAndSave());
        QTRY_COMPARE_WITH_TIMEOUT(int(model.integer(IntegerId::FanRuntime)), before + 60, waitMs);
        const view::ListModel &rows = *m_frame->configureTab.advancedSettingsFanViewManager.model();
        QTRY_COMPARE(rows.data(rows.index(0), 35).toString(),
                     QStringLiteral("1h %1min").arg(before));
        QTRY_VERIFY(showsText(QStringLiteral("1h %1min").arg(before)));
        STEP(saveScreenshot(QStringLiteral("advanced_fan")));
        STEP(backToSettingsAreas());
    }

    void externalSwitchBathTimeAndFunction()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        view::ConfigureAdvancedSettingsExtSwitchViewManager &manager =
            m_frame->configureTab.advancedSettingsExtSwitchViewManager;
        const int before = int(model.integer(IntegerId::ExtSwitchBathTime));
        STEP(tap(QStringLiteral("settingsArea_advanced")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_externalSwitch));
        QVERIFY(waitForItem(QStringLiteral("externalSwitchPage")));

        // The function not checked now.
        const view::ListModel &functions = *manager.functionModel();
        QTRY_COMPARE(functions.rowCount(), 2);
        const int checkmarkRole = functions.roleNames().key("checkmarkChecked");
        const int unchecked = functions.data(functions.index(0), checkmarkRole).toBool() ? 1 : 0;
        const auto functionBefore = model.enums().externalSwitchFunction;
        STEP(tapRow(QStringLiteral("externalSwitchFunctionList"), functions.getApplId(unchecked)));
        QTRY_VERIFY_WITH_TIMEOUT(model.enums().externalSwitchFunction != functionBefore, waitMs);
        QTRY_VERIFY(functions.data(functions.index(unchecked), checkmarkRole).toBool());
        QVERIFY(!functions.data(functions.index(1 - unchecked), checkmarkRole).toBool());

        // The bath time, one hour longer.
        STEP(tapRow(QStringLiteral("externalSwitchBathTimeList"), 1));
        STEP(stepHoursUpAndSave());
        QTRY_COMPARE_WITH_TIMEOUT(int(model.integer(IntegerId::ExtSwitchBathTime)), before + 60,
                                  waitMs);
        const QString shown = QStringLiteral("%1h %2m").arg((before + 60) / 60).arg(before % 60);
        QTRY_VERIFY(showsText(shown));
        STEP(saveScreenshot(QStringLiteral("advanced_external_switch")));
        STEP(backToSettingsAreas());
    }

    void standbySwitchedOn()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        QVERIFY(!model.boolean(BooleanId::EnableStandby));
        STEP(tap(QStringLiteral("settingsArea_advanced")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_standby));
        QQuickItem *row = waitForItem(QStringLiteral("standbyToggle"));
        QVERIFY(row);
        QTRY_VERIFY(!row->property("checked").toBool());
        QVERIFY(!findVisibleItem(sceneRoot(), QStringLiteral("standbyReductionStepper")));
        STEP(tap(visibleOfClass(row, "ToggleSwitch", false)));
        // The page's copy is on at once; its editors appear; nothing is sent yet.
        QTRY_VERIFY(row->property("checked").toBool());
        QVERIFY(waitForItem(QStringLiteral("standbyReductionStepper")));
        QVERIFY(!model.boolean(BooleanId::EnableStandby));
        STEP(saveScreenshot(QStringLiteral("advanced_standby_edit")));
        STEP(tap(QStringLiteral("standbySaveButton")));
        QTRY_VERIFY_WITH_TIMEOUT(model.boolean(BooleanId::EnableStandby), waitMs);

        // Opened again, the page shows what the sauna reported.
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_standby));
        row = waitForItem(QStringLiteral("standbyToggle"));
        QVERIFY(row);
        QTRY_VERIFY(row->property("checked").toBool());
        QQuickItem *reduction = waitForItem(QStringLiteral("standbyReductionStepper"));
        QVERIFY(reduction);
        const int offset = int(model.integer(IntegerId::StandbyOffsetTemperature));
        QTRY_COMPARE(reduction->property("valueText").toString(), QString::number(offset / 9));
        STEP(saveScreenshot(QStringLiteral("advanced_standby")));
        STEP(backToSettingsAreas());
    }

    void tankAutoEmptying()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        QVERIFY(!model.boolean(BooleanId::TankAutoEmptyingEnable));
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_tankAutoEmptying));
        QQuickItem *page = waitForItem(QStringLiteral("tankAutoEmptyingPage"));
        QVERIFY(page);
        QQuickItem *toggle = nullptr;
        QTRY_VERIFY((toggle = visibleOfClass(page, "ToggleSwitch", false)));
        QVERIFY(!toggle->property("checked").toBool());
        STEP(tap(toggle));
        QTRY_VERIFY_WITH_TIMEOUT(model.boolean(BooleanId::TankAutoEmptyingEnable), waitMs);
        QTRY_VERIFY(toggle->property("checked").toBool());

        // The reported interval lies below the editor's hour: the editor starts at one hour.
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_tankAutoEmptyingInterval));
        STEP(stepHoursUpAndSave());
        QTRY_COMPARE_WITH_TIMEOUT(int(model.integer(IntegerId::TankAutoEmptyingDuration)), 120,
                                  waitMs);
        QTRY_VERIFY(showsText(QStringLiteral("2h 0min")));
        STEP(saveScreenshot(QStringLiteral("system_tank_auto_emptying")));
        STEP(backToSettingsAreas());
    }

    void cleanupNote()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        const int hours = int(model.integer(IntegerId::CleanupBetweenTime));
        const bool enabled = model.boolean(BooleanId::CleanupEnable);
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_cleanup));
        QQuickItem *page = waitForItem(QStringLiteral("cleanupPage"));
        QVERIFY(page);
        // The rows a product report built while the page was hidden are built anew when it is
        // shown.
        waitForPagesAtRest();
        QTRY_VERIFY(showsText(QStringLiteral("%1h").arg(hours)));
        QQuickItem *toggle = visibleOfClass(page, "ToggleSwitch", false);
        QVERIFY(toggle);
        QTRY_COMPARE(toggle->property("checked").toBool(), enabled);
        STEP(tap(toggle));
        QTRY_COMPARE_WITH_TIMEOUT(model.boolean(BooleanId::CleanupEnable), !enabled, waitMs);
        QTRY_COMPARE(toggle->property("checked").toBool(), !enabled);

        // Ten hours a step.
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_cleanup));
        STEP(stepHoursUpAndSave());
        QTRY_COMPARE_WITH_TIMEOUT(int(model.integer(IntegerId::CleanupBetweenTime)), hours + 10,
                                  waitMs);
        QTRY_VERIFY(showsText(QStringLiteral("%1h").arg(hours + 10)));
        STEP(saveScreenshot(QStringLiteral("system_cleanup_note")));
        STEP(backToSettingsAreas());
    }
};

QTEST_MAIN(TestAdvancedEndToEnd)
#include "tst_advanced_end_to_end.moc"
