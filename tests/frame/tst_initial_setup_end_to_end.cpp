#include "panel_under_test.h"

#include "control/language_controller.h"
#include "control/time_controller.h"
#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/language_types.h"
#include "signal_interface/region_types.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

using signalInterface::LanguageTypes;
using signalInterface::RegionTypes;

namespace {

constexpr int regionNorthAmericaOnWire = 31;

} // namespace

// The first start after a factory reset: the whole panel, connected to the simulated sauna on
// loopback, asks for the language, the region, the sauna's time and its date before anything
// else; every step is tapped as a user does and reaches the program or the sauna.
class TestInitialSetupEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareProcess();
        // What the factory reset left for the next start.
        control::Settings::setValue(QLatin1String(control::Settings::factoryResetInvokedKey), true);
        control::Settings::setValue(QLatin1String(control::Settings::languageKey),
                                    int(LanguageTypes::E_english));

        STEP(startConnected(saunaOptions(QStringLiteral("Loft sauna"), QStringLiteral("2580"))));
        // The sauna's clock has been reported.
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->controllerTab.timeController.systemTime().dateValid,
                                 waitMs);
        STEP(dismissPopups());
    }

    void cleanupTestCase() { shutDown(); }

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
