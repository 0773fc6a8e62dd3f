#pragma once

#include "control/details/created_item_watch.h"

#include <QObject>
#include <QTimer>

// The timer of the owner's watch over items just saved runs out, whatever the clock reads:
// stopped, and its timeout emitted.
inline void runCreatedItemTimer(QObject &owner)
{
    auto *timer = owner.findChild<QTimer *>(
        QLatin1String(control::details::CreatedItemWindow::windowTimerName));
    if (timer && timer->isActive()) {
        timer->stop();
        QMetaObject::invokeMethod(timer, "timeout");
    }
}

// The clock passes the window of the owner's watch over items just saved, and its timer runs
// out as it then would.
inline void passCreatedItemWindow(QObject &owner, qint64 &clock)
{
    clock += control::details::CreatedItemWindow::windowMs + 1;
    runCreatedItemTimer(owner);
}
