#pragma once

#include "value/duration_manager.h"

namespace value {

// Duration editor whose top component is the hour: the hour stepper wraps around at the limits,
// the lower components step without wrapping.
class DurationManagerMostSignificantComponentHour : public DurationManager
{
    Q_OBJECT

public:
    explicit DurationManagerMostSignificantComponentHour(QObject *parent = nullptr);

    qint64 stepValue(int component, int direction) const override;
};

} // namespace value
