#pragma once

#include <QObject>
#include <QTimer>

namespace view {

// Watches every mouse event of the application and reports presses, holds and pointer positions,
// without ever taking an event away from its target. Published to QML as "mouse_handler".
class MouseHandler : public QObject
{
    Q_OBJECT

public:
    explicit MouseHandler(QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void userMousePressOccurred();
    void userMouseHoldOccurred();
    void mousePressOccured(int x, int y);
    void mouseReleaseOccured(int x, int y);
    void mouseMoveOccured(int x, int y);

public slots:
    void onMouseHoldHasTimeout();

private:
    // Runs between a press and the next release. A child of the handler, so that it is found
    // among its children; as a member it goes before the handler's own destruction begins.
    QTimer m_holdTimer{this};
};

} // namespace view
