#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTest>

// No Repeater of the scene is a direct child of a Qt Quick layout. A layout of Qt 6.4 can go on
// using a delegate that its Repeater destroyed when the model changed, and the panel then crashes
// at the next resize of its window; only under a real window system, so no scene test sees it.
// Repeaters sit in positioners (Row, Column, Grid) or views. This test reads the QML of the scene
// and names each Repeater that sits directly in a layout, with its file and line.
class TestLayoutRepeaters : public QObject
{
    Q_OBJECT

private:
    // An object declared in a QML file: its type as written, the object it is declared in (its
    // index, or -1 at the top or in a block of code), its line, and the property it is the value
    // of ("delegate"), empty for a child.
    struct QmlObject
    {
        QString type;
        int parent = -1;
        int line = 0;
        QString property;
    };

    struct QmlFile
    {
        QList<QmlObject> objects;
        QHash<QString, QString> inlineComponents; // name -> type it is made of
    };

    struct Token
    {
        QString text;
        int line = 0;
    };

    static QString lastSegment(const QString &type) { return type.section(QLatin1Char('.'), -1); }

    static bool isWord(const QString &text)
    {
        return !text.isEmpty() && (text.front().isLetter() || text.front() == QLatin1Char('_'));
    }

    static bool isTypeName(const QString &text)
    {
        return isWord(text) && lastSegment(text).front().isUpper();
    }

    // Whether a "/" after these tokens begins a regular expression, not a division.
    static bool regexMayFollow(const QList<Token> &recent)
    {
        if (recent.isEmpty())
            return true;
        const QString &last = recent.last().text;
        return last == QLatin1String("return") ||
               (last.size() == 1 && QStringLiteral("(,=:[!&|?{;+-*%<>~^").contains(last.front()));
    }

    // The object that a "{" after these tokens opens: "Type {", "name: Type {",
    // "component Name: Type {" or "Type on property {"; -1 for a block of code or an enum.
    static int openObject(const QList<Token> &recent, const QList<int> &open, QmlFile &file)
    {
        const qsizetype n = recent.size();
        const auto at = [&](qsizetype fromEnd) {
            return fromEnd <= n ? recent.at(n - fromEnd).text : QString();
        };
        QmlObject object;
        object.parent = open.isEmpty() ? -1 : open.last();
        if (isTypeName(at(1)) && at(2) != QLatin1String("enum")) {
            object.type = at(1);
            object.line = recent.at(n - 1).line;
            if (at(2) == QLatin1String(":") && isWord(at(3))) {
                if (at(4) == QLatin1String("component"))
                    file.inlineComponents.insert(at(3), object.type);
                else
                    object.property = at(3);
            }
        } else if (isWord(at(1)) && at(2) == QLatin1String("on") && isTypeName(at(3))) {
            object.type = at(3);
            object.line = recent.at(n - 3).line;
            object.property = at(1);
        } else {
            return -1;
        }
        file.objects.append(object);
        return int(file.objects.size() - 1);
    }

    // The objects of a QML file, as its braces nest them; comments, strings, template literals
    // and regular expressions are passed over.
    static QmlFile readObjects(const QString &source)
    {
        QmlFile file;
        QList<Token> recent; // the last tokens read
        QList<int> open;     // each open brace: the object it opened, or -1
        int line = 1;
        const qsizetype size = source.size();
        const auto push = [&](const QString &text) {
            recent.append({text, line});
            if (recent.size() > 4)
                recent.removeFirst();
        };
        for (qsizetype i = 0; i < size; ++i) {
            const QChar c = source.at(i);
            const QChar next = i + 1 < size ? source.at(i + 1) : QChar();
            if (c == QLatin1Char('\n')) {
                ++line;
            } else if (c.isSpace()) {
                continue;
            } else if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
                while (i + 1 < size && source.at(i + 1) != QLatin1Char('\n'))
                    ++i;
            } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
                for (i += 2; i + 1 < size && !(source.at(i) == QLatin1Char('*') &&
                                               source.at(i + 1) == QLatin1Char('/'));
                     ++i) {
                    if (source.at(i) == QLatin1Char('\n'))
                        ++line;
                }
                ++i;
            } else if (c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char('`') ||
                       (c == QLatin1Char('/') && regexMayFollow(recent))) {
                // Only a template literal runs over lines; an open string or expression ends
                // at the line's end.
                bool inClass = false;
                for (++i; i < size; ++i) {
                    const QChar d = source.at(i);
                    if (d == QLatin1Char('\n')) {
                        if (c != QLatin1Char('`')) {
                            --i;
                            break;
                        }
                        ++line;
                    } else if (d == QLatin1Char('\\')) {
                        if (i + 1 < size && source.at(i + 1) == QLatin1Char('\n'))
                            ++line;
                        ++i;
                    } else if (c == QLatin1Char('/') &&
                               (d == QLatin1Char('[') || d == QLatin1Char(']'))) {
                        inClass = d == QLatin1Char('[');
                    } else if (d == c && !inClass) {
                        break;
                    }
                }
                push(QStringLiteral("\"\""));
            } else if (c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('$')) {
                const qsizetype start = i;
                while (i + 1 < size && (source.at(i + 1).isLetterOrNumber() ||
                                        source.at(i + 1) == QLatin1Char('_') ||
                                        source.at(i + 1) == QLatin1Char('$') ||
                                        source.at(i + 1) == QLatin1Char('.')))
                    ++i;
                push(source.mid(start, i - start + 1));
            } else if (c == QLatin1Char('{')) {
                open.append(openObject(recent, open, file));
                push(QString(c));
            } else if (c == QLatin1Char('}')) {
                if (!open.isEmpty())
                    open.removeLast();
                push(QString(c));
            } else {
                push(QString(c));
            }
        }
        return file;
    }

    // Whether the type lays out its children as a layout of QtQuick.Layouts does: one of them,
    // or an inline component or a file of the scene whose root object is one.
    static bool isLayout(QString type, const QmlFile &file,
                         const QHash<QString, QString> &componentRoots)
    {
        static const QSet<QString> layouts{
            QStringLiteral("RowLayout"), QStringLiteral("ColumnLayout"),
            QStringLiteral("GridLayout"), QStringLiteral("StackLayout")};
        for (int hops = 0; hops < 16; ++hops) {
            type = lastSegment(type);
            if (layouts.contains(type))
                return true;
            if (file.inlineComponents.contains(type))
                type = file.inlineComponents.value(type);
            else if (componentRoots.contains(type))
                type = componentRoots.value(type);
            else
                return false;
        }
        return false;
    }

    // The lines of the Repeaters that are children of a layout, each with the layout's type.
    static QList<QPair<int, QString>>
    repeatersInLayouts(const QString &source, const QHash<QString, QString> &componentRoots,
                       int *repeaters = nullptr)
    {
        const QmlFile file = readObjects(source);
        QList<QPair<int, QString>> found;
        for (const QmlObject &object : file.objects) {
            if (lastSegment(object.type) != QLatin1String("Repeater"))
                continue;
            if (repeaters)
                ++*repeaters;
            const bool child = object.property.isEmpty() ||
                               object.property == QLatin1String("data") ||
                               object.property == QLatin1String("children");
            if (!child || object.parent < 0)
                continue;
            const QString &parent = file.objects.at(object.parent).type;
            if (isLayout(parent, file, componentRoots))
                found.append({object.line, parent});
        }
        return found;
    }

    static QString readFile(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        return QString::fromUtf8(file.readAll());
    }

    // The root object's type of each QML file of the scene, by the file's name.
    static QHash<QString, QString> componentRoots(const QHash<QString, QString> &sources)
    {
        QHash<QString, QString> roots;
        for (auto it = sources.begin(); it != sources.end(); ++it) {
            const QmlFile file = readObjects(it.value());
            if (!file.objects.isEmpty())
                roots.insert(QFileInfo(it.key()).baseName(), file.objects.first().type);
        }
        return roots;
    }

private slots:
    void noRepeaterSitsDirectlyInALayout()
    {
        const QDir sceneDir(QStringLiteral(PANEL_QML_VIEW_DIR));
        QHash<QString, QString> sources;
        QDirIterator files(sceneDir.path(), {QStringLiteral("*.qml")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            sources.insert(sceneDir.relativeFilePath(path), readFile(path));
        }
        QVERIFY(sources.size() > 50);
        const QHash<QString, QString> roots = componentRoots(sources);
        // A keypad's root is a layout: a Repeater given to it would be one of its children.
        QCOMPARE(roots.value(QStringLiteral("PinKeypad")), QStringLiteral("ColumnLayout"));

        QStringList found;
        int repeaters = 0;
        for (auto it = sources.begin(); it != sources.end(); ++it) {
            for (const auto &[line, layout] : repeatersInLayouts(it.value(), roots, &repeaters))
                found << QStringLiteral("%1:%2: a Repeater directly in a %3")
                             .arg(it.key())
                             .arg(line)
                             .arg(layout);
        }
        // The reader sees the scene's Repeaters, in positioners and views.
        QVERIFY2(repeaters >= 10, qPrintable(QString::number(repeaters)));
        found.sort();
        for (const QString &each : std::as_const(found))
            qWarning("%s", qPrintable(each));
        QVERIFY2(found.isEmpty(),
                 qPrintable(QStringLiteral("%1 Repeaters sit directly in a layout; "
                                           "put them in a Row, Column or Grid")
                                .arg(found.size())));
    }

    // The reader follows the nesting of the objects, not the braces of code, comments, strings
    // or regular expressions, and knows a layout by its file or inline component.
    void readsWhereEachRepeaterSits_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QList<int>>("lines");

        QTest::newRow("in a layout, and in a positioner in a layout")
            << QStringLiteral("import QtQuick.Layouts as L\n"
                              "ColumnLayout {\n"
                              "    Repeater { model: 2; Text {} }\n"
                              "    Row { Repeater { model: 3 } }\n"
                              "    L.GridLayout {\n"
                              "        QtQuick.Repeater {}\n"
                              "    }\n"
                              "}\n")
            << QList<int>{3, 6};
        QTest::newRow("in a delegate that is a layout, not as a property")
            << QStringLiteral("Column {\n"
                              "    Repeater {\n"
                              "        delegate: RowLayout {\n"
                              "            Repeater {}\n"
                              "        }\n"
                              "    }\n"
                              "    RowLayout { property Item shown: Repeater {} }\n"
                              "}\n")
            << QList<int>{4};
        QTest::newRow("braces in code, comments, strings and expressions")
            << QStringLiteral("RowLayout {\n"
                              "    // Repeater { } in a comment\n"
                              "    /* Repeater {\n"
                              "       } */\n"
                              "    property string s: \"Repeater { \\\" {\"\n"
                              "    property var m: [{ a: '}' }, { b: `x\n"
                              "        ${1} }` }]\n"
                              "    function f(x) { if (x) { return /[}\"]{2}/.test(x) / 2 } }\n"
                              "    enum Kind { One, Two }\n"
                              "    NumberAnimation on x { }\n"
                              "    Row { Repeater {} }\n"
                              "    Repeater {}\n"
                              "}\n")
            << QList<int>{12};
        QTest::newRow("components made of a layout")
            << QStringLiteral("Item {\n"
                              "    component Keys: GridLayout {}\n"
                              "    Keys { Repeater {} }\n"
                              "    Keypad {\n"
                              "        Repeater {}\n"
                              "    }\n"
                              "    Main.Panel { Repeater {} }\n"
                              "}\n")
            << QList<int>{3, 5};
    }

    void readsWhereEachRepeaterSits()
    {
        QFETCH(QString, source);
        QFETCH(QList<int>, lines);
        const QHash<QString, QString> roots{{QStringLiteral("Keypad"), QStringLiteral("Pad")},
                                            {QStringLiteral("Pad"), QStringLiteral("ColumnLayout")},
                                            {QStringLiteral("Panel"), QStringLiteral("Item")}};
        QList<int> found;
        for (const auto &[line, layout] : repeatersInLayouts(source, roots))
            found << line;
        QCOMPARE(found, lines);
    }
};

QTEST_GUILESS_MAIN(TestLayoutRepeaters)
#include "tst_layout_repeaters.moc"
