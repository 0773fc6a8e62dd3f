#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/user_message_types.h"
#include "view_cpp/button_item.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"
#include "view_cpp/user_message_callback.h"

#include <QList>
#include <QPointer>

#include <functional>

namespace view {

// The factory reset screen: one "Reset" button and its confirmation. A confirmed reset clears
// the panel's own settings, marks the reset for the next start, tells the user and ends the
// program five seconds later.
class ConfigureSystemFactoryResetViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    static constexpr int exitThreadsDelayMs = 3000;
    static constexpr int exitApplicationDelayMs = 5000;
    // "Confirm factory reset?"
    static constexpr quint32 confirmMessageId = 0x2022;
    // Tells what was reset, and that the program ends.
    static constexpr quint32 resetDoneMessageId = 0x2049;

    // What the reset does outside the screen; tests replace it so that their process lives on.
    struct Environment
    {
        // Ends the event loop with the code.
        std::function<void(int)> exitApplication;
        // Calls the function once, after the delay, while the context lives.
        std::function<void(int, QObject *, std::function<void()>)> startSingleShot;
    };
    static Environment defaultEnvironment();

    explicit ConfigureSystemFactoryResetViewManager(QObject *parent);
    ConfigureSystemFactoryResetViewManager(QObject *parent, Environment environment);

    ListModel *model() { return &m_model; }

    // QML "configureSystemsSelector".
    int connectToView(const QList<QObject *> &senders);
    // A software update that ends in a factory reset; not called by this panel.
    int connectToSoftwareUpdate(const QList<QObject *> &senders);

signals:
    void factoryResetControlBoardRequest();
    void factoryResetWifiRequest();
    void exitThreadsRequest();
    void timeConsumingActivityStarted();

public slots:
    void onFactoryResetViewVisibleChanged(bool visible);
    void onFactoryResetSelected();
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onFactoryResetSoftwareUpdate(bool softwareUpdate);
    void onExitThrTimer();
    void onExitAppTimer();

private:
    void
    onConfirmFactoryReset(const ::signalInterface::UserMessageTypes::UserMessageAnswer &answer);
    void performFactoryReset(bool softwareUpdate);
    void refresh();

    Environment m_environment;
    ListModel m_model;
    QPointer<ButtonItem> m_button;
    message::UserMessageCallback<ConfigureSystemFactoryResetViewManager> m_confirmCallback;
};

} // namespace view
