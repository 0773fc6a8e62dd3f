#include "view_cpp/configure/connection_texts.h"

#include <QCoreApplication>

namespace view::connectionTexts {

QString autoConnectText()
{
    return QCoreApplication::translate("QObject", "Auto connect");
}

QString connectText()
{
    return QCoreApplication::translate("QObject", "Connect");
}

QString disconnectText()
{
    return QCoreApplication::translate("QObject", "Disconnect");
}

QString updateText()
{
    return QCoreApplication::translate("QObject", "Update");
}

} // namespace view::connectionTexts
