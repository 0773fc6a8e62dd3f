#include "view_cpp/configure/configure_system_network_view_manager.h"

#include "pc_panel/local_ipv4_addresses.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/monotonic_clock.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/component_types.h"
#include "view_cpp/configure/connection_texts.h"
#include "view_cpp/configure/network_entry_rules.h"
#include "view_cpp/date_time_formatter.h"
#include "view_cpp/divider_item.h"
#include "view_cpp/language_support.h"
#include "view_cpp/row_item_base.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"
#include "view_cpp/value_role_names.h"

#include <climits>
#include <cstdlib>
#include <utility>

namespace view {

using ::signalInterface::ConfigureTypes;
using ::signalInterface::UserMessageTypes::UserMessageAnswer;

namespace {

constexpr quint32 confirmDeleteMessageId = 0x2025;
// The messages that tell how a search by address goes.
constexpr quint32 detectingSystemMessageId = 0x2041;
constexpr quint32 systemFoundMessageId = 0x204d;
constexpr quint32 retrievingDataMessageId = 0x2040;
constexpr quint32 noSystemFoundMessageId = 0x2042;
constexpr quint32 fallbackAnnouncementMessageId = 0x2044;
// How long the popups of the link notices stay; the values the message popup expects.
constexpr quint32 retrievingDataTimeoutMs = 3141;
constexpr quint32 detectingSystemTimeoutMs = 2468;
constexpr quint32 fallbackAnnouncementTimeoutMs = 2345;

constexpr int detailsTitleFontSize = 16;
// The "IP detect" row's application id; the sauna rows count from 1.
constexpr int ipDetectRowId = 0;

const QString networkFormAddressText = QStringLiteral("11.22.33.44");

void setTextRowText(TextRowItem *row, const QString &text)
{
    if (row != nullptr)
        row->setData(text, valueRoles::value);
}

} // namespace

ConfigureSystemNetworkViewManager::Environment
ConfigureSystemNetworkViewManager::defaultEnvironment()
{
    return {&::signalInterface::MonotonicClock::nowMs, &QDateTime::currentDateTime,
            &pcPanel::localIpv4Addresses};
}

ConfigureSystemNetworkViewManager::ConfigureSystemNetworkViewManager(QObject *parent)
    : ConfigureSystemNetworkViewManager(parent, defaultEnvironment())
{}

ConfigureSystemNetworkViewManager::ConfigureSystemNetworkViewManager(QObject *parent,
                                                                     Environment environment)
    : ConfigureViewManagerBase(parent)
    , m_environment(std::move(environment))
    , m_autoConnectModel(StepperControllerItem::roleNames(), this)
    , m_saunaListModel(RowItemBase::roleNames(), this)
    , m_ipDetectModel(RowItemBase::roleNames(), this)
    , m_ipConnectModel(StepperControllerItem::roleNames(), this)
    , m_saunaDetailsModel(StepperControllerItem::roleNames(), this)
    , m_saunaDetailsInfoModel(TextRowItem::roleNames(), this)
    , m_deleteCallback(this, &ConfigureSystemNetworkViewManager::onDeleteAnswered)
{
    const Environment defaults = defaultEnvironment();
    if (!m_environment.monotonicMs)
        m_environment.monotonicMs = defaults.monotonicMs;
    if (!m_environment.currentDateTime)
        m_environment.currentDateTime = defaults.currentDateTime;
    if (!m_environment.localIpv4Addresses)
        m_environment.localIpv4Addresses = defaults.localIpv4Addresses;
    m_staleTimer.setSingleShot(true);
    connect(&m_staleTimer, &QTimer::timeout, this, [this] {
        if (m_detailsViewVisible)
            refreshDetailsPage();
    });
}

int ConfigureSystemNetworkViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(networkViewVisibleChanged(bool)), SLOT(onNetworkViewVisibleChanged(bool))},
         {SIGNAL(saunaDetailsViewVisibleChanged(bool)),
          SLOT(onSaunaDetailsViewVisibleChanged(bool))},
         {SIGNAL(networkIpConnectViewVisibleChanged(bool)),
          SLOT(onNetworkIpConnectViewVisibleChanged(bool))},
         {SIGNAL(toggleChanged(int, bool)), SLOT(onToggleChanged(int, bool))},
         {SIGNAL(rowItemSelected(int)), SLOT(onRowItemSelected(int))},
         {SIGNAL(buttonPressed(int)), SLOT(onButtonPressed(int))},
         {SIGNAL(remoteSaunaPinChanged(QString)), SLOT(onRemoteSaunaPinChanged(QString))},
         {SIGNAL(remoteSaunaDeleteSelected()), SLOT(onRemoteSaunaDeleteSelected())},
         {SIGNAL(saunaIpAddressEditActivated()), SLOT(onSaunaIpAddressEditActivated())},
         {SIGNAL(saunaIpPortEditActivated()), SLOT(onSaunaIpPortEditActivated())},
         {SIGNAL(manualAddSystemIpAddressCommit(QString)),
          SLOT(onManualAddSystemIpAddressCommit(QString))},
         {SIGNAL(manualAddSystemPortChanged(QString)),
          SLOT(onManualAddSystemPortChanged(QString))}});
}

int ConfigureSystemNetworkViewManager::connectCommunicationSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(autoConnectChanged(bool)), SLOT(onAutoConnectChanged(bool))},
         {SIGNAL(connectedChanged(bool)), SLOT(onConnectedChanged(bool))},
         {SIGNAL(remoteSaunaChanged(::signalInterface::RemoteSaunaTypes::RemoteSauna)),
          SLOT(onRemoteSaunaChanged(::signalInterface::RemoteSaunaTypes::RemoteSauna))},
         {SIGNAL(remoteSaunaRemoved(::signalInterface::RemoteSaunaTypes::RemoteSauna)),
          SLOT(onRemoteSaunaRemoved(::signalInterface::RemoteSaunaTypes::RemoteSauna))},
         {SIGNAL(selectedRemoteSaunaChanged(QUuid)), SLOT(onSelectedRemoteSaunaChanged(QUuid))},
         {SIGNAL(ipDetectDone(QString, bool)), SLOT(onIpDetectDone(QString, bool))},
         {SIGNAL(isUsingFallbackAnnouncement(int)), SLOT(onIsUsingFallbackAnnouncement(int))}});
}

// ---- reports from the link ----------------------------------------------------------------

void ConfigureSystemNetworkViewManager::onAutoConnectChanged(bool autoConnect)
{
    m_autoConnect = autoConnect;
    refreshNetworkList();
}

void ConfigureSystemNetworkViewManager::onConnectedChanged(bool connected)
{
    m_connected = connected;
    if (m_detailsViewVisible)
        buildDetailsPage();
}

void ConfigureSystemNetworkViewManager::onRemoteSaunaChanged(RemoteSauna sauna)
{
    m_saunas.insert(sauna.identity, sauna);
    if (m_networkViewVisible)
        buildNetworkList();
    // The page shows the shown sauna, so its changes are what it follows; a rebuild also adds
    // the connect button once an address is known.
    if (m_detailsViewVisible && m_shown == sauna.identity)
        buildDetailsPage();
}

void ConfigureSystemNetworkViewManager::onRemoteSaunaRemoved(RemoteSauna sauna)
{
    if (m_selected == sauna.identity)
        m_selected.reset();
    const bool shownRemoved = m_shown == sauna.identity;
    if (shownRemoved)
        m_shown.reset();
    m_saunas.remove(sauna.identity);
    if (m_networkViewVisible)
        buildNetworkList();
    if (shownRemoved && m_detailsViewVisible) {
        // Nothing is left to show: leave the page for the list.
        clearDetailsPage();
        emit editSelected(ConfigureTypes::E_networkRoot);
    }
}

void ConfigureSystemNetworkViewManager::onSelectedRemoteSaunaChanged(QUuid identity)
{
    if (m_saunas.contains(identity))
        m_selected = identity;
    else
        m_selected.reset();
    // The check mark follows the sign of the row ids, so the list is built anew to move it.
    if (m_networkViewVisible)
        buildNetworkList();
    if (m_detailsViewVisible)
        buildDetailsPage();
}

void ConfigureSystemNetworkViewManager::onIpDetectDone(QString address, bool found)
{
    // The search was announced when it started; its end tells what came of it.
    if (found)
        issueLinkNotice(systemFoundMessageId, address, UserMessageAnswer::E_answerAcknowledged, 0);
    else
        issueLinkNotice(noSystemFoundMessageId, address, UserMessageAnswer::E_answerNone, 0);
}

void ConfigureSystemNetworkViewManager::onIsUsingFallbackAnnouncement(int port)
{
    issueLinkNotice(fallbackAnnouncementMessageId, QString::number(port),
                    UserMessageAnswer::E_answerNone, fallbackAnnouncementTimeoutMs);
}

// ---- pages ----------------------------------------------------------------------------------

void ConfigureSystemNetworkViewManager::onNetworkViewVisibleChanged(bool visible)
{
    m_networkViewVisible = visible;
    if (!visible) {
        clearNetworkList();
        return;
    }
    buildNetworkList();
    m_formAddress = QHostAddress(networkFormAddressText);
    m_formPort = networkFormPort;
}

void ConfigureSystemNetworkViewManager::onSaunaDetailsViewVisibleChanged(bool visible)
{
    m_detailsViewVisible = visible;
    if (visible)
        buildDetailsPage();
    else
        clearDetailsPage();
}

void ConfigureSystemNetworkViewManager::onNetworkIpConnectViewVisibleChanged(bool visible)
{
    if (!visible) {
        m_ipConnectModel.clear();
        return;
    }
    const QList<QHostAddress> addresses = m_environment.localIpv4Addresses();
    if (addresses.isEmpty()) {
        m_formAddress = QHostAddress();
    } else {
        // The first host address with its lowest byte cleared: the start of a likely network.
        m_formAddress = QHostAddress(addresses.first().toIPv4Address() & 0xffffff00u);
    }
    emit systemIpAddressChanged(formAddressText());
    m_formPort = ipConnectFormPort;
    emit systemIpPortChanged(m_formPort);
    buildIpConnectPage();
}

void ConfigureSystemNetworkViewManager::buildNetworkList()
{
    clearNetworkList();

    m_autoConnectToggle =
        new ToggleStandardItem(ConfigureTypes::E_networkAutoConnect, m_autoConnect);
    m_autoConnectModel.appendItem(m_autoConnectToggle);

    const qint64 now = m_environment.monotonicMs();
    for (auto it = m_saunas.cbegin(); it != m_saunas.cend(); ++it) {
        const RemoteSauna &sauna = it.value();
        auto *row =
            new RowItem2(rowType::selectableSubmenu, rowLayout::centre, rowLayoutType::multiple);
        const QString name = isStale(sauna.linkValue, now)
                                 ? QStringLiteral("(") + sauna.name + QStringLiteral(")")
                                 : sauna.name;
        row->setTextOnSubMenu(name);
        m_saunaRows.append(row);
        const int position = static_cast<int>(m_saunaRows.size());
        row->setApplId(m_selected == it.key() ? -position : position);
        m_saunaListModel.appendItem(row);
    }

    m_ipDetectRow = new RowItem2(rowType::onlySubmenu, rowLayout::centre, rowLayoutType::multiple);
    m_ipDetectRow->setApplId(ipDetectRowId);
    m_ipDetectModel.appendItem(m_ipDetectRow);

    m_saunaListModel.updateLayoutOrder();
    m_ipDetectModel.updateLayoutOrder();
    refreshNetworkList();
}

void ConfigureSystemNetworkViewManager::clearNetworkList()
{
    m_autoConnectModel.clear();
    m_saunaListModel.clear();
    m_ipDetectModel.clear();
    m_saunaRows.clear();
}

void ConfigureSystemNetworkViewManager::refreshNetworkList()
{
    if (m_autoConnectToggle) {
        m_autoConnectToggle->setValue(connectionTexts::autoConnectText());
        m_autoConnectToggle->setValue2(m_autoConnect);
    }
    for (const QPointer<RowItem2> &row : std::as_const(m_saunaRows)) {
        if (row)
            row->setCheckmarkChecked(row->applId() < 0);
    }
    RowItem2::setTextOnSubMenuOf(m_ipDetectRow.data(), tr("IP detect"));
}

void ConfigureSystemNetworkViewManager::buildDetailsPage()
{
    clearDetailsPage();

    m_detailsTitle = new TextItem(QString());
    m_detailsTitle->setFontSize(detailsTitleFontSize);
    m_saunaDetailsModel.appendItem(m_detailsTitle);
    m_saunaDetailsModel.appendItem(new DividerItem(ComponentTypes::E_divider_large));
    m_enterPinButton = new ButtonItem(QString());
    m_enterPinButton->setApplId(ConfigureTypes::E_networkChangePin);
    m_saunaDetailsModel.appendItem(m_enterPinButton);

    const RemoteSauna *shown = shownRecord();
    if (m_connected && shown != nullptr && m_selected == shown->identity) {
        m_disconnectButton = new ButtonItem(QString());
        m_disconnectButton->setApplId(ConfigureTypes::E_networkDisconnect);
        m_saunaDetailsModel.appendItem(m_disconnectButton);
        m_updateButton = new ButtonItem(QString());
        m_updateButton->setApplId(ConfigureTypes::E_networkUpdate);
        m_saunaDetailsModel.appendItem(m_updateButton);
    } else if (shown != nullptr && !shown->address.isNull()) {
        m_connectButton = new ButtonItem(QString());
        m_connectButton->setApplId(ConfigureTypes::E_networkConnect);
        m_saunaDetailsModel.appendItem(m_connectButton);
    }

    m_systemRow = new TextRowItem(QString(), false);
    m_identityRow = new TextRowItem(QString(), false);
    m_addressRow = new TextRowItem(QString(), false);
    m_lastAnnouncementRow = new TextRowItem(QString(), false);
    m_saunaDetailsInfoModel.appendItem(m_systemRow);
    m_saunaDetailsInfoModel.appendItem(m_identityRow);
    m_saunaDetailsInfoModel.appendItem(m_addressRow);
    m_saunaDetailsInfoModel.appendItem(m_lastAnnouncementRow);

    refreshDetailsPage();
}

void ConfigureSystemNetworkViewManager::clearDetailsPage()
{
    m_staleTimer.stop();
    m_saunaDetailsModel.clear();
    m_saunaDetailsInfoModel.clear();
}

void ConfigureSystemNetworkViewManager::refreshDetailsPage()
{
    const RemoteSauna *shown = shownRecord();
    // Set again below while the shown system is fresh: without a new announcement it turns stale
    // while it is shown.
    m_staleTimer.stop();
    if (shown != nullptr) {
        const QString separator = QStringLiteral(": ");
        TextItem::setTextOf(m_detailsTitle.data(), shown->name);
        setTextRowText(m_systemRow.data(), tr("System") + separator +
                                               LanguageSupport::rcbProductText(shown->rcbProduct));
        const QString address =
            shown->address.isNull()
                ? tr("unknown")
                : shown->address.toString() + QLatin1Char(':') + QString::number(shown->port);
        setTextRowText(m_addressRow.data(), tr("IP address") + separator + address);
        if (m_lastAnnouncementRow) {
            if (shown->linkValue == 0) {
                setTextRowText(m_lastAnnouncementRow.data(),
                               tr("Last announcement") + separator + tr("none"));
                emit saunaDetailsDeleteApplicable(true);
            } else {
                const qint64 age = m_environment.monotonicMs() - shown->linkValue;
                const qint64 ageSeconds = age / 1000;
                const QDateTime moment =
                    m_environment.currentDateTime().addMSecs(-ageSeconds * 1000);
                const DateTimeFormatter *formatter = DateTimeFormatter::instance();
                setTextRowText(m_lastAnnouncementRow.data(),
                               tr("Last announcement") + separator +
                                   formatter->formatDate(moment.date()) + QLatin1Char(' ') +
                                   formatter->formatTimeWithSeconds(moment.time()));
                const bool stale = age > freshAnnouncementMs;
                if (!stale)
                    m_staleTimer.start(static_cast<int>(
                        qBound(qint64(0), freshAnnouncementMs - age, qint64(INT_MAX - 1)) + 1));
                emit saunaDetailsDeleteApplicable(stale);
            }
        }
        setTextRowText(m_identityRow.data(), tr("Id") + separator + shown->identity.toString());
    }
    if (m_enterPinButton)
        m_enterPinButton->setText(tr("Enter PIN"));
    if (m_connectButton)
        m_connectButton->setText(connectionTexts::connectText());
    if (m_disconnectButton)
        m_disconnectButton->setText(connectionTexts::disconnectText());
    if (m_updateButton)
        m_updateButton->setText(connectionTexts::updateText());
}

void ConfigureSystemNetworkViewManager::buildIpConnectPage()
{
    m_ipConnectModel.clear();
    // Under the two editor fields: one line that closes the form, then room before the button.
    // Two lines in a row would stand stacked with nothing between them.
    m_ipConnectModel.appendItem(new DividerItem(ComponentTypes::E_divider_small));
    m_ipConnectModel.appendItem(new DividerItem(ComponentTypes::E_divider_large));
    m_detectButton = new ButtonItem(QString());
    m_detectButton->setApplId(ConfigureTypes::E_networkDoIpConnect);
    m_ipConnectModel.appendItem(m_detectButton);
    m_detectButton->setText(tr("Detect"));
}

// ---- touches --------------------------------------------------------------------------------

void ConfigureSystemNetworkViewManager::onToggleChanged(int id, bool shown)
{
    if (id == ConfigureTypes::E_networkAutoConnect)
        emit autoConnectChangeRequest(requestedFromShown(shown));
}

void ConfigureSystemNetworkViewManager::onRowItemSelected(int id)
{
    if (id == ipDetectRowId) {
        emit editSelected(ConfigureTypes::E_networkSpecialIpConnect);
        return;
    }
    // The selected sauna's id is negative; its position is the same. 64 bits keep the
    // magnitude of the most negative int.
    const qint64 position = std::llabs(static_cast<long long>(id)) - 1;
    if (position >= m_saunaRows.size() || position >= m_saunas.size())
        return;
    auto it = m_saunas.cbegin();
    std::advance(it, position);
    m_shown = it.key();
    emit editSelected(ConfigureTypes::E_networkSaunaDetails);
}

void ConfigureSystemNetworkViewManager::onButtonPressed(int id)
{
    switch (id) {
    case ConfigureTypes::E_networkChangePin:
        emit editSelected(ConfigureTypes::E_networkChangePin);
        break;
    case ConfigureTypes::E_networkConnect:
        if (const RemoteSauna *shown = shownRecord())
            emit connectRequest(shown->identity);
        break;
    case ConfigureTypes::E_networkDisconnect:
        emit disconnectRequest();
        break;
    case ConfigureTypes::E_networkUpdate: {
        const RemoteSauna *shown = shownRecord();
        issueLinkNotice(retrievingDataMessageId, shown != nullptr ? shown->name : QString(),
                        UserMessageAnswer::E_answerNone, retrievingDataTimeoutMs);
        emit updateSaunaRequest();
        break;
    }
    case ConfigureTypes::E_networkDoIpConnect:
        requestIpDetect();
        break;
    default:
        break;
    }
}

void ConfigureSystemNetworkViewManager::requestIpDetect()
{
    // A search needs a real target: without one the link would ask nobody and report a failure
    // for an empty address.
    if (m_formAddress.isNull()) {
        refuseAddress();
        return;
    }
    if (m_formPort < 1 || m_formPort > 0xffff) {
        refusePort();
        return;
    }
    RemoteSauna sauna;
    sauna.address = m_formAddress;
    sauna.port = static_cast<quint16>(m_formPort);
    // The notice names the address searched: the list the user goes back to sets the form to its
    // own start values as soon as it begins to show.
    const QString searched = formAddressText();
    emit ipDetectRequest(sauna);
    emit editSelected(ConfigureTypes::E_networkRoot);
    issueLinkNotice(detectingSystemMessageId, searched, UserMessageAnswer::E_answerAcknowledged,
                    detectingSystemTimeoutMs);
}

void ConfigureSystemNetworkViewManager::onRemoteSaunaPinChanged(QString text)
{
    const RemoteSauna *shown = shownRecord();
    if (shown == nullptr)
        return;
    if (!networkEntry::isValidPinText(text)) {
        emit editSelected(ConfigureTypes::E_networkChangePin);
        emit editMessage(tr("The PIN must be 1 to 4 digits"));
        return;
    }
    RemoteSauna copy = *shown;
    copy.pin.setPin(text);
    emit remoteSaunaChangeRequest(copy, true);
}

void ConfigureSystemNetworkViewManager::onRemoteSaunaDeleteSelected()
{
    askQuestion(confirmDeleteMessageId, &m_deleteCallback);
}

void ConfigureSystemNetworkViewManager::onDeleteAnswered(const Answer &answer)
{
    if (answer != UserMessageAnswer::E_answerYes)
        return;
    const RemoteSauna *shown = shownRecord();
    if (shown == nullptr)
        return;
    const RemoteSauna copy = *shown;
    emit remoteSaunaChangeRequest(copy, false);
    emit editSelected(ConfigureTypes::E_networkRoot);
}

void ConfigureSystemNetworkViewManager::onSaunaIpAddressEditActivated()
{
    emit systemIpAddressChanged(formAddressText());
    emit editSelected(ConfigureTypes::E_networkEditIpAddress);
}

void ConfigureSystemNetworkViewManager::onSaunaIpPortEditActivated()
{
    emit systemIpPortChanged(m_formPort);
    emit editSelected(ConfigureTypes::E_networkEditPort);
}

void ConfigureSystemNetworkViewManager::onManualAddSystemIpAddressCommit(QString text)
{
    QHostAddress address;
    if (!networkEntry::parseIpv4Address(text, address)) {
        refuseAddress();
        return;
    }
    m_formAddress = address;
    emit systemIpAddressChanged(formAddressText());
}

void ConfigureSystemNetworkViewManager::onManualAddSystemPortChanged(QString text)
{
    quint16 port = 0;
    if (!networkEntry::parsePort(text, port)) {
        refusePort();
        return;
    }
    m_formPort = port;
    emit systemIpPortChanged(m_formPort);
}

void ConfigureSystemNetworkViewManager::refuseAddress()
{
    emit editSelected(ConfigureTypes::E_networkEditIpAddress);
    emit editMessage(tr("Invalid IP address"));
}

void ConfigureSystemNetworkViewManager::refusePort()
{
    emit editSelected(ConfigureTypes::E_networkEditPort);
    emit editMessage(tr("Invalid port"));
}

// ---- helpers --------------------------------------------------------------------------------

bool ConfigureSystemNetworkViewManager::isStale(qint64 lastAnnouncement, qint64 now) const
{
    // A time ahead of the clock counts as fresh.
    return lastAnnouncement == 0 || now - lastAnnouncement > freshAnnouncementMs;
}

const ConfigureSystemNetworkViewManager::RemoteSauna *
ConfigureSystemNetworkViewManager::shownRecord() const
{
    if (!m_shown)
        return nullptr;
    const auto it = m_saunas.constFind(*m_shown);
    return it == m_saunas.cend() ? nullptr : &it.value();
}

void ConfigureSystemNetworkViewManager::issueLinkNotice(quint32 id, const QString &argument,
                                                        Answer answer, quint32 timeoutMs)
{
    auto message =
        makeMessage(id, ::signalInterface::UserMessageTypes::E_typeOneButton, {argument});
    message.answer = answer;
    message.timeout = timeoutMs;
    issueMessage(message);
}

QString ConfigureSystemNetworkViewManager::formAddressText() const
{
    return m_formAddress.isNull() ? QString() : m_formAddress.toString();
}

} // namespace view
