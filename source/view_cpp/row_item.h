#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/list_item.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace view {

// A menu row with all row fields and its own role numbering (component type E_row).
class RowItem : public ListItem
{
    Q_OBJECT

public:
    // Ids 40 and 41 are deliberately unused in this family's numbering.
    enum Role {
        ComponentTypeRole = 33,
        TextOnSubMenuRole = 34,
        TextValue1Role = 35,
        TextValue2Role = 36,
        TextValue3Role = 37,
        LayoutOrderRole = 38,
        LayoutTypeRole = 39,
        BackgroundPressedModeRole = 42,
        CheckmarkCheckedRole = 43,
        TypeOfItemRole = 44,
        TruncateTextRole = 45,
        EnabledRole = 46,
        OpacityRole = 47,
    };

    RowItem(int typeOfItem, int layoutOrder, const QString &layoutType);
    RowItem(const QString &textOnSubMenu, int applId);

    static QHash<int, QByteArray> roleNames();

    QVariant data(int role) const override;
    bool setData(const QVariant &value, int role) override;

    void setTextOnSubMenu(const QString &text);
    void setCheckmarkChecked(bool checked);
    void setLayoutOrder(int layoutOrder);
    void setLayoutType(const QString &layoutType);
    void setTypeOfItem(int typeOfItem);
    void setTruncateText(bool truncate);
    void setEnabled(bool enabled);
    void setOpacity(double opacity);

    // For callers whose row may not exist: a null item is left alone.
    static void setTextOnSubMenuOf(RowItem *item, const QString &text);
    static void setCheckmarkCheckedOf(RowItem *item, bool checked);

private:
    static constexpr int m_componentType = ComponentTypes::E_row;
    QString m_textOnSubMenu;
    QString m_textValue1;
    QString m_textValue2;
    QString m_textValue3;
    int m_layoutOrder = 1;
    QString m_layoutType = QStringLiteral("multiple");
    bool m_checkmarkChecked = false;
    int m_typeOfItem = 0;
    bool m_truncateText = false;
    bool m_enabled = true;
    double m_opacity = 1.0;
    int m_backgroundPressedMode = 0;
};

} // namespace view
