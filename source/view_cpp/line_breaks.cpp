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

constexpr char16_t softHyphen = 0x00ad;
constexpr char16_t zeroWidthSpace = 0x200b;

// The pieces of the text that a line cannot break, as the places where each starts and ends: the
// text between the places where the line-break rules allow a break, and after each space that
// breaks (a text item breaks a line after such a space, also where Qt's rules hold a number to
// the number after it: "16/03/27 6:00pm").
QList<std::pair<qsizetype, qsizetype>> unbreakablePieces(const QString &text)
{
    QList<std::pair<qsizetype, qsizetype>> pieces;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype from = 0;
    for (qsizetype at = 1; at <= text.size(); ++at) {
        const QChar before = text.at(at - 1);
        const bool afterSpace = before.isSpace() && before.decompositionTag() != QChar::NoBreak;
        breaks.setPosition(at);
        if (at == text.size() || afterSpace || breaks.isAtBoundary()) {
            pieces.append({from, at});
            from = at;
        }
    }
    return pieces;
}

// The width of the piece on a line of its own, laid out as a text item lays out its lines: in the
// font's own advances, not the ones rounded to the screen's pixels. Its spaces at the end hang
// past the line's end; a soft hyphen at its end is drawn as a hyphen.
qreal pieceWidth(QStringView piece, const QFont &font)
{
    while (!piece.isEmpty() && piece.back().isSpace())
        piece.chop(1);
    QString shown = piece.toString();
    if (shown.endsWith(QChar(softHyphen)))
        shown.back() = QLatin1Char('-');
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    QTextLayout layout(shown, font);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    qreal width = 0;
    if (line.isValid()) {
        line.setNumColumns(int(shown.size()));
        width = line.naturalTextWidth();
    }
    layout.endLayout();
    return width;
}

// Where a word too long for a line may break between its parts: after a hyphen, an underscore, a
// dot or a slash.
bool joinsParts(QChar each)
{
    return each == QLatin1Char('-') || each == QLatin1Char('_') || each == QLatin1Char('.') ||
           each == QLatin1Char('/') || each == QLatin1Char('\\');
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
    const QString shown = keptTogetherText(text);
    qreal widest = 0;
    for (const auto &[from, to] : unbreakablePieces(shown))
        widest = std::max(widest, pieceWidth(QStringView(shown).mid(from, to - from), font));
    return std::ceil(widest);
}

QString LineBreaks::longWordsPartedText(const QString &text, const QFont &font, qreal width)
{
    if (pieceWidth(text, font) <= width)
        return text;
    QString parted;
    for (const auto &[from, to] : unbreakablePieces(text)) {
        const QStringView piece = QStringView(text).mid(from, to - from);
        if (pieceWidth(piece, font) <= width) {
            parted += piece;
            continue;
        }
        for (qsizetype at = 0; at < piece.size(); ++at) {
            parted += piece.at(at);
            if (joinsParts(piece.at(at)) && at + 1 < piece.size() &&
                piece.at(at + 1).isLetterOrNumber())
                parted += QChar(zeroWidthSpace);
        }
    }
    return parted;
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
