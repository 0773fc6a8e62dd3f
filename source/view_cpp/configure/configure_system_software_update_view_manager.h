#pragma once

#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_item.h"
#include "view_cpp/list_model.h"

#include <QList>
#include <QPointer>

namespace view {

// The software update screen. This panel cannot update software: both lists stay empty, and
// starting an update only tells the user so.
class ConfigureSystemSoftwareUpdateViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureSystemSoftwareUpdateViewManager(QObject *parent);

    // The update list.
    ListModel *model() { return &m_model; }
    ListModel *instructionModel() { return &m_instructionModel; }

    // QML "configureSystemsSelector".
    int connectToView(const QList<QObject *> &senders);

signals:
    // Never emitted by this panel: it has no update that could end in a factory reset.
    void atFactoryResetSoftwareUpdate(bool softwareUpdate);

public slots:
    void onSoftwareUpdateVisibleChanged(bool visible);
    void onSoftwareUpdateSelected();

private:
    ListModel m_instructionModel;
    ListModel m_model;
    // The rows of an update this panel never offers; they stay null.
    QPointer<ListItem> m_instructionRow;
    QPointer<ListItem> m_versionRow;
    QPointer<ListItem> m_progressRow;
    QPointer<ListItem> m_updateButton;
};

} // namespace view
