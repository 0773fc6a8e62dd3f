#include "panel_under_test.h"

#include "pc_panel/sauna_system_receiver.h"
#include "sauna_simulator/sauna_state_model.h"
#include "view_cpp/language_support.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

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
        saveScreenshot(QStringLiteral("main_screen_%1").arg(QTest::currentDataTag()));
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
