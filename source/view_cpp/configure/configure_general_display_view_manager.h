#pragma once

#include "signal_interface/display_types.h"
#include "view_cpp/configure/configure_choice_list.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>
#include <QString>

#include <optional>

namespace view {

// The display sleep screen: the inactivity after which the display may sleep. A tap asks the
// display controller for the timeout; the check mark follows the timeout the controller reports.
// No menu leads to this screen, and the start-up wiring connects only its controller side.
class ConfigureGeneralDisplayViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureGeneralDisplayViewManager(QObject *parent);

    ListModel *model() { return &m_model; }
    // Empties the list.
    void clear();

    // The QML items' displaySleepTimeoutSelected(int) and displayViewVisibleChanged(bool).
    int connectToView(const QList<QObject *> &senders);
    // The display controller's newDisplaySleepTimeoutValue.
    int connectDisplaySignals(const QList<QObject *> &senders);

    // Nothing until the display controller's first report; then the timeout it reported.
    std::optional<::signalInterface::DisplayTypes::DisplaySleepTimeout> sleepTimeout() const
    {
        return m_sleepTimeout;
    }
    // The row text of a timeout; empty for a value that is no selectable timeout.
    static QString timeoutText(int timeout);

public slots:
    void onDisplayViewVisibleChanged(bool visible);
    void onDisplaySleepTimeoutSelected(int id);
    void
    onNewDisplaySleepTimeoutValue(::signalInterface::DisplayTypes::DisplaySleepTimeout timeout);

signals:
    void displayChangeSleepTimeoutRequested(
        ::signalInterface::DisplayTypes::DisplaySleepTimeout timeout);

private:
    std::optional<int> checkedValue() const;

    ListModel m_model;
    ConfigureChoiceList m_choices;
    std::optional<::signalInterface::DisplayTypes::DisplaySleepTimeout> m_sleepTimeout;
};

} // namespace view
