#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/row_item_base.h"

#include <QString>

namespace view {

// A menu row with all row fields in the RowItemBase numbering (component type E_row).
class RowItem2 : public RowItemBase
{
    Q_OBJECT

public:
    RowItem2(int typeOfItem, int layoutOrder, const QString &layoutType);
    RowItem2(const QString &textOnSubMenu, int applId);

    QVariant data(int role) const override;
    bool setData(const QVariant &value, int role) override;
    int componentType() const override { return ComponentTypes::E_row; }

    void setTextOnSubMenu(const QString &text);
    void setCheckmarkChecked(bool checked);
    void setLayoutType(const QString &layoutType);
    void setTypeOfItem(int typeOfItem);
    void setTruncateText(bool truncate);

    // For callers whose row may not exist: a null item is left alone.
    static void setTextOnSubMenuOf(RowItem2 *item, const QString &text);
    static void setCheckmarkCheckedOf(RowItem2 *item, bool checked);

private:
    QString m_textOnSubMenu;
    QString m_textValue1;
    QString m_textValue2;
    QString m_textValue3;
    QString m_layoutType = QStringLiteral("multiple");
    bool m_checkmarkChecked = false;
    int m_typeOfItem = 0;
    bool m_truncateText = false;
};

} // namespace view
