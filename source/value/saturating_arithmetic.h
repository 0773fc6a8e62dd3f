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

// The int a step of the given size leads to from a held int, worked out in 64 bits and held
// within an int: a value near either end of an int never wraps.
inline int intAfterStep(int held, qint64 step)
{
    return int(clampToRange(qint64(held) + step, std::numeric_limits<int>::min(),
                            std::numeric_limits<int>::max()));
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

// Where a step that would pass a limit is ignored: the value a step from the held value to the
// next one leads to, or nothing when it would pass a limit or the held value is already at or
// beyond the limit it heads for. From beyond the other limit (one that moved under the value) a
// step goes no further than into the limits.
inline std::optional<qint64> stepWithinLimits(qint64 held, qint64 next, qint64 lower, qint64 upper)
{
    if (next > held) {
        if (held >= upper)
            return std::nullopt;
        if (held < lower)
            return clampToRange(next, lower, upper);
        return next > upper ? std::nullopt : std::optional<qint64>(next);
    }
    if (next < held) {
        if (held <= lower)
            return std::nullopt;
        if (held > upper)
            return clampToRange(next, lower, upper);
        return next < lower ? std::nullopt : std::optional<qint64>(next);
    }
    return std::nullopt;
}

} // namespace value
