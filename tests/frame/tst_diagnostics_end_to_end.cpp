#include "frame_test_support.h"
#include "scene_items.h"

#include "pc_panel/remote_sauna_list.h"
#include "sauna_simulator/sauna_error_log.h"
#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulated_sauna.h"
#include "signal_interface/configure_types.h"
#include "view_cpp/panel_frame.h"
#include "view_cpp/user_message_provider.h"

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
#include <vector>

using signalInterface::ConfigureTypes;
using tools::IntegerId;

namespace {

constexpr int waitMs = 10000;
const char saunaName[] = "Engine room sauna";
const char saunaPin[] = "3691";
// Entries of the simulated sauna's error log at start.
constexpr int errorLogEntries = 6;

} // namespace

// The whole panel connected to the simulated sauna on loopback, whose error log holds a few
// errors. From the settings tab the user opens System → Status and System → Error log by taps,
// reads what the sauna reported, sees a line follow the sauna, shows one error's whole text and
// clears the log. Every tap is a mouse click on the scene's widget where the item is drawn.
class TestDiagnosticsEndToEnd : public QObject
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

    // A visible text item showing exactly the text.
    bool showsText(const QString &text)
    {
        return findVisibleItem(sceneRoot(), [&text](QQuickItem *item) {
                   return item->inherits("QQuickText") && item->property("text").toString() == text;
               }) != nullptr;
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
        // The function flags have arrived: the System menu offers the error log.
        QTRY_VERIFY_WITH_TIMEOUT(
            m_frame->configureTab.systemViewManager.model()->getNumberOfRows() > 0 &&
                [this] {
                    const view::ListModel &menu = *m_frame->configureTab.systemViewManager.model();
                    for (int row = 0; row < menu.rowCount(); ++row)
                        if (menu.getApplId(row) == ConfigureTypes::E_errorLog)
                            return true;
                    return false;
                }(),
            waitMs);
        dismissPopups();
    }

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
        options.errorLogEntries = errorLogEntries;
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

    void status()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_status));
        QVERIFY(waitForItem(QStringLiteral("statusPage")));
        waitForPagesAtRest();

        // What the sauna reported: its total run time in hours, its clean-ups, its door contact.
        const int hours = int(model.integer(IntegerId::RunTime)) / 60;
        QVERIFY(hours > 0);
        QTRY_VERIFY(showsText(QStringLiteral("Total runtime: %1h").arg(hours)));
        QTRY_VERIFY(
            showsText(QStringLiteral("Clean-ups: %1").arg(model.integer(IntegerId::CleanupTotal))));
        QTRY_VERIFY(showsText(QStringLiteral("Magnetic contact: Connected")));
        QTRY_VERIFY(showsText(QStringLiteral("  X3-X4: Off")));
        QTRY_VERIFY(showsText(QStringLiteral("  X5-X6: Off")));

        // The lights switched on at the sauna: the lights relay's line follows, in place.
        const view::ListModel &lines = *m_frame->configureTab.systemStatusViewManager.model();
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
        const view::ListModel &rows = *m_frame->configureTab.systemErrorLogViewManager.model();
        const QList<int> codes = errorCodesNewestFirst();
        QCOMPARE(codes.size(), errorLogEntries);
        QTRY_COMPARE(rows.rowCount(), errorLogEntries);
        QList<int> shown;
        for (int row = 0; row < rows.rowCount(); ++row)
            shown << rows.getApplId(row);
        QCOMPARE(shown, codes);
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
