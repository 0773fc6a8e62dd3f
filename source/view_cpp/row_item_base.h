#pragma once

#include "view_cpp/row_fields.h"

#include <QByteArray>
#include <QHash>

#include <initializer_list>
#include <vector>

namespace view {

// The part every row of the second row family has: position, enabled, opacity, pressed look.
// Its subclasses name the further fields they have and share this family's one role table.
class RowItemBase : public RowFieldsItem
{
    Q_OBJECT

public:
    enum Role {
        ComponentTypeRole = 33,
        LayoutOrderRole = 34,
        EnabledRole = 35,
        OpacityRole = 36,
        BackgroundPressedModeRole = 37,
        IconTypeRole = 38,
        TextOnSubMenuRole = 39,
        TextValue1Role = 40,
        TextValue2Role = 41,
        TextValue3Role = 42,
        LayoutTypeRole = 43,
        CheckmarkCheckedRole = 44,
        TypeOfItemRole = 45,
        TruncateTextRole = 46,
    };

    static QHash<int, QByteArray> roleNames();

    // The QmlObjectType value of the subclass.
    using RowFieldsItem::componentType;

    using RowFieldsItem::setBackgroundPressedMode;
    using RowFieldsItem::setEnabled;
    using RowFieldsItem::setLayoutOrder;
    using RowFieldsItem::setOpacity;

protected:
    // ownFields: the fields the subclass adds to those every row of the family has (ids 33-37).
    RowItemBase(int applId, int layoutOrder, std::initializer_list<RowField> ownFields);

private:
    // This family's role table: each id with its name and the row field it stands for.
    static const std::vector<RowRole> &roleTable();
};

} // namespace view
