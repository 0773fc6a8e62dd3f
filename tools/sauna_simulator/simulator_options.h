#pragma once

#include <QDateTime>
#include <QString>
#include <QUuid>
#include <QtGlobal>

namespace tools {

// Everything the command line of the simulator can change, with the defaults of a sauna system
// freshly taken out of the box.
struct SimulatorOptions
{
    // The port on which sauna systems listen for announcement requests.
    static constexpr quint16 DefaultAnnouncePort = 54378;
    // The port a panel assumes for a manually entered sauna system.
    static constexpr quint16 DefaultSaunaPort = 49152;
    static constexpr quint32 DefaultKeepAliveIntervalSeconds = 2;
    static constexpr int DefaultHeatIntervalMs = 1000;

    // A fixed identity, so that a panel finds the same entry again after a restart of the
    // simulator.
    static QUuid defaultIdentity() { return QUuid("{6f1c2b8e-3d4a-4e5f-9a7b-2c8d1e0f4a63}"); }

    quint16 announcePort = DefaultAnnouncePort; // 0: any free port
    quint16 saunaPort = DefaultSaunaPort;       // 0: any free port
    QString pin = QStringLiteral("4826");
    QString name = QStringLiteral("Simulated sauna");
    QUuid identity = defaultIdentity();
    quint32 keepAliveIntervalSeconds = DefaultKeepAliveIntervalSeconds; // 0: the panel's default
    int heatIntervalMs = DefaultHeatIntervalMs;
    // What the sauna is, as Connection_types values: the board product (31: automatic combi) and
    // the system type (20: standard).
    int rcbProduct = 31;
    int systemType = 20;
    // Entries of the error log in use at start (0-32), of varied errors, boards and times.
    int errorLogEntries = 0;
    // The sauna's clock at start, a wall-clock time as the sauna shows it (UTC spec); invalid:
    // the computer's local wall time.
    QDateTime clock;
    // The water level at start of the tank of the system's last relay control board, an
    // Enum_value_types water_level_t value (10 low, 11 mid, 12 high, 13 unknown): the primary
    // board's tank, or a multi-steam system's second secondary one; every other tank is high. A
    // sauna without a steam generator has none.
    int waterLevel = 12;
    // A delayed start set on the sauna at start: it switches itself on after this many minutes
    // (0: none).
    quint32 delayedStartMinutes = 0;

    // Fault switches.
    bool silent = false;              // receive and answer nothing, send nothing
    bool refuse = false;              // refuse every connect request
    bool malformed = false;           // send a malformed datagram before every good one
    bool humiditySensorFault = false; // the humidity sensor has failed
};

} // namespace tools
