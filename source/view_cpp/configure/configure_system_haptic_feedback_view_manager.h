#pragma once

#include "signal_interface/haptic_feedback_types.h"
#include "signal_interface/language_types.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"
#include "view_cpp/toggle_standard_item.h"

#include <QList>
#include <QPointer>

namespace view {

// One switch for the panel's vibration feedback. A tap asks the haptic-sensor controller, which
// stores the setting; the switch follows what the controller announces.
class ConfigureSystemHapticFeedbackViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    static constexpr int vibrationId = 200;

    explicit ConfigureSystemHapticFeedbackViewManager(QObject *parent);

    ListModel *model() { return &m_model; }

    // The QML items that show the switch.
    int connectToView(const QList<QObject *> &senders);
    // The haptic-sensor controller's announced setting.
    int connectToHapticController(const QList<QObject *> &senders);

signals:
    void
    hapticFeedbackChangeRequested(::signalInterface::HapticFeedbackTypes::HapticFeedback feedback);

public slots:
    void onHapticFeedbackViewVisibleChanged(bool visible);
    void onHapticFeedbackChanged(int id, bool shown);
    void onHapticFeedbackPresentationChanged(
        ::signalInterface::HapticFeedbackTypes::HapticFeedback feedback);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

private:
    bool isActivated() const;
    void refreshTexts();

    ListModel m_model;
    QPointer<ToggleStandardItem> m_toggle;
    ::signalInterface::HapticFeedbackTypes::HapticFeedback m_feedback =
        ::signalInterface::HapticFeedbackTypes::E_activated;
};

} // namespace view
