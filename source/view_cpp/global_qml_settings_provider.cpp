#include "view_cpp/global_qml_settings_provider.h"

#include "view_cpp/window_sizes.h"

#include <QDebug>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QUrl>

namespace view {

GlobalQmlSettingsProvider::GlobalQmlSettingsProvider(QQmlEngine *engine,
                                                     const QString &settingsFile)
    : m_component(new QQmlComponent(engine, QUrl::fromLocalFile(settingsFile)))
    , m_settings(m_component->create())
{}

GlobalQmlSettingsProvider::~GlobalQmlSettingsProvider()
{
    delete m_settings;
    delete m_component;
}

void GlobalQmlSettingsProvider::initializeSettings(
    signalInterface::VariantTypes::Brand brand,
    signalInterface::VariantTypes::ProductType productType)
{
    if (!m_settings) {
        qWarning() << m_component->errorString();
        return;
    }
    const QSize size = appSize(appSizeTable(), productType);
    m_settings->setProperty("shouldInitializeGlobalSettingWithItself", true);
    m_settings->setProperty("systemType", systemTypeQmlKey(productType));
    m_settings->setProperty("systemBrand", systemBrandQmlKey(brand));
    m_settings->setProperty("appWidth", size.width());
    m_settings->setProperty("appHeight", size.height());
}

} // namespace view
