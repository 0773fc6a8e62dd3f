#include "view_cpp/configure/configure_general_pin_view_manager.h"

#include "control/settings.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/divider_item.h"
#include "view_cpp/language_support.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"

#include <QSettings>

#include <algorithm>

namespace view {

using ::signalInterface::AuxiliaryRelayTypes;
using ::signalInterface::MasterFuncDescTypes;
using ::signalInterface::PinTypes;

ConfigureGeneralPinViewManager::ConfigureGeneralPinViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
{
    AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(m_relays);

    const auto always = [] {
        return true;
    };
    m_records.push_back(
        {E_power, QString::fromLatin1(control::Settings::lockscreenPowerVisibleKey), always, [] {
             return LanguageSupport::powerText();
         }});
    m_records.push_back({E_temperature,
                         QString::fromLatin1(control::Settings::lockscreenTemperatureVisibleKey),
                         always, [] {
                             return LanguageSupport::temperatureText();
                         }});
    m_records.push_back(
        {E_humidity, QString::fromLatin1(control::Settings::lockscreenHumidityVisibleKey),
         [this] {
             return (m_humiditySensorOk && m_functions.humidityPercent) ||
                    m_functions.humidityLevel;
         },
         [this] {
             return m_irProduct ? LanguageSupport::irText() : LanguageSupport::humidityText();
         }});
    m_records.push_back({E_lighting,
                         QString::fromLatin1(control::Settings::lockscreenLightingVisibleKey),
                         always, [] {
                             return LanguageSupport::lightingText();
                         }});
    for (int relay = 0; relay < AuxiliaryRelayTypes::relayCount; ++relay) {
        m_records.push_back({E_auxIdBase + relay, control::Settings::lockscreenAuxVisibleKey(relay),
                             [this, relay] { return isAuxOffered(relay); },
                             [this, relay] {
                                 return LanguageSupport::auxRelayName(m_relays.at(relay));
                             }});
    }

    // Every choice exists in the store from the first start on, as not chosen.
    QSettings *store = control::Settings::settings();
    for (const ControlRecord &record : m_records) {
        if (!store->contains(record.key))
            control::Settings::setValue(record.key, false);
    }
}

int ConfigureGeneralPinViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(pinToggleChanged(int, bool)), SLOT(onPinToggleChanged(int, bool))},
         {SIGNAL(pinButtonPressed(int)), SLOT(onPinButtonPressed(int))},
         {SIGNAL(lockscreenControlSelected(int)), SLOT(onLockscreenControlSelected(int))},
         {SIGNAL(pinViewVisibleChanged(bool)), SLOT(onPinViewVisibleChanged(bool))}});
}

int ConfigureGeneralPinViewManager::connectPinCodeSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(setPinToggle(::signalInterface::PinTypes::PinViewTypes, bool)),
          SLOT(onSetPinToggle(::signalInterface::PinTypes::PinViewTypes, bool))}});
}

int ConfigureGeneralPinViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {masterFuncDescRoute,
         {SIGNAL(saunaHumiditySensorStatusChanged(bool)),
          SLOT(onSaunaHumiditySensorStatusChanged(bool))},
         {SIGNAL(saunaAuxRelaySettingChanged(
              ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost)),
          SLOT(onSaunaAuxRelaySettingChanged(
              ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost))},
         {SIGNAL(saunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling)),
          SLOT(onSaunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling))},
         {SIGNAL(saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct)),
          SLOT(onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct))}});
}

void ConfigureGeneralPinViewManager::publishLockscreenSettings()
{
    for (const ControlRecord &record : m_records)
        publish(record);
    emit pinShowControlsActivated(anyControlsOffered());
}

void ConfigureGeneralPinViewManager::clear()
{
    m_model.clear();
    for (ControlRecord &record : m_records)
        record.row = nullptr;
}

void ConfigureGeneralPinViewManager::onPinViewVisibleChanged(bool visible)
{
    if (!visible)
        return;
    clear();
    m_pinToggle = new ToggleStandardItem(pinToggleId, m_pinActivated);
    m_model.appendItem(m_pinToggle);
    m_model.appendItem(new DividerItem(ComponentTypes::E_divider_large));
    m_changeButton = new ButtonItem(QString());
    m_changeButton->setApplId(changePinButtonId);
    m_model.appendItem(m_changeButton);
    m_model.appendItem(new DividerItem(ComponentTypes::E_divider_large));
    m_heading = new TextItem(QString());
    m_heading->setFontSize(headingFontSize);
    m_model.appendItem(m_heading);
    updateControlRows();
    refresh();
}

void ConfigureGeneralPinViewManager::onLanguageChanged(::signalInterface::LanguageTypes::Language)
{
    refresh();
    processEventsAfterRetranslation();
}

void ConfigureGeneralPinViewManager::onSaunaMasterFuncDescChanged(
    MasterFuncDescTypes::MasterFuncDescPost post)
{
    m_functions = post;
    updateAndRefreshIfBuilt();
    emit pinShowControlsActivated(anyControlsOffered());
}

void ConfigureGeneralPinViewManager::onSaunaHumiditySensorStatusChanged(bool ok)
{
    m_humiditySensorOk = ok;
    updateAndRefreshIfBuilt();
    emit pinShowControlsActivated(anyControlsOffered());
}

void ConfigureGeneralPinViewManager::onSaunaAuxRelaySettingChanged(
    AuxiliaryRelayTypes::AuxiliaryRelayPost post)
{
    if (post.index >= quint32(AuxiliaryRelayTypes::relayCount))
        return;
    m_relays[int(post.index)] = post;
    updateAndRefreshIfBuilt();
    emit pinShowControlsActivated(anyControlsOffered());
}

void ConfigureGeneralPinViewManager::onSaunaDescalingChanged(
    AuxiliaryRelayTypes::Descaling descaling)
{
    m_descaling = descaling;
    updateAndRefreshIfBuilt();
    // A relay that now serves descaling leaves the lock screen: every choice is told again.
    for (const ControlRecord &record : m_records)
        publish(record);
}

void ConfigureGeneralPinViewManager::onSaunaMasterProductChanged(
    MasterFuncDescTypes::RcbProduct product)
{
    // The humidity row's text follows at the next refresh.
    m_irProduct = product == MasterFuncDescTypes::E_sauna_ir;
}

void ConfigureGeneralPinViewManager::onSaunaReplaced()
{
    m_functions = {};
    m_humiditySensorOk = false;
    m_relays.clear();
    AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(m_relays);
    m_descaling = AuxiliaryRelayTypes::Descaling();
    m_irProduct = false;
    updateAndRefreshIfBuilt();
    for (const ControlRecord &record : m_records)
        publish(record);
    emit pinShowControlsActivated(anyControlsOffered());
}

void ConfigureGeneralPinViewManager::onSetPinToggle(PinTypes::PinViewTypes type, bool activated)
{
    if (type != PinTypes::E_demandPin)
        return;
    m_pinActivated = activated;
    if (m_model.rowCount() > 0)
        refresh();
}

void ConfigureGeneralPinViewManager::onPinToggleChanged(int applId, bool shown)
{
    if (applId != pinToggleId)
        return;
    // The lock's own state changes only when the PIN-code controller reports it back.
    emit pinToggleChanged(PinTypes::E_demandPin, requestedFromShown(shown));
}

void ConfigureGeneralPinViewManager::onPinButtonPressed(int applId)
{
    if (applId == changePinButtonId)
        emit pinChangeButtonPressed();
}

void ConfigureGeneralPinViewManager::onLockscreenControlSelected(int id)
{
    const auto found = std::find_if(m_records.begin(), m_records.end(),
                                    [id](const ControlRecord &record) { return record.id == id; });
    // A control the list does not offer has no row to flip: nothing is chosen for it.
    if (found != m_records.end() && found->row) {
        const bool chosen = !storedValue(*found);
        found->row->setCheckmarkChecked(chosen);
        control::Settings::setValue(found->key, chosen);
        publish(*found);
    }
    emit pinShowControlsActivated(anyControlsOffered());
}

bool ConfigureGeneralPinViewManager::storedValue(const ControlRecord &record) const
{
    return control::Settings::boolValue(record.key, false);
}

bool ConfigureGeneralPinViewManager::isAuxOffered(int relay) const
{
    const AuxiliaryRelayTypes::AuxiliaryRelayPost &post = m_relays.at(relay);
    return post.connected && post.function != AuxiliaryRelayTypes::E_notUsed &&
           quint32(relay) != m_descaling.relayIndex;
}

bool ConfigureGeneralPinViewManager::anyControlsOffered() const
{
    return std::any_of(m_records.begin(), m_records.end(), [this](const ControlRecord &record) {
        return record.id != E_power && record.shown() && storedValue(record);
    });
}

void ConfigureGeneralPinViewManager::publish(const ControlRecord &record)
{
    const bool chosen = storedValue(record);
    switch (record.id) {
    case E_power:
        emit powerVisibleOnLockedScreenChanged(chosen);
        break;
    case E_temperature:
        emit temperatureVisibleOnLockedScreenChanged(chosen);
        break;
    case E_humidity:
        emit humidityVisibleOnLockedScreenChanged(chosen);
        break;
    case E_lighting:
        emit lightningVisibleOnLockedScreenChanged(chosen);
        break;
    default: {
        const int relay = record.id - E_auxIdBase;
        emit auxVisibleOnLockedScreenChanged(relay,
                                             chosen && quint32(relay) != m_descaling.relayIndex);
        break;
    }
    }
}

void ConfigureGeneralPinViewManager::updateControlRows()
{
    int position = firstControlRow;
    std::vector<ListItem *> rows;
    for (ControlRecord &record : m_records) {
        if (record.shown()) {
            if (!record.row) {
                auto *row = new RowItem(record.text(), record.id);
                row->setTypeOfItem(rowType::onlyCheckmark);
                row->setParent(&m_model);
                // The heading rows above are always built first, so the row is in the list.
                m_model.insertItem(position, row);
                record.row = row;
            }
            ++position;
            rows.push_back(record.row.data());
        } else if (record.row) {
            m_model.removeItem(position);
            record.row = nullptr;
        }
    }
    view::updateLayoutOrder(rows);
}

void ConfigureGeneralPinViewManager::refresh()
{
    if (m_pinToggle) {
        m_pinToggle->setValue(tr("Activate PIN"));
        m_pinToggle->setValue2(m_pinActivated);
    }
    if (m_changeButton)
        m_changeButton->setText(tr("Change PIN"));
    TextItem::setTextOf(m_heading.data(), tr("Controls on lockscreen"));
    for (const ControlRecord &record : m_records) {
        if (!record.shown() || !record.row)
            continue;
        record.row->setTextOnSubMenu(record.text());
        record.row->setCheckmarkChecked(storedValue(record));
    }
}

void ConfigureGeneralPinViewManager::updateAndRefreshIfBuilt()
{
    if (m_model.rowCount() == 0)
        return;
    updateControlRows();
    refresh();
}

} // namespace view
