#include "value/humidity_unit_follower.h"

#include "signal_interface/sender_connections.h"
#include "value/value_logging.h"

using signalInterface::MasterFuncDescTypes;

namespace value {

HumidityUnitFollower::HumidityUnitFollower(QObject *parent)
    : QObject(parent)
{}

int HumidityUnitFollower::connectSaunaSources(const QList<QObject *> &sources)
{
    return signalInterface::connectSenders(
        sources, this,
        {{SIGNAL(saunaMasterFuncDescChanged(
              ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost)),
          SLOT(onSaunaMasterFuncDescChanged(
              ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost))},
         {SIGNAL(saunaHumiditySensorStatusChanged(bool)),
          SLOT(onSaunaHumiditySensorStatusChanged(bool))}});
}

void HumidityUnitFollower::onSaunaMasterFuncDescChanged(
    MasterFuncDescTypes::MasterFuncDescPost description)
{
    if (const auto unit = m_unitRule.onDescription(description))
        followUnit(*unit);
}

void HumidityUnitFollower::onSaunaHumiditySensorStatusChanged(bool sensorOk)
{
    qCDebug(valueLog).noquote() << Q_FUNC_INFO << (sensorOk ? "true" : "false");
    followUnit(m_unitRule.onSensorStatus(sensorOk));
}

} // namespace value
