#pragma once

#include <QFont>
#include <QObject>
#include <QString>

namespace view {

// Where a drawn text may break into lines. The texts the screens and messages carry are plain;
// the view keeps their numbers with their units and their ranges of times on one line where it
// draws them, through keptTogetherText (QML: LineBreaks.keptTogether(text)).
class LineBreaks : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The text with each part that a line must not break held together: a time or a range of
    // times ("3:18:14pm", "18:00 - 22:00", "9:00am-1:00pm"), a short word that starts with a
    // number ("2°C/min", "150ml", "08/12/26") and a number with its unit after a space ("45 °C",
    // "60 %"). The rest breaks as before; the text reads the same.
    static QString keptTogetherText(const QString &text);
    Q_INVOKABLE QString keptTogether(const QString &text) const { return keptTogetherText(text); }

    // The width, in whole pixels, that the widest piece of the text that a line cannot break
    // takes on one line in the font: a word, or one of the parts held together above. It is the
    // least a box that wraps the text must give it, or a line breaks the piece anywhere inside
    // after all ("Wochentagsprogram" / "m"). A word breaks where the line-break rules allow: after
    // a space, a hyphen or a soft hyphen. (QML: LineBreaks.keptWidth(text, font).)
    static qreal keptTogetherWidth(const QString &text, const QFont &font);
    Q_INVOKABLE qreal keptWidth(const QString &text, const QFont &font) const
    {
        return keptTogetherWidth(text, font);
    }

    // The text with a place to break after each hyphen, underscore, dot or slash inside each
    // piece that a line cannot break and that is wider than the width in the font: an identity or
    // a file name too long for any line then breaks between its parts, not anywhere. The rules
    // hold a hyphen to a digit after it, as in a negative number, so "4e5f-9a7b" has no break of
    // its own. Pieces that fit stay as they are; the text reads the same.
    // (QML: LineBreaks.longWordsParted(text, font, width).)
    static QString longWordsPartedText(const QString &text, const QFont &font, qreal width);
    Q_INVOKABLE QString longWordsParted(const QString &text, const QFont &font, qreal width) const
    {
        return longWordsPartedText(text, font, width);
    }

    // The whole text as one piece that a line breaks before or after, never inside: its spaces
    // do not break, and a word joiner holds together the other places a line could break ("/",
    // after "-").
    static QString unbroken(const QString &text);
};

} // namespace view
