#include "view_cpp/circle_value_provider.h"
#include "view_cpp/ring_image_cache.h"

#include <QImage>
#include <QPainter>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QSignalSpy>
#include <QTest>
#include <QtMath>

#include <memory>
#include <type_traits>
#include <utility>

namespace {

const QColor foreground(Qt::red);
const QColor background(Qt::blue);

// Paints the item into an image of its own size, as the scene graph would.
QImage paintedImage(CircleValueProvider &item)
{
    QImage image(qCeil(item.width()), qCeil(item.height()), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    item.paint(&painter);
    painter.end();
    return image;
}

// The point in the middle of the ring at an angle counted counter-clockwise from 12 o'clock,
// as a fraction of the full circle.
QPoint ringPoint(const CircleValueProvider &item, qreal fraction, QPointF origin)
{
    const qreal middle = (item.actualInnerRadius() + item.actualOuterRadius()) / 2;
    const qreal angle = qDegreesToRadians(90 + 360 * fraction);
    const QPointF centre = origin + QPointF(item.actualOuterRadius(), item.actualOuterRadius());
    return (centre + QPointF(middle * qCos(angle), -middle * qSin(angle))).toPoint();
}

bool isColour(QRgb pixel, const QColor &colour)
{
    return qAbs(qRed(pixel) - colour.red()) < 8 && qAbs(qGreen(pixel) - colour.green()) < 8 &&
           qAbs(qBlue(pixel) - colour.blue()) < 8 && qAlpha(pixel) > 240;
}

} // namespace

namespace {

// The side and the cache key are the item's own: QML and other code see only its properties.
template<typename T, typename = void>
struct HasPublicSide : std::false_type
{};
template<typename T>
struct HasPublicSide<T, std::void_t<decltype(std::declval<const T &>().side())>> : std::true_type
{};
template<typename T, typename = void>
struct HasPublicCacheKey : std::false_type
{};
template<typename T>
struct HasPublicCacheKey<T, std::void_t<decltype(std::declval<const T &>().cacheKey())>> :
    std::true_type
{};
static_assert(!HasPublicSide<CircleValueProvider>::value);
static_assert(!HasPublicCacheKey<CircleValueProvider>::value);

} // namespace

class TestCircleValueProvider : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void defaults();
    void radiiFollowTheShorterSide();
    void positionOutsideItsRangeIsIgnored_data();
    void positionOutsideItsRangeIsIgnored();
    void radiusWriteSignalOrder();
    void unchangedWritesAreSilent();
    void paintsTheArcFromTwelveCounterClockwise();
    void paintsAtTheCentreOfAWideItem();
    void tinyPositionShowsOnlyTheBackground();
    void equalValuesRenderOnce();
    void alphaIsPartOfTheKey();
    void absurdRadiusIsNotDrawn();
    void acceptedWritesRepaintTheWindow();
};

void TestCircleValueProvider::initTestCase()
{
    // The software renderer needs no GPU in headless runs.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

void TestCircleValueProvider::init()
{
    view::RingImageCache::instance().clear();
}

void TestCircleValueProvider::defaults()
{
    CircleValueProvider item;
    QCOMPARE(item.width(), 150.0);
    QCOMPARE(item.height(), 150.0);
    QCOMPARE(item.innerRadius(), 0.95);
    QCOMPARE(item.outerRadius(), 1.0);
    QCOMPARE(item.actualPosition(), 0.5);
    QCOMPARE(item.actualOuterRadius(), 75.0);
    QCOMPARE(item.actualInnerRadius(), 71.25);
    QCOMPARE(item.side(), 150.0);
    QCOMPARE(item.backgroundColor(), QColor(Qt::transparent));
    QCOMPARE(item.foregroundColor(), QColor(QStringLiteral("lightgrey")));
    QCOMPARE(item.cacheKey(), QStringLiteral("#00000000-#ffd3d3d3-75-71.25-0.5"));

    // Half the ring, from 12 o'clock counter-clockwise to 6, is light grey.
    const QImage image = paintedImage(item);
    QVERIFY(isColour(image.pixel(ringPoint(item, 0.25, {0, 0})), item.foregroundColor()));
    QCOMPARE(qAlpha(image.pixel(ringPoint(item, 0.75, {0, 0}))), 0);
}

void TestCircleValueProvider::radiiFollowTheShorterSide()
{
    CircleValueProvider item;
    QSignalSpy outerChanged(&item, &CircleValueProvider::actualOuterRadiusChanged);
    item.setWidth(200);
    item.setHeight(100);
    QCOMPARE(item.side(), 100.0);
    QCOMPARE(item.actualOuterRadius(), 50.0);
    QCOMPARE(item.actualInnerRadius(), 47.5);
    QVERIFY(outerChanged.count() >= 1);

    item.setHeight(300);
    QCOMPARE(item.side(), 200.0);
    QCOMPARE(item.actualOuterRadius(), 100.0);

    item.setInnerRadius(0.5);
    item.setOuterRadius(0.8);
    QCOMPARE(item.actualInnerRadius(), 50.0);
    QCOMPARE(item.actualOuterRadius(), 80.0);
}

void TestCircleValueProvider::positionOutsideItsRangeIsIgnored_data()
{
    QTest::addColumn<qreal>("position");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("above one") << 1.5 << false;
    QTest::newRow("below the minimum") << 0.001 << false;
    QTest::newRow("negative") << -0.5 << false;
    QTest::newRow("not a number") << qQNaN() << false;
    QTest::newRow("one") << 1.0 << true;
    QTest::newRow("the minimum") << 0.002 << true;
    QTest::newRow("a quarter") << 0.25 << true;
}

void TestCircleValueProvider::positionOutsideItsRangeIsIgnored()
{
    QFETCH(qreal, position);
    QFETCH(bool, accepted);
    CircleValueProvider item;
    const QString keyBefore = item.cacheKey();
    QSignalSpy positionChanged(&item, &CircleValueProvider::actualPositionChanged);
    QSignalSpy innerChanged(&item, &CircleValueProvider::actualInnerRadiusChanged);

    item.setActualPosition(position);
    if (accepted) {
        QCOMPARE(item.actualPosition(), position);
        QVERIFY(item.cacheKey() != keyBefore);
        // Once from the recomputation and once from the write itself.
        QCOMPARE(positionChanged.count(), 2);
        QCOMPARE(innerChanged.count(), 1);
    } else {
        QCOMPARE(item.actualPosition(), 0.5);
        QCOMPARE(item.cacheKey(), keyBefore);
        QCOMPARE(positionChanged.count(), 0);
        QCOMPARE(innerChanged.count(), 0);
    }
}

void TestCircleValueProvider::radiusWriteSignalOrder()
{
    CircleValueProvider item;
    QStringList order;
    const auto record = [&order, &item](auto signal, const char *name) {
        connect(&item, signal, &item, [&order, name] { order << QLatin1String(name); });
    };
    record(&CircleValueProvider::innerRadiusChanged, "inner");
    record(&CircleValueProvider::outerRadiusChanged, "outer");
    record(&CircleValueProvider::actualInnerRadiusChanged, "actualInner");
    record(&CircleValueProvider::actualOuterRadiusChanged, "actualOuter");
    record(&CircleValueProvider::actualPositionChanged, "position");
    record(&CircleValueProvider::foregroundColorChanged, "foreground");

    item.setInnerRadius(0.9);
    QCOMPARE(order, (QStringList{"actualInner", "actualOuter", "position", "inner"}));
    QCOMPARE(item.actualInnerRadius(), 67.5);

    order.clear();
    item.setForegroundColor(foreground);
    QCOMPARE(order, (QStringList{"actualInner", "actualOuter", "position", "foreground"}));
}

void TestCircleValueProvider::unchangedWritesAreSilent()
{
    CircleValueProvider item;
    QSignalSpy innerChanged(&item, &CircleValueProvider::innerRadiusChanged);
    QSignalSpy outerChanged(&item, &CircleValueProvider::outerRadiusChanged);
    QSignalSpy positionChanged(&item, &CircleValueProvider::actualPositionChanged);
    QSignalSpy backgroundChanged(&item, &CircleValueProvider::backgroundColorChanged);
    QSignalSpy foregroundChanged(&item, &CircleValueProvider::foregroundColorChanged);

    item.setInnerRadius(0.95);
    item.setInnerRadius(0.95 + 1e-15);
    item.setOuterRadius(1.0);
    item.setActualPosition(0.5);
    item.setBackgroundColor(QColor(Qt::transparent));
    item.setForegroundColor(QColor(QStringLiteral("lightgrey")));

    QCOMPARE(innerChanged.count(), 0);
    QCOMPARE(outerChanged.count(), 0);
    QCOMPARE(positionChanged.count(), 0);
    QCOMPARE(backgroundChanged.count(), 0);
    QCOMPARE(foregroundChanged.count(), 0);
}

void TestCircleValueProvider::paintsTheArcFromTwelveCounterClockwise()
{
    CircleValueProvider item;
    item.setForegroundColor(foreground);
    item.setBackgroundColor(background);
    item.setActualPosition(0.3);
    const QImage image = paintedImage(item);

    QVERIFY(isColour(image.pixel(ringPoint(item, 0.05, {0, 0})), foreground));
    QVERIFY(isColour(image.pixel(ringPoint(item, 0.25, {0, 0})), foreground));
    QVERIFY(isColour(image.pixel(ringPoint(item, 0.35, {0, 0})), background));
    QVERIFY(isColour(image.pixel(ringPoint(item, 0.75, {0, 0})), background));
    QVERIFY(isColour(image.pixel(ringPoint(item, 0.95, {0, 0})), background));
    // Inside the ring and in the corners nothing is drawn.
    QCOMPARE(qAlpha(image.pixel(75, 75)), 0);
    QCOMPARE(qAlpha(image.pixel(1, 1)), 0);
}

void TestCircleValueProvider::paintsAtTheCentreOfAWideItem()
{
    CircleValueProvider item;
    item.setForegroundColor(foreground);
    item.setBackgroundColor(background);
    item.setWidth(200);
    item.setHeight(100);
    const QImage image = paintedImage(item);

    // The ring's image starts at (50, 0).
    QVERIFY(isColour(image.pixel(ringPoint(item, 0.25, {50, 0})), foreground));
    QVERIFY(isColour(image.pixel(ringPoint(item, 0.75, {50, 0})), background));
    QVERIFY(isColour(image.pixel(51, 50), foreground));
    QVERIFY(isColour(image.pixel(148, 50), background));
    for (int x = 0; x < 48; ++x)
        QCOMPARE(qAlpha(image.pixel(x, 50)), 0);
    for (int x = 152; x < 200; ++x)
        QCOMPARE(qAlpha(image.pixel(x, 50)), 0);
}

void TestCircleValueProvider::tinyPositionShowsOnlyTheBackground()
{
    CircleValueProvider item;
    item.setForegroundColor(foreground);
    item.setBackgroundColor(background);
    item.setActualPosition(0.0025);
    const QImage image = paintedImage(item);
    for (const qreal fraction : {0.0, 0.1, 0.5, 0.9})
        QVERIFY(isColour(image.pixel(ringPoint(item, fraction, {0, 0})), background));
}

void TestCircleValueProvider::equalValuesRenderOnce()
{
    view::RingImageCache &cache = view::RingImageCache::instance();
    CircleValueProvider item;
    paintedImage(item);
    paintedImage(item);
    QCOMPARE(cache.renderCount(), 1);

    // Another indicator with the same values shares the image.
    CircleValueProvider twin;
    paintedImage(twin);
    QCOMPARE(cache.renderCount(), 1);

    item.setActualPosition(0.75);
    const QImage changed = paintedImage(item);
    QCOMPARE(cache.renderCount(), 2);
    QVERIFY(isColour(changed.pixel(ringPoint(item, 0.6, {0, 0})), item.foregroundColor()));
}

void TestCircleValueProvider::alphaIsPartOfTheKey()
{
    CircleValueProvider opaque;
    opaque.setForegroundColor(QColor(255, 0, 0, 255));
    CircleValueProvider faint;
    faint.setForegroundColor(QColor(255, 0, 0, 40));
    QVERIFY(opaque.cacheKey() != faint.cacheKey());

    paintedImage(opaque);
    const QImage faintImage = paintedImage(faint);
    QCOMPARE(view::RingImageCache::instance().renderCount(), 2);
    QVERIFY(qAlpha(faintImage.pixel(ringPoint(faint, 0.25, {0, 0}))) < 60);
}

void TestCircleValueProvider::absurdRadiusIsNotDrawn()
{
    CircleValueProvider item;
    item.setOuterRadius(1e6);
    QCOMPARE(item.actualOuterRadius(), 75e6);
    const QImage image = paintedImage(item);
    QCOMPARE(view::RingImageCache::instance().renderCount(), 0);
    QCOMPARE(qAlpha(image.pixel(75, 0)), 0);

    item.setOuterRadius(0);
    item.setInnerRadius(0);
    paintedImage(item);
    item.setOuterRadius(qQNaN());
    paintedImage(item);
    item.setOuterRadius(qInf());
    paintedImage(item);
    item.setOuterRadius(-1);
    paintedImage(item);
    QCOMPARE(view::RingImageCache::instance().renderCount(), 0);

    // A sound radius draws again.
    item.setOuterRadius(1);
    item.setInnerRadius(0.5);
    paintedImage(item);
    QCOMPARE(view::RingImageCache::instance().renderCount(), 1);
}

void TestCircleValueProvider::acceptedWritesRepaintTheWindow()
{
    QQuickWindow window;
    window.setColor(Qt::white);
    window.resize(150, 150);
    auto *item = new CircleValueProvider(window.contentItem());
    item->setForegroundColor(foreground);
    item->setBackgroundColor(background);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QPoint lowerLeft = ringPoint(*item, 0.4, {0, 0});
    QImage shown = window.grabWindow();
    QVERIFY(isColour(shown.pixel(lowerLeft), foreground));

    // Without a repaint request the old ring would stay on screen.
    item->setActualPosition(0.2);
    shown = window.grabWindow();
    QVERIFY(isColour(shown.pixel(lowerLeft), background));

    item->setBackgroundColor(Qt::green);
    shown = window.grabWindow();
    QVERIFY(isColour(shown.pixel(lowerLeft), QColor(Qt::green)));
}

QTEST_MAIN(TestCircleValueProvider)
#include "tst_circle_value_provider.moc"
