#pragma once

#include "signal_interface/humidity_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "value/humidity_unit_rule.h"

#include <QList>
#include <QObject>

namespace value {

// Base of the humidity managers whose unit follows the sauna's reports: its function description
// and its humidity sensor status, each turned into the unit it calls for by HumidityUnitRule.
class HumidityUnitFollower : public QObject
{
    Q_OBJECT

public:
    // Returns the number of connects that failed (two signals per sauna source).
    int connectSaunaSources(const QList<QObject *> &sources);

public slots:
    void onSaunaMasterFuncDescChanged(
        ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost description);
    void onSaunaHumiditySensorStatusChanged(bool sensorOk);

protected:
    explicit HumidityUnitFollower(QObject *parent);

    // Takes the unit a report calls for; it may be the unit already held.
    virtual void followUnit(signalInterface::HumidityTypes::HumidityUnit unit) = 0;
    // Forgets what the reports so far called for, as for another sauna.
    void forgetUnitReports() { m_unitRule = HumidityUnitRule(); }

private:
    HumidityUnitRule m_unitRule;
};

} // namespace value
