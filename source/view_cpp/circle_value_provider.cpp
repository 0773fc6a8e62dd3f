#include "view_cpp/circle_value_provider.h"

#include "view_cpp/ring_image_cache.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

QString keyNumber(qreal number)
{
    return QString::number(number, 'g', 6);
}

} // namespace

CircleValueProvider::CircleValueProvider(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setSize(QSizeF(150, 150));
    updateSpinner();
    connect(this, &QQuickItem::widthChanged, this, &CircleValueProvider::updateSpinner);
    connect(this, &QQuickItem::heightChanged, this, &CircleValueProvider::updateSpinner);
}

void CircleValueProvider::setInnerRadius(const qreal &innerRadius)
{
    if (qFuzzyCompare(innerRadius, m_innerRadius))
        return;
    m_innerRadius = innerRadius;
    updateSpinner();
    emit innerRadiusChanged();
}

void CircleValueProvider::setOuterRadius(const qreal &outerRadius)
{
    if (qFuzzyCompare(outerRadius, m_outerRadius))
        return;
    m_outerRadius = outerRadius;
    updateSpinner();
    emit outerRadiusChanged();
}

void CircleValueProvider::setActualPosition(const qreal &actualPosition)
{
    if (qFuzzyCompare(actualPosition, m_actualPosition))
        return;
    // Written so that a NaN, which compares false with everything, is refused as well.
    if (!(actualPosition >= 0.002 && actualPosition <= 1.0))
        return;
    m_actualPosition = actualPosition;
    updateSpinner();
    emit actualPositionChanged();
}

void CircleValueProvider::setBackgroundColor(const QColor &color)
{
    if (color == m_backgroundColor)
        return;
    m_backgroundColor = color;
    updateSpinner();
    emit backgroundColorChanged();
}

void CircleValueProvider::setForegroundColor(const QColor &color)
{
    if (color == m_foregroundColor)
        return;
    m_foregroundColor = color;
    updateSpinner();
    emit foregroundColorChanged();
}

void CircleValueProvider::updateSpinner()
{
    m_side = height() <= width() ? height() : width();
    const qreal half = m_side * 0.5;
    m_actualInnerRadius = m_innerRadius * half;
    m_actualOuterRadius = half * m_outerRadius;
    // The colours carry their alpha, so colours that differ only in transparency get their own
    // images.
    m_cacheKey = m_backgroundColor.name(QColor::HexArgb) + QLatin1Char('-') +
                 m_foregroundColor.name(QColor::HexArgb) + QLatin1Char('-') +
                 keyNumber(m_actualOuterRadius) + QLatin1Char('-') +
                 keyNumber(m_actualInnerRadius) + QLatin1Char('-') + keyNumber(m_actualPosition);
    emit actualInnerRadiusChanged();
    emit actualOuterRadiusChanged();
    emit actualPositionChanged();
    update();
}

QImage CircleValueProvider::renderRing() const
{
    const qreal outer = m_actualOuterRadius;
    const qreal inner = m_actualInnerRadius;
    const int imageSide = static_cast<int>(2 * outer);

    QImage image(imageSide, imageSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    // Two squares' ellipses filled odd-even leave the ring between them.
    QPainterPath ring;
    ring.addEllipse(QRectF(0, 0, 2 * outer, 2 * outer));
    ring.addEllipse(QRectF(outer - inner, outer - inner, 2 * inner, 2 * inner));

    // The gradient runs counter-clockwise from 12 o'clock; the colour before the first stop is
    // that stop's colour, so the arc up to the position is the foreground.
    QConicalGradient gradient(QPointF(outer, outer), 90);
    gradient.setColorAt(m_actualPosition, m_backgroundColor);
    // Below 0.003 the foreground stop would lie before 0, which gradients refuse: the whole
    // ring then shows the background.
    if (m_actualPosition - 0.003 >= 0)
        gradient.setColorAt(m_actualPosition - 0.003, m_foregroundColor);

    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(ring, QBrush(gradient));
    painter.end();
    return image;
}

void CircleValueProvider::paint(QPainter *painter)
{
    // Radii come from QML unchecked: a ring under one pixel, too large, or not a number is not
    // drawn (the check is made before the conversion to int, which would be undefined).
    const qreal imageSide = 2 * m_actualOuterRadius;
    if (!(imageSide >= 1 && imageSide <= m_maximumImageSide))
        return;
    const QImage image =
        view::RingImageCache::instance().image(m_cacheKey, [this] { return renderRing(); });
    const int x = static_cast<int>((width() - m_side) * 0.5);
    const int y = static_cast<int>((height() - m_side) * 0.5);
    painter->drawImage(QPoint(x, y), image);
}
