#pragma once

#include <QMetaEnum>
#include <QMetaObject>
#include <QString>

namespace signalInterface {

// Key text of an enum value, looked up by the enum's name in the holder's meta-object; a number
// with no key becomes "undefined value:" followed by the number.
template<typename Holder, typename Enum>
QString enumValueText(const char *enumName, const Enum &value)
{
    const int number = static_cast<int>(value);
    const QMetaObject &metaObject = Holder::staticMetaObject;
    const int index = metaObject.indexOfEnumerator(enumName);
    if (index >= 0) {
        if (const char *key = metaObject.enumerator(index).valueToKey(number))
            return QString::fromLatin1(key);
    }
    return QStringLiteral("undefined value:") + QString::number(number);
}

// Range check for integers from outside. It accepts exactly the declared values, so an enum
// with gaps refuses the numbers between its keys. result is written only on success.
template<typename Holder, typename Enum>
bool enumFromInt(const char *enumName, int value, Enum &result)
{
    const QMetaObject &metaObject = Holder::staticMetaObject;
    const int index = metaObject.indexOfEnumerator(enumName);
    if (index < 0 || metaObject.enumerator(index).valueToKey(value) == nullptr)
        return false;
    result = static_cast<Enum>(value);
    return true;
}

} // namespace signalInterface
