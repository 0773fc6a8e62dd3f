#include "view_cpp/qeyboard.h"

#include <QQuickItem>
#include <QQuickView>
#include <QQuickWidget>

namespace view {

namespace {

const QString keyboardItemName = QStringLiteral("onScreenKeyboard");

QQuickItem *findInItemTree(QQuickItem *item)
{
    if (!item)
        return nullptr;
    if (item->objectName() == keyboardItemName)
        return item;
    const auto children = item->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findInItemTree(child))
            return found;
    }
    return nullptr;
}

// The root object of the scene that a view parent shows.
QObject *sceneRootOf(QObject *parent)
{
    if (auto *widget = qobject_cast<QQuickWidget *>(parent))
        return widget->rootObject();
    if (auto *view = qobject_cast<QQuickView *>(parent))
        return view->rootObject();
    return nullptr;
}

QQuickItem *findKeyboardItem(QObject *sceneRoot)
{
    if (!sceneRoot)
        return nullptr;
    if (auto *rootItem = qobject_cast<QQuickItem *>(sceneRoot);
        rootItem && rootItem->objectName() == keyboardItemName)
        return rootItem;
    // Items a Loader or Repeater creates are not QObject children of the root, so the visual
    // item tree is searched as well.
    if (auto *child = sceneRoot->findChild<QQuickItem *>(keyboardItemName))
        return child;
    return findInItemTree(qobject_cast<QQuickItem *>(sceneRoot));
}

} // namespace

Qeyboard::Qeyboard(QObject *parent)
    : QObject(parent)
{
    if (QQuickItem *item = findKeyboardItem(sceneRootOf(parent))) {
        // The QML item declares these as functions; their untyped parameter is a QVariant.
        connect(this, SIGNAL(openKeyboard(QVariant)), item, SLOT(openKeyboard(QVariant)));
        connect(this, SIGNAL(closeKeyboard()), item, SLOT(closeKeyboard()));
    }
}

int Qeyboard::connectKeyboardRequests(const QList<QObject *> &sources)
{
    int failures = 0;
    for (QObject *source : sources) {
        if (!connect(source, SIGNAL(openKeyboard()), this, SLOT(onOpenKeyboard())))
            ++failures;
        if (!connect(source, SIGNAL(closeKeyboard()), this, SLOT(onCloseKeyboard())))
            ++failures;
    }
    return failures;
}

int Qeyboard::connectKeyboardTextRequests(const QList<QObject *> &sources)
{
    int failures = 0;
    for (QObject *source : sources) {
        if (!connect(source, SIGNAL(openKeyboard(QString)), this, SLOT(onOpenKeyboard(QString))))
            ++failures;
        if (!connect(source, SIGNAL(closeKeyboard()), this, SLOT(onCloseKeyboard())))
            ++failures;
    }
    return failures;
}

void Qeyboard::onOpenKeyboard()
{
    emit openKeyboard(QVariant(0));
}

void Qeyboard::onOpenKeyboard(QString value)
{
    emit openKeyboard(QVariant(value));
}

void Qeyboard::onCloseKeyboard()
{
    emit closeKeyboard();
}

} // namespace view
