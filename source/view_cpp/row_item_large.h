#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/row_item_base.h"

#include <QString>

namespace view {

// A large row: a text and two values (component type E_row_large).
class RowItemLarge : public RowItemBase
{
    Q_OBJECT

public:
    explicit RowItemLarge(int applId);

    QVariant data(int role) const override;
    bool setData(const QVariant &value, int role) override;
    int componentType() const override { return ComponentTypes::E_row_large; }

    void setTextOnSubMenu(const QString &text);
    void setTextValue1(const QString &text);
    void setTextValue2(const QString &text);

private:
    QString m_textOnSubMenu;
    QString m_textValue1;
    QString m_textValue2;
};

} // namespace view
