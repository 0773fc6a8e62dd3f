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

using signalInterface::AuxiliaryRelayTypes;
using signalInterface::ConfigureTypes;
using tools::AuxRelayChange;
using tools::AuxRelayTiming;
using tools::AuxRelayWire;

namespace {

constexpr int waitMs = 10000;
const char saunaName[] = "Spa sauna";
const char saunaPin[] = "2580";

} // namespace

// The whole panel connected to the simulated sauna on loopback. From the settings tab the user
// opens System, Options: the auxiliary relays the sauna has. One relay is renamed on the
// on-screen keyboard, another becomes a fragrance relay and gets a longer stop time. Every tap is
// a mouse click on the scene's widget where the item is drawn; every value shown is the one the
// sauna reported back.
class TestAuxRelayEndToEnd : public QObject
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
        // The relays have arrived with the full report.
        QTRY_VERIFY_WITH_TIMEOUT(
            m_frame->configureTab.systemAuxViewManager.relays().at(4).connected, waitMs);
        dismissPopups();
    }

    // Types the text on the on-screen keyboard, key by key.
    void typeOnKeyboard(const QString &text)
    {
        QQuickItem *keyboard = waitForItem(QStringLiteral("onScreenKeyboard"));
        QVERIFY(keyboard);
        for (const QChar character : text) {
            const bool capital = character.isUpper();
            if (keyboard->property("caps").toBool() != capital)
                STEP(tap(QStringLiteral("keyboardShiftKey")));
            QTRY_COMPARE(keyboard->property("caps").toBool(), capital);
            QQuickItem *key = findVisibleItem(keyboard, [character](QQuickItem *item) {
                return item->objectName().startsWith(QStringLiteral("keyboardKey_")) &&
                       item->property("cap").toString() == QString(character);
            });
            QVERIFY2(key, qPrintable(QString(character)));
            STEP(tap(key));
        }
    }

    // The relay options page from the settings areas: System, then Options.
    void openRelayOptions()
    {
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_optionsAux));
        QVERIFY(waitForItem(QStringLiteral("auxRelaysPage")));
    }

    // The text a visible item of that name shows.
    QString textOf(const QString &objectName)
    {
        QQuickItem *item = waitForItem(objectName);
        return item ? item->property("text").toString() : QString();
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

    void relayRenamedOnTheKeyboard()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        QCOMPARE(model.auxRelays().relays()[1].name, QStringLiteral("Lamp"));
        STEP(openRelayOptions());
        // Only the relays the sauna has, each with the name it reported.
        QTRY_VERIFY(showsText(QStringLiteral("Aux 4")));
        QVERIFY(showsText(QStringLiteral("Descaling pump")));
        QVERIFY(!showsText(QStringLiteral("Aux 3")));
        const view::ListModel &relays = *m_frame->configureTab.systemAuxViewManager.relayModel();
        QCOMPARE(relays.rowCount(), 4);
        STEP(saveScreenshot(QStringLiteral("aux_relays")));

        STEP(tapRow(QStringLiteral("settingsList"), 1));
        QVERIFY(waitForItem(QStringLiteral("auxRelayPage")));
        QTRY_COMPARE(textOf(QStringLiteral("auxNameText")), QStringLiteral("Lamp"));
        QTRY_VERIFY(showsText(QStringLiteral("Aux 1")));

        QSignalSpy requested(m_sauna.get(), &tools::SimulatedSauna::auxRelayRequested);
        STEP(tap(QStringLiteral("auxNameRow")));
        QQuickItem *keyboard = waitForItem(QStringLiteral("onScreenKeyboard"));
        QVERIFY(keyboard);
        QCOMPARE(keyboard->property("text").toString(), QStringLiteral("Lamp"));
        for (int erased = 0; erased < 4; ++erased)
            STEP(tap(QStringLiteral("keyboardBackspaceKey")));
        QTRY_COMPARE(keyboard->property("text").toString(), QString());
        STEP(typeOnKeyboard(QStringLiteral("Spot")));
        QCOMPARE(keyboard->property("text").toString(), QStringLiteral("Spot"));
        STEP(saveScreenshot(QStringLiteral("aux_relay_keyboard")));
        STEP(tap(QStringLiteral("keyboardSaveButton")));
        QTRY_VERIFY(!keyboard->isVisible());

        QVERIFY(requested.wait(waitMs));
        QCOMPARE(requested.size(), 1);
        const auto change = requested.first().first().value<AuxRelayChange>();
        QCOMPARE(change.index, std::optional<quint32>(1));
        QCOMPARE(change.name, QStringLiteral("Spot"));
        QCOMPARE(change.function, std::optional<int>(AuxRelayWire::OnOff));
        QTRY_COMPARE_WITH_TIMEOUT(model.auxRelays().relays()[1].name, QStringLiteral("Spot"),
                                  waitMs);
        // The page shows the name the sauna reported back.
        QTRY_COMPARE(textOf(QStringLiteral("auxNameText")), QStringLiteral("Spot"));
        STEP(saveScreenshot(QStringLiteral("aux_relay")));

        // Back on the list, the relay shows its new name.
        STEP(tap(QStringLiteral("pageBackButton")));
        QTRY_VERIFY(showsText(QStringLiteral("Spot")));
        QVERIFY(!showsText(QStringLiteral("Lamp")));
        STEP(backToSettingsAreas());
    }

    void relayBecomesAFragranceRelay()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        // A spare output, on for 2 s when it was last used.
        QCOMPARE(model.auxRelays().relays()[2].function, int(AuxRelayWire::NotUsed));
        STEP(openRelayOptions());
        STEP(tapRow(QStringLiteral("settingsList"), 2));
        QVERIFY(waitForItem(QStringLiteral("auxRelayPage")));
        const view::ListModel &functions =
            *m_frame->configureTab.systemAuxViewManager.functionModel();
        const int checkmark = functions.roleNames().key("checkmarkChecked");
        QTRY_VERIFY(functions.rowCount() >= 3);
        QVERIFY(functions.data(functions.index(0), checkmark).toBool());

        QSignalSpy requested(m_sauna.get(), &tools::SimulatedSauna::auxRelayRequested);
        STEP(tapRow(QStringLiteral("auxFunctionList"), AuxiliaryRelayTypes::E_frequency));
        QVERIFY(requested.wait(waitMs));
        const auto change = requested.first().first().value<AuxRelayChange>();
        QCOMPARE(change.index, std::optional<quint32>(2));
        QCOMPARE(change.function, std::optional<int>(AuxRelayWire::Frequency));
        // On 2 s becomes 20 tenths; the unused off time takes the 20 min default.
        QCOMPARE(change.onTime, std::optional<AuxRelayTiming>({AuxRelayWire::TenthsOfSecond, 20}));
        QCOMPARE(change.offTime, std::optional<AuxRelayTiming>({AuxRelayWire::Seconds, 1200}));
        QTRY_COMPARE_WITH_TIMEOUT(model.auxRelays().relays()[2].function,
                                  int(AuxRelayWire::Frequency), waitMs);

        // The fragrance page opens with the reported times.
        QVERIFY(waitForItem(QStringLiteral("auxFragrancePage")));
        QTRY_VERIFY(showsText(QStringLiteral("2s ")));
        QTRY_VERIFY(showsText(QStringLiteral("20min ")));
        STEP(saveScreenshot(QStringLiteral("aux_fragrance")));

        // The stop time one hour longer.
        requested.clear();
        STEP(tapRow(QStringLiteral("settingsList"), AuxiliaryRelayTypes::E_stop));
        STEP(stepHoursUpAndSave());
        QVERIFY(requested.wait(waitMs));
        const auto stop = requested.last().first().value<AuxRelayChange>();
        QCOMPARE(stop.offTime, std::optional<AuxRelayTiming>({AuxRelayWire::Seconds, 4800}));
        QCOMPARE(stop.onTime, std::optional<AuxRelayTiming>({AuxRelayWire::TenthsOfSecond, 20}));
        QTRY_COMPARE_WITH_TIMEOUT(model.auxRelays().relays()[2].offTime.value, 4800u, waitMs);
        QTRY_VERIFY(showsText(QStringLiteral("1h 20min ")));
        STEP(saveScreenshot(QStringLiteral("aux_fragrance_stop")));

        // Back on the relay's page, "Fragrance" carries the check mark the report gave it.
        STEP(tap(QStringLiteral("pageBackButton")));
        QVERIFY(waitForItem(QStringLiteral("auxRelayPage")));
        QTRY_VERIFY(functions.rowCount() >= 3);
        QTRY_VERIFY(functions.data(functions.index(2), checkmark).toBool());
        QVERIFY(!functions.data(functions.index(0), checkmark).toBool());
        QQuickItem *list = waitForItem(QStringLiteral("auxFunctionList"));
        QVERIFY(list);
        QTRY_VERIFY(findVisibleItem(list, [](QQuickItem *item) {
            return item->property("applId").toInt() == AuxiliaryRelayTypes::E_frequency &&
                   item->property("checked").toBool();
        }));
        STEP(saveScreenshot(QStringLiteral("aux_relay_fragrance")));
        STEP(backToSettingsAreas());
    }

    void descalingPageShowsTheReportedSettings()
    {
        STEP(openRelayOptions());
        STEP(tapRow(QStringLiteral("settingsList"), 4));
        QVERIFY(waitForItem(QStringLiteral("auxRelayPage")));
        STEP(tapRow(QStringLiteral("auxFunctionList"), 102));
        QVERIFY(waitForItem(QStringLiteral("auxDescalingPage")));
        // Every two weeks on Wednesdays at 02:00, 150 ml for 3 h.
        QTRY_VERIFY(showsText(QStringLiteral("Wednesday")));
        QVERIFY(showsText(QStringLiteral("150ml")));
        QVERIFY(showsText(QStringLiteral("3h 0min")));
        STEP(saveScreenshot(QStringLiteral("aux_descaling")));
        STEP(backToSettingsAreas());
    }
};

QTEST_MAIN(TestAuxRelayEndToEnd)
#include "tst_aux_relay_end_to_end.moc"
