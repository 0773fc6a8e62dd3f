#pragma once

#include "control/details/created_item_watch.h"

#include <QObject>
#include <QTimer>

// The clock passes the window of the owner's watch over an item just created, and its timer runs
// out as it then would: stopped, and its timeout emitted.
inline void passCreatedItemWindow(QObject &owner, qint64 &clock)
{
    clock += control::details::CreatedItemWatch::windowMs + 1;
    auto *timer = owner.findChild<QTimer *>(
        QLatin1String(control::details::CreatedItemWatch::windowTimerName));
    if (timer && timer->isActive()) {
        timer->stop();
        QMetaObject::invokeMethod(timer, "timeout");
    }
}
