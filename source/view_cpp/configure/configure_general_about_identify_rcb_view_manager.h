#pragma once

#include "signal_interface/node_information_types.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>
#include <QObject>

namespace view {

// The page that helps the installer find a relay control board: one button per board, and a
// press asks the sauna system to sound that board's buzzer. The number of boards is the sauna
// state's count; a new count shows the next time the page opens.
class ConfigureGeneralAboutIdentifyRcbViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureGeneralAboutIdentifyRcbViewManager(QObject *parent);

    ListModel *model() { return &m_model; }
    void clear();

    // The QML page's identifyRcbViewVisibleChanged(bool) and identifyRcbSelected(int).
    int connectToView(const QList<QObject *> &senders);
    // The sauna-state controller's saunaRcbNumbersChanged(int).
    int connectSaunaStateSignals(const QList<QObject *> &senders);

signals:
    void activateBuzzerRequested(::signalInterface::NodeInformationTypes::RcbMasterSlaveMode board);

public slots:
    void onSaunaRcbNumbersChanged(int count);
    void onIdentifyRcbViewVisibleChanged(bool visible);
    void onIdentifyRcbSelected(int board);

private:
    ListModel m_model;
    int m_rcbCount = 0;
};

} // namespace view
