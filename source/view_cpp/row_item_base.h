#pragma once

#include "view_cpp/list_item.h"

#include <QByteArray>
#include <QHash>

namespace view {

// The part every row of the second row family has: position, enabled, opacity, pressed look.
// Its subclasses add their own fields and share this family's one role table.
class RowItemBase : public ListItem
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

    RowItemBase(int applId, int layoutOrder);

    static QHash<int, QByteArray> roleNames();

    // Answers ids 33-37; a subclass answers its own ids and passes the others here.
    QVariant data(int role) const override;
    bool setData(const QVariant &value, int role) override;

    // The QmlObjectType value QML picks the row's component by.
    virtual int componentType() const = 0;

    void setLayoutOrder(int layoutOrder);
    void setBackgroundPressedMode(const int &mode);
    void setEnabled(bool enabled);
    void setOpacity(double opacity);

private:
    int m_layoutOrder = 1;
    bool m_enabled = true;
    double m_opacity = 1.0;
    int m_backgroundPressedMode = 0;
};

} // namespace view
