#include "view_cpp/date_time_formatter.h"
#include "view_cpp/language_support.h"

#include "support/member_detection.h"

#include <QTest>

using signalInterface::DateTimeTypes;

namespace {
PANEL_DETECT_MEMBER(HasDateFormatAccessor, std::declval<const T &>().dateFormat());
PANEL_DETECT_MEMBER(HasTimeFormatAccessor, std::declval<const T &>().timeFormat());
} // namespace

// Stands in for the time controller, declaring its format signals the same way.
class FormatSource : public QObject
{
    Q_OBJECT

signals:
    void dateFormatChanged(::signalInterface::DateTimeTypes::DateFormat df);
    void timeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat tf);
};

class DateFormatOnlySource : public QObject
{
    Q_OBJECT

signals:
    void dateFormatChanged(::signalInterface::DateTimeTypes::DateFormat df);
};

class TestDateTimeFormatter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void startsWithDefaultFormats();
    void followsFormatSlots();
    void valueOutsideEnumGivesEmptyText();
    void instanceIsOneObject();
    void formatSourcesDriveTheFormatter();
    void connectReportsFailures();
    void everyTimeOfDayHasOneForm_data();
    void everyTimeOfDayHasOneForm();

private:
    view::DateTimeFormatter *m_formatter = view::DateTimeFormatter::instance();
};

void TestDateTimeFormatter::init()
{
    // The formatter lives for the process; each test starts from the formats it has at start-up.
    m_formatter->onDateFormatChanged(DateTimeTypes::E_yymmdd);
    m_formatter->onTimeFormatChanged(DateTimeTypes::E_0_24);
}

void TestDateTimeFormatter::startsWithDefaultFormats()
{
    QCOMPARE(m_formatter->formatDate(QDate(2018, 4, 25)), "18/04/25");
    QCOMPARE(m_formatter->formatTime(QTime(14, 5)), "14:05");
    QCOMPARE(m_formatter->formatTimeWithSeconds(QTime(14, 5, 9)), "14:05:09");
}

void TestDateTimeFormatter::followsFormatSlots()
{
    m_formatter->onTimeFormatChanged(DateTimeTypes::E_am_pm);
    QCOMPARE(m_formatter->formatTime(QTime(14, 5)), "2:05pm");
    QCOMPARE(m_formatter->formatTimeWithSeconds(QTime(14, 5, 9)), "2:05:09pm");
    m_formatter->onDateFormatChanged(DateTimeTypes::E_mmddyy);
    QCOMPARE(m_formatter->formatDate(QDate(2018, 4, 25)), "04/25/18");
    m_formatter->onDateFormatChanged(DateTimeTypes::E_ddmmyy);
    QCOMPARE(m_formatter->formatDate(QDate(2018, 4, 25)), "25/04/18");
}

void TestDateTimeFormatter::valueOutsideEnumGivesEmptyText()
{
    m_formatter->onTimeFormatChanged(DateTimeTypes::TimeFormat(7));
    m_formatter->onDateFormatChanged(DateTimeTypes::DateFormat(7));
    QCOMPARE(m_formatter->formatTime(QTime(14, 5)), "");
    QCOMPARE(m_formatter->formatTimeWithSeconds(QTime(14, 5)), "");
    QCOMPARE(m_formatter->formatDate(QDate(2018, 4, 25)), "");
}

void TestDateTimeFormatter::instanceIsOneObject()
{
    QCOMPARE(view::DateTimeFormatter::instance(), view::DateTimeFormatter::instance());
    QVERIFY(!view::DateTimeFormatter::instance()->parent());
    // The formats are the formatter's own: it shows them only through the texts it formats.
    QVERIFY(!HasDateFormatAccessor<view::DateTimeFormatter>::value);
    QVERIFY(!HasTimeFormatAccessor<view::DateTimeFormatter>::value);
}

void TestDateTimeFormatter::formatSourcesDriveTheFormatter()
{
    QCOMPARE(m_formatter->connectFormatSources({}), 0);

    FormatSource first;
    FormatSource second;
    QCOMPARE(m_formatter->connectFormatSources({&first, &second}), 0);

    emit first.timeFormatChanged(DateTimeTypes::E_am_pm);
    QCOMPARE(m_formatter->formatTime(QTime(14, 5)), "2:05pm");
    emit second.dateFormatChanged(DateTimeTypes::E_ddmmyy);
    emit first.dateFormatChanged(DateTimeTypes::E_mmddyy);
    QCOMPARE(m_formatter->formatDate(QDate(2018, 4, 25)), "04/25/18");
    emit second.timeFormatChanged(DateTimeTypes::E_0_24);
    QCOMPARE(m_formatter->formatTime(QTime(14, 5)), "14:05");
}

void TestDateTimeFormatter::connectReportsFailures()
{
    DateFormatOnlySource dateOnly;
    QObject plain;
    QCOMPARE(m_formatter->connectFormatSources({&dateOnly}), 1);
    QCOMPARE(m_formatter->connectFormatSources({&plain, &dateOnly}), 3);

    emit dateOnly.dateFormatChanged(DateTimeTypes::E_ddmmyy);
    QCOMPARE(m_formatter->formatDate(QDate(2018, 4, 25)), "25/04/18");
}

void TestDateTimeFormatter::everyTimeOfDayHasOneForm_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("0-24") << int(DateTimeTypes::E_0_24);
    QTest::newRow("am/pm") << int(DateTimeTypes::E_am_pm);
}

// The formatter, the header's parts and the rows' ranges all read a time as the one time text;
// the 12-hour marker follows the minutes with nothing between ("7:14am").
void TestDateTimeFormatter::everyTimeOfDayHasOneForm()
{
    using view::LanguageSupport;
    QFETCH(int, format);
    const auto timeFormat = DateTimeTypes::TimeFormat(format);
    m_formatter->onTimeFormatChanged(timeFormat);
    for (int minute = 0; minute < 24 * 60; ++minute) {
        const QTime time(minute / 60, minute % 60);
        const QString text = LanguageSupport::timeText(time, timeFormat);
        QVERIFY(!text.contains(QLatin1Char(' ')));
        QCOMPARE(m_formatter->formatTime(time), text);
        const auto [shown, marker] = LanguageSupport::timeTextParts(time, timeFormat);
        QCOMPARE(shown + marker, text);
        QCOMPARE(marker.isEmpty(), timeFormat == DateTimeTypes::E_0_24);
        const QString range = LanguageSupport::timeRangeText(time, 90, timeFormat, false);
        QCOMPARE(range, text + QLatin1Char('-') +
                            LanguageSupport::timeText(time.addSecs(90 * 60), timeFormat));
    }
    if (timeFormat == DateTimeTypes::E_am_pm) {
        QCOMPARE(LanguageSupport::timeText(QTime(7, 14), timeFormat), "7:14am");
        QCOMPARE(LanguageSupport::timeRangeText(QTime(22, 0), 60, timeFormat, true),
                 QStringLiteral("10:00pm - 11:00pm"));
    }
}

QTEST_GUILESS_MAIN(TestDateTimeFormatter)
#include "tst_date_time_formatter.moc"
