#include "control/details/temperature_humidity_rules.h"
#include "control/settings.h"
#include "control/temperature_controller.h"
#include "sauna_bridge/zerededid_bridge_receiver_signal_interface.h"
#include "signal_interface/data_provider_types.h"
#include "signal_interface/type_registration.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <limits>

using control::Settings;
using control::TemperatureController;
using signalInterface::DataProviderTypes;
using signalInterface::TemperatureTypes;

namespace {

class FakeReceiver : public saunaBridge::ZerededidBridgeReceiverSignalInterface
{};

} // namespace

// Stands in for the QML steppers and the settings screens.
class TemperatureView : public QObject
{
    Q_OBJECT

signals:
    void changeTemperatureValueRequested(int step);
    void temperatureUnitChangeRequested(::signalInterface::TemperatureTypes::TemperatureUnit unit);
    void
    temperatureUnitInitiallySelected(::signalInterface::TemperatureTypes::TemperatureUnit unit);
    void temperaturePresentationChangeRequested(
        ::signalInterface::TemperatureTypes::TemperaturePresentation presentation);
};

// Stands in for the sauna link.
class Link : public QObject
{
    Q_OBJECT

signals:
    void connectedChanged(bool connected);
};

class TestTemperatureController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }
    void init()
    {
        Settings::settings()->clear();
        Settings::settings()->sync();
        Settings::resetForTesting();
        control::details::TemperatureHumidityRules::resetForTesting();
    }

    void aStepIsProposedAndOnlyTheReportChangesTheValue()
    {
        TemperatureController controller;
        FakeReceiver receiver;
        TemperatureView view;
        QCOMPARE(controller.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(controller.connectTargetTemperatureView({&view}), 0);
        QSignalSpy requests(&controller, &TemperatureController::targetTemperatureChangeRequested);
        QSignalSpy shown(controller.targetTemperatureManager(),
                         &value::TemperatureValueManager::temperatureValueChanged);

        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        QCOMPARE(requests.count(), 0); // nothing to step from before the first report

        emit receiver.saunaTargetTemperatureChanged(720);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.takeFirst().at(0).toInt(), 80);

        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.takeFirst().at(0).toInt(), 729);
        QCOMPARE(controller.targetTemperatureManager()->value(), std::optional<int>(720));
        QCOMPARE(shown.count(), 0);

        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_decrease);
        QVERIFY(!requests.isEmpty());
        QCOMPARE(requests.takeFirst().at(0).toInt(), 711);

        emit view.changeTemperatureValueRequested(7); // no stepper code
        QCOMPARE(requests.count(), 0);

        emit receiver.saunaTargetTemperatureChanged(729);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.takeFirst().at(0).toInt(), 81);
    }

    void stepsStopAtTheSaunaLimits()
    {
        TemperatureController controller;
        FakeReceiver receiver;
        TemperatureView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectTargetTemperatureView({&view});
        QSignalSpy requests(&controller, &TemperatureController::targetTemperatureChangeRequested);

        emit receiver.saunaLowerTemperatureLimitChanged(360);
        emit receiver.saunaUpperTemperatureLimitChanged(900);
        emit receiver.saunaTargetTemperatureChanged(900);
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        QCOMPARE(requests.count(), 0);
        emit receiver.saunaTargetTemperatureChanged(360);
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_decrease);
        QCOMPARE(requests.count(), 0);

        // In Fahrenheit a step is 5 ninths; one past the limit asks for the limit itself.
        controller.onTemperatureUnitChangeRequested(TemperatureTypes::E_fahrenheit);
        emit receiver.saunaTargetTemperatureChanged(898);
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.takeFirst().at(0).toInt(), 900);
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_decrease);
        QVERIFY(!requests.isEmpty());
        QCOMPARE(requests.takeFirst().at(0).toInt(), 893);

        // A humidity from a sauna that controls none limits nothing: a dry sauna reaches 110 °C.
        // One that controls humidity stops at the limit table's 45 °C for 100 %.
        controller.onTemperatureUnitChangeRequested(TemperatureTypes::E_celsius);
        emit receiver.saunaUpperTemperatureLimitChanged(990);
        emit receiver.saunaTargetHumidityChanged(100);
        emit receiver.saunaTargetTemperatureChanged(981);
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        QVERIFY(!requests.isEmpty());
        QCOMPARE(requests.takeFirst().at(0).toInt(), 990);
        signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions;
        functions.humidityPercent = true;
        emit receiver.saunaMasterFuncDescChanged(functions);
        emit receiver.saunaTargetTemperatureChanged(396);
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        QVERIFY(!requests.isEmpty());
        QCOMPARE(requests.takeFirst().at(0).toInt(), 405);
        emit receiver.saunaTargetTemperatureChanged(405);
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        QCOMPARE(requests.count(), 0);
    }

    void theMeasuredTemperatureFollowsThePresentation()
    {
        TemperatureController controller;
        FakeReceiver receiver;
        QCOMPARE(controller.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(controller.temperaturePresentation(), TemperatureTypes::E_smooth);
        QSignalSpy shown(controller.physicalTemperatureManager(),
                         &value::TemperaturePresentationManager::temperatureValueChanged);

        emit receiver.saunaTemperatureChanged(720);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().at(0).toInt(), 80);
        shown.clear();
        // Smoothed: a jump shows one step per tick of the filter.
        emit receiver.saunaTemperatureChanged(747);
        QCOMPARE(shown.count(), 0);
        controller.temperatureFilterer()->onTimeout();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.takeFirst().at(0).toInt(), 81);

        controller.onTemperaturePresentationChangeRequested(TemperatureTypes::E_direct);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().at(0).toInt(), 83);
    }

    // Another sauna took the connection: the target, its limits and the room temperature of the
    // one before are gone, and the first reports of the new sauna show at once.
    void aReplacedSaunaLeavesNoValue()
    {
        TemperatureController controller;
        FakeReceiver receiver;
        TemperatureView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectTargetTemperatureView({&view});
        emit receiver.saunaLowerTemperatureLimitChanged(360);
        emit receiver.saunaUpperTemperatureLimitChanged(810);
        emit receiver.saunaTargetTemperatureChanged(720);
        emit receiver.saunaTemperatureChanged(700);
        QSignalSpy requests(&controller, &TemperatureController::targetTemperatureChangeRequested);
        QSignalSpy targetUnknown(controller.targetTemperatureManager(),
                                 &value::TemperatureValueManager::temperatureValueUnknown);
        QSignalSpy roomUnknown(controller.physicalTemperatureManager(),
                               &value::TemperaturePresentationManager::temperatureValueUnknown);
        QSignalSpy room(controller.physicalTemperatureManager(),
                        &value::TemperaturePresentationManager::temperatureValueChanged);

        controller.onSaunaReplaced();
        QCOMPARE(targetUnknown.count(), 1);
        QCOMPARE(roomUnknown.count(), 1);
        QCOMPARE(controller.targetTemperatureManager()->value(), std::nullopt);
        QCOMPARE(controller.physicalTemperatureManager()->value(), std::nullopt);
        // Nothing to step from, and the smoothing does not go on with the former room.
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        QCOMPARE(requests.count(), 0);
        controller.temperatureFilterer()->onTimeout();
        QCOMPARE(room.count(), 0);

        // The former sauna's upper limit of 90 °C no longer holds the target back.
        emit receiver.saunaTargetTemperatureChanged(900);
        QCOMPARE(controller.targetTemperatureManager()->value(), std::optional<int>(900));
        emit receiver.saunaTemperatureChanged(450);
        QVERIFY(!room.isEmpty());
        QCOMPARE(room.last().at(0).toInt(), 50);

        // So does a connection that ends: the first report after it shows at once, not the
        // smoothing's way up from the room before.
        emit receiver.saunaTemperatureChanged(720);
        controller.temperatureFilterer()->onTimeout();
        QCOMPARE(room.last().at(0).toInt(), 51);
        Link link;
        QCOMPARE(controller.connectConnectedChanged({&link}), 0);
        emit link.connectedChanged(false);
        emit receiver.saunaTemperatureChanged(720);
        QCOMPARE(room.last().at(0).toInt(), 80);
    }

    void reportsShowTheirNumberOrNoValue_data()
    {
        QTest::addColumn<bool>("target");
        QTest::addColumn<int>("reported");
        QTest::addColumn<QString>("shown");
        const int largest = std::numeric_limits<int>::max();
        const int smallest = std::numeric_limits<int>::min();
        // A target is held within the sauna's limits, whatever it is.
        QTest::newRow("target 0 C") << true << 0 << "0";
        QTest::newRow("target 110 C") << true << 990 << "110";
        QTest::newRow("target just below") << true << -1 << "0";
        QTest::newRow("target 151 C") << true << 1359 << "151";
        QTest::newRow("target 10000 C") << true << 90000 << "10000";
        QTest::newRow("target largest int") << true << largest << QString::number(largest / 9);
        QTest::newRow("target smallest int") << true << smallest << QString::number(smallest / 9);
        // A room reading is shown while the dial holds it in three digits, -99..999.
        QTest::newRow("room -40 C") << false << -360 << "-40";
        QTest::newRow("room 150 C") << false << 1350 << "150";
        QTest::newRow("room 151 C") << false << 1359 << "151";
        QTest::newRow("room -99 C") << false << -899 << "-99";
        QTest::newRow("room 999 C") << false << 8999 << "999";
        QTest::newRow("room -100 C") << false << -900 << "--";
        QTest::newRow("room 1000 C") << false << 9000 << "--";
        QTest::newRow("room 10000 C") << false << 90000 << "--";
        QTest::newRow("room largest int") << false << largest << "--";
        QTest::newRow("room smallest int") << false << smallest << "--";
    }

    void reportsShowTheirNumberOrNoValue()
    {
        QFETCH(bool, target);
        QFETCH(int, reported);
        QFETCH(QString, shown);
        TemperatureController controller;
        FakeReceiver receiver;
        QCOMPARE(controller.connectSaunaSignals({&receiver}), 0);
        controller.onTemperaturePresentationChangeRequested(TemperatureTypes::E_direct);
        // Limits as wide as the wire allows.
        emit receiver.saunaLowerTemperatureLimitChanged(std::numeric_limits<int>::min());
        emit receiver.saunaUpperTemperatureLimitChanged(std::numeric_limits<int>::max());
        QObject *manager = target ? static_cast<QObject *>(controller.targetTemperatureManager())
                                  : controller.physicalTemperatureManager();
        QString text;
        QSignalSpy numbers(manager, SIGNAL(temperatureValueChanged(int)));
        QSignalSpy unknown(manager, SIGNAL(temperatureValueUnknown()));
        QVERIFY(unknown.isValid());
        const auto report = [&](int temperature) {
            if (target)
                emit receiver.saunaTargetTemperatureChanged(temperature);
            else
                emit receiver.saunaTemperatureChanged(temperature);
            if (!unknown.isEmpty())
                text = QStringLiteral("--");
            else if (!numbers.isEmpty())
                text = numbers.last().at(0).toString();
            numbers.clear();
            unknown.clear();
        };

        report(720);
        QCOMPARE(text, QStringLiteral("80"));
        report(reported);
        QCOMPARE(text, shown);
        report(729);
        QCOMPARE(text, QStringLiteral("81"));
    }

    void stepsNeverAskForATargetThePanelWouldNotShow()
    {
        TemperatureController controller;
        FakeReceiver receiver;
        TemperatureView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectTargetTemperatureView({&view});
        QSignalSpy requests(&controller, &TemperatureController::targetTemperatureChangeRequested);

        emit receiver.saunaLowerTemperatureLimitChanged(-90000);
        emit receiver.saunaUpperTemperatureLimitChanged(90000);
        emit receiver.saunaTargetTemperatureChanged(981);
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.takeFirst().at(0).toInt(), 990);
        emit receiver.saunaTargetTemperatureChanged(990);
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
        QCOMPARE(requests.count(), 0);
        emit receiver.saunaTargetTemperatureChanged(0);
        emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_decrease);
        QCOMPARE(requests.count(), 0);

        // A received table that allows more than 110 °C: the up-step dims at 110 °C, where a press
        // would ask for nothing.
        control::details::TemperatureHumidityRules::MaxTemperatureTable table;
        table.version = 2;
        table.values.fill(150);
        control::details::TemperatureHumidityRules::instance().setMaxTemperatureTable(table);
        QSignalSpy upperReached(controller.targetTemperatureManager(),
                                &value::TemperatureValueManager::upperLimitReached);
        emit receiver.saunaTargetTemperatureChanged(981);
        QVERIFY(!upperReached.isEmpty());
        QCOMPARE(upperReached.last().at(0).toBool(), false);
        emit receiver.saunaTargetTemperatureChanged(990);
        QCOMPARE(upperReached.last().at(0).toBool(), true);
        // A step down from beyond what the tables know asks for their end, also from the largest
        // int a report may carry; a step up from there asks for nothing.
        for (int target : {1080, std::numeric_limits<int>::max() - 3}) {
            emit receiver.saunaUpperTemperatureLimitChanged(std::numeric_limits<int>::max());
            emit receiver.saunaTargetTemperatureChanged(target);
            QCOMPARE(upperReached.last().at(0).toBool(), true);
            emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_increase);
            QCOMPARE(requests.count(), 0);
            emit view.changeTemperatureValueRequested(DataProviderTypes::E_stepper_decrease);
            QCOMPARE(requests.count(), 1);
            QCOMPARE(requests.takeFirst().at(0).toInt(), 990);
        }
    }

    // The filter hears the sauna's measurements itself, every one of them: a room temperature
    // the dial cannot show reads "--" at once, and the smoothing moves towards it like towards
    // any other until the next report.
    void theFilterHearsEveryMeasurement()
    {
        TemperatureController controller;
        FakeReceiver receiver;
        QCOMPARE(controller.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(controller.temperaturePresentation(), TemperatureTypes::E_smooth);
        QSignalSpy shown(controller.physicalTemperatureManager(),
                         &value::TemperaturePresentationManager::temperatureValueChanged);
        QSignalSpy unknown(controller.physicalTemperatureManager(),
                           &value::TemperaturePresentationManager::temperatureValueUnknown);

        emit receiver.saunaTemperatureChanged(720);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().at(0).toInt(), 80);
        QCOMPARE(controller.temperatureFilterer()->filteredValue(), 720);
        shown.clear();
        emit receiver.saunaTemperatureChanged(729);
        controller.temperatureFilterer()->onTimeout();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.takeFirst().at(0).toInt(), 81);
        // A reading no dial can show reads "--" and is not smoothed towards.
        emit receiver.saunaTemperatureChanged(std::numeric_limits<int>::max());
        QCOMPARE(unknown.count(), 1);
        for (int tick = 0; tick < 3; ++tick)
            controller.temperatureFilterer()->onTimeout();
        QCOMPARE(controller.temperatureFilterer()->filteredValue(), 729);
        QCOMPARE(shown.count(), 0);
        // Known again: the smoothing goes on from where it stood.
        emit receiver.saunaTemperatureChanged(729);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.takeFirst().at(0).toInt(), 81);
        controller.temperatureFilterer()->onTimeout();
        QCOMPARE(shown.count(), 0);
    }

    // The running panel's smoothing: a tick every 15 s once started, at most 1 °C a tick, and
    // within 2 °C of the target it heads for the target.
    void theSmoothingSettlesOnTheTargetWithinTwoDegrees()
    {
        TemperatureController controller;
        FakeReceiver receiver;
        QCOMPARE(controller.connectSaunaSignals({&receiver}), 0);
        value::TemperatureFilterer &filterer = *controller.temperatureFilterer();
        controller.emitInitialState();
        QVERIFY(filterer.isRunning());
        QCOMPARE(filterer.timerInterval(), 15000);
        QSignalSpy filtered(&filterer,
                            &value::TemperatureFilterer::filteredTemperatureValueChanged);
        const auto ticks = [&](int count) {
            filtered.clear();
            QList<int> values;
            for (int tick = 0; tick < count; ++tick)
                filterer.onTimeout();
            for (const QList<QVariant> &emitted : std::as_const(filtered))
                values << emitted.at(0).toInt();
            return values;
        };

        emit receiver.saunaTargetTemperatureChanged(720);
        // 19 ninths below the target: the room is followed.
        emit receiver.saunaTemperatureChanged(701);
        QCOMPARE(filterer.filteredValue(), 701);
        emit receiver.saunaTemperatureChanged(680);
        QCOMPARE(ticks(4), (QList<int>{692, 683, 680}));
        // 18 below: the display heads for the target, 1 °C a tick.
        emit receiver.saunaTemperatureChanged(702);
        QCOMPARE(ticks(6), (QList<int>{689, 698, 707, 716, 720}));
        // 18 above stays on the target; 19 above follows the room again.
        emit receiver.saunaTemperatureChanged(738);
        QCOMPARE(ticks(2), QList<int>{});
        emit receiver.saunaTemperatureChanged(739);
        QCOMPARE(ticks(3), (QList<int>{729, 738, 739}));
    }

    void unitRequestsAreStoredAndMarkTheRegionSettings()
    {
        TemperatureController controller;
        FakeReceiver receiver;
        TemperatureView view;
        controller.connectSaunaSignals({&receiver});
        QCOMPARE(controller.connectTemperatureUnitRequests({&view}), 0);
        QCOMPARE(controller.connectTemperatureUnitInitiallySelected({&view}), 0);
        QSignalSpy units(&controller, &TemperatureController::temperatureUnitChanged);
        QSignalSpy shown(controller.targetTemperatureManager(),
                         &value::TemperatureValueManager::temperatureValueChanged);
        emit receiver.saunaTargetTemperatureChanged(720);

        emit view.temperatureUnitInitiallySelected(TemperatureTypes::E_fahrenheit);
        QCOMPARE(units.count(), 1);
        QCOMPARE(units.takeFirst().at(0).value<TemperatureTypes::TemperatureUnit>(),
                 TemperatureTypes::E_fahrenheit);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().at(0).toInt(), 176);
        QCOMPARE(Settings::intValue(Settings::temperatureUnitKey), std::optional<int>(1));
        QVERIFY(!Settings::settings()->contains(Settings::hasChangedRegionSettingsKey));

        emit view.temperatureUnitChangeRequested(TemperatureTypes::E_celsius);
        QCOMPARE(units.count(), 1);
        QCOMPARE(shown.last().at(0).toInt(), 80);
        QCOMPARE(Settings::intValue(Settings::temperatureUnitKey), std::optional<int>(0));
        QVERIFY(Settings::boolValue(Settings::hasChangedRegionSettingsKey, false));
    }

    void outOfRangeChoicesAreIgnored()
    {
        TemperatureController controller;
        TemperatureView view;
        controller.connectTemperatureUnitRequests({&view});
        controller.connectTemperaturePresentationRequests({&view});
        QSignalSpy units(&controller, &TemperatureController::temperatureUnitChanged);
        QSignalSpy presentations(&controller,
                                 &TemperatureController::temperaturePresentationChanged);

        emit view.temperatureUnitChangeRequested(TemperatureTypes::TemperatureUnit(2));
        emit view.temperaturePresentationChangeRequested(
            TemperatureTypes::TemperaturePresentation(-1));
        QCOMPARE(units.count(), 0);
        QCOMPARE(presentations.count(), 0);
        QCOMPARE(Settings::intValue(Settings::temperatureUnitKey), std::optional<int>(0));
        QCOMPARE(Settings::intValue(Settings::temperaturePresentationKey), std::optional<int>(0));
        QVERIFY(!Settings::settings()->contains(Settings::hasChangedRegionSettingsKey));
    }

    void settingsAreWrittenWhenMissingAndReadAfterARestart()
    {
        {
            TemperatureController controller;
            QCOMPARE(Settings::intValue(Settings::temperatureUnitKey), std::optional<int>(0));
            QCOMPARE(Settings::intValue(Settings::temperaturePresentationKey),
                     std::optional<int>(0));
            controller.onTemperatureUnitChangeRequested(TemperatureTypes::E_fahrenheit);
            controller.onTemperaturePresentationChangeRequested(TemperatureTypes::E_direct);
        }
        Settings::resetForTesting();

        TemperatureController restarted;
        QCOMPARE(restarted.temperatureUnit(), TemperatureTypes::E_fahrenheit);
        QCOMPARE(restarted.temperaturePresentation(), TemperatureTypes::E_direct);
        QVERIFY(!restarted.physicalTemperatureManager()->useFilteredValue());
        QCOMPARE(restarted.targetTemperatureManager()->temperatureUnit(),
                 TemperatureTypes::E_fahrenheit);

        QSignalSpy units(&restarted, &TemperatureController::temperatureUnitChanged);
        QSignalSpy presentations(&restarted,
                                 &TemperatureController::temperaturePresentationChanged);
        restarted.emitInitialState();
        QCOMPARE(units.count(), 1);
        QCOMPARE(units.first().at(0).value<TemperatureTypes::TemperatureUnit>(),
                 TemperatureTypes::E_fahrenheit);
        QCOMPARE(presentations.count(), 1);
        QCOMPARE(presentations.first().at(0).value<TemperatureTypes::TemperaturePresentation>(),
                 TemperatureTypes::E_direct);
        QVERIFY(restarted.temperatureFilterer()->isRunning());
    }

    void anUnreadableStoredValueReadsAsTheDefaultAndStays()
    {
        Settings::setValue(Settings::temperatureUnitKey, QStringLiteral("kelvin"));
        Settings::setValue(Settings::temperaturePresentationKey, 9);
        TemperatureController controller;
        QCOMPARE(controller.temperatureUnit(), TemperatureTypes::E_celsius);
        QCOMPARE(controller.temperaturePresentation(), TemperatureTypes::E_smooth);
        QCOMPARE(Settings::settings()->value(Settings::temperatureUnitKey).toString(),
                 QStringLiteral("kelvin"));
        QCOMPARE(Settings::intValue(Settings::temperaturePresentationKey), std::optional<int>(9));
    }
};

QTEST_GUILESS_MAIN(TestTemperatureController)
#include "tst_temperature_controller.moc"
