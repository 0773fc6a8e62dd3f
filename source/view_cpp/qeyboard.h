#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

namespace view {

// Gathers the requests of controllers and settings screens to open or close the on-screen
// keyboard and passes them on to the QML keyboard item "onScreenKeyboard".
class Qeyboard : public QObject
{
    Q_OBJECT

public:
    // Connects to the keyboard item "onScreenKeyboard" in the scene of a QQuickWidget or
    // QQuickView parent. Without such a parent or item, requests go nowhere.
    explicit Qeyboard(QObject *parent);

    // Connects each source's openKeyboard() and closeKeyboard(); returns the failed connections.
    int connectKeyboardRequests(const QList<QObject *> &sources);

    // Connects each source's openKeyboard(QString) and closeKeyboard(); returns the failed
    // connections.
    int connectKeyboardTextRequests(const QList<QObject *> &sources);

signals:
    // Declared for the QML side; nothing emits it.
    void openKeyboard(QString value);
    void openKeyboard(QVariant imHint);
    void closeKeyboard();

public slots:
    void onOpenKeyboard();
    void onOpenKeyboard(QString value);
    void onCloseKeyboard();
};

} // namespace view
