#pragma once

#include <QList>
#include <QQuickItem>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// What the scene tests share: the warnings the QML engine gives and look-ups in the item tree.
namespace sceneTest {

// Every warning of the QML engine, recorded by recordMessage once it is installed with
// qInstallMessageHandler (keeping the handler it replaces in previousHandler).
inline QStringList recordedWarnings;
inline QtMessageHandler previousHandler = nullptr;

inline void recordMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
        recordedWarnings << text;
    if (previousHandler)
        previousHandler(type, context, text);
}

// The first item of that object name below parent, shown or not.
inline QQuickItem *findInItemTree(QQuickItem *parent, const QString &objectName)
{
    for (QQuickItem *child : parent->childItems()) {
        if (child->objectName() == objectName)
            return child;
        if (QQuickItem *found = findInItemTree(child, objectName))
            return found;
    }
    return nullptr;
}

// Whether a page stack below parent is still moving a page in or out.
inline bool anyStackBusy(QQuickItem *parent)
{
    for (QQuickItem *child : parent->childItems()) {
        if (child->inherits("QQuickStackView") && child->property("busy").toBool())
            return true;
        if (anyStackBusy(child))
            return true;
    }
    return false;
}

} // namespace sceneTest
