#pragma once

#include "signal_interface/protocol_facts.h"

#include <QMetaType>

namespace signalInterface::SmartStartTypes {

// The sauna's warm-up characteristics, used to plan start times.
struct SmartStartParameters
{
    bool operator==(const SmartStartParameters &other) const
    {
        return heatRatio == other.heatRatio && value2 == other.value2 && flag == other.flag;
    }
    bool operator!=(const SmartStartParameters &other) const { return !(*this == other); }

    // Temperature rise per minute, in ninths of a degree.
    quint32 heatRatio = protocolFacts::factoryHeatRatio;
    quint32 value2 = 0;
    qint32 flag = 0;
};

} // namespace signalInterface::SmartStartTypes

Q_DECLARE_METATYPE(signalInterface::SmartStartTypes::SmartStartParameters)
