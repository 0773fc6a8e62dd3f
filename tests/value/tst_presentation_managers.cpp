#include "signal_log.h"

#include "signal_interface/humidity_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/temperature_types.h"
#include "signal_interface/type_registration.h"
#include "value/humidity_filterer.h"
#include "value/humidity_presentation_manager.h"
#include "value/meta_types.h"
#include "value/temperature_filterer.h"
#include "value/temperature_presentation_manager.h"

#include <QtTest>

#include <limits>

using signalInterface::HumidityTypes;
using signalInterface::MasterFuncDescTypes;
using signalInterface::TemperatureTypes;
using value::HumidityPresentationManager;
using value::HumidityValue_T;
using value::TemperaturePresentationManager;

namespace {

constexpr HumidityTypes::HumidityUnit percent = HumidityTypes::E_percentage;
constexpr HumidityTypes::HumidityUnit level = HumidityTypes::E_step;

QStringList shown(int number, int unit)
{
    const QString n = QString::number(number);
    const QString u = QString::number(unit);
    return {"value(" + n + ")", "value2(" + n + "," + u + ")", "valueQml(" + n + "," + u + ")"};
}

} // namespace

// Stands in for the temperature controller.
class UnitSource : public QObject
{
    Q_OBJECT
signals:
    void temperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit unit);
};

// Stands in for the bridge receiver.
class SaunaSource : public QObject
{
    Q_OBJECT
signals:
    void
    saunaMasterFuncDescChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post);
    void saunaHumiditySensorStatusChanged(bool ok);
    void saunaHumidityChanged(int humidity, ::signalInterface::HumidityTypes::HumidityUnit unit);
};

class TestPresentationManagers : public QObject
{
    Q_OBJECT

    static void watch(TemperaturePresentationManager &manager, SignalLog &log)
    {
        log.watch(&manager, &TemperaturePresentationManager::temperatureValueChanged, "value");
        log.watch(&manager, &TemperaturePresentationManager::temperatureValueChanged2, "value2");
        log.watch(&manager, &TemperaturePresentationManager::temperatureValueChanged2Qml,
                  "valueQml");
    }

    static void watch(HumidityPresentationManager &manager, SignalLog &log)
    {
        log.watch(&manager, &HumidityPresentationManager::humidityUnitIntChanged, "unit");
        log.watch(&manager, &HumidityPresentationManager::humidityValueChanged, "value");
    }

private slots:
    void initTestCase()
    {
        signalInterface::registerMetaTypes();
        value::registerMetaTypes();
    }

    void temperatureDirect()
    {
        TemperaturePresentationManager manager;
        SignalLog log;
        watch(manager, log);
        manager.emitValue();
        QCOMPARE(log.take(), QStringList());
        manager.setValue(725);
        QCOMPARE(log.take(), shown(80, 0));
        manager.setValue(725);
        QCOMPARE(log.take(), QStringList());
        manager.setValue(730);
        QCOMPARE(log.take(), shown(81, 0));
        manager.onFilteredTemperatureValueChanged(500);
        QCOMPARE(log.take(), QStringList());
        manager.setTemperatureUnitType(TemperatureTypes::E_fahrenheit);
        QCOMPARE(log.take(), shown(178, 1));
    }

    void temperatureSmooth()
    {
        TemperaturePresentationManager manager;
        manager.setUseFilteredValue(true);
        SignalLog log;
        watch(manager, log);
        log.watch(&manager, &TemperaturePresentationManager::temperatureValueUnknown, "unknown");
        // No filtered value yet: nothing to show, not a filter's start value.
        manager.setValue(725);
        QCOMPARE(log.take(), QStringList{"unknown()"});
        manager.setValue(760);
        QCOMPARE(log.take(), QStringList());
        manager.onFilteredTemperatureValueChanged(711);
        QCOMPARE(log.take(), shown(79, 0));
        // Back to direct presentation shows the last reported value at once.
        manager.setUseFilteredValue(false);
        QCOMPARE(log.take(), shown(84, 0));
        manager.setUseFilteredValue(true);
        QCOMPARE(log.take(), shown(79, 0));
    }

    // Smoothed, a sauna that has told no measurement yet, or a new sauna, shows no value: neither
    // the presentation's start nor a change of unit makes one up.
    void smoothShowsNoValueBeforeTheFirstFilteredValue()
    {
        TemperaturePresentationManager temperature;
        HumidityPresentationManager humidity;
        SignalLog log;
        watch(temperature, log);
        watch(humidity, log);
        log.watch(&temperature, &TemperaturePresentationManager::temperatureValueUnknown,
                  "unknown");
        const QStringList none{"unknown()", "unit(1)", "value(0,false)"};

        temperature.setUseFilteredValue(true);
        humidity.setUseFilteredValue(true);
        temperature.setTemperatureUnitType(TemperatureTypes::E_fahrenheit);
        humidity.emitValue();
        QCOMPARE(log.take(), none + none);

        temperature.onFilteredTemperatureValueChanged(720);
        humidity.onFilteredHumidityValueChanged({3, level});
        QCOMPARE(log.take(), shown(176, 1) + QStringList({"unit(1)", "value(3,true)"}));
        temperature.clearValue();
        humidity.clearValue();
        log.take();
        temperature.emitValue();
        humidity.emitValue();
        QCOMPARE(log.take(), none);
    }

    // "--" only for a reading the dial cannot hold in three digits of the shown unit; a sauna at
    // 151 °C shows 151.
    void temperatureTheDialCannotHoldIsUnknown()
    {
        TemperaturePresentationManager manager;
        SignalLog log;
        watch(manager, log);
        log.watch(&manager, &TemperaturePresentationManager::temperatureValueUnknown, "unknown");
        const QStringList unknown{"unknown()"};

        manager.setValue(1359);
        QCOMPARE(log.take(), shown(151, 0));
        QCOMPARE(manager.value(), std::optional<int>(1359));
        manager.setValue(8999);
        QCOMPARE(log.take(), shown(999, 0));
        manager.setValue(9000);
        QCOMPARE(log.take(), unknown);
        QCOMPARE(manager.value(), std::nullopt);
        manager.setValue(-899);
        QCOMPARE(log.take(), shown(-99, 0));
        manager.setValue(-900);
        QCOMPARE(log.take(), unknown);
        // The shown unit decides: 538 °C is 1000 °F, 537 °C is 998 °F.
        manager.setValue(538 * 9);
        QCOMPARE(log.take(), shown(538, 0));
        manager.setTemperatureUnitType(TemperatureTypes::E_fahrenheit);
        QCOMPARE(log.take(), unknown);
        QCOMPARE(manager.value(), std::nullopt);
        manager.setValue(537 * 9);
        QCOMPARE(log.take(), shown(998, 1));
        manager.setValue(-73 * 9);
        QCOMPARE(log.take(), shown(-99, 1));
        manager.setValue(-74 * 9);
        QCOMPARE(log.take(), unknown);
        manager.setValue(std::numeric_limits<int>::max());
        QCOMPARE(log.take(), unknown);

        // Smoothed, the filtered value is no reading while the last report is unknown; it is
        // shown again with the next report the dial holds.
        manager.onFilteredTemperatureValueChanged(711);
        manager.setUseFilteredValue(true);
        QCOMPARE(log.take(), unknown);
        manager.onFilteredTemperatureValueChanged(716);
        QCOMPARE(log.take(), unknown);
        manager.setValue(720);
        QCOMPARE(log.take(), shown(175, 1));
        manager.setValue(std::numeric_limits<int>::min());
        QCOMPARE(log.take(), unknown);
        // A filtered 151 °C is shown too.
        manager.setValue(1359);
        manager.setTemperatureUnitType(TemperatureTypes::E_celsius);
        log.take();
        manager.onFilteredTemperatureValueChanged(1359);
        QCOMPARE(log.take(), shown(151, 0));
    }

    // The trace lines, each beginning with the method's signature.
    void traceLines()
    {
        TemperaturePresentationManager temperature;
        temperature.setValue(720);
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression("^void value::TemperaturePresentationManager::"
                                                "setValue\\(.*\\) changing temp value to 729$"));
        temperature.setValue(729);
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression("setTemperatureUnitType\\(.*\\) changing unit to 1$"));
        temperature.setTemperatureUnitType(TemperatureTypes::E_fahrenheit);

        HumidityPresentationManager humidity;
        humidity.setValue({5, level});
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression("^void value::HumidityPresentationManager::"
                                                "setValue\\(.*\\) changing humidity to 40 "
                                                "E_percentage$"));
        humidity.setValue({40, percent});
        QTest::ignoreMessage(
            QtDebugMsg,
            QRegularExpression("^void value::HumidityPresentationManager::setNoValue\\(\\)$"));
        humidity.setNoValue();
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression("onSaunaHumiditySensorStatusChanged\\(bool\\) false$"));
        humidity.onSaunaHumiditySensorStatusChanged(false);
    }

    void temperatureConnects()
    {
        TemperaturePresentationManager manager;
        value::TemperatureFilterer filterer;
        UnitSource controller;
        QCOMPARE(manager.connectFiltererSources({&filterer}), 0);
        QCOMPARE(manager.connectUnitSources({&controller}), 0);
        QCOMPARE(manager.connectFiltererSources({&controller}), 1);
        QCOMPARE(manager.connectUnitSources({&filterer, nullptr}), 2);
        manager.setUseFilteredValue(true);
        SignalLog log;
        watch(manager, log);
        filterer.onSaunaTemperatureChanged(720);
        QCOMPARE(log.take(), shown(80, 0));
        emit controller.temperatureUnitChanged(TemperatureTypes::E_fahrenheit);
        QCOMPARE(log.take(), shown(176, 1));
        QCOMPARE(manager.temperatureUnit(), TemperatureTypes::E_fahrenheit);
    }

    void humidityDirect()
    {
        HumidityPresentationManager manager;
        manager.setUseFilteredValue(false);
        SignalLog log;
        watch(manager, log);
        manager.emitValue();
        QCOMPARE(log.take(), (QStringList{"unit(1)", "value(0,false)"}));
        manager.setValue({1, percent});
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(1,true)"}));
        manager.setValue({1, level});
        QCOMPARE(log.take(), (QStringList{"unit(1)", "value(1,true)"}));
        manager.setValue({1, level});
        QCOMPARE(log.take(), QStringList());
        manager.setValueFromInt(106);
        QCOMPARE(log.take(), (QStringList{"unit(1)", "value(5,true)"}));
        manager.setValueFromInt(106);
        QCOMPARE(log.take(), QStringList());
        manager.setValueFromInt(5);
        QCOMPARE(manager.value(), std::optional<HumidityValue_T>(HumidityValue_T{5, percent}));
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(5,true)"}));
        manager.setNoValue();
        QCOMPARE(manager.value(), std::nullopt);
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(0,false)"}));
    }

    void humidityOutsideItsUnitsRangeIsNoValue()
    {
        HumidityPresentationManager manager;
        manager.setUseFilteredValue(false);
        SignalLog log;
        watch(manager, log);
        const QStringList noPercent{"unit(0)", "value(0,false)"};
        const QStringList noLevel{"unit(1)", "value(0,false)"};

        manager.setValue({100, percent});
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(100,true)"}));
        manager.setValue({101, percent});
        QCOMPARE(log.take(), noPercent);
        QCOMPARE(manager.value(), std::nullopt);
        manager.setValue({-1, percent});
        QCOMPARE(log.take(), noPercent);
        manager.setValue({0, level});
        QCOMPARE(log.take(), (QStringList{"unit(1)", "value(0,true)"}));
        manager.setValue({10, level});
        QCOMPARE(log.take(), (QStringList{"unit(1)", "value(10,true)"}));
        manager.setValue({11, level});
        QCOMPARE(log.take(), noLevel);
        manager.setValue({std::numeric_limits<int>::max(), percent});
        QCOMPARE(log.take(), noPercent);
        // Still no humidity in the other unit.
        manager.changeHumidityUnit(level);
        QCOMPARE(log.take(), noLevel);

        // Smoothed, the filtered value is no reading while the last report is out of range.
        manager.onFilteredHumidityValueChanged({40, percent});
        manager.setUseFilteredValue(true);
        QCOMPARE(log.take(), noPercent);
        manager.setValue({42, percent});
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(40,true)"}));
    }

    void humiditySmoothShowsFilteredValue()
    {
        HumidityPresentationManager manager;
        SignalLog log;
        watch(manager, log);
        manager.setValue({30, percent});
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(0,false)"}));
        manager.onFilteredHumidityValueChanged({28, percent});
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(28,true)"}));
        manager.setUseFilteredValue(false);
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(30,true)"}));
        manager.onFilteredHumidityValueChanged({29, percent});
        QCOMPARE(log.take(), QStringList());
        manager.setUseFilteredValue(true);
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(29,true)"}));

        // Dropped, the value stays dropped in smooth presentation too, until the next report.
        manager.setNoValue();
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(0,false)"}));
        manager.onFilteredHumidityValueChanged({31, percent});
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(0,false)"}));
        manager.setValue({33, percent});
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(31,true)"}));
    }

    void humidityUnitChange()
    {
        HumidityPresentationManager manager;
        manager.setUseFilteredValue(false);
        manager.changeHumidityUnit(percent);
        QCOMPARE(manager.humidityUnit(), level);
        manager.setValue({5, level});
        manager.changeHumidityUnit(percent);
        QCOMPARE(manager.value(), std::optional<HumidityValue_T>(HumidityValue_T{50, percent}));
        manager.changeHumidityUnit(level);
        QCOMPARE(manager.value(), std::optional<HumidityValue_T>(HumidityValue_T{5, level}));
    }

    void humidityUnitFollowsSauna()
    {
        HumidityPresentationManager manager;
        manager.setUseFilteredValue(false);
        SaunaSource sauna;
        QCOMPARE(manager.connectSaunaSources({&sauna}), 0);
        manager.setValue({4, level});
        MasterFuncDescTypes::MasterFuncDescPost post;
        post.humidityPercent = true;
        emit sauna.saunaMasterFuncDescChanged(post);
        QCOMPARE(manager.humidityUnit(), level);
        emit sauna.saunaHumiditySensorStatusChanged(true);
        QCOMPARE(manager.value(), std::optional<HumidityValue_T>(HumidityValue_T{40, percent}));
        emit sauna.saunaHumiditySensorStatusChanged(false);
        QCOMPARE(manager.value(), std::optional<HumidityValue_T>(HumidityValue_T{4, level}));
    }

    void smoothDisplayFollowsUnitSwitch()
    {
        // The whole chain: a steady 46 % that becomes level 5 must change the shown unit.
        SaunaSource sauna;
        value::HumidityFilterer filterer;
        HumidityPresentationManager manager;
        QCOMPARE(filterer.connectSaunaSources({&sauna}), 0);
        QCOMPARE(manager.connectFiltererSources({&filterer}), 0);
        QCOMPARE(manager.connectFiltererSources({&sauna}), 1);
        SignalLog log;
        watch(manager, log);
        emit sauna.saunaHumidityChanged(46, percent);
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(46,true)"}));
        emit sauna.saunaHumidityChanged(5, level);
        filterer.onTimeout();
        QCOMPARE(log.take(), (QStringList{"unit(1)", "value(5,true)"}));
    }
};

QTEST_GUILESS_MAIN(TestPresentationManagers)
#include "tst_presentation_managers.moc"
