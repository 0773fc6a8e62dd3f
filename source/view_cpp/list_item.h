#pragma once

#include "view_cpp/role_table.h"

#include <QObject>
#include <QVariant>

namespace view {

// One row of a ListModel: holds the row's values and answers for them by role id.
//
// A kind keeps its values in plain fields and binds each role id to its field in one role table
// (role_table.h), kept beside the kind's role names. data(), setData() and the kind's setters
// all go through that table, so the rule by which a role is stored is written once.
class ListItem : public QObject
{
    Q_OBJECT

public:
    explicit ListItem(int applId);

    // The id the row's builder chose (a relay number, a menu entry, a day); views read it by row
    // through ListModel::getApplId. A new id is announced like a new value, so a view showing the
    // row reads it again.
    int applId() const { return m_applId; }
    void setApplId(int applId);

    // The value of the role, or an invalid QVariant for a role this kind does not have.
    virtual QVariant data(int role) const = 0;
    // Stores the value of the role; false for a role this kind does not accept.
    virtual bool setData(const QVariant &value, int role) = 0;

signals:
    // A value was set. The row is announced as a whole: views read all of its roles again.
    void dataChanged();

protected:
    // data() and setData() of a kind whose role table binds fields of Owner (usually the kind).
    template<typename Owner>
    static QVariant readRole(const RoleTable<Owner> &table, const Owner &owner, int role)
    {
        const FieldAccess<Owner> *field = fieldOfRole(table, role);
        return field != nullptr ? field->read(owner) : QVariant();
    }
    template<typename Owner>
    bool writeRole(const RoleTable<Owner> &table, Owner &owner, const QVariant &value, int role)
    {
        return writeField(fieldOfRole(table, role), owner, value);
    }
    // Stores through the field by its rule and announces the change; false when refused or
    // null.
    template<typename Owner>
    bool writeField(const FieldAccess<Owner> *field, Owner &owner, const QVariant &value)
    {
        if (field == nullptr)
            return false;
        switch (field->onSet) {
        case OnSet::Refuse:
            return false;
        case OnSet::Ignore:
            return true;
        case OnSet::OnChange:
            if (field->write(owner, value))
                emit dataChanged();
            return true;
        case OnSet::Always:
            field->write(owner, value);
            emit dataChanged();
            return true;
        }
        return false;
    }

    // A setter's store: the typed value goes into the field by the rule its role has in the
    // table, so a setter and setData() of the same role behave alike.
    template<typename Owner, typename T>
    void storeByRole(const RoleTable<Owner> &table, int role, T &field, const T &value)
    {
        const FieldAccess<Owner> *access = fieldOfRole(table, role);
        if (access != nullptr)
            store(access->onSet, field, value);
    }
    template<typename T>
    void store(OnSet onSet, T &field, const T &value)
    {
        if (onSet == OnSet::OnChange && field == value)
            return;
        if (onSet != OnSet::OnChange && onSet != OnSet::Always)
            return;
        field = value;
        emit dataChanged();
    }

private:
    int m_applId = 0;
};

} // namespace view
