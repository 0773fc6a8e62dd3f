#pragma once

#include <QObject>
#include <QVariant>

namespace view {

// One row of a ListModel: holds the row's values and answers for them by role id.
class ListItem : public QObject
{
    Q_OBJECT

public:
    explicit ListItem(int applId);

    // The id the row's builder chose (a relay number, a menu entry, a day); QML reads it by row.
    int applId() const { return m_applId; }
    void setApplId(int applId) { m_applId = applId; }

    // The value of the role, or an invalid QVariant for a role this kind does not have.
    virtual QVariant data(int role) const = 0;
    // Stores the value of the role; false for a role this kind does not accept.
    virtual bool setData(const QVariant &value, int role) = 0;

signals:
    void dataChanged();

protected:
    // Stores the value and announces it only when it differs from the stored one.
    template<typename T>
    void storeOnChange(T &field, const T &value)
    {
        if (field == value)
            return;
        field = value;
        emit dataChanged();
    }
    // Stores the value and announces it on every set.
    template<typename T>
    void storeAlways(T &field, const T &value)
    {
        field = value;
        emit dataChanged();
    }

private:
    int m_applId = 0;
};

} // namespace view
