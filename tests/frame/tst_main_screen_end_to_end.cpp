#include "panel_under_test.h"

#include "pc_panel/sauna_system_receiver.h"
#include "sauna_simulator/sauna_state_model.h"
#include "view_cpp/language_support.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

// The main screen of the whole panel against the simulated sauna on loopback: what it offers
// follows what the sauna is, and the bath-time and fan tiles follow what the sauna does. Every tap
// is a mouse click where the item is drawn.
class TestMainScreenEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    QQuickItem *sceneItem(const char *name)
    {
        return sceneRoot()->findChild<QQuickItem *>(QString::fromLatin1(name));
    }

    static QString duration(quint32 minutes)
    {
        return view::LanguageSupport::durationText(minutes);
    }

private slots:
    void initTestCase() { prepareProcess(); }
    void cleanup() { shutDown(); }

    void humidityIsOfferedWhereTheSaunaMakesSteam_data() { addProductHumidityRows(); }

    void humidityIsOfferedWhereTheSaunaMakesSteam()
    {
        QFETCH(int, product);
        QFETCH(bool, offered);
        STEP(startWithProduct(product));
        // The temperature control is there in any case: the screen is built and connected.
        QQuickItem *temperature =
            waitForItem(QStringLiteral("temperature_data_provider_tab2_normal"));
        QVERIFY(temperature);
        QTRY_VERIFY(temperature->isEnabled());
        QQuickItem *humidity = sceneItem("humidity_data_provider_tab2_normal");
        QVERIFY(humidity);
        QTRY_COMPARE(humidity->isVisible(), offered);
        if (offered)
            QVERIFY(humidity->isEnabled());
        // The tank of its steam generator, the same way.
        QQuickItem *tank = sceneItem("tankLevels");
        QVERIFY(tank);
        QTRY_COMPARE(tank->isVisible(), offered);
        // The room's humidity is measured by every product whose sensor works, a dry one too.
        QTRY_VERIFY(showsText(QStringLiteral("Humidity %1\u00a0%")
                                  .arg(m_sauna->model().integer(tools::IntegerId::Humidity))));
        saveScreenshot(QStringLiteral("main_screen_%1").arg(QTest::currentDataTag()));
    }

    // On a combi sauna each target limits the other by the limit tables, and the up-step dims
    // there. A pair the sauna reports past the tables shows as reported; a step down is taken.
    void theTargetsLimitEachOther()
    {
        STEP(startWithProduct(combiProduct));
        QQuickItem *temperature =
            waitForItem(QStringLiteral("temperature_data_provider_tab2_normal"));
        QQuickItem *humidity = waitForItem(QStringLiteral("humidity_data_provider_tab2_normal"));
        QVERIFY(temperature && humidity);
        STEP(dismissPopups());
        const auto shown = [](QQuickItem *stepper) {
            return stepper->property("valueText").toString();
        };
        const auto button = [](QQuickItem *stepper, bool increase) {
            return stepper->findChild<QQuickItem *>(increase ? QStringLiteral("increaseButton")
                                                             : QStringLiteral("decreaseButton"));
        };
        const tools::SaunaStateModel &model = m_sauna->model();

        // 80 °C allows 46 %.
        m_sauna->setReading(tools::IntegerId::TargetTemperature, 80 * 9);
        m_sauna->setReading(tools::IntegerId::TargetHumidity, 45);
        QTRY_COMPARE(shown(humidity), QStringLiteral("45"));
        QCOMPARE(humidity->property("upperBlocked").toBool(), false);
        STEP(tap(button(humidity, true)));
        QTRY_COMPARE(model.integer(tools::IntegerId::TargetHumidity), 46u);
        QTRY_COMPARE(shown(humidity), QStringLiteral("46"));
        QTRY_COMPARE(humidity->property("upperBlocked").toBool(), true);

        // 100 % allows 45 °C.
        m_sauna->setReading(tools::IntegerId::TargetHumidity, 100);
        m_sauna->setReading(tools::IntegerId::TargetTemperature, 44 * 9);
        QTRY_COMPARE(shown(temperature), QStringLiteral("44"));
        QTRY_COMPARE(temperature->property("upperBlocked").toBool(), false);
        STEP(tap(button(temperature, true)));
        QTRY_COMPARE(model.integer(tools::IntegerId::TargetTemperature), 45u * 9);
        QTRY_COMPARE(temperature->property("upperBlocked").toBool(), true);

        // Set elsewhere: 110 °C at 100 %.
        m_sauna->setReading(tools::IntegerId::TargetTemperature, 110 * 9);
        QTRY_COMPARE(shown(temperature), QStringLiteral("110"));
        QCOMPARE(shown(humidity), QStringLiteral("100"));
        STEP(tap(button(temperature, false)));
        QTRY_COMPARE(model.integer(tools::IntegerId::TargetTemperature), 109u * 9);
        QTRY_COMPARE(shown(temperature), QStringLiteral("109"));
        QCOMPARE(model.integer(tools::IntegerId::TargetHumidity), 100u);
    }

    // The tank's water level in the Status screen's words, as the sauna reports it.
    void theTankShowsTheReportedWaterLevel()
    {
        STEP(startWithProduct(steamProduct));
        QTRY_VERIFY(showsText(QStringLiteral("Water level: High")));
        m_sauna->setTankWaterLevel(0, tools::WaterLevelValue::Low);
        QTRY_VERIFY(showsText(QStringLiteral("Water level: Low")));
        saveScreenshot(QStringLiteral("main_screen_low_tank"));
    }

    // A failed humidity sensor: the sauna says so, and the room's humidity reads "--" until the
    // sensor works again.
    void aFailedHumiditySensorShowsNoHumidity()
    {
        STEP(startWithProduct(steamProduct));
        const QString measured = QStringLiteral("Humidity %1\u00a0%")
                                     .arg(m_sauna->model().integer(tools::IntegerId::Humidity));
        QTRY_VERIFY(showsText(measured));
        m_sauna->setHumiditySensorWorking(false);
        QTRY_VERIFY(showsText(QStringLiteral("No humidity sensor detected. Steam not allowed.")));
        STEP(dismissPopups());
        QTRY_VERIFY(showsText(QStringLiteral("Humidity --")));
        saveScreenshot(QStringLiteral("main_screen_humidity_sensor_failed"));
        m_sauna->setHumiditySensorWorking(true);
        QTRY_VERIFY(showsText(measured));
    }

    void theTileShowsTheTimeLeftWhileTheSaunaIsOn()
    {
        STEP(startWithProduct(combiProduct));
        QQuickItem *tile = waitForItem(QStringLiteral("bathTimeTile"));
        QVERIFY(tile);
        const quint32 bathTime = m_sauna->model().integer(tools::IntegerId::BathTime);
        QTRY_COMPARE(tile->property("value").toString(), duration(bathTime));
        QCOMPARE(tile->property("caption").toString(), QStringLiteral("Bath time"));

        // On: the sauna counts its bath time down, and the tile shows what is left.
        STEP(tap(QStringLiteral("power_switch_tab")));
        QTRY_COMPARE(m_sauna->model().state(), int(tools::SaunaStateValue::On));
        QTRY_COMPARE(tile->property("caption").toString(), QStringLiteral("Time left"));
        const quint32 left = m_sauna->model().integer(tools::IntegerId::RunTimeLeft);
        QCOMPARE(left, bathTime);
        QCOMPARE(tile->property("value").toString(), duration(left));

        // A longer bath time set while it runs is for the next bath: the time left stays.
        STEP(tap(tile));
        QQuickItem *editor = waitForItem(QStringLiteral("bath_time_tab_2"));
        QVERIFY(editor);
        QTRY_VERIFY(editor->isEnabled());
        QQuickItem *plus = visibleOfClass(editor, "RoundStepButton", true);
        QVERIFY(plus);
        STEP(tap(plus));
        STEP(tap(QStringLiteral("bathTimeSaveButton")));
        QTRY_COMPARE(m_sauna->model().integer(tools::IntegerId::BathTime), bathTime + 60);
        STEP(tap(QStringLiteral("pageBackButton")));
        waitForPagesAtRest();
        QTRY_COMPARE(tile->property("value").toString(), duration(left));
        QCOMPARE(tile->property("caption").toString(), QStringLiteral("Time left"));
        saveScreenshot(QStringLiteral("main_screen_time_left"));

        // Off: the bath time that is set.
        STEP(tap(QStringLiteral("power_switch_tab")));
        QTRY_COMPARE(tile->property("caption").toString(), QStringLiteral("Bath time"));
        QTRY_COMPARE(tile->property("value").toString(), duration(bathTime + 60));
    }

    // A multi-steam system's fault of one board: the popup names the board below the message,
    // and its Ok reaches the sauna as the acknowledgement. The sauna is asked for its low tank:
    // the last secondary board's.
    void aFaultOfOneBoardNamesTheBoard()
    {
        tools::SimulatorOptions options = saunaOptions();
        options.rcbProduct = steamProduct;
        options.systemType = tools::SystemType::MultiSteam;
        options.waterLevel = tools::WaterLevelValue::Low;
        STEP(startConnected(options));
        STEP(dismissPopups());
        QTRY_VERIFY(showsText(QStringLiteral("Water level secondary2: Low")));
        QVERIFY(showsText(QStringLiteral("Water level primary: High")));
        QVERIFY(showsText(QStringLiteral("Water level secondary1: High")));
        QSignalSpy handled(m_sauna.get(), &tools::SimulatedSauna::requestHandled);

        STEP(tap(QStringLiteral("power_switch_tab")));
        QTRY_COMPARE(m_sauna->model().state(), int(tools::SaunaStateValue::On));
        auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        QVERIFY(popup);
        QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), waitMs);
        saveScreenshot(QStringLiteral("main_screen_board_fault"));
        QCOMPARE(dismissPopups(),
                 QStringList{QStringLiteral(
                     "Level electrodes steam tank out of service, interruption mid\nSecondary2")});
        const auto acknowledged = [&handled] {
            return std::any_of(handled.begin(), handled.end(), [](const QList<QVariant> &call) {
                return call.at(0).toString() ==
                       QStringLiteral("answer to message 0x000c: ANSWER_ACKNOWLEDGED");
            });
        };
        QTRY_VERIFY_WITH_TIMEOUT(acknowledged(), waitMs);
    }

    void theFanTileShowsTheFanRunningWithTheBathAndAfterIt()
    {
        STEP(startWithProduct(dryProduct));
        // The sauna's clock moves only when the test moves it.
        const auto now = std::make_shared<QDateTime>(saunaStartClock());
        m_sauna->setClock([now] { return *now; });
        QQuickItem *fan = waitForItem(QStringLiteral("fanTile"));
        QVERIFY(fan);
        QTRY_COMPARE(fan->property("value").toString(), QStringLiteral("Off"));

        STEP(tap(QStringLiteral("power_switch_tab")));
        QTRY_COMPARE(fan->property("value").toString(), QStringLiteral("On"));

        // Switched off, the sauna runs the fan on for its running time.
        QQuickItem *bathTime = waitForItem(QStringLiteral("bathTimeTile"));
        QVERIFY(bathTime);
        QTRY_COMPARE(bathTime->property("caption").toString(), QStringLiteral("Time left"));
        STEP(tap(QStringLiteral("power_switch_tab")));
        QTRY_COMPARE(bathTime->property("caption").toString(), QStringLiteral("Bath time"));
        QCOMPARE(fan->property("value").toString(), QStringLiteral("On"));
        *now = now->addSecs(qint64(m_sauna->model().integer(tools::IntegerId::FanRuntime)) * 60);
        QTRY_COMPARE(fan->property("value").toString(), QStringLiteral("Off"));
    }
};

QTEST_MAIN(TestMainScreenEndToEnd)
#include "tst_main_screen_end_to_end.moc"
