#pragma once

#include "signal_interface/enum_value_text.h"

#include "signal_interface/version_types.h"

#include <QObject>
#include <QString>

namespace signalInterface {

// Nodes of the sauna system's bus: profiles, board roles and node records.
class NodeInformationTypes : public QObject, public EnumConversions<NodeInformationTypes>
{
    Q_OBJECT

public:
    enum NodeProfileMode : int {
        E_rcb = 0,
        E_cp = 1,
        E_ths = 3,
        E_unknownProfile = 999,
    };
    Q_ENUM(NodeProfileMode)

    enum RcbMasterSlaveMode : int {
        E_master = 0,
        E_slave_1 = 1,
        E_slave_2 = 2,
    };
    Q_ENUM(RcbMasterSlaveMode)

    explicit NodeInformationTypes(QObject *parent = nullptr);
    ~NodeInformationTypes() override;

    // One node of the sauna system's node list.
    struct NodeInformationPost
    {
        quint32 index = 0;
        VersionTypes::Version applicationVersion;
        VersionTypes::Version zerededidVersion;
        quint32 address = 0;
        NodeProfileMode profile = E_rcb;
        quint32 product = 0;

        bool isAddressAbove63() const { return address > 63; }

        bool operator==(const NodeInformationPost &other) const
        {
            return index == other.index && applicationVersion == other.applicationVersion &&
                   zerededidVersion == other.zerededidVersion && address == other.address &&
                   profile == other.profile && product == other.product;
        }
        bool operator!=(const NodeInformationPost &other) const { return !(*this == other); }
    };
};

} // namespace signalInterface

Q_DECLARE_METATYPE(signalInterface::NodeInformationTypes::NodeInformationPost)
