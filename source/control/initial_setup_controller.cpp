#include "control/initial_setup_controller.h"

#include "control/settings.h"
#include "signal_interface/sender_connections.h"

namespace control {

using signalInterface::LanguageTypes;
using signalInterface::VariantTypes;

InitialSetupController::InitialSetupController(QObject *parent)
    : QObject(parent)
    , m_factoryResetInvoked(
          Settings::boolValue(QLatin1String(Settings::factoryResetInvokedKey), false))
{
    Settings::setValue(QLatin1String(Settings::factoryResetInvokedKey), false);
}

int InitialSetupController::connectBrandChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(brandChanged(::signalInterface::VariantTypes::Brand)),
          SLOT(onBrandChanged(::signalInterface::VariantTypes::Brand))}});
}

int InitialSetupController::connectLanguageChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(languageChanged(::signalInterface::LanguageTypes::Language)),
          SLOT(onLanguageChanged(::signalInterface::LanguageTypes::Language))}});
}

void InitialSetupController::onBrandChanged(::signalInterface::VariantTypes::Brand brand)
{
    Brand checked{};
    if (VariantTypes::fromInt(static_cast<int>(brand), checked) && checked != m_brand) {
        m_brand = checked;
        emit brandValueChanged();
    }
}

void InitialSetupController::onLanguageChanged(::signalInterface::LanguageTypes::Language language)
{
    Language checked{};
    if (LanguageTypes::fromInt(static_cast<int>(language), checked) && checked != m_language) {
        m_language = checked;
        emit languageValueChanged();
    }
}

} // namespace control
