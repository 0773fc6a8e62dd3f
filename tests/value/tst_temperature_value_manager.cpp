#include "signal_log.h"

#include "signal_interface/temperature_types.h"
#include "signal_interface/type_registration.h"
#include "value/error_text.h"
#include "value/meta_types.h"
#include "value/temperature_value_manager.h"
#include "value/temperature_values.h"

#include <QtTest>

#include <limits>

using signalInterface::TemperatureTypes;
using value::TemperatureValueManager;

// Stands in for the temperature controller, which announces the unit setting.
class UnitSource : public QObject
{
    Q_OBJECT
signals:
    void temperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit unit);
};

// Stands in for a QML stepper.
class Stepper : public QObject
{
    Q_OBJECT
signals:
    void changeTemperatureValueRequested(int step);
};

// Declares the wrong parameter type, as a QML item with a "var" parameter would.
class WrongStepper : public QObject
{
    Q_OBJECT
signals:
    void changeTemperatureValueRequested(QString step);
};

class TestTemperatureValueManager : public QObject
{
    Q_OBJECT

    static constexpr int increase = 0;
    static constexpr int decrease = 1;

    void watch(TemperatureValueManager &manager, SignalLog &log)
    {
        log.watch(&manager, &TemperatureValueManager::temperatureValueChanged, "value");
        log.watch(&manager, &TemperatureValueManager::temperatureValueChanged2, "value2");
        log.watch(&manager, &TemperatureValueManager::temperatureValueChanged2Qml, "valueQml");
        log.watch(&manager, &TemperatureValueManager::newValueProposed, "proposed");
        log.watch(&manager, &TemperatureValueManager::lowerLimitReached, "lower");
        log.watch(&manager, &TemperatureValueManager::upperLimitReached, "upper");
    }

private slots:
    void initTestCase()
    {
        signalInterface::registerMetaTypes();
        value::registerMetaTypes();
    }

    void conversions()
    {
        QCOMPARE(value::celsiusToFahrenheit(100), 212);
        QCOMPARE(value::celsiusToFahrenheit(-40), -40);
        QCOMPARE(value::celsiusToFahrenheit(0), 32);
        QCOMPARE(value::fahrenheitToCelsius(212), 100);
        QCOMPARE(value::fahrenheitToCelsius(-40), -40);
        QCOMPARE(value::fahrenheitToCelsius(32), 0);
    }

    void shownNumber_data()
    {
        QTest::addColumn<int>("ninths");
        QTest::addColumn<int>("celsius");
        QTest::addColumn<int>("fahrenheit");
        QTest::newRow("80 C") << 720 << 80 << 176;
        QTest::newRow("just above 80 C") << 725 << 80 << 177;
        QTest::newRow("zero") << 0 << 0 << 32;
        QTest::newRow("small negative truncates to zero") << -5 << 0 << 31;
        QTest::newRow("just below zero") << -4 << 0 << 32;
        QTest::newRow("minus one degree") << -9 << -1 << 31;
        QTest::newRow("minus 40") << -360 << -40 << -40;
        QTest::newRow("negative truncates towards zero") << -366 << -40 << -41;
        QTest::newRow("120 C") << 1080 << 120 << 248;
    }

    void shownNumber()
    {
        QFETCH(int, ninths);
        QFETCH(int, celsius);
        QFETCH(int, fahrenheit);
        TemperatureValueManager manager;
        manager.setLowerLimit(-1000);
        QSignalSpy spy(&manager, &TemperatureValueManager::temperatureValueChanged);
        manager.setValue(ninths);
        QVERIFY(!spy.isEmpty());
        QCOMPARE(spy.takeLast().at(0).toInt(), celsius);
        manager.setTemperatureUnitType(TemperatureTypes::E_fahrenheit);
        QVERIFY(!spy.isEmpty());
        QCOMPARE(spy.takeLast().at(0).toInt(), fahrenheit);
    }

    void firstValueEmitsValueThenLimits()
    {
        TemperatureValueManager manager;
        SignalLog log;
        watch(manager, log);
        manager.setValue(1100);
        QCOMPARE(manager.value(), std::optional<int>(1080));
        QCOMPARE(log.take(), (QStringList{"value(120)", "value2(120,0)", "valueQml(120,0)",
                                          "lower(false)", "upper(true)"}));
        manager.setValue(1100);
        QCOMPARE(log.take(), QStringList());
        manager.setValue(-20);
        QCOMPARE(manager.value(), std::optional<int>(0));
        QCOMPARE(log.take(), (QStringList{"value(0)", "value2(0,0)", "valueQml(0,0)", "lower(true)",
                                          "upper(false)"}));
    }

    // Whether a value is held is told before the value, and only when it changes.
    void holdingAValueIsToldOnceBeforeTheValue()
    {
        TemperatureValueManager manager;
        SignalLog log;
        log.watch(&manager, &TemperatureValueManager::hasValueChanged, "has");
        log.watch(&manager, &TemperatureValueManager::temperatureValueChanged, "value");
        log.watch(&manager, &TemperatureValueManager::temperatureValueUnknown, "unknown");
        manager.setValue(720);
        QVERIFY(manager.hasValue());
        QCOMPARE(log.take(), (QStringList{"has()", "value(80)"}));
        manager.setValue(810);
        QCOMPARE(log.take(), QStringList{"value(90)"});
        manager.clearValue();
        QVERIFY(!manager.hasValue());
        QCOMPARE(log.take(), (QStringList{"has()", "unknown()"}));
        manager.clearValue();
        QCOMPARE(log.take(), QStringList());
        manager.setValue(810);
        QCOMPARE(log.take(), (QStringList{"has()", "value(90)"}));
    }

    void everyValueIsHeldWithinTheLimits_data()
    {
        QTest::addColumn<int>("reported");
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("shown");
        // Within the first limits 0..1080 a report is held as it is, outside it is clamped.
        QTest::newRow("lowest") << 0 << 0 << 0;
        QTest::newRow("highest") << 1080 << 1080 << 120;
        QTest::newRow("151 C") << 1359 << 1080 << 120;
        QTest::newRow("just below") << -1 << 0 << 0;
        QTest::newRow("10000 C") << 90000 << 1080 << 120;
        QTest::newRow("-10000 C") << -90000 << 0 << 0;
        QTest::newRow("largest int") << std::numeric_limits<int>::max() << 1080 << 120;
        QTest::newRow("smallest int") << std::numeric_limits<int>::min() << 0 << 0;
    }

    // No report is dropped: the limit check decides what the manager holds, whatever the number.
    void everyValueIsHeldWithinTheLimits()
    {
        QFETCH(int, reported);
        QFETCH(int, held);
        QFETCH(int, shown);
        TemperatureValueManager manager;
        manager.setValue(720);
        SignalLog log;
        watch(manager, log);
        log.watch(&manager, &TemperatureValueManager::temperatureValueUnknown, "unknown");
        manager.setValue(reported);
        QCOMPARE(manager.value(), std::optional<int>(held));
        const QString n = QString::number(shown);
        QCOMPARE(log.take(),
                 (QStringList{"value(" + n + ")", "value2(" + n + ",0)", "valueQml(" + n + ",0)",
                              held <= 0 ? "lower(true)" : "lower(false)",
                              held >= 1080 ? "upper(true)" : "upper(false)"}));
        // The same report again tells nothing.
        manager.setValue(reported);
        QCOMPARE(log.take(), QStringList());
    }

    // The limits are what the owner sets, however wide; a value within them is held as it is.
    void limitsAreHeldAsSet()
    {
        TemperatureValueManager manager;
        manager.setLowerLimit(std::numeric_limits<int>::min());
        manager.setUpperLimit(std::numeric_limits<int>::max());
        QCOMPARE(manager.lowerLimit(), std::numeric_limits<int>::min());
        QCOMPARE(manager.upperLimit(), std::numeric_limits<int>::max());
        manager.setValue(1359);
        QCOMPARE(manager.value(), std::optional<int>(1359));
        manager.setValue(90000);
        QCOMPARE(manager.value(), std::optional<int>(90000));
        QSignalSpy shown(&manager, &TemperatureValueManager::temperatureValueChanged);
        manager.onChangeTemperatureValueRequested(increase);
        QCOMPARE(manager.value(), std::optional<int>(90009));
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.takeLast().at(0).toInt(), 10001);
    }

    // No properties but whether a value is held, and no invokable methods.
    void interfaceIsTheManagers()
    {
        const QMetaObject &meta = TemperatureValueManager::staticMetaObject;
        QCOMPARE(meta.propertyCount() - meta.propertyOffset(), 1);
        QCOMPARE(meta.property(meta.propertyOffset()).name(), "hasValue");
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            QVERIFY2(meta.method(i).methodType() != QMetaMethod::Method,
                     meta.method(i).methodSignature().constData());
    }

    void stepsAtAndAcrossLimits_data()
    {
        QTest::addColumn<bool>("applyLocally");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("expectedValue");
        QTest::addColumn<QStringList>("expectedSignals");

        const int c = TemperatureTypes::E_celsius;
        const int f = TemperatureTypes::E_fahrenheit;
        // Limits are 450..1080 in every row.
        QTest::newRow("apply C up inside")
            << true << c << 1062 << increase << 1071
            << QStringList{"value(119)", "value2(119,0)", "valueQml(119,0)", "lower(false)",
                           "upper(false)"};
        QTest::newRow("apply C up onto limit")
            << true << c << 1071 << increase << 1080
            << QStringList{"value(120)", "value2(120,0)", "valueQml(120,0)", "lower(false)",
                           "upper(true)"};
        QTest::newRow("apply C up at limit")
            << true << c << 1080 << increase << 1080 << QStringList();
        QTest::newRow("apply C up across limit is ignored")
            << true << c << 1075 << increase << 1075 << QStringList();
        QTest::newRow("apply C down at limit")
            << true << c << 450 << decrease << 450 << QStringList();
        QTest::newRow("apply C down across limit is ignored")
            << true << c << 455 << decrease << 455 << QStringList();
        QTest::newRow("apply C down onto limit")
            << true << c << 459 << decrease << 450
            << QStringList{"value(50)", "value2(50,0)", "valueQml(50,0)", "lower(true)",
                           "upper(false)"};
        QTest::newRow("apply F up by five")
            << true << f << 720 << increase << 725
            << QStringList{"value(177)", "value2(177,1)", "valueQml(177,1)", "lower(false)",
                           "upper(false)"};
        QTest::newRow("apply F up onto limit")
            << true << f << 1075 << increase << 1080
            << QStringList{"value(248)", "value2(248,1)", "valueQml(248,1)", "lower(false)",
                           "upper(true)"};
        QTest::newRow("apply F up across limit is ignored")
            << true << f << 1076 << increase << 1076 << QStringList();
        QTest::newRow("apply F down at limit")
            << true << f << 450 << decrease << 450 << QStringList();
        QTest::newRow("apply F down across limit is ignored")
            << true << f << 453 << decrease << 453 << QStringList();
        QTest::newRow("propose C up at limit")
            << false << c << 1080 << increase << 1080 << QStringList{"proposed(1089)"};
        QTest::newRow("propose C down at limit")
            << false << c << 450 << decrease << 450 << QStringList{"proposed(441)"};
        QTest::newRow("propose C inside")
            << false << c << 720 << increase << 720 << QStringList{"proposed(729)"};
        QTest::newRow("propose F up at limit")
            << false << f << 1080 << increase << 1080 << QStringList{"proposed(1085)"};
        QTest::newRow("propose F down at limit")
            << false << f << 450 << decrease << 450 << QStringList{"proposed(445)"};
    }

    void stepsAtAndAcrossLimits()
    {
        QFETCH(bool, applyLocally);
        QFETCH(int, unit);
        QFETCH(int, start);
        QFETCH(int, direction);
        QFETCH(int, expectedValue);
        QFETCH(QStringList, expectedSignals);

        TemperatureValueManager manager;
        manager.setLowerLimit(450);
        manager.setUpperLimit(1080);
        manager.setApplyStepsLocally(applyLocally);
        manager.setTemperatureUnitType(TemperatureTypes::TemperatureUnit(unit));
        manager.setValue(start);
        SignalLog log;
        watch(manager, log);
        manager.onChangeTemperatureValueRequested(direction);
        QCOMPARE(manager.value(), std::optional<int>(expectedValue));
        QCOMPARE(log.take(), expectedSignals);
    }

    // Where steps apply here, a stepper is lit exactly when a press moves the value: from values
    // between the steps of the unit, after a limit moved under or over the value held, in both
    // units and both directions, each press is checked until the stepper dims.
    void aStepperIsLitExactlyWhenAPressMoves_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("start");
        // A limit set after the start value, or the limit as it is.
        QTest::addColumn<int>("newLower");
        QTest::addColumn<int>("newUpper");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("last");

        const int c = TemperatureTypes::E_celsius;
        const int f = TemperatureTypes::E_fahrenheit;
        const int largest = std::numeric_limits<int>::max();
        const int smallest = std::numeric_limits<int>::min();
        // Favorite and program temperatures: 40..110 °C.
        QTest::newRow("editor C down") << c << 360 << 990 << 725 << 360 << 990 << decrease << 365;
        QTest::newRow("editor F down") << f << 360 << 990 << 723 << 360 << 990 << decrease << 363;
        QTest::newRow("editor C up") << c << 360 << 990 << 725 << 360 << 990 << increase << 986;
        QTest::newRow("editor F up") << f << 360 << 990 << 723 << 360 << 990 << increase << 988;
        // The standby reduction: 0..30 °C.
        QTest::newRow("reduction C up") << c << 0 << 270 << 4 << 0 << 270 << increase << 265;
        QTest::newRow("reduction C down") << c << 0 << 270 << 4 << 0 << 270 << decrease << 4;
        QTest::newRow("reduction F up") << f << 0 << 270 << 4 << 0 << 270 << increase << 269;
        QTest::newRow("reduction F down") << f << 0 << 270 << 92 << 0 << 270 << decrease << 2;
        // The tank's standby temperature: 75..97 °C.
        QTest::newRow("tank C up") << c << 675 << 873 << 725 << 675 << 873 << increase << 869;
        QTest::newRow("tank C down") << c << 675 << 873 << 725 << 675 << 873 << decrease << 680;
        QTest::newRow("tank F up") << f << 675 << 873 << 810 << 675 << 873 << increase << 870;
        QTest::newRow("tank F down") << f << 675 << 873 << 873 << 675 << 873 << decrease << 678;
        // A limit that falls below the value held: the up-step dims, the down-step steps back
        // into the limits and on to the lower limit.
        QTest::newRow("upper falls below, up")
            << c << 360 << 990 << 900 << 360 << 700 << increase << 900;
        QTest::newRow("upper falls below, down")
            << f << 360 << 990 << 900 << 360 << 700 << decrease << 360;
        QTest::newRow("lower rises above, up")
            << c << 360 << 990 << 400 << 500 << 990 << increase << 986;
        QTest::newRow("lower rises above, down")
            << c << 360 << 990 << 400 << 500 << 990 << decrease << 400;
        // A limit that rises above the value held at the old one lights the stepper again.
        QTest::newRow("upper rises, up") << f << 360 << 900 << 900 << 360 << 990 << increase << 990;
        QTest::newRow("lower falls, down")
            << c << 360 << 990 << 360 << 100 << 990 << decrease << 108;
        // Near the ends of an int a step neither wraps nor sticks.
        QTest::newRow("largest int, up")
            << c << 0 << largest << largest - 3 << 0 << largest << increase << largest;
        QTest::newRow("largest int, down") << f << 0 << largest << largest - 3 << largest - 12
                                           << largest << decrease << largest - 8;
        QTest::newRow("smallest int, down")
            << c << smallest << 0 << smallest + 3 << smallest << 0 << decrease << smallest;
    }

    void aStepperIsLitExactlyWhenAPressMoves()
    {
        QFETCH(int, unit);
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, start);
        QFETCH(int, newLower);
        QFETCH(int, newUpper);
        QFETCH(int, direction);
        QFETCH(int, last);

        TemperatureValueManager manager;
        manager.setTemperatureUnitType(TemperatureTypes::TemperatureUnit(unit));
        manager.setLowerLimit(lower);
        manager.setUpperLimit(upper);
        manager.setValue(start);
        QSignalSpy reached(&manager, direction == increase
                                         ? &TemperatureValueManager::upperLimitReached
                                         : &TemperatureValueManager::lowerLimitReached);
        manager.setLowerLimit(newLower);
        manager.setUpperLimit(newUpper);
        QVERIFY(!reached.isEmpty());
        for (int press = 0; press < 300; ++press) {
            const bool dimmed = reached.last().at(0).toBool();
            const std::optional<int> before = manager.value();
            manager.onChangeTemperatureValueRequested(direction);
            const bool moved = manager.value() != before;
            QVERIFY2(moved != dimmed, qPrintable(QStringLiteral("at %1 the stepper is %2")
                                                     .arg(*before)
                                                     .arg(dimmed ? "dimmed" : "lit")));
            if (!moved)
                break;
        }
        QCOMPARE(manager.value(), std::optional<int>(last));
    }

    // A proposal near the ends of an int never wraps to the other end.
    void aProposalNearTheEndsOfAnIntDoesNotWrap()
    {
        TemperatureValueManager manager;
        manager.setApplyStepsLocally(false);
        manager.setLowerLimit(std::numeric_limits<int>::min());
        manager.setUpperLimit(std::numeric_limits<int>::max());
        QSignalSpy proposed(&manager, &TemperatureValueManager::newValueProposed);
        manager.setValue(std::numeric_limits<int>::max() - 3);
        manager.onChangeTemperatureValueRequested(increase);
        QVERIFY(!proposed.isEmpty());
        QCOMPARE(proposed.takeFirst().at(0).toInt(), std::numeric_limits<int>::max());
        manager.setValue(std::numeric_limits<int>::min() + 3);
        manager.onChangeTemperatureValueRequested(decrease);
        QVERIFY(!proposed.isEmpty());
        QCOMPARE(proposed.takeFirst().at(0).toInt(), std::numeric_limits<int>::min());
    }

    // A reduction is a difference of temperatures: 0 reads 0 in either unit, a degree Celsius of
    // it 1.8 °F, and a step is one degree of the shown unit.
    void aDifferenceIsShownAsOne()
    {
        TemperatureValueManager manager;
        manager.setShowsDifference(true);
        manager.setUpperLimit(270);
        QSignalSpy shown(&manager, &TemperatureValueManager::temperatureValueChanged2Qml);
        manager.setTemperatureUnitType(TemperatureTypes::E_fahrenheit);
        for (const auto &[ninths, fahrenheit] :
             {std::pair{0, 0}, std::pair{90, 18}, std::pair{270, 54}, std::pair{4, 0}}) {
            manager.setValue(ninths);
            QVERIFY(!shown.isEmpty());
            QCOMPARE(shown.takeLast(), (QVariantList{fahrenheit, 1}));
        }
        manager.setValue(0);
        manager.onChangeTemperatureValueRequested(increase);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.takeLast(), (QVariantList{1, 1}));
        manager.setTemperatureUnitType(TemperatureTypes::E_celsius);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.takeLast(), (QVariantList{0, 0}));
        manager.setValue(90);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.takeLast(), (QVariantList{10, 0}));
    }

    void requestsWithoutValueOrWithBadStepAreIgnored()
    {
        for (bool applyLocally : {true, false}) {
            TemperatureValueManager manager;
            manager.setApplyStepsLocally(applyLocally);
            SignalLog log;
            watch(manager, log);
            manager.onChangeTemperatureValueRequested(increase);
            manager.onChangeTemperatureValueRequested(decrease);
            QCOMPARE(log.take(), QStringList());
            QCOMPARE(manager.value(), std::nullopt);

            manager.setValue(720);
            log.take();
            const QByteArray slot(
                "void value::TemperatureValueManager::onChangeTemperatureValueRequested(int)");
            QTest::ignoreMessage(QtDebugMsg, (slot + " Unknown step 2").constData());
            QTest::ignoreMessage(QtDebugMsg, (slot + " Unknown step -1").constData());
            manager.onChangeTemperatureValueRequested(2);
            manager.onChangeTemperatureValueRequested(-1);
            QCOMPARE(log.take(), QStringList());
            QCOMPARE(manager.value(), std::optional<int>(720));
        }
    }

    void limitChangesReportStatesWithoutClamping()
    {
        TemperatureValueManager manager;
        manager.setValue(500);
        SignalLog log;
        watch(manager, log);
        manager.setLowerLimit(600);
        QCOMPARE(manager.value(), std::optional<int>(500));
        QCOMPARE(manager.upperLimit(), 1080);
        QCOMPARE(log.take(), (QStringList{"lower(true)", "upper(false)"}));
        manager.setUpperLimit(400);
        QCOMPARE(manager.lowerLimit(), 600);
        QCOMPARE(log.take(), (QStringList{"lower(true)", "upper(true)"}));
    }

    // A change of unit changes the size of a step, so the limit states are told again.
    void aChangeOfUnitTellsTheValueAndTheLimitStates()
    {
        TemperatureValueManager manager;
        manager.setLowerLimit(360);
        manager.setUpperLimit(990);
        manager.setValue(984);
        SignalLog log;
        watch(manager, log);
        manager.setTemperatureUnitType(TemperatureTypes::E_fahrenheit);
        const QStringList inFahrenheit{"value(228)", "value2(228,1)", "valueQml(228,1)",
                                       "lower(false)", "upper(false)"};
        QCOMPARE(log.take(), inFahrenheit);
        manager.setTemperatureUnitType(TemperatureTypes::E_fahrenheit);
        QCOMPARE(log.take(), inFahrenheit);
        manager.setTemperatureUnitType(TemperatureTypes::E_celsius);
        QCOMPARE(log.take(), (QStringList{"value(109)", "value2(109,0)", "valueQml(109,0)",
                                          "lower(false)", "upper(true)"}));
    }

    void connectsByExactSignatures()
    {
        TemperatureValueManager manager;
        UnitSource controller;
        Stepper up;
        Stepper down;
        QCOMPARE(manager.connectUnitSources({&controller}), 0);
        QCOMPARE(manager.connectChangeRequests({&up, &down}), 0);
        manager.setValue(720);

        QSignalSpy spy(&manager, &TemperatureValueManager::temperatureValueChanged);
        emit controller.temperatureUnitChanged(TemperatureTypes::E_fahrenheit);
        QVERIFY(!spy.isEmpty());
        QCOMPARE(spy.takeLast().at(0).toInt(), 176);
        emit up.changeTemperatureValueRequested(increase);
        QCOMPARE(manager.value(), std::optional<int>(725));
        emit down.changeTemperatureValueRequested(decrease);
        QCOMPARE(manager.value(), std::optional<int>(720));
    }

    void reportsFailedConnects()
    {
        TemperatureValueManager manager;
        WrongStepper wrong;
        Stepper right;
        QCOMPARE(manager.connectChangeRequests({&wrong, &right, nullptr}), 2);
        QCOMPARE(manager.connectUnitSources({&right}), 1);
    }

    // The trace lines, each beginning with the method's signature.
    void traceLines()
    {
        TemperatureValueManager manager;
        QTest::ignoreMessage(
            QtDebugMsg,
            QRegularExpression("^void value::TemperatureValueManager::setValue\\(.*\\) 720 "
                               "LowerLimit: 0 UpperLimit: 1080$"));
        manager.setValue(720);
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression("setTemperatureUnitType\\(.*\\) changing unit to 1$"));
        manager.setTemperatureUnitType(TemperatureTypes::E_fahrenheit);
        QTest::ignoreMessage(
            QtDebugMsg,
            QRegularExpression(
                "^void value::TemperatureValueManager::onChangeTemperatureValueRequested"
                "\\(int\\) E_stepper_decrease$"));
        manager.onChangeTemperatureValueRequested(1);
    }

    void errorTexts()
    {
        const value::ErrorText_SPT plain = value::makeErrorText("void f()", "no index");
        QVERIFY(plain);
        QCOMPARE(*plain, QString("void f(): no index"));
        const value::ErrorText_SPT numbered = value::makeErrorText("void f()", "index", 40);
        QCOMPARE(*numbered, QString("void f(): index, 40"));
        QVERIFY(numbered->endsWith(", 40"));
        QVERIFY(!value::ErrorText_SPT());
    }
};

QTEST_GUILESS_MAIN(TestTemperatureValueManager)
#include "tst_temperature_value_manager.moc"
