#include "text_fit.h"

#include "view_cpp/line_breaks.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <memory>

using view::LineBreaks;

// The fit check on one wrapping text in a box of a given width: it finds a line that breaks
// inside a time or a range of times, whatever the digits of the hour and whatever joiners and
// no-break spaces the text carries, and a line that breaks a word where the language's rules
// allow no break; none where the part moves whole to the next line, or a word breaks at its soft
// hyphen or after its hyphen.
class TestTextFit : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;
    std::unique_ptr<QQuickWindow> m_window;
    std::unique_ptr<QQuickItem> m_root;
    QQuickItem *m_text = nullptr;

    qreal widthOf(const QString &text)
    {
        m_text->setProperty("text", text);
        return m_text->implicitWidth();
    }

private slots:
    void initTestCase()
    {
        QQmlComponent scene(&m_engine);
        scene.setData(QByteArrayLiteral("import QtQuick\n"
                                        "Item {\n"
                                        "    width: 480; height: 320\n"
                                        "    Text {\n"
                                        "        objectName: \"text\"\n"
                                        "        wrapMode: Text.Wrap\n"
                                        "        textFormat: Text.PlainText\n"
                                        "        font.pixelSize: 16\n"
                                        "    }\n"
                                        "}\n"),
                      QUrl());
        m_root.reset(qobject_cast<QQuickItem *>(scene.create()));
        QVERIFY2(m_root, qPrintable(scene.errorString()));
        m_window = std::make_unique<QQuickWindow>();
        m_window->resize(480, 320);
        m_root->setParentItem(m_window->contentItem());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_text = m_root->findChild<QQuickItem *>(QStringLiteral("text"));
        QVERIFY(m_text);
    }

    void cleanupTestCase()
    {
        m_root.reset();
        m_window.reset();
    }

    void breakInside_data()
    {
        QTest::addColumn<QString>("text");
        // The part whose width on one line the box is measured from, as the text carries it.
        QTest::addColumn<QString>("part");
        // The box's width beyond the part's.
        QTest::addColumn<qreal>("room");
        // The lines the item shows, and whether the check finds one that starts inside a part.
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("broken");
        const auto kept = [](const char *text) {
            return LineBreaks::keptTogetherText(QString::fromUtf8(text));
        };
        QTest::newRow("12-hour range, one-digit hours, too narrow")
            << kept("6:00pm - 6:00am") << kept("6:00pm - 6:00am") << -3.0 << 2 << true;
        QTest::newRow("12-hour range, two-digit hours, too narrow")
            << kept("10:00pm - 11:00pm") << kept("10:00pm - 11:00pm") << -3.0 << 2 << true;
        QTest::newRow("24-hour range, too narrow")
            << kept("18:00 - 22:00") << kept("18:00 - 22:00") << -3.0 << 2 << true;
        QTest::newRow("time with seconds, too narrow")
            << kept("3:18:14pm") << kept("3:18:14pm") << -3.0 << 2 << true;
        const QString joined = QString::fromUtf8("6\u2060:\u206000pm\u00a0\u2011\u00a06:00am");
        QTest::newRow("range with joiners and a non-breaking hyphen, too narrow")
            << joined << joined << -3.0 << 2 << true;
        QTest::newRow("12-hour range, room enough")
            << kept("6:00pm - 6:00am") << kept("6:00pm - 6:00am") << 1.0 << 1 << false;
        QTest::newRow("range moved whole to the next line")
            << kept("16/03/27 6:00pm - 10:00pm") << kept("6:00pm - 10:00pm") << 1.0 << 2 << false;
        const QString word = QStringLiteral("Wochentagsprogramm");
        QTest::newRow("long word, too narrow") << word << word << -3.0 << 2 << true;
        QTest::newRow("long word after a short one, too narrow")
            << QStringLiteral("Ein Wochentagsprogramm") << word << -3.0 << 3 << true;
        QTest::newRow("long word, room enough")
            << QStringLiteral("Ein Wochentagsprogramm") << word << 1.0 << 2 << false;
        QTest::newRow("soft-hyphenated word broken at its soft hyphen")
            << QString::fromUtf8("Wochen\u00adtags\u00adprogramm") << QStringLiteral("Wochentags-")
            << 1.0 << 2 << false;
        QTest::newRow("hyphenated compound broken after its hyphen")
            << QStringLiteral("Dampfbad-Wochenprogramm") << QStringLiteral("Wochenprogramm") << 1.0
            << 2 << false;
    }

    void breakInside()
    {
        QFETCH(QString, text);
        QFETCH(QString, part);
        QFETCH(qreal, room);
        QFETCH(int, lines);
        QFETCH(bool, broken);
        const qreal width = widthOf(part) + room;
        m_text->setWidth(width);
        m_text->setProperty("text", text);
        QVERIFY(QQuickTest::qWaitForPolish(m_window.get()));
        QCOMPARE(m_text->property("lineCount").toInt(), lines);
        const QList<textFit::ShownText> shown = textFit::shownTexts(m_root.get());
        QCOMPARE(shown.size(), 1);
        const QString problem = shown.constFirst().problem;
        QCOMPARE(problem.startsWith(QLatin1String("breaks ")), broken);
        if (!broken)
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // A scrolling list shows a row in part at its top or bottom edge on purpose: only the part
    // drawn has to be in the window. Across the list nothing is cut on purpose: a row wider than
    // its list counts whole.
    void rowCutByAList_data()
    {
        QTest::addColumn<QRectF>("list");
        QTest::addColumn<QPointF>("row");
        QTest::addColumn<QString>("text");
        // The problem the check finds, by its first words; empty: none.
        QTest::addColumn<QString>("problem");
        const QString outside = QStringLiteral("outside the window");
        QTest::newRow("cut at the list's bottom edge, the rest below the window")
            << QRectF(0, 280, 480, 30) << QPointF(10, 25) << QStringLiteral("Bath time")
            << QString();
        QTest::newRow("cut at the list's top edge, the rest above the window")
            << QRectF(0, 10, 480, 100) << QPointF(10, -15) << QStringLiteral("Bath time")
            << QString();
        QTest::newRow("whole in the list, below the window")
            << QRectF(0, 310, 480, 40) << QPointF(10, 5) << QStringLiteral("Bath time") << outside;
        QTest::newRow("wider than its list, past the window's side")
            << QRectF(0, 100, 480, 50) << QPointF(400, 10)
            << QStringLiteral("Saunan käynnistyksen estoaika") << outside;
    }

    void rowCutByAList()
    {
        QFETCH(QRectF, list);
        QFETCH(QPointF, row);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        QQmlComponent scene(&m_engine);
        scene.setData(QStringLiteral("import QtQuick\n"
                                     "Item {\n"
                                     "    width: 480; height: 320\n"
                                     "    Flickable {\n"
                                     "        x: %1; y: %2; width: %3; height: %4\n"
                                     "        clip: true\n"
                                     "        contentWidth: width; contentHeight: 400\n"
                                     "        Text { x: %5; y: %6; text: \"%7\"; "
                                     "font.pixelSize: 16 }\n"
                                     "    }\n"
                                     "}\n")
                          .arg(list.x())
                          .arg(list.y())
                          .arg(list.width())
                          .arg(list.height())
                          .arg(row.x())
                          .arg(row.y())
                          .arg(text)
                          .toUtf8(),
                      QUrl());
        std::unique_ptr<QQuickItem> root(qobject_cast<QQuickItem *>(scene.create()));
        QVERIFY2(root, qPrintable(scene.errorString()));
        root->setParentItem(m_window->contentItem());
        QVERIFY(QQuickTest::qWaitForPolish(m_window.get()));
        const QList<textFit::ShownText> shown = textFit::shownTexts(root.get());
        QCOMPARE(shown.size(), 1);
        const QString found = shown.constFirst().problem;
        QVERIFY2(problem.isEmpty() ? found.isEmpty() : found.startsWith(problem),
                 qPrintable(found));
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_text_fit.moc"
