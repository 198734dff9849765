// One stroke in a scene: a thin polyline, or a filled outline whose width follows pressure.
#pragma once

#include "document/PenDescription.h"

#include <QGraphicsPathItem>
#include <QPolygonF>

#include <vector>

namespace Nivo {
class Stroke;
}
class GraphicsItemsGroup;

class GraphicsInkPathItem : public QGraphicsPathItem
{
public:
    enum { Type = UserType + 2 };

    /// Builds the stroke's polyline, or under pressure rendering its outline, whose half
    /// width at each point is the parent group's pen width times pressure / 1024 (pressure 0
    /// counts as 1024). The item keeps no reference to the stroke.
    GraphicsInkPathItem(const Nivo::Stroke &stroke, const PenDescription &pen,
                        GraphicsItemsGroup *parent, bool pressureRendering,
                        bool drawBounds = false);
    /// A new item with the source's outline or polyline, pen, bounds and drawing caches but
    /// no view transform: the item of the same stroke, made without building it again.
    GraphicsInkPathItem(const GraphicsInkPathItem &source, GraphicsItemsGroup *parent);
    ~GraphicsInkPathItem() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override { return m_boundingRect; }
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    /// The view transform applied when painting: translate by the offset (whole units),
    /// then rotate about the scene origin.
    void resetTransform();
    void addRotation(int degrees) { m_rotation += degrees; }
    void addOffset(qreal dx, qreal dy) { m_offset += QPointF(dx, dy); }
    int rotation() const { return m_rotation; }
    QPointF offset() const { return m_offset; }
    void setBoundingRect(const QRectF &rect);

    bool pressureRendering() const { return m_pressureRendering; }
    /// The colour drawn when the group's pen does not win (usePen 0); the caller repaints.
    QColor penColor() const { return m_pen.color; }
    void setPenColor(const QColor &color) { m_pen.color = color; }
    const QPolygonF &outline() const { return m_outline; }
    /// The polyline of plain rendering (repeated positions dropped).
    const std::vector<QPointF> &polyline() const { return m_polyline; }

    /// Indices of the points to draw when a unit covers `pixelsPerUnit` pixels; null when
    /// every point is drawn. The result is kept for nearby scales: painting from several
    /// threads at once only reads it when it was made first, at that scale, on one thread.
    const std::vector<int> *simplifiedIndices(qreal pixelsPerUnit) const;

private:
    void buildOutline(const Nivo::Stroke &stroke, double baseWidth);
    std::vector<QPointF> centreLine() const;
    /// The outline for vector output, in device coordinates: each side simplified within a
    /// fraction of a unit, the vertices on a grid of device units, filled with the winding
    /// rule.
    QPainterPath vectorOutline(const QTransform &toDevice, qreal grid) const;

    bool m_drawBounds;
    bool m_pressureRendering;
    PenDescription m_pen;
    QRectF m_boundingRect;
    QPointF m_offset;
    int m_rotation = 0;
    QPolygonF m_outline;
    std::vector<QPointF> m_polyline;
    // The last simplification used, by tolerance step; painting at one scale reuses it.
    mutable int m_simplifiedStep = 0;
    mutable std::vector<int> m_simplified;
    mutable std::vector<QPointF> m_vectorSides;
};
