#include "text_fit.h"
#include "support/translation_files.h"

#include "control/language_controller.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/temperature_types.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTextOption>
#include <QtQuickTest/quicktest.h>

#include <algorithm>

using signalInterface::LanguageTypes;
using translationFiles::File;
using translationFiles::Message;

namespace {

using textFit::objectPath;
using textFit::typeName;

// Half a pixel for the rounding of text metrics.
constexpr qreal slack = 0.5;
// How many screenfuls of a scrolling list or page are looked at: enough for every kind of row,
// and for the start of a long licence text.
constexpr int maxScrollSteps = 8;

// A text with placeholders as a pattern that matches the text with any values filled in; none
// for a text without placeholders, or one that is little more than its placeholders ("%1 - %2"
// matches nearly anything).
QRegularExpression filledInPattern(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(L?[1-9][0-9]?|n)"));
    if (translationFiles::placeholders(text).isEmpty())
        return {};
    QString literal = text;
    literal.remove(placeholder);
    if (std::count_if(literal.begin(), literal.end(), [](QChar c) { return c.isLetter(); }) < 3)
        return {};
    QString pattern;
    qsizetype from = 0;
    for (auto match = placeholder.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch each = match.next();
        pattern += QRegularExpression::escape(text.mid(from, each.capturedStart() - from));
        pattern += QStringLiteral(".+");
        from = each.capturedEnd();
    }
    pattern += QRegularExpression::escape(text.mid(from));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
}

// Which shown texts are English that the language translates. A text is still English when it
// is the English text of a message (the source, or for a key such as "plural_Mondays" the
// English file's words), filled in or not, whose translation in the language differs from it,
// and no translation of the language reads the same: "Sauna" is Finnish as well, and a brand
// name or "X3-X4" is translated to itself on purpose.
} // namespace

namespace textFit {

class EnglishTexts
{
public:
    EnglishTexts(const File &english, const File &language)
    {
        QHash<QString, QString> translated; // key -> the language's text, as the program gets it
        for (const Message &message : language.messages) {
            if (message.obsolete || message.translation().isEmpty())
                continue;
            translated.insert(message.key(), message.translation());
            addTo(m_translations, m_translationPatterns, message.translation());
        }
        const auto addEnglish = [&](const Message &message) {
            if (message.obsolete)
                return;
            const Message *inEnglish = english.find(message.key());
            const QString text = inEnglish && !inEnglish->translation().isEmpty()
                                     ? inEnglish->translation()
                                     : message.source;
            if (translated.value(message.key()) != text)
                addTo(m_untranslated, m_untranslatedPatterns, text);
        };

        for (const Message &message : english.messages)
            addEnglish(message);
        for (const Message &message : language.messages)
            addEnglish(message);
    }

    bool isStillEnglish(const QString &shown) const
    {
        return matches(m_untranslated, m_untranslatedPatterns, shown) &&
               !matches(m_translations, m_translationPatterns, shown);
    }

private:
    static void addTo(QSet<QString> &texts, QList<QRegularExpression> &patterns,
                      const QString &text)
    {
        texts.insert(text);
        const QRegularExpression pattern = filledInPattern(text);
        if (!pattern.pattern().isEmpty())
            patterns << pattern;
    }

    static bool matches(const QSet<QString> &texts, const QList<QRegularExpression> &patterns,
                        const QString &shown)
    {
        if (texts.contains(shown))
            return true;
        return std::any_of(patterns.begin(), patterns.end(), [&shown](const QRegularExpression &p) {
            return p.match(shown).hasMatch();
        });
    }

    QSet<QString> m_untranslated;
    QList<QRegularExpression> m_untranslatedPatterns;
    QSet<QString> m_translations;
    QList<QRegularExpression> m_translationPatterns;
};

} // namespace textFit

namespace {

// The place of the item's rectangle in the scene that its clipping ancestors leave visible.
QRectF visiblePart(const QQuickItem *item, const QRectF &window)
{
    QRectF shown = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    for (const QQuickItem *above = item->parentItem(); above; above = above->parentItem()) {
        if (above->clip())
            shown &= above->mapRectToScene(QRectF(0, 0, above->width(), above->height()));
    }
    return shown & window;
}

// Where the text is painted in its own item, by its alignment.
QRectF paintedRect(const QQuickItem *text)
{
    const qreal paintedWidth = text->property("paintedWidth").toReal();
    const qreal paintedHeight = text->property("paintedHeight").toReal();
    const int horizontal = text->property("effectiveHorizontalAlignment").toInt();
    const int vertical = text->property("verticalAlignment").toInt();
    qreal x = 0;
    if (horizontal & Qt::AlignRight)
        x = text->width() - paintedWidth;
    else if (horizontal & Qt::AlignHCenter)
        x = (text->width() - paintedWidth) / 2;
    qreal y = 0;
    if (vertical & Qt::AlignBottom)
        y = text->height() - paintedHeight;
    else if (vertical & Qt::AlignVCenter)
        y = (text->height() - paintedHeight) / 2;
    return QRectF(x, y, paintedWidth, paintedHeight);
}

// The item's children in the order they are drawn: by z, and in their order where z is equal.
QList<QQuickItem *> childrenInDrawOrder(const QQuickItem *item)
{
    QList<QQuickItem *> children = item->childItems();
    std::stable_sort(children.begin(), children.end(),
                     [](const QQuickItem *a, const QQuickItem *b) { return a->z() < b->z(); });
    return children;
}

// Every text item the user sees (visible all the way up, not transparent, and not wholly
// clipped away), and the items a text can hide under, in the order they are drawn: opaque
// rectangles and buttons.
struct ShownItems
{
    QList<QQuickItem *> texts;
    QList<QQuickItem *> covers;
    QHash<const QQuickItem *, int> drawOrder;
};

bool isOpaque(const QQuickItem *item)
{
    if (!item->inherits("QQuickRectangle"))
        return false;
    for (const QQuickItem *each = item; each; each = each->parentItem()) {
        if (each->opacity() < 1.0)
            return false;
    }
    return item->property("color").value<QColor>().alpha() == 255;
}

void collectShownItems(QQuickItem *item, const QRectF &window, ShownItems &shown)
{
    if (!item->isVisible() || item->opacity() <= 0.0)
        return;
    shown.drawOrder.insert(item, int(shown.drawOrder.size()));
    if (!visiblePart(item, window).isEmpty()) {
        if (item->inherits("QQuickText") && !item->property("text").toString().isEmpty())
            shown.texts << item;
        else if (typeName(item) == QLatin1String("PanelButton") || isOpaque(item))
            shown.covers << item;
    }
    for (QQuickItem *child : childrenInDrawOrder(item))
        collectShownItems(child, window, shown);
}

bool isInside(const QQuickItem *item, const QQuickItem *ancestor)
{
    for (const QQuickItem *each = item; each; each = each->parentItem()) {
        if (each == ancestor)
            return true;
    }
    return false;
}

QRectF sceneRect(const QQuickItem *item)
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

bool overlaps(const QRectF &a, const QRectF &b)
{
    const QRectF common = a & b;
    return common.width() > slack && common.height() > slack;
}

// The text as it reads, and for each of its characters the place in the text it comes from: the
// characters that only steer the line breaks left out (a word joiner, a zero-width space, a soft
// hyphen), every space as a blank (a no-break space too) and every dash as a hyphen (a
// non-breaking hyphen too).
std::pair<QString, QList<qsizetype>> asRead(const QString &text)
{
    QString read;
    QList<qsizetype> places;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar each = text.at(at);
        if (each.category() == QChar::Other_Format)
            continue;
        if (each.isSpace())
            read += QLatin1Char(' ');
        else if (each.category() == QChar::Punctuation_Dash)
            read += QLatin1Char('-');
        else
            read += each;
        places << at;
    }
    return {read, places};
}

// The parts of a text that a line must not break: a time ("18:00", "6:00pm", "3:18:14pm"), a
// range of times ("6:00pm - 6:00am"), a short word that starts with a number ("2°C/min",
// "150ml", "08/12/26") and a number with its unit after a space ("45 °C", "60 %"); as they read,
// whatever joiners and no-break spaces the text carries between their characters.
QList<std::pair<qsizetype, qsizetype>> keptTogether(const QString &text)
{
    static const QRegularExpression parts(
        QStringLiteral("(?<![\\d:.])\\d{1,2}[:.]\\d{2}(?:[:.]\\d{2})?(?:[ap]m)?"
                       "(?: *- *\\d{1,2}[:.]\\d{2}(?:[:.]\\d{2})?(?:[ap]m)?)?(?!\\d)"
                       "|(?<![^ \\t\\n(])\\d[^ \\t\\n]{0,11}(?: (?:°[CF]|%))?(?![^ \\t\\n])"));
    const auto [read, places] = asRead(text);
    QList<std::pair<qsizetype, qsizetype>> spans;
    for (auto match = parts.globalMatch(read); match.hasNext();) {
        const QRegularExpressionMatch each = match.next();
        spans.append({places.at(each.capturedStart()), places.at(each.capturedEnd() - 1) + 1});
    }
    return spans;
}

// Where the lines of the text after its first start, laid out as the item lays them out: in its
// font, wrap mode and width less its padding, in the font's own advances unless it renders
// natively, with its line feeds as the line separators it draws. Only the lines the item shows;
// the count of all the lines laid out goes to laidOut.
QList<qsizetype> lineStarts(const QQuickItem *text, const QString &shown, int &laidOut)
{
    QString laidOutText = shown;
    laidOutText.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laidOutText, text->property("font").value<QFont>());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapMode(text->property("wrapMode").toInt()));
    // Text.NativeRendering is 1.
    option.setUseDesignMetrics(text->property("renderType").toInt() != 1);
    layout.setTextOption(option);
    const qreal width = text->width() - text->property("leftPadding").toReal() -
                        text->property("rightPadding").toReal();
    const int shownLines = text->property("lineCount").toInt();
    layout.beginLayout();
    QList<qsizetype> starts;
    laidOut = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (line.lineNumber() > 0 && line.lineNumber() < shownLines)
            starts << line.textStart();
        ++laidOut;
    }
    layout.endLayout();
    return starts;
}

// The text between the line breaks that the language's rules allow around the place, as it
// reads, with a bar where the line breaks it: "Wochentagsprogram|m".
QString wordBrokenAt(const QString &shown, qsizetype at)
{
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, shown);
    breaks.setPosition(at);
    const qsizetype from = std::max<qsizetype>(0, breaks.toPreviousBoundary());
    breaks.setPosition(at);
    qsizetype to = breaks.toNextBoundary();
    if (to < 0)
        to = shown.size();
    const QString word = shown.mid(from, at - from) + QLatin1Char('|') + shown.mid(at, to - at);
    return asRead(word).first.trimmed();
}

// Where the lines of the text, laid out as the item lays them out, break what must stay whole;
// empty when nowhere. A line must not start inside a time, a number with its unit or a range of
// times, and it must start where the language's line-break rules allow a break (after a space, a
// hyphen or a soft hyphen; Unicode's rules as Qt applies them), not inside a word that the wrap
// mode breaks anywhere because its box is too narrow for it.
QString breakProblem(const QQuickItem *text)
{
    const int lines = text->property("lineCount").toInt();
    if (lines < 2)
        return QString();
    const QString shown = text->property("text").toString();
    int laidOut = 0;
    const QList<qsizetype> starts = lineStarts(text, shown, laidOut);
    // An elided text shows fewer lines than its text has.
    if (laidOut != lines && !text->property("truncated").toBool())
        return QStringLiteral("laid out in %1 lines by the check and in %2 by the item: the check "
                              "cannot tell where its lines start")
            .arg(laidOut)
            .arg(lines);
    for (const auto &[from, to] : keptTogether(shown)) {
        for (qsizetype start : starts) {
            if (start > from && start < to)
                return QStringLiteral("breaks \"%1\" across lines").arg(shown.mid(from, to - from));
        }
    }
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, shown);
    for (qsizetype start : starts) {
        breaks.setPosition(start);
        // Qt's rules hold a number to a number after a space ("27 6"); a space still breaks.
        const QChar before = shown.at(start - 1);
        const bool afterSpace = before.isSpace() && before.decompositionTag() != QChar::NoBreak;
        if (!breaks.isAtBoundary() && !afterSpace)
            return QStringLiteral("breaks the word \"%1\" where the language allows no break")
                .arg(wordBrokenAt(shown, start));
    }
    return QString();
}

// Why the text does not fit; empty when it does.
QString fitProblem(QQuickItem *text, const QRectF &window)
{
    if (text->property("truncated").toBool())
        return QStringLiteral("cut off (%1 px wide, room for %2)")
            .arg(text->implicitWidth(), 0, 'f', 1)
            .arg(text->width(), 0, 'f', 1);
    const QRectF painted = paintedRect(text);
    const bool elides = text->property("elide").toInt() != 0;
    if (!elides && painted.width() > text->width() + slack)
        return QStringLiteral("wider than its box (%1 > %2 px)")
            .arg(painted.width(), 0, 'f', 1)
            .arg(text->width(), 0, 'f', 1);
    if (painted.height() > text->height() + slack && text->property("wrapMode").toInt() != 0)
        return QStringLiteral("taller than its box (%1 > %2 px)")
            .arg(painted.height(), 0, 'f', 1)
            .arg(text->height(), 0, 'f', 1);
    const QString broken = breakProblem(text);
    if (!broken.isEmpty())
        return broken;
    const QRectF inScene = text->mapRectToScene(painted);
    // A clipping box cuts the text; a list that scrolls may show a row in part at its top or
    // bottom edge, on purpose, and only that part has to be in the window. Across the list
    // nothing is cut on purpose: a row wider than its list still counts whole.
    QRectF drawn = inScene;
    for (const QQuickItem *above = text->parentItem(); above; above = above->parentItem()) {
        if (!above->clip())
            continue;
        const QRectF box = above->mapRectToScene(QRectF(0, 0, above->width(), above->height()));
        if (above->inherits("QQuickFlickable")) {
            drawn.setTop(std::max(drawn.top(), box.top()));
            drawn.setBottom(std::min(drawn.bottom(), box.bottom()));
        } else if (!box.adjusted(-slack, -slack, slack, slack).contains(inScene))
            return QStringLiteral("cut by the box of %1").arg(typeName(above));
    }
    if (!drawn.isEmpty() && !window.adjusted(-slack, -slack, slack, slack).contains(drawn))
        return QStringLiteral("outside the window (x %1 to %2 of %3 px, y %4 to %5 of %6 px)")
            .arg(drawn.left(), 0, 'f', 1)
            .arg(drawn.right(), 0, 'f', 1)
            .arg(window.width(), 0, 'f', 1)
            .arg(drawn.top(), 0, 'f', 1)
            .arg(drawn.bottom(), 0, 'f', 1)
            .arg(window.height(), 0, 'f', 1);
    return QString();
}

// Whether the text lies wholly under an opaque box drawn after it (a page opened over another):
// the user does not see it.
bool isCovered(const QQuickItem *text, const ShownItems &shown, const QRectF &window)
{
    const int order = shown.drawOrder.value(text);
    const QRectF painted = text->mapRectToScene(paintedRect(text)) & visiblePart(text, window);
    return std::any_of(shown.covers.begin(), shown.covers.end(), [&](const QQuickItem *cover) {
        return shown.drawOrder.value(cover) > order && !isInside(text, cover) && isOpaque(cover) &&
               sceneRect(cover).contains(painted);
    });
}

// What the text lies under or over, in the scene as it is drawn; empty when nothing. A text that
// may use its whole box (a title that shrinks or wraps) must keep the box clear of the buttons
// drawn over it; other texts keep their painted part clear of the buttons and of each other.
QString overlapProblem(const QQuickItem *text, const ShownItems &shown, const QRectF &window)
{
    const int order = shown.drawOrder.value(text);
    const QRectF painted = text->mapRectToScene(paintedRect(text)) & visiblePart(text, window);
    if (painted.isEmpty())
        return QString();
    const bool usesItsBox =
        text->property("elide").toInt() != 0 || text->property("wrapMode").toInt() != 0;
    const QRectF box = usesItsBox ? sceneRect(text) & visiblePart(text, window) : painted;
    for (const QQuickItem *cover : shown.covers) {
        if (typeName(cover) == QLatin1String("PanelButton") &&
            shown.drawOrder.value(cover) > order && !isInside(text, cover) &&
            overlaps(box, sceneRect(cover)))
            return QStringLiteral("under the button %1").arg(objectPath(cover));
    }
    for (const QQuickItem *other : shown.texts) {
        if (other == text || shown.drawOrder.value(other) < order ||
            isCovered(other, shown, window))
            continue;
        const QRectF otherPainted =
            other->mapRectToScene(paintedRect(other)) & visiblePart(other, window);
        if (overlaps(painted, otherPainted))
            return QStringLiteral("overlaps \"%1\" (%2)")
                .arg(other->property("text").toString(), objectPath(other));
    }
    return QString();
}

// The lists and pages below the root that the user can scroll: more content than room.
QList<QQuickItem *> scrollables(QQuickItem *root)
{
    QList<QQuickItem *> found;
    findVisibleItem(root, [&found](QQuickItem *item) {
        if (item->inherits("QQuickFlickable") && item->property("interactive").toBool() &&
            !item->property("atYEnd").toBool() && item->height() > 0)
            found << item;
        return false;
    });
    return found;
}

} // namespace

namespace textFit {

QString typeName(const QQuickItem *item)
{
    static const QRegularExpression suffix(QStringLiteral("(_QML(TYPE)?_[0-9]+)+$"));
    return QString::fromLatin1(item->metaObject()->className()).remove(suffix);
}

QString objectPath(const QQuickItem *item)
{
    QStringList path;
    for (const QQuickItem *each = item; each; each = each->parentItem()) {
        const QString type = typeName(each);
        if (!each->objectName().isEmpty())
            path.prepend(each->objectName());
        else if (each == item || !type.startsWith(QLatin1String("QQuick")))
            path.prepend(type);
    }
    const QPointF at = item->mapToScene(QPointF());
    return QStringLiteral("%1 at %2,%3")
        .arg(path.join(QLatin1Char('/')))
        .arg(at.x(), 0, 'f', 0)
        .arg(at.y(), 0, 'f', 0);
}

QList<ShownText> shownTexts(QQuickItem *root)
{
    const QRectF window(0, 0, root->width(), root->height());
    ShownItems items;
    collectShownItems(root, window, items);
    QList<ShownText> shown;
    for (QQuickItem *text : std::as_const(items.texts)) {
        if (isCovered(text, items, window))
            continue;
        QString problem = fitProblem(text, window);
        if (problem.isEmpty())
            problem = overlapProblem(text, items, window);
        shown << ShownText{text, problem};
    }
    return shown;
}

QString languageCode(LanguageTypes::Language language)
{
    // "lang_fi_fi" -> "fi"
    return control::LanguageController::translationFileName(language).mid(5, 2);
}

} // namespace textFit

void PageFitTest::checkShownTextsNow(const QString &where, const TextCheck &check)
{
    waitForPagesAtRest();
    QVERIFY(QQuickTest::qWaitForPolish(m_frame->guiHandler.view()->quickWindow(), waitMs));
    const QList<textFit::ShownText> texts = textFit::shownTexts(sceneRoot());
    QVERIFY2(!texts.isEmpty(), qPrintable(where));
    for (const textFit::ShownText &text : texts) {
        const QString shown = text.item->property("text").toString();
        const QString other = check ? check(shown) : QString();
        if (!other.isEmpty())
            m_problems << QStringLiteral("%1: \"%2\" %3: %4")
                              .arg(where, shown, other, objectPath(text.item));
        if (!text.problem.isEmpty())
            m_problems << QStringLiteral("%1: \"%2\" %3: %4")
                              .arg(where, shown, text.problem, objectPath(text.item));
    }
    // No Repeater sits directly in a layout: a layout of Qt 6.4 can go on using a delegate that
    // its Repeater destroyed on a change of the model, and a real window's next resize crashes.
    const std::function<void(QQuickItem *)> checkRepeaters = [&](QQuickItem *item) {
        const QQuickItem *parent = item->parentItem();
        const QString problem =
            QStringLiteral("a Repeater directly in a layout: %1").arg(objectPath(item));
        if (item->inherits("QQuickRepeater") && parent && parent->inherits("QQuickLayout") &&
            !m_problems.contains(problem))
            m_problems << problem;
        for (QQuickItem *child : item->childItems())
            checkRepeaters(child);
    };
    checkRepeaters(sceneRoot());
}

void PageFitTest::checkShownTexts(Language language, const QString &screen, const TextCheck &check)
{
    const QString where = QStringLiteral("%1, %2").arg(textFit::languageCode(language), screen);
    STEP(checkShownTextsNow(where, check));
    // What a list or page shows once scrolled, a screenful at a time, then back at its start.
    const QList<QQuickItem *> lists = scrollables(sceneRoot());
    for (QQuickItem *list : lists) {
        const qreal start = list->property("contentY").toReal();
        for (int step = 1; step <= maxScrollSteps && !list->property("atYEnd").toBool(); ++step) {
            const qreal next = list->property("contentY").toReal() + list->height() * 0.75;
            const qreal end = list->property("originY").toReal() +
                              list->property("contentHeight").toReal() - list->height();
            list->setProperty("contentY", std::min(next, end));
            STEP(
                checkShownTextsNow(QStringLiteral("%1 (scrolled %2)").arg(where).arg(step), check));
        }
        list->setProperty("contentY", start);
    }
    ++m_screensChecked;
}

void PageFitTest::readTranslationFiles()
{
    const QString directory = QString::fromLocal8Bit(qgetenv("PANEL_SOURCE_DIR")) +
                              QStringLiteral("/qml/view/languages/");
    QList<translationFiles::File> files; // by language
    for (int value = LanguageTypes::E_czech; value <= LanguageTypes::E_portuguese; ++value) {
        translationFiles::File file = translationFiles::readFile(
            directory + control::LanguageController::translationFileName(Language(value)) +
            QStringLiteral(".ts"));
        QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
        files << file;
    }
    // English has nothing to translate.
    for (int value = LanguageTypes::E_czech; value <= LanguageTypes::E_portuguese; ++value) {
        if (value != LanguageTypes::E_english)
            m_english.insert(value, std::make_shared<const textFit::EnglishTexts>(
                                        files.at(LanguageTypes::E_english), files.at(value)));
        if (value != LanguageTypes::E_czech)
            m_previous.insert(value, std::make_shared<const textFit::EnglishTexts>(
                                         files.at(value - 1), files.at(value)));
    }
}

QString PageFitTest::notInLanguage(Language language, const QString &shown) const
{
    const std::shared_ptr<const textFit::EnglishTexts> english = m_english.value(language);
    if (!english || !english->isStillEnglish(shown))
        return QString();
    // A name the sauna gave a relay is its own, in whatever language it was given.
    if (m_sauna) {
        const auto &relays = m_sauna->model().auxRelays().relays();
        if (std::any_of(relays.begin(), relays.end(),
                        [&shown](const auto &relay) { return relay.name == shown; }))
            return QString();
    }
    return QStringLiteral("still English");
}

bool PageFitTest::showsEnglish(Language language)
{
    waitForPagesAtRest();
    const QList<textFit::ShownText> texts = textFit::shownTexts(sceneRoot());
    const std::shared_ptr<const textFit::EnglishTexts> previous = m_previous.value(language);
    return std::any_of(texts.begin(), texts.end(), [&](const textFit::ShownText &text) {
        const QString shown = text.item->property("text").toString();
        return !notInLanguage(language, shown).isEmpty() ||
               (previous && previous->isStillEnglish(shown));
    });
}

void PageFitTest::checkPageInEveryLanguage(const QString &screen,
                                           const std::function<void()> &openAgain,
                                           const PageCheck &pageCheck)
{
    control::LanguageController &languages = m_frame->controllerTab.languageController;
    for (int value = LanguageTypes::E_czech; value <= LanguageTypes::E_portuguese; ++value) {
        const auto language = Language(value);
        languages.onLanguageChangeRequested(language);
        QCOMPARE(languages.language(), language);
        if (openAgain && showsEnglish(language))
            STEP(openAgain());
        STEP(checkShownTexts(language, screen, [this, language](const QString &shown) {
            return notInLanguage(language, shown);
        }));
        const QString pageProblem = pageCheck ? pageCheck() : QString();
        if (!pageProblem.isEmpty())
            m_problems << QStringLiteral("%1, %2: %3")
                              .arg(textFit::languageCode(language), screen, pageProblem);
    }
    languages.onLanguageChangeRequested(LanguageTypes::E_english);
    QCOMPARE(languages.language(), LanguageTypes::E_english);
    // What the change builds anew is built before the next step looks for an item.
    waitForPagesAtRest();
    QVERIFY(QQuickTest::qWaitForPolish(m_frame->guiHandler.view()->quickWindow(), waitMs));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void PageFitTest::checkMessageInEveryLanguage(const QString &screen)
{
    auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
    QVERIFY(popup);
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), waitMs);
    const qsizetype before = m_problems.size();
    STEP(checkPageInEveryLanguage(screen));
    // A problem names the text it is about last.
    for (qsizetype at = m_problems.size() - 1; at >= before; --at) {
        if (!m_problems.at(at)
                 .section(QStringLiteral(": "), -1)
                 .startsWith(QLatin1String("popup_widget/")))
            m_problems.removeAt(at);
    }
}

void PageFitTest::answerMessage(const QString &answer)
{
    auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
    QVERIFY(popup);
    const auto answersSo = [&answer](QQuickItem *item) {
        return typeName(item) == QLatin1String("PanelButton") &&
               item->property("text").toString() == answer;
    };
    QQuickItem *button = waitForItem(popup, answersSo, QStringLiteral("button \"%1\"").arg(answer));
    QVERIFY2(button, qPrintable(answer));
    STEP(tap(button));
}

PageFitTest::PageCheck PageFitTest::fitsWithoutScrolling(const QString &flickableName)
{
    return [this, flickableName] {
        const QQuickItem *page = waitForItem(flickableName);
        if (page == nullptr)
            return QStringLiteral("no page %1").arg(flickableName);
        const qreal content = page->property("contentHeight").toReal() +
                              page->property("topMargin").toReal() +
                              page->property("bottomMargin").toReal();
        if (content <= page->height() + slack)
            return QString();
        return QStringLiteral("needs scrolling: %1 px of content, room for %2 px")
            .arg(content, 0, 'f', 1)
            .arg(page->height(), 0, 'f', 1);
    };
}

tools::SimulatorOptions PageFitTest::longNamedSaunaOptions()
{
    return saunaOptions(QStringLiteral("Wellness area east wing sauna 2"), QStringLiteral("2580"));
}

void PageFitTest::useWidestUnits()
{
    m_frame->controllerTab.temperatureController.onTemperatureUnitChangeRequested(
        signalInterface::TemperatureTypes::E_fahrenheit);
    m_frame->controllerTab.timeController.onTimeFormatSelected(
        signalInterface::DateTimeTypes::E_am_pm);
}

void PageFitTest::useDefaultUnits()
{
    if (!m_frame)
        return;
    m_frame->controllerTab.temperatureController.onTemperatureUnitChangeRequested(
        signalInterface::TemperatureTypes::E_celsius);
    m_frame->controllerTab.timeController.onTimeFormatSelected(
        signalInterface::DateTimeTypes::E_0_24);
}

void PageFitTest::failOnProblems()
{
    const QStringList problems = m_problems;
    m_problems.clear();
    if (!problems.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("%1 texts not translated or not fitting:\n    %2")
                                    .arg(problems.size())
                                    .arg(problems.join(QLatin1String("\n    ")))),
                     __FILE__, __LINE__);
    }
}

QQuickItem *PageFitTest::rowWithText(const QString &listName, const QString &text)
{
    QQuickItem *list = waitForItem(listName);
    if (list == nullptr)
        return nullptr;
    return waitForItem(
        list,
        [&text](QQuickItem *item) {
            return isRow(item) && item->property("mainText").toString() == text;
        },
        QStringLiteral("row \"%1\" of %2").arg(text, listName));
}

void PageFitTest::tapRowWithText(const QString &listName, const QString &text)
{
    QQuickItem *row = rowWithText(listName, text);
    QVERIFY2(row, qPrintable(text));
    // A list may build its rows anew (the language came back to English); the row is then
    // looked up again.
    STEP(tap(row, [&] { return rowWithText(listName, text); }));
}

void PageFitTest::tapButton(const QString &text)
{
    QQuickItem *button = waitForItem(
        sceneRoot(),
        [&text](QQuickItem *item) {
            return typeName(item) == QLatin1String("PanelButton") &&
                   item->property("text").toString() == text;
        },
        QStringLiteral("button \"%1\"").arg(text));
    QVERIFY2(button, qPrintable(text));
    STEP(tap(button, [&] {
        return findVisibleItem(sceneRoot(), [&text](QQuickItem *item) {
            return typeName(item) == QLatin1String("PanelButton") &&
                   item->property("text").toString() == text;
        });
    }));
}

QQuickItem *PageFitTest::openQueue()
{
    tapButton(QStringLiteral("Queue"));
    if (QTest::currentTestFailed())
        return nullptr;
    return waitForItem(m_frame->calendarTabObjectIdProvider.queueViewName());
}

void PageFitTest::checkPage(const QString &pageName, const std::function<void()> &open)
{
    const auto openPage = [&] {
        STEP(backToSettingsAreas());
        STEP(open());
        QVERIFY2(waitForItem(pageName), qPrintable(pageName));
    };
    STEP(openPage());
    STEP(checkPageInEveryLanguage(pageName, openPage));
}
