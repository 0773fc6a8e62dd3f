#include "view_cpp/configure/configure_system_factory_reset_view_manager.h"

#include "control/settings.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/stepper_controller_item.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTimer>

#include <utility>

namespace view {

using ::signalInterface::UserMessageTypes::UserMessageAnswer;

ConfigureSystemFactoryResetViewManager::Environment
ConfigureSystemFactoryResetViewManager::defaultEnvironment()
{
    return {[](int code) { QCoreApplication::exit(code); },
            [](int delayMs, QObject *context, std::function<void()> function) {
                QTimer::singleShot(delayMs, context, std::move(function));
            }};
}

ConfigureSystemFactoryResetViewManager::ConfigureSystemFactoryResetViewManager(QObject *parent)
    : ConfigureSystemFactoryResetViewManager(parent, defaultEnvironment())
{}

ConfigureSystemFactoryResetViewManager::ConfigureSystemFactoryResetViewManager(
    QObject *parent, Environment environment)
    : ConfigureViewManagerBase(parent)
    , m_environment(std::move(environment))
    , m_model(StepperControllerItem::roleNames(), this)
    , m_confirmCallback(this, &ConfigureSystemFactoryResetViewManager::onConfirmFactoryReset)
{
    const Environment defaults = defaultEnvironment();
    if (!m_environment.exitApplication)
        m_environment.exitApplication = defaults.exitApplication;
    if (!m_environment.startSingleShot)
        m_environment.startSingleShot = defaults.startSingleShot;
}

int ConfigureSystemFactoryResetViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(factoryResetViewVisibleChanged(bool)),
          SLOT(onFactoryResetViewVisibleChanged(bool))},
         {SIGNAL(factoryResetSelected()), SLOT(onFactoryResetSelected())}});
}

int ConfigureSystemFactoryResetViewManager::connectToSoftwareUpdate(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(atFactoryResetSoftwareUpdate(bool)), SLOT(onFactoryResetSoftwareUpdate(bool))}});
}

void ConfigureSystemFactoryResetViewManager::onFactoryResetViewVisibleChanged(bool visible)
{
    m_model.clear();
    if (!visible)
        return;
    auto *button = new ButtonItem(QString());
    button->setApplId(::signalInterface::ConfigureTypes::E_factoryReset);
    m_button = button;
    m_model.appendItem(button);
    refresh();
}

void ConfigureSystemFactoryResetViewManager::onFactoryResetSelected()
{
    askQuestion(confirmMessageId, &m_confirmCallback);
}

void ConfigureSystemFactoryResetViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    refresh();
}

void ConfigureSystemFactoryResetViewManager::onFactoryResetSoftwareUpdate(bool softwareUpdate)
{
    performFactoryReset(softwareUpdate);
}

void ConfigureSystemFactoryResetViewManager::onExitThrTimer()
{
    emit exitThreadsRequest();
}

void ConfigureSystemFactoryResetViewManager::onExitAppTimer()
{
    m_environment.exitApplication(0);
}

void ConfigureSystemFactoryResetViewManager::onConfirmFactoryReset(const UserMessageAnswer &answer)
{
    if (answer != ::signalInterface::UserMessageTypes::E_answerYes)
        return;
    performFactoryReset(false);
}

void ConfigureSystemFactoryResetViewManager::performFactoryReset(bool softwareUpdate)
{
    control::Settings::factoryReset();
    control::Settings::setValue(QLatin1String(control::Settings::factoryResetInvokedKey), true);
    if (control::Settings::boolValue(QLatin1String(control::Settings::factoryResetClearBrandKey),
                                     false)) {
        control::Settings::settings()->remove(QLatin1String(control::Settings::brandKey));
        control::Settings::settings()->sync();
    }
    emit timeConsumingActivityStarted();
    if (!softwareUpdate)
        emit factoryResetControlBoardRequest();
    emit factoryResetWifiRequest();
    // Nothing in this panel answers the two requests above, so the user is told that only the
    // panel's own settings were reset before the program ends.
    issueNotice(resetDoneMessageId);
    m_environment.startSingleShot(exitThreadsDelayMs, this, [this] { onExitThrTimer(); });
    m_environment.startSingleShot(exitApplicationDelayMs, this, [this] { onExitAppTimer(); });
}

void ConfigureSystemFactoryResetViewManager::refresh()
{
    if (!m_button.isNull())
        m_button->setText(tr("Reset"));
}

} // namespace view
