#pragma once

#include "view_cpp/list_item.h"
#include "view_cpp/row_item_tables.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

namespace view {

// What a role of a menu row stands for. The two row families (RowItem, and RowItemBase with its
// subclasses) number their roles differently but store the same fields by the same rules; each
// family's role table maps its ids and names onto these.
enum class RowField {
    ComponentType,
    TextOnSubMenu, // the row's label
    TextValue1,
    TextValue2,
    TextValue3,
    LayoutOrder,
    LayoutType,
    CheckmarkChecked,
    TypeOfItem,
    TruncateText,
    Enabled,
    Opacity,
    BackgroundPressedMode,
    IconType,
};

// One role of a row family: its id, its name for QML and the field it stands for.
struct RowRole
{
    int id;
    const char *name;
    RowField field;
};

// The values of a menu row. Fields a kind does not have keep their start values unseen.
struct RowFields
{
    QString textOnSubMenu;
    QString textValue1;
    QString textValue2;
    QString textValue3;
    int layoutOrder = 1;
    QString layoutType = rowLayoutType::multiple;
    bool checkmarkChecked = false;
    int typeOfItem = 0;
    bool truncateText = false;
    bool enabled = true;
    double opacity = 1.0;
    int backgroundPressedMode = 0;
    int iconType = 0;
};

// The part both row families share: the row's fields, answered through the family's role table
// for the fields the kind has. The setters are here once; each kind makes public the ones it
// offers.
class RowFieldsItem : public ListItem
{
    Q_OBJECT

public:
    QVariant data(int role) const override;
    bool setData(const QVariant &value, int role) override;

protected:
    // The QmlObjectType value QML picks the row's component by.
    virtual int componentType() const = 0;

    // The role id of the field in this row's family, or -1 when the family has no such role.
    int roleOf(RowField field) const;
    // The field a role id of this row's family stands for, when this kind has it.
    bool fieldOf(int role, RowField &field) const;

    // Every row has a layout position (see updateLayoutOrder).
    void setLayoutOrder(int layoutOrder);

    // A family's role table as the model's role-name table.
    static QHash<int, QByteArray> roleNamesOf(const std::vector<RowRole> &family);

    // family: the role table of the row's family; fields: the fields this kind has.
    RowFieldsItem(int applId, const std::vector<RowRole> &family,
                  const std::vector<RowField> &fields);

    RowFields &fields() { return m_fields; }

    void setTextOnSubMenu(const QString &text);
    void setTextValue1(const QString &text);
    void setTextValue2(const QString &text);
    void setCheckmarkChecked(bool checked);
    void setLayoutType(const QString &layoutType);
    void setTypeOfItem(int typeOfItem);
    void setTruncateText(bool truncate);
    void setEnabled(bool enabled);
    void setOpacity(double opacity);
    void setBackgroundPressedMode(const int &mode);
    void setIconType(int iconType);

private:
    bool has(RowField field) const;
    template<typename T>
    void storeField(RowField field, T RowFields::*member, const T &value);

    const std::vector<RowRole> &m_family;
    unsigned m_has = 0;
    RowFields m_fields;
};

} // namespace view
