#include "view_cpp/drop_shadow.h"

#include <QPainter>
#include <QtMath>

namespace view {

DropShadow::DropShadow(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setZ(-1);
    followParent();
}

void DropShadow::setBlurRadius(qreal blurRadius)
{
    blurRadius = qMax<qreal>(0, blurRadius);
    if (blurRadius == m_blurRadius)
        return;
    m_blurRadius = blurRadius;
    updateGeometry();
    emit blurRadiusChanged();
}

void DropShadow::setXOffset(qreal xOffset)
{
    if (xOffset == m_xOffset)
        return;
    m_xOffset = xOffset;
    updateGeometry();
    emit xOffsetChanged();
}

void DropShadow::setYOffset(qreal yOffset)
{
    if (yOffset == m_yOffset)
        return;
    m_yOffset = yOffset;
    updateGeometry();
    emit yOffsetChanged();
}

void DropShadow::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
    emit colorChanged();
}

void DropShadow::paint(QPainter *painter)
{
    const QRectF shadow(m_blurRadius, m_blurRadius, width() - 2 * m_blurRadius,
                        height() - 2 * m_blurRadius);
    if (shadow.isEmpty())
        return;
    // Layers grow outwards and overlap, so the core reaches the colour's full alpha and the
    // edge fades over the blur radius.
    const int layers = qCeil(m_blurRadius) + 1;
    const qreal layerAlpha = 1 - qPow(1 - m_color.alphaF(), 1.0 / layers);
    QColor layerColor = m_color;
    layerColor.setAlphaF(layerAlpha);
    painter->setPen(Qt::NoPen);
    painter->setBrush(layerColor);
    painter->setRenderHint(QPainter::Antialiasing);
    for (int layer = layers - 1; layer >= 0; --layer) {
        const qreal grow = m_blurRadius * layer / qMax(1, layers - 1);
        painter->drawRoundedRect(shadow.adjusted(-grow, -grow, grow, grow), grow, grow);
    }
}

void DropShadow::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickPaintedItem::itemChange(change, value);
    if (change == ItemParentHasChanged)
        followParent();
}

void DropShadow::followParent()
{
    disconnect(m_parentWidthConnection);
    disconnect(m_parentHeightConnection);
    if (QQuickItem *target = parentItem()) {
        m_parentWidthConnection =
            connect(target, &QQuickItem::widthChanged, this, &DropShadow::updateGeometry);
        m_parentHeightConnection =
            connect(target, &QQuickItem::heightChanged, this, &DropShadow::updateGeometry);
    }
    updateGeometry();
}

void DropShadow::updateGeometry()
{
    const QQuickItem *target = parentItem();
    if (target == nullptr) {
        setSize(QSizeF());
        return;
    }
    setPosition(QPointF(m_xOffset - m_blurRadius, m_yOffset - m_blurRadius));
    setSize(QSizeF(target->width() + 2 * m_blurRadius, target->height() + 2 * m_blurRadius));
    update();
}

} // namespace view
