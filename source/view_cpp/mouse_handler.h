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
    static constexpr int holdIntervalMs = 1000;

    explicit MouseHandler(QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

    // True between a press and the next release.
    bool isHoldTimerActive() const { return m_holdTimer.isActive(); }

signals:
    void userMousePressOccurred();
    void userMouseHoldOccurred();
    void mousePressOccured(int x, int y);
    void mouseReleaseOccured(int x, int y);
    void mouseMoveOccured(int x, int y);

public slots:
    void onMouseHoldHasTimeout();

private:
    QTimer m_holdTimer;
};

} // namespace view
