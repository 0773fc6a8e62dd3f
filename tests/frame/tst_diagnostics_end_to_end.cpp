#include "panel_under_test.h"

#include "sauna_simulator/sauna_error_log.h"
#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/configure_types.h"
#include "view_cpp/configure/configure_system_error_log_view_manager.h"
#include "view_cpp/configure/configure_system_status_view_manager.h"
#include "view_cpp/configure/configure_system_view_manager.h"
#include "view_cpp/user_message_provider.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <vector>

using signalInterface::ConfigureTypes;
using tools::IntegerId;

namespace {

// Entries of the simulated sauna's error log at start.
constexpr int errorLogEntries = 6;

} // namespace

// The whole panel connected to the simulated sauna on loopback, whose error log holds a few
// errors. From the settings tab the user opens System → Status and System → Error log by taps,
// reads what the sauna reported, sees a line follow the sauna, shows one error's whole text and
// clears the log. Every tap is a mouse click on the scene's widget where the item is drawn.
class TestDiagnosticsEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    // The codes of the simulated sauna's errors in use, newest first.
    QList<int> errorCodesNewestFirst() const
    {
        std::vector<tools::ErrorLogEntry> entries = m_sauna->model().errorLog().inUse();
        std::stable_sort(entries.begin(), entries.end(),
                         [](const tools::ErrorLogEntry &a, const tools::ErrorLogEntry &b) {
                             return a.time > b.time;
                         });
        QList<int> codes;
        for (const tools::ErrorLogEntry &entry : entries)
            codes << int(entry.errorCode);
        return codes;
    }

private slots:
    void initTestCase()
    {
        tools::SimulatorOptions options =
            saunaOptions(QStringLiteral("Engine room sauna"), QStringLiteral("3691"));
        options.errorLogEntries = errorLogEntries;
        STEP(startConnected(options));
        // The function flags have arrived: the System menu offers the error log.
        const view::ListModel &menu =
            *m_frame->configureTab.manager<view::ConfigureSystemViewManager>().model();
        QTRY_VERIFY_WITH_TIMEOUT(menu.getNumberOfRows() > 0 &&
                                     applIdsOf(menu).contains(ConfigureTypes::E_errorLog),
                                 waitMs);
        STEP(dismissPopups());
        STEP(tapTab(QStringLiteral("Settings")));
    }

    void cleanupTestCase() { shutDown(); }

    void status()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_status));
        QVERIFY(waitForItem(QStringLiteral("statusPage")));
        waitForPagesAtRest();

        // What the sauna reported: its total run time, its cleanups, its door contact.
        const unsigned minutes = unsigned(model.integer(IntegerId::RunTime));
        QVERIFY(minutes >= 60);
        QTRY_VERIFY(showsText(QStringLiteral("Total runtime: %1h").arg(minutes / 60)));
        QTRY_VERIFY(
            showsText(QStringLiteral("Clean-ups: %1").arg(model.integer(IntegerId::CleanupTotal))));
        QTRY_VERIFY(showsText(QStringLiteral("Magnetic contact: Connected")));
        QTRY_VERIFY(showsText(QStringLiteral("  X3-X4: Off")));
        QTRY_VERIFY(showsText(QStringLiteral("  X5-X6: Off")));

        // The lights switched on at the sauna: the lights relay's line follows, in place.
        const view::ListModel &lines =
            *m_frame->configureTab.manager<view::ConfigureSystemStatusViewManager>().model();
        const int rows = lines.rowCount();
        QSignalSpy removed(&lines, &QAbstractItemModel::rowsRemoved);
        m_frame->saunaCommunication.saunaSystemSender()->onLightsStateChangeRequested();
        QTRY_VERIFY_WITH_TIMEOUT(showsText(QStringLiteral("  X5-X6: On")), waitMs);
        QVERIFY(m_sauna->model().boolean(tools::BooleanId::Lights));
        QCOMPARE(lines.rowCount(), rows);
        QCOMPARE(removed.count(), 0);
        STEP(saveScreenshot(QStringLiteral("system_status")));
        STEP(backToSettingsAreas());
        // Left, the page took its lines with it.
        QTRY_COMPARE(lines.rowCount(), 0);
    }

    void errorLog()
    {
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_errorLog));
        QVERIFY(waitForItem(QStringLiteral("errorLogPage")));
        waitForPagesAtRest();

        // The sauna's errors, newest first, each with its code and its name.
        const view::ListModel &rows =
            *m_frame->configureTab.manager<view::ConfigureSystemErrorLogViewManager>().model();
        const QList<int> codes = errorCodesNewestFirst();
        QCOMPARE(codes.size(), errorLogEntries);
        QTRY_COMPARE(rows.rowCount(), errorLogEntries);
        QCOMPARE(applIdsOf(rows), codes);
        const QString newestText = view::UserMessageProvider::instance()->getText(codes.first());
        QTRY_VERIFY(showsText(QString::number(codes.first())));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), [&](QQuickItem *item) {
            return item->objectName() == QStringLiteral("plainRowDetail") &&
                   item->property("text").toString().contains(newestText.left(20));
        }));
        STEP(saveScreenshot(QStringLiteral("system_error_log")));

        // A tap shows the whole text of that error.
        STEP(tapRow(QStringLiteral("settingsList"), codes.first()));
        auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        QVERIFY(popup);
        QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), waitMs);
        QVERIFY2(popup->property("popupText").toString().contains(newestText),
                 qPrintable(popup->property("popupText").toString()));
        STEP(saveScreenshot(QStringLiteral("system_error_log_message")));
        QCOMPARE(dismissPopups().size(), 1);

        // Clear: the command reaches the sauna at once, the rows go with its report.
        QSignalSpy cleared(m_sauna.get(), &tools::SimulatedSauna::errorLogClearRequested);
        STEP(tap(QStringLiteral("errorLogClearButton")));
        QVERIFY(cleared.wait(waitMs));
        QVERIFY(m_sauna->model().errorLog().inUse().empty());
        QTRY_COMPARE_WITH_TIMEOUT(rows.rowCount(), 0, waitMs);
        QTRY_VERIFY(showsText(QStringLiteral("Nothing to show")));
        STEP(saveScreenshot(QStringLiteral("system_error_log_cleared")));
        STEP(backToSettingsAreas());
    }
};

QTEST_MAIN(TestDiagnosticsEndToEnd)
#include "tst_diagnostics_end_to_end.moc"
