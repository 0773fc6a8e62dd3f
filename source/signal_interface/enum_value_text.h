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

// Second base of an enum holder (class X : public QObject, public EnumConversions<X>): fromInt
// and toText for each Q_ENUM that X declares itself. An enum of another class does not compile.
template<typename Holder>
class EnumConversions
{
public:
    // fromInt writes result only for a declared value; toText gives the key text.
    template<typename Enum>
    static bool fromInt(int value, Enum &result)
    {
        return enumFromInt<Holder>(ownEnumName<Enum>(), value, result);
    }

    template<typename Enum>
    static QString toText(Enum value)
    {
        return enumValueText<Holder>(ownEnumName<Enum>(), value);
    }

private:
    // qt_getEnumMetaObject and qt_getEnumName are the friends that Q_ENUM declares.
    template<typename Enum>
    static constexpr const char *ownEnumName()
    {
        static_assert(qt_getEnumMetaObject(Enum()) == &Holder::staticMetaObject,
                      "the enum is not a Q_ENUM of this holder");
        return qt_getEnumName(Enum());
    }
};

} // namespace signalInterface
