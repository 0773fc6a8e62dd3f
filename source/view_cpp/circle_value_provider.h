#pragma once

#include <QColor>
#include <QImage>
#include <QQuickPaintedItem>
#include <QString>

// The circular value indicator: a ring whose filled arc, counter-clockwise from 12 o'clock,
// shows a fraction of the full circle.
class CircleValueProvider : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(qreal innerRadius READ innerRadius WRITE setInnerRadius NOTIFY innerRadiusChanged)
    Q_PROPERTY(qreal actualPosition READ actualPosition WRITE setActualPosition NOTIFY
                   actualPositionChanged)
    Q_PROPERTY(qreal outerRadius READ outerRadius WRITE setOuterRadius NOTIFY outerRadiusChanged)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY
                   backgroundColorChanged)
    Q_PROPERTY(QColor foregroundColor READ foregroundColor WRITE setForegroundColor NOTIFY
                   foregroundColorChanged)
    Q_PROPERTY(qreal actualInnerRadius READ actualInnerRadius NOTIFY actualInnerRadiusChanged)
    Q_PROPERTY(qreal actualOuterRadius READ actualOuterRadius NOTIFY actualOuterRadiusChanged)

public:
    explicit CircleValueProvider(QQuickItem *parent = nullptr);

    // Ring edges as fractions of half the item's shorter side.
    qreal innerRadius() const { return m_innerRadius; }
    qreal outerRadius() const { return m_outerRadius; }
    // The filled fraction of the circle, 0.002 to 1.0.
    qreal actualPosition() const { return m_actualPosition; }
    // Ring edges in pixels, from the last recomputation.
    qreal actualInnerRadius() const { return m_actualInnerRadius; }
    qreal actualOuterRadius() const { return m_actualOuterRadius; }
    QColor backgroundColor() const { return m_backgroundColor; }
    QColor foregroundColor() const { return m_foregroundColor; }

    void setInnerRadius(const qreal &innerRadius);
    void setOuterRadius(const qreal &outerRadius);
    // Positions outside 0.002 to 1.0 are ignored.
    void setActualPosition(const qreal &actualPosition);
    void setBackgroundColor(const QColor &color);
    void setForegroundColor(const QColor &color);

    void paint(QPainter *painter) override;

signals:
    void innerRadiusChanged();
    void outerRadiusChanged();
    void backgroundColorChanged();
    void foregroundColorChanged();
    void actualInnerRadiusChanged();
    void actualOuterRadiusChanged();
    void actualPositionChanged();

protected slots:
    // Recomputes the pixel radii and the cache key, and asks for a repaint.
    virtual void updateSpinner();

private:
    // The tests read the side and the key, which the item keeps to itself.
    friend class TestCircleValueProvider;

    // The item's shorter side at the last recomputation.
    qreal side() const { return m_side; }
    // Name of the ring image in the shared ring cache.
    QString cacheKey() const { return m_cacheKey; }
    QImage renderRing() const;

    // A larger ring would take hundreds of megabytes; it is not drawn.
    static constexpr int m_maximumImageSide = 4096;

    qreal m_innerRadius = 0.95;
    qreal m_outerRadius = 1.0;
    QColor m_backgroundColor{QStringLiteral("transparent")};
    QColor m_foregroundColor{QStringLiteral("lightgrey")};
    qreal m_side = 150;
    qreal m_actualInnerRadius = 71.25;
    qreal m_actualOuterRadius = 75;
    qreal m_actualPosition = 0.5;
    QString m_cacheKey;
};
