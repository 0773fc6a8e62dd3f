#include "control/humidity_controller.h"
#include "control/settings.h"
#include "sauna_bridge/zerededid_bridge_receiver_signal_interface.h"
#include "signal_interface/data_provider_types.h"
#include "signal_interface/type_registration.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using control::HumidityController;
using control::Settings;
using signalInterface::DataProviderTypes;
using signalInterface::HumidityTypes;

namespace {

class FakeReceiver : public saunaBridge::ZerededidBridgeReceiverSignalInterface
{};

constexpr int up = DataProviderTypes::E_stepper_increase;
constexpr int down = DataProviderTypes::E_stepper_decrease;

} // namespace

// Stands in for the QML steppers and the filter settings screen.
class HumidityView : public QObject
{
    Q_OBJECT

signals:
    void changeHumidityValueRequested(int step);
    void humidityPresentationChangeRequested(
        ::signalInterface::HumidityTypes::HumidityPresentation presentation);
};

class TestHumidityController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }
    void init()
    {
        Settings::settings()->clear();
        Settings::settings()->sync();
        Settings::resetForTesting();
    }

    void levelStepsAreProposedInTheSaunaCoding()
    {
        HumidityController controller;
        FakeReceiver receiver;
        HumidityView view;
        QCOMPARE(controller.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(controller.connectTargetHumidityView({&view}), 0);
        QSignalSpy requests(&controller, &HumidityController::targetHumidityChangeRequested);
        QSignalSpy shown(controller.targetHumidityManager(),
                         &value::HumidityValueManager::humidityValueChanged);

        emit view.changeHumidityValueRequested(up);
        QCOMPARE(requests.count(), 0);

        emit receiver.saunaTargetHumidityChanged(105);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.takeLast().at(0).toInt(), 4);
        emit view.changeHumidityValueRequested(up);
        QVERIFY(!requests.isEmpty());
        QCOMPARE(requests.takeFirst().at(0).toInt(), 106);
        emit view.changeHumidityValueRequested(down);
        QVERIFY(!requests.isEmpty());
        QCOMPARE(requests.takeFirst().at(0).toInt(), 104);
        QCOMPARE(controller.targetHumidityManager()->value(),
                 (value::HumidityValue_T{4, HumidityTypes::E_step}));
        QCOMPARE(shown.count(), 0);

        // Level 0 and level 10 are the ends: level -1 would go out as 100 %, level 11 beyond.
        emit receiver.saunaTargetHumidityChanged(101);
        emit view.changeHumidityValueRequested(down);
        QCOMPARE(requests.count(), 0);
        emit view.changeHumidityValueRequested(up);
        QVERIFY(!requests.isEmpty());
        QCOMPARE(requests.takeFirst().at(0).toInt(), 102);
        emit receiver.saunaTargetHumidityChanged(111);
        emit view.changeHumidityValueRequested(up);
        QCOMPARE(requests.count(), 0);
    }

    void percentStepsAreProposedAsPercent()
    {
        HumidityController controller;
        FakeReceiver receiver;
        HumidityView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectTargetHumidityView({&view});
        QSignalSpy requests(&controller, &HumidityController::targetHumidityChangeRequested);
        QSignalSpy units(&controller, &HumidityController::humidityUnitChanged);

        emit receiver.saunaTargetHumidityChanged(40);
        QCOMPARE(controller.humidityUnit(), HumidityTypes::E_percentage);
        QCOMPARE(units.count(), 1);
        QCOMPARE(units.first().at(0).value<HumidityTypes::HumidityUnit>(),
                 HumidityTypes::E_percentage);
        emit view.changeHumidityValueRequested(up);
        QVERIFY(!requests.isEmpty());
        QCOMPARE(requests.takeFirst().at(0).toInt(), 41);

        // 101 % would read as level 0.
        emit receiver.saunaTargetHumidityChanged(100);
        emit view.changeHumidityValueRequested(up);
        QCOMPARE(requests.count(), 0);
        emit view.changeHumidityValueRequested(down);
        QVERIFY(!requests.isEmpty());
        QCOMPARE(requests.takeFirst().at(0).toInt(), 99);
        emit receiver.saunaTargetHumidityChanged(0);
        emit view.changeHumidityValueRequested(down);
        QCOMPARE(requests.count(), 0);
    }

    // The main screen limits the target humidity by the sauna's target temperature: a step up
    // at the limit asks nothing, and the up-step shows as blocked there; a target reported past
    // the limit stays as it is and only steps down. Temperatures in ninths (-1: none reported),
    // humidities in the sauna's coding, a request of -1 is none.
    void stepsStopAtTheLimitForTheTargetTemperature_data()
    {
        QTest::addColumn<int>("temperature");
        QTest::addColumn<int>("humidity");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("requested");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("80 °C allows 46 %") << 720 << 45 << up << 46 << false;
        QTest::newRow("at 46 % and 80 °C") << 720 << 46 << up << -1 << true;
        QTest::newRow("177 °F counts as 81 °C, which allows 45 %") << 725 << 45 << up << -1 << true;
        QTest::newRow("80 °C allows level 4") << 720 << 104 << up << 105 << false;
        QTest::newRow("at level 4 and 80 °C") << 720 << 105 << up << -1 << true;
        QTest::newRow("past the table, as reported: no step up") << 720 << 60 << up << -1 << true;
        QTest::newRow("past the table, as reported: a step down")
            << 720 << 60 << down << 59 << true;
        QTest::newRow("no target temperature: up to 100 %") << -1 << 99 << up << 100 << false;
        QTest::newRow("110 °C allows none") << 990 << 0 << up << -1 << true;
    }

    void stepsStopAtTheLimitForTheTargetTemperature()
    {
        QFETCH(int, temperature);
        QFETCH(int, humidity);
        QFETCH(int, direction);
        QFETCH(int, requested);
        QFETCH(bool, blocked);
        HumidityController controller;
        FakeReceiver receiver;
        HumidityView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectTargetHumidityView({&view});
        QSignalSpy requests(&controller, &HumidityController::targetHumidityChangeRequested);
        QSignalSpy limits(controller.targetHumidityManager(),
                          &value::HumidityValueManager::upperLimitReached);
        if (temperature >= 0)
            emit receiver.saunaTargetTemperatureChanged(temperature);
        emit receiver.saunaTargetHumidityChanged(humidity);
        QVERIFY(!limits.isEmpty());
        QCOMPARE(limits.last().at(0).toBool(), blocked);
        emit view.changeHumidityValueRequested(direction);
        QCOMPARE(requests.isEmpty() ? -1 : requests.takeFirst().at(0).toInt(), requested);
        QCOMPARE(requests.count(), 0);
    }

    void humidityIsOfferedOnlyWhereTheSaunaControlsIt_data()
    {
        QTest::addColumn<bool>("level");
        QTest::addColumn<bool>("percent");
        QTest::addColumn<bool>("supported");
        QTest::newRow("dry or infrared") << false << false << false;
        QTest::newRow("steps") << true << false << true;
        QTest::newRow("percent") << false << true << true;
        QTest::newRow("both") << true << true << true;
    }

    void humidityIsOfferedOnlyWhereTheSaunaControlsIt()
    {
        QFETCH(bool, level);
        QFETCH(bool, percent);
        QFETCH(bool, supported);
        HumidityController controller;
        FakeReceiver receiver;
        QCOMPARE(controller.connectSaunaSignals({&receiver}), 0);
        QSignalSpy changes(&controller, &HumidityController::humiditySupportedChanged);
        // Nothing offered before the sauna has said what it has.
        QVERIFY(!controller.property("humiditySupported").toBool());

        signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions;
        functions.humidityLevel = level;
        functions.humidityPercent = percent;
        emit receiver.saunaMasterFuncDescChanged(functions);
        QCOMPARE(controller.property("humiditySupported").toBool(), supported);
        QCOMPARE(changes.count(), supported ? 1 : 0);

        // Another sauna, or the same one changed: the flags follow the last report.
        emit receiver.saunaMasterFuncDescChanged(
            signalInterface::MasterFuncDescTypes::MasterFuncDescPost{});
        QVERIFY(!controller.humiditySupported());
        QCOMPARE(changes.count(), supported ? 2 : 0);
    }

    void targetsOutsideTheCodingAreIgnored()
    {
        HumidityController controller;
        FakeReceiver receiver;
        controller.connectSaunaSignals({&receiver});
        emit receiver.saunaTargetHumidityChanged(103);
        emit receiver.saunaTargetHumidityChanged(112);
        emit receiver.saunaTargetHumidityChanged(-1);
        QCOMPARE(controller.targetHumidityManager()->value(),
                 (value::HumidityValue_T{2, HumidityTypes::E_step}));
    }

    void theMeasuredHumidityFollowsThePresentation()
    {
        HumidityController controller;
        FakeReceiver receiver;
        HumidityView view;
        controller.connectSaunaSignals({&receiver});
        QCOMPARE(controller.connectHumidityPresentationRequests({&view}), 0);
        QSignalSpy shown(controller.physicalHumidityManager(),
                         &value::HumidityPresentationManager::humidityValueChanged);
        QSignalSpy presentations(&controller, &HumidityController::humidityPresentationChanged);
        QSignalSpy presentationInts(&controller,
                                    &HumidityController::humidityPresentationIntChanged);

        emit receiver.saunaHumidityChanged(30, HumidityTypes::E_percentage);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().at(0).toInt(), 30);
        emit receiver.saunaHumidityChanged(42, HumidityTypes::E_percentage);
        QCOMPARE(shown.last().at(0).toInt(), 30);
        controller.humidityFilterer()->onTimeout();
        QCOMPARE(shown.last().at(0).toInt(), 35);

        emit view.humidityPresentationChangeRequested(HumidityTypes::E_direct);
        QCOMPARE(shown.last().at(0).toInt(), 42);
        QCOMPARE(presentations.count(), 1);
        QCOMPARE(presentations.first().at(0).value<HumidityTypes::HumidityPresentation>(),
                 HumidityTypes::E_direct);
        QVERIFY(!presentationInts.isEmpty());
        QCOMPARE(presentationInts.first().at(0).toInt(), 1);
        QCOMPARE(Settings::intValue(Settings::humidityPresentationKey), std::optional<int>(1));

        emit view.humidityPresentationChangeRequested(HumidityTypes::HumidityPresentation(5));
        QCOMPARE(presentations.count(), 1);
        QCOMPARE(Settings::intValue(Settings::humidityPresentationKey), std::optional<int>(1));
    }

    void theRoomHumidityReadsNoValueOnlyWhileTheSensorFails_data()
    {
        QTest::addColumn<bool>("sensorFails");
        QTest::addColumn<HumidityTypes::HumidityPresentation>("presentation");
        QTest::newRow("failed sensor, smooth") << true << HumidityTypes::E_smooth;
        QTest::newRow("failed sensor, direct") << true << HumidityTypes::E_direct;
        QTest::newRow("product without humidity, smooth") << false << HumidityTypes::E_smooth;
        QTest::newRow("product without humidity, direct") << false << HumidityTypes::E_direct;
    }

    // While the sauna reports its sensor not working, the room's humidity reads "no value" in
    // either presentation, whatever the sauna reports meanwhile; the first measurement after
    // shows at once. A product without humidity control (a dry or infrared sauna) whose sensor
    // works shows what it measures.
    void theRoomHumidityReadsNoValueOnlyWhileTheSensorFails()
    {
        QFETCH(bool, sensorFails);
        QFETCH(HumidityTypes::HumidityPresentation, presentation);
        HumidityController controller;
        FakeReceiver receiver;
        QCOMPARE(controller.connectSaunaSignals({&receiver}), 0);
        controller.onHumidityPresentationChangeRequested(presentation);
        QSignalSpy shown(controller.physicalHumidityManager(),
                         &value::HumidityPresentationManager::humidityValueChanged);
        const QVariantList none{0, false};
        signalInterface::MasterFuncDescTypes::MasterFuncDescPost withHumidity;
        withHumidity.humidityPercent = true;
        const auto measures = [&](bool measures) {
            if (sensorFails)
                emit receiver.saunaHumiditySensorStatusChanged(measures);
            else
                emit receiver.saunaMasterFuncDescChanged(
                    measures ? withHumidity
                             : signalInterface::MasterFuncDescTypes::MasterFuncDescPost{});
        };
        const auto measured = [&](int percent) {
            return sensorFails ? none : QVariantList{percent, true};
        };

        measures(true);
        emit receiver.saunaHumidityChanged(40, HumidityTypes::E_percentage);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last(), (QVariantList{40, true}));
        measures(false);
        QCOMPARE(shown.last(), measured(40));
        emit receiver.saunaHumidityChanged(45, HumidityTypes::E_percentage);
        controller.humidityFilterer()->onTimeout();
        QCOMPARE(shown.last(), measured(45));
        measures(true);
        QCOMPARE(shown.last(), measured(45));
        if (!sensorFails)
            return;
        emit receiver.saunaHumidityChanged(60, HumidityTypes::E_percentage);
        QCOMPARE(shown.last(), (QVariantList{60, true}));
    }

    // The filter hears the sauna's measurements itself, every one of them, also a humidity the
    // dial cannot show.
    void theFilterHearsEveryMeasurement()
    {
        HumidityController controller;
        FakeReceiver receiver;
        QCOMPARE(controller.connectSaunaSignals({&receiver}), 0);
        value::HumidityFilterer &filterer = *controller.humidityFilterer();
        emit receiver.saunaHumidityChanged(98, HumidityTypes::E_percentage);
        QCOMPARE(filterer.filteredValue(),
                 (value::HumidityValue_T{98, HumidityTypes::E_percentage}));
        emit receiver.saunaHumidityChanged(100, HumidityTypes::E_percentage);
        filterer.onTimeout();
        QCOMPARE(filterer.filteredValue(),
                 (value::HumidityValue_T{100, HumidityTypes::E_percentage}));
        // A number that is no humidity is not smoothed towards.
        emit receiver.saunaHumidityChanged(120, HumidityTypes::E_percentage);
        filterer.onTimeout();
        QCOMPARE(filterer.filteredValue(),
                 (value::HumidityValue_T{100, HumidityTypes::E_percentage}));
        // After a connection that ended, the first measurement shows at once.
        controller.onConnectedChanged(false);
        emit receiver.saunaHumidityChanged(40, HumidityTypes::E_percentage);
        QCOMPARE(filterer.filteredValue(),
                 (value::HumidityValue_T{40, HumidityTypes::E_percentage}));
    }

    // The running panel's smoothing: a tick every 30 s once started, at most 5 % or one level a
    // tick, and from 4 % below to 8 % above the target it heads for the target.
    void theSmoothingSettlesOnTheTargetFromFourBelowToEightAbove()
    {
        HumidityController controller;
        FakeReceiver receiver;
        QCOMPARE(controller.connectSaunaSignals({&receiver}), 0);
        value::HumidityFilterer &filterer = *controller.humidityFilterer();
        controller.emitInitialState();
        QVERIFY(filterer.isRunning());
        QCOMPARE(filterer.timerInterval(), 30000);
        QSignalSpy filtered(&filterer, &value::HumidityFilterer::filteredHumidityValueChanged);
        const auto ticks = [&](int count) {
            filtered.clear();
            QList<int> values;
            for (int tick = 0; tick < count; ++tick)
                filterer.onTimeout();
            for (const QList<QVariant> &emitted : std::as_const(filtered))
                values << emitted.at(0).value<value::HumidityValue_T>().value;
            return values;
        };

        emit receiver.saunaTargetHumidityChanged(60);
        emit receiver.saunaHumidityChanged(40, HumidityTypes::E_percentage);
        QCOMPARE(filterer.filteredValue().value, 40);
        // 5 below the target: the room is followed, 5 % a tick.
        emit receiver.saunaHumidityChanged(55, HumidityTypes::E_percentage);
        QCOMPARE(ticks(4), (QList<int>{45, 50, 55}));
        // 4 below: the display heads for the target.
        emit receiver.saunaHumidityChanged(56, HumidityTypes::E_percentage);
        QCOMPARE(ticks(2), QList<int>{60});
        // 8 above stays on the target; 9 above follows the room again.
        emit receiver.saunaHumidityChanged(68, HumidityTypes::E_percentage);
        QCOMPARE(ticks(2), QList<int>{});
        emit receiver.saunaHumidityChanged(69, HumidityTypes::E_percentage);
        QCOMPARE(ticks(3), (QList<int>{65, 69}));
        // In levels, one level a tick.
        emit receiver.saunaTargetHumidityChanged(101);
        emit receiver.saunaHumidityChanged(9, HumidityTypes::E_step);
        QCOMPARE(ticks(3), (QList<int>{8, 9}));
    }

    void settingsAreWrittenWhenMissingAndReadAfterARestart()
    {
        {
            HumidityController controller;
            QCOMPARE(Settings::intValue(Settings::humidityPresentationKey), std::optional<int>(0));
            QVERIFY(controller.physicalHumidityManager()->useFilteredValue());
            controller.onHumidityPresentationChangeRequested(HumidityTypes::E_direct);
        }
        Settings::resetForTesting();

        HumidityController restarted;
        QCOMPARE(restarted.humidityPresentation(), HumidityTypes::E_direct);
        QVERIFY(!restarted.physicalHumidityManager()->useFilteredValue());
        QSignalSpy units(&restarted, &HumidityController::humidityUnitChanged);
        QSignalSpy presentations(&restarted, &HumidityController::humidityPresentationChanged);
        restarted.emitInitialState();
        QVERIFY(restarted.humidityFilterer()->isRunning());
        QCOMPARE(units.count(), 1);
        QCOMPARE(presentations.count(), 1);
        QCOMPARE(presentations.first().at(0).value<HumidityTypes::HumidityPresentation>(),
                 HumidityTypes::E_direct);
    }
};

QTEST_GUILESS_MAIN(TestHumidityController)
#include "tst_humidity_controller.moc"
