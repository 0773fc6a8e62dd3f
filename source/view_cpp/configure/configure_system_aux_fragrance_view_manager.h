#pragma once

#include "signal_interface/auxiliary_relay_types.h"
#include "value/duration_manager_most_significant_component_hour.h"
#include "value/duration_manager_most_significant_component_minute.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item.h"

#include <QList>
#include <QPointer>

namespace view {

class AuxRelayStore;

// A fragrance relay pulses its pump: on for the pump time, off for the stop time, over and over.
// Shows both times of the selected relay and edits each one; the relay itself stays with the
// relay options screen, which also says when to refresh.
class ConfigureSystemAuxFragranceViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    // Pump time in milliseconds (the relay keeps it in 100 ms units), stop time in milliseconds
    // (the relay keeps it in seconds).
    static constexpr qint64 pumpLowerLimitMs = 100;
    static constexpr qint64 pumpUpperLimitMs = 120000;
    static constexpr qint64 stopLowerLimitMs = 1000;
    static constexpr qint64 stopUpperLimitMs = 7200000;

    ConfigureSystemAuxFragranceViewManager(const AuxRelayStore *store, QObject *parent);

    ListModel *model() { return &m_model; }
    value::DurationManager *pumpManager() { return &m_pumpManager; }
    value::DurationManager *stopManager() { return &m_stopManager; }

    // QML "configureSystemsSelector": the page's visibility.
    int connectToView(const QList<QObject *> &senders);
    // QML "configureSystemsSelector": the two editors' saves.
    int connectDurationCommitsFromView(const QList<QObject *> &senders);
    // QML "configureSystemAuxSingleFragranceModel".
    int connectToAuxSingleFragranceModelView(const QList<QObject *> &senders);
    // QML "fragrance_pump" and "fragrance_stop": the editors' steps.
    int connectPumpManagerToView(const QList<QObject *> &senders);
    int connectStopManagerToView(const QList<QObject *> &senders);

    // Rebuilds the row texts from the selected relay.
    void refresh();

    // "Xmin Ys Zms" of a pump time in 100 ms units; "Xh Ymin Zs" of a stop time in seconds.
    static QString pumpTimeText(quint32 tenthsOfSecond);
    static QString stopTimeText(quint32 seconds);

signals:
    void auxRelayUpdateRequested(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay);

public slots:
    void onOptionsFragranceViewVisibleChanged(bool visible);
    void onAuxPumpDurationCommit();
    void onAuxStopDurationCommit();
    void onAuxFragranceSettingSelected(int setting);

private:
    const AuxRelayStore *m_store;
    ListModel m_model;
    QPointer<RowItem> m_pumpRow;
    QPointer<RowItem> m_stopRow;
    value::DurationManagerMostSignificantComponentMinute m_pumpManager;
    value::DurationManagerMostSignificantComponentHour m_stopManager;
};

} // namespace view
