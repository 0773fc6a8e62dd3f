#include "signal_log.h"

#include "value/duration_manager_most_significant_component_hour.h"
#include "value/duration_manager_most_significant_component_minute.h"

#include <QtTest>

#include <limits>

using value::DurationManager;
using value::DurationManagerMostSignificantComponentHour;
using value::DurationManagerMostSignificantComponentMinute;

namespace {

constexpr int hour = 0;
constexpr int minute = 1;
constexpr int second = 2;
constexpr int millisecond = 3;
constexpr int increase = 0;
constexpr int decrease = 1;
constexpr qint64 minuteMs = 60000;
constexpr qint64 hourMs = 3600000;
constexpr qint64 maxInt64 = std::numeric_limits<qint64>::max();

} // namespace

// Stands in for a QML stepper.
class Stepper : public QObject
{
    Q_OBJECT
signals:
    void durationChangeRequested(int component, int direction);
};

// A duration whose every step, of any component, is one minute more: the base steps by what its
// subclass says.
class MinuteSteps : public DurationManager
{
public:
    MinuteSteps()
        : DurationManager(nullptr)
    {}
    qint64 stepValue(int, int) const override { return value().value_or(0) + minuteMs; }
};

class TestDurationManager : public QObject
{
    Q_OBJECT

    static void watch(DurationManager &manager, SignalLog &log)
    {
        log.watch(&manager, &DurationManager::durationValueComponentsChanged, "text");
        log.watch(&manager, &DurationManager::durationValueChanged, "minutes");
        log.watch(&manager, &DurationManager::lowerLimitReached, "lower");
        log.watch(&manager, &DurationManager::upperLimitReached, "upper");
    }

private slots:
    void newManager()
    {
        DurationManagerMostSignificantComponentHour manager;
        SignalLog log;
        watch(manager, log);
        manager.onDurationChangeRequested(hour, increase);
        QCOMPARE(log.take(), QStringList());
        QCOMPARE(manager.value(), std::nullopt);
        QCOMPARE(manager.valueInMinutes(), 0);
        QCOMPARE(manager.stepValue(hour, increase), maxInt64);
        QCOMPARE(manager.stepValue(minute, decrease), qint64(0));
    }

    void firstSetEmitsEverythingInOrder()
    {
        DurationManagerMostSignificantComponentHour manager;
        SignalLog log;
        watch(manager, log);
        manager.setValueInMinutes(30);
        QCOMPARE(log.take(),
                 (QStringList{"minutes(30)", "text(0,30,00,000)", "lower(false,false,false,false)",
                              "upper(false,false,false,false)"}));
        manager.setValueInMinutes(30);
        QCOMPARE(log.take(), QStringList());
        manager.setUpperLimitInMinutes(30);
        QCOMPARE(log.take(),
                 (QStringList{"lower(false,false,false,false)", "upper(false,true,true,true)"}));
        manager.setValueInMinutes(45);
        QCOMPARE(manager.valueInMinutes(), 30);
        QCOMPARE(log.take(), QStringList());

        DurationManagerMostSignificantComponentHour zero;
        watch(zero, log);
        zero.setValue(0);
        QCOMPARE(log.take().mid(0, 2), (QStringList{"minutes(0)", "text(0,0,0,0)"}));
    }

    void componentTexts_data()
    {
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<bool>("leading");
        QTest::addColumn<bool>("following");
        QTest::addColumn<QString>("expected");
        const qint64 oneHourFive = hourMs + 5 * minuteMs;
        QTest::newRow("1 h 5 min") << oneHourFive << false << true << "text(1,05,00,000)";
        QTest::newRow("5 min") << 5 * minuteMs << false << true << "text(0,5,00,000)";
        QTest::newRow("7 s") << qint64(7000) << false << true << "text(0,0,7,000)";
        QTest::newRow("zero") << qint64(0) << false << true << "text(0,0,0,0)";
        QTest::newRow("90000 min") << 90000 * minuteMs << false << true << "text(1500,00,00,000)";
        QTest::newRow("1:2:3.4") << hourMs + 2 * minuteMs + 3004 << false << true
                                 << "text(1,02,03,004)";
        QTest::newRow("no padding") << oneHourFive << false << false << "text(1,5,0,0)";
        QTest::newRow("leading padding") << 5 * minuteMs << true << true << "text(00,05,00,000)";
        QTest::newRow("leading padding keeps zero")
            << qint64(7000) << true << false << "text(00,0,07,0)";
    }

    void componentTexts()
    {
        QFETCH(qint64, milliseconds);
        QFETCH(bool, leading);
        QFETCH(bool, following);
        QFETCH(QString, expected);
        DurationManagerMostSignificantComponentHour manager;
        manager.setValue(milliseconds);
        SignalLog log;
        log.watch(&manager, &DurationManager::durationValueComponentsChanged, "text");
        manager.setFormatFlags(!leading, !following);
        log.take();
        manager.setFormatFlags(leading, following);
        QCOMPARE(log.take(), QStringList{expected});
        manager.setFormatFlags(leading, following);
        QCOMPARE(log.take(), QStringList());
    }

    void hourSteps_data()
    {
        QTest::addColumn<int>("lowerMinutes");
        QTest::addColumn<int>("upperMinutes");
        QTest::addColumn<int>("startMinutes");
        QTest::addColumn<int>("component");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("expectedMinutes");
        QTest::newRow("hour up from the top wraps") << 60 << 480 << 480 << hour << increase << 60;
        QTest::newRow("hour down from the bottom wraps")
            << 60 << 480 << 60 << hour << decrease << 480;
        QTest::newRow("hour up clamps") << 60 << 480 << 450 << hour << increase << 480;
        QTest::newRow("hour down clamps") << 60 << 480 << 90 << hour << decrease << 60;
        QTest::newRow("hour up inside") << 60 << 480 << 120 << hour << increase << 180;
        QTest::newRow("minute down") << 60 << 480 << 120 << minute << decrease << 119;
        QTest::newRow("minute down at the bottom is clamped")
            << 60 << 480 << 60 << minute << decrease << 60;
        QTest::newRow("minute up at the top is clamped")
            << 60 << 480 << 480 << minute << increase << 480;
        QTest::newRow("limits within one hour: up leaves and is clamped")
            << 10 << 50 << 20 << hour << increase << 50;
        QTest::newRow("limits within one hour: up at the top wraps")
            << 10 << 50 << 50 << hour << increase << 10;
        QTest::newRow("equal limits") << 1 << 1 << 1 << hour << increase << 1;
        QTest::newRow("am/pm component does nothing") << 60 << 480 << 120 << 4 << increase << 120;
    }

    void hourSteps()
    {
        QFETCH(int, lowerMinutes);
        QFETCH(int, upperMinutes);
        QFETCH(int, startMinutes);
        QFETCH(int, component);
        QFETCH(int, direction);
        QFETCH(int, expectedMinutes);
        DurationManagerMostSignificantComponentHour manager;
        manager.setLowerLimitInMinutes(lowerMinutes);
        manager.setUpperLimitInMinutes(upperMinutes);
        manager.setValueInMinutes(startMinutes);
        manager.onDurationChangeRequested(component, direction);
        QCOMPARE(manager.value(), std::optional<qint64>(expectedMinutes * minuteMs));
    }

    void hourFlags()
    {
        DurationManagerMostSignificantComponentHour manager;
        manager.setLowerLimitInMinutes(10);
        manager.setUpperLimitInMinutes(50);
        SignalLog log;
        watch(manager, log);
        manager.setValueInMinutes(20);
        // Limits inside one hour: the hour step goes as far as they allow, to either end.
        QCOMPARE(log.take().mid(2),
                 (QStringList{"lower(false,false,false,false)", "upper(false,false,false,false)"}));
        manager.setValueInMinutes(50);
        // At the top the next hour step wraps to the bottom and the step down goes there: neither
        // is blocked.
        QCOMPARE(log.take().mid(2),
                 (QStringList{"lower(false,false,false,false)", "upper(false,true,true,true)"}));

        DurationManagerMostSignificantComponentHour equal;
        equal.setLowerLimitInMinutes(1);
        equal.setUpperLimitInMinutes(1);
        watch(equal, log);
        equal.setValueInMinutes(1);
        QCOMPARE(log.take().mid(2),
                 (QStringList{"lower(true,true,true,true)", "upper(true,true,true,true)"}));
        equal.onDurationChangeRequested(hour, increase);
        equal.onDurationChangeRequested(hour, decrease);
        QCOMPARE(log.take(), QStringList());
    }

    void cleanupSteps()
    {
        DurationManagerMostSignificantComponentHour manager;
        manager.setLowerLimitInMinutes(600);
        manager.setUpperLimitInMinutes(90000);
        manager.setComponentSteps(10, 0, 0, 0);
        int h = 0, m = 0, s = 0, ms = 0;
        manager.componentSteps(h, m, s, ms);
        QCOMPARE((QList<int>{h, m, s, ms}), (QList<int>{10, 0, 0, 0}));
        SignalLog log;
        watch(manager, log);
        manager.setValueInMinutes(1200);
        QCOMPARE(log.take().mid(2),
                 (QStringList{"lower(false,true,true,true)", "upper(false,true,true,true)"}));
        manager.onDurationChangeRequested(hour, increase);
        QCOMPARE(manager.valueInMinutes(), 1800);
        manager.onDurationChangeRequested(minute, increase);
        QCOMPARE(manager.valueInMinutes(), 1800);
    }

    void minuteClass()
    {
        DurationManagerMostSignificantComponentMinute manager;
        manager.setLowerLimit(100);
        manager.setUpperLimit(120000);
        manager.setComponentSteps(1, 1, 1, 100);
        manager.setValue(120000);
        manager.onDurationChangeRequested(minute, increase);
        QCOMPARE(manager.value(), std::optional<qint64>(100));
        SignalLog log;
        watch(manager, log);
        manager.onDurationChangeRequested(millisecond, decrease);
        QCOMPARE(manager.value(), std::optional<qint64>(100));
        manager.onDurationChangeRequested(hour, increase);
        QCOMPARE(manager.value(), std::optional<qint64>(100));
        QCOMPARE(log.take(), QStringList());
        manager.onDurationChangeRequested(second, increase);
        QCOMPARE(manager.value(), std::optional<qint64>(1100));
        const QStringList entries = log.take();
        QCOMPARE(entries.size(), 4);
        QVERIFY(entries.at(2).startsWith("lower(true,"));
        QVERIFY(entries.at(3).startsWith("upper(true,"));
        manager.onDurationChangeRequested(minute, increase);
        QCOMPARE(manager.value(), std::optional<qint64>(61100));
    }

    // A change of limit moves the value into the limits and tells the steppers' states again,
    // also when the value stays.
    void limitChangesMoveTheValueAndTellTheFlags()
    {
        DurationManagerMostSignificantComponentHour manager;
        manager.setValueInMinutes(30);
        SignalLog log;
        watch(manager, log);
        manager.setLowerLimitInMinutes(40);
        // At the lower limit the hour wraps round to the upper one.
        QCOMPARE(log.take(),
                 (QStringList{"minutes(40)", "text(0,40,00,000)", "lower(false,true,true,true)",
                              "upper(false,false,false,false)"}));
        manager.setLowerLimitInMinutes(35);
        QCOMPARE(log.take(),
                 (QStringList{"lower(false,false,false,false)", "upper(false,false,false,false)"}));
        manager.setUpperLimitInMinutes(20);
        QCOMPARE(manager.lowerLimit(), 20 * minuteMs);
        QCOMPARE(manager.upperLimit(), 20 * minuteMs);
        QCOMPARE(manager.valueInMinutes(), 20);
        QCOMPARE(log.take(),
                 (QStringList{"minutes(20)", "text(0,20,00,000)", "lower(true,true,true,true)",
                              "upper(true,true,true,true)"}));
    }

    // A stepper is lit exactly when a press moves the value: from values off the steps, after a
    // limit moved under or over the value held, each press is checked until the stepper dims or
    // the top component wraps round.
    void aStepperIsLitExactlyWhenAPressMoves_data()
    {
        QTest::addColumn<int>("minuteStep");
        QTest::addColumn<int>("lowerMinutes");
        QTest::addColumn<int>("upperMinutes");
        QTest::addColumn<qint64>("start");
        // A limit set after the start value, or the limit as it is.
        QTest::addColumn<int>("newLowerMinutes");
        QTest::addColumn<int>("newUpperMinutes");
        QTest::addColumn<int>("component");
        QTest::addColumn<int>("direction");
        QTest::addColumn<qint64>("last");

        QTest::newRow("minute up to the limit")
            << 1 << 1 << 90 << 85 * minuteMs << 1 << 90 << minute << increase << 90 * minuteMs;
        QTest::newRow("ten minutes up from off the steps")
            << 10 << 1 << 90 << 83 * minuteMs << 1 << 90 << minute << increase << 90 * minuteMs;
        QTest::newRow("ten minutes down from off the steps")
            << 10 << 5 << 90 << 33 * minuteMs + 7000 << 5 << 90 << minute << decrease
            << 5 * minuteMs;
        QTest::newRow("the limit falls below the value held")
            << 1 << 1 << 120 << 100 * minuteMs << 1 << 90 << minute << increase << 90 * minuteMs;
        QTest::newRow("the limit falls below the value held, down")
            << 1 << 1 << 120 << 100 * minuteMs << 1 << 90 << minute << decrease << minuteMs;
        QTest::newRow("the limit rises above the value held")
            << 1 << 1 << 59 << 59 * minuteMs << 1 << 120 << minute << increase << 120 * minuteMs;
        QTest::newRow("the lower limit rises above the value held")
            << 1 << 1 << 120 << 20 * minuteMs << 30 << 120 << minute << decrease << 30 * minuteMs;
        // The hour steps to its limit, then wraps round to the other one.
        QTest::newRow("hour up wraps after the limit")
            << 1 << 1 << 300 << 65 * minuteMs << 1 << 300 << hour << increase << minuteMs;
        QTest::newRow("hour within one hour's limits")
            << 1 << 10 << 50 << 20 * minuteMs << 10 << 50 << hour << decrease << 50 * minuteMs;
    }

    void aStepperIsLitExactlyWhenAPressMoves()
    {
        QFETCH(int, minuteStep);
        QFETCH(int, lowerMinutes);
        QFETCH(int, upperMinutes);
        QFETCH(qint64, start);
        QFETCH(int, newLowerMinutes);
        QFETCH(int, newUpperMinutes);
        QFETCH(int, component);
        QFETCH(int, direction);
        QFETCH(qint64, last);

        DurationManagerMostSignificantComponentHour manager;
        manager.setComponentSteps(1, minuteStep, 1, 1);
        manager.setLowerLimitInMinutes(lowerMinutes);
        manager.setUpperLimitInMinutes(upperMinutes);
        manager.setValue(start);
        QSignalSpy reached(&manager, direction == increase ? &DurationManager::upperLimitReached
                                                           : &DurationManager::lowerLimitReached);
        manager.setLowerLimitInMinutes(newLowerMinutes);
        manager.setUpperLimitInMinutes(newUpperMinutes);
        QCOMPARE(reached.count(), 2);
        const int sign = direction == increase ? 1 : -1;
        for (int press = 0; press < 300; ++press) {
            const bool dimmed = reached.last().at(component).toBool();
            const qint64 before = *manager.value();
            manager.onDurationChangeRequested(component, direction);
            const qint64 after = *manager.value();
            QVERIFY2((after != before) != dimmed,
                     qPrintable(QStringLiteral("at %1 ms the stepper is %2")
                                    .arg(before)
                                    .arg(dimmed ? "dimmed" : "lit")));
            if (after == before || sign * (after - before) < 0)
                break;
        }
        QCOMPARE(manager.value(), std::optional<qint64>(last));
    }

    void withoutAValueEveryStepperIsBlocked_data()
    {
        QTest::addColumn<bool>("hourOnTop");
        // A value held before it is cleared, and one given at the end.
        QTest::addColumn<bool>("heldBefore");
        QTest::addColumn<bool>("givenAfter");
        QTest::newRow("never set, hour on top") << true << false << false;
        QTest::newRow("never set, minute on top") << false << false << false;
        QTest::newRow("cleared, hour on top") << true << true << false;
        QTest::newRow("cleared, minute on top") << false << true << false;
        QTest::newRow("cleared, then given a value") << true << true << true;
        QTest::newRow("never set, then given a value") << false << false << true;
    }

    // Without a value there is nothing to step from: every stepper is told blocked both ways when
    // the value goes and at every change of limit, and a press changes nothing. A value that
    // comes tells the states again.
    void withoutAValueEveryStepperIsBlocked()
    {
        QFETCH(bool, hourOnTop);
        QFETCH(bool, heldBefore);
        QFETCH(bool, givenAfter);
        DurationManagerMostSignificantComponentHour hourManager;
        DurationManagerMostSignificantComponentMinute minuteManager;
        DurationManager &manager =
            hourOnTop ? static_cast<DurationManager &>(hourManager) : minuteManager;
        QSignalSpy lower(&manager, &DurationManager::lowerLimitReached);
        QSignalSpy upper(&manager, &DurationManager::upperLimitReached);
        const QVariantList allBlocked{true, true, true, true};
        if (heldBefore) {
            manager.setValueInMinutes(30);
            manager.clearValue();
            QVERIFY(!lower.isEmpty());
            QVERIFY(!upper.isEmpty());
            QCOMPARE(lower.last(), allBlocked);
            QCOMPARE(upper.last(), allBlocked);
        }
        manager.setLowerLimitInMinutes(1);
        manager.setUpperLimitInMinutes(90);
        QVERIFY(!lower.isEmpty());
        QVERIFY(!upper.isEmpty());
        QCOMPARE(lower.last(), allBlocked);
        QCOMPARE(upper.last(), allBlocked);
        for (int component : {hour, minute, second, millisecond}) {
            for (int direction : {increase, decrease})
                manager.onDurationChangeRequested(component, direction);
        }
        QCOMPARE(manager.value(), std::nullopt);
        if (givenAfter) {
            const int told = lower.count();
            manager.setValueInMinutes(45);
            QCOMPARE(lower.count(), told + 1);
            QVERIFY(!lower.last().at(minute).toBool());
            QVERIFY(!upper.last().at(minute).toBool());
        }
    }

    void saturationNearTheEnds()
    {
        DurationManagerMostSignificantComponentHour manager;
        manager.setComponentSteps(1000, 1000, 1000, 1000);
        manager.setValue(maxInt64 - 1);
        QCOMPARE(manager.stepValue(minute, increase), maxInt64);
        QCOMPARE(manager.stepValue(hour, increase), maxInt64);
        manager.onDurationChangeRequested(second, increase);
        QCOMPARE(manager.value(), std::optional<qint64>(maxInt64));
        manager.onDurationChangeRequested(hour, increase);
        QCOMPARE(manager.value(), std::optional<qint64>(0));

        // Steps beyond what fits in 32 bits as milliseconds are formed in 64 bits.
        manager.setValue(0);
        manager.setComponentSteps(1000, 40000, 1, 1);
        manager.onDurationChangeRequested(hour, increase);
        QCOMPARE(manager.value(), std::optional<qint64>(1000 * hourMs));
        manager.onDurationChangeRequested(minute, increase);
        QCOMPARE(manager.value(), std::optional<qint64>(1000 * hourMs + 40000 * minuteMs));

        manager.setLowerLimit(std::numeric_limits<qint64>::min());
        manager.setValue(std::numeric_limits<qint64>::min() + 5);
        QCOMPARE(manager.stepValue(minute, decrease), std::numeric_limits<qint64>::min());
    }

    void badRequests()
    {
        DurationManagerMostSignificantComponentHour manager;
        manager.setValueInMinutes(30);
        SignalLog log;
        watch(manager, log);
        // Each drop is one debug line, starting with the slot's signature.
        const char *const slot = "void value::DurationManager::onDurationChangeRequested(int, int)";
        for (const char *line : {" Unknown component 5", " Unknown component -1",
                                 " Unknown direction 2", " Unknown direction -1"})
            QTest::ignoreMessage(QtDebugMsg, (QByteArray(slot) + line).constData());
        manager.onDurationChangeRequested(5, increase);
        manager.onDurationChangeRequested(-1, increase);
        manager.onDurationChangeRequested(hour, 2);
        manager.onDurationChangeRequested(hour, -1);
        QCOMPARE(log.take(), QStringList());
        QCOMPARE(manager.valueInMinutes(), 30);
    }

    // QML sees the four signals and the one slot, in this order, and besides them only whether a
    // value is held, told with the component texts; the two subclasses add nothing.
    void interfaceOfSignalsAndSlot()
    {
        const QMetaObject &base = DurationManager::staticMetaObject;
        QCOMPARE(base.superClass(), &QObject::staticMetaObject);
        QStringList own;
        for (int i = base.methodOffset(); i < base.methodCount(); ++i)
            own << QString::fromLatin1(base.method(i).methodSignature());
        QCOMPARE(own,
                 (QStringList{"durationValueComponentsChanged(QString,QString,QString,QString)",
                              "durationValueChanged(int)", "lowerLimitReached(bool,bool,bool,bool)",
                              "upperLimitReached(bool,bool,bool,bool)",
                              "onDurationChangeRequested(int,int)"}));
        QCOMPARE(base.method(base.methodOffset() + 4).methodType(), QMetaMethod::Slot);
        QCOMPARE(base.propertyCount(), base.propertyOffset() + 1);
        const QMetaProperty hasValue = base.property(base.propertyOffset());
        QCOMPARE(hasValue.name(), "hasValue");
        QCOMPARE(hasValue.notifySignal().methodSignature(),
                 QByteArray("durationValueComponentsChanged(QString,QString,QString,QString)"));
        for (const QMetaObject *subclass :
             {&DurationManagerMostSignificantComponentHour::staticMetaObject,
              &DurationManagerMostSignificantComponentMinute::staticMetaObject}) {
            QCOMPARE(subclass->superClass(), &base);
            QCOMPARE(subclass->methodCount(), subclass->methodOffset());
            QCOMPARE(subclass->propertyCount(), subclass->propertyOffset());
        }
    }

    // A step writes the old value, the component, the direction, "->" and the new value; a
    // change of a held value writes the old value, the requested one and the one stored.
    void traceLines()
    {
        DurationManagerMostSignificantComponentHour manager;
        manager.setUpperLimitInMinutes(40);
        manager.setValueInMinutes(30);
        QTest::ignoreMessage(QtDebugMsg,
                             "void value::DurationManager::onDurationChangeRequested(int, "
                             "int) 1800000 1 0 -> 1860000");
        QTest::ignoreMessage(QtDebugMsg,
                             "void value::DurationManager::setValueCheckLimits(const qint64&) "
                             "old 1800000 New 1860000 Value 1860000");
        manager.onDurationChangeRequested(minute, increase);
        QTest::ignoreMessage(QtDebugMsg,
                             "void value::DurationManager::setValueCheckLimits(const qint64&) "
                             "old 1860000 New 3000000 Value 2400000");
        manager.setValueInMinutes(50);
    }

    void stepsAreTheSubclasses()
    {
        MinuteSteps manager;
        SignalLog log;
        watch(manager, log);
        manager.onDurationChangeRequested(hour, decrease);
        QCOMPARE(log.take(), QStringList());
        manager.setUpperLimitInMinutes(2);
        // Without a value every stepper is blocked.
        QCOMPARE(log.take(),
                 (QStringList{"lower(true,true,true,true)", "upper(true,true,true,true)"}));
        manager.setValueInMinutes(1);
        QCOMPARE(log.take(),
                 (QStringList{"minutes(1)", "text(0,1,00,000)", "lower(false,false,false,false)",
                              "upper(false,false,false,false)"}));
        manager.onDurationChangeRequested(hour, decrease);
        QCOMPARE(manager.valueInMinutes(), 2);
        // The next step would leave the limits, whichever component it is.
        QCOMPARE(log.take().mid(2),
                 (QStringList{"lower(true,true,true,true)", "upper(true,true,true,true)"}));
    }

    void connects()
    {
        DurationManagerMostSignificantComponentHour manager;
        Stepper stepper;
        QCOMPARE(manager.connectChangeRequests({&stepper}), 0);
        QCOMPARE(manager.connectChangeRequests({nullptr, &manager}), 2);
        manager.setValueInMinutes(30);
        emit stepper.durationChangeRequested(minute, increase);
        QCOMPARE(manager.valueInMinutes(), 31);
        QVERIFY(manager.isAcceptable(32 * minuteMs));
        QVERIFY(!manager.isAcceptable(31 * minuteMs));
    }
};

QTEST_APPLESS_MAIN(TestDurationManager)
#include "tst_duration_manager.moc"
