#include "signal_log.h"

#include "signal_interface/date_time_types.h"
#include "signal_interface/type_registration.h"
#include "value/date_value_manager.h"

#include <QtTest>

using signalInterface::DateTimeTypes;
using value::DateValueManager;

namespace {

constexpr int stepper1 = 0;
constexpr int stepper2 = 1;
constexpr int stepper3 = 2;
constexpr int increase = 0;
constexpr int decrease = 1;

} // namespace

// Stands in for the time controller.
class FormatSource : public QObject
{
    Q_OBJECT
signals:
    void dateFormatChanged(::signalInterface::DateTimeTypes::DateFormat format);
};

// Stands in for a QML stepper.
class Stepper : public QObject
{
    Q_OBJECT
signals:
    void dateChangeRequested(int stepper, int direction);
};

class TestDateValueManager : public QObject
{
    Q_OBJECT

    static void watch(DateValueManager &manager, SignalLog &log)
    {
        log.watch(&manager, &DateValueManager::dateValueFormattedChanged, "text");
        log.watch(&manager, &DateValueManager::dateValueChanged, "value");
        log.watch(&manager, &DateValueManager::lowerLimitReached, "lower");
        log.watch(&manager, &DateValueManager::upperLimitReached, "upper");
    }

    // The date settings screen's editor.
    static void century(DateValueManager &manager)
    {
        manager.setLowerLimit(QDate(2000, 1, 1));
        manager.setUpperLimit(QDate(2099, 12, 31));
    }

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }

    void steps_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("stepper");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QDate>("expected");
        const int ymd = DateTimeTypes::E_yymmdd;
        const int dmy = DateTimeTypes::E_ddmmyy;
        const int mdy = DateTimeTypes::E_mmddyy;
        QTest::newRow("ymd year up")
            << ymd << QDate(2024, 3, 5) << stepper1 << increase << QDate(2025, 3, 5);
        QTest::newRow("ymd year up from 29 Feb")
            << ymd << QDate(2024, 2, 29) << stepper1 << increase << QDate(2025, 2, 28);
        QTest::newRow("ymd year down onto leap day")
            << ymd << QDate(2025, 2, 28) << stepper1 << decrease << QDate(2024, 2, 28);
        QTest::newRow("ymd month up from 31 Jan, leap")
            << ymd << QDate(2024, 1, 31) << stepper2 << increase << QDate(2024, 2, 29);
        QTest::newRow("ymd month up from 31 Jan")
            << ymd << QDate(2023, 1, 31) << stepper2 << increase << QDate(2023, 2, 28);
        QTest::newRow("ymd month down from 31 Mar")
            << ymd << QDate(2023, 3, 31) << stepper2 << decrease << QDate(2023, 2, 28);
        QTest::newRow("ymd month up from December stays in year")
            << ymd << QDate(2099, 12, 31) << stepper2 << increase << QDate(2099, 1, 31);
        QTest::newRow("ymd month down from January stays in year")
            << ymd << QDate(2030, 1, 15) << stepper2 << decrease << QDate(2030, 12, 15);
        QTest::newRow("ymd day up from month end wraps")
            << ymd << QDate(2099, 12, 31) << stepper3 << increase << QDate(2099, 12, 1);
        QTest::newRow("ymd day down from 1 wraps to month end")
            << ymd << QDate(2024, 2, 1) << stepper3 << decrease << QDate(2024, 2, 29);
        QTest::newRow("ymd day down from 1 in 30-day month")
            << ymd << QDate(2024, 4, 1) << stepper3 << decrease << QDate(2024, 4, 30);
        QTest::newRow("dmy day up from leap day")
            << dmy << QDate(2024, 2, 29) << stepper1 << increase << QDate(2024, 2, 1);
        QTest::newRow("dmy month")
            << dmy << QDate(2024, 2, 29) << stepper2 << increase << QDate(2024, 3, 29);
        QTest::newRow("dmy year up from leap day")
            << dmy << QDate(2024, 2, 29) << stepper3 << increase << QDate(2025, 2, 28);
        QTest::newRow("mdy month")
            << mdy << QDate(2024, 3, 5) << stepper1 << decrease << QDate(2024, 2, 5);
        QTest::newRow("mdy day") << mdy << QDate(2024, 3, 5) << stepper2 << decrease
                                 << QDate(2024, 3, 4);
        QTest::newRow("mdy year") << mdy << QDate(2024, 3, 5) << stepper3 << decrease
                                  << QDate(2023, 3, 5);
        QTest::newRow("unknown format")
            << 3 << QDate(2024, 3, 5) << stepper1 << increase << QDate(2024, 3, 5);
        // Never given a date: only an upper limit, since a lower one would be the first date.
        QTest::newRow("never set, ymd year up")
            << ymd << QDate() << stepper1 << increase << QDate();
        QTest::newRow("never set, mdy day down")
            << mdy << QDate() << stepper2 << decrease << QDate();
    }

    void steps()
    {
        QFETCH(int, format);
        QFETCH(QDate, start);
        QFETCH(int, stepper);
        QFETCH(int, direction);
        QFETCH(QDate, expected);
        DateValueManager manager;
        manager.setUpperLimit(QDate(2099, 12, 31));
        if (start.isValid()) {
            manager.setLowerLimit(QDate(2000, 1, 1));
            manager.setValue(start);
        }
        SignalLog log;
        watch(manager, log);
        manager.onDateFormatChanged(DateTimeTypes::DateFormat(format));
        QCOMPARE(manager.steppedDate(stepper, direction), expected);
        manager.onDateChangeRequested(stepper, direction);
        QCOMPARE(manager.value(), expected);
        // Without a date every field reads "--" and every stepper is blocked.
        if (!start.isValid())
            QCOMPARE(log.take(), (QStringList{"value()", "text(--,/,--,/,--)",
                                              "lower(true,true,true)", "upper(true,true,true)"}));
    }

    void yearStepLeavingTheLimitsIsClamped()
    {
        DateValueManager manager;
        century(manager);
        manager.setValue(QDate(2099, 6, 1));
        manager.onDateChangeRequested(stepper1, increase);
        QCOMPARE(manager.value(), QDate(2099, 12, 31));
    }

    void settingLimitsInOrder()
    {
        DateValueManager manager;
        SignalLog log;
        watch(manager, log);
        manager.setLowerLimit(QDate(2000, 1, 1));
        QCOMPARE(manager.value(), QDate(2000, 1, 1));
        // A window of one day: every step leaves it.
        QCOMPARE(log.take(), (QStringList{"value(2000-01-01)", "text(00,/,01,/,01)",
                                          "lower(true,true,true)", "upper(true,true,true)"}));
        manager.setUpperLimit(QDate(2099, 12, 31));
        QCOMPARE(log.take(), (QStringList{"lower(true,false,false)", "upper(false,false,false)"}));
        manager.setValue(QDate(2099, 12, 31));
        QCOMPARE(log.take(), (QStringList{"value(2099-12-31)", "text(99,/,12,/,31)",
                                          "lower(false,false,false)", "upper(true,false,false)"}));
        manager.setValue(QDate(2150, 1, 1));
        QCOMPARE(manager.value(), QDate(2099, 12, 31));
        QCOMPARE(log.take(), QStringList());
    }

    void limitsPushEachOtherAndMoveTheValue()
    {
        DateValueManager manager;
        century(manager);
        manager.setValue(QDate(2050, 6, 15));
        SignalLog log;
        watch(manager, log);
        manager.setLowerLimit(QDate(2060, 1, 1));
        QCOMPARE(manager.value(), QDate(2060, 1, 1));
        QCOMPARE(log.take().size(), 4);
        manager.setUpperLimit(QDate(2040, 1, 1));
        QCOMPARE(manager.lowerLimit(), QDate(2040, 1, 1));
        QCOMPARE(manager.value(), QDate(2040, 1, 1));
        manager.setUpperLimit(QDate(2045, 3, 31));
        QCOMPARE(manager.value(), QDate(2040, 1, 1));
        // A month limit inside the value's year: March 31 is the end, so the month stepper
        // is blocked at the top only when its step leaves it.
        manager.setValue(QDate(2045, 3, 15));
        const QStringList entries = log.take();
        QCOMPARE(entries.last(), QString("upper(true,true,false)"));
    }

    // The format decides which field each stepper steps, so their states are told again: at the
    // top of the limits' year the year stepper is blocked wherever it stands.
    void formatChangeEmitsValueTextsAndStepperStates()
    {
        DateValueManager manager;
        century(manager);
        manager.setValue(QDate(2099, 3, 5));
        SignalLog log;
        watch(manager, log);
        manager.onDateFormatChanged(DateTimeTypes::E_mmddyy);
        QCOMPARE(log.take(), (QStringList{"value(2099-03-05)", "text(03,/,05,/,99)",
                                          "lower(false,false,false)", "upper(false,false,true)"}));
        manager.onDateFormatChanged(DateTimeTypes::E_ddmmyy);
        QCOMPARE(log.take(), (QStringList{"value(2099-03-05)", "text(05,/,03,/,99)",
                                          "lower(false,false,false)", "upper(false,false,true)"}));
        manager.onDateFormatChanged(DateTimeTypes::E_yymmdd);
        QCOMPARE(log.take(), (QStringList{"value(2099-03-05)", "text(99,/,03,/,05)",
                                          "lower(false,false,false)", "upper(true,false,false)"}));
        manager.onDateFormatChanged(DateTimeTypes::DateFormat(7));
        QCOMPARE(log.take().mid(0, 2), (QStringList{"value(2099-03-05)", "text(,,,,)"}));
    }

    void invalidDateIsLeftAlone()
    {
        // An upper limit alone leaves the value invalid; nothing may step or divide by its
        // day count, and every stepper shows as blocked.
        DateValueManager manager;
        SignalLog log;
        watch(manager, log);
        manager.setUpperLimit(QDate(2099, 12, 31));
        QVERIFY(!manager.value().isValid());
        QCOMPARE(log.take(), (QStringList{"lower(true,true,true)", "upper(true,true,true)"}));
        for (int stepper : {stepper1, stepper2, stepper3}) {
            for (int direction : {increase, decrease}) {
                QVERIFY(!manager.steppedDate(stepper, direction).isValid());
                manager.onDateChangeRequested(stepper, direction);
            }
        }
        for (int format : {0, 1, 2}) {
            manager.onDateFormatChanged(DateTimeTypes::DateFormat(format));
            QCOMPARE(log.take(), (QStringList{"value()", "text(--,/,--,/,--)",
                                              "lower(true,true,true)", "upper(true,true,true)"}));
        }
        QVERIFY(!manager.value().isValid());
        manager.setValue(QDate(2024, 3, 5));
        QCOMPARE(manager.lowerLimit(), QDate(2024, 3, 5));
        QCOMPARE(manager.value(), QDate(2024, 3, 5));
    }

    void badRequestsChangeNothing()
    {
        DateValueManager manager;
        century(manager);
        manager.setValue(QDate(2024, 3, 5));
        SignalLog log;
        watch(manager, log);
        // Each drop is one debug line, starting with the slot's signature.
        const char *const slot = "void value::DateValueManager::onDateChangeRequested(int, int)";
        for (const char *line : {" Unknown component 3", " Unknown component -1",
                                 " Unknown direction 2", " Unknown direction -1"})
            QTest::ignoreMessage(QtDebugMsg, (QByteArray(slot) + line).constData());
        manager.onDateChangeRequested(3, increase);
        manager.onDateChangeRequested(-1, increase);
        manager.onDateChangeRequested(stepper1, 2);
        manager.onDateChangeRequested(stepper1, -1);
        QCOMPARE(log.take(), QStringList());
        QCOMPARE(manager.value(), QDate(2024, 3, 5));
        QCOMPARE(manager.steppedDate(7, increase), QDate(2025, 3, 5));
    }

    // A step request writes its numbers with the limits and the value, then names the stepper
    // and the direction before it steps.
    void stepTraceLines()
    {
        DateValueManager manager;
        century(manager);
        manager.setValue(QDate(2024, 3, 5));
        const QByteArray slot("void value::DateValueManager::onDateChangeRequested(int, int)");
        QTest::ignoreMessage(QtDebugMsg, (slot + " 2 1 QDate(\"2000-01-01\") QDate(\"2099-12-31\") "
                                                 "QDate(\"2024-03-05\")")
                                             .constData());
        QTest::ignoreMessage(QtDebugMsg, (slot + " \"E_stepper3\" \"E_decrease\"").constData());
        manager.onDateChangeRequested(stepper3, decrease);
        QCOMPARE(manager.value(), QDate(2024, 3, 4));
    }

    void connects()
    {
        DateValueManager manager;
        Stepper stepper;
        FormatSource controller;
        QCOMPARE(manager.connectChangeRequests({&stepper}), 0);
        QCOMPARE(manager.connectFormatSources({&controller}), 0);
        QCOMPARE(manager.connectFormatSources({&stepper}), 1);
        QCOMPARE(manager.connectChangeRequests({&controller, nullptr}), 2);
        century(manager);
        manager.setValue(QDate(2024, 3, 5));
        emit controller.dateFormatChanged(DateTimeTypes::E_ddmmyy);
        QCOMPARE(manager.dateFormat(), DateTimeTypes::E_ddmmyy);
        emit stepper.dateChangeRequested(stepper1, increase);
        QCOMPARE(manager.value(), QDate(2024, 3, 6));
    }
};

QTEST_GUILESS_MAIN(TestDateValueManager)
#include "tst_date_value_manager.moc"
