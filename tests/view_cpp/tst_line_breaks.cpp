#include "view_cpp/line_breaks.h"

#include <QFont>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

using view::LineBreaks;

namespace {

// The text as the reader sees it: no-break spaces as spaces; word joiners, zero-width spaces and
// soft hyphens unseen.
QString asRead(QString text)
{
    return text.replace(QChar(0x00a0), QLatin1Char(' '))
        .remove(QChar(0x2060))
        .remove(QChar(0x200b))
        .remove(QChar(0x00ad));
}

// The places a line may break inside the text, as positions in the text as read.
QList<qsizetype> breaksAsRead(const QString &text)
{
    QList<qsizetype> breaks;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
        if (at < text.size())
            breaks << asRead(text.left(at)).size();
    }
    return breaks;
}

// The lines of the text as a text item that wraps it in a box of that width lays them out, as
// read. Wrapped at the places a line may break only, a piece wider than the box runs past it.
QStringList wrappedLines(const QString &text, const QFont &font, qreal width,
                         QTextOption::WrapMode wrap = QTextOption::WrapAtWordBoundaryOrAnywhere,
                         qreal *widest = nullptr)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(wrap);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << asRead(text.mid(line.textStart(), line.textLength())).trimmed();
        if (widest)
            *widest = std::max(*widest, line.naturalTextWidth());
    }
    layout.endLayout();
    return lines;
}

} // namespace

class TestLineBreaks : public QObject
{
    Q_OBJECT

private slots:
    void unbroken_data();
    void unbroken();
    void keptTogether_data();
    void keptTogether();
    void plainTextUnchanged();
    void keptWidth_data();
    void keptWidth();
    void longWordsParted_data();
    void longWordsParted();
};

void TestLineBreaks::unbroken_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("rate") << QStringLiteral("2°C/min");
    QTest::newRow("rate in Russian") << QStringLiteral("2°C/мин");
    QTest::newRow("unit after a space") << QStringLiteral("45 °C");
    QTest::newRow("range") << QStringLiteral("18:00 - 22:00");
    QTest::newRow("12-hour range") << QStringLiteral("10:00pm - 11:00pm");
    QTest::newRow("duration") << QStringLiteral("1h 30min");
    QTest::newRow("empty") << QString();
}

// The text reads the same, and no line breaks inside it.
void TestLineBreaks::unbroken()
{
    QFETCH(QString, text);
    const QString unbroken = LineBreaks::unbroken(text);
    QCOMPARE(asRead(unbroken), text);
    QVERIFY2(breaksAsRead(unbroken).isEmpty(), qPrintable(text));
}

void TestLineBreaks::keptTogether_data()
{
    QTest::addColumn<QString>("text");
    // The parts no line breaks inside, and the places where a line still may break.
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QList<qsizetype>>("breaks");
    QTest::newRow("rate") << QStringLiteral("Smart Start Heat Ratio: 2°C/min")
                          << QStringList{QStringLiteral("2°C/min")}
                          << QList<qsizetype>{6, 12, 17, 24};
    QTest::newRow("range in a message")
        << QStringLiteral("Mon 22:00 - 01:00 lies in 22:00-06:00.")
        << QStringList{QStringLiteral("22:00 - 01:00"), QStringLiteral("22:00-06:00.")}
        << QList<qsizetype>{4, 18, 23, 26};
    QTest::newRow("12-hour range")
        << QStringLiteral("10:00pm - 11:00pm") << QStringList{QStringLiteral("10:00pm - 11:00pm")}
        << QList<qsizetype>{};
    QTest::newRow("12-hour range, one-digit hours")
        << QStringLiteral("Ready 6:00pm - 6:00am") << QStringList{QStringLiteral("6:00pm - 6:00am")}
        << QList<qsizetype>{6};
    QTest::newRow("unit after a space")
        << QStringLiteral("Water 45 °C now") << QStringList{QStringLiteral("45 °C")}
        << QList<qsizetype>{6, 12};
    // The parts of a duration are words of their own.
    QTest::newRow("duration") << QStringLiteral("2min 3s 400ms")
                              << QStringList{QStringLiteral("2min"), QStringLiteral("3s"),
                                             QStringLiteral("400ms")}
                              << QList<qsizetype>{5, 8};
}

void TestLineBreaks::keptTogether()
{
    QFETCH(QString, text);
    QFETCH(QStringList, kept);
    QFETCH(QList<qsizetype>, breaks);
    const QString shown = LineBreaks::keptTogetherText(text);
    QCOMPARE(asRead(shown), text);
    const QList<qsizetype> found = breaksAsRead(shown);
    QCOMPARE(found, breaks);
    for (const QString &part : std::as_const(kept)) {
        const qsizetype from = text.indexOf(part);
        QVERIFY2(from >= 0, qPrintable(part));
        for (qsizetype at : found)
            QVERIFY2(at <= from || at >= from + part.size(), qPrintable(part));
    }
}

void TestLineBreaks::plainTextUnchanged()
{
    const QString text = QStringLiteral("Magnetic contact: Not connected");
    QCOMPARE(LineBreaks::keptTogetherText(text), text);
    QCOMPARE(LineBreaks::keptTogetherText(QString()), QString());
    QCOMPARE(LineBreaks::keptTogetherWidth(QString(), QFont()), 0.0);
}

void TestLineBreaks::keptWidth_data()
{
    QTest::addColumn<QString>("text");
    // The widest part, which a box of that width holds on a line of its own.
    QTest::addColumn<QString>("part");
    QTest::newRow("12-hour range")
        << QStringLiteral("6:00pm - 6:00am") << QStringLiteral("6:00pm - 6:00am");
    QTest::newRow("range after a date")
        << QStringLiteral("16/03/27 6:00pm - 10:00pm") << QStringLiteral("6:00pm - 10:00pm");
    QTest::newRow("time with seconds")
        << QStringLiteral("Since 3:18:14pm") << QStringLiteral("3:18:14pm");
    QTest::newRow("wider of two") << QStringLiteral("Mon 22:00 - 01:00 lies in 22:00-06:00")
                                  << QStringLiteral("22:00 - 01:00");
    QTest::newRow("long word") << QStringLiteral("Magnetic contact: Not connected")
                               << QStringLiteral("connected");
    QTest::newRow("long word beside a range")
        << QStringLiteral("Wochentagsprogramm 6:00pm - 6:00am")
        << QStringLiteral("Wochentagsprogramm");
    QTest::newRow("soft hyphens") << QStringLiteral("Wochen\u00adtags\u00adprogramm")
                                  << QStringLiteral("programm");
    QTest::newRow("hyphenated compound")
        << QStringLiteral("Dampfbad-Wochenprogramm") << QStringLiteral("Wochenprogramm");
}

// In a box of that width the part moves whole to a line of its own; a pixel less and a line
// breaks it.
void TestLineBreaks::keptWidth()
{
    QFETCH(QString, text);
    QFETCH(QString, part);
    QFont font;
    font.setPixelSize(16);
    const QString shown = LineBreaks::keptTogetherText(text);
    const qreal width = LineBreaks::keptTogetherWidth(text, font);
    QVERIFY(width > 0);
    const QStringList lines = wrappedLines(shown, font, width);
    QVERIFY2(lines.contains(part), qPrintable(lines.join(QLatin1Char('|'))));
    QVERIFY(!wrappedLines(shown, font, width - 1).contains(part));
}

void TestLineBreaks::longWordsParted_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("width");
    // The text with a bar where a break was added.
    QTest::addColumn<QString>("parted");
    const QString id = QStringLiteral("Id: {6f1c2b8e-3d4a-4e5f-9a7b-2c8d1e0f4a63}");
    QTest::newRow("identity wider than the line")
        << id << 200.0 << QStringLiteral("Id: {6f1c2b8e-|3d4a-|4e5f-|9a7b-|2c8d1e0f4a63}");
    QTest::newRow("identity that fits") << id << 400.0 << id;
    QTest::newRow("file name wider than the line")
        << QStringLiteral("code/src_corelib_tools_main.cpp") << 100.0
        << QStringLiteral("code/src_|corelib_|tools_|main.|cpp");
    QTest::newRow("compound without parts")
        << QStringLiteral("Overtemperaturbegrenseren har") << 100.0
        << QStringLiteral("Overtemperaturbegrenseren har");
}

// Only a piece wider than the line gets breaks, after its hyphens, underscores, dots and
// slashes; the text reads the same, and wrapped at its breaks alone no line is wider than that.
void TestLineBreaks::longWordsParted()
{
    QFETCH(QString, text);
    QFETCH(qreal, width);
    QFETCH(QString, parted);
    QFont font;
    font.setPixelSize(16);
    const QString shown = LineBreaks::longWordsPartedText(text, font, width);
    QCOMPARE(QString(shown).replace(QChar(0x200b), QLatin1Char('|')), parted);
    QCOMPARE(asRead(shown), text);
    if (shown != text) {
        qreal widest = 0;
        const QStringList lines = wrappedLines(shown, font, width, QTextOption::WordWrap, &widest);
        QVERIFY2(widest <= width, qPrintable(lines.join(QLatin1Char('|'))));
    }
}

QTEST_MAIN(TestLineBreaks)
#include "tst_line_breaks.moc"
