#include "control/calendar_date_program_controller.h"
#include "control/calendar_date_program_overview_controller.h"
#include "control/calendar_queue_controller.h"
#include "control/calendar_weekday_program_controller.h"
#include "control/calendar_weekday_program_overview_controller.h"
#include "control/details/calendar_data_provider.h"
#include "control/details/calendar_program_settings_favorite_model.h"
#include "control/details/created_item_watch.h"
#include "protocol_buffers_support/si_pb_type_conversion/calendar_converter.h"
#include "sauna_bridge/zerededid_bridge_receiver_signal_interface.h"
#include "signal_interface/data_provider_types.h"
#include "signal_interface/protocol_facts.h"
#include "signal_interface/row_item_types.h"
#include "signal_interface/type_registration.h"
#include "support/created_item_window.h"
#include "support/local_time_zone.h"
#include "value/duration_manager_most_significant_component_hour.h"
#include "value/humidity_value_manager.h"
#include "value/temperature_value_manager.h"
#include "value/time_value_manager.h"
#include "view_cpp/calendar_month_day_item.h"
#include "view_cpp/component_types.h"
#include "view_cpp/language_support.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item_base.h"

#include <QAbstractItemModelTester>
#include <QHash>
#include <QMap>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

using signalInterface::CalendarProgram;
using signalInterface::CalendarTypes;
using signalInterface::UserMessageAction;
using signalInterface::FavoritesTypes::FavoritesPost;
using signalInterface::UserMessageTypes::UserMessage;

namespace {

// The sauna side: the receiver interface itself, whose signals the test emits.
class FakeBridge : public saunaBridge::ZerededidBridgeReceiverSignalInterface
{
public:
    FakeBridge() = default;
};

// The QML items of the calendar tab, with every signal the controllers connect.
class FakeCalendarView : public QObject
{
    Q_OBJECT

signals:
    void rowItemSelected(int row);
    void rowItemBtnSelected(int row);
    void calendarProgramSettingsEditCancelRequested();
    void calendarProgramSettingsEditBackRequested();
    void calendarProgramSettingsEditDeleteRequested();
    void calendarProgramSettingsEditSaveRequested();
    void calendarFavoriteSelected(int row);
    void calendarProgramSettingsCustomCommit();
    void customRowItemSelected(int row);
    void activationTimeCommit();
    void changeTemperatureValueRequested(int step);
    void changeHumidityValueRequested(int step);
    void stopAfterCommit();
    void monthEditActivated();
    void monthIncreaseSelected();
    void monthDecreaseSelected();
    void dateEditActivated(int day);
    void calendarDateProgramEditActivated(int row);
    void weekDayEditActivated(int row);
    void weekDayEditCancelled();
    void weekDaySwitchAllDaysActivation(bool activated);
    void calendarWeekdayProgramEditActivated(int row);
    void calendarQueueVisibleChanged(bool visible);
    void clearCalendarRequested();
};

// The native objects the start-up wiring hands to the calendar controllers.
class FakeNativeSources : public QObject
{
    Q_OBJECT

signals:
    void productTypeChanged(::signalInterface::VariantTypes::ProductType productType);
    void brandChanged(::signalInterface::VariantTypes::Brand brand);
    void systemTimeChanged(QDateTime dateTime);
    void dateFormatChanged(::signalInterface::DateTimeTypes::DateFormat format);
    void timeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat format);
    void weekDayStartChanged(::signalInterface::CalendarTypes::WeekDay day);
    void lockTimerTimeout();
    void temperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit unit);
    void languageChanged(::signalInterface::LanguageTypes::Language language);
    void favoriteChangeIssued(::signalInterface::FavoritesTypes::FavoritesPost favorite);
    void favoriteDeleteIssued(::signalInterface::FavoritesTypes::FavoritesPost favorite);
};

QDateTime wall(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

CalendarProgram dateProgram(quint32 index, const QDateTime &start)
{
    CalendarProgram program(index);
    program.inUse = true;
    program.start = start;
    program.duration = 60;
    program.temperature = 720;
    program.startMode = CalendarTypes::E_start_at;
    return program;
}

CalendarProgram weekdayProgram(quint32 index, const QDateTime &start)
{
    CalendarProgram program = dateProgram(index, start);
    program.weekday = true;
    return program;
}

FavoritesPost favoritePost(quint32 index, const QString &name, quint32 temperature)
{
    FavoritesPost favorite;
    favorite.index = index;
    favorite.inUse = true;
    favorite.name = name;
    favorite.temperature = temperature;
    favorite.humidity = 40;
    return favorite;
}

// The row that carries the application id, or -1: the views report rows, not ids.
int rowOf(const view::ListModel &model, int applId)
{
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.getApplId(row) == applId)
            return row;
    }
    return -1;
}

bool dayHasPost(const view::ListModel &month, int day)
{
    for (int row = 0; row < month.rowCount(); ++row) {
        if (month.getApplId(row) == day) {
            return month.data(month.index(row), view::CalendarMonthDayItem::DayPostAvailableRole)
                .toBool();
        }
    }
    return false;
}

vaholumo::Calendar_post onTheWire(const CalendarProgram &program)
{
    vaholumo::Calendar_post post;
    const auto error =
        pbSupport::conversion::CalendarConverter::instance().toPbCalendarPost(program, post);
    return error.isNull() ? post : vaholumo::Calendar_post();
}

// One calendar tab as the providers build it, wired to a fake bridge as the start-up code does.
struct CalendarTab
{
    CalendarTab()
    {
        const QList<QObject *> bridgeList{&bridge};
        connectFailures += provider.connectSaunaSignals(bridgeList);
        connectFailures += weekdayOverview.connectSaunaSignals(bridgeList);
        connectFailures += dateProgram.connectSaunaSignals(bridgeList);
        connectFailures += dateOverview.connectSaunaSignals(bridgeList);
        connectFailures += weekdayProgram.connectSaunaSignals(bridgeList);
        connectFailures += queue.connectSaunaSignals(bridgeList);
        connectFailures += dateProgram.connectProgramEditSignals({&dateOverview});
        connectFailures += weekdayProgram.connectProgramEditSignals({&weekdayOverview});
        connectFailures += provider.connectTimeSettingsSignals({&native});
    }

    void setNow(const QDateTime &now) { emit native.systemTimeChanged(now); }

    FakeBridge bridge;
    FakeNativeSources native;
    control::details::CalendarDataProvider provider;
    control::details::CalendarProgramSettingsFavoriteModel favoriteModel{&provider};
    control::CalendarDateProgramController dateProgram{nullptr, &provider, &favoriteModel};
    control::CalendarDateProgramOverviewController dateOverview{nullptr, &provider};
    control::CalendarWeekdayProgramOverviewController weekdayOverview{nullptr, &provider};
    control::CalendarWeekdayProgramController weekdayProgram{nullptr, &provider, &favoriteModel};
    control::CalendarQueueController queue{nullptr, &provider};
    int connectFailures = 0;
};

// A language in which every text reads in capitals: a change of language that a text follows.
class CapitalsTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QString::fromUtf8(sourceText).toUpper();
    }
};

// A language whose weekday and program-kind words start in lower case, as Finnish writes them.
class LowerCaseWordsTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        static const QHash<QByteArray, QString> words{
            {"Monday", QStringLiteral("maanantai")},
            {"Tuesday", QStringLiteral("tiistai")},
            {"Wednesday", QStringLiteral("keskiviikko")},
            {"Thursday", QStringLiteral("torstai")},
            {"Friday", QStringLiteral("perjantai")},
            {"Saturday", QStringLiteral("lauantai")},
            {"Sunday", QStringLiteral("sunnuntai")},
            {"weekday calendar program", QStringLiteral("viikonpäiväohjelma")},
            {"date calendar program", QStringLiteral("päivämääräohjelma")}};
        return words.value(QByteArray(sourceText));
    }
};

} // namespace

class TestCalendarControllers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }

    void everyConnectOperationFindsItsSignals()
    {
        CalendarTab tab;
        QCOMPARE(tab.connectFailures, 0);
        FakeCalendarView view;
        const QList<QObject *> views{&view};
        const QList<QObject *> natives{&tab.native};
        for (control::details::CalendarProgramSettingsControllerBase *program :
             {static_cast<control::details::CalendarProgramSettingsControllerBase *>(
                  &tab.dateProgram),
              static_cast<control::details::CalendarProgramSettingsControllerBase *>(
                  &tab.weekdayProgram)}) {
            QCOMPARE(program->connectProgramSettingsView(views), 0);
            QCOMPARE(program->connectActivationTimeView(views), 0);
            QCOMPARE(program->connectCustomTemperatureView(views), 0);
            QCOMPARE(program->connectCustomHumidityView(views), 0);
            QCOMPARE(program->connectStopAfterView(views), 0);
            QCOMPARE(program->connectTimeFormatChanged(natives), 0);
            QCOMPARE(program->connectTemperatureUnitChanged(natives), 0);
            QCOMPARE(program->connectLanguageChanged(natives), 0);
        }
        QCOMPARE(tab.dateOverview.connectMonthView(views), 0);
        QCOMPARE(tab.dateOverview.connectDateProgramView(views), 0);
        QCOMPARE(tab.dateOverview.connectWeekDayStartChanged(natives), 0);
        QCOMPARE(tab.dateOverview.connectLockTimerTimeout(natives), 0);
        QCOMPARE(tab.dateOverview.connectLanguageChanged(natives), 0);
        QCOMPARE(tab.weekdayOverview.connectWeekDaysView(views), 0);
        QCOMPARE(tab.weekdayOverview.connectWeekDayStartChanged(natives), 0);
        QCOMPARE(tab.queue.connectQueueView(views), 0);
        QCOMPARE(tab.queue.connectClearCalendarRequests(views), 0);
        QCOMPARE(tab.queue.connectFavoriteChanges(natives), 0);
        QCOMPARE(tab.queue.connectLanguageChanged(natives), 0);
        QCOMPARE(tab.provider.connectProductTypeChanged(natives), 0);
        QCOMPARE(tab.provider.connectBrandChanged(natives), 0);

        // An object without the signals fails every connect; an empty list connects nothing.
        QObject plain;
        QCOMPARE(tab.dateProgram.connectProgramSettingsView({&plain}), 9);
        QCOMPARE(tab.queue.connectSaunaSignals({&plain}), 7);
        QCOMPARE(tab.provider.connectSaunaSignals({&plain}), 11);
        QCOMPARE(tab.dateOverview.connectMonthView({}), 0);

        // The request signals carry the bridge sender's slot signature.
        QSignalSpy dateRequests(&tab.dateProgram, SIGNAL(calendarProgramChangeRequested(
                                                      ::signalInterface::CalendarProgram)));
        QSignalSpy queueRequests(
            &tab.queue, SIGNAL(calendarProgramChangeRequested(::signalInterface::CalendarProgram)));
        QSignalSpy weekRequests(&tab.weekdayOverview,
                                SIGNAL(scheduleItemDisableChangeRequested(bool)));
        QVERIFY(dateRequests.isValid());
        QVERIFY(queueRequests.isValid());
        QVERIFY(weekRequests.isValid());
    }

    void newDateProgramReachesSenderAndShowsOnlyAfterReport()
    {
        CalendarTab tab;
        QAbstractItemModelTester monthTester(tab.dateOverview.monthCalendarModel());
        QAbstractItemModelTester overviewTester(tab.dateOverview.dateOverviewModel());
        QAbstractItemModelTester settingsTester(tab.dateProgram.settingsModel());
        tab.setNow(wall(2024, 5, 10, 10, 0));
        emit tab.bridge.saunaTargetTemperatureChanged(630);
        emit tab.bridge.saunaTargetHumidityChanged(103);
        emit tab.bridge.saunaBathTimeChanged(45);
        QSignalSpy requests(
            &tab.dateProgram,
            &control::CalendarDateProgramController::calendarProgramChangeRequested);
        QSignalSpy completed(&tab.dateProgram,
                             &control::CalendarDateProgramController::calendarProgramEditCompleted);

        tab.dateOverview.onMonthEditActivated();
        tab.dateOverview.onDateEditActivated(12);
        QCOMPARE(tab.dateOverview.dateOverviewModel()->rowCount(), 1);
        tab.dateOverview.onCalendarDateProgramEditActivated(0);
        QVERIFY(tab.dateProgram.editing());
        QVERIFY(tab.dateProgram.newProgram());
        QVERIFY(!tab.weekdayProgram.editing());

        // Ready at 19:30 on the chosen day, stop after 90 minutes, own settings.
        tab.dateProgram.readyAtManager()->setValue(wall(2024, 5, 12, 19, 30));
        tab.dateProgram.onActivationTimeCommit();
        tab.dateProgram.customStopAfterManager()->setValueInMinutes(90);
        tab.dateProgram.onStopAfterCommit();
        tab.dateProgram.customTemperatureManager()->setValue(720);
        tab.dateProgram.onCalendarProgramSettingsCustomCommit();
        tab.dateProgram.onCalendarProgramSettingsEditSaveRequested();

        QCOMPARE(requests.size(), 1);
        QCOMPARE(completed.size(), 1);
        const auto sent = requests.at(0).at(0).value<CalendarProgram>();
        QCOMPARE(sent.index, 0u);
        QVERIFY(sent.inUse);
        QVERIFY(!sent.weekday);
        QCOMPARE(sent.start, wall(2024, 5, 12, 19, 30));
        QCOMPARE(sent.duration, 90u);
        QCOMPARE(sent.temperature, 720u);
        QCOMPARE(sent.humidity, 103u);
        QCOMPARE(sent.startMode, CalendarTypes::E_ready_at);
        QCOMPARE(sent.favorite, CalendarProgram::noFavorite);
        const vaholumo::Calendar_post post = onTheWire(sent);
        QCOMPARE(post.index(), 0u);
        QCOMPARE(post.favorite(), 100u);
        QCOMPARE(post.temperature(), 720u);
        QCOMPARE(post.humidity(), 103u);
        QCOMPARE(post.stop_after(), 90u);
        QCOMPARE(post.start_mode(), vaholumo::Calendar_post::READY_AT);
        QVERIFY(!post.weekday_program());

        // Nothing is shown before the sauna reports the program.
        QVERIFY(!dayHasPost(*tab.dateOverview.monthCalendarModel(), 12));
        QCOMPARE(tab.dateOverview.dateOverviewModel()->rowCount(), 1);
        emit tab.bridge.saunaCalendarProgramChanged(sent);
        QVERIFY(dayHasPost(*tab.dateOverview.monthCalendarModel(), 12));
        QCOMPARE(tab.dateOverview.dateOverviewModel()->rowCount(), 2);
        QCOMPARE(tab.dateOverview.dateOverviewModel()->getApplId(0), 0);
        QCOMPARE(tab.queue.model()->rowCount(), 1);
    }

    void editedProgramKeepsFavoriteAndFlag()
    {
        CalendarTab tab;
        QAbstractItemModelTester favoriteTester(tab.favoriteModel.model());
        tab.setNow(wall(2024, 5, 10, 10, 0));
        emit tab.bridge.saunaFavoritesPostChanged(favoritePost(2, QStringLiteral("Evening"), 810));
        // "Custom", the heading "Favorite" and the favorite.
        QCOMPARE(tab.favoriteModel.model()->rowCount(), 3);
        CalendarProgram stored = dateProgram(5, wall(2024, 5, 20, 18, 0));
        stored.option11 = true;
        emit tab.bridge.saunaCalendarProgramChanged(stored);
        QSignalSpy requests(
            &tab.dateProgram,
            &control::CalendarDateProgramController::calendarProgramChangeRequested);

        tab.dateOverview.onMonthEditActivated();
        tab.dateOverview.onDateEditActivated(20);
        tab.dateOverview.onCalendarDateProgramEditActivated(0);
        QVERIFY(tab.dateProgram.editing());
        QVERIFY(!tab.dateProgram.newProgram());
        tab.dateProgram.onCalendarFavoriteSelected(2);
        using Program = control::details::CalendarProgramSettingsControllerBase;
        const view::ListModel &rows = *tab.dateProgram.settingsModel();
        tab.dateProgram.onRowItemSelected(rowOf(rows, Program::E_standbyModeRow));
        tab.dateProgram.onRowItemBtnSelected(rowOf(rows, Program::E_startRow));
        // The sauna echoes the stored program with another flag: no news for this edit.
        CalendarProgram echo = stored;
        echo.option11 = false;
        QSignalSpy messages(&tab.dateProgram,
                            &control::CalendarDateProgramController::panelUserMessageIssued);
        emit tab.bridge.saunaCalendarProgramChanged(echo);
        QCOMPARE(messages.size(), 0);
        tab.dateProgram.onCalendarProgramSettingsEditSaveRequested();

        QCOMPARE(requests.size(), 1);
        const auto sent = requests.at(0).at(0).value<CalendarProgram>();
        QCOMPARE(sent.index, 5u);
        QCOMPARE(sent.favorite, 2);
        QVERIFY(sent.standby);
        QVERIFY(sent.option11);
        QCOMPARE(sent.startMode, CalendarTypes::E_ready_at);
        const vaholumo::Calendar_post post = onTheWire(sent);
        QCOMPARE(post.favorite(), 2u);
        QVERIFY(!post.has_temperature());
        QVERIFY(post.standby_mode());
        QVERIFY(post.extra_flag());

        // A change made on another panel is announced and taken over.
        tab.dateOverview.onCalendarDateProgramEditActivated(0);
        QVERIFY(!tab.dateProgram.editedProgram().option11);
        CalendarProgram elsewhere = stored;
        elsewhere.duration = 120;
        elsewhere.option11 = true;
        emit tab.bridge.saunaCalendarProgramChanged(elsewhere);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.last().at(0).value<UserMessage>().id, 0x2010u);
        QCOMPARE(tab.dateProgram.editedProgram().duration, 120u);
        QVERIFY(!tab.dateProgram.editedProgram().option11);
    }

    void stopAfterOutsideABathShowsNoValue_data()
    {
        QTest::addColumn<quint32>("minutes");
        QTest::addColumn<bool>("shown");
        // Whether the editor held another program's stop time before.
        QTest::addColumn<bool>("afterAnother");
        // Whether the sauna reports the program again during the edit, without a start.
        QTest::addColumn<bool>("reportedWithoutStart");
        // The program's row in the date's list and in the queue.
        QTest::addColumn<QString>("listed");
        const QString noStop = QStringLiteral("18:00 - --");
        QTest::newRow("none") << 0u << false << false << false << noStop;
        QTest::newRow("a minute") << 1u << true << false << false
                                  << QStringLiteral("18:00 - 18:01");
        QTest::newRow("a day") << 1440u << true << false << false
                               << QStringLiteral("18:00 - 18:00");
        QTest::newRow("a day and a minute") << 1441u << false << false << false << noStop;
        QTest::newRow("beyond an int") << 4294967295u << false << false << false << noStop;
        QTest::newRow("none, after a program with one") << 0u << false << true << false << noStop;
        QTest::newRow("reported without a start")
            << 90u << true << false << true << QStringLiteral("18:00 - 19:00");
        QTest::newRow("reported without a start or a stop")
            << 0u << false << true << true << QStringLiteral("18:00 - 19:00");
    }

    // A program's stop time that no bath can have reads "--" in both of its rows, in its date's
    // list and in the queue, and the editor opens at a new program's stop time, the sauna's bath
    // time, which Set stop time then keeps; until then Save sends nothing and the edit stays open.
    // A program reported without a start during the edit is edited from today 18:00, as on
    // opening.
    void stopAfterOutsideABathShowsNoValue()
    {
        using Rows = control::details::CalendarProgramSettingsControllerBase;
        QFETCH(quint32, minutes);
        QFETCH(bool, shown);
        QFETCH(bool, afterAnother);
        QFETCH(bool, reportedWithoutStart);
        QFETCH(QString, listed);
        CalendarTab tab;
        tab.setNow(wall(2024, 5, 10, 10, 0));
        emit tab.bridge.saunaBathTimeChanged(45);
        value::DurationManager *editor = tab.dateProgram.customStopAfterManager();
        CalendarProgram stored = dateProgram(5, wall(2024, 5, 20, 18, 0));
        stored.duration = reportedWithoutStart ? 60 : minutes;
        emit tab.bridge.saunaCalendarProgramChanged(stored);
        emit tab.bridge.saunaCalendarProgramChanged(dateProgram(6, wall(2024, 5, 20, 20, 0)));
        tab.dateOverview.onMonthEditActivated();
        tab.dateOverview.onDateEditActivated(20);
        const auto firstRow = [](const QAbstractItemModel *rows) {
            return rows->data(rows->index(0, 0), view::RowItemBase::TextOnSubMenuRole).toString();
        };
        QCOMPARE(firstRow(tab.dateOverview.dateOverviewModel()), listed);
        QVERIFY(firstRow(tab.queue.model()).endsWith(QLatin1Char(' ') + listed));
        if (afterAnother) {
            tab.dateOverview.onCalendarDateProgramEditActivated(1);
            tab.dateProgram.onRowItemSelected(Rows::E_stopAfterRow);
            QCOMPARE(editor->valueInMinutes(), 60);
            tab.dateProgram.onCalendarProgramSettingsEditCancelRequested();
        }
        QSignalSpy lower(editor, &value::DurationManager::lowerLimitReached);
        QSignalSpy upper(editor, &value::DurationManager::upperLimitReached);
        tab.dateOverview.onCalendarDateProgramEditActivated(0);
        QVERIFY(tab.dateProgram.editing());
        const QAbstractItemModel *settings = tab.dateProgram.settingsModel();
        const auto shownIn = [](const QAbstractItemModel *rows, int row) {
            return rows->data(rows->index(row, 0), view::RowItemBase::TextValue1Role).toString();
        };
        if (reportedWithoutStart) {
            stored.start = QDateTime();
            stored.duration = minutes;
            emit tab.bridge.saunaCalendarProgramChanged(stored);
            QCOMPARE(tab.dateProgram.editedProgram().start, wall(2024, 5, 10, 18, 0));
            QCOMPARE(tab.dateProgram.readyAtManager()->value(), wall(2024, 5, 10, 18, 0));
            QCOMPARE(shownIn(settings, Rows::E_startRow), QStringLiteral("18:00"));
        }

        const QString expected =
            shown ? view::LanguageSupport::durationText(minutes) : QStringLiteral("--");
        QCOMPARE(shownIn(settings, Rows::E_stopAfterRow), expected);
        const QAbstractItemModel *custom = tab.dateProgram.customStopAfterModel();
        QCOMPARE(shownIn(custom, custom->rowCount() - 1), expected);

        tab.dateProgram.onRowItemSelected(Rows::E_stopAfterRow);
        QCOMPARE(editor->valueInMinutes(), shown ? int(minutes) : 45);
        // The editor steps from the bath time, in either direction.
        if (!shown) {
            const QVariantList allBlocked{true, true, true, true};
            QVERIFY(!lower.isEmpty() && !upper.isEmpty());
            QVERIFY(lower.last() != allBlocked);
            QVERIFY(upper.last() != allBlocked);
        }
        QCOMPARE(shownIn(settings, Rows::E_stopAfterRow), expected);
        QSignalSpy requests(
            &tab.dateProgram,
            &control::CalendarDateProgramController::calendarProgramChangeRequested);
        // The user moves the start to 19:00.
        const QDate day = tab.dateProgram.editedProgram().start.date();
        tab.dateProgram.readyAtManager()->setValue(wall(day.year(), day.month(), day.day(), 19, 0));
        tab.dateProgram.onActivationTimeCommit();
        QCOMPARE(tab.dateProgram.savable(), shown);
        if (!shown) {
            tab.dateProgram.onCalendarProgramSettingsEditSaveRequested();
            QCOMPARE(requests.size(), 0);
            QVERIFY(tab.dateProgram.editing());
            QCOMPARE(tab.dateProgram.editedProgram().start.time(), QTime(19, 0));
        }
        tab.dateProgram.onStopAfterCommit();
        QCOMPARE(tab.dateProgram.editedProgram().duration, shown ? minutes : 45u);
        QCOMPARE(shownIn(settings, Rows::E_stopAfterRow),
                 view::LanguageSupport::durationText(shown ? minutes : 45));
        // The bath-time limit of the sauna stays the editor's limit.
        QVERIFY(editor->upperLimit() <= qint64(signalInterface::protocolFacts::longestBathMinutes) *
                                            value::DurationManager::millisecondsPerMinute);
        tab.dateProgram.onCalendarProgramSettingsEditSaveRequested();
        QCOMPARE(requests.size(), 1);
        const auto sent = requests.at(0).at(0).value<CalendarProgram>();
        QCOMPARE(sent.start.time(), QTime(19, 0));
        QCOMPARE(sent.duration, shown ? minutes : 45u);
    }

    void deleteAsksOnceAndSendsTheSlotEmptied()
    {
        CalendarTab tab;
        tab.setNow(wall(2024, 5, 10, 10, 0));
        emit tab.bridge.saunaCalendarProgramChanged(dateProgram(5, wall(2024, 5, 20, 18, 0)));
        emit tab.bridge.saunaCalendarProgramChanged(dateProgram(6, wall(2024, 5, 20, 20, 0)));
        QSignalSpy requests(
            &tab.dateProgram,
            &control::CalendarDateProgramController::calendarProgramChangeRequested);
        QSignalSpy messages(&tab.dateProgram,
                            &control::CalendarDateProgramController::panelUserMessageIssued);
        QSignalSpy completed(&tab.dateProgram,
                             &control::CalendarDateProgramController::calendarProgramEditCompleted);

        tab.dateOverview.onMonthEditActivated();
        tab.dateOverview.onDateEditActivated(20);
        tab.dateOverview.onCalendarDateProgramEditActivated(0);
        tab.dateProgram.onCalendarProgramSettingsEditDeleteRequested();
        QCOMPARE(messages.size(), 1);
        const auto question = messages.at(0).at(0).value<UserMessage>();
        QCOMPARE(question.id, 0x2015u);
        QCOMPARE(question.type, signalInterface::UserMessageTypes::E_typeTwoButtons);
        QCOMPARE(question.arguments.size(), 1);
        QVERIFY(question.arguments.at(0).contains(QStringLiteral("18:00")));
        auto *action = messages.at(0).at(1).value<UserMessageAction *>();
        QVERIFY(action);

        // While the question waits, a second delete (of another program) is not asked.
        tab.dateOverview.onCalendarDateProgramEditActivated(1);
        tab.dateProgram.onCalendarProgramSettingsEditDeleteRequested();
        QCOMPARE(messages.size(), 1);

        action->execute(signalInterface::UserMessageTypes::E_answerNo);
        QCOMPARE(requests.size(), 0);
        tab.dateProgram.onCalendarProgramSettingsEditDeleteRequested();
        QCOMPARE(messages.size(), 2);
        action->execute(signalInterface::UserMessageTypes::E_answerYes);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(completed.size(), 1);
        const auto sent = requests.at(0).at(0).value<CalendarProgram>();
        QCOMPARE(sent.index, 6u);
        QVERIFY(!sent.inUse);
        const vaholumo::Calendar_post post = onTheWire(sent);
        QCOMPARE(QByteArray::fromStdString(post.SerializeAsString()).toHex(),
                 QByteArray("08061000"));
        // Still shown until the sauna reports the slot empty.
        QCOMPARE(tab.dateOverview.dateOverviewModel()->rowCount(), 3);
        emit tab.bridge.saunaCalendarProgramChanged(sent);
        QCOMPARE(tab.dateOverview.dateOverviewModel()->rowCount(), 2);

        // A new program never saved has nothing on the sauna to delete: the edit just ends.
        tab.dateOverview.onCalendarDateProgramEditActivated(
            tab.dateOverview.dateOverviewModel()->rowCount() - 1);
        QVERIFY(tab.dateProgram.editing());
        tab.dateProgram.onCalendarProgramSettingsEditDeleteRequested();
        QVERIFY(!tab.dateProgram.editing());
        QCOMPARE(completed.size(), 2);
        QCOMPARE(messages.size(), 2);
        QCOMPARE(requests.size(), 1);
    }

    // Back on a program with a change not saved asks whether to save it; the answer saves the
    // program as edited or drops the change. Back without a change, and Cancel, leave at once.
    void backWithAChangeNotSavedAsksWhetherToSave_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        const int yes = signalInterface::UserMessageTypes::E_answerYes;
        const int no = signalInterface::UserMessageTypes::E_answerNo;
        QTest::newRow("start, yes") << QStringLiteral("start") << yes << true;
        QTest::newRow("start, no") << QStringLiteral("start") << no << false;
        QTest::newRow("own temperature, yes") << QStringLiteral("temperature") << yes << true;
        QTest::newRow("none") << QString() << -1 << false;
        QTest::newRow("cancelled") << QStringLiteral("cancelled") << -1 << false;
        // The chosen favorite is deleted at another panel; the row reads "Custom" again.
        QTest::newRow("start and a favorite deleted elsewhere, yes")
            << QStringLiteral("favorite deleted") << yes << true;
        QTest::newRow("start and a favorite deleted while asked, yes")
            << QStringLiteral("favorite deleted while asked") << yes << true;
        // Another panel takes the new program's slot 0; the edit moves to the free slot 1.
        QTest::newRow("a new program whose slot is taken while asked, yes")
            << QStringLiteral("new, slot taken while asked") << yes << true;
    }

    void backWithAChangeNotSavedAsksWhetherToSave()
    {
        QFETCH(QString, change);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        CalendarTab tab;
        tab.setNow(wall(2024, 5, 10, 10, 0));
        const CalendarProgram stored = weekdayProgram(4, wall(2024, 5, 13, 18, 0));
        emit tab.bridge.saunaCalendarProgramChanged(stored);
        QSignalSpy requests(
            &tab.weekdayProgram,
            &control::CalendarWeekdayProgramController::calendarProgramChangeRequested);
        QSignalSpy messages(&tab.weekdayProgram,
                            &control::CalendarWeekdayProgramController::panelUserMessageIssued);
        const bool fresh = change.startsWith(QLatin1String("new"));
        CalendarProgram opened(0);
        opened.weekday = true;
        opened.start = stored.start;
        emit tab.weekdayOverview.calendarProgramEditActivated(fresh ? opened : stored);
        QVERIFY(tab.weekdayProgram.editing());

        CalendarProgram expected = fresh ? tab.weekdayProgram.editedProgram() : stored;
        FavoritesPost deleted = favoritePost(1, QStringLiteral("Beta"), 810);
        emit tab.bridge.saunaFavoritesPostChanged(deleted);
        deleted.inUse = false;
        if (change.startsWith(QLatin1String("favorite"))) {
            tab.weekdayProgram.onCalendarFavoriteSelected(rowOf(*tab.favoriteModel.model(), 1));
            QCOMPARE(tab.weekdayProgram.editedProgram().favorite, 1);
        }
        if (change == QLatin1String("favorite deleted"))
            emit tab.bridge.saunaFavoritesPostChanged(deleted);
        if (change != QLatin1String("temperature") && !change.isEmpty()) {
            tab.weekdayProgram.readyAtManager()->setValue(wall(2024, 5, 13, 19, 30));
            tab.weekdayProgram.onActivationTimeCommit();
            expected.start = wall(2024, 5, 13, 19, 30);
        } else if (change == QLatin1String("temperature")) {
            tab.weekdayProgram.customTemperatureManager()->onChangeTemperatureValueRequested(
                signalInterface::DataProviderTypes::E_stepper_increase);
            tab.weekdayProgram.onCalendarProgramSettingsCustomCommit();
            expected.temperature = 729;
        }
        if (change == QLatin1String("cancelled"))
            tab.weekdayProgram.onCalendarProgramSettingsEditCancelRequested();
        else
            tab.weekdayProgram.onCalendarProgramSettingsEditBackRequested();
        if (answer < 0) {
            QCOMPARE(messages.size(), 0);
            QVERIFY(!tab.weekdayProgram.editing());
            QCOMPARE(requests.size(), 0);
            return;
        }

        // The question names the program by its day and its times as edited; the editor stays
        // until it is answered, and another Back does not ask twice.
        QCOMPARE(messages.size(), 1);
        const auto question = messages.at(0).at(0).value<UserMessage>();
        QCOMPARE(question.id, 0x204fu);
        QCOMPARE(question.type, signalInterface::UserMessageTypes::E_typeTwoButtons);
        QCOMPARE(question.arguments, QStringList{tab.provider.programDescription(expected)});
        QVERIFY(question.arguments.at(0).startsWith(QStringLiteral("Monday ")));
        QVERIFY(tab.weekdayProgram.editing());
        tab.weekdayProgram.onCalendarProgramSettingsEditBackRequested();
        QCOMPARE(messages.size(), 1);
        if (change == QLatin1String("favorite deleted while asked"))
            emit tab.bridge.saunaFavoritesPostChanged(deleted);
        if (fresh) {
            emit tab.bridge.saunaCalendarProgramChanged(weekdayProgram(0, wall(2024, 5, 13, 7, 0)));
            expected.index = 1;
        }

        messages.at(0).at(1).value<UserMessageAction *>()->execute(
            signalInterface::UserMessageTypes::UserMessageAnswer(answer));
        QVERIFY(!tab.weekdayProgram.editing());
        QCOMPARE(requests.size(), saved ? 1 : 0);
        if (saved)
            QCOMPARE(requests.at(0).at(0).value<CalendarProgram>(), expected);
    }

    // Two panels save a new Monday program at once (18:00 here, 19:00 there), each into the slot
    // it found free, and the sauna keeps the one it took last. The reports reach both panels in
    // the order the sauna took the requests: "other" before this panel's "own" echo was replaced
    // by it; "other" right after the echo replaced it, and this one goes again into the next free
    // slot, or the user is told that none is free. A change reported later ("later": the window
    // ends) is an edit made at the other panel; "edit" is one made here, this panel's own. "other"
    // with no echo in the window is a request or echo lost: this one goes again. "save" is Save,
    // "yes" answers its question; "open" opens another new Monday program here before the first
    // is known to be kept, and "first own" is the first one's echo.
    void aProgramCreatedAtOnceWithAnotherPanelIsKept_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("otherSlotsTaken");
        QTest::addColumn<QList<int>>("slotsRequested");
        QTest::addColumn<bool>("toldNoFree");
        QTest::newRow("another before the echo")
            << "save,other,own" << false << QList<int>{0} << false;
        QTest::newRow("another right after the echo")
            << "save,own,other" << false << QList<int>{0, 1} << false;
        QTest::newRow("another after the echo, no free slot")
            << "save,own,other" << true << QList<int>{0} << true;
        QTest::newRow("an edit later at the other panel")
            << "save,own,later,other" << false << QList<int>{0} << false;
        QTest::newRow("edited here right after the echo")
            << "save,own,edit,own" << false << QList<int>{0, 0} << false;
        // The program starts in the not-allowed window, so Save asks first.
        QTest::newRow("another before the answer to Save's question")
            << "window,save,other,yes,own" << false << QList<int>{1} << false;
        QTest::newRow("another item, echo lost: saved again when the window ends")
            << "save,other,later" << false << QList<int>{0, 1} << false;
        QTest::newRow("another item, echo lost, no free slot: told")
            << "save,other,later" << true << QList<int>{0} << true;
        QTest::newRow("another item, then own echo within the window: nothing")
            << "save,other,own,later" << false << QList<int>{0} << false;
        QTest::newRow("a second one while the first goes again: the next slot")
            << "save,own,other,open,save" << false << QList<int>{0, 1, 2} << false;
        QTest::newRow("a second one before the echo: the first still goes again")
            << "save,open,save,first own,other" << false << QList<int>{0, 1, 2} << false;
        QTest::newRow("the first goes again into the slot of a second one open")
            << "save,open,own,other,save" << false << QList<int>{0, 1, 2} << false;
    }

    void aProgramCreatedAtOnceWithAnotherPanelIsKept()
    {
        QFETCH(QString, steps);
        QFETCH(bool, otherSlotsTaken);
        QFETCH(QList<int>, slotsRequested);
        QFETCH(bool, toldNoFree);
        CalendarTab tab;
        tab.setNow(wall(2024, 5, 10, 10, 0));
        qint64 now = 1000;
        tab.provider.setMonotonicClock([&now] { return now; });
        for (quint32 index = 1; otherSlotsTaken && index < 64; ++index)
            emit tab.bridge.saunaCalendarProgramChanged(
                dateProgram(index, wall(2024, 6, 1, 0, 0).addSecs(index * 3600)));
        QSignalSpy requests(
            &tab.weekdayProgram,
            &control::CalendarWeekdayProgramController::calendarProgramChangeRequested);
        QSignalSpy messages(&tab.weekdayProgram,
                            &control::CalendarWeekdayProgramController::panelUserMessageIssued);
        CalendarProgram fresh(0);
        fresh.weekday = true;
        fresh.start = wall(2024, 5, 13, 18, 0);
        emit tab.weekdayOverview.calendarProgramEditActivated(fresh);
        for (const QString &step : steps.split(QLatin1Char(','))) {
            if (step == QLatin1String("window")) {
                emit tab.bridge.saunaNotAllowedStartEnableChanged(true);
                emit tab.bridge.saunaNotAllowedStartFromTimeChanged(QTime(17, 0));
                emit tab.bridge.saunaNotAllowedStartUntilTimeChanged(QTime(23, 0));
            } else if (step == QLatin1String("save")) {
                tab.weekdayProgram.onCalendarProgramSettingsEditSaveRequested();
            } else if (step == QLatin1String("yes")) {
                QCOMPARE(messages.size(), 1);
                messages.takeFirst().at(1).value<UserMessageAction *>()->execute(
                    signalInterface::UserMessageTypes::E_answerYes);
            } else if (step == QLatin1String("edit")) {
                emit tab.weekdayOverview.calendarProgramEditActivated(
                    requests.last().at(0).value<CalendarProgram>());
                tab.weekdayProgram.onRowItemBtnSelected(0);
                tab.weekdayProgram.onCalendarProgramSettingsEditSaveRequested();
            } else if (step == QLatin1String("open")) {
                tab.weekdayOverview.onWeekDayEditActivated(0);
                tab.weekdayOverview.onCalendarWeekdayProgramEditActivated(
                    tab.weekdayOverview.weekDayCalendarModel()->rowCount() - 1);
                QVERIFY(tab.weekdayProgram.newProgram());
            } else if (step == QLatin1String("later")) {
                passCreatedItemWindow(tab.provider, now);
            } else if (step.endsWith(QLatin1String("own"))) {
                QVERIFY(!requests.isEmpty());
                emit tab.bridge.saunaCalendarProgramChanged(
                    (step == QLatin1String("own") ? requests.last() : requests.first())
                        .at(0)
                        .value<CalendarProgram>());
            } else {
                emit tab.bridge.saunaCalendarProgramChanged(
                    weekdayProgram(0, wall(2024, 5, 13, 19, 0)));
            }
        }

        // Each request is the program as saved, in its slot.
        QList<int> requested;
        for (const QList<QVariant> &request : requests) {
            const auto program = request.at(0).value<CalendarProgram>();
            requested.append(int(program.index));
            QCOMPARE(program.start, fresh.start);
            QVERIFY(program.inUse && program.weekday);
        }
        QCOMPARE(requested, slotsRequested);
        QCOMPARE(messages.size(), toldNoFree ? 1 : 0);
        if (toldNoFree)
            QCOMPARE(messages.at(0).at(0).value<UserMessage>().id, 0x2003u);
    }

    // Two panels save the stored Monday (or date) program within one round trip, and the sauna
    // keeps the save it took last. This panel saves an "edit" (18:01), asks to delete it
    // ("delete?") and answers "yes", or clears the calendar ("clear"); the reports come in the
    // order the sauna took the requests: "own" is this panel's echo, "other" an edit made at the
    // other panel (standby instead of a bath). The other panel's change right after the echo
    // replaced this one, and the user is told; one before it was replaced by this one. With no
    // echo in the window ("later": it ends), this request or its echo was lost and the slot holds
    // the other panel's: the user is told. Nothing is saved again, and only the editor of the
    // program's kind tells. A question left open ("delete?", "back?" after the edit, "save?" into
    // the not-allowed window) and answered "yes" after the other panel's change, or after its
    // delete ("gone") and a "new" program saved there, sends nothing: the editor stays as the
    // change left it.
    void aProgramChangedAtOnceWithAnotherPanelIsTold_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("told");
        QTest::addColumn<int>("sent");
        QTest::addColumn<bool>("editing"); // the editor open on the other panel's program
        QTest::addColumn<bool>("datePrograms");
        QTest::newRow("edit, another edit right after")
            << "edit,own,other" << true << 1 << false << false;
        QTest::newRow("edit, another edit before")
            << "edit,other,own" << false << 1 << false << false;
        QTest::newRow("edit, another edit, echo lost")
            << "edit,other,later" << true << 1 << false << false;
        QTest::newRow("delete, edited right after")
            << "delete?,yes,own,other" << true << 1 << false << false;
        QTest::newRow("delete, edited before")
            << "delete?,yes,other,own" << false << 1 << false << false;
        QTest::newRow("calendar cleared, edited right after")
            << "clear,own,other" << true << 1 << false << false;
        QTest::newRow("a date program: edit, another edit right after")
            << "edit,own,other" << true << 1 << false << true;
        QTest::newRow("delete asked, deleted and another saved there, yes")
            << "delete?,gone,new,yes" << true << 0 << false << false;
        QTest::newRow("delete asked, edited, yes")
            << "delete?,other,yes" << true << 0 << true << false;
        QTest::newRow("save changes asked, edited, yes")
            << "back?,other,yes" << true << 0 << true << false;
        QTest::newRow("not-allowed start asked, edited, yes")
            << "save?,other,yes" << true << 0 << true << false;
    }

    void aProgramChangedAtOnceWithAnotherPanelIsTold()
    {
        QFETCH(QString, steps);
        QFETCH(bool, told);
        QFETCH(int, sent);
        QFETCH(bool, editing);
        QFETCH(bool, datePrograms);
        CalendarTab tab;
        tab.setNow(wall(2024, 5, 10, 10, 0));
        qint64 now = 1000;
        tab.provider.setMonotonicClock([&now] { return now; });
        using Editor = control::details::CalendarProgramSettingsControllerBase;
        Editor &editor = datePrograms ? static_cast<Editor &>(tab.dateProgram) : tab.weekdayProgram;
        Editor &otherEditor =
            datePrograms ? static_cast<Editor &>(tab.weekdayProgram) : tab.dateProgram;
        const QDateTime start = datePrograms ? wall(2024, 5, 20, 18, 0) : wall(2024, 5, 13, 18, 0);
        const CalendarProgram stored =
            datePrograms ? dateProgram(0, start) : weekdayProgram(0, start);
        emit tab.bridge.saunaCalendarProgramChanged(stored);
        QSignalSpy requests(&editor, &Editor::calendarProgramChangeRequested);
        QSignalSpy cleared(&tab.queue,
                           &control::CalendarQueueController::calendarProgramChangeRequested);
        QSignalSpy messages(&editor, &Editor::panelUserMessageIssued);
        QSignalSpy otherMessages(&otherEditor, &Editor::panelUserMessageIssued);
        QSignalSpy questions(&tab.queue, &control::CalendarQueueController::panelUserMessageIssued);
        CalendarProgram other = stored;
        other.standby = true;
        CalendarProgram gone(0);
        gone.weekday = stored.weekday;
        for (const QString &step : steps.split(QLatin1Char(','))) {
            if (step == QLatin1String("edit") || step.endsWith(QLatin1Char('?'))) {
                if (step == QLatin1String("save?")) {
                    emit tab.bridge.saunaNotAllowedStartEnableChanged(true);
                    emit tab.bridge.saunaNotAllowedStartFromTimeChanged(QTime(17, 0));
                    emit tab.bridge.saunaNotAllowedStartUntilTimeChanged(QTime(23, 0));
                }
                editor.onCalendarProgramEditActivated(stored);
                if (step == QLatin1String("edit") || step == QLatin1String("back?")) {
                    editor.readyAtManager()->setValue(start.addSecs(60));
                    editor.onActivationTimeCommit();
                }
                if (step == QLatin1String("delete?"))
                    editor.onCalendarProgramSettingsEditDeleteRequested();
                else if (step == QLatin1String("back?"))
                    editor.onCalendarProgramSettingsEditBackRequested();
                else
                    editor.onCalendarProgramSettingsEditSaveRequested();
                QCOMPARE(requests.size(), step == QLatin1String("edit") ? 1 : 0);
            } else if (step == QLatin1String("yes")) {
                QVERIFY(!messages.isEmpty());
                messages.takeFirst().at(1).value<UserMessageAction *>()->execute(
                    signalInterface::UserMessageTypes::E_answerYes);
            } else if (step == QLatin1String("clear")) {
                tab.queue.onClearCalendarRequested();
                QCOMPARE(questions.size(), 1);
                questions.takeFirst().at(1).value<UserMessageAction *>()->execute(
                    signalInterface::UserMessageTypes::E_answerYes);
                QCOMPARE(cleared.size(), 1);
            } else if (step == QLatin1String("later")) {
                passCreatedItemWindow(tab.provider, now);
            } else {
                const QSignalSpy &asked = requests.isEmpty() ? cleared : requests;
                emit tab.bridge.saunaCalendarProgramChanged(
                    step == QLatin1String("own")    ? asked.at(0).at(0).value<CalendarProgram>()
                    : step == QLatin1String("gone") ? gone
                    : step == QLatin1String("new")  ? weekdayProgram(0, wall(2024, 5, 14, 7, 0))
                                                    : other);
            }
        }

        QCOMPARE(requests.size() + cleared.size(), sent);
        QCOMPARE(messages.size(), told ? 1 : 0);
        if (told)
            QCOMPARE(messages.at(0).at(0).value<UserMessage>().id,
                     datePrograms ? 0x2010u : 0x200fu);
        QCOMPARE(otherMessages.size(), 0);
        QCOMPARE(editor.editing(), editing);
        if (editing)
            QCOMPARE(editor.editedProgram(), other);
    }

    void saveQuestionsComeBeforeTheRequest_data()
    {
        QTest::addColumn<QTime>("from");
        QTest::addColumn<QTime>("until");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<bool>("readyAt");
        QTest::addColumn<int>("reading");        // -1: no temperature reported yet
        QTest::addColumn<quint32>("expectedId"); // 0: saved without a question
        QTest::addColumn<QStringList>("arguments");
        const QTime ten(10, 0), six(18, 0), night(22, 0), morning(6, 0);
        const QString day = QStringLiteral("10:00 - 18:00");
        const QString overnight = QStringLiteral("22:00 - 06:00");
        const auto on = [](const char *times, const QString &window) {
            return QStringList{QString::fromLatin1(times), window};
        };
        // Now is 10:00; 84 °C from 20 °C takes 32 minutes of heating, and a program runs an hour.
        QTest::newRow("starts inside the not-allowed window")
            << night << morning << wall(2024, 5, 10, 23, 0) << false << 180 << 0x2020u
            << on("23:00 - 00:00", overnight);
        QTest::newRow("runs into the not-allowed window")
            << night << morning << wall(2024, 5, 10, 21, 30) << false << 180 << 0x2021u
            << on("21:30 - 22:30", overnight);
        QTest::newRow("ready before the heating time")
            << night << morning << wall(2024, 5, 10, 10, 15) << true << 180 << 0x200cu
            << QStringList{QStringLiteral("32")};
        QTest::newRow("heating starts in the window's last minute")
            << ten << six << wall(2024, 5, 10, 18, 31) << true << 180 << 0x2021u
            << on("17:59 - 19:31", day);
        QTest::newRow("heating starts as the window ends")
            << ten << six << wall(2024, 5, 10, 18, 32) << true << 180 << 0u << QStringList();
        QTest::newRow("heating starts inside a window across midnight")
            << night << morning << wall(2024, 5, 11, 6, 31) << true << 180 << 0x2021u
            << on("05:59 - 07:31", overnight);
        QTest::newRow("heating starts before midnight inside the window")
            << QTime(23, 0) << QTime(0, 0) << wall(2024, 5, 11, 0, 20) << true << 180 << 0x2021u
            << on("23:48 - 01:20", QStringLiteral("23:00 - 00:00"));
        QTest::newRow("heating runs into the window")
            << six << QTime(18, 10) << wall(2024, 5, 10, 18, 20) << true << 180 << 0x2021u
            << on("17:48 - 19:20", QStringLiteral("18:00 - 18:10"));
        QTest::newRow("ready inside the window, heating before it")
            << QTime(12, 0) << six << wall(2024, 5, 10, 12, 10) << true << 180 << 0x2020u
            << on("12:10 - 13:10", QStringLiteral("12:00 - 18:00"));
        QTest::newRow("starts at that time, heating after it")
            << ten << six << wall(2024, 5, 10, 18, 31) << false << 180 << 0u << QStringList();
        // The window check plans the sauna cold, as it is when a later day's program comes: a
        // sauna at 80.6 °C now would heat for 2 minutes, one that reported nothing for none.
        QTest::newRow("hot now, planned from the room")
            << ten << six << wall(2024, 5, 10, 18, 10) << true << 725 << 0x2021u
            << on("17:38 - 19:10", day);
        QTest::newRow("no reading yet, planned from the room")
            << ten << six << wall(2024, 5, 10, 18, 10) << true << -1 << 0x2021u
            << on("17:38 - 19:10", day);
        // 10 °C: 37 minutes, where the room's 20 °C would take 32.
        QTest::newRow("colder than the room, planned from the reading")
            << ten << six << wall(2024, 5, 10, 18, 36) << true << 90 << 0x2021u
            << on("17:59 - 19:36", day);
        // A program due before the sauna cools heats from the reading.
        QTest::newRow("hot now, due soon: no heating question")
            << night << morning << wall(2024, 5, 10, 10, 15) << true << 725 << 0u << QStringList();
    }

    void saveQuestionsComeBeforeTheRequest()
    {
        QFETCH(QTime, from);
        QFETCH(QTime, until);
        QFETCH(QDateTime, start);
        QFETCH(bool, readyAt);
        QFETCH(int, reading);
        QFETCH(quint32, expectedId);
        QFETCH(QStringList, arguments);
        CalendarTab tab;
        tab.setNow(wall(2024, 5, 10, 10, 0));
        emit tab.bridge.saunaNotAllowedStartEnableChanged(true);
        emit tab.bridge.saunaNotAllowedStartFromTimeChanged(from);
        emit tab.bridge.saunaNotAllowedStartUntilTimeChanged(until);
        if (reading >= 0)
            emit tab.bridge.saunaTemperatureChanged(reading);
        CalendarProgram program = dateProgram(3, start);
        program.temperature = 756;
        program.startMode = readyAt ? CalendarTypes::E_ready_at : CalendarTypes::E_start_at;
        emit tab.bridge.saunaCalendarProgramChanged(program);
        QSignalSpy requests(
            &tab.dateProgram,
            &control::CalendarDateProgramController::calendarProgramChangeRequested);
        QSignalSpy messages(&tab.dateProgram,
                            &control::CalendarDateProgramController::panelUserMessageIssued);

        emit tab.dateOverview.calendarProgramEditActivated(program);
        tab.dateProgram.onCalendarProgramSettingsEditSaveRequested();
        tab.dateProgram.onCalendarProgramSettingsEditSaveRequested();
        if (expectedId != 0) {
            QCOMPARE(requests.size(), 0);
            QCOMPARE(messages.size(), 1);
            const auto question = messages.at(0).at(0).value<UserMessage>();
            QCOMPARE(question.id, expectedId);
            QCOMPARE(question.arguments, arguments);
            messages.at(0).at(1).value<UserMessageAction *>()->execute(
                signalInterface::UserMessageTypes::E_answerYes);
        }
        QCOMPARE(messages.size(), expectedId != 0 ? 1 : 0);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.at(0).at(0).value<CalendarProgram>(), program);
    }

    void invalidOrPastTimesAreNeverSent()
    {
        CalendarTab tab;
        tab.setNow(wall(2024, 5, 10, 10, 0));
        QSignalSpy requests(
            &tab.dateProgram,
            &control::CalendarDateProgramController::calendarProgramChangeRequested);
        QSignalSpy messages(&tab.dateProgram,
                            &control::CalendarDateProgramController::panelUserMessageIssued);
        emit tab.dateOverview.calendarProgramEditActivated(dateProgram(1, wall(2024, 5, 9, 18, 0)));
        tab.dateProgram.onCalendarProgramSettingsEditSaveRequested();
        QCOMPARE(requests.size(), 0);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).value<UserMessage>().id, 0x2024u);

        // Moved to a later time of the same past day, it is still refused.
        tab.dateProgram.readyAtManager()->setValue(wall(2024, 5, 9, 23, 45));
        tab.dateProgram.onActivationTimeCommit();
        QCOMPARE(tab.dateProgram.editedProgram().start, wall(2024, 5, 9, 23, 45));
        tab.dateProgram.onCalendarProgramSettingsEditSaveRequested();
        QCOMPARE(requests.size(), 0);
        QCOMPARE(messages.size(), 2);
    }

    void monthModelAtItsEdges_data()
    {
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("weekStart");
        // 2024 has a month beginning on each weekday.
        const QList<QDate> months{QDate(2024, 1, 1), QDate(2024, 10, 1), QDate(2024, 5, 1),
                                  QDate(2024, 2, 1), QDate(2024, 3, 1),  QDate(2024, 6, 1),
                                  QDate(2024, 9, 1)};
        for (const QDate &month : months) {
            for (int weekStart = 0; weekStart < 7; ++weekStart) {
                QTest::addRow("%s, week from %d", qPrintable(month.toString("MMM")), weekStart)
                    << month << weekStart;
            }
        }
    }

    void monthModelAtItsEdges()
    {
        QFETCH(QDate, month);
        QFETCH(int, weekStart);
        CalendarTab tab;
        QAbstractItemModelTester tester(tab.dateOverview.monthCalendarModel());
        tab.setNow(wall(month.year(), month.month(), 1, 0, 0));
        tab.dateOverview.onWeekDayStartChanged(static_cast<CalendarTypes::WeekDay>(weekStart));
        tab.dateOverview.onMonthEditActivated();
        QCOMPARE(tab.dateOverview.shownMonth(), month);

        const view::ListModel &model = *tab.dateOverview.monthCalendarModel();
        const int leading = (month.dayOfWeek() - 1 - weekStart + 7) % 7;
        const int cells = model.rowCount();
        QCOMPARE(cells % 7, 0);
        QVERIFY(cells >= leading + month.daysInMonth());
        QVERIFY(cells < leading + month.daysInMonth() + 7);
        for (int row = 0; row < leading; ++row)
            QCOMPARE(model.getApplId(row), 0);
        QCOMPARE(model.getApplId(leading), 1);
        QCOMPARE(model.data(model.index(leading), view::CalendarMonthDayItem::TextOnDayButtonRole)
                     .toString(),
                 QStringLiteral("1"));
        QCOMPARE(model.getApplId(leading + month.daysInMonth() - 1), month.daysInMonth());
        for (int row = leading + month.daysInMonth(); row < cells; ++row)
            QCOMPARE(model.getApplId(row), 0);
        const QStringList headers = tab.dateOverview.weekDayHeaders();
        QCOMPARE(headers.size(), 7);
    }

    // The month page opens on the PC's month until the sauna tells its date; then on the sauna's,
    // and on at its month's end. A month the user went to stays as the clock moves.
    void shownMonthFollowsTheSaunasToday()
    {
        CalendarTab tab;
        tab.setNow(wall(2031, 6, 11, 10, 0));
        QCOMPARE(tab.dateOverview.shownMonth(), QDate(2031, 6, 1));
        tab.setNow(wall(2031, 6, 30, 23, 59));
        QCOMPARE(tab.dateOverview.shownMonth(), QDate(2031, 6, 1));
        tab.setNow(wall(2031, 7, 1, 0, 0));
        QCOMPARE(tab.dateOverview.shownMonth(), QDate(2031, 7, 1));
        tab.dateOverview.onMonthIncreaseSelected();
        QCOMPARE(tab.dateOverview.shownMonth(), QDate(2031, 8, 1));
        tab.setNow(wall(2031, 7, 2, 0, 0));
        QCOMPARE(tab.dateOverview.shownMonth(), QDate(2031, 8, 1));
        tab.dateOverview.onMonthEditActivated();
        QCOMPARE(tab.dateOverview.shownMonth(), QDate(2031, 7, 1));
    }

    void monthNavigationAndBadInputFromQml()
    {
        CalendarTab tab;
        tab.setNow(wall(2024, 12, 5, 9, 0));
        tab.dateOverview.onMonthEditActivated();
        tab.dateOverview.onMonthIncreaseSelected();
        QCOMPARE(tab.dateOverview.shownMonth(), QDate(2025, 1, 1));
        tab.dateOverview.onMonthDecreaseSelected();
        tab.dateOverview.onMonthDecreaseSelected();
        QCOMPARE(tab.dateOverview.shownMonth(), QDate(2024, 11, 1));

        QSignalSpy edits(
            &tab.dateOverview,
            &control::CalendarDateProgramOverviewController::calendarProgramEditActivated);
        tab.dateOverview.onDateEditActivated(0);
        tab.dateOverview.onDateEditActivated(31);
        QVERIFY(!tab.dateOverview.selectedDate().isValid());
        tab.dateOverview.onCalendarDateProgramEditActivated(0);
        tab.dateOverview.onDateEditActivated(30);
        QCOMPARE(tab.dateOverview.selectedDate(), QDate(2024, 11, 30));
        tab.dateOverview.onCalendarDateProgramEditActivated(-1);
        tab.dateOverview.onCalendarDateProgramEditActivated(5);
        // A day in the past takes no new program.
        tab.dateOverview.onCalendarDateProgramEditActivated(0);
        QCOMPARE(edits.size(), 0);
        tab.dateOverview.onWeekDayStartChanged(static_cast<CalendarTypes::WeekDay>(9));
        QCOMPARE(tab.dateOverview.weekStart(), CalendarTypes::E_monday);

        emit tab.dateOverview.calendarProgramEditActivated(
            weekdayProgram(3, wall(2024, 12, 9, 8, 0)));
        QVERIFY(!tab.dateProgram.editing());
        tab.dateProgram.onRowItemSelected(-1);
        tab.dateProgram.onCalendarFavoriteSelected(99);
        emit tab.dateOverview.calendarProgramEditActivated(
            dateProgram(64, wall(2024, 12, 9, 8, 0)));
        QVERIFY(!tab.dateProgram.editing());
        emit tab.dateOverview.calendarProgramEditActivated(dateProgram(2, wall(2024, 12, 9, 8, 0)));
        tab.dateProgram.onCalendarFavoriteSelected(99);
        tab.dateProgram.onCalendarFavoriteSelected(-1);
        tab.dateProgram.onRowItemSelected(42);
        tab.dateProgram.onCustomRowItemSelected(42);
        QCOMPARE(tab.dateProgram.editedProgram(), dateProgram(2, wall(2024, 12, 9, 8, 0)));

        // The lock timer ends the edit without sending anything.
        QSignalSpy requests(
            &tab.dateProgram,
            &control::CalendarDateProgramController::calendarProgramChangeRequested);
        tab.dateOverview.onLockTimerTimeout();
        QVERIFY(!tab.dateProgram.editing());
        QCOMPARE(requests.size(), 0);
    }

    // Until the sauna tells its time, the PC's clock stands in for it: the wall time the PC shows
    // in its own zone, compared as the sauna's zone-less clock is, never the UTC time.
    void withoutTheSaunasTimeNowIsTheLocalWallTime_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("Tokyo") << QByteArray("Asia/Tokyo");
        QTest::newRow("Los Angeles") << QByteArray("America/Los_Angeles");
    }

    void withoutTheSaunasTimeNowIsTheLocalWallTime()
    {
        QFETCH(QByteArray, zone);
        const LocalTimeZone local(zone);
        CalendarTab tab;
        const QDateTime localWall =
            signalInterface::protocolFacts::wallClockOf(QDateTime::currentDateTimeUtc());
        const QDateTime now = tab.provider.now();
        QCOMPARE(now.timeSpec(), Qt::UTC);
        QVERIFY2(qAbs(now.secsTo(localWall)) < 60,
                 qPrintable(now.toString(Qt::ISODate) + " / " + localWall.toString(Qt::ISODate)));
    }

    void weekdayCountsAndNewWeekdayProgram()
    {
        CalendarTab tab;
        QAbstractItemModelTester weekTester(tab.weekdayOverview.weekCalendarModel());
        QAbstractItemModelTester dayTester(tab.weekdayOverview.weekDayCalendarModel());
        tab.setNow(wall(2024, 5, 8, 10, 0)); // a Wednesday
        emit tab.bridge.saunaCalendarProgramChanged(weekdayProgram(1, wall(2024, 5, 6, 7, 0)));
        emit tab.bridge.saunaCalendarProgramChanged(weekdayProgram(2, wall(2024, 4, 29, 19, 0)));
        emit tab.bridge.saunaCalendarProgramChanged(weekdayProgram(3, wall(2024, 5, 10, 19, 0)));
        emit tab.bridge.saunaCalendarProgramChanged(dateProgram(4, wall(2024, 5, 13, 19, 0)));

        // What the week list shows beside each day.
        const auto countsShown = [&tab] {
            const view::ListModel &week = *tab.weekdayOverview.weekCalendarModel();
            QMap<int, QString> shown;
            for (int row = 0; row < week.rowCount(); ++row)
                shown.insert(
                    week.getApplId(row),
                    week.data(week.index(row), view::RowItemBase::TextValue1Role).toString());
            return shown;
        };
        tab.weekdayOverview.initWeekDayProgramCounts();
        QMap<int, QString> expected;
        for (int day = CalendarTypes::E_monday; day <= CalendarTypes::E_sunday; ++day)
            expected.insert(day, QStringLiteral("0"));
        expected[CalendarTypes::E_monday] = QStringLiteral("2");
        expected[CalendarTypes::E_friday] = QStringLiteral("1");
        QCOMPARE(countsShown(), expected);
        // The sauna deleting a Monday program changes that count only.
        CalendarProgram removed(2);
        emit tab.bridge.saunaCalendarProgramChanged(removed);
        expected[CalendarTypes::E_monday] = QStringLiteral("1");
        QCOMPARE(countsShown(), expected);

        tab.weekdayOverview.onWeekDayStartChanged(CalendarTypes::E_sunday);
        QCOMPARE(tab.weekdayOverview.weekCalendarModel()->getApplId(0),
                 int(CalendarTypes::E_sunday));
        tab.weekdayOverview.onWeekDayEditActivated(7);
        tab.weekdayOverview.onWeekDayEditActivated(-1);
        QCOMPARE(tab.weekdayOverview.selectedWeekDay(), -1);
        tab.weekdayOverview.onWeekDayEditActivated(2); // Sunday, Monday, Tuesday
        QCOMPARE(tab.weekdayOverview.selectedWeekDay(), int(CalendarTypes::E_tuesday));
        QCOMPARE(tab.weekdayOverview.weekDayCalendarModel()->rowCount(), 1);
        tab.weekdayOverview.onCalendarWeekdayProgramEditActivated(0);
        QVERIFY(tab.weekdayProgram.editing());
        QVERIFY(!tab.dateProgram.editing());
        const CalendarProgram edited = tab.weekdayProgram.editedProgram();
        QVERIFY(edited.weekday);
        QCOMPARE(edited.index, 0u);
        QCOMPARE(edited.start.date(), QDate(2024, 5, 14));

        QSignalSpy requests(
            &tab.weekdayProgram,
            &control::CalendarWeekdayProgramController::calendarProgramChangeRequested);
        tab.weekdayProgram.onCalendarProgramSettingsEditSaveRequested();
        QCOMPARE(requests.size(), 1);
        QVERIFY(onTheWire(requests.at(0).at(0).value<CalendarProgram>()).weekday_program());

        QSignalSpy schedule(
            &tab.weekdayOverview,
            &control::CalendarWeekdayProgramOverviewController::scheduleItemDisableChangeRequested);
        tab.weekdayOverview.onWeekDaySwitchAllDaysActivation(true);
        tab.weekdayOverview.onWeekDaySwitchAllDaysActivation(false);
        QCOMPARE(schedule.size(), 2);
        QCOMPARE(schedule.at(0).at(0).toBool(), true);
        QCOMPARE(schedule.at(1).at(0).toBool(), false);
        QVERIFY(tab.weekdayOverview.allDaysActivated());
        emit tab.bridge.saunaScheduleItemDisableChanged(true);
        QVERIFY(!tab.weekdayOverview.allDaysActivated());
    }

    // The two program editors are classes of their own, as their meta-objects name them: string
    // connects and object look-ups by class go by these names.
    void programEditorsAreClassesOfTheirOwn()
    {
        CalendarTab tab;
        QCOMPARE(tab.dateProgram.metaObject()->className(),
                 "control::CalendarDateProgramController");
        QCOMPARE(tab.weekdayProgram.metaObject()->className(),
                 "control::CalendarWeekdayProgramController");
        QVERIFY(
            tab.dateProgram.inherits("control::details::CalendarProgramSettingsControllerBase"));
    }

    // Weekdays and program kinds read exactly as the language names them, in the rows, the
    // week-day headers and the titles alike.
    void weekdaysAndProgramKindsReadAsTranslated()
    {
        LowerCaseWordsTranslator words;
        QVERIFY(QCoreApplication::installTranslator(&words));
        CalendarTab tab;
        tab.setNow(wall(2024, 5, 8, 10, 0)); // a Wednesday
        emit tab.bridge.saunaCalendarProgramChanged(weekdayProgram(1, wall(2024, 5, 7, 7, 0)));
        emit tab.bridge.saunaCalendarProgramChanged(dateProgram(2, wall(2024, 5, 13, 19, 0)));
        tab.queue.onCalendarQueueVisibleChanged(true);

        tab.weekdayOverview.onWeekDayEditActivated(1); // Monday, Tuesday
        const QString tuesday = tab.weekdayOverview.selectedWeekDayText();
        const view::ListModel &day = *tab.weekdayOverview.weekDayCalendarModel();
        const QString newWeekdayProgram =
            day.data(day.index(day.rowCount() - 1), view::RowItemBase::TextOnSubMenuRole)
                .toString();
        tab.weekdayOverview.onCalendarWeekdayProgramEditActivated(0);
        const QString editorTitle = tab.weekdayProgram.programTitle();

        tab.dateOverview.onMonthEditActivated();
        tab.dateOverview.onDateEditActivated(13);
        const view::ListModel &date = *tab.dateOverview.dateOverviewModel();
        const QString newDateProgram =
            date.data(date.index(date.rowCount() - 1), view::RowItemBase::TextOnSubMenuRole)
                .toString();
        const QStringList headers = tab.dateOverview.weekDayHeaders();

        QStringList kinds;
        const view::ListModel &queue = *tab.queue.model();
        for (int row = 0; row < queue.rowCount(); ++row)
            kinds << queue.data(queue.index(row), view::RowItemBase::TextValue1Role).toString();
        QCoreApplication::removeTranslator(&words);

        QCOMPARE(tuesday, QStringLiteral("tiistai"));
        QCOMPARE(editorTitle, QStringLiteral("tiistai"));
        QCOMPARE(newWeekdayProgram, QStringLiteral("viikonpäiväohjelma"));
        QCOMPARE(newDateProgram, QStringLiteral("päivämääräohjelma"));
        QCOMPARE(headers.value(0), QStringLiteral("maanantai"));
        QCOMPARE(kinds, QStringList({QStringLiteral("päivämääräohjelma"),
                                     QStringLiteral("viikonpäiväohjelma")}));
    }

    // The open day's title follows a change of language while the day is shown.
    void openWeekdayTitleFollowsTheLanguage()
    {
        CalendarTab tab;
        tab.weekdayOverview.onWeekDayEditActivated(1); // Monday, Tuesday
        QCOMPARE(tab.weekdayOverview.selectedWeekDay(), int(CalendarTypes::E_tuesday));
        const QString before = tab.weekdayOverview.selectedWeekDayText();
        QVERIFY(!before.isEmpty());

        QString announced;
        connect(&tab.weekdayOverview,
                &control::CalendarWeekdayProgramOverviewController::selectedWeekDayChanged, this,
                [&] { announced = tab.weekdayOverview.selectedWeekDayText(); });
        CapitalsTranslator capitals;
        QVERIFY(QCoreApplication::installTranslator(&capitals));
        tab.weekdayOverview.onLanguageChanged(signalInterface::LanguageTypes::E_german);
        QCoreApplication::removeTranslator(&capitals);
        QCOMPARE(announced, before.toUpper());
        QVERIFY(announced != before);

        // No day open: nothing to announce.
        tab.weekdayOverview.onWeekDayEditCancelled();
        announced = QStringLiteral("none");
        tab.weekdayOverview.onLanguageChanged(signalInterface::LanguageTypes::E_english);
        QCOMPARE(announced, QStringLiteral("none"));
    }

    void queueOrdersStartsAndClearsAfterConfirmation()
    {
        CalendarTab tab;
        QAbstractItemModelTester tester(tab.queue.model());
        tab.setNow(wall(2024, 5, 8, 10, 0));
        QSignalSpy next(&tab.queue,
                        &control::CalendarQueueController::nextActiveCalendarItemChanged);
        emit tab.bridge.saunaCalendarProgramChanged(dateProgram(7, wall(2024, 5, 20, 18, 0)));
        emit tab.bridge.saunaCalendarProgramChanged(weekdayProgram(2, wall(2024, 5, 9, 7, 0)));
        emit tab.bridge.saunaCalendarProgramChanged(dateProgram(9, wall(2024, 5, 1, 18, 0)));
        QCOMPARE(tab.queue.model()->rowCount(), 2);
        QCOMPARE(tab.queue.model()->getApplId(0), 2);
        QCOMPARE(tab.queue.model()->getApplId(1), 7);
        QVERIFY(!next.isEmpty());
        QCOMPARE(next.last().at(0).value<CalendarProgram>().index, 2u);
        QVERIFY(next.last().at(1).toBool());

        QSignalSpy requests(&tab.queue,
                            &control::CalendarQueueController::calendarProgramChangeRequested);
        QSignalSpy messages(&tab.queue, &control::CalendarQueueController::panelUserMessageIssued);
        tab.queue.onClearCalendarRequested();
        tab.queue.onClearCalendarRequested();
        QCOMPARE(messages.size(), 1);
        const auto question = messages.at(0).at(0).value<UserMessage>();
        QCOMPARE(question.id, 0x200au);
        QCOMPARE(question.type, signalInterface::UserMessageTypes::E_typeTwoButtons);
        auto *action = messages.at(0).at(1).value<UserMessageAction *>();
        action->execute(signalInterface::UserMessageTypes::E_answerNo);
        QCOMPARE(requests.size(), 0);
        tab.queue.onClearCalendarRequested();
        QCOMPARE(messages.size(), 2);
        action->execute(signalInterface::UserMessageTypes::E_answerYes);
        QCOMPARE(requests.size(), 3);
        QList<quint32> cleared;
        for (const auto &request : requests) {
            const auto program = request.at(0).value<CalendarProgram>();
            QVERIFY(!program.inUse);
            cleared.append(program.index);
        }
        QCOMPARE(cleared, (QList<quint32>{2, 7, 9}));
        // The queue changes only with the sauna's reports.
        QCOMPARE(tab.queue.model()->rowCount(), 2);
        for (const auto &request : requests)
            emit tab.bridge.saunaCalendarProgramChanged(request.at(0).value<CalendarProgram>());
        QCOMPARE(tab.queue.model()->rowCount(), 0);
        QVERIFY(!next.last().at(1).toBool());
    }

    // A start on the sauna's today says "Today" where other days give their date; a delayed
    // start the sauna reports comes first, as long as it is enabled or running.
    void queueNamesTodayAndTheDelayedStart()
    {
        CalendarTab tab;
        QAbstractItemModelTester tester(tab.queue.model());
        const view::ListModel &queue = *tab.queue.model();
        const auto titles = [&queue] {
            QStringList texts;
            for (int row = 0; row < queue.rowCount(); ++row)
                texts << queue.data(queue.index(row), view::RowItemBase::TextOnSubMenuRole)
                             .toString();
            return texts;
        };
        const auto title = [&tab](const QString &day, const CalendarProgram &program) {
            return day + QLatin1Char(' ') + tab.provider.programTimeText(program);
        };
        const auto dateOf = [&tab](int day) {
            return view::LanguageSupport::dateText(QDate(2024, 5, day), tab.provider.dateFormat());
        };
        tab.setNow(wall(2024, 5, 8, 10, 0)); // a Wednesday
        const CalendarProgram tonight = dateProgram(1, wall(2024, 5, 8, 18, 0));
        const CalendarProgram thursdays = weekdayProgram(2, wall(2024, 5, 9, 7, 0));
        const CalendarProgram wednesdays = weekdayProgram(3, wall(2024, 5, 1, 9, 0));
        for (const CalendarProgram &program : {tonight, thursdays, wednesdays})
            emit tab.bridge.saunaCalendarProgramChanged(program);
        const QString today = view::LanguageSupport::todayText();
        QCOMPARE(titles(), QStringList({title(today, tonight), title(dateOf(9), thursdays),
                                        title(dateOf(15), wednesdays)}));

        // Past midnight the Thursdays' program is today's.
        tab.setNow(wall(2024, 5, 9, 0, 30));
        QCOMPARE(titles(), QStringList({title(today, thursdays), title(dateOf(15), wednesdays)}));

        const auto delayedStartShown = [&queue] {
            return queue.getApplId(0) == control::CalendarQueueController::delayedStartRowId &&
                   queue.data(queue.index(0), view::RowItemBase::TextOnSubMenuRole).toString() ==
                       view::LanguageSupport::delayedStartText() &&
                   queue.data(queue.index(0), view::RowItemBase::ComponentTypeRole).toInt() ==
                       view::ComponentTypes::E_row_plain;
        };
        emit tab.bridge.delayedStartEnableChanged(true);
        QVERIFY(delayedStartShown());
        QCOMPARE(queue.rowCount(), 3);
        emit tab.bridge.delayedStartRunningChanged(true);
        emit tab.bridge.delayedStartEnableChanged(false);
        QVERIFY(delayedStartShown());
        QCOMPARE(queue.rowCount(), 3);
        emit tab.bridge.delayedStartRunningChanged(false);
        QCOMPARE(titles(), QStringList({title(today, thursdays), title(dateOf(15), wednesdays)}));
    }

    // The descaling stands in time order among the programs: on the day the sauna reports, or,
    // before a report and when the reported day has passed, on the next descaling weekday. Its
    // day reads as a program's; it keeps its relay's name.
    void queuePlacesTheDescalingInTimeOrder_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("reports");
        QTest::addColumn<int>("reportedDay");
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<QDate>("descalingDay");
        const auto day = [](int dayOfMay) {
            return int(QDate(2000, 1, 1).daysTo(QDate(2024, 5, dayOfMay)));
        };
        constexpr int descaling = control::CalendarQueueController::descalingRowId;
        const QDateTime tuesday = wall(2024, 5, 7, 10, 0);
        const QList<int> first{descaling, 1, 2, 3};
        const QList<int> third{1, 2, descaling, 3};
        QTest::newRow("reported tomorrow")
            << tuesday << true << day(8) << first << QDate(2024, 5, 8);
        QTest::newRow("reported a week later")
            << tuesday << true << day(15) << third << QDate(2024, 5, 15);
        QTest::newRow("no report") << tuesday << false << 0 << first << QDate(2024, 5, 8);
        QTest::newRow("reported day past")
            << tuesday << true << day(1) << first << QDate(2024, 5, 8);
        QTest::newRow("reported before 2000")
            << tuesday << true << -5 << first << QDate(2024, 5, 8);
        QTest::newRow("reported today")
            << wall(2024, 5, 8, 1, 0) << true << day(8) << first << QDate(2024, 5, 8);
        QTest::newRow("no report, on the weekday after its time")
            << wall(2024, 5, 8, 2, 1) << false << 0 << third << QDate(2024, 5, 15);
    }

    void queuePlacesTheDescalingInTimeOrder()
    {
        QFETCH(QDateTime, now);
        QFETCH(bool, reports);
        QFETCH(int, reportedDay);
        QFETCH(QList<int>, order);
        QFETCH(QDate, descalingDay);
        CalendarTab tab;
        QAbstractItemModelTester tester(tab.queue.model());
        const view::ListModel &queue = *tab.queue.model();
        QSignalSpy next(&tab.queue,
                        &control::CalendarQueueController::nextActiveCalendarItemChanged);
        tab.setNow(now);
        emit tab.bridge.saunaCalendarProgramChanged(dateProgram(2, wall(2024, 5, 14, 18, 0)));
        emit tab.bridge.saunaCalendarProgramChanged(dateProgram(1, wall(2024, 5, 10, 18, 0)));
        emit tab.bridge.saunaCalendarProgramChanged(dateProgram(3, wall(2024, 5, 20, 18, 0)));
        signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost pump;
        pump.index = 4;
        pump.name = QStringLiteral("Descaling pump");
        emit tab.bridge.saunaAuxRelaySettingChanged(pump);
        if (reports)
            emit tab.bridge.saunaNextDescalingChanged(reportedDay);
        signalInterface::AuxiliaryRelayTypes::Descaling descaling;
        descaling.enabled = true;
        descaling.relayIndex = 4;
        descaling.weekday = CalendarTypes::E_wednesday;
        descaling.startTime = QTime(2, 0);
        emit tab.bridge.saunaDescalingChanged(descaling);

        QList<int> ids;
        // The queue only tells: its rows are plain, without the arrow of a row that opens a page,
        // and do not darken when pressed.
        using Kinds = QList<QPair<int, int>>;
        Kinds kinds;
        for (int row = 0; row < queue.rowCount(); ++row) {
            ids << queue.getApplId(row);
            kinds << qMakePair(
                queue.data(queue.index(row), view::RowItemBase::ComponentTypeRole).toInt(),
                queue.data(queue.index(row), view::RowItemBase::BackgroundPressedModeRole).toInt());
        }
        QCOMPARE(ids, order);
        const QPair<int, int> plainAndUnpressed(view::ComponentTypes::E_row_plain,
                                                signalInterface::RowItemTypes::E_disable);
        QCOMPARE(kinds, Kinds(order.size(), plainAndUnpressed));
        const QModelIndex row =
            queue.index(rowOf(queue, control::CalendarQueueController::descalingRowId));
        const QString dayText =
            descalingDay == now.date()
                ? view::LanguageSupport::todayText()
                : view::LanguageSupport::dateText(descalingDay, tab.provider.dateFormat());
        QCOMPARE(queue.data(row, view::RowItemBase::TextOnSubMenuRole).toString(),
                 dayText + QLatin1Char(' ') +
                     view::LanguageSupport::timeText(QTime(2, 0), tab.provider.timeFormat()));
        QCOMPARE(queue.data(row, view::RowItemBase::TextValue1Role).toString(),
                 QStringLiteral("Descaling"));
        QCOMPARE(queue.data(row, view::RowItemBase::TextValue2Role).toString(),
                 QStringLiteral("Descaling pump"));
        // The program that starts next is still the first program: descaling is none.
        QVERIFY(!next.isEmpty());
        QCOMPARE(next.last().at(0).value<CalendarProgram>().index, 1u);
    }

    // The descaling row names its relay as the sauna names it now; another relay's name is not
    // its own.
    void queueDescalingRowFollowsItsRelaysName()
    {
        CalendarTab tab;
        const view::ListModel &queue = *tab.queue.model();
        tab.setNow(wall(2024, 5, 7, 10, 0));
        signalInterface::AuxiliaryRelayTypes::Descaling descaling;
        descaling.enabled = true;
        descaling.relayIndex = 4;
        descaling.startTime = QTime(2, 0);
        emit tab.bridge.saunaDescalingChanged(descaling);
        const auto relayName = [&queue] {
            return queue
                .data(queue.index(rowOf(queue, control::CalendarQueueController::descalingRowId)),
                      view::RowItemBase::TextValue2Role)
                .toString();
        };
        const auto rename = [&tab](quint32 index, const QString &name) {
            signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay;
            relay.index = index;
            relay.name = name;
            emit tab.bridge.saunaAuxRelaySettingChanged(relay);
        };
        rename(4, QStringLiteral("Descaling pump"));
        rename(3, QStringLiteral("Lights"));
        QCOMPARE(relayName(), QStringLiteral("Descaling pump"));
        rename(4, QStringLiteral("Lime pump"));
        QCOMPARE(relayName(), QStringLiteral("Lime pump"));
    }

    // Bath and standby stand under their heading "Mode", which chooses nothing; the favorites
    // stand under "Favorite", and that heading is no favorite.
    void choicesStandUnderTheirHeadings()
    {
        using Program = control::details::CalendarProgramSettingsControllerBase;
        using Favorites = control::details::CalendarProgramSettingsFavoriteModel;
        CalendarTab tab;
        tab.setNow(wall(2024, 5, 10, 10, 0));
        const view::ListModel &favorites = *tab.favoriteModel.model();
        QCOMPARE(favorites.rowCount(), 1); // "Custom" alone: no heading without a favorite
        emit tab.bridge.saunaFavoritesPostChanged(favoritePost(4, QStringLiteral("Late"), 810));
        QCOMPARE(favorites.rowCount(), 3);
        QCOMPARE(favorites.getApplId(1), Favorites::favoritesHeading);
        QCOMPARE(
            favorites.data(favorites.index(1), view::RowItemBase::TextOnSubMenuRole).toString(),
            view::LanguageSupport::favoriteText());
        QCOMPARE(favorites.data(favorites.index(1), view::RowItemBase::TypeOfItemRole).toString(),
                 QStringLiteral("raw_row"));
        QCOMPARE(tab.favoriteModel.favoriteAtRow(1), std::nullopt);
        QCOMPARE(tab.favoriteModel.favoriteAtRow(2), std::optional<int>(4));

        emit tab.bridge.saunaCalendarProgramChanged(dateProgram(5, wall(2024, 5, 20, 18, 0)));
        tab.dateOverview.onMonthEditActivated();
        tab.dateOverview.onDateEditActivated(20);
        tab.dateOverview.onCalendarDateProgramEditActivated(0);
        QVERIFY(tab.dateProgram.editing());
        const view::ListModel &rows = *tab.dateProgram.settingsModel();
        QList<int> ids;
        for (int row = 0; row < rows.rowCount(); ++row)
            ids << rows.getApplId(row);
        QCOMPARE(ids, (QList<int>{Program::E_startRow, Program::E_settingsRow,
                                  Program::E_stopAfterRow, Program::E_modeHeadingRow,
                                  Program::E_bathModeRow, Program::E_standbyModeRow}));
        QCOMPARE(rows.data(rows.index(3), view::RowItemBase::TextOnSubMenuRole).toString(),
                 view::LanguageSupport::modeText());
        QCOMPARE(rows.data(rows.index(3), view::RowItemBase::TypeOfItemRole).toString(),
                 QStringLiteral("raw_row"));

        tab.dateProgram.onCalendarFavoriteSelected(rowOf(favorites, Favorites::favoritesHeading));
        tab.dateProgram.onRowItemSelected(rowOf(rows, Program::E_modeHeadingRow));
        QCOMPARE(tab.dateProgram.editedProgram(), dateProgram(5, wall(2024, 5, 20, 18, 0)));
        tab.dateProgram.onRowItemSelected(rowOf(rows, Program::E_standbyModeRow));
        QVERIFY(tab.dateProgram.editedProgram().standby);
    }

    void customSettingsOfferAHumidityOnlyWhereTheSaunaControlsIt()
    {
        using Program = control::details::CalendarProgramSettingsControllerBase;
        CalendarTab tab;
        tab.setNow(wall(2024, 5, 10, 10, 0));
        emit tab.bridge.saunaTargetHumidityChanged(103);
        QAbstractItemModelTester customTester(tab.dateProgram.customStopAfterModel());
        const auto rowIds = [&tab] {
            QList<int> ids;
            const view::ListModel *custom = tab.dateProgram.customStopAfterModel();
            for (int row = 0; row < custom->rowCount(); ++row)
                ids << custom->getApplId(row);
            return ids;
        };
        QSignalSpy requests(
            &tab.dateProgram,
            &control::CalendarDateProgramController::calendarProgramChangeRequested);

        // A dry sauna: temperature and stop time only; the program keeps the sauna's humidity,
        // whatever the editor the page does not show holds.
        emit tab.bridge.saunaMasterFuncDescChanged({});
        tab.dateOverview.onMonthEditActivated();
        tab.dateOverview.onDateEditActivated(12);
        tab.dateOverview.onCalendarDateProgramEditActivated(0);
        QVERIFY(tab.dateProgram.editing());
        QCOMPARE(rowIds(),
                 (QList<int>{Program::E_customTemperatureRow, Program::E_customStopAfterRow}));
        tab.dateProgram.customHumidityManager()->setValue(
            {6, signalInterface::HumidityTypes::E_step});
        tab.dateProgram.onCalendarProgramSettingsCustomCommit();
        tab.dateProgram.onCalendarProgramSettingsEditSaveRequested();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(onTheWire(requests.last().at(0).value<CalendarProgram>()).humidity(), 103u);

        // A steam sauna: the humidity row comes, and the humidity set goes with the program.
        signalInterface::MasterFuncDescTypes::MasterFuncDescPost steam;
        steam.humidityLevel = true;
        tab.dateOverview.onCalendarDateProgramEditActivated(0);
        QVERIFY(tab.dateProgram.editing());
        emit tab.bridge.saunaMasterFuncDescChanged(steam);
        QCOMPARE(rowIds(),
                 (QList<int>{Program::E_customTemperatureRow, Program::E_customHumidityRow,
                             Program::E_customStopAfterRow}));
        tab.dateProgram.customHumidityManager()->setValue(
            {6, signalInterface::HumidityTypes::E_step});
        tab.dateProgram.onCalendarProgramSettingsCustomCommit();
        tab.dateProgram.onCalendarProgramSettingsEditSaveRequested();
        QCOMPARE(requests.size(), 2);
        QCOMPARE(onTheWire(requests.last().at(0).value<CalendarProgram>()).humidity(), 107u);
    }

    void deletedFavoriteLeavesProgramsTheirSettings()
    {
        CalendarTab tab;
        tab.setNow(wall(2024, 5, 8, 10, 0));
        CalendarProgram usesFavorite = dateProgram(4, wall(2024, 5, 20, 18, 0));
        usesFavorite.favorite = 1;
        emit tab.bridge.saunaCalendarProgramChanged(usesFavorite);
        emit tab.bridge.saunaCalendarProgramChanged(dateProgram(5, wall(2024, 5, 21, 18, 0)));
        QSignalSpy requests(&tab.queue,
                            &control::CalendarQueueController::calendarProgramChangeRequested);
        QSignalSpy messages(&tab.queue, &control::CalendarQueueController::panelUserMessageIssued);

        FavoritesPost favorite = favoritePost(1, QStringLiteral("Hot"), 900);
        favorite.inUse = false;
        emit tab.native.favoriteDeleteIssued(favorite);
        QCOMPARE(tab.queue.connectFavoriteChanges({&tab.native}), 0);
        emit tab.native.favoriteDeleteIssued(favorite);
        QCOMPARE(requests.size(), 1);
        const auto sent = requests.at(0).at(0).value<CalendarProgram>();
        QCOMPARE(sent.index, 4u);
        QCOMPARE(sent.favorite, CalendarProgram::noFavorite);
        QCOMPARE(sent.temperature, 900u);
        QCOMPARE(sent.humidity, 40u);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).value<UserMessage>().id, 0x2013u);
        QCOMPARE(messages.at(0).at(0).value<UserMessage>().arguments, QStringList{"1"});
    }

    // A stored temperature or humidity beyond an int's range counts as beyond the upper limit:
    // the editor opens at its upper limit, not at its lower limit or at 0.
    void aStoredNumberBeyondAnIntOpensAtTheUpperLimit()
    {
        CalendarTab tab;
        tab.setNow(wall(2024, 5, 10, 10, 0));
        CalendarProgram stored = weekdayProgram(4, wall(2024, 5, 13, 18, 0));
        stored.temperature = 3000000000u;
        stored.humidity = 3000000000u;
        emit tab.bridge.saunaCalendarProgramChanged(stored);
        emit tab.weekdayOverview.calendarProgramEditActivated(stored);
        QVERIFY(tab.weekdayProgram.editing());
        const value::TemperatureValueManager *temperature =
            tab.weekdayProgram.customTemperatureManager();
        const value::HumidityValueManager *humidity = tab.weekdayProgram.customHumidityManager();
        QCOMPARE(temperature->value(), std::optional<int>(temperature->upperLimit()));
        QVERIFY(temperature->upperLimit() >= 990);
        QCOMPARE(humidity->value().value, humidity->upperLimit().value);
        QVERIFY(humidity->value().value > 0);
    }

    // A program's own temperature is held within the editor's limits, whatever was asked: 111 °C
    // is past the limit table's 110 °C.
    void programTemperatureIsHeldWithinItsLimits()
    {
        CalendarTab tab;
        for (value::TemperatureValueManager *temperature :
             {tab.dateProgram.customTemperatureManager(),
              tab.weekdayProgram.customTemperatureManager()}) {
            temperature->setValue(110 * 9);
            QCOMPARE(temperature->value(), std::optional<value::Degrees_9C_T>(110 * 9));
            temperature->setValue(111 * 9);
            QCOMPARE(temperature->value(), std::optional<value::Degrees_9C_T>(110 * 9));
            temperature->setValue(200 * 9);
            QCOMPARE(temperature->value(),
                     std::optional<value::Degrees_9C_T>(temperature->upperLimit()));
        }
    }
};

QTEST_MAIN(TestCalendarControllers)
#include "tst_calendar_controllers.moc"
