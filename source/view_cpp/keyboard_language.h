#pragma once

#include <QObject>
#include <QString>

class QQmlContext;

namespace view {

// Gives QML the character on each key of the on-screen keyboard in the current language.
// Published to QML as "keyboard_language".
class KeyboardLanguage : public QObject
{
    Q_OBJECT

public:
    // Created on the first call and kept for the life of the process.
    static KeyboardLanguage *instance();

    // Sets the context property "keyboard_language" to the one object.
    static void publishToQml(QQmlContext *context);

public slots:
    QString row1KeyText(int index, bool caps, bool symbol) const;
    QString row2KeyText(int index, bool caps, bool symbol) const;
    QString row3KeyText(int index, bool caps, bool symbol) const;
    QString row4KeyText(int index, bool caps, bool symbol) const;
    QString row5KeyText(int index, bool caps, bool symbol) const;

private:
    KeyboardLanguage() = default;

    static QString keyText(int row, int index, bool caps, bool symbol);
};

} // namespace view
