#pragma once

#include "signal_interface/language_types.h"
#include "view_cpp/button_item.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>
#include <QPointer>

namespace view {

// One button that asks the sauna to reset its pause (bath-time) timer. When the sauna reports a
// reset, the user is told, but only while the page is shown.
class ConfigureSystemPauseTimerViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    static constexpr quint32 timerResetNotice = 0x201e;

    explicit ConfigureSystemPauseTimerViewManager(QObject *parent);

    ListModel *model() { return &m_model; }

    // QML "configureSystemsSelector".
    int connectToView(const QList<QObject *> &senders);
    // The bridge receiver's timer reset.
    int connectSaunaSignals(const QList<QObject *> &senders) override;

signals:
    void resetBathTimeTimerRequest();

public slots:
    void onPauseTimerViewVisibleChanged(bool visible);
    void onSaunaBathTimeTimerReset();
    void onResetTimerSelected();
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

private:
    void refreshText();

    ListModel m_model;
    QPointer<ButtonItem> m_button;
};

} // namespace view
