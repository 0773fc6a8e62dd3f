#pragma once

#include "signal_interface/enum_value_text.h"

#include "signal_interface/node_information_types.h"

#include <QList>
#include <QObject>
#include <QString>

namespace signalInterface {

// Relay outputs of the control board and their reported states.
class RelayStatusTypes : public QObject, public EnumConversions<RelayStatusTypes>
{
    Q_OBJECT

public:
    enum RelayType : int {
        E_x3x4 = 0,
        E_x5x6 = 1,
        E_x7x8 = 2,
        E_x9x10 = 3,
        E_x11x12 = 4,
        E_x13x14 = 5,
        E_x15x16 = 6,
        E_x17x18 = 7,
        E_x19x20 = 8,
        E_x21x22 = 9,
        E_x23x24 = 10,
        E_x25x26 = 11,
        E_x27x28 = 12,
        E_x29x30 = 13,
    };
    Q_ENUM(RelayType)

    explicit RelayStatusTypes(QObject *parent = nullptr);
    ~RelayStatusTypes() override;

    // The reported state of one relay output.
    struct RelayStatusPost
    {
        NodeInformationTypes::RcbMasterSlaveMode board = NodeInformationTypes::E_master;
        RelayType relay = E_x3x4;
        bool state1 = false;
        bool state2 = false;

        bool operator==(const RelayStatusPost &other) const
        {
            return board == other.board && relay == other.relay && state1 == other.state1 &&
                   state2 == other.state2;
        }
        bool operator!=(const RelayStatusPost &other) const { return !(*this == other); }
    };
    // All relay states of one report, in the order received.
    using RelayStatus = QList<RelayStatusPost>;

    // Appends one post per relay output, in value order, with both states off. A board number
    // that names no board appends nothing: no post may hold a board without a key.
    static void appendAllRelays(RelayStatus &status, unsigned board);
};

} // namespace signalInterface

Q_DECLARE_METATYPE(signalInterface::RelayStatusTypes::RelayStatusPost)
