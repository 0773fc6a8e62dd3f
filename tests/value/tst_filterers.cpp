#include "signal_log.h"

#include "signal_interface/humidity_types.h"
#include "signal_interface/type_registration.h"
#include "value/humidity_filterer.h"
#include "value/meta_types.h"
#include "value/temperature_filterer.h"

#include <QtTest>

#include <limits>

using signalInterface::HumidityTypes;
using value::HumidityFilterer;
using value::HumidityValue_T;
using value::TemperatureFilterer;

namespace {

constexpr HumidityTypes::HumidityUnit percent = HumidityTypes::E_percentage;
constexpr HumidityTypes::HumidityUnit level = HumidityTypes::E_step;

} // namespace

// Stands in for the bridge receiver.
class SaunaSource : public QObject
{
    Q_OBJECT
signals:
    void saunaTemperatureChanged(int ninths);
    void saunaHumidityChanged(int humidity, ::signalInterface::HumidityTypes::HumidityUnit unit);
    void saunaHumiditySensorStatusChanged(bool ok);
};

// The filterers are driven by calling their tick slot, which is what their timer calls.
class TestFilterers : public QObject
{
    Q_OBJECT

    static QStringList ticks(TemperatureFilterer &filterer, int count)
    {
        SignalLog log;
        log.watch(&filterer, &TemperatureFilterer::filteredTemperatureValueChanged, "t");
        for (int i = 0; i < count; ++i)
            filterer.onTimeout();
        return log.take();
    }

    static QStringList ticks(HumidityFilterer &filterer, int count)
    {
        SignalLog log;
        log.watch(&filterer, &HumidityFilterer::filteredHumidityValueChanged, "h");
        for (int i = 0; i < count; ++i)
            filterer.onTimeout();
        return log.take();
    }

private slots:
    void initTestCase()
    {
        signalInterface::registerMetaTypes();
        value::registerMetaTypes();
    }

    void limitedStep()
    {
        QCOMPARE(value::limitedStep(20, 9), qint64(9));
        QCOMPARE(value::limitedStep(-20, 9), qint64(-9));
        QCOMPARE(value::limitedStep(4, 9), qint64(4));
        QCOMPARE(value::limitedStep(-4, 9), qint64(-4));
        QCOMPARE(value::limitedStep(0, 9), qint64(0));
    }

    // A reading that no dial can show (below -99 or above 999 whole degrees Celsius, a humidity
    // outside 0..100 % or 0..10 levels) is not smoothed towards: one absurd report would keep
    // the real readings after it off the dial for hours.
    void readingsNoDialCanShowAreNotSmoothedTowards()
    {
        constexpr int smallest = std::numeric_limits<int>::min();
        constexpr int largest = std::numeric_limits<int>::max();
        TemperatureFilterer temperature;
        SignalLog log;
        log.watch(&temperature, &TemperatureFilterer::filteredTemperatureValueChanged, "t");
        temperature.onSaunaTemperatureChanged(smallest);
        temperature.onSaunaTemperatureChanged(-900);
        temperature.onSaunaTemperatureChanged(9000);
        QCOMPARE(log.take(), QStringList());
        QCOMPARE(ticks(temperature, 2), QStringList());
        // The first reading it can show is the first measurement, shown at once.
        temperature.onSaunaTemperatureChanged(720);
        QCOMPARE(log.take(), QStringList{QStringLiteral("t(720)")});
        temperature.onSaunaTemperatureChanged(largest);
        QCOMPARE(ticks(temperature, 2), QStringList());
        // The ends a dial holds are smoothed towards like any reading.
        temperature.onSaunaTemperatureChanged(8999);
        QCOMPARE(ticks(temperature, 1), QStringList{QStringLiteral("t(729)")});
        log.take();
        TemperatureFilterer coldest;
        log.watch(&coldest, &TemperatureFilterer::filteredTemperatureValueChanged, "c");
        coldest.onSaunaTemperatureChanged(-891);
        QCOMPARE(log.take(), QStringList{QStringLiteral("c(-891)")});

        HumidityFilterer humidity;
        humidity.setMaxStepPercent(5);
        log.watch(&humidity, &HumidityFilterer::filteredHumidityValueChanged, "h");
        humidity.onSaunaHumidityChanged(101, percent);
        humidity.onSaunaHumidityChanged(-1, percent);
        humidity.onSaunaHumidityChanged(11, level);
        humidity.onSaunaHumidityChanged(largest, level);
        QCOMPARE(log.take(), QStringList());
        humidity.onSaunaHumidityChanged(100, percent);
        QCOMPARE(log.take(), QStringList{QStringLiteral("h({100 0})")});
        humidity.onSaunaHumidityChanged(smallest, percent);
        QCOMPARE(ticks(humidity, 2), QStringList());
        humidity.onSaunaHumidityChanged(90, percent);
        QCOMPARE(ticks(humidity, 1), QStringList{QStringLiteral("h({95 0})")});
        log.take();
        HumidityFilterer levels;
        log.watch(&levels, &HumidityFilterer::filteredHumidityValueChanged, "l");
        levels.onSaunaHumidityChanged(10, level);
        QCOMPARE(log.take(), QStringList{QStringLiteral("l({10 1})")});
    }

    void temperatureFollowsMeasurementInSteps()
    {
        TemperatureFilterer filterer;
        QCOMPARE(ticks(filterer, 3), QStringList());
        QSignalSpy first(&filterer, &TemperatureFilterer::filteredTemperatureValueChanged);
        filterer.onSaunaTemperatureChanged(720);
        QCOMPARE(first.count(), 1);
        QCOMPARE(first.takeFirst().at(0).toInt(), 720);

        filterer.onSaunaTemperatureChanged(700);
        QCOMPARE(ticks(filterer, 5), (QStringList{"t(711)", "t(702)", "t(700)"}));
        filterer.onSaunaTemperatureChanged(740);
        QCOMPARE(ticks(filterer, 4), (QStringList{"t(709)", "t(718)", "t(727)", "t(736)"}));
    }

    void temperatureHeadsForTargetWithinTolerance()
    {
        TemperatureFilterer filterer;
        filterer.setTargetTolerance(18);
        filterer.onSaunaTemperatureChanged(700);
        filterer.setTargetValue(720);
        filterer.onSaunaTemperatureChanged(705);
        QCOMPARE(ticks(filterer, 5), (QStringList{"t(709)", "t(718)", "t(720)"}));
        // Jitter inside the band keeps the display on the target.
        for (int measured : {702, 738, 715}) {
            filterer.onSaunaTemperatureChanged(measured);
            QCOMPARE(ticks(filterer, 2), QStringList());
        }
        // Outside the band the filter follows the measurement again.
        filterer.onSaunaTemperatureChanged(745);
        QCOMPARE(ticks(filterer, 4), (QStringList{"t(729)", "t(738)", "t(745)"}));
    }

    void temperatureTimerInterval()
    {
        TemperatureFilterer filterer;
        QCOMPARE(filterer.timerInterval(), 10000);
        QVERIFY(!filterer.isRunning());
        filterer.setTimerInterval(15000);
        QVERIFY(!filterer.isRunning());
        filterer.start();
        QVERIFY(filterer.isRunning());
        QCOMPARE(filterer.timerInterval(), 15000);
        filterer.setTimerInterval(20);
        QVERIFY(filterer.isRunning());
        // The timer drives the same tick.
        filterer.onSaunaTemperatureChanged(720);
        filterer.onSaunaTemperatureChanged(700);
        QSignalSpy spy(&filterer, &TemperatureFilterer::filteredTemperatureValueChanged);
        QTRY_COMPARE(filterer.filteredValue(), 700);
        QCOMPARE(spy.count(), 3);
    }

    void humidityPercentSteps()
    {
        HumidityFilterer filterer;
        filterer.setMaxStepPercent(5);
        QSignalSpy first(&filterer, &HumidityFilterer::filteredHumidityValueChanged);
        filterer.onSaunaHumidityChanged(40, percent);
        QCOMPARE(first.count(), 1);
        QCOMPARE(first.takeFirst().at(0).value<HumidityValue_T>(), (HumidityValue_T{40, percent}));
        filterer.onSaunaHumidityChanged(52, percent);
        QCOMPARE(ticks(filterer, 4), (QStringList{"h({45 0})", "h({50 0})", "h({52 0})"}));
    }

    void humidityLevelSteps()
    {
        HumidityFilterer filterer;
        filterer.setMaxStepSteps(1);
        filterer.setMaxStepPercent(5);
        filterer.onSaunaHumidityChanged(2, level);
        filterer.onSaunaHumidityChanged(5, level);
        QCOMPARE(ticks(filterer, 4), (QStringList{"h({3 1})", "h({4 1})", "h({5 1})"}));
    }

    void humidityUnitSwitchIsReported()
    {
        // Steady at 46 % when the measurement switches to level 5: the number stays the same
        // after conversion, but the display must learn the new unit.
        HumidityFilterer filterer;
        filterer.onSaunaHumidityChanged(46, percent);
        QCOMPARE(ticks(filterer, 2), QStringList());
        filterer.onSaunaHumidityChanged(5, level);
        QCOMPARE(ticks(filterer, 3), (QStringList{"h({5 1})"}));
        QCOMPARE(filterer.filteredValue(), (HumidityValue_T{5, level}));
        filterer.onSaunaHumidityChanged(50, percent);
        QCOMPARE(ticks(filterer, 3), (QStringList{"h({50 0})"}));
    }

    void humidityTargetBands_data()
    {
        QTest::addColumn<int>("measured");
        QTest::addColumn<QStringList>("expected");
        // Target 50 %, 4 % band below and 8 % above; filtered starts at the measurement.
        QTest::newRow("within band below") << 46 << QStringList{"h({47 0})", "h({48 0})"};
        QTest::newRow("just outside band below") << 45 << QStringList();
        QTest::newRow("within band above") << 58 << QStringList{"h({57 0})", "h({56 0})"};
        QTest::newRow("just outside band above") << 59 << QStringList();
    }

    void humidityTargetBands()
    {
        QFETCH(int, measured);
        QFETCH(QStringList, expected);
        HumidityFilterer filterer;
        filterer.onSaunaHumidityChanged(measured, percent);
        QCOMPARE(filterer.filteredValue(), (HumidityValue_T{measured, percent}));
        filterer.setTargetValue({50, percent});
        filterer.setToleranceBelowTarget({4, percent});
        filterer.setToleranceAboveTarget({8, percent});
        QCOMPARE(ticks(filterer, 2), expected);
    }

    void humidityTargetInOtherUnit()
    {
        HumidityFilterer filterer;
        filterer.setTargetValue({5, level});
        filterer.setToleranceBelowTarget({4, percent});
        filterer.setMaxStepPercent(1);
        filterer.onSaunaHumidityChanged(48, percent);
        QCOMPARE(ticks(filterer, 3), (QStringList{"h({49 0})", "h({50 0})"}));
    }

    // The sensor state changes nothing here; it is only written down.
    void sensorStateTraceLine()
    {
        HumidityFilterer filterer;
        QTest::ignoreMessage(
            QtDebugMsg,
            "void value::HumidityFilterer::onSaunaHumiditySensorStatusChanged(bool) false");
        filterer.onSaunaHumiditySensorStatusChanged(false);
        QCOMPARE(ticks(filterer, 1), QStringList());
    }

    void humiditySourcesAndTimer()
    {
        HumidityFilterer humidity;
        TemperatureFilterer temperature;
        SaunaSource sauna;
        QCOMPARE(humidity.connectSaunaSources({&sauna}), 0);
        QCOMPARE(temperature.connectSaunaSources({&sauna}), 0);
        QCOMPARE(temperature.connectSaunaSources({&humidity, nullptr}), 2);
        emit sauna.saunaHumidityChanged(30, percent);
        emit sauna.saunaTemperatureChanged(600);
        emit sauna.saunaHumiditySensorStatusChanged(false);
        QCOMPARE(humidity.filteredValue(), (HumidityValue_T{30, percent}));
        QCOMPARE(temperature.filteredValue(), 600);

        QCOMPARE(humidity.timerInterval(), 1000);
        humidity.setTimerInterval(30000);
        humidity.start();
        QVERIFY(humidity.isRunning());
        QCOMPARE(humidity.timerInterval(), 30000);
    }
};

QTEST_GUILESS_MAIN(TestFilterers)
#include "tst_filterers.moc"
