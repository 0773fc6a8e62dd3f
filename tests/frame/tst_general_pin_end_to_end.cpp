#include "panel_under_test.h"

#include "control/message_controller.h"
#include "control/pin_code_controller.h"
#include "control/settings.h"
#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/pin_types.h"
#include "view_cpp/configure/configure_general_pin_view_manager.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

using control::Settings;
using signalInterface::ConfigureTypes;
using view::ConfigureGeneralPinViewManager;

namespace {

const char newPin[] = "1357";

} // namespace

// The whole panel connected to the simulated sauna on loopback. The user opens Settings, General,
// PIN; switches the PIN lock on and is told its PIN, chooses power and lights for the lock screen
// and changes the PIN. From then on the settings tab asks for the PIN: a wrong one is refused, the
// new one lets the user in. Once the lock timer runs out, the lock screen shows power and lights
// only, and its lights switch reaches the sauna. Every tap is a mouse click on the scene's widget.
class TestGeneralPinEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    // Taps the digits and OK on a keypad whose keys are named prefix + key.
    void typePin(const QString &prefix, const QString &pin)
    {
        for (const QChar digit : pin)
            STEP(tap(prefix + digit));
        STEP(tap(prefix + QStringLiteral("OK")));
    }

    // The rows of a visible program-built list that are shown, by application id.
    QList<int> shownRowIds(const QString &listName)
    {
        QList<int> ids;
        QQuickItem *list = waitForItem(listName);
        if (list == nullptr)
            return ids;
        findVisibleItem(list, [&ids](QQuickItem *item) {
            if (item->property("applId").isValid() && item->property("hidden").isValid() &&
                item->height() > 0)
                ids << item->property("applId").toInt();
            return false;
        });
        return ids;
    }

private slots:
    void initTestCase()
    {
        STEP(startSauna(saunaOptions()));
        STEP(startPanel());
        // A fresh store: no PIN demanded, nothing chosen for the lock screen.
        QVERIFY(!m_frame->controllerTab.pinCodeController.isPinActivated());
        QVERIFY(!m_frame->controllerTab.pinCodeController.isLocked());
        STEP(connectToTheSauna());
        STEP(dismissPopups());
    }

    void cleanupTestCase() { shutDown(); }

    void pinLockLockScreenAndSettingsLogin()
    {
        control::PinCodeController &pinCode = m_frame->controllerTab.pinCodeController;
        QObject *root = m_frame->guiHandler.rootObject();

        // Settings, General: the menu offers only the rows that open a page in this scene.
        STEP(tap(tabButton(QStringLiteral("Settings"))));
        QTRY_COMPARE(root->property("currentTab").toInt(), 3);
        STEP(tap(QStringLiteral("settingsArea_general")));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("generalMenuPage")));
        QTRY_VERIFY(!shownRowIds(QStringLiteral("settingsList")).isEmpty());
        QTRY_VERIFY(shownRowIds(QStringLiteral("settingsList")).contains(ConfigureTypes::E_pin));
        STEP(saveScreenshot(QStringLiteral("general_menu")));

        // PIN: the list is built as the page opens, with the humidity row the sauna offers and
        // the auxiliary relays in use that do not descale: relays 0 and 1 of the simulated sauna
        // (relay 2 is not in use, relay 4 is its descaling pump).
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_pin));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("pinSettingsPage")));
        QTRY_COMPARE(shownRowIds(QStringLiteral("settingsList"))
                         .mid(ConfigureGeneralPinViewManager::firstControlRow),
                     QList<int>({-1, -2, -3, -4, ConfigureGeneralPinViewManager::E_auxIdBase,
                                 ConfigureGeneralPinViewManager::E_auxIdBase + 1}));

        // The lock switch: the controller switches, the switch shows what it answered.
        QQuickItem *toggle = waitForItem(QStringLiteral("rowToggle"));
        QVERIFY(toggle);
        QCOMPARE(toggle->property("checked").toBool(), false);
        STEP(tap(toggle));
        QTRY_VERIFY(pinCode.isPinActivated());
        QTRY_COMPARE(toggle->property("checked").toBool(), true);
        QVERIFY(Settings::boolValue(QLatin1String(Settings::pinCodeActivatedKey), false));
        // The panel stays unlocked while the user works here, and is told the PIN that unlocks
        // it: still the default one.
        QVERIFY(!pinCode.isLocked());
        QTRY_VERIFY(m_frame->controllerTab.messageController.hasCurrentMessage());
        STEP(saveScreenshot(QStringLiteral("pin_default_told")));
        QCOMPARE(dismissPopups(),
                 QStringList{QStringLiteral("The PIN lock is on. The panel unlocks with PIN 4826. "
                                            "To set another PIN, use Change PIN.")});

        // Power and lights for the lock screen.
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureGeneralPinViewManager::E_power));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureGeneralPinViewManager::E_lighting));
        QTRY_VERIFY(Settings::boolValue(QStringLiteral("lockscreen_lighting_visible"), false));
        QVERIFY(Settings::boolValue(QStringLiteral("lockscreen_power_visible"), false));
        QVERIFY(!Settings::boolValue(QStringLiteral("lockscreen_temperature_visible"), true));
        QVERIFY(!Settings::boolValue(QStringLiteral("lockscreen_humidity_visible"), true));
        STEP(saveScreenshot(QStringLiteral("pin_settings")));

        // Change PIN: the current one, the new one, the new one again.
        STEP(tap(QStringLiteral("pinChangeButton")));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("pinChangePage")));
        QSignalSpy finished(&pinCode, &control::PinCodeController::pinCodeChangeFinished);
        STEP(typePin(QStringLiteral("pinChangeKey_"),
                     signalInterface::PinTypes::Pin::defaultPinText()));
        QTRY_COMPARE(waitForItem(QStringLiteral("pinChangeStepText"))->property("text").toString(),
                     QStringLiteral("Enter new PIN"));
        STEP(saveScreenshot(QStringLiteral("pin_change")));
        STEP(typePin(QStringLiteral("pinChangeKey_"), QString::fromLatin1(newPin)));
        STEP(typePin(QStringLiteral("pinChangeKey_"), QString::fromLatin1(newPin)));
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toBool(), true);
        QVERIFY(pinCode.isCurrentPin(QString::fromLatin1(newPin)));
        dismissPopups();
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("pinSettingsPage")));

        // Back to the sauna tab; the settings tab now asks for the PIN.
        STEP(tap(tabButton(QStringLiteral("Sauna"))));
        QTRY_COMPARE(root->property("currentTab").toInt(), 0);
        QSignalSpy confirmed(&pinCode, &control::PinCodeController::pinCodeConfirmed);
        STEP(tap(tabButton(QStringLiteral("Settings"))));
        QQuickItem *keypad = waitForItem(QStringLiteral("pin_input"));
        QVERIFY(keypad);
        QCOMPARE(keypad->property("target").toString(), QStringLiteral("settings"));
        QCOMPARE(root->property("currentTab").toInt(), 0);

        STEP(typePin(QStringLiteral("pinKey_"), signalInterface::PinTypes::Pin::defaultPinText()));
        QTRY_COMPARE(confirmed.size(), 1);
        QCOMPARE(confirmed.at(0), (QVariantList{QStringLiteral("settings"), false}));
        QTRY_COMPARE(waitForItem(QStringLiteral("pinRefusedText"))->opacity(), 1.0);
        QVERIFY(keypad->isVisible());
        QCOMPARE(root->property("currentTab").toInt(), 0);
        STEP(saveScreenshot(QStringLiteral("settings_pin_refused")));

        STEP(typePin(QStringLiteral("pinKey_"), QString::fromLatin1(newPin)));
        QTRY_COMPARE(confirmed.size(), 2);
        QCOMPARE(confirmed.at(1), (QVariantList{QStringLiteral("settings"), true}));
        QTRY_COMPARE(root->property("currentTab").toInt(), 3);
        QTRY_VERIFY(!keypad->isVisible());
        // Giving the PIN for the settings does not unlock or lock anything.
        QVERIFY(!pinCode.isLocked());
        STEP(saveScreenshot(QStringLiteral("settings_after_pin")));

        // The lock timer runs out: the panel locks and the lock screen shows the chosen controls.
        pinCode.onLockTimerTimeout();
        QTRY_VERIFY(pinCode.isLocked());
        QTRY_COMPARE(root->property("currentTab").toInt(), 0);
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("unlockButton")));
        QVERIFY(findVisibleItem(sceneRoot(), QStringLiteral("lockedPowerSwitch")));
        QQuickItem *lights =
            findVisibleItem(sceneRoot(), QStringLiteral("lights_switch_tab_tab2_locked"));
        QVERIFY(lights);
        QVERIFY(
            !findVisibleItem(sceneRoot(), QStringLiteral("temperature_data_provider_tab2_locked")));
        QVERIFY(
            !findVisibleItem(sceneRoot(), QStringLiteral("humidity_data_provider_tab2_locked")));
        STEP(saveScreenshot(QStringLiteral("lock_screen")));

        // Its lights switch reaches the sauna, and shows what the sauna reports.
        const bool lightsBefore = m_sauna->model().boolean(tools::BooleanId::Lights);
        STEP(tap(lights));
        QTRY_COMPARE_WITH_TIMEOUT(m_sauna->model().boolean(tools::BooleanId::Lights), !lightsBefore,
                                  waitMs);
        QTRY_COMPARE_WITH_TIMEOUT(lights->property("lightsOn").toBool(), !lightsBefore, waitMs);

        // Unlocked with the new PIN.
        STEP(tap(QStringLiteral("unlockButton")));
        STEP(typePin(QStringLiteral("pinKey_"), QString::fromLatin1(newPin)));
        QTRY_VERIFY(!pinCode.isLocked());
    }
};

QTEST_MAIN(TestGeneralPinEndToEnd)
#include "tst_general_pin_end_to_end.moc"
