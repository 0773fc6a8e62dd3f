#pragma once

#include <QtGlobal>

#include <limits>
#include <optional>

namespace value {

// 64-bit additions that stop at the ends of the range: the default limits of the integer and
// duration managers reach the largest qint64, so a plain step there would overflow before the
// clamp.
inline qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 result = 0;
    if (__builtin_add_overflow(a, b, &result))
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return result;
}

inline qint64 saturatingSubtract(qint64 a, qint64 b)
{
    qint64 result = 0;
    if (__builtin_sub_overflow(a, b, &result))
        return b < 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return result;
}

inline qint64 clampToRange(qint64 v, qint64 lower, qint64 upper)
{
    if (v < lower)
        return lower;
    if (v > upper)
        return upper;
    return v;
}

// Sets one of two limits; the other follows, so that lower <= upper always holds.
inline void setLowerLimitKeepingOrder(qint64 &lower, qint64 &upper, qint64 limit)
{
    lower = limit;
    if (limit > upper)
        upper = limit;
}

inline void setUpperLimitKeepingOrder(qint64 &lower, qint64 &upper, qint64 limit)
{
    upper = limit;
    if (limit < lower)
        lower = limit;
}

// Moves a held value into the limits; true when it moved.
inline bool moveIntoLimits(std::optional<qint64> &value, qint64 lower, qint64 upper)
{
    if (!value)
        return false;
    const qint64 clamped = clampToRange(*value, lower, upper);
    if (clamped == *value)
        return false;
    value = clamped;
    return true;
}

// Holds a new value, moved into the limits; true when the held value changed.
inline bool holdWithinLimits(std::optional<qint64> &value, qint64 newValue, qint64 lower,
                             qint64 upper)
{
    const qint64 clamped = clampToRange(newValue, lower, upper);
    if (value && *value == clamped)
        return false;
    value = clamped;
    return true;
}

// Whether a step may lead from the held value to the candidate: a value is held, the candidate
// differs from it and lies within the limits.
inline bool isStepWithinLimits(const std::optional<qint64> &value, qint64 candidate, qint64 lower,
                               qint64 upper)
{
    return value && candidate != *value && candidate >= lower && candidate <= upper;
}

} // namespace value
