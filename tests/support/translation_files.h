#pragma once

#include <QFile>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>

// Reading the panel's Qt Linguist files (qml/view/languages/lang_*.ts) in tests: every message
// with its context, source, disambiguation and translation, and the placeholders of a text.
namespace translationFiles {

struct Message
{
    QString context;
    QString source;
    QString comment;          // the disambiguation, part of the message's identity
    QStringList translations; // the one translation, or each numerus form
    bool numerus = false;
    bool unfinished = false;
    bool obsolete = false; // "vanished" or "obsolete": no longer in the program

    // Context, source and disambiguation, as one lookup key.
    QString key() const { return keyOf(context, source, comment); }

    static QString keyOf(const QString &context, const QString &source,
                         const QString &comment = QString())
    {
        return context + QChar(0x1f) + source + QChar(0x1f) + comment;
    }

    QString translation() const { return translations.value(0); }

    // Empty when there is no translation or any numerus form is empty.
    bool isEmpty() const
    {
        return translations.isEmpty() ||
               std::any_of(translations.begin(), translations.end(),
                           [](const QString &form) { return form.isEmpty(); });
    }

    // How a report names the message.
    QString describe() const
    {
        QString text = QStringLiteral("context \"%1\", source \"%2\"").arg(context, source);
        if (!comment.isEmpty())
            text += QStringLiteral(" (\"%1\")").arg(comment);
        return text;
    }
};

struct File
{
    QString path;
    QString language; // the TS element's language attribute
    QString error;    // why the file could not be read; empty when it was
    QList<Message> messages;
    QHash<QString, qsizetype> index; // Message::key() -> position in messages

    const Message *find(const QString &key) const
    {
        const auto found = index.constFind(key);
        return found == index.constEnd() ? nullptr : &messages.at(*found);
    }
};

inline void readMessage(QXmlStreamReader &xml, const QString &context, Message &message)
{
    message.context = context;
    message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QStringView type = xml.attributes().value(QLatin1String("type"));
            message.unfinished = type == QLatin1String("unfinished");
            message.obsolete =
                type == QLatin1String("vanished") || type == QLatin1String("obsolete");
            if (message.numerus) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("numerusform"))
                        message.translations << xml.readElementText();
                    else
                        xml.skipCurrentElement();
                }
            } else {
                message.translations << xml.readElementText();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

inline File readFile(const QString &path)
{
    File file;
    file.path = path;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        file.error = QStringLiteral("%1: %2").arg(path, input.errorString());
        return file;
    }
    QXmlStreamReader xml(&input);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("TS")) {
        file.error = QStringLiteral("%1: not a Qt Linguist file").arg(path);
        return file;
    }
    file.language = xml.attributes().value(QLatin1String("language")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("context")) {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("message")) {
                Message message;
                readMessage(xml, context, message);
                const QString key = message.key();
                if (file.index.contains(key)) {
                    file.error = QStringLiteral("%1: %2 twice").arg(path, message.describe());
                    return file;
                }
                file.index.insert(key, file.messages.size());
                file.messages << message;
            } else {
                xml.skipCurrentElement();
            }
        }
    }
    if (xml.hasError()) {
        file.error = QStringLiteral("%1, line %2: %3")
                         .arg(path)
                         .arg(xml.lineNumber())
                         .arg(xml.errorString());
    }
    return file;
}

// The placeholders of a text, sorted: "%1".."%99", "%L1".."%L99" and "%n", each as often as it
// occurs. "%%" is no placeholder.
inline QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(%|L?[1-9][0-9]?|n)"));
    QStringList found;
    for (auto match = pattern.globalMatch(text); match.hasNext();) {
        const QString each = match.next().captured();
        if (each != QLatin1String("%%"))
            found << each;
    }
    found.sort();
    return found;
}

} // namespace translationFiles
