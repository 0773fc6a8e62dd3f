#pragma once

#include "signal_interface/humidity_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/node_information_types.h"
#include "signal_interface/relay_status_types.h"
#include "signal_interface/smart_start_types.h"
#include "signal_interface/tank_status_types.h"
#include "signal_interface/temperature_types.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"
#include "view_cpp/text_row_item.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <array>
#include <optional>

namespace view {

// The installer's read-only status list: run time and clean-ups, room readings, the water tanks
// of every relay control board, the door contact, the smart-start heat ratio and the relays in
// use. Every reported value is kept; while the page is shown a report rewrites its own line, and
// a report that changes which lines exist builds the list again.
class ConfigureSystemStatusViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    static constexpr int boardCount = 3;
    static constexpr int nodeSlots = 8;

    // Application ids of the lines. Relay lines carry their relay type (0-13).
    enum LineId : int {
        E_cleanupsLine = -1,
        E_roomTemperatureLine = -2,
        E_roomHumidityLine = -3,
        E_waterTemperaturePrimaryLine = -4,
        E_magneticContactLine = -5,
        E_waterLevelPrimaryLine = -6,
        E_runTimeLine = -7,
        E_waterLevelSecondaryLine = -9,
        E_waterTemperatureSecondary1Line = -11,
        E_waterTemperatureSecondary2Line = -12,
        E_otherLine = -13,
    };

    // Before any warm-up report the ratio shown is that of a default set of smart-start
    // parameters: 18 ninths of a degree per minute.
    static constexpr quint32 initialSmartStartValue = 18;

    explicit ConfigureSystemStatusViewManager(QObject *parent);

    ListModel *model() { return &m_model; }

    // QML "configureSystemsSelector".
    int connectToView(const QList<QObject *> &senders);
    // The sauna-state controller's count of relay control boards.
    int connectToSaunaStateController(const QList<QObject *> &senders);
    // The temperature controller's measured-temperature presentation manager.
    int connectToTemperaturePresentationManager(const QList<QObject *> &senders);
    // The temperature controller's unit: the tank and heat-ratio lines follow it whether or not
    // a room temperature is known.
    int connectToTemperatureController(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders) override;

public slots:
    void onStatusViewVisibleChanged(bool visible);
    void onSaunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode mode);
    void onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct product);
    void onSaunaMasterFuncDescChanged(
        ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions);
    void
    onSaunaTankWaterLevelChanged(::signalInterface::NodeInformationTypes::RcbMasterSlaveMode board,
                                 ::signalInterface::TankStatusTypes::TankWaterLevel level);
    void
    onSaunaTankTemperatureChanged(::signalInterface::NodeInformationTypes::RcbMasterSlaveMode board,
                                  int temperature);
    void onSaunaRcbNumbersChanged(int count);
    void
    onSaunaNodeListItemChanged(::signalInterface::NodeInformationTypes::NodeInformationPost post);
    void onSaunaSmartStartChanged(::signalInterface::SmartStartTypes::SmartStartParameters value);
    void onSaunaRcbRelayChanged(::signalInterface::RelayStatusTypes::RelayStatus status);
    void onTemperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit unit);
    void onTemperatureValueChanged2(int value,
                                    ::signalInterface::TemperatureTypes::TemperatureUnit unit);
    void onTemperatureValueUnknown();
    void onSaunaHumidityChanged(int value, ::signalInterface::HumidityTypes::HumidityUnit unit);
    void onSaunaRunTimeChanged(int minutes);
    void onSaunaCleanupTotalChanged(int total);
    void onSaunaHumiditySensorStatusChanged(bool working);
    void onSaunaMagneticSensorConnectedChanged(bool connected);
    // Every reported value goes; the list shows "--" for each until the new sauna reports.
    void onSaunaReplaced() override;

private:
    using Board = ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode;

    // Builds the whole list again, if the page is shown.
    void rebuild();
    void build();
    TextRowItem *appendLine(QPointer<TextRowItem> *guard, int applId);

    void refreshRunTime();
    void refreshCleanups();
    void refreshRoomTemperature();
    void refreshRoomHumidity();
    void refreshWaterTemperatures();
    void refreshWaterLevels();
    void refreshMagneticContact();
    void refreshSmartStart();
    void refreshRelayLines();
    static void write(TextRowItem *line, const QString &text);

    bool isSteamProduct() const;
    QString boardWord(int board) const;
    QString unitText() const;
    qint64 presented(qint64 celsius) const;
    QString waterTemperatureText(int board) const;
    QString waterLevelText(int board) const;
    QString smartStartText() const;
    QString relayHeaderText() const;
    QString relayLineText(int relay) const;

    bool m_visible = false;
    ListModel m_model;
    QPointer<TextRowItem> m_runTimeLine;
    QPointer<TextRowItem> m_cleanupsLine;
    QPointer<TextRowItem> m_roomTemperatureLine;
    QPointer<TextRowItem> m_roomHumidityLine;
    std::array<QPointer<TextRowItem>, boardCount> m_waterTemperatureLines;
    std::array<QPointer<TextRowItem>, boardCount> m_waterLevelLines;
    QPointer<TextRowItem> m_magneticContactLine;
    QPointer<TextRowItem> m_smartStartLine;

    ::signalInterface::TemperatureTypes::TemperatureUnit m_temperatureUnit =
        ::signalInterface::TemperatureTypes::E_celsius;
    ::signalInterface::MasterFuncDescTypes::SystemMode m_systemMode =
        ::signalInterface::MasterFuncDescTypes::E_standard;
    ::signalInterface::MasterFuncDescTypes::RcbProduct m_product =
        ::signalInterface::MasterFuncDescTypes::E_combi_manual;
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost m_functions;
    std::array<::signalInterface::TankStatusTypes::TankWaterLevel, boardCount> m_waterLevels{
        ::signalInterface::TankStatusTypes::E_unknown,
        ::signalInterface::TankStatusTypes::E_unknown,
        ::signalInterface::TankStatusTypes::E_unknown};
    // Ninths of a degree Celsius; empty until reported.
    std::array<std::optional<int>, boardCount> m_tankTemperatures{};
    std::optional<int> m_humidity;
    ::signalInterface::HumidityTypes::HumidityUnit m_humidityUnit =
        ::signalInterface::HumidityTypes::E_step;
    // Already in the presentation unit; empty while the temperature is unknown.
    std::optional<int> m_roomTemperature;
    std::optional<int> m_runTime;
    std::optional<int> m_cleanupTotal;
    bool m_humiditySensorWorking = false;
    bool m_magneticSensorConnected = false;
    int m_rcbCount = 1;
    // Ninths of a degree Celsius per minute, as reported.
    quint32 m_smartStart = initialSmartStartValue;
    // Per board, one post per relay type in type order.
    std::array<::signalInterface::RelayStatusTypes::RelayStatus, boardCount> m_relays;
    std::array<::signalInterface::NodeInformationTypes::NodeInformationPost, nodeSlots> m_nodes;
};

} // namespace view
