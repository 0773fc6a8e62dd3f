#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/sauna_state_types.h"
#include "view_cpp/configure/configure_choice_list.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>

#include <optional>

namespace view {

// Whether the sauna gives priority to temperature, to humidity, or decides itself. A tap asks
// the sauna at once; the check mark follows the priority the sauna reports.
class ConfigureSystemBathPriorityViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureSystemBathPriorityViewManager(QObject *parent);

    ListModel *model() { return &m_model; }

    // QML "configureSystemsSelector".
    int connectToView(const QList<QObject *> &senders);
    // The bridge receiver's bath priority.
    int connectSaunaSignals(const QList<QObject *> &senders) override;

signals:
    void bathPriorityChangeRequested(::signalInterface::SaunaStateTypes::BathPriority priority);

public slots:
    void onBathPriorityViewVisibleChanged(bool visible);
    void onBathTypePrioritySelected(int id);
    void onSaunaBathPriorityChanged(::signalInterface::SaunaStateTypes::BathPriority priority);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onSaunaReplaced() override;

private:
    std::optional<int> checkedPriority() const;

    ListModel m_model;
    ConfigureChoiceList m_choices;
    // Nothing is marked before the sauna has reported its priority.
    std::optional<::signalInterface::SaunaStateTypes::BathPriority> m_priority;
};

} // namespace view
