#include "frame_test_support.h"
#include "scene_items.h"

#include "control/language_controller.h"
#include "control/time_controller.h"
#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulated_sauna.h"
#include "signal_interface/language_types.h"
#include "signal_interface/region_types.h"
#include "view_cpp/panel_frame.h"

#include <QDir>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using signalInterface::LanguageTypes;
using signalInterface::RegionTypes;

namespace {

constexpr int waitMs = 10000;
constexpr int regionNorthAmericaOnWire = 31;
const char saunaName[] = "Loft sauna";
const char saunaPin[] = "2580";

} // namespace

// The first start after a factory reset: the whole panel, connected to the simulated sauna on
// loopback, asks for the language, the region, the sauna's time and its date before anything
// else; every step is tapped as a user does and reaches the program or the sauna.
class TestInitialSetupEndToEnd : public QObject
{
    Q_OBJECT

private:
    QQuickItem *sceneRoot() const { return sceneRootOf(*m_frame); }

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

    void tapRow(const QString &listName, int applId)
    {
        waitForSceneAtRest(sceneRoot(), waitMs);
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

    // The up button of a stepper's column.
    QQuickItem *stepUpButton(const QString &editorName, int column)
    {
        QQuickItem *editor = waitForItem(editorName);
        if (editor == nullptr)
            return nullptr;
        QList<QQuickItem *> buttons;
        findVisibleItem(editor, [&buttons](QQuickItem *item) {
            if (item->property("increase").isValid() && item->property("increase").toBool() &&
                item->property("blocked").isValid())
                buttons << item;
            return false;
        });
        return column < buttons.size() ? buttons.at(column) : nullptr;
    }

    QDateTime saunaClock() const
    {
        return tools::SaunaStateModel::protocolEpoch().addMSecs(
            qint64(m_sauna->model().systemTime(QDateTime::currentDateTimeUtc())));
    }

    void saveScreenshot(const QString &name)
    {
        waitForSceneAtRest(sceneRoot(), waitMs);
        QSignalSpy rendered(m_frame->guiHandler.view()->quickWindow(), &QQuickWindow::frameSwapped);
        m_frame->guiHandler.view()->update();
        rendered.wait(2000);
        const QString directory = QDir::current().absoluteFilePath(QStringLiteral("artifacts"));
        QVERIFY(QDir().mkpath(directory));
        const QString path = directory + QLatin1Char('/') + name + QStringLiteral(".png");
        QVERIFY(m_frame->mainWindow.grab().save(path));
        qInfo("screenshot: %s", qPrintable(path));
    }

    // Answers the messages of the connection, one after the other.
    void dismissPopups()
    {
        auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        QVERIFY(popup);
        for (int shown = 0; popup->isVisible() && shown < 10; ++shown) {
            QQuickItem *button = findVisibleItem(popup, QStringLiteral("popupCenterButton"));
            QVERIFY(button);
            tap(button);
        }
        QVERIFY(!popup->isVisible());
    }

    void connectToTheSauna()
    {
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
        // The sauna's clock has been reported.
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->controllerTab.timeController.systemTime().dateValid,
                                 waitMs);
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
        // What the factory reset left for the next start.
        control::Settings::setValue(QLatin1String(control::Settings::factoryResetInvokedKey), true);
        control::Settings::setValue(QLatin1String(control::Settings::languageKey),
                                    int(LanguageTypes::E_english));

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
    }

    void cleanupTestCase()
    {
        m_frame.reset();
        m_variant.reset();
        m_sauna.reset();
    }

    void setupAfterFactoryReset()
    {
        // The marker is read once: the next start is an ordinary one.
        QCOMPARE(control::Settings::boolValue(
                     QLatin1String(control::Settings::factoryResetInvokedKey), true),
                 false);
        QVERIFY(waitForItem(QStringLiteral("initialSetup")));

        // Language: the list marks the language in use; a tap moves the mark, Next switches.
        QSignalSpy languages(&m_frame->controllerTab.languageController,
                             &control::LanguageController::languageChanged);
        STEP(tapRow(QStringLiteral("initialSetupLanguageList"), int(LanguageTypes::E_german)));
        STEP(saveScreenshot(QStringLiteral("initial_setup_language")));
        QCOMPARE(languages.count(), 0);
        STEP(tap(QStringLiteral("initialSetupNextButton")));
        QTRY_COMPARE(m_frame->controllerTab.languageController.language(), LanguageTypes::E_german);

        // Region: a tap is sent to the sauna at once.
        STEP(tapRow(QStringLiteral("initialSetupRegionList"), int(RegionTypes::E_north_america)));
        QTRY_COMPARE_WITH_TIMEOUT(m_sauna->model().enums().region.value_or(-1),
                                  regionNorthAmericaOnWire, waitMs);
        STEP(saveScreenshot(QStringLiteral("initial_setup_region")));
        STEP(tap(QStringLiteral("initialSetupNextButton")));

        // Time: the sauna's clock runs at midday, far from what the setup sends. The editor
        // starts at midnight; one hour up, and Next sets the sauna's clock to 01:00.
        const QDateTime midday(saunaClock().date(), QTime(12, 0), Qt::UTC);
        m_frame->controllerTab.timeController.onSetSystemTimeRequested(midday);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(saunaClock().secsTo(midday)) < 60, waitMs);
        QQuickItem *hourUp = stepUpButton(QStringLiteral("initialSetupTimeStepper"), 0);
        QVERIFY(hourUp);
        STEP(tap(hourUp));
        STEP(saveScreenshot(QStringLiteral("initial_setup_time")));
        STEP(tap(QStringLiteral("initialSetupNextButton")));
        const QDateTime expected(midday.date(), QTime(1, 0), Qt::UTC);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(saunaClock().secsTo(expected)) < 60, waitMs);

        // Date: the editor starts from the sauna's date; one step up, and Done sets it.
        const QDate before = saunaClock().date();
        QQuickItem *dayUp = stepUpButton(QStringLiteral("initialSetupDateStepper"), 0);
        QVERIFY(dayUp);
        STEP(tap(dayUp));
        STEP(saveScreenshot(QStringLiteral("initial_setup_date")));
        STEP(tap(QStringLiteral("initialSetupNextButton")));
        QTRY_VERIFY_WITH_TIMEOUT(saunaClock().date() != before, waitMs);

        // The setup is gone and the main screen is used as always.
        QTRY_VERIFY(!findVisibleItem(sceneRoot(), QStringLiteral("initialSetup")));
        QVERIFY(waitForItem(QStringLiteral("clockText")));
    }
};

QTEST_MAIN(TestInitialSetupEndToEnd)
#include "tst_initial_setup_end_to_end.moc"
