#pragma once

#include "value/limited_number_manager.h"

#include <QList>
#include <QObject>

namespace value {

// One whole number edited in fixed steps between two limits; stepping past either end wraps
// around to the other end.
class IntegerManager : public LimitedNumberManager
{
    Q_OBJECT

public:
    explicit IntegerManager(QObject *parent = nullptr);

    // Returns the number of items whose valueChangeRequested(int) could not be connected.
    int connectChangeRequests(const QList<QObject *> &items);

    void setStep(int step) { m_step = step; }
    int step() const { return m_step; }

    qint64 steppedValue(int direction) const;
    void checkLimits() override;
    void emitValueChanged() override;

signals:
    void valueFormattedChanged(QString text);
    void valueChanged(int value);
    void decreaseApplicableChanged(bool applicable);
    void increaseApplicableChanged(bool applicable);

public slots:
    void onValueChangeRequested(int direction);

private:
    int m_step = 1;
};

} // namespace value
