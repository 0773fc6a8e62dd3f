#pragma once

#include "signal_interface/enum_value_text.h"

#include <QObject>
#include <QString>

namespace signalInterface {

// Region that selects the default units and formats.
class RegionTypes : public QObject, public EnumConversions<RegionTypes>
{
    Q_OBJECT

public:
    enum RegionType : int {
        E_eu = 0,
        E_north_america = 1,
        E_other = 2,
    };
    Q_ENUM(RegionType)

    explicit RegionTypes(QObject *parent = nullptr);
    ~RegionTypes() override;
};

} // namespace signalInterface
