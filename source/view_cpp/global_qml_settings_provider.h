#pragma once

#include "signal_interface/variant_types.h"

#include <QString>

class QObject;
class QQmlComponent;
class QQmlEngine;

namespace view {

// One instance of the settings component "SettingsBase.qml" on a QML engine, carrying the
// system type, the brand and the application size that the screens read. These values have
// their one source here: the QML files hold no copy of them.
class GlobalQmlSettingsProvider
{
public:
    // Loads the component from the file and creates its object; the object may be null when the
    // file is missing or broken. The engine is not owned and must outlive this provider.
    GlobalQmlSettingsProvider(QQmlEngine *engine, const QString &settingsFile);
    virtual ~GlobalQmlSettingsProvider();

    GlobalQmlSettingsProvider(const GlobalQmlSettingsProvider &) = delete;
    GlobalQmlSettingsProvider &operator=(const GlobalQmlSettingsProvider &) = delete;

    // Sets "shouldInitializeGlobalSettingWithItself", "systemType", "systemBrand", "appWidth"
    // and "appHeight", in this order. Without an object only a warning is written.
    void initializeSettings(signalInterface::VariantTypes::Brand brand,
                            signalInterface::VariantTypes::ProductType productType);

private:
    QQmlComponent *m_component = nullptr;
    QObject *m_settings = nullptr;
};

} // namespace view
