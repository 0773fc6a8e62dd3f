#include "view_cpp/rcb_master_slave_mode_text.h"

#include <QCoreApplication>

namespace view {

QString rcbMasterSlaveModeText(signalInterface::NodeInformationTypes::RcbMasterSlaveMode mode)
{
    using signalInterface::NodeInformationTypes;
    switch (mode) {
    case NodeInformationTypes::E_master:
        return QCoreApplication::translate("QObject", "Primary");
    case NodeInformationTypes::E_slave_1:
        return QCoreApplication::translate("QObject", "Secondary") + QLatin1Char('1');
    case NodeInformationTypes::E_slave_2:
        return QCoreApplication::translate("QObject", "Secondary") + QLatin1Char('2');
    }
    return {};
}

} // namespace view
