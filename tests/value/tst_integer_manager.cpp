#include "signal_log.h"

#include "value/integer_manager.h"

#include <QtTest>

#include <limits>

using value::IntegerManager;

namespace {

constexpr int increase = 0;
constexpr int decrease = 1;
constexpr qint64 maxInt64 = std::numeric_limits<qint64>::max();
constexpr qint64 minInt64 = std::numeric_limits<qint64>::min();

} // namespace

// Stands in for a QML stepper.
class Stepper : public QObject
{
    Q_OBJECT
signals:
    void valueChangeRequested(int direction);
};

class TestIntegerManager : public QObject
{
    Q_OBJECT

    static void watch(IntegerManager &manager, SignalLog &log)
    {
        log.watch(&manager, &IntegerManager::valueFormattedChanged, "text");
        log.watch(&manager, &IntegerManager::valueChanged, "value");
        log.watch(&manager, &IntegerManager::decreaseApplicableChanged, "down");
        log.watch(&manager, &IntegerManager::increaseApplicableChanged, "up");
    }

    // The descaling dosage editor.
    static void dosage(IntegerManager &manager, qint64 start)
    {
        manager.setLowerLimit(50);
        manager.setUpperLimit(500);
        manager.setStep(50);
        manager.setValue(start);
    }

private slots:
    void steps_data()
    {
        QTest::addColumn<qint64>("start");
        QTest::addColumn<int>("direction");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("up inside") << qint64(400) << increase << qint64(450);
        QTest::newRow("up onto the top") << qint64(450) << increase << qint64(500);
        QTest::newRow("up clamps to the top") << qint64(480) << increase << qint64(500);
        QTest::newRow("up from the top wraps") << qint64(500) << increase << qint64(50);
        QTest::newRow("down from the bottom wraps") << qint64(50) << decrease << qint64(500);
        QTest::newRow("down clamps to the bottom") << qint64(70) << decrease << qint64(50);
    }

    void steps()
    {
        QFETCH(qint64, start);
        QFETCH(int, direction);
        QFETCH(qint64, expected);
        IntegerManager manager;
        dosage(manager, start);
        manager.onValueChangeRequested(direction);
        QCOMPARE(manager.value(), std::optional<qint64>(expected));
    }

    void signalsOnChange()
    {
        IntegerManager manager;
        SignalLog log;
        watch(manager, log);
        dosage(manager, 1000);
        QCOMPARE(manager.value(), std::optional<qint64>(500));
        QCOMPARE(log.take(), (QStringList{"value(500)", "text(500)", "down(true)", "up(true)"}));
        manager.setValue(500);
        QCOMPARE(log.take(), QStringList());
    }

    void equalLimitsBlockBothSteppers()
    {
        IntegerManager manager;
        manager.setLowerLimit(100);
        manager.setUpperLimit(100);
        SignalLog log;
        watch(manager, log);
        manager.setValue(100);
        QCOMPARE(log.take(), (QStringList{"value(100)", "text(100)", "down(false)", "up(false)"}));
        manager.onValueChangeRequested(increase);
        manager.onValueChangeRequested(decrease);
        QCOMPARE(log.take(), QStringList());
    }

    void limitsPushEachOtherAndMoveTheValue()
    {
        IntegerManager manager;
        dosage(manager, 450);
        SignalLog log;
        watch(manager, log);
        // Each change of limit tells the steppers' states again: equal limits block both, and a
        // limit that moves off the value held frees them.
        manager.setLowerLimit(600);
        QCOMPARE(manager.upperLimit(), qint64(600));
        QCOMPARE(manager.value(), std::optional<qint64>(600));
        QCOMPARE(log.take(), (QStringList{"value(600)", "text(600)", "down(false)", "up(false)"}));
        manager.setUpperLimit(700);
        QCOMPARE(log.take(), (QStringList{"down(true)", "up(true)"}));
        manager.setUpperLimit(10);
        QCOMPARE(manager.lowerLimit(), qint64(10));
        QCOMPARE(manager.value(), std::optional<qint64>(10));
        QCOMPARE(log.take(), (QStringList{"value(10)", "text(10)", "down(false)", "up(false)"}));
    }

    void wideValuesAndSaturation()
    {
        IntegerManager manager;
        SignalLog log;
        watch(manager, log);
        manager.setValue(4294967297LL);
        QCOMPARE(log.take().mid(0, 2), (QStringList{"value(1)", "text(4294967297)"}));

        // Near the top of the 64-bit range a step stops at the limit instead of overflowing.
        manager.setStep(1000);
        manager.setValue(maxInt64 - 10);
        manager.onValueChangeRequested(increase);
        QCOMPARE(manager.value(), std::optional<qint64>(maxInt64));
        manager.setLowerLimit(minInt64);
        manager.setValue(minInt64 + 10);
        manager.onValueChangeRequested(decrease);
        QCOMPARE(manager.value(), std::optional<qint64>(minInt64));
        manager.setStep(std::numeric_limits<int>::min());
        manager.setValue(maxInt64 - 5);
        QCOMPARE(manager.steppedValue(decrease), maxInt64);
        QCOMPARE(manager.steppedValue(increase), maxInt64 - 5 + std::numeric_limits<int>::min());
    }

    void emptyManagerAndBadRequests()
    {
        IntegerManager manager;
        QVERIFY(!manager.isAcceptable(5));
        QCOMPARE(manager.steppedValue(increase), maxInt64);
        QCOMPARE(manager.steppedValue(decrease), qint64(0));
        SignalLog log;
        watch(manager, log);
        // Each drop is one debug line, starting with the slot's signature.
        const QByteArray slot("void value::IntegerManager::onValueChangeRequested(int)");
        QTest::ignoreMessage(QtDebugMsg, (slot + " no value").constData());
        QTest::ignoreMessage(QtDebugMsg, (slot + " Unknown direction 2").constData());
        QTest::ignoreMessage(QtDebugMsg, (slot + " Unknown direction -1").constData());
        manager.onValueChangeRequested(increase);
        QCOMPARE(log.take(), QStringList());
        QCOMPARE(manager.value(), std::nullopt);
        dosage(manager, 200);
        log.take();
        manager.onValueChangeRequested(2);
        manager.onValueChangeRequested(-1);
        QCOMPARE(log.take(), QStringList());
        QVERIFY(manager.isAcceptable(250));
        QVERIFY(!manager.isAcceptable(200));
        QVERIFY(!manager.isAcceptable(501));
    }

    // QML sees the four signals and the one slot, in this order, and besides them only whether a
    // number is held, told with the number.
    void interface()
    {
        const QMetaObject &meta = IntegerManager::staticMetaObject;
        QCOMPARE(meta.superClass(), &QObject::staticMetaObject);
        QStringList own;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            own << QString::fromLatin1(meta.method(i).methodSignature());
        QCOMPARE(own,
                 (QStringList{"valueFormattedChanged(QString)", "valueChanged(int)",
                              "decreaseApplicableChanged(bool)", "increaseApplicableChanged(bool)",
                              "onValueChangeRequested(int)"}));
        QCOMPARE(meta.method(meta.methodOffset() + 4).methodType(), QMetaMethod::Slot);
        QCOMPARE(meta.propertyCount(), meta.propertyOffset() + 1);
        const QMetaProperty hasValue = meta.property(meta.propertyOffset());
        QCOMPARE(hasValue.name(), "hasValue");
        QCOMPARE(hasValue.notifySignal().methodSignature(), QByteArray("valueChanged(int)"));
    }

    // A step writes the old value, "->" and the new one; a change of a held value writes the old
    // and the new value.
    void traceLines()
    {
        IntegerManager manager;
        dosage(manager, 100);
        QTest::ignoreMessage(QtDebugMsg,
                             "void value::IntegerManager::onValueChangeRequested(int) 100 -> 150");
        QTest::ignoreMessage(QtDebugMsg,
                             "void value::IntegerManager::setValueCheckLimits(const qint64&) old "
                             "100 New 150 Value");
        manager.onValueChangeRequested(increase);
        QCOMPARE(manager.value(), std::optional<qint64>(150));
    }

    void connects()
    {
        IntegerManager manager;
        Stepper stepper;
        QCOMPARE(manager.connectChangeRequests({&stepper, nullptr, &manager}), 2);
        dosage(manager, 200);
        emit stepper.valueChangeRequested(increase);
        QCOMPARE(manager.value(), std::optional<qint64>(250));
    }
};

QTEST_APPLESS_MAIN(TestIntegerManager)
#include "tst_integer_manager.moc"
