#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/row_item_base.h"

#include <QString>

namespace view {

// A plain row: a text and three values, no check mark or sub-menu (component type E_row_plain).
class RowItemPlain : public RowItemBase
{
    Q_OBJECT

public:
    RowItemPlain(const QString &textOnSubMenu, int applId);

    QVariant data(int role) const override;
    bool setData(const QVariant &value, int role) override;
    int componentType() const override { return ComponentTypes::E_row_plain; }

    void setTruncateText(bool truncate);

private:
    QString m_textOnSubMenu;
    QString m_textValue1;
    QString m_textValue2;
    QString m_textValue3;
    bool m_truncateText = false;
};

} // namespace view
