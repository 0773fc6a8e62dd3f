#pragma once

#include <QColor>
#include <QMetaObject>
#include <QQuickPaintedItem>

namespace view {

// A soft shadow under its parent item's rectangle. Placed as a child of the item it shadows, it
// follows the parent's size and draws beneath the parent's content.
class DropShadow : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(qreal blurRadius READ blurRadius WRITE setBlurRadius NOTIFY blurRadiusChanged)
    Q_PROPERTY(qreal xOffset READ xOffset WRITE setXOffset NOTIFY xOffsetChanged)
    Q_PROPERTY(qreal yOffset READ yOffset WRITE setYOffset NOTIFY yOffsetChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

public:
    explicit DropShadow(QQuickItem *parent = nullptr);

    // Width of the soft edge in pixels; 0 gives a hard shadow.
    qreal blurRadius() const { return m_blurRadius; }
    qreal xOffset() const { return m_xOffset; }
    qreal yOffset() const { return m_yOffset; }
    QColor color() const { return m_color; }

    // Negative radii count as 0.
    void setBlurRadius(qreal blurRadius);
    void setXOffset(qreal xOffset);
    void setYOffset(qreal yOffset);
    void setColor(const QColor &color);

    void paint(QPainter *painter) override;

signals:
    void blurRadiusChanged();
    void xOffsetChanged();
    void yOffsetChanged();
    void colorChanged();

protected:
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private:
    void followParent();
    void updateGeometry();

    // The defaults of the drop-shadow effect the screens were first drawn with.
    qreal m_blurRadius = 1;
    qreal m_xOffset = 8;
    qreal m_yOffset = 8;
    QColor m_color{63, 63, 63, 180};
    QMetaObject::Connection m_parentWidthConnection;
    QMetaObject::Connection m_parentHeightConnection;
};

} // namespace view
