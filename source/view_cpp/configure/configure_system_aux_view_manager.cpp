#include "view_cpp/configure/configure_system_aux_view_manager.h"

#include "pc_panel/supported_characters.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"
#include "view_cpp/row_item_base.h"
#include "view_cpp/row_item_large.h"
#include "view_cpp/row_item_tables.h"

#include <optional>

namespace view {

using ::signalInterface::AuxiliaryRelayTypes;
using ::signalInterface::ConfigureTypes;
using ::signalInterface::MasterFuncDescTypes;

namespace {

// A timing in milliseconds, or nothing for a scaling the relay does not know.
std::optional<qint64> milliseconds(quint32 value, AuxiliaryRelayTypes::TimeScaling scaling)
{
    switch (scaling) {
    case AuxiliaryRelayTypes::E_100_msec:
        return qint64(value) * 100;
    case AuxiliaryRelayTypes::E_seconds:
        return qint64(value) * 1000;
    case AuxiliaryRelayTypes::E_minutes:
        return qint64(value) * 60000;
    case AuxiliaryRelayTypes::E_hours:
        return qint64(value) * 3600000;
    }
    return std::nullopt;
}

// The timing divided by unit, kept when it lies in [lowest, highest], else the default.
quint32 convertedTiming(quint32 value, AuxiliaryRelayTypes::TimeScaling scaling, qint64 unit,
                        qint64 lowest, qint64 highest, quint32 fallback)
{
    const std::optional<qint64> ms = milliseconds(value, scaling);
    if (!ms)
        return fallback;
    const qint64 converted = *ms / unit;
    return converted >= lowest && converted <= highest ? quint32(converted) : fallback;
}

} // namespace

ConfigureSystemAuxViewManager::ConfigureSystemAuxViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_fragranceManager(this, this)
    , m_descalingManager(this, this)
    , m_relayModel(RowItemBase::roleNames(), this)
    , m_functionModel(RowItem::roleNames(), this)
{
    AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(m_relays);
}

int ConfigureSystemAuxViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(optionsViewVisibleChanged(bool)), SLOT(onOptionsViewVisibleChanged(bool))},
         {SIGNAL(optionsSingleViewVisibleChanged(bool)),
          SLOT(onOptionsSingleViewVisibleChanged(bool))}});
}

int ConfigureSystemAuxViewManager::connectToAuxModelView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(senders, this,
                                           {{SIGNAL(auxSelected(int)), SLOT(onAuxSelected(int))}});
}

int ConfigureSystemAuxViewManager::connectToAuxSingleOverviewModelView(
    const QList<QObject *> &senders)
{
    for (QObject *sender : senders) {
        if (sender != nullptr && !m_singleRelayItems.contains(sender))
            m_singleRelayItems.append(sender);
    }
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(auxFunctionSelected(int)), SLOT(onAuxFunctionSelected(int))},
         {SIGNAL(auxNameEditActivated()), SLOT(onAuxNameEditActivated())}});
}

int ConfigureSystemAuxViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaAuxRelaySettingChanged(
              ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost)),
          SLOT(onSaunaAuxRelaySettingChanged(
              ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost))},
         {SIGNAL(saunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling)),
          SLOT(onSaunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling))},
         {SIGNAL(saunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode)),
          SLOT(onSaunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode))},
         {SIGNAL(saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct)),
          SLOT(onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct))},
         {SIGNAL(saunaLastDescalingChanged(QDate)), SLOT(onSaunaLastDescalingChanged(QDate))}});
}

bool ConfigureSystemAuxViewManager::offersDescaling() const
{
    // Until the sauna has reported its descaling settings the panel knows none to send with a
    // new descaling relay.
    if (!m_descalingReported)
        return false;
    const bool steamGenerator = MasterFuncDescTypes::isSteamProduct(m_product) ||
                                m_product == MasterFuncDescTypes::E_combi_manual ||
                                m_product == MasterFuncDescTypes::E_combi_auto;
    return steamGenerator || descalingRelayIndex() == m_selected;
}

// Relay list

void ConfigureSystemAuxViewManager::onOptionsViewVisibleChanged(bool visible)
{
    if (visible)
        rebuildRelayList();
    else
        m_relayModel.clear();
}

void ConfigureSystemAuxViewManager::rebuildRelayList()
{
    m_relayModel.clear();
    for (const AuxiliaryRelayPost &relay : m_relays) {
        if (relay.connected)
            m_relayModel.appendItem(new RowItemLarge(int(relay.index)));
    }
    refreshRelayTexts();
}

void ConfigureSystemAuxViewManager::refreshRelayTexts()
{
    for (int row = 0; row < m_relayModel.rowCount(); ++row) {
        auto *item = qobject_cast<RowItemLarge *>(m_relayModel.itemAt(row));
        if (item == nullptr || item->applId() < 0 || item->applId() >= relayCount)
            continue;
        item->setTextOnSubMenu(LanguageSupport::auxText(item->applId()));
        item->setTextValue1(m_relays.at(item->applId()).name);
    }
    m_relayModel.updateLayoutOrder();
}

// Function list

void ConfigureSystemAuxViewManager::onOptionsSingleViewVisibleChanged(bool visible)
{
    if (visible)
        buildFunctionList();
    else
        m_functionModel.clear();
}

void ConfigureSystemAuxViewManager::buildFunctionList()
{
    m_functionModel.clear();
    const auto append = [this](QPointer<RowItem> &guard, int typeOfItem, int order, int id) {
        auto *row = new RowItem(typeOfItem, order, rowLayoutType::multiple);
        row->setApplId(id);
        guard = row;
        m_functionModel.appendItem(row);
    };
    append(m_notInUseRow, rowType::onlyCheckmark, 0, notInUseChoice);
    append(m_onOffRow, rowType::onlyCheckmark, 1, onOffChoice);
    append(m_fragranceRow, rowType::selectableSubmenu, 2, fragranceChoice);
    if (offersDescaling())
        append(m_descalingRow, rowType::selectableSubmenu, 2, descalingChoice);
    m_functionModel.updateLayoutOrder();
    refreshFunctionRows();
}

void ConfigureSystemAuxViewManager::refreshFunctionRows()
{
    const AuxiliaryRelayTypes::Function function = selectedRelay().function;
    const bool isDescalingRelay = descalingRelayIndex() == m_selected;
    const auto refresh = [](RowItem *row, const QString &text, bool checked) {
        if (row == nullptr)
            return;
        row->setTextOnSubMenu(text);
        row->setCheckmarkChecked(checked);
    };
    refresh(m_notInUseRow, tr("Not in use"), function == AuxiliaryRelayTypes::E_notUsed);
    refresh(m_onOffRow, tr("On/Off"), function == AuxiliaryRelayTypes::E_onOff);
    refresh(m_fragranceRow, tr("Fragrance"),
            function == AuxiliaryRelayTypes::E_frequency && !isDescalingRelay);
    refresh(m_descalingRow, tr("Descaling"),
            function == AuxiliaryRelayTypes::E_frequency && isDescalingRelay);
}

// Choices

void ConfigureSystemAuxViewManager::onAuxSelected(int index)
{
    if (index < 0 || index >= relayCount)
        return;
    m_selected = index;
    emit editSelected(ConfigureTypes::E_optionsAuxSingleOverview);
    buildFunctionList();
    emit auxNameChanged(selectedRelay().name);
    emit topBarTextChanged(LanguageSupport::auxText(index));
}

void ConfigureSystemAuxViewManager::onAuxFunctionSelected(int choice)
{
    const bool known = choice == notInUseChoice || choice == onOffChoice ||
                       choice == fragranceChoice || choice == descalingChoice;
    if (!known || (choice == descalingChoice && !offersDescaling()))
        return;
    const int selected = m_selected;
    const int descalingRelay = descalingRelayIndex();

    if (selected == descalingRelay && choice != descalingChoice) {
        Descaling none = m_descaling;
        none.enabled = false;
        none.relayIndex = Descaling::noRelayIndex;
        emit descalingChangeRequested(none);
    }

    AuxiliaryRelayPost &relay = m_relays[selected];
    const AuxiliaryRelayTypes::Function oldFunction = relay.function;
    AuxiliaryRelayTypes::Function function;
    if (AuxiliaryRelayTypes::fromInt(choice, function))
        relay.function = function;

    if (choice == fragranceChoice) {
        if (oldFunction != AuxiliaryRelayTypes::E_frequency || selected == descalingRelay) {
            relay = fragranceConverted(relay);
            emit auxRelayUpdateRequested(relay);
        }
        emit editSelected(ConfigureTypes::E_optionsAuxSingleFragrance);
        m_fragranceManager.refresh();
        return;
    }
    if (choice == descalingChoice) {
        if (descalingRelay >= 0 && descalingRelay != selected) {
            AuxiliaryRelayPost freed = m_relays.at(descalingRelay);
            freed.function = AuxiliaryRelayTypes::E_notUsed;
            emit auxRelayUpdateRequested(freed);
        }
        if (descalingRelay != selected) {
            relay = descalingConverted(relay);
            emit auxRelayUpdateRequested(relay);
            Descaling descaling = m_descaling;
            descaling.relayIndex = quint32(selected);
            emit descalingChangeRequested(descaling);
        }
        emit editSelected(ConfigureTypes::E_optionsAuxDescalingSettings);
        return;
    }
    emit auxRelayUpdateRequested(relay);
}

AuxiliaryRelayTypes::AuxiliaryRelayPost
ConfigureSystemAuxViewManager::fragranceConverted(const AuxiliaryRelayPost &post)
{
    AuxiliaryRelayPost converted = post;
    converted.function = AuxiliaryRelayTypes::E_frequency;
    converted.onTimeValue = convertedTiming(post.onTimeValue, post.onTimeScaling, 100, 1, 1200, 5);
    converted.onTimeScaling = AuxiliaryRelayTypes::E_100_msec;
    converted.offTimeValue =
        convertedTiming(post.offTimeValue, post.offTimeScaling, 1000, 1, 7200, 1200);
    converted.offTimeScaling = AuxiliaryRelayTypes::E_seconds;
    return converted;
}

AuxiliaryRelayTypes::AuxiliaryRelayPost
ConfigureSystemAuxViewManager::descalingConverted(const AuxiliaryRelayPost &post)
{
    constexpr quint32 week = ConfigureSystemAuxDescalingViewManager::hoursPerWeek;
    AuxiliaryRelayPost converted = post;
    converted.function = AuxiliaryRelayTypes::E_frequency;
    converted.onTimeValue =
        convertedTiming(post.onTimeValue, post.onTimeScaling, 60000, 1, 1440, 180);
    converted.onTimeScaling = AuxiliaryRelayTypes::E_minutes;
    const quint32 hours =
        convertedTiming(post.offTimeValue, post.offTimeScaling, 3600000, week, 4 * week, week);
    converted.offTimeValue = hours / week * week;
    converted.offTimeScaling = AuxiliaryRelayTypes::E_hours;
    return converted;
}

// Rename

void ConfigureSystemAuxViewManager::onAuxNameEditActivated()
{
    emit openKeyboard(selectedRelay().name);
    // A second activation before the answer must not double the answer's connections.
    for (QObject *item : std::as_const(m_singleRelayItems)) {
        connect(item, SIGNAL(auxNameEditSaveSelected(QString)), this,
                SLOT(onRenameAuxSaveSelected(QString)), Qt::UniqueConnection);
        connect(item, SIGNAL(auxNameEditCancelSelected()), this, SLOT(onRenameAuxCancelSelected()),
                Qt::UniqueConnection);
    }
}

void ConfigureSystemAuxViewManager::disconnectKeyboardAnswers()
{
    for (QObject *item : std::as_const(m_singleRelayItems)) {
        disconnect(item, SIGNAL(auxNameEditSaveSelected(QString)), this,
                   SLOT(onRenameAuxSaveSelected(QString)));
        disconnect(item, SIGNAL(auxNameEditCancelSelected()), this,
                   SLOT(onRenameAuxCancelSelected()));
    }
}

void ConfigureSystemAuxViewManager::onRenameAuxCancelSelected()
{
    emit closeKeyboard();
    disconnectKeyboardAnswers();
}

void ConfigureSystemAuxViewManager::onRenameAuxSaveSelected(QString name)
{
    const pcPanel::SupportedCharacters &supported = pcPanel::SupportedCharacters::instance();
    const pcPanel::SupportedCharacters::CharacterSet unsupported =
        supported.count() > 0 ? supported.unsupportedCharacters(name)
                              : pcPanel::SupportedCharacters::CharacterSet();
    if (!unsupported.empty()) {
        issueNotice(unsupportedNameCharactersMessage,
                    {pcPanel::SupportedCharacters::toString(unsupported)});
    } else if (name.size() <= nameMaximumLength) {
        // The keyboard takes no more than the sauna does; a longer name is not cut but dropped.
        AuxiliaryRelayPost &relay = m_relays[m_selected];
        relay.name = name;
        emit auxRelayUpdateRequested(relay);
    }
    emit closeKeyboard();
    disconnectKeyboardAnswers();
}

// Reports

void ConfigureSystemAuxViewManager::onSaunaAuxRelaySettingChanged(AuxiliaryRelayPost post)
{
    if (post.index >= quint32(relayCount))
        return;
    AuxiliaryRelayPost &stored = m_relays[int(post.index)];
    const bool presenceChanged = stored.connected != post.connected;
    stored = post;
    if (presenceChanged)
        rebuildRelayList();
    else
        refreshRelayTexts();
    refreshFunctionRows();
    emit auxNameChanged(selectedRelay().name);
    if (int(post.index) == descalingRelayIndex())
        m_descalingManager.refresh();
    else
        m_fragranceManager.refresh();
}

void ConfigureSystemAuxViewManager::onSaunaDescalingChanged(Descaling descaling)
{
    m_descaling = descaling;
    m_descalingReported = true;
    buildFunctionList();
    m_descalingManager.refresh();
}

void ConfigureSystemAuxViewManager::onSaunaLastDescalingChanged(QDate date)
{
    m_lastDescaling = date;
    m_descalingManager.refresh();
}

void ConfigureSystemAuxViewManager::onSaunaReplaced()
{
    m_relays.clear();
    AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(m_relays);
    m_descaling = Descaling();
    m_descalingReported = false;
    m_lastDescaling = QDate();
    m_systemMode = MasterFuncDescTypes::E_standard;
    m_product = MasterFuncDescTypes::E_unknown;
    if (m_relayModel.rowCount() > 0)
        rebuildRelayList();
    if (!m_notInUseRow.isNull())
        buildFunctionList();
    refreshRelayTexts();
    emit auxNameChanged(selectedRelay().name);
    m_descalingManager.refresh();
    m_fragranceManager.refresh();
}

void ConfigureSystemAuxViewManager::onSaunaSystemModeChanged(MasterFuncDescTypes::SystemMode mode)
{
    m_systemMode = mode;
}

void ConfigureSystemAuxViewManager::onSaunaMasterProductChanged(
    MasterFuncDescTypes::RcbProduct product)
{
    m_product = product;
    // Whether "Descaling" is offered depends on the product.
    if (!m_notInUseRow.isNull())
        buildFunctionList();
}

} // namespace view
