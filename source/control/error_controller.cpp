#include "control/error_controller.h"

namespace control {

ErrorController::ErrorController(QObject *parent)
    : QObject(parent)
{}

int ErrorController::connectSaunaSignals(const QList<QObject *> &)
{
    return 0;
}

} // namespace control
