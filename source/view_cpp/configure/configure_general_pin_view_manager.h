#pragma once

#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/pin_types.h"
#include "view_cpp/button_item.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item.h"
#include "view_cpp/text_item.h"
#include "view_cpp/toggle_standard_item.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

namespace view {

// The PIN settings screen: the PIN lock switch, "Change PIN", and the controls that stay usable
// on the lock screen. The screen neither checks nor stores the PIN: the PIN-code controller owns
// the lock and reports its state back. The lock-screen choices are kept in the settings store and
// published as signals, which the lock screen follows.
class ConfigureGeneralPinViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    // Record ids of the lock-screen controls; relay n has auxIdBase + n.
    enum ControlId : int {
        E_power = -1,
        E_temperature = -2,
        E_humidity = -3,
        E_lighting = -4,
        E_auxIdBase = 100,
    };
    // Application ids of the fixed rows.
    static constexpr int pinToggleId = ::signalInterface::PinTypes::E_demandPin;
    static constexpr int changePinButtonId = 1;
    // The first row of the lock-screen controls: toggle, divider, button, divider, heading.
    static constexpr int firstControlRow = 5;
    static constexpr int headingFontSize = 12;

    explicit ConfigureGeneralPinViewManager(QObject *parent);

    ListModel *model() { return &m_model; }

    // The QML items "configureGeneralSelector": the page's visibility, toggle, button and rows.
    int connectToView(const QList<QObject *> &senders);
    // The PIN-code controller's setPinToggle.
    int connectPinCodeSignals(const QList<QObject *> &senders);
    // The bridge receiver's function flags, humidity sensor, relay, descaling and product reports.
    int connectSaunaSignals(const QList<QObject *> &senders) override;

    // Publishes every stored lock-screen choice, then whether any control is offered; called once
    // at start-up after the connections are made.
    void publishLockscreenSettings();
    // Empties the list.
    void clear();

    bool pinActivated() const { return m_pinActivated; }

signals:
    // The lock requested by the user: always E_demandPin with the state asked for.
    void pinToggleChanged(::signalInterface::PinTypes::PinViewTypes type, bool activated);
    void pinChangeButtonPressed();
    // Whether a control other than power is both offered and chosen for the lock screen.
    void pinShowControlsActivated(bool activated);
    void powerVisibleOnLockedScreenChanged(bool visible);
    void lightningVisibleOnLockedScreenChanged(bool visible);
    void temperatureVisibleOnLockedScreenChanged(bool visible);
    void humidityVisibleOnLockedScreenChanged(bool visible);
    void auxVisibleOnLockedScreenChanged(int relay, bool visible);

public slots:
    void onPinViewVisibleChanged(bool visible);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void
    onSaunaMasterFuncDescChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post);
    void onSaunaHumiditySensorStatusChanged(bool ok);
    void
    onSaunaAuxRelaySettingChanged(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost post);
    void onSaunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling descaling);
    void onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct product);
    // Which controls the lock screen offers came from the former sauna; the PIN and the user's
    // choices stay.
    void onSaunaReplaced() override;
    void onSetPinToggle(::signalInterface::PinTypes::PinViewTypes type, bool activated);
    // The switch reports the state it showed; the lock asked for is its opposite.
    void onPinToggleChanged(int applId, bool shown);
    void onPinButtonPressed(int applId);
    void onLockscreenControlSelected(int id);

private:
    struct ControlRecord
    {
        int id;
        QString key;
        std::function<bool()> shown;
        std::function<QString()> text;
        QPointer<RowItem> row = {};
    };

    bool storedValue(const ControlRecord &record) const;
    bool isAuxOffered(int relay) const;
    bool anyControlsOffered() const;
    void publish(const ControlRecord &record);
    void updateControlRows();
    void refresh();
    void updateAndRefreshIfBuilt();

    ListModel m_model;
    std::vector<ControlRecord> m_records;
    QPointer<ToggleStandardItem> m_pinToggle;
    QPointer<ButtonItem> m_changeButton;
    QPointer<TextItem> m_heading;
    bool m_pinActivated = false;
    bool m_humiditySensorOk = false;
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost m_functions;
    QList<::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost> m_relays;
    ::signalInterface::AuxiliaryRelayTypes::Descaling m_descaling;
    bool m_irProduct = false;
};

} // namespace view
