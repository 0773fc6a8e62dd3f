#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

class QQuickItem;

namespace view {

// Gathers the requests of controllers and settings screens to open or close the on-screen
// keyboard and passes them on to the QML keyboard item "onScreenKeyboard".
class Qeyboard : public QObject
{
    Q_OBJECT

public:
    // Connects to the keyboard item found under sceneRoot, or, without one, under the root object
    // of a QQuickView parent. Without an item, requests go nowhere.
    explicit Qeyboard(QObject *parent, QObject *sceneRoot = nullptr);

    // True when both requests reach the QML keyboard item.
    bool isConnectedToKeyboardItem() const { return m_connectedToKeyboardItem; }

    // Connects each source's openKeyboard() and closeKeyboard(); returns the failed connections.
    int connectKeyboardRequests(const QList<QObject *> &sources);

    // Connects each source's openKeyboard(QString) and closeKeyboard(); returns the failed
    // connections.
    int connectKeyboardTextRequests(const QList<QObject *> &sources);

    static QQuickItem *findKeyboardItem(QObject *sceneRoot);

signals:
    // Declared for the QML side; nothing emits it.
    void openKeyboard(QString value);
    void openKeyboard(QVariant imHint);
    void closeKeyboard();

public slots:
    void onOpenKeyboard();
    void onOpenKeyboard(QString value);
    void onCloseKeyboard();

private:
    bool connectKeyboardItem(QQuickItem *item);

    bool m_connectedToKeyboardItem = false;
};

} // namespace view
