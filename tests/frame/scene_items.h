#pragma once

#include "view_cpp/gui_handler.h"
#include "view_cpp/panel_frame.h"

#include <QQuickItem>
#include <QQuickWidget>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <functional>

// Finding and waiting for the scene's items in the full-program tests.

// The first visible item of the visual tree below the root, depth first, that passes the test.
inline QQuickItem *findVisibleItem(QQuickItem *root, const std::function<bool(QQuickItem *)> &test)
{
    if (root == nullptr || !root->isVisible())
        return nullptr;
    if (test(root))
        return root;
    const QList<QQuickItem *> children = root->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findVisibleItem(child, test))
            return found;
    }
    return nullptr;
}

inline QQuickItem *findVisibleItem(QQuickItem *root, const QString &objectName)
{
    return findVisibleItem(
        root, [&objectName](QQuickItem *item) { return item->objectName() == objectName; });
}

// Waits until no page and no list below the root moves any more: a press on a list that still
// moves only stops it and reaches none of its rows.
inline void waitForSceneAtRest(QQuickItem *root, int timeoutMs)
{
    QTRY_VERIFY_WITH_TIMEOUT(!findVisibleItem(root,
                                              [](QQuickItem *item) {
                                                  return (item->inherits("QQuickStackView") &&
                                                          item->property("busy").toBool()) ||
                                                         (item->inherits("QQuickFlickable") &&
                                                          item->property("moving").toBool());
                                              }),
                             timeoutMs);
}

// The names of the visible named items below the root, for a failure's report.
inline QStringList visibleItemNames(QQuickItem *root)
{
    QStringList names;
    findVisibleItem(root, [&names](QQuickItem *item) {
        if (!item->objectName().isEmpty())
            names << item->objectName();
        return false;
    });
    return names;
}

// A row of a program-built list as the delegate draws it: its main text and its first value.
inline bool isRow(QQuickItem *item)
{
    return item->property("mainText").isValid() && item->property("applId").isValid() &&
           item->height() > 0;
}

// The visible row of the named list that shows that main text; null while there is none.
inline QQuickItem *findRow(QQuickItem *root, const QString &listName, const QString &text)
{
    return findVisibleItem(findVisibleItem(root, listName), [&](QQuickItem *item) {
        return isRow(item) && item->property("mainText").toString() == text;
    });
}

// The main texts of the named list's visible rows, in order.
inline QStringList rowTexts(QQuickItem *root, const QString &listName)
{
    QStringList texts;
    findVisibleItem(findVisibleItem(root, listName), [&](QQuickItem *item) {
        if (isRow(item))
            texts << item->property("mainText").toString();
        return false;
    });
    return texts;
}

inline QQuickItem *sceneRootOf(startUp::PanelFrame &frame)
{
    return qobject_cast<QQuickItem *>(frame.guiHandler.rootObject());
}

// A visible item of that name in the frame's scene, waited for.
inline QQuickItem *waitForVisibleItem(startUp::PanelFrame &frame, const QString &objectName,
                                      int timeoutMs)
{
    QQuickItem *item = nullptr;
    if (!QTest::qWaitFor([&] { return (item = findVisibleItem(sceneRootOf(frame), objectName)); },
                         timeoutMs))
        qWarning("no visible item %s; shown: %s", qPrintable(objectName),
                 qPrintable(visibleItemNames(sceneRootOf(frame)).join(QLatin1Char(' '))));
    return item;
}

// A press and release in the middle of the item, on the widget that shows the frame's scene.
inline void tapItem(startUp::PanelFrame &frame, QQuickItem *item, int timeoutMs)
{
    QVERIFY(item);
    waitForSceneAtRest(sceneRootOf(frame), timeoutMs);
    QTRY_VERIFY(item->isVisible() && item->isEnabled());
    // An open message takes every touch; only its own buttons can be tapped.
    auto *popup = qobject_cast<QQuickItem *>(frame.guiHandler.popupWidget());
    QVERIFY(popup);
    QVERIFY2(!popup->isVisible() || popup->isAncestorOf(item),
             qPrintable(popup->property("popupText").toString()));
    // The place is taken once the scene is laid out: an item shown a moment ago may not be
    // yet (the popup's button moves once its card has been laid out), and a click at its
    // earlier place would miss it. Two taps never make a double click: the test's mouse
    // clock moves on by more than the double-click interval after every release.
    QQuickWidget *view = frame.guiHandler.view();
    QVERIFY(QQuickTest::qWaitForPolish(view->quickWindow(), timeoutMs));
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QVERIFY(view->rect().contains(centre.toPoint()));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

// A step of a helper that checks; the test ends at the first failed one.
#define STEP(call)                                                                                 \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)
