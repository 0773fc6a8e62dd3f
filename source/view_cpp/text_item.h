#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/list_item.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace view {

// A line of text with its font size as value2 (component type E_text).
class TextItem : public ListItem
{
    Q_OBJECT

public:
    explicit TextItem(const QString &value);

    static QHash<int, QByteArray> roleNames();

    QVariant data(int role) const override;
    bool setData(const QVariant &value, int role) override;

    void setText(const QString &text);
    void setFontSize(int fontSize);
    // For callers whose row may not exist: a null item is left alone.
    static void setTextOf(TextItem *item, const QString &text);

private:
    // The role-to-field table: each role id of the value table this kind has, with its field.
    static const RoleTable<TextItem> &roleTable();

    static constexpr int m_componentType = ComponentTypes::E_text;
    QString m_value;
    int m_fontSize = 16;
};

} // namespace view
