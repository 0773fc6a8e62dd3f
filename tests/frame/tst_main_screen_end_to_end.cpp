#include "panel_under_test.h"

#include "pc_panel/sauna_system_receiver.h"
#include "sauna_simulator/sauna_state_model.h"
#include "view_cpp/language_support.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

// The main screen of the whole panel against the simulated sauna on loopback: what it offers
// follows what the sauna is, and the bath-time tile follows what the sauna does. Every tap is a
// mouse click where the item is drawn.
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
        saveScreenshot(QStringLiteral("main_screen_%1").arg(QTest::currentDataTag()));
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
};

QTEST_MAIN(TestMainScreenEndToEnd)
#include "tst_main_screen_end_to_end.moc"
