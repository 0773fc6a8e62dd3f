#include "view_cpp/qeyboard.h"

#include <QQuickItem>
#include <QQuickView>

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

} // namespace

Qeyboard::Qeyboard(QObject *parent, QObject *sceneRoot)
    : QObject(parent)
{
    if (!sceneRoot) {
        if (auto *view = qobject_cast<QQuickView *>(parent))
            sceneRoot = view->rootObject();
    }
    if (QQuickItem *item = findKeyboardItem(sceneRoot))
        m_connectedToKeyboardItem = connectKeyboardItem(item);
}

QQuickItem *Qeyboard::findKeyboardItem(QObject *sceneRoot)
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

bool Qeyboard::connectKeyboardItem(QQuickItem *item)
{
    // The QML item declares these as functions; their untyped parameter is a QVariant.
    const bool opened =
        connect(this, SIGNAL(openKeyboard(QVariant)), item, SLOT(openKeyboard(QVariant)));
    const bool closed = connect(this, SIGNAL(closeKeyboard()), item, SLOT(closeKeyboard()));
    return opened && closed;
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
