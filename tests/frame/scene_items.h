#pragma once

#include <QQuickItem>
#include <QTest>

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

// A step of a helper that checks; the test ends at the first failed one.
#define STEP(call)                                                                                 \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)
