#include "signal_log.h"

#include "signal_interface/humidity_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/type_registration.h"
#include "value/humidity_value.h"
#include "value/humidity_value_manager.h"
#include "value/meta_types.h"

#include <QtTest>

#include <limits>

#include <type_traits>

using signalInterface::HumidityTypes;
using signalInterface::MasterFuncDescTypes;
using value::HumidityValue_T;
using value::HumidityValueManager;

namespace {

constexpr HumidityTypes::HumidityUnit percent = HumidityTypes::E_percentage;
constexpr HumidityTypes::HumidityUnit level = HumidityTypes::E_step;

MasterFuncDescTypes::MasterFuncDescPost functions(bool humidityLevel, bool humidityPercent)
{
    MasterFuncDescTypes::MasterFuncDescPost post;
    post.humidityLevel = humidityLevel;
    post.humidityPercent = humidityPercent;
    return post;
}

} // namespace

// Stands in for the bridge receiver.
class SaunaSource : public QObject
{
    Q_OBJECT
signals:
    void
    saunaMasterFuncDescChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post);
    void saunaHumiditySensorStatusChanged(bool ok);
};

// Stands in for a QML stepper.
class Stepper : public QObject
{
    Q_OBJECT
signals:
    void changeHumidityValueRequested(int step);
};

class TestHumidityValueManager : public QObject
{
    Q_OBJECT

    void watch(HumidityValueManager &manager, SignalLog &log)
    {
        log.watch(&manager, &HumidityValueManager::humidityValueChanged, "value");
        log.watch(&manager, &HumidityValueManager::humidityValueUnitChanged, "valueUnit");
        log.watch(&manager, &HumidityValueManager::newValueProposed, "proposed");
        log.watch(&manager, &HumidityValueManager::humidityUnitIntChanged, "unit");
        log.watch(&manager, &HumidityValueManager::lowerLimitReached, "lower");
        log.watch(&manager, &HumidityValueManager::upperLimitReached, "upper");
    }

private slots:
    void initTestCase()
    {
        signalInterface::registerMetaTypes();
        value::registerMetaTypes();
    }

    void metaTypeName()
    {
        const QMetaType type = QMetaType::fromName("::value::HumidityValue_T");
        QVERIFY(type.isValid());
        QCOMPARE(type, QMetaType::fromType<HumidityValue_T>());
        const QVariant variant = QVariant::fromValue(HumidityValue_T{5, level});
        QCOMPARE(variant.value<HumidityValue_T>(), (HumidityValue_T{5, level}));
    }

    void encodingAndConversion()
    {
        QCOMPARE(value::decodeHumidity(106), (HumidityValue_T{5, level}));
        QCOMPARE(value::decodeHumidity(45), (HumidityValue_T{45, percent}));
        QCOMPARE(value::decodeHumidity(101), (HumidityValue_T{0, level}));
        QCOMPARE(value::decodeHumidity(111), (HumidityValue_T{10, level}));
        QCOMPARE(value::decodeHumidity(100), (HumidityValue_T{100, percent}));
        QCOMPARE(value::encodeHumidity({5, level}), 106);
        QCOMPARE(value::encodeHumidity({45, percent}), 45);

        QCOMPARE(value::convertHumidityNumber(46, percent, level), 5);
        QCOMPARE(value::convertHumidityNumber(100, percent, level), 10);
        QCOMPARE(value::convertHumidityNumber(9, percent, level), 0);
        QCOMPARE(value::convertHumidityNumber(5, level, percent), 50);
        QCOMPARE(value::convertHumidityNumber(7, level, level), 7);
        // Absurd numbers do not wrap.
        constexpr int largest = std::numeric_limits<int>::max();
        constexpr int smallest = std::numeric_limits<int>::min();
        QCOMPARE(value::convertHumidityNumber(largest, percent, level), 233422135);
        QCOMPARE(value::convertHumidityNumber(smallest, percent, level), -233422135);
        QCOMPARE(value::convertHumidityNumber(largest, level, percent), largest);
        QCOMPARE(value::convertHumidityNumber(smallest, level, percent), smallest);
        // An operation of the manager, as its other conversions are.
        QVERIFY(std::is_member_function_pointer_v<decltype(&HumidityValueManager::convertToUnit)>);
        const HumidityValueManager manager;
        QCOMPARE(manager.convertToUnit({46, percent}, level), (HumidityValue_T{5, level}));
        QCOMPARE(manager.convertToUnit({4, level}, level), (HumidityValue_T{4, level}));
        QCOMPARE(manager.convertToUnit({5, level}, percent), (HumidityValue_T{50, percent}));
    }

    void emptyManager()
    {
        HumidityValueManager manager;
        QCOMPARE(manager.value(), (HumidityValue_T{-1, level}));
        QCOMPARE(manager.lowerLimit(), (HumidityValue_T{0, level}));
        QCOMPARE(manager.upperLimit(), (HumidityValue_T{10, level}));
        SignalLog log;
        watch(manager, log);
        manager.onChangeHumidityValueRequested(0);
        manager.onChangeHumidityValueRequested(1);
        // A step that is neither is dropped with one debug line, starting with the signature.
        QTest::ignoreMessage(
            QtDebugMsg,
            "void value::HumidityValueManager::onChangeHumidityValueRequested(int) Unknown step 2");
        manager.onChangeHumidityValueRequested(2);
        QCOMPARE(log.take(), QStringList());
    }

    void setValueFromInt()
    {
        HumidityValueManager manager;
        manager.setValueFromInt(106);
        QCOMPARE(manager.value(), (HumidityValue_T{5, level}));
        manager.setValueFromInt(101);
        QCOMPARE(manager.value(), (HumidityValue_T{0, level}));
        manager.setValueFromInt(45);
        QCOMPARE(manager.value(), (HumidityValue_T{45, percent}));
        manager.setValueFromInt(100);
        QCOMPARE(manager.value(), (HumidityValue_T{100, percent}));
    }

    void valueOfOtherUnitTakesItsUnitAndConvertsLimits()
    {
        HumidityValueManager manager;
        SignalLog log;
        watch(manager, log);
        manager.setValue({60, percent});
        QCOMPARE(manager.value(), (HumidityValue_T{60, percent}));
        QCOMPARE(manager.lowerLimit(), (HumidityValue_T{0, percent}));
        QCOMPARE(manager.upperLimit(), (HumidityValue_T{100, percent}));
        QCOMPARE(log.take(), (QStringList{"unit(0)", "value(60)", "valueUnit({60 0})",
                                          "lower(false)", "upper(false)"}));
        manager.setValue({60, percent});
        QCOMPARE(log.take(), (QStringList{"lower(false)", "upper(false)"}));
    }

    void setValueClamps()
    {
        HumidityValueManager manager;
        manager.setValue({4, level});
        manager.setUpperLimit({8, level});
        SignalLog log;
        watch(manager, log);
        manager.setValue({12, level});
        QCOMPARE(manager.value(), (HumidityValue_T{8, level}));
        QCOMPARE(log.take(), (QStringList{"unit(1)", "value(8)", "valueUnit({8 1})", "lower(false)",
                                          "upper(true)"}));
        manager.setValue({-3, level});
        QCOMPARE(manager.value(), (HumidityValue_T{0, level}));
    }

    void unitSwitchConvertsValueAndLimits()
    {
        HumidityValueManager manager;
        manager.setValue({46, percent});
        SignalLog log;
        watch(manager, log);
        manager.setHumidityUnit(level);
        QCOMPARE(manager.value(), (HumidityValue_T{5, level}));
        QCOMPARE(manager.upperLimit(), (HumidityValue_T{10, level}));
        QCOMPARE(log.take(), (QStringList{"unit(1)", "value(5)", "valueUnit({5 1})", "lower(false)",
                                          "upper(false)"}));
        manager.setHumidityUnit(percent);
        QCOMPARE(manager.value(), (HumidityValue_T{50, percent}));
        QCOMPARE(manager.upperLimit(), (HumidityValue_T{100, percent}));
        manager.setHumidityUnit(percent);
        QCOMPARE(log.take().size(), 5);
    }

    void steps_data()
    {
        QTest::addColumn<bool>("applyLocally");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QStringList>("expectedSignals");
        QTest::newRow("apply up inside") << true << 4 << 0 << 5
                                         << QStringList{"unit(1)", "value(5)", "valueUnit({5 1})",
                                                        "lower(false)", "upper(false)"};
        QTest::newRow("apply up at limit") << true << 10 << 0 << 10 << QStringList();
        QTest::newRow("apply down at limit") << true << 0 << 1 << 0 << QStringList();
        QTest::newRow("apply down onto limit")
            << true << 1 << 1 << 0
            << QStringList{"unit(1)", "value(0)", "valueUnit({0 1})", "lower(true)",
                           "upper(false)"};
        QTest::newRow("propose up at limit")
            << false << 10 << 0 << 10 << QStringList{"proposed(11)"};
        QTest::newRow("propose down at limit")
            << false << 0 << 1 << 0 << QStringList{"proposed(-1)"};
        QTest::newRow("unknown step") << true << 5 << 2 << 5 << QStringList();
        QTest::newRow("negative step") << false << 5 << -1 << 5 << QStringList();
    }

    void steps()
    {
        QFETCH(bool, applyLocally);
        QFETCH(int, start);
        QFETCH(int, step);
        QFETCH(int, expected);
        QFETCH(QStringList, expectedSignals);
        HumidityValueManager manager;
        manager.setApplyStepsLocally(applyLocally);
        manager.setValue({start, level});
        SignalLog log;
        watch(manager, log);
        manager.onChangeHumidityValueRequested(step);
        QCOMPARE(manager.value(), (HumidityValue_T{expected, level}));
        QCOMPARE(log.take(), expectedSignals);
    }

    // Where steps apply here, a stepper is lit exactly when a press moves the value, also after a
    // limit moved under or over the value held; each press is checked until the stepper dims.
    void aStepperIsLitExactlyWhenAPressMoves_data()
    {
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("start");
        // The upper limit set after the start value.
        QTest::addColumn<int>("newUpper");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("last");
        QTest::newRow("up to the limit") << 0 << 100 << 40 << 100 << 0 << 100;
        QTest::newRow("down to the limit") << 0 << 100 << 40 << 100 << 1 << 0;
        QTest::newRow("the limit falls below, up") << 0 << 100 << 60 << 46 << 0 << 60;
        QTest::newRow("the limit falls below, down") << 0 << 100 << 60 << 46 << 1 << 0;
        QTest::newRow("the limit rises above") << 0 << 46 << 46 << 60 << 0 << 60;
        // A step is worked out in 64 bits: at the ends of an int it stops instead of wrapping.
        const int maxInt = std::numeric_limits<int>::max();
        const int minInt = std::numeric_limits<int>::min();
        QTest::newRow("up to the largest int")
            << 0 << maxInt << maxInt - 2 << maxInt << 0 << maxInt;
        QTest::newRow("down to the smallest int")
            << minInt << maxInt << minInt + 2 << maxInt << 1 << minInt;
    }

    void aStepperIsLitExactlyWhenAPressMoves()
    {
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, start);
        QFETCH(int, newUpper);
        QFETCH(int, step);
        QFETCH(int, last);
        HumidityValueManager manager;
        manager.setHumidityUnit(HumidityTypes::E_percentage);
        manager.setLowerLimit({lower, HumidityTypes::E_percentage});
        manager.setUpperLimit({upper, HumidityTypes::E_percentage});
        manager.setValue({start, HumidityTypes::E_percentage});
        manager.setUpperLimit({upper, HumidityTypes::E_percentage});
        QSignalSpy reached(&manager, step == 0 ? &HumidityValueManager::upperLimitReached
                                               : &HumidityValueManager::lowerLimitReached);
        manager.setUpperLimit({newUpper, HumidityTypes::E_percentage});
        QVERIFY(!reached.isEmpty());
        for (int press = 0; press < 200; ++press) {
            const bool dimmed = reached.last().at(0).toBool();
            const int before = manager.value().value;
            manager.onChangeHumidityValueRequested(step);
            const bool moved = manager.value().value != before;
            QVERIFY2(moved != dimmed, qPrintable(QStringLiteral("at %1 the stepper is %2")
                                                     .arg(before)
                                                     .arg(dimmed ? "dimmed" : "lit")));
            if (!moved)
                break;
        }
        QCOMPARE(manager.value().value, last);
    }

    void proposalIsInCurrentUnit()
    {
        HumidityValueManager manager;
        manager.setApplyStepsLocally(false);
        manager.setValue({100, percent});
        QSignalSpy spy(&manager, &HumidityValueManager::newValueProposed);
        manager.onChangeHumidityValueRequested(0);
        QVERIFY(!spy.isEmpty());
        QCOMPARE(spy.takeFirst().at(0).toInt(), 101);
    }

    void unitFollowsSauna_data()
    {
        QTest::addColumn<bool>("sensorFirst");
        QTest::addColumn<bool>("sensorOk");
        QTest::addColumn<bool>("levelFlag");
        QTest::addColumn<bool>("percentFlag");
        QTest::addColumn<int>("expectedUnit");
        for (bool sensorFirst : {true, false}) {
            for (bool sensorOk : {true, false}) {
                for (bool levelFlag : {true, false}) {
                    for (bool percentFlag : {true, false}) {
                        // Percent needs both the capability and a working sensor. The capability
                        // report alone decides only when the sensor is already known to work;
                        // the sensor report decides once the capability is known.
                        int expected = level;
                        if (sensorOk && percentFlag)
                            expected = percent;
                        const QByteArray name =
                            QByteArray(sensorFirst ? "sensor first" : "flags first") +
                            (sensorOk ? ", sensor ok" : ", sensor failed") +
                            (levelFlag ? ", level" : "") + (percentFlag ? ", percent" : "");
                        QTest::newRow(name.constData())
                            << sensorFirst << sensorOk << levelFlag << percentFlag << expected;
                    }
                }
            }
        }
    }

    void unitFollowsSauna()
    {
        QFETCH(bool, sensorFirst);
        QFETCH(bool, sensorOk);
        QFETCH(bool, levelFlag);
        QFETCH(bool, percentFlag);
        QFETCH(int, expectedUnit);
        HumidityValueManager manager;
        SaunaSource sauna;
        QCOMPARE(manager.connectSaunaSources({&sauna}), 0);
        if (sensorFirst) {
            emit sauna.saunaHumiditySensorStatusChanged(sensorOk);
            emit sauna.saunaMasterFuncDescChanged(functions(levelFlag, percentFlag));
        } else {
            emit sauna.saunaMasterFuncDescChanged(functions(levelFlag, percentFlag));
            emit sauna.saunaHumiditySensorStatusChanged(sensorOk);
        }
        QCOMPARE(int(manager.humidityUnit()), expectedUnit);
    }

    void sensorFailureFallsBackToLevels()
    {
        HumidityValueManager manager;
        manager.onSaunaMasterFuncDescChanged(functions(true, true));
        manager.onSaunaHumiditySensorStatusChanged(true);
        manager.setValue({48, percent});
        QCOMPARE(manager.humidityUnit(), percent);
        manager.onSaunaHumiditySensorStatusChanged(false);
        QCOMPARE(manager.value(), (HumidityValue_T{5, level}));
        manager.onSaunaHumiditySensorStatusChanged(true);
        QCOMPARE(manager.value(), (HumidityValue_T{50, percent}));
        // Neither flag: the unit stays, but percent is no longer supported.
        manager.onSaunaMasterFuncDescChanged(functions(false, false));
        QCOMPARE(manager.humidityUnit(), percent);
        manager.onSaunaHumiditySensorStatusChanged(true);
        QCOMPARE(manager.humidityUnit(), level);
    }

    // The trace lines, each beginning with the method's signature.
    void traceLines()
    {
        HumidityValueManager manager;
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression("^void value::HumidityValueManager::setValue\\(.*\\) "
                                           "5 E_step$"));
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression("^void value::HumidityValueManager::setValue\\(.*\\) "
                                           "changing humidity to 5 E_step$"));
        manager.setValue({5, level});
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression("onSaunaHumiditySensorStatusChanged\\(bool\\) true$"));
        manager.onSaunaHumiditySensorStatusChanged(true);
    }

    void connectsStepperAndReportsFailures()
    {
        HumidityValueManager manager;
        Stepper stepper;
        QCOMPARE(manager.connectChangeRequests({&stepper}), 0);
        manager.setValue({3, level});
        emit stepper.changeHumidityValueRequested(0);
        QCOMPARE(manager.value(), (HumidityValue_T{4, level}));
        QCOMPARE(manager.connectSaunaSources({&stepper}), 2);
        QCOMPARE(manager.connectChangeRequests({nullptr}), 1);
    }
};

QTEST_GUILESS_MAIN(TestHumidityValueManager)
#include "tst_humidity_value_manager.moc"
