#pragma once

#include <QString>
#include <QVariant>

#include <vector>

// How a list item answers for its roles: a table of role ids, each bound to one field of the item
// and to the rule by which setData() stores it. data(), setData() and the item's own setters all
// go through the one table, so a role and its field cannot drift apart.
namespace view {

// What setData() does with a role.
enum class OnSet {
    Refuse,   // returns false and stores nothing
    Ignore,   // returns true and stores nothing
    OnChange, // stores the value and announces it only when it differs from the stored one
    Always,   // stores the value and announces it on every set
};

// Reads and writes one field of Owner as a QVariant.
template<typename Owner>
struct FieldAccess
{
    QVariant (*read)(const Owner &);
    // Stores the converted value; true when it differed from the stored one.
    bool (*write)(Owner &, const QVariant &);
    OnSet onSet;
};

// One row of a role table: the role id and the field it stands for.
template<typename Owner>
struct RoleField
{
    int role;
    FieldAccess<Owner> field;
};

template<typename Owner>
using RoleTable = std::vector<RoleField<Owner>>;

// The field of the role, or null when the table does not have the role.
template<typename Owner>
const FieldAccess<Owner> *fieldOfRole(const RoleTable<Owner> &table, int role)
{
    for (const RoleField<Owner> &entry : table) {
        if (entry.role == role)
            return &entry.field;
    }
    return nullptr;
}

namespace roleTableDetail {

template<typename>
struct MemberOf;
template<typename O, typename T>
struct MemberOf<T O::*>
{
    using Owner = O;
    using Type = T;
};

// The conversions setData() applies, one per field type.
template<typename T>
T fromVariant(const QVariant &value);
template<>
inline QString fromVariant<QString>(const QVariant &value)
{
    return value.toString();
}
template<>
inline bool fromVariant<bool>(const QVariant &value)
{
    return value.toBool();
}
template<>
inline int fromVariant<int>(const QVariant &value)
{
    return value.toInt();
}
template<>
inline double fromVariant<double>(const QVariant &value)
{
    return value.toDouble();
}

template<auto Member>
using OwnerOf = typename MemberOf<decltype(Member)>::Owner;

template<typename T>
bool assign(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

template<auto Member>
QVariant readPlain(const OwnerOf<Member> &owner)
{
    return QVariant::fromValue(owner.*Member);
}

template<auto Member>
bool writePlain(OwnerOf<Member> &owner, const QVariant &value)
{
    using T = typename MemberOf<decltype(Member)>::Type;
    return assign(owner.*Member, fromVariant<T>(value));
}

template<auto Member, QString (*Show)(int)>
QVariant readShown(const OwnerOf<Member> &owner)
{
    return Show(owner.*Member);
}

template<auto Member, int (*Take)(const QVariant &)>
bool writeTaken(OwnerOf<Member> &owner, const QVariant &value)
{
    return assign(owner.*Member, Take(value));
}

template<typename Owner, int Value>
QVariant readConstant(const Owner &)
{
    return Value;
}

template<typename Owner>
bool writeNothing(Owner &, const QVariant &)
{
    return false;
}

} // namespace roleTableDetail

// A field shown to QML as it is stored: QString, bool, int or double.
template<auto Member>
constexpr FieldAccess<roleTableDetail::OwnerOf<Member>> field(OnSet onSet)
{
    return {&roleTableDetail::readPlain<Member>, &roleTableDetail::writePlain<Member>, onSet};
}

// An int field shown to QML through a text table: Show gives the text of the stored number,
// Take the number of a written text.
template<auto Member, QString (*Show)(int), int (*Take)(const QVariant &)>
constexpr FieldAccess<roleTableDetail::OwnerOf<Member>> textField(OnSet onSet)
{
    return {&roleTableDetail::readShown<Member, Show>, &roleTableDetail::writeTaken<Member, Take>,
            onSet};
}

// A value fixed for the item's life, such as its component type; onSet is Refuse or Ignore.
template<typename Owner, int Value>
constexpr FieldAccess<Owner> constant(OnSet onSet)
{
    return {&roleTableDetail::readConstant<Owner, Value>, &roleTableDetail::writeNothing<Owner>,
            onSet};
}

// A value fixed when the item is made but different per item; onSet is Refuse or Ignore.
template<auto Member>
constexpr FieldAccess<roleTableDetail::OwnerOf<Member>> fixedField(OnSet onSet)
{
    return {&roleTableDetail::readPlain<Member>,
            &roleTableDetail::writeNothing<roleTableDetail::OwnerOf<Member>>, onSet};
}

} // namespace view
