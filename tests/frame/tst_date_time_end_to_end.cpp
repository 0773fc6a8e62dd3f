#include "frame_test_support.h"
#include "scene_items.h"

#include "control/calendar_queue_controller.h"
#include "control/time_controller.h"
#include "pc_panel/remote_sauna_list.h"
#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulated_sauna.h"
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

using signalInterface::DateTimeTypes;

namespace {

constexpr int waitMs = 10000;
const char saunaName[] = "Garden sauna";
const char saunaPin[] = "1357";

} // namespace

// The whole panel connected to the simulated sauna on loopback. The user goes to the settings
// tab, Date and time, and sets the sauna's time and date with the editors, switches the time
// format, the first day of the week and erases the calendar. Each change is checked where it
// lands: on the simulated sauna, and on the screens that show it (the main screen's clock, the
// calendar's month grid). Every tap is a mouse click on the scene's widget.
class TestDateTimeEndToEnd : public QObject
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

    // The row of a program-built list that carries the application id. The list is looked up
    // anew while waiting: the page pushed a moment ago replaces the one whose list was visible.
    void tapRow(const QString &listName, int applId)
    {
        // A page on its way out still shows its list, with rows of the same ids.
        waitForPagesAtRest();
        QQuickItem *row = nullptr;
        const bool found = QTest::qWaitFor(
            [&] {
                QQuickItem *list = findVisibleItem(sceneRoot(), listName);
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

    // The sauna's clock now, as the simulator keeps it.
    QDateTime saunaClock() const
    {
        return tools::SaunaStateModel::protocolEpoch().addMSecs(
            qint64(m_sauna->model().systemTime(QDateTime::currentDateTimeUtc())));
    }

    int saunaProgramsInUse() const
    {
        const auto &programs = m_sauna->model().records().calendarPrograms();
        return int(std::count_if(programs.begin(), programs.end(),
                                 [](const tools::CalendarRecord &record) { return record.inUse; }));
    }

    QString clockText()
    {
        QQuickItem *clock = findVisibleItem(sceneRoot(), QStringLiteral("clockText"));
        return clock ? clock->property("text").toString() : QString();
    }

    // The increase button of the stepper column (0 = the first) inside the editor.
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

    void tapTab(const QString &text)
    {
        QQuickItem *tab = findVisibleItem(sceneRoot(), [&text](QQuickItem *item) {
            return item->property("glyph").isValid() && item->property("text").toString() == text;
        });
        QVERIFY2(tab, qPrintable(text));
        tap(tab);
    }

    void tapBack() { tap(QStringLiteral("pageBackButton")); }

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

        // Connecting is the Network screen's business and has its own test: here the sauna is
        // found at its address and connected with its PIN directly.
        pcPanel::SaunaCommunication &link = m_frame->saunaCommunication;
        QSignalSpy detected(&link, &pcPanel::SaunaCommunication::ipDetectDone);
        signalInterface::RemoteSaunaTypes::RemoteSauna searched;
        searched.address = QHostAddress(QHostAddress::LocalHost);
        searched.port = m_sauna->announcePort();
        link.onIpDetectRequest(searched);
        QVERIFY(detected.wait(waitMs));
        QTRY_COMPARE(link.remoteSaunas().size(), 1);
        signalInterface::RemoteSaunaTypes::RemoteSauna found = link.remoteSaunas().value(0);
        found.pin = signalInterface::PinTypes::Pin{QString::fromLatin1(saunaPin)};
        link.onRemoteSaunaChangeRequest(found, true);
        link.onConnectRequest(found.identity);
        QTRY_VERIFY_WITH_TIMEOUT(link.isConnected(), waitMs);
        // The sauna's time has been reported: the Time row is offered.
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->controllerTab.timeController.systemTime().dateValid,
                                 waitMs);
        QTRY_COMPARE(m_frame->configureTab.dateTimeViewManager.model()->rowCount(), 4);
        dismissPopups();
    }

    void cleanupTestCase()
    {
        m_frame.reset();
        m_variant.reset();
        m_sauna.reset();
    }

    void setTimeAndFormat()
    {
        control::TimeController &time = m_frame->controllerTab.timeController;
        STEP(tapTab(QStringLiteral("Settings")));
        STEP(tap(QStringLiteral("settingsArea_dateTime")));
        STEP(waitForItem(QStringLiteral("dateTimeMenuList")));
        STEP(saveScreenshot(QStringLiteral("frame_date_time_menu")));
        // The Time row carries application id 0.
        STEP(tapRow(QStringLiteral("settingsList"), 0));
        STEP(waitForItem(QStringLiteral("dateTimeTimePage")));
        STEP(tapRow(QStringLiteral("settingsList"), -2));
        STEP(waitForItem(QStringLiteral("setTimePage")));

        // One hour on; the editor wraps within the sauna's day.
        const QDateTime reported = time.systemTime().dateTime;
        value::TimeValueManager &editor =
            *m_frame->configureTab.dateTimeTimeViewManager.timeEditor();
        QCOMPARE(editor.value().date(), reported.date());
        const QTime before = editor.value().time();
        STEP(tap(stepUpButton(QStringLiteral("setTimeStepper"), 0)));
        QTRY_COMPARE(editor.value().time().hour(), (before.hour() + 1) % 24);
        STEP(saveScreenshot(QStringLiteral("frame_date_time_set_time")));
        const QDateTime expected(reported.date(), QTime((before.hour() + 1) % 24, before.minute()),
                                 Qt::UTC);

        QSignalSpy reports(&time, &control::TimeController::systemTimeDetailsChanged);
        STEP(tap(QStringLiteral("setTimeSaveButton")));
        // The sauna's clock is set, and the sauna reports it back.
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(saunaClock().secsTo(expected)) < 60, waitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!reports.isEmpty() &&
                                     qAbs(reports.constLast().at(0).toDateTime().secsTo(expected)) <
                                         60,
                                 waitMs);
        // The 24-hour clock of the main screen shows it.
        QTRY_COMPARE(clockText(), time.runningSystemTime().dateTime.time().toString("HH:mm"));

        // Back on the Time page: AM/PM.
        STEP(waitForItem(QStringLiteral("dateTimeTimePage")));
        STEP(tapRow(QStringLiteral("settingsList"), int(DateTimeTypes::E_am_pm)));
        QTRY_COMPARE(time.timeFormat(), DateTimeTypes::E_am_pm);
        QTRY_VERIFY(clockText().endsWith(QStringLiteral("am")) ||
                    clockText().endsWith(QStringLiteral("pm")));
        const QTime now = time.runningSystemTime().dateTime.time();
        QCOMPARE(clockText(),
                 QStringLiteral("%1:%2 %3")
                     .arg(now.hour() % 12 == 0 ? 12 : now.hour() % 12)
                     .arg(now.minute(), 2, 10, QLatin1Char('0'))
                     .arg(now.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm")));
        STEP(saveScreenshot(QStringLiteral("frame_date_time_time_page")));
        STEP(tapBack());
        STEP(waitForItem(QStringLiteral("dateTimeMenuList")));
    }

    void setDateAndFormat()
    {
        control::TimeController &time = m_frame->controllerTab.timeController;
        // The Date row carries application id 1.
        STEP(tapRow(QStringLiteral("settingsList"), 1));
        STEP(waitForItem(QStringLiteral("dateTimeDatePage")));
        // Day/month/year first, so the editor's left stepper is the day.
        STEP(tapRow(QStringLiteral("settingsList"), int(DateTimeTypes::E_ddmmyy)));
        QTRY_COMPARE(time.dateFormat(), DateTimeTypes::E_ddmmyy);
        STEP(tapRow(QStringLiteral("settingsList"), -1));
        STEP(waitForItem(QStringLiteral("setDatePage")));

        value::DateValueManager &editor =
            *m_frame->configureTab.dateTimeDateViewManager.dateEditor();
        const QDate before = editor.value();
        QCOMPARE(before, time.systemTime().dateTime.date());
        // The year up: the day is cut to the month where needed (29 February).
        STEP(tap(stepUpButton(QStringLiteral("setDateStepper"), 2)));
        const QDate expectedDate = editor.steppedDate(2, 0).isValid() ? editor.value() : QDate();
        QTRY_COMPARE(editor.value().year(), before.year() + 1);
        QQuickItem *yearField = waitForItem(QStringLiteral("dateField2"));
        QVERIFY(yearField);
        QTRY_COMPARE(yearField->property("text").toString(),
                     editor.value().toString(QStringLiteral("yy")));
        STEP(saveScreenshot(QStringLiteral("frame_date_time_set_date")));

        STEP(tap(QStringLiteral("setDateSaveButton")));
        QTRY_COMPARE_WITH_TIMEOUT(saunaClock().date(), expectedDate, waitMs);
        QTRY_COMPARE_WITH_TIMEOUT(time.systemTime().dateTime.date(), expectedDate, waitMs);
        // The date row shows the reported date in the chosen format.
        STEP(waitForItem(QStringLiteral("dateTimeDatePage")));
        const QString dateText = expectedDate.toString(QStringLiteral("dd/MM/yy"));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), [&dateText](QQuickItem *item) {
            return item->property("text").toString() == dateText;
        }));
        STEP(saveScreenshot(QStringLiteral("frame_date_time_date_page")));
        STEP(tapBack());
        STEP(waitForItem(QStringLiteral("dateTimeMenuList")));
    }

    void weekStartSwitchesTheMonthGrid()
    {
        control::CalendarDateProgramOverviewController &month =
            m_frame->calendarTab.dateProgramOverviewController;
        const QStringList mondayFirst = month.weekDayHeaders();
        QCOMPARE(mondayFirst.size(), 7);
        STEP(tapRow(QStringLiteral("settingsList"), 2));
        STEP(waitForItem(QStringLiteral("dateTimeWeekStartPage")));
        STEP(tapRow(QStringLiteral("settingsList"), int(signalInterface::CalendarTypes::E_sunday)));
        QTRY_COMPARE(m_frame->controllerTab.timeController.weekDayStart(),
                     signalInterface::CalendarTypes::E_sunday);
        QTRY_COMPARE(month.weekDayHeaders().first(), mondayFirst.last());
        STEP(saveScreenshot(QStringLiteral("frame_date_time_week_start")));
        STEP(tapBack());

        // The calendar tab's month grid is drawn from these headers; it now begins with Sunday.
        STEP(tapTab(QStringLiteral("Calendar")));
        STEP(saveScreenshot(QStringLiteral("frame_date_time_calendar_tab")));
        STEP(tapTab(QStringLiteral("Settings")));
        STEP(waitForItem(QStringLiteral("dateTimeMenuList")));
    }

    void eraseCalendarEmptiesTheSauna()
    {
        // Two programs on the sauna, sent as the calendar pages would.
        const QDateTime tomorrow = saunaClock().addDays(1);
        for (quint32 index : {3u, 7u}) {
            signalInterface::CalendarProgram program(index);
            program.inUse = true;
            program.start = QDateTime(tomorrow.date(), QTime(18, 0), Qt::UTC);
            m_frame->saunaCommunication.saunaSystemSender()->onCalendarProgramChangeRequested(
                program);
        }
        QTRY_COMPARE_WITH_TIMEOUT(saunaProgramsInUse(), 2, waitMs);
        control::details::CalendarDataProvider &held = m_frame->calendarTab.calendarDataProvider;
        QTRY_VERIFY_WITH_TIMEOUT(held.program(3) && held.program(3)->inUse && held.program(7) &&
                                     held.program(7)->inUse,
                                 waitMs);

        STEP(tapRow(QStringLiteral("settingsList"), 5));
        STEP(waitForItem(QStringLiteral("dateTimeEraseCalendarPage")));
        STEP(saveScreenshot(QStringLiteral("frame_date_time_erase_calendar")));
        QCOMPARE(m_frame->configureTab.dateTimeEraseCalendarViewManager.model()->rowCount(), 1);
        STEP(tap(QStringLiteral("rowButton")));
        auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        QTRY_VERIFY(popup->isVisible());
        STEP(saveScreenshot(QStringLiteral("frame_date_time_erase_question")));
        QQuickItem *yes = findVisibleItem(popup, QStringLiteral("popupLeftButton"));
        QVERIFY(yes);
        qInfo() << "question:" << popup->property("popupText").toString() << "answered"
                << yes->property("text").toString();
        STEP(tap(yes));
        QTRY_COMPARE_WITH_TIMEOUT(saunaProgramsInUse(), 0, waitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!held.program(3)->inUse && !held.program(7)->inUse, waitMs);
    }
};

QTEST_MAIN(TestDateTimeEndToEnd)
#include "tst_date_time_end_to_end.moc"
