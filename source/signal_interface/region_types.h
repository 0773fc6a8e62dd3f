#pragma once

#include <QObject>
#include <QString>

namespace signalInterface {

// Region that selects the default units and formats.
class RegionTypes : public QObject
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

    // fromInt writes result only for a declared value; toText gives the key text.
    static bool fromInt(int value, RegionType &result);
    static QString toText(RegionType value);
};

} // namespace signalInterface
