#include "control/sauna_state_controller.h"
#include "sauna_bridge/zerededid_bridge_receiver_signal_interface.h"
#include "signal_interface/time_edit_types.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/date_time_formatter.h"
#include "view_cpp/language_support.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <limits>

using control::SaunaStateController;
using signalInterface::NodeInformationTypes;
using signalInterface::SaunaStateTypes;
using signalInterface::UserMessageTypes::UserMessage;

namespace {

class FakeReceiver : public saunaBridge::ZerededidBridgeReceiverSignalInterface
{};

NodeInformationTypes::NodeInformationPost node(quint32 index, quint32 address,
                                               NodeInformationTypes::NodeProfileMode profile)
{
    NodeInformationTypes::NodeInformationPost post;
    post.index = index;
    post.address = address;
    post.profile = profile;
    return post;
}

} // namespace

// Stands in for the power switch, the heater settings and the other QML items.
class MainScreenView : public QObject
{
    Q_OBJECT

signals:
    void saunaStateChangeRequested(int state);
    void saunaRenewBathTime();
    void vibrationRequested();
    void settingsBathTimeEditActivated();
    void settingsBathTimeCommit();
    void settingsBathTimeEditCancelled();
    void calendarEditActivated();
    void durationChangeRequested(int component, int direction);
    void systemTimeChanged(QDateTime dateTime);
    void languageChanged(::signalInterface::LanguageTypes::Language language);
};

class TestSaunaStateController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }

    void everyConnectOperationConnects()
    {
        SaunaStateController controller;
        FakeReceiver receiver;
        MainScreenView view;
        QCOMPARE(controller.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(controller.connectPowerSwitchView({&view}), 0);
        QCOMPARE(controller.connectSettingsBathTimeView({&view}), 0);
        QCOMPARE(controller.connectCalendarEditView({&view}), 0);
        QCOMPARE(controller.connectBathTimeView({&view}), 0);
        QCOMPARE(controller.connectSystemTimeChanged({&view}), 0);
        QCOMPARE(controller.connectLanguageChanged({&view}), 0);
        // A null sender and an object without the signals count as failures.
        QObject plain;
        for (int i = 0; i < 3; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No such signal"));
        QCOMPARE(controller.connectPowerSwitchView({nullptr, &plain}), 6);
    }

    void powerSwitchRequestsTheStateAndIgnoresOtherNumbers()
    {
        SaunaStateController controller;
        MainScreenView view;
        controller.connectPowerSwitchView({&view});
        QSignalSpy requests(&controller, &SaunaStateController::saunaStateChangeRequested);
        QSignalSpy renewals(&controller, &SaunaStateController::renewBathTimeRequest);

        emit view.saunaStateChangeRequested(SaunaStateTypes::E_sauna_on);
        emit view.saunaStateChangeRequested(SaunaStateTypes::E_sauna_standby);
        emit view.saunaStateChangeRequested(SaunaStateTypes::E_sauna_off);
        emit view.saunaStateChangeRequested(6);
        emit view.saunaStateChangeRequested(-1);
        QCOMPARE(requests.count(), 3);
        QCOMPARE(requests.at(0).at(0).value<SaunaStateTypes::SaunaState>(),
                 SaunaStateTypes::E_sauna_on);
        QCOMPARE(requests.at(1).at(0).value<SaunaStateTypes::SaunaState>(),
                 SaunaStateTypes::E_sauna_standby);
        QCOMPARE(requests.at(2).at(0).value<SaunaStateTypes::SaunaState>(),
                 SaunaStateTypes::E_sauna_off);

        emit view.saunaRenewBathTime();
        QCOMPARE(renewals.count(), 1);
        emit view.vibrationRequested();
        QCOMPARE(requests.count(), 3);
    }

    void theReportedStateIsPassedOnAndRepublished()
    {
        SaunaStateController controller;
        FakeReceiver receiver;
        MainScreenView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectLanguageChanged({&view});
        QSignalSpy states(&controller, &SaunaStateController::saunaPhysicalStateChanged);

        emit receiver.saunaPhysicalStateChanged(SaunaStateTypes::E_sauna_dryup);
        emit receiver.saunaPhysicalStateChanged(SaunaStateTypes::E_sauna_dryup);
        QCOMPARE(controller.saunaState(), SaunaStateTypes::E_sauna_dryup);
        emit receiver.saunaPhysicalStateChanged(SaunaStateTypes::SaunaState(9));
        QCOMPARE(controller.saunaState(), SaunaStateTypes::E_sauna_dryup);
        QCOMPARE(states.count(), 1);

        emit view.languageChanged(signalInterface::LanguageTypes::E_finnish);
        controller.emitInitialState();
        QCOMPARE(states.count(), 3);
        QCOMPARE(states.last().at(0).value<SaunaStateTypes::SaunaState>(),
                 SaunaStateTypes::E_sauna_dryup);

        QSignalSpy done(&controller, &SaunaStateController::zeredeDidInitIsCompleted);
        controller.notifyZeredeDidInitCompleted();
        QCOMPARE(done.count(), 1);
    }

    void theBathTimeIsEditedAndCommitted()
    {
        SaunaStateController controller;
        FakeReceiver receiver;
        MainScreenView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectSettingsBathTimeView({&view});
        controller.connectBathTimeView({&view});
        controller.connectCalendarEditView({&view});
        QSignalSpy requests(&controller, &SaunaStateController::bathTimeChangeRequested);
        value::DurationManager *manager = controller.bathTimeManager();

        // Nothing chosen, nothing sent.
        emit view.settingsBathTimeEditActivated();
        emit view.settingsBathTimeCommit();
        QCOMPARE(requests.count(), 0);

        emit receiver.saunaBathTimeLimitChanged(360);
        emit receiver.saunaBathTimeChanged(90);
        QCOMPARE(manager->valueInMinutes(), 90);

        emit view.settingsBathTimeEditActivated();
        emit view.durationChangeRequested(signalInterface::TimeEditTypes::E_hour,
                                          signalInterface::TimeEditTypes::E_increase);
        QCOMPARE(manager->valueInMinutes(), 150);
        // A report during the edit does not take the user's value away.
        emit receiver.saunaBathTimeChanged(95);
        QCOMPARE(manager->valueInMinutes(), 150);
        emit view.settingsBathTimeCommit();
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.first().at(0).toInt(), 150);

        emit receiver.saunaBathTimeChanged(150);
        emit view.settingsBathTimeEditActivated();
        emit view.durationChangeRequested(signalInterface::TimeEditTypes::E_hour,
                                          signalInterface::TimeEditTypes::E_decrease);
        emit view.calendarEditActivated();
        QCOMPARE(manager->valueInMinutes(), 150);
        QCOMPARE(requests.count(), 1);
    }

    void backingOutOfTheEditSendsNothingAndShowsTheLastReport()
    {
        using signalInterface::TimeEditTypes;
        SaunaStateController controller;
        FakeReceiver receiver;
        MainScreenView view;
        controller.connectSaunaSignals({&receiver});
        QCOMPARE(controller.connectSettingsBathTimeView({&view}), 0);
        controller.connectBathTimeView({&view});
        QSignalSpy requests(&controller, &SaunaStateController::bathTimeChangeRequested);
        value::DurationManager *manager = controller.bathTimeManager();
        QSignalSpy shown(manager, &value::DurationManager::durationValueComponentsChanged);

        // Back before any report, and without an edit, changes nothing.
        emit view.settingsBathTimeEditCancelled();
        QVERIFY(!manager->value());
        QCOMPARE(shown.count(), 0);

        emit receiver.saunaBathTimeLimitChanged(360);
        emit receiver.saunaBathTimeChanged(90);
        emit view.settingsBathTimeEditActivated();
        emit view.durationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_increase);
        QCOMPARE(manager->valueInMinutes(), 150);
        // A report during the edit is held back, and shown when the user backs out.
        emit receiver.saunaBathTimeChanged(95);
        QCOMPARE(manager->valueInMinutes(), 150);
        emit view.settingsBathTimeEditCancelled();
        QCOMPARE(requests.count(), 0);
        QCOMPARE(manager->valueInMinutes(), 95);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last(), (QList<QVariant>{"1", "35", "00", "000"}));

        // Without a report during the edit, backing out restores the one from before it.
        emit view.settingsBathTimeEditActivated();
        emit view.durationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_decrease);
        QCOMPARE(manager->valueInMinutes(), 94);
        emit view.settingsBathTimeEditCancelled();
        QCOMPARE(manager->valueInMinutes(), 95);
        QCOMPARE(shown.last(), (QList<QVariant>{"1", "35", "00", "000"}));

        // The edit is over: later reports show at once.
        emit receiver.saunaBathTimeChanged(45);
        QCOMPARE(manager->valueInMinutes(), 45);
        QCOMPARE(shown.last(), (QList<QVariant>{"0", "45", "00", "000"}));
        QCOMPARE(requests.count(), 0);

        // Backing out does not spoil the next edit: that one is sent when saved.
        emit view.settingsBathTimeEditActivated();
        emit view.durationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_increase);
        emit view.settingsBathTimeCommit();
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.last().at(0).toInt(), 46);
    }

    void theOpenPageFollowsTheSaunaUntilStepped_data()
    {
        // In order: "open" (the heater settings), "save" (its Save, the page stays open), "up"
        // and "down" (a minute step), "replace" (another sauna), "limit=N" and "bath=N"
        // (reports). Then: what the editor holds, and what Save sends.
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("held");
        QTest::newRow("saved, stepped, another panel saves: the step stands")
            << "limit=720 bath=240 open save bath=240 up up bath=303" << 242;
        QTest::newRow("saved, untouched: follows")
            << "limit=720 bath=240 open up save bath=303" << 303;
        QTest::newRow("saved, stepped before the echo: the step stands")
            << "limit=720 bath=240 open up save up bath=241" << 242;
        QTest::newRow("stepped away and back: follows")
            << "limit=720 bath=240 open up down bath=303" << 303;
        QTest::newRow("stepped away, another panel saves, stepped back: its time at once")
            << "limit=720 bath=240 open up bath=303 down" << 303;
        QTest::newRow("saved, stepped away and back before the echo: the saved time stands")
            << "limit=720 bath=240 open up save up down" << 241;
        QTest::newRow("another sauna under the open page: its report within its limit")
            << "limit=60 bath=60 open replace bath=90 limit=360" << 90;
        QTest::newRow("another sauna under the open page: a step stands")
            << "limit=360 bath=60 open replace limit=360 bath=90 up bath=120" << 91;
    }

    void theOpenPageFollowsTheSaunaUntilStepped()
    {
        using signalInterface::TimeEditTypes;
        QFETCH(QString, events);
        QFETCH(int, held);
        SaunaStateController controller;
        FakeReceiver receiver;
        MainScreenView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectSettingsBathTimeView({&view});
        controller.connectBathTimeView({&view});
        QSignalSpy requests(&controller, &SaunaStateController::bathTimeChangeRequested);
        for (const QString &event : events.split(' ')) {
            const int minutes = event.section('=', 1).toInt();
            if (event == "open")
                emit view.settingsBathTimeEditActivated();
            else if (event == "save")
                emit view.settingsBathTimeCommit();
            else if (event == "up" || event == "down")
                emit view.durationChangeRequested(TimeEditTypes::E_minute,
                                                  event == "up" ? TimeEditTypes::E_increase
                                                                : TimeEditTypes::E_decrease);
            else if (event == "replace")
                controller.onSaunaReplaced();
            else if (event.startsWith("limit="))
                emit receiver.saunaBathTimeLimitChanged(minutes);
            else if (event.startsWith("bath="))
                emit receiver.saunaBathTimeChanged(minutes);
            else
                QFAIL(qPrintable(event));
            // What the event changed is looked at before the next, as between two taps.
            QCoreApplication::sendPostedEvents();
        }
        QCOMPARE(controller.bathTimeManager()->valueInMinutes(), held);
        requests.clear();
        emit view.settingsBathTimeCommit();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.first().at(0).toInt(), held);
    }

    void theBathTimeStopsAtOneMinuteAndTheSaunasLimit()
    {
        using signalInterface::TimeEditTypes;
        SaunaStateController controller;
        FakeReceiver receiver;
        MainScreenView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectSettingsBathTimeView({&view});
        controller.connectBathTimeView({&view});
        QSignalSpy requests(&controller, &SaunaStateController::bathTimeChangeRequested);
        value::DurationManager *manager = controller.bathTimeManager();
        int hour = 0, minute = 0, second = 0, millisecond = 0;
        manager->componentSteps(hour, minute, second, millisecond);
        QCOMPARE((QList<int>{hour, minute, second, millisecond}), (QList<int>{1, 1, 1, 1}));

        emit receiver.saunaBathTimeLimitChanged(360);
        emit receiver.saunaBathTimeChanged(3);
        QSignalSpy lowerFlags(manager, &value::DurationManager::lowerLimitReached);
        emit view.settingsBathTimeEditActivated();
        // The minute stepper stops at one minute however often it is pressed.
        for (int press = 0; press < 5; ++press)
            emit view.durationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_decrease);
        QCOMPARE(manager->valueInMinutes(), 1);
        QVERIFY(!lowerFlags.isEmpty());
        QCOMPARE(lowerFlags.last().at(1).toBool(), true);
        emit view.settingsBathTimeCommit();
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.last().at(0).toInt(), 1);
        emit receiver.saunaBathTimeChanged(1);

        // From the bottom the hour stepper wraps to the sauna's limit, and stops there going up.
        emit view.settingsBathTimeEditActivated();
        emit view.durationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_decrease);
        QCOMPARE(manager->valueInMinutes(), 360);
        emit view.durationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_increase);
        QCOMPARE(manager->valueInMinutes(), 360);
        emit view.durationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_decrease);
        emit view.durationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_increase);
        QCOMPARE(manager->valueInMinutes(), 360);
        emit view.settingsBathTimeCommit();
        QCOMPARE(requests.last().at(0).toInt(), 360);
        emit receiver.saunaBathTimeChanged(360);

        // A new limit from the sauna moves the top; a limit below one minute keeps the floor.
        emit receiver.saunaBathTimeLimitChanged(120);
        QCOMPARE(manager->valueInMinutes(), 120);
        emit receiver.saunaBathTimeLimitChanged(0);
        emit receiver.saunaBathTimeChanged(2);
        emit view.settingsBathTimeEditActivated();
        emit view.durationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_decrease);
        emit view.durationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_decrease);
        emit view.settingsBathTimeCommit();
        QCOMPARE(requests.last().at(0).toInt(), 1);
        emit receiver.saunaBathTimeChanged(1);
        emit view.settingsBathTimeEditActivated();
        emit view.durationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_decrease);
        emit view.settingsBathTimeCommit();
        QCOMPARE(requests.last().at(0).toInt(), 120);
        for (const QList<QVariant> &request : requests)
            QVERIFY(request.at(0).toInt() >= 1);
    }

    void theHourStepperWrapsAtTheLimits_data()
    {
        using signalInterface::TimeEditTypes;
        QTest::addColumn<int>("bathTime");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("blockedAfter");
        // The sauna allows 1 minute to 12 hours.
        // A step past a limit ends on it; the next one goes round to the other limit, so the
        // hour stepper is never blocked.
        QTest::newRow("down from half an hour")
            << 30 << int(TimeEditTypes::E_decrease) << 1 << 1 << false;
        QTest::newRow("down from one minute")
            << 1 << int(TimeEditTypes::E_decrease) << 3 << 600 << false;
        QTest::newRow("down from 2:30")
            << 150 << int(TimeEditTypes::E_decrease) << 2 << 30 << false;
        QTest::newRow("down past the bottom")
            << 150 << int(TimeEditTypes::E_decrease) << 5 << 660 << false;
        QTest::newRow("up to the limit")
            << 690 << int(TimeEditTypes::E_increase) << 1 << 720 << false;
        QTest::newRow("up from the limit")
            << 720 << int(TimeEditTypes::E_increase) << 4 << 181 << false;
        QTest::newRow("up from 10:00")
            << 600 << int(TimeEditTypes::E_increase) << 1 << 660 << false;
    }

    void theHourStepperWrapsAtTheLimits()
    {
        using signalInterface::TimeEditTypes;
        QFETCH(int, bathTime);
        QFETCH(int, direction);
        QFETCH(int, presses);
        QFETCH(int, expected);
        QFETCH(bool, blockedAfter);
        SaunaStateController controller;
        FakeReceiver receiver;
        MainScreenView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectSettingsBathTimeView({&view});
        controller.connectBathTimeView({&view});
        value::DurationManager *manager = controller.bathTimeManager();
        QSignalSpy lowerFlags(manager, &value::DurationManager::lowerLimitReached);
        QSignalSpy upperFlags(manager, &value::DurationManager::upperLimitReached);
        emit receiver.saunaBathTimeLimitChanged(720);
        emit receiver.saunaBathTimeChanged(bathTime);

        emit view.settingsBathTimeEditActivated();
        for (int press = 0; press < presses; ++press)
            emit view.durationChangeRequested(TimeEditTypes::E_hour, direction);
        QCOMPARE(manager->valueInMinutes(), expected);
        QSignalSpy &flags = direction == TimeEditTypes::E_increase ? upperFlags : lowerFlags;
        QVERIFY(!flags.isEmpty());
        QCOMPARE(flags.last().at(0).toBool(), blockedAfter);
    }

    void theEditorIsHeldUntilTheLimitIsKnown()
    {
        using signalInterface::TimeEditTypes;
        SaunaStateController controller;
        FakeReceiver receiver;
        MainScreenView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectSettingsBathTimeView({&view});
        controller.connectBathTimeView({&view});
        QSignalSpy requests(&controller, &SaunaStateController::bathTimeChangeRequested);
        QSignalSpy known(&controller, &SaunaStateController::bathTimeLimitKnownChanged);
        value::DurationManager *manager = controller.bathTimeManager();

        // The bath time is shown, but without the sauna's limit it cannot be changed or sent.
        emit receiver.saunaBathTimeChanged(90);
        QVERIFY(!controller.bathTimeLimitKnown());
        QVERIFY(!controller.property("bathTimeLimitKnown").toBool());
        emit view.settingsBathTimeEditActivated();
        for (int press = 0; press < 30; ++press)
            emit view.durationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_increase);
        QCOMPARE(manager->valueInMinutes(), 90);
        emit view.settingsBathTimeCommit();
        QCOMPARE(requests.count(), 0);
        QCOMPARE(known.count(), 0);

        // A limit below one minute is no limit.
        emit receiver.saunaBathTimeLimitChanged(0);
        QVERIFY(!controller.bathTimeLimitKnown());

        emit receiver.saunaBathTimeLimitChanged(180);
        QVERIFY(controller.property("bathTimeLimitKnown").toBool());
        QCOMPARE(known.count(), 1);
        emit receiver.saunaBathTimeLimitChanged(240);
        QCOMPARE(known.count(), 1);
        emit view.settingsBathTimeEditActivated();
        emit view.durationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_increase);
        emit view.settingsBathTimeCommit();
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.last().at(0).toInt(), 150);
    }

    void editorMinutesArePaddedAfterAnHour_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("hoursText");
        QTest::addColumn<QString>("minutesText");
        QTest::newRow("0:05") << 5 << "0"
                              << "5";
        QTest::newRow("1:05") << 65 << "1"
                              << "05";
        QTest::newRow("2:00") << 120 << "2"
                              << "00";
        QTest::newRow("1:30") << 90 << "1"
                              << "30";
    }

    void editorMinutesArePaddedAfterAnHour()
    {
        QFETCH(int, minutes);
        QFETCH(QString, hoursText);
        QFETCH(QString, minutesText);
        SaunaStateController controller;
        FakeReceiver receiver;
        controller.connectSaunaSignals({&receiver});
        QSignalSpy shown(controller.bathTimeManager(),
                         &value::DurationManager::durationValueComponentsChanged);
        emit receiver.saunaBathTimeLimitChanged(360);
        emit receiver.saunaBathTimeChanged(minutes);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().at(0).toString(), hoursText);
        QCOMPARE(shown.last().at(1).toString(), minutesText);
        // The tile writes the same duration as every other duration text; the editor pads the
        // minutes after an hour, as every duration editor does.
        QCOMPARE(controller.bathTimeText(), view::LanguageSupport::durationText(unsigned(minutes)));
        QVERIFY(controller.bathTimeText().contains(QString::number(minutes % 60) + "min"));
    }

    void theTileShowsTheTimeLeftWhileTheSaunaRuns()
    {
        SaunaStateController controller;
        FakeReceiver receiver;
        controller.connectSaunaSignals({&receiver});
        QSignalSpy texts(&controller, &SaunaStateController::bathTimeTextChanged);
        const auto duration = [](int minutes) {
            return view::LanguageSupport::durationText(unsigned(minutes));
        };

        QCOMPARE(controller.bathTimeText(), QString());
        emit receiver.saunaBathTimeChanged(90);
        QCOMPARE(controller.property("bathTimeText").toString(), duration(90));
        QVERIFY(!controller.property("showsTimeLeft").toBool());
        QCOMPARE(texts.count(), 1);

        // Off: the time left the sauna tells is not what the tile shows.
        emit receiver.saunaRunTimeLeftChanged(0);
        QCOMPARE(controller.bathTimeText(), duration(90));
        QCOMPARE(texts.count(), 1);

        emit receiver.saunaPhysicalStateChanged(SaunaStateTypes::E_sauna_on);
        emit receiver.saunaRunTimeLeftChanged(90);
        QVERIFY(controller.property("showsTimeLeft").toBool());
        QCOMPARE(controller.bathTimeText(), duration(90));
        const int beforeCountdown = int(texts.count());
        emit receiver.saunaRunTimeLeftChanged(89);
        QCOMPARE(controller.property("bathTimeText").toString(), duration(89));
        QCOMPARE(texts.count(), beforeCountdown + 1);
        // A new bath time while running does not replace the time left.
        emit receiver.saunaBathTimeChanged(120);
        QCOMPARE(controller.bathTimeText(), duration(89));

        // Standby counts down too.
        emit receiver.saunaPhysicalStateChanged(SaunaStateTypes::E_sauna_standby);
        emit receiver.saunaRunTimeLeftChanged(61);
        QCOMPARE(controller.bathTimeText(), duration(61));
        QVERIFY(controller.showsTimeLeft());

        // Drying is no longer the bath: the set bath time again.
        emit receiver.saunaPhysicalStateChanged(SaunaStateTypes::E_sauna_dryup);
        QVERIFY(!controller.showsTimeLeft());
        QCOMPARE(controller.bathTimeText(), duration(120));
        emit receiver.saunaPhysicalStateChanged(SaunaStateTypes::E_sauna_off);
        emit receiver.saunaRunTimeLeftChanged(0);
        QCOMPARE(controller.bathTimeText(), duration(120));
        QVERIFY(!controller.showsTimeLeft());
    }

    void reportsOutsideABathShowNoValue_data()
    {
        QTest::addColumn<bool>("timeLeft");
        QTest::addColumn<int>("reported");
        QTest::addColumn<bool>("shown");
        // The heater settings are open, untouched, while the reports arrive.
        QTest::addColumn<bool>("editing");
        const int largest = std::numeric_limits<int>::max();
        // A bath lasts a minute at least and a day at most; the time left may have run out.
        QTest::newRow("bath time 1 min") << false << 1 << true << false;
        QTest::newRow("bath time a day") << false << 1440 << true << false;
        QTest::newRow("bath time 0") << false << 0 << false << false;
        QTest::newRow("bath time a day and a minute") << false << 1441 << false << false;
        QTest::newRow("bath time largest int") << false << largest << false << false;
        QTest::newRow("bath time negative") << false << -1 << false << false;
        QTest::newRow("time left 0") << true << 0 << true << false;
        QTest::newRow("time left a day") << true << 1440 << true << false;
        QTest::newRow("time left negative") << true << -1 << false << false;
        QTest::newRow("time left a day and a minute") << true << 1441 << false << false;
        QTest::newRow("time left largest int") << true << largest << false << false;
        QTest::newRow("heater settings open, bath time 2 h") << false << 120 << true << true;
        QTest::newRow("heater settings open, bath time 0") << false << 0 << false << true;
    }

    // The tile, and the bath time's editor, show what the sauna said last: a report that is no
    // bath time replaces the former one with "--" (an empty text, which the tile shows so).
    void reportsOutsideABathShowNoValue()
    {
        QFETCH(bool, timeLeft);
        QFETCH(int, reported);
        QFETCH(bool, shown);
        QFETCH(bool, editing);
        SaunaStateController controller;
        FakeReceiver receiver;
        controller.connectSaunaSignals({&receiver});
        if (editing)
            controller.onSettingsBathTimeEditActivated();
        QSignalSpy editor(controller.bathTimeManager(),
                          &value::DurationManager::durationValueComponentsChanged);
        const auto duration = [](int minutes) {
            return view::LanguageSupport::durationText(unsigned(minutes));
        };
        const auto report = [&](int minutes) {
            if (timeLeft)
                emit receiver.saunaRunTimeLeftChanged(minutes);
            else
                emit receiver.saunaBathTimeChanged(minutes);
        };
        emit receiver.saunaBathTimeLimitChanged(1440);
        if (timeLeft)
            emit receiver.saunaPhysicalStateChanged(SaunaStateTypes::E_sauna_on);

        report(90);
        QCOMPARE(controller.bathTimeText(), duration(90));
        report(reported);
        QCOMPARE(controller.bathTimeText(), shown ? duration(reported) : QString());
        QCOMPARE(controller.showsTimeLeft(), timeLeft);
        if (!timeLeft) {
            QVERIFY(!editor.isEmpty());
            QCOMPARE(editor.last().at(0).toString() == QStringLiteral("--"), !shown);
        }
        report(61);
        QCOMPARE(controller.bathTimeText(), duration(61));
        if (!timeLeft)
            QCOMPARE(controller.bathTimeManager()->valueInMinutes(), 61);
    }

    void relayBoardsAreCountedFromTheNodeList()
    {
        SaunaStateController controller;
        FakeReceiver receiver;
        controller.connectSaunaSignals({&receiver});
        QSignalSpy counts(&controller, &SaunaStateController::saunaRcbNumbersChanged);

        // A board is a node above bus address 63, whatever profile it reports.
        emit receiver.saunaNodeListItemChanged(node(0, 64, NodeInformationTypes::E_rcb));
        emit receiver.saunaNodeListItemChanged(node(1, 63, NodeInformationTypes::E_rcb));
        emit receiver.saunaNodeListItemChanged(node(2, 80, NodeInformationTypes::E_cp));
        emit receiver.saunaNodeListItemChanged(node(2, 80, NodeInformationTypes::E_cp));
        emit receiver.saunaNodeListItemChanged(node(3, 0, NodeInformationTypes::E_ths));
        emit receiver.saunaNodeListItemChanged(node(4, 96, NodeInformationTypes::E_ths));
        QCOMPARE(counts.count(), 3);
        QCOMPARE(counts.last().at(0).toInt(), 3);
        // A node that moves to 63 or below is no longer one.
        emit receiver.saunaNodeListItemChanged(node(0, 40, NodeInformationTypes::E_rcb));
        QCOMPARE(counts.last().at(0).toInt(), 2);
        QCOMPARE(controller.rcbCount(), 2);
    }

    void theAllowedStartTimeIsAppendedInTheTimeFormat()
    {
        SaunaStateController controller;
        FakeReceiver receiver;
        MainScreenView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectSystemTimeChanged({&view});
        view::DateTimeFormatter::instance()->onTimeFormatChanged(
            signalInterface::DateTimeTypes::E_0_24);

        emit view.systemTimeChanged(QDateTime(QDate(2024, 3, 1), QTime(22, 50)));
        emit receiver.saunaTimeToAllowedOnChanged(95);
        UserMessage message(0x1002);
        message.arguments << QStringLiteral("first");
        controller.appendAllowedStartTimeArgument(message);
        QCOMPARE(message.arguments.size(), 2);
        QCOMPARE(message.arguments.at(1),
                 view::DateTimeFormatter::instance()->formatTime(QTime(0, 25)));
        QVERIFY(!message.arguments.at(1).isEmpty());
    }

    void aWaitBeyondADayHasNoAllowedStartTime_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<bool>("shown");
        QTest::newRow("none") << 0 << true;
        QTest::newRow("a day") << 1440 << true;
        QTest::newRow("negative") << -1 << false;
        QTest::newRow("a day and a minute") << 1441 << false;
        QTest::newRow("largest int") << std::numeric_limits<int>::max() << false;
    }

    void aWaitBeyondADayHasNoAllowedStartTime()
    {
        QFETCH(int, minutes);
        QFETCH(bool, shown);
        SaunaStateController controller;
        FakeReceiver receiver;
        MainScreenView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectSystemTimeChanged({&view});
        view::DateTimeFormatter::instance()->onTimeFormatChanged(
            signalInterface::DateTimeTypes::E_0_24);
        emit view.systemTimeChanged(QDateTime(QDate(2024, 3, 1), QTime(22, 50)));

        emit receiver.saunaTimeToAllowedOnChanged(minutes);
        UserMessage message(0x1002);
        controller.appendAllowedStartTimeArgument(message);
        QCOMPARE(message.arguments.size(), 1);
        QCOMPARE(message.arguments.first(),
                 shown ? view::DateTimeFormatter::instance()->formatTime(QTime(22, 50))
                       : QStringLiteral("--"));
    }

    void withoutASystemTimeThePanelClockIsUsed()
    {
        SaunaStateController controller;
        UserMessage message(0x1002);
        controller.appendAllowedStartTimeArgument(message);
        QCOMPARE(message.arguments.size(), 1);
        QVERIFY(!message.arguments.first().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSaunaStateController)
#include "tst_sauna_state_controller.moc"
