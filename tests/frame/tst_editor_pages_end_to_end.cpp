#include "panel_under_test.h"

#include "control/details/calendar_program_settings_controller_base.h"
#include "control/message_controller.h"
#include "control/pin_code_controller.h"
#include "pc_panel/sauna_system_receiver.h"
#include "signal_interface/configure_types.h"

#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

// The editors that are not the main screen, in the whole panel against the simulated sauna on
// loopback: the favorite editor and a calendar program's custom settings offer a humidity only
// where the sauna controls one (Back after a step of it asks whether to save the change), the
// change-PIN keypad and the Network screen's PIN entry take the PC's keys, and a page that
// scrolls shows its scroll bar and brings its last row up above whatever bar lies over its foot.
class TestEditorPagesEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    // A button drawn with that text.
    QQuickItem *waitForButton(const QString &text)
    {
        return waitForItem(
            sceneRoot(),
            [&text](QQuickItem *item) {
                return item->property("text").toString() == text &&
                       item->property("pressed").isValid();
            },
            QStringLiteral("button \"%1\"").arg(text));
    }

    // The visible stepper that carries the label, or null.
    QQuickItem *stepperLabelled(const QString &label)
    {
        return findVisibleItem(sceneRoot(), [&label](QQuickItem *item) {
            return item->property("label").toString() == label &&
                   item->findChild<QQuickItem *>(QStringLiteral("valueText")) != nullptr;
        });
    }

    // Taps the button of the question the popup shows.
    void answerPopup(const QString &buttonName)
    {
        auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        QVERIFY(popup);
        QTRY_VERIFY(popup->isVisible());
        QQuickItem *button = findVisibleItem(popup, buttonName);
        QVERIFY(button);
        STEP(tap(button));
        QTRY_VERIFY(!m_frame->controllerTab.messageController.hasCurrentMessage());
    }

    // The current settings saved as a favorite of that name, and its editor opened.
    void openNewFavorite(const QString &name)
    {
        STEP(tapTab(QStringLiteral("Favorites")));
        QQuickItem *save = waitForButton(QStringLiteral("Save current settings as favorite"));
        QVERIFY(save);
        STEP(tap(save));
        QQuickItem *keyboard = waitForItem(QStringLiteral("onScreenKeyboard"));
        QVERIFY(keyboard);
        STEP(typeOnKeyboard(name));
        STEP(tap(QStringLiteral("keyboardSaveButton")));
        QTRY_VERIFY(!keyboard->isVisible());
        QQuickItem *row = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((row = findRow(QStringLiteral("favoritesList"), name)), waitMs);
        STEP(tap(row));
        QTRY_VERIFY(m_frame->favoriteTab.favoriteController.editing());
        QVERIFY(waitForItem(QStringLiteral("favoriteNameButton")));
        waitForPagesAtRest();
    }

    // The flickable that holds the item.
    static QQuickItem *flickableOf(QQuickItem *item)
    {
        QQuickItem *flickable = item ? item->parentItem() : nullptr;
        while (flickable && !flickable->inherits("QQuickFlickable"))
            flickable = flickable->parentItem();
        return flickable;
    }

    // Whether the flickable shows a scroll bar that the user can see.
    static bool showsScrollBar(QQuickItem *flickable)
    {
        return findVisibleItem(flickable, [](QQuickItem *item) {
                   return item->inherits("QQuickScrollBar") && item->opacity() > 0 &&
                          item->width() > 0 && item->height() > 0;
               }) != nullptr;
    }

    // The wheel turned towards the end over the flickable until it moves no further.
    void wheelToTheEnd(QQuickItem *flickable)
    {
        QQuickWidget *view = m_frame->guiHandler.view();
        const QPointF centre =
            flickable->mapToScene(QPointF(flickable->width() / 2, flickable->height() / 2));
        for (int notch = 0; notch < 20 && !flickable->property("atYEnd").toBool(); ++notch) {
            const qreal before = flickable->property("contentY").toReal();
            QWheelEvent wheel(centre, view->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(view, &wheel);
            waitForPagesAtRest();
            if (qFuzzyCompare(before, flickable->property("contentY").toReal()))
                break;
        }
        QVERIFY(flickable->property("atYEnd").toBool());
    }

    // The bottom of the item in the scene, and the top of what covers the flickable's foot: the
    // bar the page lays over it, or the flickable's own bottom edge.
    static qreal bottomInScene(QQuickItem *item)
    {
        return item->mapToScene(QPointF(0, item->height())).y();
    }
    static qreal topInScene(QQuickItem *item) { return item->mapToScene(QPointF(0, 0)).y(); }

    void typeOnThePcKeyboard(const QString &keys, Qt::KeyboardModifiers modifiers = {})
    {
        QQuickWidget *view = m_frame->guiHandler.view();
        for (const QChar key : keys) {
            if (key == QLatin1Char('\n'))
                QTest::keyClick(view, Qt::Key_Return, modifiers);
            else if (key == QLatin1Char('\r'))
                QTest::keyClick(view, Qt::Key_Enter, modifiers);
            else if (key == QLatin1Char('\b'))
                QTest::keyClick(view, Qt::Key_Backspace, modifiers);
            else
                QTest::keyClick(view, Qt::Key(Qt::Key_0 + key.digitValue()), modifiers);
        }
    }

private slots:
    void initTestCase() { prepareProcess(); }
    void cleanup() { shutDown(); }

    void humidityIsOfferedInTheEditorsWhereTheSaunaMakesSteam_data() { addProductHumidityRows(); }

    void humidityIsOfferedInTheEditorsWhereTheSaunaMakesSteam()
    {
        QFETCH(int, product);
        QFETCH(bool, offered);
        STEP(startWithProduct(product));
        // The favorite and the new program take these: 99 % allows 46 °C, 100 % only 45.
        m_sauna->setReading(tools::IntegerId::TargetTemperature, 45 * 9);
        m_sauna->setReading(tools::IntegerId::TargetHumidity, 99);
        QTRY_COMPARE(m_frame->controllerTab.humidityController.targetHumidityManager()->value(),
                     (value::HumidityValue_T{99, signalInterface::HumidityTypes::E_percentage}));
        // Each editor limits its own pair: the humidity up to 100 % dims the temperature's
        // up-step at 45 °C.
        const auto humidityLimitsTheTemperature = [this]() {
            QQuickItem *temperature = stepperLabelled(QStringLiteral("Temperature"));
            QQuickItem *humidity = stepperLabelled(QStringLiteral("Humidity"));
            QVERIFY(temperature && humidity);
            QCOMPARE(temperature->property("valueText").toString(), QStringLiteral("45"));
            QCOMPARE(temperature->property("upperBlocked").toBool(), false);
            STEP(tap(humidity->findChild<QQuickItem *>(QStringLiteral("increaseButton"))));
            QTRY_COMPARE(humidity->property("valueText").toString(), QStringLiteral("100"));
            QCOMPARE(temperature->property("upperBlocked").toBool(), true);
        };

        // The favorite editor: its temperature in any case, a humidity only with steam.
        STEP(openNewFavorite(QStringLiteral("Evening")));
        QVERIFY(stepperLabelled(QStringLiteral("Temperature")));
        QCOMPARE(stepperLabelled(QStringLiteral("Humidity")) != nullptr, offered);
        if (offered)
            STEP(humidityLimitsTheTemperature());
        saveScreenshot(QStringLiteral("editors_favorite_%1").arg(QTest::currentDataTag()));
        STEP(tap(QStringLiteral("pageBackButton")));
        // The humidity step is a change: Back asks first, and "No" drops it.
        if (offered)
            STEP(answerPopup(QStringLiteral("popupRightButton")));
        QTRY_VERIFY(!m_frame->favoriteTab.favoriteController.editing());

        // A new Monday program's own settings.
        STEP(tapTab(QStringLiteral("Calendar")));
        QQuickItem *monday = nullptr;
        QTRY_VERIFY((monday = findRow(QStringLiteral("weekDaysList"), QStringLiteral("Mondays"))));
        STEP(tap(monday));
        QQuickItem *program = nullptr;
        QTRY_VERIFY((program = findRow(QStringLiteral("weekDayProgramsList"),
                                       QStringLiteral("weekday calendar program"))));
        STEP(tap(program));
        STEP(tapRow(QStringLiteral("programSettingsList"), 1));
        QQuickItem *custom = nullptr;
        QTRY_VERIFY(
            (custom = findRow(QStringLiteral("programFavoriteList"), QStringLiteral("Custom"))));
        STEP(tap(custom));
        QTRY_VERIFY(
            rowTexts(QStringLiteral("programCustomList")).contains(QStringLiteral("Temperature")));
        QCOMPARE(rowTexts(QStringLiteral("programCustomList")).contains(QStringLiteral("Humidity")),
                 offered);
        saveScreenshot(QStringLiteral("editors_program_custom_%1").arg(QTest::currentDataTag()));
        if (offered) {
            // The program limits its own pair as the favorite does.
            using Rows = control::details::CalendarProgramSettingsControllerBase;
            STEP(tapRow(QStringLiteral("programCustomList"), Rows::E_customHumidityRow));
            QVERIFY(waitForItem(QStringLiteral("programSetHumidityButton")));
            waitForPagesAtRest();
            QQuickItem *humidity = stepperLabelled(QStringLiteral("Humidity"));
            QVERIFY(humidity);
            STEP(tap(humidity->findChild<QQuickItem *>(QStringLiteral("increaseButton"))));
            QTRY_COMPARE(humidity->property("valueText").toString(), QStringLiteral("100"));
            STEP(tap(QStringLiteral("programSetHumidityButton")));
            STEP(tapRow(QStringLiteral("programCustomList"), Rows::E_customTemperatureRow));
            QVERIFY(waitForItem(QStringLiteral("programSetTemperatureButton")));
            waitForPagesAtRest();
            QQuickItem *temperature = stepperLabelled(QStringLiteral("Temperature"));
            QVERIFY(temperature);
            QCOMPARE(temperature->property("valueText").toString(), QStringLiteral("45"));
            QCOMPARE(temperature->property("upperBlocked").toBool(), true);
        }
    }

    void theChangePinKeypadTakesThePcKeys()
    {
        STEP(startWithProduct(combiProduct));
        control::PinCodeController &pinCode = m_frame->controllerTab.pinCodeController;
        QSignalSpy finished(&pinCode, &control::PinCodeController::pinCodeChangeFinished);
        STEP(tapTab(QStringLiteral("Settings")));
        STEP(tap(QStringLiteral("settingsArea_general")));
        STEP(tapRow(QStringLiteral("settingsList"), signalInterface::ConfigureTypes::E_pin));
        STEP(tap(QStringLiteral("pinChangeButton")));
        QVERIFY(waitForItem(QStringLiteral("pinChangePage")));
        waitForPagesAtRest();
        QQuickItem *step = waitForItem(QStringLiteral("pinChangeStepText"));
        QVERIFY(step);

        // The current PIN with a digit corrected, then Return.
        typeOnThePcKeyboard(QStringLiteral("4827\b6\n"));
        QTRY_COMPARE(step->property("text").toString(), QStringLiteral("Enter new PIN"));
        // The new one on the number pad, with its Enter; again on the digit row, with Return.
        typeOnThePcKeyboard(QStringLiteral("1357\r"), Qt::KeypadModifier);
        QTRY_COMPARE(step->property("text").toString(), QStringLiteral("Confirm new PIN"));
        typeOnThePcKeyboard(QStringLiteral("1357\n"));
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toBool(), true);
        QVERIFY(pinCode.isCurrentPin(QStringLiteral("1357")));
    }

    void theNetworkPinEntryTakesThePcKeysAsItOpens()
    {
        STEP(startWithProduct(combiProduct));
        pcPanel::SaunaCommunication &link = m_frame->saunaCommunication;
        STEP(tapTab(QStringLiteral("Settings")));
        STEP(tap(QStringLiteral("settingsArea_network")));
        QQuickItem *sauna = nullptr;
        QTRY_VERIFY((sauna = findVisibleItem(
                         findVisibleItem(sceneRoot(), QStringLiteral("networkSaunaList")),
                         [](QQuickItem *item) { return isRow(item); })));
        STEP(tap(sauna));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkSaunaDetailsPage"));

        // The sauna's PIN, typed without a tap into its field, and Return saves it.
        STEP(tap(QStringLiteral("networkEnterPinButton")));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkPinEditorPage"));
        waitForPagesAtRest();
        typeOnThePcKeyboard(QStringLiteral("24\b68\n"));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkSaunaDetailsPage"));
        QTRY_COMPARE(link.remoteSaunas().value(0).pin.pin(), QStringLiteral("268"));
    }

    void scrollingPagesShowTheirBarAndTheirLastRowWhole()
    {
        STEP(startWithProduct(combiProduct));

        // The favorite editor: its last row, a relay's switch, comes up above the buttons.
        STEP(openNewFavorite(QStringLiteral("Evening")));
        QQuickItem *bar = waitForItem(QStringLiteral("favoriteButtonBar"));
        QVERIFY(bar);
        QQuickItem *editor = flickableOf(waitForItem(QStringLiteral("favoriteNameButton")));
        QVERIFY(editor);
        QVERIFY(showsScrollBar(editor));
        STEP(wheelToTheEnd(editor));
        const QStringList relays = rowTexts(QStringLiteral("favoriteAuxRelays"));
        QVERIFY(!relays.isEmpty());
        QQuickItem *lastRelay = findRow(QStringLiteral("favoriteAuxRelays"), relays.constLast());
        QVERIFY(lastRelay);
        QVERIFY2(bottomInScene(lastRelay) <= topInScene(bar),
                 qPrintable(QStringLiteral("%1 ends at %2, the buttons' bar begins at %3")
                                .arg(relays.constLast())
                                .arg(bottomInScene(lastRelay))
                                .arg(topInScene(bar))));
        saveScreenshot(QStringLiteral("editors_favorite_scrolled"));
        STEP(tap(QStringLiteral("pageBackButton")));
        QTRY_VERIFY(!m_frame->favoriteTab.favoriteController.editing());

        // Heater settings, from the bath-time tile: its relays end the page.
        STEP(tapTab(QStringLiteral("Sauna")));
        STEP(tap(QStringLiteral("bathTimeTile")));
        QQuickItem *list = waitForItem(QStringLiteral("heaterSettingsAuxRelays"));
        QVERIFY(list);
        QQuickItem *heater = flickableOf(list);
        QVERIFY(heater);
        QVERIFY(showsScrollBar(heater));
        STEP(wheelToTheEnd(heater));
        const QStringList heaterRelays = rowTexts(QStringLiteral("heaterSettingsAuxRelays"));
        QVERIFY(!heaterRelays.isEmpty());
        QQuickItem *last =
            findRow(QStringLiteral("heaterSettingsAuxRelays"), heaterRelays.constLast());
        QVERIFY(last);
        QVERIFY(bottomInScene(last) <= bottomInScene(heater));
        saveScreenshot(QStringLiteral("editors_heater_scrolled"));
    }
};

QTEST_MAIN(TestEditorPagesEndToEnd)
#include "tst_editor_pages_end_to_end.moc"
