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

public:
    explicit IntegerManager(QObject *parent = nullptr);

    // Returns the number of items whose valueChangeRequested(int) could not be connected.
    int connectChangeRequests(const QList<QObject *> &items);

    void setStep(int step) { m_step = step; }
    int step() const { return m_step; }

    std::optional<qint64> value() const { return m_value; }
    qint64 lowerLimit() const { return m_lowerLimit; }
    qint64 upperLimit() const { return m_upperLimit; }

    void setLowerLimit(const qint64 &limit);
    void setUpperLimit(const qint64 &limit);
    void setValueCheckLimits(const qint64 &newValue);
    void setValue(const qint64 &newValue);
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
    void clampValueToLimits();

    std::optional<qint64> m_value;
    qint64 m_lowerLimit = 0;
    qint64 m_upperLimit = std::numeric_limits<qint64>::max();
    int m_step = 1;
};

} // namespace value
