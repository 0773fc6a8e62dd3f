#include "frame_test_support.h"
#include "support/sauna_namespace.h"

#include "pc_panel/remote_sauna_list.h"
#include "sauna_simulator/simulator_options.h"
#include "view_cpp/panel_frame.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// The whole panel against the simulated sauna in another network namespace: the panel finds the
// sauna by broadcast, connects by itself, and a tap on the plus control of the target temperature
// reaches the sauna and comes back into the scene.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private:
    // Reads the host's output until a line starting with the prefix arrives; returns the rest.
    QString waitForLine(const QString &prefix, int timeoutMs = 30000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            while (m_sauna.canReadLine()) {
                const QString line = QString::fromLocal8Bit(m_sauna.readLine()).trimmed();
                m_saunaLines << line;
                if (line.startsWith(prefix))
                    return line.mid(prefix.size()).trimmed();
            }
            m_sauna.waitForReadyRead(100);
            QCoreApplication::processEvents();
        }
        return QString();
    }

    // A press and release in the middle of the item, through the window system's input path as
    // a real pointer delivers it.
    static void tap(startUp::PanelFrame &frame, QQuickItem *item)
    {
        const QPoint centre =
            item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
        QTest::mouseClick(frame.mainWindow.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          frame.guiHandler.view()->mapTo(&frame.mainWindow, centre));
    }

    testSupport::SaunaNamespace m_namespace;
    QProcess m_sauna;
    QStringList m_saunaLines;

private slots:
    void initTestCase()
    {
        if (!m_namespace.isReady())
            QSKIP("needs the sauna namespace of the test runner (root)");
        prepareFrameTestProcess();
        m_sauna.setProcessChannelMode(QProcess::SeparateChannels);
        m_sauna.setReadChannel(QProcess::StandardOutput);
        m_namespace.start(m_sauna, QStringLiteral(FRAME_SAUNA_HOST), {});
        QVERIFY(m_sauna.waitForStarted());
        QVERIFY2(!waitForLine("listening").isEmpty(), qPrintable(m_saunaLines.join('\n')));
    }

    void cleanupTestCase()
    {
        m_sauna.terminate();
        if (!m_sauna.waitForFinished())
            m_sauna.kill();
    }

    void tapOnPlusReachesTheSaunaAndComesBack()
    {
        // The sauna is known, selected and auto-connect is on, as a user left it last time.
        const QUuid identity = tools::SimulatorOptions::defaultIdentity();
        {
            pcPanel::RemoteSaunaList list;
            signalInterface::RemoteSaunaTypes::RemoteSauna sauna;
            sauna.identity = identity;
            sauna.brand = signalInterface::VariantTypes::E_vaho;
            sauna.name = QStringLiteral("Simulated sauna");
            sauna.pin = signalInterface::PinTypes::Pin();
            QVERIFY(list.insertOrReplace(sauna));
            list.save();
            control::Settings::setValue(
                *pcPanel::InstanceSettings::settings(),
                QString::fromLatin1(control::Settings::pcPanelSelectedRemoteSaunaKey),
                identity.toString());
            control::Settings::setValue(
                *pcPanel::InstanceSettings::settings(),
                QString::fromLatin1(control::Settings::pcPanelAutoConnectKey), true);
        }
        const QString initialTarget = waitForLine("target");
        QVERIFY(!initialTarget.isEmpty());

        control::VariantControllerPcPanel variant(control::buildBrand(), nullptr);
        startUp::FrameOptions options;
        options.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        startUp::PanelFrame frame(variant, options);
        QCOMPARE(frame.saunaCommunication.selectedRemoteSauna(), identity);
        QVERIFY(frame.saunaCommunication.autoConnect());
        QSignalSpy connected(&frame.saunaCommunication,
                             &pcPanel::SaunaCommunication::connectedChanged);
        frame.loadScene();
        QCOMPARE(frame.wire().total(), 0);
        QVERIFY(frame.start());
        frame.prepareWindow();
        frame.showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&frame.mainWindow));

        QTRY_VERIFY_WITH_TIMEOUT(!connected.isEmpty() && connected.last().at(0).toBool(), 30000);
        QCOMPARE(waitForLine("connected"), m_namespace.panelAddress().toString());

        const QList<QObject *> steppers = frame.guiHandler.targetTemperatureItems();
        QCOMPARE(steppers.size(), 2);
        QQuickItem *stepper = qobject_cast<QQuickItem *>(steppers.last());
        QVERIFY(stepper);
        auto *plus = stepper->findChild<QQuickItem *>(QStringLiteral("increaseButton"));
        auto *valueText = stepper->findChild<QQuickItem *>(QStringLiteral("valueText"));
        QVERIFY(plus);
        QVERIFY(valueText);
        // The sauna's report of the current target is shown before the tap.
        const int before = initialTarget.toInt();
        QTRY_VERIFY_WITH_TIMEOUT(
            valueText->property("text").toString().startsWith(QString::number(before / 9)), 10000);
        QTRY_VERIFY(plus->isVisible() && plus->isEnabled() && plus->opacity() == 1.0);

        QSignalSpy requested(&frame.controllerTab.temperatureController,
                             &control::TemperatureController::targetTemperatureChangeRequested);
        QSignalSpy stepped(stepper, SIGNAL(changeTemperatureValueRequested(int)));
        // The panel tells the user that it connected; the user dismisses the message first.
        auto *popup = qobject_cast<QQuickItem *>(frame.guiHandler.popupWidget());
        QVERIFY(popup);
        if (popup->isVisible()) {
            auto *dismiss = popup->findChild<QQuickItem *>(QStringLiteral("popupCenterButton"));
            QVERIFY(dismiss && dismiss->isVisible());
            tap(frame, dismiss);
            QTRY_VERIFY(!popup->isVisible());
        }
        tap(frame, plus);
        QCOMPARE(stepped.size(), 1);
        QCOMPARE(requested.size(), 1);

        // One step up is one degree: nine ninths of a degree Celsius.
        const int expected = before + 9;
        QCOMPARE(waitForLine("target"), QString::number(expected));
        QTRY_VERIFY_WITH_TIMEOUT(
            valueText->property("text").toString().startsWith(QString::number(expected / 9)),
            10000);

        // The scene renders asynchronously: let the frame with the new value reach the window.
        QSignalSpy rendered(frame.guiHandler.view()->quickWindow(), &QQuickWindow::frameSwapped);
        frame.guiHandler.view()->update();
        rendered.wait(2000);
        const QString screenshot = QDir::current().absoluteFilePath("frame_end_to_end.png");
        QVERIFY(frame.mainWindow.grab().save(screenshot));
        qInfo("screenshot: %s", qPrintable(screenshot));
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"
