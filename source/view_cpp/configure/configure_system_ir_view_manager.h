#pragma once

#include "signal_interface/language_types.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"
#include "view_cpp/toggle_standard_item.h"

#include <QList>
#include <QPointer>

namespace view {

// One switch that enables the sauna's infrared heaters. A tap asks the sauna; the switch follows
// what the sauna reports.
class ConfigureSystemIrViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureSystemIrViewManager(QObject *parent);

    ListModel *model() { return &m_model; }

    // QML "configureSystemsSelector".
    int connectToView(const QList<QObject *> &senders);
    // The bridge receiver's IR enable.
    int connectSaunaSignals(const QList<QObject *> &senders) override;

signals:
    void irEnableChangeRequested(bool enable);

public slots:
    void onIrVisibleChanged(bool visible);
    void onIrToggleChanged(int id, bool shown);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onIrEnableChanged(bool enabled);
    void onSaunaReplaced() override;

private:
    void refreshTexts();

    ListModel m_model;
    QPointer<ToggleStandardItem> m_toggle;
    bool m_enabled = false;
};

} // namespace view
