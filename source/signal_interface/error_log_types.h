#pragma once

#include "signal_interface/node_information_types.h"

#include <QDateTime>
#include <QMetaType>

namespace signalInterface::ErrorLogTypes {

// One entry of the sauna's error log (index 0-31).
struct ErrorLogItem
{
    bool flag() const { return firstFlag; }
    bool isFlagClear() const { return !firstFlag; }

    bool operator==(const ErrorLogItem &other) const
    {
        return index == other.index && firstFlag == other.firstFlag && time == other.time &&
               board == other.board && code == other.code && secondFlag == other.secondFlag;
    }
    bool operator!=(const ErrorLogItem &other) const { return !(*this == other); }

    quint32 index = 0;
    bool firstFlag = false;
    QDateTime time;
    NodeInformationTypes::RcbMasterSlaveMode board = NodeInformationTypes::E_master;
    quint32 code = 0;
    bool secondFlag = false;
};

// Ordering for a newest-first sort: true when b was logged before a.
inline bool isLaterThan(const ErrorLogItem &a, const ErrorLogItem &b)
{
    return b.time < a.time;
}

} // namespace signalInterface::ErrorLogTypes

Q_DECLARE_METATYPE(signalInterface::ErrorLogTypes::ErrorLogItem)
