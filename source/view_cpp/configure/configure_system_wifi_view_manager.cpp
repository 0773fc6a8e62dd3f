#include "view_cpp/configure/configure_system_wifi_view_manager.h"

#include "control/settings.h"
#include "pc_panel/local_ipv4_addresses.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/component_types.h"
#include "view_cpp/configure/connection_texts.h"
#include "view_cpp/divider_item.h"
#include "view_cpp/language_support.h"
#include "view_cpp/row_item_base.h"
#include "view_cpp/row_item_plain.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"
#include "view_cpp/text_row_item.h"

#include <QMetaObject>
#include <QSettings>
#include <QUuid>

#include <vector>

namespace view {

using ::signalInterface::ConfigureTypes;
using ::signalInterface::RemoteSaunaTypes::ExternalUnit;
using ::signalInterface::RemoteSaunaTypes::WiFiNetwork;
using ::signalInterface::UserMessageTypes::UserMessageAnswer;

namespace {
// "Not implemented", "Connect to network %1 failed: %2", "Password contains national/special
// characters ... : %1" and "Confirm forget of WiFi network %1".
constexpr quint32 notImplementedMessageId = 0x2001;
constexpr quint32 connectFailedMessageId = 0x2046;
constexpr quint32 passwordCharactersMessageId = 0x2048;
constexpr quint32 confirmForgetMessageId = 0x203a;

constexpr int networkTitleFontSize = 12;
constexpr int detailsTitleFontSize = 16;
constexpr int detailsTitleSmallFontSize = 12;
// A name this long or longer gets the small title.
constexpr int detailsTitleLongName = 23;
constexpr int backgroundPressedDisabled = 2;

// Whether the QML item declares the SIGNAL() string's signal; an editor signal is connected only
// where it exists.
bool hasSignal(const QObject *sender, const char *signal)
{
    return sender->metaObject()->indexOfSignal(
               QMetaObject::normalizedSignature(signal + 1).constData()) >= 0;
}
} // namespace

ConfigureSystemWiFiViewManager::Environment ConfigureSystemWiFiViewManager::defaultEnvironment()
{
    return {&pcPanel::localIpv4Addresses};
}

ConfigureSystemWiFiViewManager::ConfigureSystemWiFiViewManager(QObject *parent)
    : ConfigureSystemWiFiViewManager(parent, defaultEnvironment())
{}

ConfigureSystemWiFiViewManager::ConfigureSystemWiFiViewManager(QObject *parent,
                                                               Environment environment)
    : ConfigureViewManagerBase(parent)
    , m_environment(std::move(environment))
    , m_wiFiModel(StepperControllerItem::roleNames(), this)
    , m_networkModel(StepperControllerItem::roleNames(), this)
    , m_networkInfoModel(StepperControllerItem::roleNames(), this)
    , m_singleNetworkDetailsModel(StepperControllerItem::roleNames(), this)
    , m_externalUnitsModel(RowItemBase::roleNames(), this)
    , m_forgetCallback(this, &ConfigureSystemWiFiViewManager::onForgetAnswered)
{
    if (!m_environment.localIpv4Addresses)
        m_environment.localIpv4Addresses = defaultEnvironment().localIpv4Addresses;
}

int ConfigureSystemWiFiViewManager::connectToView(const QList<QObject *> &senders)
{
    const int failed = signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(wiFiViewVisibleChanged(bool)), SLOT(onWiFiViewVisibleChanged(bool))},
         {SIGNAL(wiFiNetworkViewVisibleChanged(bool)), SLOT(onWiFiNetworkViewVisibleChanged(bool))},
         {SIGNAL(wiFiExternalUnitsViewVisibleChanged(bool)),
          SLOT(onWiFiExternalUnitsViewVisibleChanged(bool))},
         {SIGNAL(toggleChanged(int, bool)), SLOT(onToggleChanged(int, bool))},
         {SIGNAL(saunaNameEditActivated()), SLOT(onSaunaNameEditActivated())},
         {SIGNAL(rowItemSelected(int)), SLOT(onRowItemSelected(int))},
         {SIGNAL(networkRowItemSelected(int)), SLOT(onNetworkRowItemSelected(int))},
         {SIGNAL(networkScanPressed()), SLOT(onNetworkScanPressed())},
         {SIGNAL(networkDetailsViewVisibleChanged(bool)),
          SLOT(onNetworkDetailsViewVisibleChanged(bool))},
         {SIGNAL(networkDeleteSelected()), SLOT(onNetworkDeleteSelected())},
         {SIGNAL(buttonPressed(int)), SLOT(onButtonPressed(int))}});
    for (QObject *sender : senders) {
        if (sender != nullptr)
            m_viewSenders.append(sender);
    }
    return failed;
}

int ConfigureSystemWiFiViewManager::connectToWiFiService(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(wiFiEnableChanged(bool)), SLOT(onWiFiEnableChanged(bool))},
         {SIGNAL(wiFiAutoConnectChanged(bool)), SLOT(onWiFiAutoConnectChanged(bool))},
         {SIGNAL(wiFiNetworkDetected(::signalInterface::RemoteSaunaTypes::WiFiNetwork)),
          SLOT(onWiFiNetworkDetected(::signalInterface::RemoteSaunaTypes::WiFiNetwork))},
         {SIGNAL(wiFiNetworkScanFinished()), SLOT(onWiFiNetworkScanFinished())},
         {SIGNAL(wiFiNetworkRemoved(QString)), SLOT(onWiFiNetworkRemoved(QString))},
         {SIGNAL(selectedNetworkChanged(QString)), SLOT(onSelectedNetworkChanged(QString))},
         {SIGNAL(wiFiNetworkConnected(::signalInterface::RemoteSaunaTypes::WiFiNetwork)),
          SLOT(onWiFiNetworkConnected(::signalInterface::RemoteSaunaTypes::WiFiNetwork))},
         {SIGNAL(wiFiNetworkConnectionFailed(::signalInterface::RemoteSaunaTypes::WiFiNetwork,
                                             QString)),
          SLOT(onWiFiNetworkConnectionFailed(::signalInterface::RemoteSaunaTypes::WiFiNetwork,
                                             QString))},
         {SIGNAL(wiFiNetworkDisconnected(::signalInterface::RemoteSaunaTypes::WiFiNetwork)),
          SLOT(onWiFiNetworkDisconnected(::signalInterface::RemoteSaunaTypes::WiFiNetwork))},
         {SIGNAL(timeConsumingActivityStarted()), SLOT(onTimeConsumingActivityStarted())},
         {SIGNAL(timeConsumingActivityFinished()), SLOT(onTimeConsumingActivityFinished())}});
}

int ConfigureSystemWiFiViewManager::connectToWiFiServiceUnits(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(wiFiNameChanged(QString)), SLOT(onWiFiNameChanged(QString))},
         {SIGNAL(externalUnitConnected(::signalInterface::RemoteSaunaTypes::ExternalUnit)),
          SLOT(onExternalUnitConnected(::signalInterface::RemoteSaunaTypes::ExternalUnit))},
         {SIGNAL(externalUnitDisconnected(QHostAddress, quint16)),
          SLOT(onExternalUnitDisconnected(QHostAddress, quint16))}});
}

// ---- Reports of the Wi-Fi service ---------------------------------------------------------------

void ConfigureSystemWiFiViewManager::onWiFiEnableChanged(bool enabled)
{
    m_wiFiEnabled = enabled;
    buildMainPage();
}

void ConfigureSystemWiFiViewManager::onWiFiAutoConnectChanged(bool autoConnect)
{
    m_wiFiAutoConnect = autoConnect;
    refreshNetworkList();
}

void ConfigureSystemWiFiViewManager::onWiFiNetworkDetected(WiFiNetwork network)
{
    WiFiNetwork &stored = m_networks[network.name];
    stored = network;
    if (m_networkViewVisible)
        buildNetworkList();
}

void ConfigureSystemWiFiViewManager::onWiFiNetworkScanFinished() {}

void ConfigureSystemWiFiViewManager::onWiFiNetworkRemoved(QString name)
{
    if (m_networks.erase(name) > 0)
        buildNetworkList();
    if (!m_selectedNetwork.isEmpty() && m_selectedNetwork == name)
        m_selectedNetwork.clear();
}

void ConfigureSystemWiFiViewManager::onSelectedNetworkChanged(QString name)
{
    m_selectedNetwork = name;
    m_failureShown = false;
    if (m_networkViewVisible)
        buildNetworkList();
}

void ConfigureSystemWiFiViewManager::onWiFiNetworkConnected(WiFiNetwork network)
{
    m_connectedNetwork = network.name;
}

void ConfigureSystemWiFiViewManager::onWiFiNetworkConnectionFailed(WiFiNetwork network,
                                                                   QString reason)
{
    // While auto-connect retries, one failure notice is enough until another network is chosen.
    if (m_wiFiAutoConnect && m_failureShown)
        return;
    issueNotice(connectFailedMessageId, {network.name, reason});
    m_failureShown = true;
}

void ConfigureSystemWiFiViewManager::onWiFiNetworkDisconnected(WiFiNetwork network)
{
    if (network.name != m_connectedNetwork)
        return;
    m_connectedNetwork.clear();
    if (m_networkViewVisible)
        buildNetworkList();
    refreshDetailsPage();
}

void ConfigureSystemWiFiViewManager::onWiFiNameChanged(QString name)
{
    m_saunaName = name;
    emit saunaNameChanged(name);
}

void ConfigureSystemWiFiViewManager::onExternalUnitConnected(ExternalUnit unit)
{
    m_externalUnits[{unit.address.toString(), unit.port}] = unit;
    refreshMainPage();
    if (m_externalUnitsViewVisible)
        buildExternalUnitsPage();
}

void ConfigureSystemWiFiViewManager::onExternalUnitDisconnected(QHostAddress address, quint16 port)
{
    m_externalUnits.erase({address.toString(), port});
    refreshMainPage();
    if (m_externalUnitsViewVisible)
        buildExternalUnitsPage();
}

void ConfigureSystemWiFiViewManager::onTimeConsumingActivityStarted()
{
    emit timeConsumingActivityStarted();
}

void ConfigureSystemWiFiViewManager::onTimeConsumingActivityFinished()
{
    emit timeConsumingActivityFinished();
}

// ---- The pages ----------------------------------------------------------------------------------

void ConfigureSystemWiFiViewManager::onWiFiViewVisibleChanged(bool visible)
{
    if (!visible) {
        m_wiFiModel.clear();
        return;
    }
    buildMainPage();
    emit saunaNameChanged(m_saunaName);
}

void ConfigureSystemWiFiViewManager::buildMainPage()
{
    m_wiFiModel.clear();
    auto *toggle = new ToggleStandardItem(ConfigureTypes::E_wiFiNetworkEnable, m_wiFiEnabled);
    m_enableToggle = toggle;
    m_wiFiModel.appendItem(toggle);
    if (m_wiFiEnabled) {
        auto *network = new RowItem(rowType::onlySubmenu, rowLayout::top, rowLayoutType::single);
        network->setApplId(ConfigureTypes::E_wiFiNetworks);
        m_networkRow = network;
        m_wiFiModel.appendItem(network);
        auto *units = new RowItem(rowType::onlySubmenu, rowLayout::bottom, rowLayoutType::single);
        units->setApplId(ConfigureTypes::E_wiFiExternalUnits);
        m_externalUnitsRow = units;
        m_wiFiModel.appendItem(units);
    }
    refreshMainPage();
}

void ConfigureSystemWiFiViewManager::refreshMainPage()
{
    if (!m_enableToggle.isNull()) {
        m_enableToggle->setValue(tr("Enable"));
        m_enableToggle->setValue2(m_wiFiEnabled);
    }
    RowItem::setTextOnSubMenuOf(m_networkRow, tr("Network"));
    if (!m_externalUnitsRow.isNull()) {
        m_externalUnitsRow->setTextOnSubMenu(tr("External Units"));
        m_externalUnitsRow->setData(QString::number(m_externalUnits.size()),
                                    RowItem::TextValue1Role);
    }
}

void ConfigureSystemWiFiViewManager::onToggleChanged(int id, bool shown)
{
    if (id == ConfigureTypes::E_wiFiNetworkEnable)
        emit wiFiEnableChangeRequest(requestedFromShown(shown));
    else if (id == ConfigureTypes::E_wiFiAutoConnect)
        emit wiFiAutoConnectChangeRequest(requestedFromShown(shown));
}

void ConfigureSystemWiFiViewManager::onRowItemSelected(int id)
{
    emit editSelected(id);
}

void ConfigureSystemWiFiViewManager::onWiFiNetworkViewVisibleChanged(bool visible)
{
    m_networkViewVisible = visible;
    if (!visible) {
        m_networkModel.clear();
        m_networkRows.clear();
        m_networkInfoModel.clear();
        return;
    }
    onNetworkScanPressed();
    buildNetworkList();
    buildNetworkInfoList();
}

void ConfigureSystemWiFiViewManager::buildNetworkList()
{
    m_networkModel.clear();
    m_networkRows.clear();
    auto *toggle = new ToggleStandardItem(ConfigureTypes::E_wiFiAutoConnect, m_wiFiAutoConnect);
    m_autoConnectToggle = toggle;
    m_networkModel.appendItem(toggle);
    auto *title = new TextItem(QString());
    title->setFontSize(networkTitleFontSize);
    m_networkListTitle = title;
    m_networkModel.appendItem(title);
    std::vector<ListItem *> rows;
    for (const auto &[name, network] : m_networks) {
        if (!network.inRange)
            continue;
        auto *row = new RowItem(name, m_networkModel.rowCount());
        row->setData(QStringLiteral("%1%").arg(network.signalLevel), RowItem::TextValue1Role);
        row->setTruncateText(true);
        row->setTypeOfItem(rowType::selectableSubmenu);
        row->setCheckmarkChecked(name == m_connectedNetwork);
        m_networkModel.appendItem(row);
        m_networkRows.append(row);
        rows.push_back(row);
    }
    m_networkModel.appendItem(new DividerItem(ComponentTypes::E_divider_large));
    auto *scan = new ButtonItem(QString());
    scan->setApplId(ConfigureTypes::E_wiFiScan);
    m_scanButton = scan;
    m_networkModel.appendItem(scan);
    m_networkModel.appendItem(new DividerItem(ComponentTypes::E_divider_large));
    updateLayoutOrder(rows);
    refreshNetworkList();
}

void ConfigureSystemWiFiViewManager::refreshNetworkList()
{
    if (!m_autoConnectToggle.isNull()) {
        m_autoConnectToggle->setValue(connectionTexts::autoConnectText());
        m_autoConnectToggle->setValue2(m_wiFiAutoConnect);
    }
    TextItem::setTextOf(m_networkListTitle, tr("WiFi Networks"));
    if (!m_scanButton.isNull())
        m_scanButton->setText(tr("Scan"));
}

void ConfigureSystemWiFiViewManager::buildNetworkInfoList()
{
    m_networkInfoModel.clear();
    const QList<QHostAddress> addresses = m_environment.localIpv4Addresses();
    if (addresses.isEmpty()) {
        m_networkInfoModel.appendItem(new TextRowItem(tr("No IP address found"), false));
    } else if (addresses.size() == 1) {
        m_networkInfoModel.appendItem(
            new TextRowItem(tr("IP address: %1").arg(addresses.first().toString()), false));
    } else {
        m_networkInfoModel.appendItem(new TextRowItem(tr("IP addresses"), true));
        for (const QHostAddress &address : addresses)
            m_networkInfoModel.appendItem(
                new TextRowItem(QStringLiteral("  ") + address.toString(), false));
    }
    QSettings *store = control::Settings::settings();
    const QString identityKey = QLatin1String(control::Settings::wifiIdentityKey);
    if (store->contains(identityKey)) {
        const QUuid identity(store->value(identityKey).toString());
        m_networkInfoModel.appendItem(new TextRowItem(QString(), false));
        m_networkInfoModel.appendItem(new TextRowItem(tr("Identity"), true));
        m_networkInfoModel.appendItem(new TextRowItem(identity.toString(), false));
    }
}

void ConfigureSystemWiFiViewManager::onNetworkScanPressed()
{
    issueNotice(notImplementedMessageId);
    m_networks.clear();
    emit wiFiScanRequested();
}

void ConfigureSystemWiFiViewManager::onNetworkRowItemSelected(int row)
{
    if (auto *item = qobject_cast<RowItem *>(m_networkModel.itemAt(row)))
        m_chosenNetwork = item->data(RowItem::TextOnSubMenuRole).toString();
    emit editSelected(ConfigureTypes::E_wiFiNetworkDetails);
}

void ConfigureSystemWiFiViewManager::onNetworkDetailsViewVisibleChanged(bool visible)
{
    if (!visible) {
        m_singleNetworkDetailsModel.clear();
        return;
    }
    buildDetailsPage();
    emit deleteNetworkApplicable(m_chosenNetwork != m_selectedNetwork);
}

void ConfigureSystemWiFiViewManager::buildDetailsPage()
{
    m_singleNetworkDetailsModel.clear();
    auto *title = new TextItem(QString());
    m_detailsTitle = title;
    m_singleNetworkDetailsModel.appendItem(title);
    if (m_chosenNetwork == m_connectedNetwork) {
        auto *disconnect = new ButtonItem(QString());
        disconnect->setApplId(ConfigureTypes::E_wiFiDisconnect);
        m_disconnectButton = disconnect;
        m_singleNetworkDetailsModel.appendItem(disconnect);
    } else {
        auto *connect = new ButtonItem(QString());
        connect->setApplId(ConfigureTypes::E_wiFiConnect);
        m_connectButton = connect;
        m_singleNetworkDetailsModel.appendItem(connect);
    }
    auto *password = new ButtonItem(QString());
    password->setApplId(ConfigureTypes::E_wiFiChangePassword);
    m_passwordButton = password;
    m_singleNetworkDetailsModel.appendItem(password);
    refreshDetailsPage();
}

void ConfigureSystemWiFiViewManager::refreshDetailsPage()
{
    if (!m_detailsTitle.isNull()) {
        m_detailsTitle->setFontSize(m_chosenNetwork.size() < detailsTitleLongName
                                        ? detailsTitleFontSize
                                        : detailsTitleSmallFontSize);
        m_detailsTitle->setText(m_chosenNetwork);
    }
    if (!m_passwordButton.isNull())
        m_passwordButton->setText(tr("Password"));
    if (!m_connectButton.isNull())
        m_connectButton->setText(connectionTexts::connectText());
    if (!m_disconnectButton.isNull())
        m_disconnectButton->setText(connectionTexts::disconnectText());
}

void ConfigureSystemWiFiViewManager::onButtonPressed(int id)
{
    switch (id) {
    case ConfigureTypes::E_wiFiConnect:
        issueNotice(notImplementedMessageId);
        emit wiFiConnectRequested(m_chosenNetwork);
        emit editSelected(ConfigureTypes::E_wiFiNetworks);
        break;
    case ConfigureTypes::E_wiFiDisconnect:
        issueNotice(notImplementedMessageId);
        emit wiFiDisconnectRequested(m_chosenNetwork);
        emit editSelected(ConfigureTypes::E_wiFiNetworks);
        break;
    case ConfigureTypes::E_wiFiChangePassword: {
        const auto found = m_networks.find(m_chosenNetwork);
        if (found == m_networks.end())
            break;
        emit openKeyboard(found->second.password);
        connectPasswordEditor();
        break;
    }
    default:
        break;
    }
}

void ConfigureSystemWiFiViewManager::onNetworkPasswordEditSaveSelected(QString text)
{
    const auto found = m_networks.find(m_chosenNetwork);
    if (found != m_networks.end()) {
        WiFiNetwork changed = found->second;
        changed.password = text;
        emit wiFiNetworkChangeRequest(changed);
        QString unlikely;
        for (const QChar character : std::as_const(text)) {
            if (character.unicode() > 255)
                unlikely.append(character);
        }
        if (!unlikely.isEmpty())
            issueNotice(passwordCharactersMessageId, {unlikely});
    }
    emit closeKeyboard();
    disconnectPasswordEditor();
}

void ConfigureSystemWiFiViewManager::onNetworkPasswordEditCancelSelected()
{
    emit closeKeyboard();
    disconnectPasswordEditor();
}

void ConfigureSystemWiFiViewManager::onNetworkDeleteSelected()
{
    askQuestion(confirmForgetMessageId, &m_forgetCallback, {m_chosenNetwork});
}

void ConfigureSystemWiFiViewManager::onForgetAnswered(const UserMessageAnswer &answer)
{
    if (answer != ::signalInterface::UserMessageTypes::E_answerYes || m_chosenNetwork.isEmpty())
        return;
    emit wiFiNetworkDeleteRequested(m_chosenNetwork);
    emit editSelected(ConfigureTypes::E_wiFiRoot);
}

void ConfigureSystemWiFiViewManager::onSaunaNameEditActivated()
{
    emit openKeyboard(m_saunaName);
    connectNameEditor();
}

void ConfigureSystemWiFiViewManager::onSaunaNameEditSaveSelected(QString text)
{
    emit wiFiNameChangeRequest(text);
    emit closeKeyboard();
    disconnectNameEditor();
}

void ConfigureSystemWiFiViewManager::onSaunaNameEditCancelSelected()
{
    emit closeKeyboard();
    disconnectNameEditor();
}

void ConfigureSystemWiFiViewManager::onWiFiExternalUnitsViewVisibleChanged(bool visible)
{
    m_externalUnitsViewVisible = visible;
    if (visible)
        buildExternalUnitsPage();
    else
        m_externalUnitsModel.clear();
}

void ConfigureSystemWiFiViewManager::buildExternalUnitsPage()
{
    m_externalUnitsModel.clear();
    int position = 0;
    for (const auto &[key, unit] : m_externalUnits) {
        auto *row = new RowItemPlain(QString::number(++position), 0);
        row->setBackgroundPressedMode(backgroundPressedDisabled);
        row->setData(LanguageSupport::externalUnitText(unit.value), RowItemBase::TextValue1Role);
        row->setData(unit.text1 + QLatin1Char(' ') + unit.text2, RowItemBase::TextValue2Role);
        row->setData(unit.text3 + QLatin1Char(' ') + unit.text4, RowItemBase::TextValue3Role);
        m_externalUnitsModel.appendItem(row);
    }
}

// ---- The keyboard editors -----------------------------------------------------------------------

void ConfigureSystemWiFiViewManager::connectNameEditor()
{
    connectEditor(SIGNAL(saunaNameEditSaveSelected(QString)),
                  SLOT(onSaunaNameEditSaveSelected(QString)), SIGNAL(saunaNameEditCancelSelected()),
                  SLOT(onSaunaNameEditCancelSelected()));
}

void ConfigureSystemWiFiViewManager::disconnectNameEditor()
{
    disconnectEditor(SIGNAL(saunaNameEditSaveSelected(QString)),
                     SLOT(onSaunaNameEditSaveSelected(QString)),
                     SIGNAL(saunaNameEditCancelSelected()), SLOT(onSaunaNameEditCancelSelected()));
}

void ConfigureSystemWiFiViewManager::connectPasswordEditor()
{
    connectEditor(SIGNAL(networkPasswordEditSaveSelected(QString)),
                  SLOT(onNetworkPasswordEditSaveSelected(QString)),
                  SIGNAL(networkPasswordEditCancelSelected()),
                  SLOT(onNetworkPasswordEditCancelSelected()));
}

void ConfigureSystemWiFiViewManager::disconnectPasswordEditor()
{
    disconnectEditor(SIGNAL(networkPasswordEditSaveSelected(QString)),
                     SLOT(onNetworkPasswordEditSaveSelected(QString)),
                     SIGNAL(networkPasswordEditCancelSelected()),
                     SLOT(onNetworkPasswordEditCancelSelected()));
}

void ConfigureSystemWiFiViewManager::connectEditor(const char *saveSignal, const char *saveSlot,
                                                   const char *cancelSignal, const char *cancelSlot)
{
    // Opened twice without a save or cancel, the editor still answers once.
    for (const QPointer<QObject> &sender : std::as_const(m_viewSenders)) {
        if (sender.isNull())
            continue;
        if (hasSignal(sender, saveSignal))
            QObject::connect(sender, saveSignal, this, saveSlot, Qt::UniqueConnection);
        if (hasSignal(sender, cancelSignal))
            QObject::connect(sender, cancelSignal, this, cancelSlot, Qt::UniqueConnection);
    }
}

void ConfigureSystemWiFiViewManager::disconnectEditor(const char *saveSignal, const char *saveSlot,
                                                      const char *cancelSignal,
                                                      const char *cancelSlot)
{
    for (const QPointer<QObject> &sender : std::as_const(m_viewSenders)) {
        if (sender.isNull())
            continue;
        if (hasSignal(sender, saveSignal))
            QObject::disconnect(sender, saveSignal, this, saveSlot);
        if (hasSignal(sender, cancelSignal))
            QObject::disconnect(sender, cancelSignal, this, cancelSlot);
    }
}

} // namespace view
