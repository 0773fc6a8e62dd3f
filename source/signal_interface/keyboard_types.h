#pragma once

#include <QObject>
#include <QString>

namespace signalInterface {

// Kinds of on-screen keyboard keys.
class KeyboardTypes : public QObject
{
    Q_OBJECT

public:
    enum KeyType : int {
        E_text = 0,
        E_backspace = 1,
    };
    Q_ENUM(KeyType)

    explicit KeyboardTypes(QObject *parent = nullptr);
    ~KeyboardTypes() override;
};

} // namespace signalInterface
