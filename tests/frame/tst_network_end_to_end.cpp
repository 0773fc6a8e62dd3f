#include "panel_under_test.h"

#include "sauna_simulator/sauna_state_model.h"

#include <QQuickItem>
#include <QTest>

// The whole panel, started without any known sauna, and the simulated sauna on loopback. The
// user goes to the settings tab, System, Network, types the sauna's address and port, taps
// Detect, opens the found system, enters the PIN and taps Connect; the main screen then shows the
// sauna's values. Every tap is a mouse click on the scene's widget where the item is drawn; the
// sauna's announcement port is not the one the panel broadcasts to, so only the typed address
// can find it.
class TestNetworkEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        STEP(startKnowingNoSauna(
            saunaOptions(QStringLiteral("Loft sauna"), QStringLiteral("2580"))));
    }

    void cleanupTestCase() { shutDown(); }

    void detectOpenEnterPinAndConnect()
    {
        // The steps and checks on the Network screen are the harness's: other tests connect the
        // same way.
        STEP(connectOnTheNetworkScreen(QStringLiteral("frame_network")));

        // Back on the main screen the sauna's target temperature is shown.
        STEP(tapTab(QStringLiteral("Sauna")));
        const int target = int(m_sauna->model().integer(tools::IntegerId::TargetTemperature));
        const QList<QObject *> steppers = m_frame->guiHandler.targetTemperatureItems();
        QCOMPARE(steppers.size(), 2);
        auto *stepper = qobject_cast<QQuickItem *>(steppers.last());
        QVERIFY(stepper);
        auto *valueText = stepper->findChild<QQuickItem *>(QStringLiteral("valueText"));
        QVERIFY(valueText);
        // Ninths of a degree Celsius.
        QTRY_VERIFY_WITH_TIMEOUT(
            valueText->property("text").toString().startsWith(QString::number(target / 9)), waitMs);
        QTRY_VERIFY(valueText->isVisible());
        STEP(saveScreenshot(QStringLiteral("frame_network_main_screen")));
    }
};

QTEST_MAIN(TestNetworkEndToEnd)
#include "tst_network_end_to_end.moc"
