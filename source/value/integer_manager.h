#pragma once

#include <QList>
#include <QObject>

#include <limits>
#include <optional>

namespace value {

// One whole number edited in fixed steps between two limits; stepping past either end wraps
// around to the other end.
class IntegerManager : public QObject
{
    Q_OBJECT
    // Whether a number is held: an editor offers to send only then. The first number is told
    // as every other.
    Q_PROPERTY(bool hasValue READ hasValue NOTIFY valueChanged)

public:
    explicit IntegerManager(QObject *parent = nullptr);

    // Returns the number of items whose valueChangeRequested(int) could not be connected.
    int connectChangeRequests(const QList<QObject *> &items);

    void setStep(int step) { m_step = step; }
    int step() const { return m_step; }

    std::optional<qint64> value() const { return m_value; }
    bool hasValue() const { return m_value.has_value(); }
    qint64 lowerLimit() const { return m_lowerLimit; }
    qint64 upperLimit() const { return m_upperLimit; }

    // A limit set past the other one takes the other along; a held value is moved into the
    // limits and told, then the steppers' states.
    void setLowerLimit(const qint64 &limit);
    void setUpperLimit(const qint64 &limit);
    // Holds the number as far as the limits allow; a change is told, then the steppers' states.
    void setValueCheckLimits(const qint64 &newValue);
    void setValue(const qint64 &newValue);
    // Whether a step may lead to the candidate: a number is held, the candidate differs from it
    // and lies within the limits.
    bool isAcceptable(qint64 candidate) const;

    qint64 steppedValue(int direction) const;
    void checkLimits();
    void emitValueChanged();

signals:
    void valueFormattedChanged(QString text);
    void valueChanged(int value);
    void decreaseApplicableChanged(bool applicable);
    void increaseApplicableChanged(bool applicable);

public slots:
    void onValueChangeRequested(int direction);

private:
    void moveValueIntoLimits();

    std::optional<qint64> m_value;
    qint64 m_lowerLimit = 0;
    qint64 m_upperLimit = std::numeric_limits<qint64>::max();
    int m_step = 1;
};

} // namespace value
