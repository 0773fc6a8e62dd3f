#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/node_information_types.h"
#include "signal_interface/tank_status_types.h"

#include <QList>
#include <QObject>
#include <QVariantList>

#include <array>

namespace control {

// The water levels of the steam generators' tanks, one per relay control board, for the main
// screen's tank indicator.
class WaterLevelController : public QObject
{
    Q_OBJECT
    // The tanks the main screen shows, in board order: one map per tank with "text", its line as
    // the Status screen writes it ("Water level: Low"), and "low", whether the tank needs water.
    // The tanks are those of the Status screen: none unless the sauna reports a water level (a
    // steam generator), and a board's only where the system has that board.
    Q_PROPERTY(QVariantList tanks READ tanks NOTIFY tanksChanged)

public:
    using TankWaterLevel = signalInterface::TankStatusTypes::TankWaterLevel;
    using Board = signalInterface::NodeInformationTypes::RcbMasterSlaveMode;

    explicit WaterLevelController(QObject *parent = nullptr);

    // Returns the number of connects that failed.
    int connectSaunaSignals(const QList<QObject *> &senders);
    // The sauna-state controller's saunaRcbNumbersChanged(int).
    int connectToSaunaStateController(const QList<QObject *> &senders);
    int connectLanguageChanged(const QList<QObject *> &senders);

    TankWaterLevel waterLevel(Board board) const;
    // A TankWaterLevel number for a board number from QML; E_unknown for a board that does not
    // exist.
    Q_INVOKABLE int tankWaterLevel(int board) const;
    QVariantList tanks() const;

signals:
    // A level, the tanks shown or their words changed.
    void tanksChanged();

public slots:
    void
    onSaunaTankWaterLevelChanged(::signalInterface::NodeInformationTypes::RcbMasterSlaveMode node,
                                 ::signalInterface::TankStatusTypes::TankWaterLevel level);
    // Every tank's level is unknown until the new sauna reports it.
    void onSaunaReplaced();
    void onSaunaMasterFuncDescChanged(
        ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions);
    void onSaunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode mode);
    void onSaunaRcbNumbersChanged(int count);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

private:
    bool isTankShown(int board) const;

    static constexpr std::size_t boardCount = 3;
    std::array<TankWaterLevel, boardCount> m_levels{signalInterface::TankStatusTypes::E_unknown,
                                                    signalInterface::TankStatusTypes::E_unknown,
                                                    signalInterface::TankStatusTypes::E_unknown};
    bool m_reportsWaterLevel = false;
    signalInterface::MasterFuncDescTypes::SystemMode m_systemMode =
        signalInterface::MasterFuncDescTypes::E_standard;
    int m_rcbCount = 1;
};

} // namespace control
