#include "view_cpp/mouse_handler.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace view {

namespace {

// A held pointer is reported once per interval.
constexpr int holdIntervalMs = 1000;

} // namespace

MouseHandler::MouseHandler(QObject *parent)
    : QObject(parent)
{
    m_holdTimer.setInterval(holdIntervalMs);
    connect(&m_holdTimer, &QTimer::timeout, this, &MouseHandler::onMouseHoldHasTimeout);
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
}

bool MouseHandler::eventFilter(QObject *watched, QEvent *event)
{
    // One press passes the application filter many times: first when the platform delivers it to
    // the top-level window, then again for every widget, Quick window and item it is forwarded to.
    // Only the platform's own delivery to a window counts, so each press is reported once.
    if (!watched || !watched->isWindowType() || !event->spontaneous())
        return false;

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const QPoint position = static_cast<QMouseEvent *>(event)->position().toPoint();
        m_holdTimer.start();
        emit mousePressOccured(position.x(), position.y());
        break;
    }
    case QEvent::MouseButtonRelease: {
        const QPoint position = static_cast<QMouseEvent *>(event)->position().toPoint();
        m_holdTimer.stop();
        emit userMousePressOccurred();
        emit mouseReleaseOccured(position.x(), position.y());
        break;
    }
    case QEvent::MouseMove: {
        const QPoint position = static_cast<QMouseEvent *>(event)->position().toPoint();
        emit mouseMoveOccured(position.x(), position.y());
        break;
    }
    default:
        break;
    }
    return false;
}

void MouseHandler::onMouseHoldHasTimeout()
{
    m_holdTimer.start();
    emit userMouseHoldOccurred();
}

} // namespace view
