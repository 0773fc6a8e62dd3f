#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/variant_types.h"

#include <QList>
#include <QObject>

namespace control {

// Tells the first-start setup screens whether a factory reset preceded this start, and which
// brand and language are in use. Published to QML as "initial_setup_controller".
class InitialSetupController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool factoryResetInvoked READ isFactoryResetInvoked CONSTANT)
    Q_PROPERTY(int brand READ brandValue NOTIFY brandValueChanged)
    Q_PROPERTY(int language READ languageValue NOTIFY languageValueChanged)

public:
    using Brand = signalInterface::VariantTypes::Brand;
    using Language = signalInterface::LanguageTypes::Language;

    // Reads "factory_reset_invoked" and writes it back as false: the marker tells only the first
    // start after the reset.
    explicit InitialSetupController(QObject *parent = nullptr);

    // Each returns the number of connections that failed.
    int connectBrandChanged(const QList<QObject *> &senders);
    int connectLanguageChanged(const QList<QObject *> &senders);

    bool isFactoryResetInvoked() const { return m_factoryResetInvoked; }
    Brand brand() const { return m_brand; }
    Language language() const { return m_language; }
    int brandValue() const { return static_cast<int>(m_brand); }
    int languageValue() const { return static_cast<int>(m_language); }

public slots:
    void onBrandChanged(::signalInterface::VariantTypes::Brand brand);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

signals:
    void brandValueChanged();
    void languageValueChanged();

private:
    bool m_factoryResetInvoked = false;
    Brand m_brand = signalInterface::VariantTypes::E_vaho;
    Language m_language = signalInterface::LanguageTypes::E_english;
};

} // namespace control
