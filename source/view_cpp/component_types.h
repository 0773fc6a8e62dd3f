#pragma once

#include "signal_interface/enum_value_text.h"

#include <QObject>
#include <QString>

namespace view {

// The visual component a list row asks its QML delegate for; QML names the keys through the
// "ViewTypes" type.
class ComponentTypes : public QObject, public signalInterface::EnumConversions<ComponentTypes>
{
    Q_OBJECT

public:
    enum QmlObjectType : int {
        E_divider_large = 0,
        E_divider_small = 1,
        E_stepper = 2,
        E_toggle = 3,
        E_choice_picker = 4,
        E_text = 5,
        E_button = 6,
        E_row = 7,
        E_row_icon = 8,
        E_row_large = 9,
        E_row_plain = 10,
        E_text_row = 11,
    };
    Q_ENUM(QmlObjectType)

    explicit ComponentTypes(QObject *parent = nullptr);
};

} // namespace view
