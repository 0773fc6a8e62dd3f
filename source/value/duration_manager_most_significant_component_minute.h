#pragma once

#include "value/duration_manager.h"

namespace value {

// Duration editor for a few minutes with second or sub-second resolution: the minute stepper wraps
// around at the limits and the hour stepper does nothing.
class DurationManagerMostSignificantComponentMinute : public DurationManager
{
    Q_OBJECT

public:
    explicit DurationManagerMostSignificantComponentMinute(QObject *parent = nullptr);

    qint64 stepValue(int component, int direction) const override;
};

} // namespace value
