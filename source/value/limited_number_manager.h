#pragma once

#include <QObject>

#include <limits>
#include <optional>

namespace value {

// Base of the editors of one optional 64-bit number between two limits (the integer and the
// duration managers). A limit set past the other one takes the other along, and the held number
// always lies within the limits. The subclass tells QML the number and the steppers' states.
class LimitedNumberManager : public QObject
{
    Q_OBJECT
    // Whether a number is held: an editor offers to send only then.
    Q_PROPERTY(bool hasValue READ hasValue NOTIFY hasValueChanged)

public:
    std::optional<qint64> value() const { return m_value; }
    bool hasValue() const { return m_value.has_value(); }
    qint64 lowerLimit() const { return m_lowerLimit; }
    qint64 upperLimit() const { return m_upperLimit; }

    void setLowerLimit(const qint64 &limit);
    void setUpperLimit(const qint64 &limit);
    // Holds the number as far as the limits allow; a change is told, then the steppers' states.
    void setValueCheckLimits(const qint64 &newValue);
    void setValue(const qint64 &newValue);
    // Whether a step may lead to the candidate: a number is held, the candidate differs from it
    // and lies within the limits.
    bool isAcceptable(qint64 candidate) const;

signals:
    void hasValueChanged();

protected:
    explicit LimitedNumberManager(QObject *parent);

    // Tell the held number, and the steppers' states; neither tells anything without a number.
    virtual void emitValueChanged() = 0;
    virtual void checkLimits() = 0;
    template<typename Manager, typename T>
    friend void holdValue(Manager &manager, std::optional<T> &held, const T &newValue);
    // Drops the held number; returns whether there was one.
    bool dropValue();

    std::optional<qint64> m_value;
    qint64 m_lowerLimit = 0;
    qint64 m_upperLimit = std::numeric_limits<qint64>::max();

private:
    // Moves the held number into new limits; the move is told, the steppers' states are not.
    void clampValueToLimits();
};

} // namespace value
