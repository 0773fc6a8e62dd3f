#include "signal_log.h"

#include "signal_interface/date_time_types.h"
#include "signal_interface/type_registration.h"
#include "value/time_value_manager.h"

#include <QtTest>

using signalInterface::DateTimeTypes;
using value::TimeValueManager;

namespace {

constexpr int hour = 0;
constexpr int minute = 1;
constexpr int second = 2;
constexpr int millisecond = 3;
constexpr int amPm = 4;
constexpr int increase = 0;
constexpr int decrease = 1;

const QDate day(2024, 3, 5);

// UTC keeps the arithmetic clear of daylight-saving gaps.
QDateTime at(const QDate &date, int h, int m, int s = 0, int ms = 0)
{
    return QDateTime(date, QTime(h, m, s, ms), Qt::UTC);
}

QDateTime at(int h, int m, int s = 0, int ms = 0)
{
    return at(day, h, m, s, ms);
}

} // namespace

// Stands in for the time controller.
class FormatSource : public QObject
{
    Q_OBJECT
signals:
    void timeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat format);
};

// Stands in for a QML stepper.
class Stepper : public QObject
{
    Q_OBJECT
signals:
    void timeChangeRequested(int component, int direction);
};

class TestTimeValueManager : public QObject
{
    Q_OBJECT

    static void watch(TimeValueManager &manager, SignalLog &log)
    {
        log.watch(&manager, &TimeValueManager::timeValueFormattedChanged, "text");
        log.watch(&manager, &TimeValueManager::timeValueChanged, "value");
        log.watch(&manager, &TimeValueManager::lowerLimitReached, "lower");
        log.watch(&manager, &TimeValueManager::upperLimitReached, "upper");
    }

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }

    void steppedValue_data()
    {
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("component");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QDateTime>("expected");
        const QDate next = day.addDays(1);
        const QDate previous = day.addDays(-1);
        QTest::newRow("wrap hour up past midnight keeps date")
            << true << at(23, 45, 30) << hour << increase << at(0, 45);
        QTest::newRow("wrap hour down from 0")
            << true << at(0, 10) << hour << decrease << at(23, 10);
        QTest::newRow("wrap minute down from 00:00 keeps hour")
            << true << at(0, 0) << minute << decrease << at(0, 59);
        QTest::newRow("wrap minute up from 59")
            << true << at(7, 59, 20) << minute << increase << at(7, 0);
        QTest::newRow("wrap second up from 59")
            << true << at(7, 5, 59, 10) << second << increase << at(7, 5, 0);
        QTest::newRow("wrap millisecond down from 0")
            << true << at(7, 5, 3, 0) << millisecond << decrease << at(7, 5, 3, 999);
        QTest::newRow("wrap am/pm up in the morning")
            << true << at(10, 15) << amPm << increase << at(22, 15);
        QTest::newRow("wrap am/pm up in the evening")
            << true << at(20, 0) << amPm << increase << at(next, 8, 0);
        QTest::newRow("wrap am/pm down in the morning")
            << true << at(8, 0) << amPm << decrease << at(previous, 20, 0);
        QTest::newRow("wrap unknown component") << true << at(8, 0) << 5 << increase << at(8, 0);
        QTest::newRow("no wrap hour up past midnight")
            << false << at(23, 30) << hour << increase << at(next, 0, 30);
        QTest::newRow("no wrap minute down past midnight")
            << false << at(0, 0) << minute << decrease << at(previous, 23, 59);
        QTest::newRow("no wrap unknown component")
            << false << at(8, 0) << 7 << increase << at(8, 0);
        // Without a time: never given one (no start), or dropped (no expected time).
        QTest::newRow("never set, hour up")
            << true << QDateTime() << hour << increase << QDateTime();
        QTest::newRow("never set, no wrap, am/pm down")
            << false << QDateTime() << amPm << decrease << QDateTime();
        QTest::newRow("cleared, minute down")
            << true << at(10, 0) << minute << decrease << QDateTime();
        QTest::newRow("cleared, no wrap, hour up")
            << false << at(0, 0) << hour << increase << QDateTime();
    }

    void steppedValue()
    {
        QFETCH(bool, wrap);
        QFETCH(QDateTime, start);
        QFETCH(int, component);
        QFETCH(int, direction);
        QFETCH(QDateTime, expected);
        TimeValueManager manager;
        manager.setComponentWrap(wrap);
        if (start.isValid())
            manager.setValue(start);
        if (!expected.isValid())
            manager.clearValue();
        QCOMPARE(manager.steppedValue(component, direction), expected);
        if (expected.isValid()) {
            QCOMPARE(manager.value(), start);
            return;
        }
        // Without a time every stepper is blocked and both fields read "--"; neither a press nor
        // a change of the window brings a time.
        SignalLog log;
        watch(manager, log);
        manager.onTimeChangeRequested(component, direction);
        manager.setUpperLimit(at(23, 59));
        manager.emitFormattedValue();
        QVERIFY(!manager.hasValue());
        QCOMPARE(log.take(), (QStringList{"lower(true,true,true)", "upper(true,true,true)",
                                          "value()", "text(--,--,0,true)"}));
    }

    void formattedText_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QString>("expected");
        QTest::newRow("24 h morning")
            << int(DateTimeTypes::E_0_24) << at(7, 5) << "text(07,05,0,true)";
        QTest::newRow("24 h afternoon")
            << int(DateTimeTypes::E_0_24) << at(15, 5) << "text(15,05,0,false)";
        QTest::newRow("12 h afternoon")
            << int(DateTimeTypes::E_am_pm) << at(15, 5) << "text(3,05,1,false)";
        QTest::newRow("12 h after midnight")
            << int(DateTimeTypes::E_am_pm) << at(0, 10) << "text(12,10,1,true)";
        QTest::newRow("12 h after noon")
            << int(DateTimeTypes::E_am_pm) << at(12, 30) << "text(12,30,1,false)";
        QTest::newRow("12 h before noon")
            << int(DateTimeTypes::E_am_pm) << at(11, 59) << "text(11,59,1,true)";
        QTest::newRow("unknown format") << 2 << at(11, 59) << "text(,59,2,true)";
    }

    void formattedText()
    {
        QFETCH(int, format);
        QFETCH(QDateTime, time);
        QFETCH(QString, expected);
        TimeValueManager manager;
        manager.setValue(time);
        SignalLog log;
        log.watch(&manager, &TimeValueManager::timeValueFormattedChanged, "text");
        log.watch(&manager, &TimeValueManager::timeValueChanged, "value");
        manager.onTimeFormatChanged(DateTimeTypes::TimeFormat(format));
        QCOMPARE(log.take(), (QStringList{"value(" + time.toString("yyyy-MM-dd HH:mm:ss.zzz") + ")",
                                          expected}));
    }

    void loneValueIsAOneInstantWindow()
    {
        TimeValueManager manager;
        manager.setComponentWrap(true);
        SignalLog log;
        watch(manager, log);
        manager.setValue(at(10, 0));
        QCOMPARE(manager.lowerLimit(), at(10, 0));
        QCOMPARE(manager.upperLimit(), at(10, 0));
        QCOMPARE(log.take(), (QStringList{"value(2024-03-05 10:00:00.000)", "text(10,00,0,true)",
                                          "lower(true,true,true)", "upper(true,true,true)"}));
        manager.onTimeChangeRequested(hour, increase);
        manager.onTimeChangeRequested(minute, decrease);
        QCOMPARE(manager.value(), at(10, 0));
        QCOMPARE(log.take(), QStringList());
    }

    void windowOfOneDay()
    {
        TimeValueManager manager;
        manager.setComponentWrap(true);
        manager.setLowerLimit(at(0, 0));
        manager.setUpperLimit(at(23, 59));
        SignalLog log;
        watch(manager, log);
        manager.setValue(at(23, 30));
        // The hour wraps to 00:30 of the same date, inside the window; AM/PM up leaves it.
        QCOMPARE(log.take(), (QStringList{"value(2024-03-05 23:30:00.000)", "text(23,30,0,false)",
                                          "lower(false,false,false)", "upper(false,false,true)"}));
        manager.onTimeChangeRequested(hour, increase);
        QCOMPARE(manager.value(), at(0, 30));
        log.take();
        // Without wrapping the same step would leave the window and is clamped to its end.
        manager.setComponentWrap(false);
        QCOMPARE(log.take(), (QStringList{"lower(true,false,true)", "upper(false,false,false)"}));
        manager.onTimeChangeRequested(minute, decrease);
        QCOMPARE(manager.value(), at(0, 29));
        manager.setValue(at(0, 10));
        manager.onTimeChangeRequested(amPm, decrease);
        QCOMPARE(manager.value(), at(0, 0));
    }

    void limitsPushEachOtherAndClampTheValue()
    {
        TimeValueManager manager;
        manager.setLowerLimit(at(8, 0));
        QCOMPARE(manager.value(), at(8, 0));
        QCOMPARE(manager.upperLimit(), at(8, 0));
        manager.setUpperLimit(at(20, 0));
        manager.setValue(at(12, 0));
        SignalLog log;
        watch(manager, log);
        manager.setLowerLimit(at(21, 0));
        QCOMPARE(manager.upperLimit(), at(21, 0));
        QCOMPARE(manager.value(), at(21, 0));
        QCOMPARE(log.take().size(), 4);
        manager.setUpperLimit(at(6, 0));
        QCOMPARE(manager.lowerLimit(), at(6, 0));
        QCOMPARE(manager.value(), at(6, 0));
        manager.setUpperLimit(at(9, 0));
        QCOMPARE(manager.value(), at(6, 0));
        QCOMPARE(log.take().size(), 6);
    }

    void addAndSubtract()
    {
        TimeValueManager manager;
        manager.setLowerLimit(at(0, 0));
        manager.setUpperLimit(at(23, 59));
        manager.setValue(at(10, 0));
        manager.addTime(QTime(1, 2, 3));
        QCOMPARE(manager.value(), at(11, 2, 3));
        manager.subtractTime(QTime(2, 0, 3));
        QCOMPARE(manager.value(), at(9, 2));
        manager.addTime(QTime(20, 0));
        QCOMPARE(manager.value(), at(23, 59));
        manager.subtractTime(QTime(23, 59, 59));
        QCOMPARE(manager.value(), at(0, 0));
    }

    void badRequestsAndEmptyManager()
    {
        TimeValueManager manager;
        SignalLog log;
        watch(manager, log);
        manager.onTimeChangeRequested(hour, increase);
        manager.addTime(QTime(1, 0));
        QCOMPARE(log.take(), QStringList());
        QVERIFY(manager.value().isNull());

        manager.setComponentWrap(true);
        manager.setLowerLimit(at(0, 0));
        manager.setUpperLimit(at(23, 59));
        manager.setValue(at(12, 0));
        log.take();
        // Each drop is one debug line, starting with the slot's signature.
        const char *const slot = "void value::TimeValueManager::onTimeChangeRequested(int, int)";
        for (const char *line : {" Unknown field 5", " Unknown field -1", " Unknown direction 2",
                                 " Unknown direction -1"})
            QTest::ignoreMessage(QtDebugMsg, (QByteArray(slot) + line).constData());
        manager.onTimeChangeRequested(5, increase);
        manager.onTimeChangeRequested(-1, increase);
        manager.onTimeChangeRequested(hour, 2);
        manager.onTimeChangeRequested(hour, -1);
        QCOMPARE(log.take(), QStringList());
        QCOMPARE(manager.value(), at(12, 0));
    }

    // QML sees the four signals, in this order, and the two slots; whether a time is held is told
    // with the time.
    void interface()
    {
        const QMetaObject &meta = TimeValueManager::staticMetaObject;
        QStringList own;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            own << QString::fromLatin1(meta.method(i).methodSignature());
        QCOMPARE(own,
                 (QStringList{"timeValueFormattedChanged(QString,QString,int,bool)",
                              "timeValueChanged(QDateTime)", "lowerLimitReached(bool,bool,bool)",
                              "upperLimitReached(bool,bool,bool)",
                              "onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat)",
                              "onTimeChangeRequested(int,int)"}));
        QCOMPARE(meta.propertyCount(), meta.propertyOffset() + 1);
        const QMetaProperty hasValue = meta.property(meta.propertyOffset());
        QCOMPARE(hasValue.name(), "hasValue");
        QCOMPARE(hasValue.notifySignal().methodSignature(),
                 QByteArray("timeValueChanged(QDateTime)"));
    }

    // A step request names its component and direction before it steps.
    void stepTraceLine()
    {
        TimeValueManager manager;
        manager.setComponentWrap(true);
        manager.setValue(QDateTime(QDate(2024, 5, 10), QTime(10, 15)));
        QTest::ignoreMessage(QtDebugMsg, "void value::TimeValueManager::onTimeChangeRequested(int, "
                                         "int) \"E_minute\" \"E_decrease\"");
        manager.onTimeChangeRequested(1, 1);
    }

    void connects()
    {
        TimeValueManager manager;
        Stepper stepper;
        FormatSource controller;
        QCOMPARE(manager.connectChangeRequests({&stepper}), 0);
        QCOMPARE(manager.connectFormatSources({&controller}), 0);
        QCOMPARE(manager.connectFormatSources({&stepper, nullptr}), 2);
        QCOMPARE(manager.connectChangeRequests({&controller}), 1);
        manager.setComponentWrap(true);
        manager.setLowerLimit(at(0, 0));
        manager.setUpperLimit(at(23, 59));
        manager.setValue(at(12, 0));
        emit stepper.timeChangeRequested(hour, decrease);
        QCOMPARE(manager.value(), at(11, 0));
        emit controller.timeFormatChanged(DateTimeTypes::E_am_pm);
        QCOMPARE(manager.timeFormat(), DateTimeTypes::E_am_pm);
    }
};

QTEST_GUILESS_MAIN(TestTimeValueManager)
#include "tst_time_value_manager.moc"
