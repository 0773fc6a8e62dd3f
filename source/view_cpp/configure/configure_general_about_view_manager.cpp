#include "view_cpp/configure/configure_general_about_view_manager.h"

#include "pc_panel/instance_settings.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"
#include "view_cpp/row_item.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/text_row_item.h"

#include <QCoreApplication>

namespace view {

using ::signalInterface::ConfigureTypes;
using ::signalInterface::MasterFuncDescTypes;
using ::signalInterface::NodeInformationTypes;
using ::signalInterface::SaunaStateTypes;
using ::signalInterface::VariantTypes;

namespace {

// Between a row's label and its value, on every row of the page.
const QString labelSeparator = QStringLiteral(": ");

// The layout type of the sub-menu rows, whose place the model sets.

// Product numbers of the nodes, as the node list reports them.
constexpr quint32 heaterProduct = 0;
constexpr quint32 heaterProductAlternative = 256;
constexpr quint32 firstSteamProduct = 1;
constexpr quint32 lastSteamProduct = 9;
constexpr quint32 panelModelProduct = 257;
constexpr quint32 wifiPanelModelProduct = 258;

QString versionText(const ::signalInterface::VersionTypes::Version &version)
{
    return QString::fromLatin1(version.data(), qsizetype(version.size()));
}

} // namespace

ConfigureGeneralAboutViewManager::ConfigureGeneralAboutViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , subFunctionModel(RowItem::roleNames(), this)
    , infoModel(TextRowItem::roleNames(), this)
{}

int ConfigureGeneralAboutViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(aboutViewVisibleChanged(bool)), SLOT(onAboutViewVisibleChanged(bool))},
         {SIGNAL(aboutSubFunctionSelected(int)), SLOT(onAboutSubFunctionSelected(int))}});
}

int ConfigureGeneralAboutViewManager::connectVariantSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(brandChanged(::signalInterface::VariantTypes::Brand)),
          SLOT(onBrandChanged(::signalInterface::VariantTypes::Brand))}});
}

int ConfigureGeneralAboutViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaNodeListItemChanged(
              ::signalInterface::NodeInformationTypes::NodeInformationPost)),
          SLOT(onSaunaNodeListItemChanged(
              ::signalInterface::NodeInformationTypes::NodeInformationPost))},
         {SIGNAL(saunaFacilityTypeChanged(::signalInterface::SaunaStateTypes::FacilityType)),
          SLOT(onSaunaFacilityTypeChanged(::signalInterface::SaunaStateTypes::FacilityType))},
         {SIGNAL(saunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode)),
          SLOT(onSaunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode))},
         {SIGNAL(saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct)),
          SLOT(onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct))},
         masterFuncDescRoute});
}

int ConfigureGeneralAboutViewManager::connectConnectionStateSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(remoteApplicationIdentified(QString, QString)),
          SLOT(onRemoteApplicationIdentified(QString, QString))}});
}

int ConfigureGeneralAboutViewManager::connectLinkSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(connectedChanged(bool)), SLOT(onConnectedChanged(bool))}});
}

void ConfigureGeneralAboutViewManager::onConnectedChanged(bool connected)
{
    if (connected)
        return;
    // The next sauna may be another one: nothing of this one is kept for it. The page shows
    // what the manager held before any report.
    m_sauna = SaunaFacts();
    rebuildIfShown();
}

void ConfigureGeneralAboutViewManager::onAboutViewVisibleChanged(bool visible)
{
    if (visible) {
        rebuild();
    } else {
        subFunctionModel.clear();
        infoModel.clear();
    }
}

void ConfigureGeneralAboutViewManager::onLanguageChanged(::signalInterface::LanguageTypes::Language)
{
    rebuildIfShown();
}

void ConfigureGeneralAboutViewManager::onSaunaNodeListItemChanged(
    NodeInformationTypes::NodeInformationPost post)
{
    if (post.index >= quint32(nodeSlotCount))
        return;
    m_sauna.nodes[post.index] = post;
    rebuildIfShown();
}

void ConfigureGeneralAboutViewManager::onRemoteApplicationIdentified(QString name, QString version)
{
    // Stored only: it shows at the next opening.
    m_sauna.softwareName = name;
    m_sauna.softwareVersion = version;
}

void ConfigureGeneralAboutViewManager::onBrandChanged(VariantTypes::Brand brand)
{
    m_brand = brand;
    rebuildIfShown();
}

void ConfigureGeneralAboutViewManager::onSaunaFacilityTypeChanged(
    SaunaStateTypes::FacilityType facilityType)
{
    m_sauna.facilityType = facilityType;
    rebuildIfShown();
}

void ConfigureGeneralAboutViewManager::onSaunaSystemModeChanged(
    MasterFuncDescTypes::SystemMode mode)
{
    // Stored only: the sub-menu follows at the next rebuild.
    m_sauna.systemMode = mode;
}

void ConfigureGeneralAboutViewManager::onSaunaMasterProductChanged(
    MasterFuncDescTypes::RcbProduct product)
{
    m_sauna.masterProduct = product;
    rebuildIfShown();
}

void ConfigureGeneralAboutViewManager::onAboutSubFunctionSelected(int id)
{
    if (id == ConfigureTypes::E_licenseInfo || id == ConfigureTypes::E_identifyRcb)
        emit editSelected(id);
}

void ConfigureGeneralAboutViewManager::onSaunaMasterFuncDescChanged(
    MasterFuncDescTypes::MasterFuncDescPost post)
{
    // Stored only: the system text follows at the next rebuild.
    m_sauna.lite = post.function23;
}

void ConfigureGeneralAboutViewManager::rebuildIfShown()
{
    if (infoModel.rowCount() > 0)
        rebuild();
}

void ConfigureGeneralAboutViewManager::rebuild()
{
    subFunctionModel.clear();
    infoModel.clear();

    appendSubFunction(tr("License Info"), ConfigureTypes::E_licenseInfo);
    if (m_sauna.systemMode == MasterFuncDescTypes::E_multisteam)
        appendSubFunction(tr("Identify RCB"), ConfigureTypes::E_identifyRcb);
    subFunctionModel.updateLayoutOrder();

    appendInfo(tr("PC Control Panel"), true);
    appendLabelled(tr("Software version"), QCoreApplication::applicationVersion());
    const unsigned instance = pcPanel::InstanceSettings::instanceNumber();
    if (instance != 0)
        appendLabelled(tr("Instance"), QString::number(instance));
    appendInfo(QString());
    appendInfo(tr("Control Panel"), true);
    appendLabelled(tr("Facility Type"), facilityText());
    appendLabelled(tr("System"), systemText());
    appendInfo(QString());
    appendLabelled(tr("Software"), m_sauna.softwareName);
    appendLabelled(tr("Software version"), m_sauna.softwareVersion);
    appendInfo(QString());
    for (int slot = 0; slot < nodeSlotCount; ++slot)
        appendNodeBlock(slot);
}

void ConfigureGeneralAboutViewManager::appendSubFunction(const QString &text, int id)
{
    auto *row = new RowItem(rowType::onlySubmenu, 0, rowLayoutType::multiple);
    row->setApplId(id);
    row->setTextOnSubMenu(text);
    subFunctionModel.appendItem(row);
}

void ConfigureGeneralAboutViewManager::appendInfo(const QString &text, bool title)
{
    infoModel.appendItem(new TextRowItem(text, title));
}

void ConfigureGeneralAboutViewManager::appendLabelled(const QString &label, const QString &value)
{
    appendInfo(label + labelSeparator + value);
}

void ConfigureGeneralAboutViewManager::appendNodeBlock(int slot)
{
    const NodeInformationTypes::NodeInformationPost &node = m_sauna.nodes[std::size_t(slot)];
    if (static_cast<qint32>(node.address) <= highestHiddenNodeAddress)
        return;
    appendInfo(tr("Node") + QLatin1Char(' ') + QString::number(slot), true);
    appendLabelled(tr("Profile"), profileText(node.profile));
    if (node.profile != NodeInformationTypes::E_ths)
        appendLabelled(tr("Product"), productText(node.product));
    appendLabelled(tr("Software version"), versionText(node.applicationVersion));
    appendLabelled(tr("Zerededid version"), versionText(node.zerededidVersion));
    appendInfo(QString());
}

QString ConfigureGeneralAboutViewManager::facilityText() const
{
    switch (m_sauna.facilityType) {
    case SaunaStateTypes::E_supervised:
        return tr("Supervised");
    case SaunaStateTypes::E_time_controlled:
        return tr("Time Controlled");
    case SaunaStateTypes::E_private_controlled:
        return tr("Private");
    case SaunaStateTypes::E_public:
        return tr("Public");
    case SaunaStateTypes::E_unknown:
        break;
    }
    return tr("Unknown");
}

QString ConfigureGeneralAboutViewManager::systemText() const
{
    QString text = LanguageSupport::systemModeText(m_sauna.systemMode, m_sauna.masterProduct);
    if (m_sauna.lite)
        text += tr(" Lite");
    return text;
}

QString ConfigureGeneralAboutViewManager::profileText(NodeInformationTypes::NodeProfileMode profile)
{
    switch (profile) {
    case NodeInformationTypes::E_rcb:
        return tr("Relay Control Board");
    case NodeInformationTypes::E_cp:
        return tr("Control Panel");
    case NodeInformationTypes::E_ths:
        return tr("Temperature and Humidity Sensor");
    case NodeInformationTypes::E_unknownProfile:
        break;
    }
    return tr("Unknown");
}

QString ConfigureGeneralAboutViewManager::productText(quint32 product) const
{
    if (!m_brand)
        return {};
    const VariantTypes::Brand brand = *m_brand;
    if (product == panelModelProduct)
        return LanguageSupport::productModelText(int(brand), VariantTypes::E_fell);
    if (product == wifiPanelModelProduct)
        return LanguageSupport::productModelText(int(brand), VariantTypes::E_fell_wifi);

    const bool heater = product == heaterProduct || product == heaterProductAlternative;
    const bool steam = product >= firstSteamProduct && product <= lastSteamProduct;
    if (!heater && !steam)
        return {};
    switch (brand) {
    case VariantTypes::E_vaho:
        return heater ? tr("Tarn") : tr("Crest");
    case VariantTypes::E_lumo:
        return heater ? tr("Glen") : tr("Zenith");
    case VariantTypes::E_orvela:
        return heater ? tr("Glen") : tr("Q7");
    case VariantTypes::E_kastela:
        return heater ? tr("Glen") : tr("Fell");
    case VariantTypes::E_undefined_brand:
        break;
    }
    return {};
}

} // namespace view
