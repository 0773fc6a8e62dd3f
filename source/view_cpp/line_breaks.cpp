#include "view_cpp/line_breaks.h"

#include <QRegularExpression>
#include <QStringView>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace view {

namespace {

// The parts of the text that a line must not break, in their order.
QList<QRegularExpressionMatch> keptParts(const QString &text)
{
    // A time is "22:00", "9:05pm", "3:18:14pm" or "9.05"; a range has a hyphen or dash between
    // two, with or without blanks. A word that starts with a number is short (a number with its
    // unit, a date, a time); a long one (an address) may still break.
    static const QRegularExpression parts(
        QStringLiteral("(?<![\\d:.])\\d{1,2}[:.]\\d{2}(?:[:.]\\d{2})?(?:[ap]m)?"
                       "(?: *[-\\x{2013}] *\\d{1,2}[:.]\\d{2}(?:[:.]\\d{2})?(?:[ap]m)?)?(?!\\d)"
                       "|(?<![^ \\t\\n(])\\d[^ \\t\\n]{0,11}(?: (?:°[CF]|%))?(?![^ \\t\\n])"));
    QList<QRegularExpressionMatch> found;
    for (auto match = parts.globalMatch(text); match.hasNext();)
        found << match.next();
    return found;
}

} // namespace

QString LineBreaks::keptTogetherText(const QString &text)
{
    QString kept;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &part : keptParts(text)) {
        kept += QStringView(text).mid(from, part.capturedStart() - from);
        kept += unbroken(part.captured());
        from = part.capturedEnd();
    }
    if (from == 0)
        return text;
    kept += QStringView(text).mid(from);
    return kept;
}

qreal LineBreaks::keptTogetherWidth(const QString &text, const QFont &font)
{
    // Laid out as a text item lays out its lines: in the font's own advances, not the ones
    // rounded to the screen's pixels.
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    qreal widest = 0;
    for (const QRegularExpressionMatch &part : keptParts(text)) {
        QTextLayout layout(unbroken(part.captured()), font);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        if (line.isValid()) {
            line.setNumColumns(int(layout.text().size()));
            widest = std::max(widest, line.naturalTextWidth());
        }
        layout.endLayout();
    }
    return std::ceil(widest);
}

QString LineBreaks::unbroken(const QString &text)
{
    constexpr char16_t noBreakSpace = 0x00a0;
    constexpr char16_t wordJoiner = 0x2060;
    QString joined = text;
    joined.replace(QLatin1Char(' '), QChar(noBreakSpace));
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, joined);
    QString unbroken;
    qsizetype from = 0;
    for (qsizetype at = breaks.toNextBoundary(); at > 0 && at < joined.size();
         at = breaks.toNextBoundary()) {
        unbroken += QStringView(joined).mid(from, at - from);
        unbroken += QChar(wordJoiner);
        from = at;
    }
    unbroken += QStringView(joined).mid(from);
    return unbroken;
}

} // namespace view
