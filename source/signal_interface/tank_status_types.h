#pragma once

#include <QObject>
#include <QString>

namespace signalInterface {

// Water level of the steam generator's tank.
class TankStatusTypes : public QObject
{
    Q_OBJECT

public:
    enum TankWaterLevel : int {
        E_low = 0,
        E_mid = 1,
        E_high = 2,
        E_unknown = 3,
    };
    Q_ENUM(TankWaterLevel)

    explicit TankStatusTypes(QObject *parent = nullptr);
    ~TankStatusTypes() override;
};

} // namespace signalInterface
