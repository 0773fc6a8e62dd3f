#include "view_cpp/mouse_handler.h"

#include "support/member_detection.h"

#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

PANEL_DETECT_MEMBER(HasHoldTimerAccessor, std::declval<const T &>().isHoldTimerActive());
PANEL_DETECT_MEMBER(HasHoldInterval, T::holdIntervalMs);

// The handler's one timer, the hold timer.
QTimer *holdTimer(view::MouseHandler &handler)
{
    const QList<QTimer *> timers = handler.findChildren<QTimer *>();
    return timers.size() == 1 ? timers.first() : nullptr;
}

// Counts the mouse and key events that reach it, to show the handler takes none away.
class CountingWindow : public QWindow
{
public:
    int presses = 0;
    int releases = 0;
    int doubleClicks = 0;
    int keys = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
    void mouseDoubleClickEvent(QMouseEvent *) override { ++doubleClicks; }
    void keyPressEvent(QKeyEvent *) override { ++keys; }
};

// Stacked mouse areas like those of the screens: one press reaches several items.
const char *const stackedMouseAreas = R"(
import QtQuick
Rectangle {
    width: 200; height: 200
    property int areaPresses: 0
    MouseArea {
        anchors.fill: parent
        propagateComposedEvents: true
        onPressed: (mouse) => { areaPresses++; mouse.accepted = false }
        MouseArea {
            anchors.fill: parent
            propagateComposedEvents: true
            onPressed: (mouse) => { areaPresses++; mouse.accepted = false }
            Item { anchors.fill: parent }
        }
    }
}
)";

} // namespace

class TestMouseHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pressAndReleaseReportInOrder();
    void heldPressReportsHolds();
    void releaseWithoutPressStillReports();
    void moveReportsPosition();
    void otherEventsPassWithoutSignal();
    void onePressOnAQuickSceneCountsOnce();
    void interfaceIsTheListedOne();
};

void TestMouseHandler::initTestCase()
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

void TestMouseHandler::pressAndReleaseReportInOrder()
{
    view::MouseHandler handler;
    CountingWindow window;
    window.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStringList order;
    QList<QPoint> positions;
    connect(&handler, &view::MouseHandler::mousePressOccured, this, [&](int x, int y) {
        order << "press";
        positions << QPoint(x, y);
    });
    connect(&handler, &view::MouseHandler::userMousePressOccurred, this,
            [&] { order << "userPress"; });
    connect(&handler, &view::MouseHandler::mouseReleaseOccured, this, [&](int x, int y) {
        order << "release";
        positions << QPoint(x, y);
    });
    QSignalSpy holds(&handler, &view::MouseHandler::userMouseHoldOccurred);
    QVERIFY(holdTimer(handler));
    QCOMPARE(holdTimer(handler)->interval(), 1000);
    QVERIFY(!holdTimer(handler)->isSingleShot());

    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(10, 20));
    QVERIFY(holdTimer(handler)->isActive());
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(30, 40));
    QVERIFY(!holdTimer(handler)->isActive());

    QCOMPARE(order, (QStringList{"press", "userPress", "release"}));
    QCOMPARE(positions, (QList<QPoint>{QPoint(10, 20), QPoint(30, 40)}));
    QCOMPARE(holds.count(), 0);
    QCOMPARE(window.presses, 1);
    QCOMPARE(window.releases, 1);

    // Any button counts.
    QTest::mouseClick(&window, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(order.count("userPress"), 2);
}

void TestMouseHandler::heldPressReportsHolds()
{
    view::MouseHandler handler;
    CountingWindow window;
    window.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy holds(&handler, &view::MouseHandler::userMouseHoldOccurred);
    QSignalSpy userPresses(&handler, &view::MouseHandler::userMousePressOccurred);
    QVERIFY(holdTimer(handler));

    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(10, 10));
    // The hold repeats for as long as the pointer stays down.
    QTRY_VERIFY_WITH_TIMEOUT(holds.count() >= 2, 10000);
    QVERIFY(holdTimer(handler)->isActive());
    QCOMPARE(userPresses.count(), 0);

    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!holdTimer(handler)->isActive());
    QCOMPARE(userPresses.count(), 1);

    // The slot itself re-arms the timer and reports one hold.
    const int before = holds.count();
    handler.onMouseHoldHasTimeout();
    QCOMPARE(holds.count(), before + 1);
    QVERIFY(holdTimer(handler)->isActive());
}

void TestMouseHandler::releaseWithoutPressStillReports()
{
    view::MouseHandler handler;
    CountingWindow window;
    window.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy userPresses(&handler, &view::MouseHandler::userMousePressOccurred);
    QSignalSpy releases(&handler, &view::MouseHandler::mouseReleaseOccured);

    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(7, 8));
    QCOMPARE(userPresses.count(), 1);
    QCOMPARE(releases.count(), 1);
    QCOMPARE(releases.first(), (QList<QVariant>{7, 8}));
}

void TestMouseHandler::moveReportsPosition()
{
    view::MouseHandler handler;
    CountingWindow window;
    window.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy moves(&handler, &view::MouseHandler::mouseMoveOccured);

    QTest::mouseMove(&window, QPoint(42, 24));
    QTRY_VERIFY(!moves.isEmpty());
    QCOMPARE(moves.last(), (QList<QVariant>{42, 24}));
}

void TestMouseHandler::otherEventsPassWithoutSignal()
{
    view::MouseHandler handler;
    CountingWindow window;
    window.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy presses(&handler, &view::MouseHandler::mousePressOccured);
    QSignalSpy userPresses(&handler, &view::MouseHandler::userMousePressOccurred);

    QTest::keyClick(&window, Qt::Key_A);
    QCOMPARE(window.keys, 1);

    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &doubleClick);
    QCOMPARE(window.doubleClicks, 1);

    QCOMPARE(presses.count(), 0);
    QCOMPARE(userPresses.count(), 0);
}

void TestMouseHandler::onePressOnAQuickSceneCountsOnce()
{
    view::MouseHandler handler;
    QQuickView view;
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    QQmlComponent component(view.engine());
    component.setData(stackedMouseAreas, QUrl());
    auto *root = qobject_cast<QQuickItem *>(component.create());
    QVERIFY2(root, qPrintable(component.errorString()));
    root->setParentItem(view.contentItem());
    root->setParent(&view);
    view.resize(200, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QSignalSpy presses(&handler, &view::MouseHandler::mousePressOccured);
    QSignalSpy userPresses(&handler, &view::MouseHandler::userMousePressOccurred);
    QSignalSpy releases(&handler, &view::MouseHandler::mouseReleaseOccured);

    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(50, 50));

    // The press reached both mouse areas, yet the handler reports it once.
    QCOMPARE(root->property("areaPresses").toInt(), 2);
    QCOMPARE(presses.count(), 1);
    QCOMPARE(userPresses.count(), 1);
    QCOMPARE(releases.count(), 1);
}

// Five signals and one slot; the hold timer is the handler's own.
void TestMouseHandler::interfaceIsTheListedOne()
{
    QVERIFY(!HasHoldTimerAccessor<view::MouseHandler>::value);
    QVERIFY(!HasHoldInterval<view::MouseHandler>::value);
}

QTEST_MAIN(TestMouseHandler)
#include "tst_mouse_handler.moc"
