#include "panel_under_test.h"
#include "view_cpp/language_support.h"

#include "sauna_simulator/sauna_state_model.h"
#include "view_cpp/calendar_tab_object_id_provider.h"

#include <QQuickItem>
#include <QTest>

#include <functional>
#include <optional>

// The whole program as a user meets it: the panel's own objects with the real scene, connected to
// the simulated sauna on loopback. The user saves the current settings as a favorite and names it
// on the on-screen keyboard, starts it, changes it; makes a weekday program and a date program
// with a ready time, that favorite and a stop time, changes and deletes each; and deletes the
// favorite. Every step is checked twice: in the record the sauna now keeps, and in the list the
// panel shows from the sauna's report. Every tap is a mouse click where the item is drawn.

namespace {

using tools::CalendarRecord;
using tools::FavoriteRecord;

QDateTime startOf(const CalendarRecord &record)
{
    return tools::SaunaStateModel::protocolEpoch().addMSecs(static_cast<qint64>(record.startTime));
}

} // namespace

class TestFullProgram : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    const tools::SaunaRecordStore &records() const { return m_sauna->model().records(); }

    // The slot of the favorite the sauna keeps under that name.
    std::optional<FavoriteRecord> favoriteNamed(const QString &name) const
    {
        for (const FavoriteRecord &favorite : records().favorites()) {
            if (favorite.inUse && favorite.name == name)
                return favorite;
        }
        return std::nullopt;
    }

    int favoritesInUse() const
    {
        int count = 0;
        for (const FavoriteRecord &favorite : records().favorites())
            count += favorite.inUse ? 1 : 0;
        return count;
    }

    QList<CalendarRecord> programsInUse() const
    {
        QList<CalendarRecord> programs;
        for (const CalendarRecord &program : records().calendarPrograms()) {
            if (program.inUse)
                programs << program;
        }
        return programs;
    }

    // A button or tab drawn with that text (the outermost item that carries it).
    QQuickItem *waitForText(const QString &text)
    {
        return waitForItem(
            sceneRoot(),
            [&](QQuickItem *item) {
                return item->property("text").toString() == text &&
                       (item->inherits("QQuickMouseArea") || item->property("pressed").isValid() ||
                        item->property("glyph").isValid() || item->property("checked").isValid());
            },
            QStringLiteral("\"%1\"").arg(text));
    }

    // The row of a list that shows that main text.
    QQuickItem *waitForRow(const QString &listName, const QString &text)
    {
        QQuickItem *list = waitForItem(listName);
        if (list == nullptr)
            return nullptr;
        return waitForItem(
            list,
            [&](QQuickItem *item) {
                return isRow(item) && item->property("mainText").toString() == text;
            },
            QStringLiteral("row \"%1\" of %2").arg(text, listName));
    }

    void tapText(const QString &text)
    {
        QQuickItem *item = waitForText(text);
        QVERIFY2(item, qPrintable(text));
        tap(item);
    }

    void tapRow(const QString &listName, const QString &text)
    {
        QQuickItem *row = waitForRow(listName, text);
        QVERIFY2(row, qPrintable(QStringLiteral("%1: %2").arg(listName, text)));
        tap(row, [this, listName, text] { return findRow(listName, text); });
    }

    // The row of a program-built list that carries the application id.
    void tapRow(const QString &listName, int applId)
    {
        QQuickItem *list = waitForItem(listName);
        QVERIFY2(list, qPrintable(listName));
        QQuickItem *row = waitForItem(
            list,
            [applId](QQuickItem *item) {
                return isRow(item) && item->property("applId").toInt() == applId;
            },
            QStringLiteral("row %1 of %2").arg(applId).arg(listName));
        QVERIFY2(row, qPrintable(QStringLiteral("%1 row %2").arg(listName).arg(applId)));
        tap(row, [this, listName, applId] {
            return findVisibleItem(
                findVisibleItem(sceneRoot(), listName), [applId](QQuickItem *item) {
                    return isRow(item) && item->property("applId").toInt() == applId;
                });
        });
    }

    // The step button of a stepper: the first one of that direction, which is the hours' one on
    // the time and duration steppers.
    void tapStep(const QString &stepperName, bool increase)
    {
        QQuickItem *stepper = waitForItem(stepperName);
        QVERIFY2(stepper, qPrintable(stepperName));
        QQuickItem *button = findVisibleItem(stepper, [increase](QQuickItem *item) {
            return item->property("increase").isValid() &&
                   item->property("increase").toBool() == increase;
        });
        QVERIFY2(button, qPrintable(stepperName));
        tap(button);
    }

    // Answers a question with the button of that text; returns the question.
    QString answer(const QString &button)
    {
        auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        if (popup == nullptr)
            return QString();
        if (!QTest::qWaitFor([popup] { return popup->isVisible(); }, waitMs))
            return QString();
        const QString question = popup->property("popupText").toString();
        QQuickItem *pressed = findVisibleItem(popup, [&button](QQuickItem *item) {
            return item->objectName().startsWith(QStringLiteral("popup")) &&
                   item->objectName().endsWith(QStringLiteral("Button")) &&
                   item->property("text").toString() == button;
        });
        if (pressed == nullptr)
            return QString();
        tap(pressed);
        return question;
    }

    // The shown value of a stepper in the visible editor that carries the label.
    QString stepperText(const QString &label)
    {
        QQuickItem *stepper = findVisibleItem(sceneRoot(), [&label](QQuickItem *item) {
            return item->property("label").toString() == label &&
                   item->findChild<QQuickItem *>(QStringLiteral("valueText")) != nullptr;
        });
        if (stepper == nullptr)
            return QString();
        return stepper->findChild<QQuickItem *>(QStringLiteral("valueText"))
            ->property("text")
            .toString();
    }

    QQuickItem *stepperButton(const QString &label, const char *name)
    {
        QQuickItem *stepper = findVisibleItem(sceneRoot(), [&label](QQuickItem *item) {
            return item->property("label").toString() == label &&
                   item->findChild<QQuickItem *>(QStringLiteral("valueText")) != nullptr;
        });
        return stepper ? stepper->findChild<QQuickItem *>(QString::fromLatin1(name)) : nullptr;
    }

    // The first row of the program list that the weekday or date program editor shows from the
    // sauna's report: "19:00 - 22:00" and the favorite's name.
    void verifyProgramRow(const QString &listName, const QString &times, const QString &favorite)
    {
        QQuickItem *row = waitForRow(listName, times);
        QVERIFY2(row, qPrintable(QStringLiteral("%1: %2 in %3")
                                     .arg(listName, times, rowTexts(listName).join(", "))));
        QCOMPARE(row->property("value1Text").toString(), favorite);
    }

    // The value a row of the visible program's settings shows.
    QString settingsValue(int applId)
    {
        QQuickItem *list = findVisibleItem(sceneRoot(), QStringLiteral("programSettingsList"));
        QQuickItem *row = findVisibleItem(list, [applId](QQuickItem *item) {
            return isRow(item) && item->property("applId").toInt() == applId;
        });
        return row ? row->property("value1Text").toString() : QString();
    }

    // In the open program's settings: the ready time an hour later (as many times as asked), the
    // favorite, and the stop time an hour earlier.
    void editProgram(const QString &readyAtName, const QString &stopAfterName, int laterHours,
                     const QString &favorite, int shorterHours)
    {
        if (laterHours > 0) {
            STEP(tapRow(QStringLiteral("programSettingsList"), 0));
            for (int step = 0; step < laterHours; ++step)
                STEP(tapStep(readyAtName, true));
            STEP(tap(QStringLiteral("programSetTimeButton")));
        }
        if (!favorite.isEmpty()) {
            STEP(tapRow(QStringLiteral("programSettingsList"), 1));
            STEP(tapRow(QStringLiteral("programFavoriteList"), favorite));
            QTRY_COMPARE(settingsValue(1), favorite);
        }
        if (shorterHours > 0) {
            STEP(tapRow(QStringLiteral("programSettingsList"), 2));
            for (int step = 0; step < shorterHours; ++step)
                STEP(tapStep(stopAfterName, false));
            STEP(tap(QStringLiteral("programSetStopTimeButton")));
        }
        QVERIFY(waitForItem(QStringLiteral("programSettingsList")));
    }

private slots:
    void initTestCase()
    {
        STEP(startKnowingNoSauna(
            saunaOptions(QStringLiteral("Loft sauna"), QStringLiteral("2580"))));
        QCOMPARE(favoritesInUse(), 0);
        QVERIFY(programsInUse().isEmpty());
        STEP(connectToTheSauna());
        STEP(dismissPopups());
    }

    void cleanupTestCase() { shutDown(); }

    void favoriteNamedOnTheKeyboardStartedAndChanged()
    {
        const auto &model = m_sauna->model();
        STEP(tapTab(QStringLiteral("Favorites")));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("favoritesList")));
        QVERIFY(rowTexts(QStringLiteral("favoritesList")).isEmpty());

        // "Save current settings as favorite" asks for the name on the keyboard.
        STEP(tapText(QStringLiteral("Save current settings as favorite")));
        QQuickItem *keyboard = waitForItem(QStringLiteral("onScreenKeyboard"));
        QVERIFY(keyboard);
        QCOMPARE(keyboard->property("text").toString(), QString());
        STEP(typeOnKeyboard(QStringLiteral("Evening")));
        QCOMPARE(keyboard->property("text").toString(), QStringLiteral("Evening"));
        STEP(saveScreenshot(QStringLiteral("full_program_keyboard")));
        STEP(tap(QStringLiteral("keyboardSaveButton")));
        QTRY_VERIFY(!keyboard->isVisible());

        // The sauna keeps it with its current settings; the list shows it from its report.
        QTRY_VERIFY_WITH_TIMEOUT(favoriteNamed(QStringLiteral("Evening")).has_value(), waitMs);
        FavoriteRecord evening = *favoriteNamed(QStringLiteral("Evening"));
        QCOMPARE(favoritesInUse(), 1);
        const quint32 target = model.integer(tools::IntegerId::TargetTemperature);
        QCOMPARE(evening.temperature, target);
        QCOMPARE(evening.lights, false);
        QVERIFY(waitForRow(QStringLiteral("favoritesList"), QStringLiteral("Evening")));
        QCOMPARE(rowTexts(QStringLiteral("favoritesList")), QStringList{QStringLiteral("Evening")});

        // Start: the sauna goes on with the favorite's settings.
        QCOMPARE(model.state(), int(tools::SaunaStateValue::Off));
        STEP(tapRow(QStringLiteral("favoritesList"), QStringLiteral("Evening")));
        QTRY_VERIFY(m_frame->favoriteTab.favoriteController.editing());
        QCOMPARE(stepperText(QStringLiteral("Temperature")),
                 QStringLiteral("%1 °C").arg(evening.temperature / 9));
        STEP(tap(QStringLiteral("favoriteStartButton")));
        QTRY_COMPARE_WITH_TIMEOUT(model.state(), int(tools::SaunaStateValue::On), waitMs);
        QCOMPARE(model.integer(tools::IntegerId::TargetTemperature), evening.temperature);

        // Change: two degrees warmer, the lights on and a new name typed on the keyboard.
        QTRY_VERIFY(m_frame->favoriteTab.favoriteController.editing());
        QQuickItem *warmer = stepperButton(QStringLiteral("Temperature"), "increaseButton");
        QVERIFY(warmer);
        STEP(tap(warmer));
        STEP(tap(warmer));
        QTRY_COMPARE(stepperText(QStringLiteral("Temperature")),
                     QStringLiteral("%1 °C").arg(evening.temperature / 9 + 2));
        QQuickItem *lights = waitForItem(
            sceneRoot(),
            [](QQuickItem *item) {
                return item->property("text").toString() == QStringLiteral("Lights") &&
                       item->property("checked").isValid();
            },
            QStringLiteral("Lights switch"));
        QVERIFY(lights);
        QCOMPARE(lights->property("checked").toBool(), false);
        // The switch at the row's end takes the tap.
        QQuickItem *lightsSwitch = findVisibleItem(lights, [lights](QQuickItem *item) {
            return item != lights && item->property("checked").isValid();
        });
        QVERIFY(lightsSwitch);
        STEP(tap(lightsSwitch));
        QTRY_COMPARE(lights->property("checked").toBool(), true);
        STEP(tap(QStringLiteral("favoriteNameButton")));
        QTRY_VERIFY(keyboard->isVisible());
        QCOMPARE(keyboard->property("text").toString(), QStringLiteral("Evening"));
        STEP(typeOnKeyboard(QStringLiteral(" 2")));
        STEP(tap(QStringLiteral("keyboardSaveButton")));
        QTRY_VERIFY(!keyboard->isVisible());
        QQuickItem *header = waitForItem(
            sceneRoot(),
            [](QQuickItem *item) {
                return item->property("title").toString() == QStringLiteral("Evening 2");
            },
            QStringLiteral("header \"Evening 2\""));
        QVERIFY(header);
        STEP(saveScreenshot(QStringLiteral("full_program_favorite_editor")));
        // Nothing reaches the sauna before Save.
        QCOMPARE(*favoriteNamed(QStringLiteral("Evening")), evening);
        STEP(tapText(QStringLiteral("Save")));
        QTRY_VERIFY(!m_frame->favoriteTab.favoriteController.editing());

        QTRY_VERIFY_WITH_TIMEOUT(favoriteNamed(QStringLiteral("Evening 2")).has_value(), waitMs);
        const FavoriteRecord changed = *favoriteNamed(QStringLiteral("Evening 2"));
        QCOMPARE(changed.index, evening.index);
        QCOMPARE(changed.temperature, evening.temperature + 18);
        QCOMPARE(changed.humidity, evening.humidity);
        QCOMPARE(changed.bathTime, evening.bathTime);
        QCOMPARE(changed.lights, true);
        QCOMPARE(favoritesInUse(), 1);
        QTRY_COMPARE(rowTexts(QStringLiteral("favoritesList")),
                     QStringList{QStringLiteral("Evening 2")});

        // Opened again, the editor shows what the sauna reported; started again, the sauna takes
        // the changed settings.
        STEP(tapRow(QStringLiteral("favoritesList"), QStringLiteral("Evening 2")));
        QTRY_VERIFY(m_frame->favoriteTab.favoriteController.editing());
        QCOMPARE(stepperText(QStringLiteral("Temperature")),
                 QStringLiteral("%1 °C").arg(changed.temperature / 9));
        STEP(tap(QStringLiteral("favoriteStartButton")));
        QTRY_COMPARE_WITH_TIMEOUT(model.integer(tools::IntegerId::TargetTemperature),
                                  changed.temperature, waitMs);
        QTRY_VERIFY_WITH_TIMEOUT(model.boolean(tools::BooleanId::Lights), waitMs);
        QCOMPARE(model.state(), int(tools::SaunaStateValue::On));
        if (m_frame->favoriteTab.favoriteController.editing())
            STEP(tap(QStringLiteral("pageBackButton")));
        QTRY_VERIFY(!m_frame->favoriteTab.favoriteController.editing());
    }
    void weekdayProgramMadeChangedAndDeleted()
    {
        const std::optional<FavoriteRecord> favorite = favoriteNamed(QStringLiteral("Evening 2"));
        QVERIFY(favorite);
        const details::CalendarTabObjectIdProvider &ids = m_frame->calendarTabObjectIdProvider;
        QObject &controller = m_frame->calendarTab.weekdayProgramController;
        STEP(tapTab(QStringLiteral("Calendar")));
        STEP(tapRow(QStringLiteral("weekDaysList"), QStringLiteral("Mondays")));
        QTRY_COMPARE(rowTexts(QStringLiteral("weekDayProgramsList")),
                     QStringList{QStringLiteral("weekday calendar program")});

        // A new program: ready at 19:00 instead of 18:00, the favorite, three hours instead of
        // four.
        STEP(tapRow(QStringLiteral("weekDayProgramsList"),
                    QStringLiteral("weekday calendar program")));
        QTRY_VERIFY(controller.property("editing").toBool());
        QTRY_COMPARE(settingsValue(0), QStringLiteral("18:00"));
        QTRY_COMPARE(settingsValue(2), QStringLiteral("4h 0min"));
        STEP(editProgram(ids.weekdayProgramReadyAtControlName(),
                         ids.weekdayProgramCustomStopAfterControlName(), 1,
                         QStringLiteral("Evening 2"), 1));
        QTRY_COMPARE(settingsValue(0), QStringLiteral("19:00"));
        QTRY_COMPARE(settingsValue(2), QStringLiteral("3h 0min"));
        STEP(saveScreenshot(QStringLiteral("full_program_program_editor")));
        QVERIFY(programsInUse().isEmpty());
        STEP(tap(QStringLiteral("programSaveButton")));
        QTRY_VERIFY(!controller.property("editing").toBool());

        QTRY_COMPARE_WITH_TIMEOUT(programsInUse().size(), 1, waitMs);
        const CalendarRecord made = programsInUse().constFirst();
        QVERIFY(made.weekdayProgram);
        QCOMPARE(made.startMode, CalendarRecord::ReadyAt);
        QCOMPARE(made.favorite, favorite->index);
        QCOMPARE(made.stopAfter, 180u);
        QCOMPARE(startOf(made).date().dayOfWeek(), 1);
        QCOMPARE(startOf(made).time(), QTime(19, 0));
        STEP(verifyProgramRow(QStringLiteral("weekDayProgramsList"),
                              QStringLiteral("19:00 - 22:00"), QStringLiteral("Evening 2")));
        STEP(saveScreenshot(QStringLiteral("full_program_week_list")));

        // Changed: an hour later.
        STEP(tapRow(QStringLiteral("weekDayProgramsList"), QStringLiteral("19:00 - 22:00")));
        QTRY_VERIFY(controller.property("editing").toBool());
        QTRY_COMPARE(settingsValue(1), QStringLiteral("Evening 2"));
        STEP(editProgram(ids.weekdayProgramReadyAtControlName(), QString(), 1, QString(), 0));
        STEP(tap(QStringLiteral("programSaveButton")));
        QTRY_COMPARE_WITH_TIMEOUT(startOf(records().calendarPrograms()[made.index]).time(),
                                  QTime(20, 0), waitMs);
        const CalendarRecord changed = records().calendarPrograms()[made.index];
        QVERIFY(changed.inUse);
        QCOMPARE(programsInUse().size(), 1);
        QCOMPARE(changed.favorite, favorite->index);
        QCOMPARE(changed.stopAfter, 180u);
        QCOMPARE(startOf(changed).date().dayOfWeek(), 1);
        STEP(verifyProgramRow(QStringLiteral("weekDayProgramsList"),
                              QStringLiteral("20:00 - 23:00"), QStringLiteral("Evening 2")));
        QCOMPARE(rowTexts(QStringLiteral("weekDayProgramsList")).size(), 2);

        // Deleted after the question.
        STEP(tapRow(QStringLiteral("weekDayProgramsList"), QStringLiteral("20:00 - 23:00")));
        QTRY_VERIFY(controller.property("editing").toBool());
        STEP(tap(QStringLiteral("programDeleteButton")));
        const QString question = answer(QStringLiteral("Yes"));
        QVERIFY2(question.contains(QStringLiteral("20:00")), qPrintable(question));
        QTRY_VERIFY_WITH_TIMEOUT(programsInUse().isEmpty(), waitMs);
        QTRY_COMPARE(rowTexts(QStringLiteral("weekDayProgramsList")),
                     QStringList{QStringLiteral("weekday calendar program")});
        STEP(tap(QStringLiteral("pageBackButton")));
        QTRY_VERIFY(waitForRow(QStringLiteral("weekDaysList"), QStringLiteral("Mondays")));
    }

    void dateProgramMadeChangedAndDeleted()
    {
        const std::optional<FavoriteRecord> favorite = favoriteNamed(QStringLiteral("Evening 2"));
        QVERIFY(favorite);
        const details::CalendarTabObjectIdProvider &ids = m_frame->calendarTabObjectIdProvider;
        QObject &controller = m_frame->calendarTab.dateProgramController;
        // Three days ahead by the sauna's clock, on the month page that shows it.
        const QDate today = saunaClock().date();
        const QDate day = today.addDays(3);
        STEP(tapText(QStringLiteral("Dates")));
        if (day.month() != today.month())
            STEP(tapText(QStringLiteral("›")));
        auto dayCell = [&day](QQuickItem *item) {
            return item->property("textOnDayButton").toString() == QString::number(day.day()) &&
                   item->property("dayButtonEnabled").toBool();
        };
        QQuickItem *cell = waitForItem(sceneRoot(), dayCell, QStringLiteral("day cell"));
        QVERIFY(cell);
        QCOMPARE(cell->property("dayPostAvailable").toBool(), false);
        STEP(tap(cell));
        QTRY_COMPARE(rowTexts(QStringLiteral("dateProgramsList")),
                     QStringList{QStringLiteral("date calendar program")});

        STEP(tapRow(QStringLiteral("dateProgramsList"), QStringLiteral("date calendar program")));
        QTRY_VERIFY(controller.property("editing").toBool());
        QTRY_COMPARE(settingsValue(0), QStringLiteral("18:00"));
        STEP(editProgram(ids.dateProgramReadyAtControlName(),
                         ids.dateProgramCustomStopAfterControlName(), 1,
                         QStringLiteral("Evening 2"), 1));
        STEP(tap(QStringLiteral("programSaveButton")));
        QTRY_VERIFY(!controller.property("editing").toBool());

        QTRY_COMPARE_WITH_TIMEOUT(programsInUse().size(), 1, waitMs);
        const CalendarRecord made = programsInUse().constFirst();
        QVERIFY(!made.weekdayProgram);
        QCOMPARE(made.startMode, CalendarRecord::ReadyAt);
        QCOMPARE(made.favorite, favorite->index);
        QCOMPARE(made.stopAfter, 180u);
        QCOMPARE(startOf(made), QDateTime(day, QTime(19, 0), Qt::UTC));
        STEP(verifyProgramRow(QStringLiteral("dateProgramsList"), QStringLiteral("19:00 - 22:00"),
                              QStringLiteral("Evening 2")));
        STEP(saveScreenshot(QStringLiteral("full_program_date_list")));

        // Changed: two hours later.
        STEP(tapRow(QStringLiteral("dateProgramsList"), QStringLiteral("19:00 - 22:00")));
        QTRY_VERIFY(controller.property("editing").toBool());
        STEP(editProgram(ids.dateProgramReadyAtControlName(), QString(), 2, QString(), 0));
        STEP(tap(QStringLiteral("programSaveButton")));
        QTRY_COMPARE_WITH_TIMEOUT(startOf(records().calendarPrograms()[made.index]),
                                  QDateTime(day, QTime(21, 0), Qt::UTC), waitMs);
        QCOMPARE(programsInUse().size(), 1);
        QCOMPARE(records().calendarPrograms()[made.index].favorite, favorite->index);
        STEP(verifyProgramRow(QStringLiteral("dateProgramsList"), QStringLiteral("21:00 - 00:00"),
                              QStringLiteral("Evening 2")));

        // The month marks the day while it has a program.
        STEP(tap(QStringLiteral("pageBackButton")));
        cell = waitForItem(sceneRoot(), dayCell, QStringLiteral("day cell"));
        QVERIFY(cell);
        QTRY_VERIFY(cell->property("dayPostAvailable").toBool());
        STEP(tap(cell));

        STEP(tapRow(QStringLiteral("dateProgramsList"), QStringLiteral("21:00 - 00:00")));
        QTRY_VERIFY(controller.property("editing").toBool());
        STEP(tap(QStringLiteral("programDeleteButton")));
        const QString question = answer(QStringLiteral("Yes"));
        QVERIFY2(question.contains(QStringLiteral("21:00")), qPrintable(question));
        QTRY_VERIFY_WITH_TIMEOUT(programsInUse().isEmpty(), waitMs);
        QTRY_COMPARE(rowTexts(QStringLiteral("dateProgramsList")),
                     QStringList{QStringLiteral("date calendar program")});
        STEP(tap(QStringLiteral("pageBackButton")));
        cell = waitForItem(sceneRoot(), dayCell, QStringLiteral("day cell"));
        QVERIFY(cell);
        QTRY_VERIFY(!cell->property("dayPostAvailable").toBool());
    }

    void favoriteDeleted()
    {
        const std::optional<FavoriteRecord> favorite = favoriteNamed(QStringLiteral("Evening 2"));
        QVERIFY(favorite);
        STEP(tapTab(QStringLiteral("Favorites")));
        STEP(tapRow(QStringLiteral("favoritesList"), QStringLiteral("Evening 2")));
        QTRY_VERIFY(m_frame->favoriteTab.favoriteController.editing());
        STEP(tapText(QStringLiteral("Delete")));
        // "No" keeps it.
        QVERIFY(!answer(QStringLiteral("No")).isEmpty());
        QVERIFY(m_frame->favoriteTab.favoriteController.editing());
        QCOMPARE(favoritesInUse(), 1);
        STEP(tapText(QStringLiteral("Delete")));
        QVERIFY(!answer(QStringLiteral("Yes")).isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!records().favorites()[favorite->index].inUse, waitMs);
        QCOMPARE(favoritesInUse(), 0);
        QTRY_VERIFY(!m_frame->favoriteTab.favoriteController.editing());
        QTRY_VERIFY(rowTexts(QStringLiteral("favoritesList")).isEmpty());
        STEP(saveScreenshot(QStringLiteral("full_program_favorites_list")));
    }

    // Once the user disconnects, the favorites and calendar tabs show nothing of the sauna: no
    // favorite, no queued program, the line that no sauna is connected, and disabled buttons.
    void tabsShowNothingOfTheSaunaOnceDisconnected()
    {
        const QString noSauna =
            QStringLiteral("No sauna is connected. Connect one in Settings → Network.");
        // While connected: a favorite in the list and a weekday program in the queue.
        STEP(tapTab(QStringLiteral("Favorites")));
        QVERIFY(!findVisibleItem(sceneRoot(), QStringLiteral("favoritesNotConnectedNotice")));
        STEP(tapText(QStringLiteral("Save current settings as favorite")));
        QQuickItem *keyboard = waitForItem(QStringLiteral("onScreenKeyboard"));
        QVERIFY(keyboard);
        STEP(typeOnKeyboard(QStringLiteral("Evening")));
        STEP(tap(QStringLiteral("keyboardSaveButton")));
        QTRY_VERIFY(!keyboard->isVisible());
        QVERIFY(waitForRow(QStringLiteral("favoritesList"), QStringLiteral("Evening")));

        QObject &controller = m_frame->calendarTab.weekdayProgramController;
        STEP(tapTab(QStringLiteral("Calendar")));
        STEP(tapText(QStringLiteral("Week")));
        STEP(tapRow(QStringLiteral("weekDaysList"), QStringLiteral("Mondays")));
        STEP(tapRow(QStringLiteral("weekDayProgramsList"),
                    QStringLiteral("weekday calendar program")));
        QTRY_VERIFY(controller.property("editing").toBool());
        STEP(tap(QStringLiteral("programSaveButton")));
        QTRY_VERIFY(!controller.property("editing").toBool());
        QTRY_COMPARE_WITH_TIMEOUT(programsInUse().size(), 1, waitMs);
        STEP(tap(QStringLiteral("pageBackButton")));
        STEP(tapText(QStringLiteral("Queue")));
        QTRY_VERIFY_WITH_TIMEOUT(!rowTexts(QStringLiteral("calendarQueueList")).isEmpty(), waitMs);
        QVERIFY(!findVisibleItem(sceneRoot(), QStringLiteral("calendarNotConnectedNotice")));

        // The user disconnects.
        m_frame->saunaCommunication.onDisconnectRequest();
        QTRY_VERIFY(!m_frame->controllerTab.wifiSymbolController.isConnected());
        STEP(dismissPopups());

        QVERIFY(waitForItem(QStringLiteral("calendarNotConnectedNotice")));
        QVERIFY(showsText(noSauna));
        QVERIFY(rowTexts(QStringLiteral("calendarQueueList")).isEmpty());
        QVERIFY(!findVisibleItem(sceneRoot(), QStringLiteral("weekDaysList")));
        for (const QString &section :
             {QStringLiteral("Week"), QStringLiteral("Dates"), QStringLiteral("Queue")}) {
            QQuickItem *button = waitForText(section);
            QVERIFY2(button && !button->isEnabled(), qPrintable(section));
        }
        STEP(saveScreenshot(QStringLiteral("full_program_calendar_disconnected")));

        STEP(tapTab(QStringLiteral("Favorites")));
        QVERIFY(waitForItem(QStringLiteral("favoritesNotConnectedNotice")));
        QVERIFY(showsText(noSauna));
        QVERIFY(rowTexts(QStringLiteral("favoritesList")).isEmpty());
        QVERIFY(!findVisibleItem(sceneRoot(), QStringLiteral("favoriteStartButton")));
        QQuickItem *save = waitForItem(QStringLiteral("saveCurrentAsFavoriteButton"));
        QVERIFY(save);
        QVERIFY(!save->isEnabled());
        STEP(saveScreenshot(QStringLiteral("full_program_favorites_disconnected")));
    }
};

QTEST_MAIN(TestFullProgram)
#include "tst_full_program.moc"
