#include "view_cpp/configure/configure_general_display_view_manager.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/row_item.h"

#include <vector>

namespace view {

using ::signalInterface::DisplayTypes;

namespace {

bool isSelectableTimeout(int value)
{
    // E_last counts the timeouts; it is none itself.
    return value >= DisplayTypes::E_never && value < DisplayTypes::E_last;
}

std::vector<ConfigureChoiceList::Choice> timeoutChoices()
{
    std::vector<ConfigureChoiceList::Choice> choices;
    for (int value = DisplayTypes::E_never; value < DisplayTypes::E_last; ++value)
        choices.push_back({value, [value] {
                               return ConfigureGeneralDisplayViewManager::timeoutText(value);
                           }});
    return choices;
}

} // namespace

ConfigureGeneralDisplayViewManager::ConfigureGeneralDisplayViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(RowItem::roleNames(), this)
    , m_choices(m_model, timeoutChoices())
{}

QString ConfigureGeneralDisplayViewManager::timeoutText(int timeout)
{
    switch (timeout) {
    case DisplayTypes::E_never:
        return tr("Never");
    case DisplayTypes::E_15sec:
        return tr("15 seconds");
    case DisplayTypes::E_30sec:
        return tr("30 seconds");
    case DisplayTypes::E_1min:
        return tr("1 minute");
    case DisplayTypes::E_2min:
        return tr("2 minutes");
    case DisplayTypes::E_3min:
        return tr("3 minutes");
    case DisplayTypes::E_4min:
        return tr("4 minutes");
    case DisplayTypes::E_5min:
        return tr("5 minutes");
    default:
        return QString();
    }
}

void ConfigureGeneralDisplayViewManager::clear()
{
    m_choices.clear();
}

int ConfigureGeneralDisplayViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(displaySleepTimeoutSelected(int)), SLOT(onDisplaySleepTimeoutSelected(int))},
         {SIGNAL(displayViewVisibleChanged(bool)), SLOT(onDisplayViewVisibleChanged(bool))}});
}

int ConfigureGeneralDisplayViewManager::connectDisplaySignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(newDisplaySleepTimeoutValue(::signalInterface::DisplayTypes::DisplaySleepTimeout)),
          SLOT(onNewDisplaySleepTimeoutValue(
              ::signalInterface::DisplayTypes::DisplaySleepTimeout))}});
}

void ConfigureGeneralDisplayViewManager::onDisplayViewVisibleChanged(bool visible)
{
    // Texts are set on every build: the screen has no language slot of its own.
    if (visible)
        m_choices.build(checkedValue());
    else
        m_choices.clear();
}

void ConfigureGeneralDisplayViewManager::onDisplaySleepTimeoutSelected(int id)
{
    if (!isSelectableTimeout(id))
        return;
    // The check mark waits for the controller's report.
    emit displayChangeSleepTimeoutRequested(static_cast<DisplayTypes::DisplaySleepTimeout>(id));
}

void ConfigureGeneralDisplayViewManager::onNewDisplaySleepTimeoutValue(
    ::signalInterface::DisplayTypes::DisplaySleepTimeout timeout)
{
    m_sleepTimeout = timeout;
    m_choices.refresh(checkedValue());
}

std::optional<int> ConfigureGeneralDisplayViewManager::checkedValue() const
{
    if (!m_sleepTimeout)
        return std::nullopt;
    return static_cast<int>(*m_sleepTimeout);
}

} // namespace view
