// The replay's strokes shown and hidden in order, and the partly drawn stroke's own item.
#include "replay/ReplayScene.h"

#include "document/DocumentGraphicModel.h"
#include "document/GraphicsInkPathItem.h"
#include "document/GraphicsItemsGroup.h"
#include "settings/ApplSettings.h"

#include <QGraphicsItem>
#include <QPainter>

#include <algorithm>
#include <cmath>

/// The first points of the stroke being drawn, painted as the stroke paints itself; the
/// stroke's own item stays hidden until the stroke is complete.
class PartialStrokeItem : public QGraphicsItem
{
public:
    /// Shows the first `points` points of the stroke; false, with nothing rebuilt, when they
    /// are shown already.
    bool showPoints(const GraphicsInkPathItem &stroke, int points, const QColor &colour)
    {
        if (isVisible() && &stroke == m_stroke && points == m_points && colour == m_colour)
            return false;
        m_stroke = &stroke;
        m_points = points;
        m_colour = colour;
        m_outline = stroke.pressureRendering();
        m_vertices.clear();
        if (m_outline) {
            // The outline runs along the left side of the points and back along the right,
            // so the first points' outline is both ends of it.
            const QPolygonF &outline = stroke.outline();
            const qsizetype n = outline.size() / 2;
            const qsizetype k = std::min<qsizetype>(points, n);
            m_vertices.reserve(2 * k);
            m_vertices.append(outline.mid(0, k));
            m_vertices.append(outline.mid(2 * n - k, k));
        } else {
            // The polyline skips repeated positions, so it may hold fewer points.
            const auto &line = stroke.polyline();
            const std::size_t k
                = std::min<std::size_t>(static_cast<std::size_t>(points), line.size());
            m_vertices = QPolygonF(QList<QPointF>(line.begin(), line.begin() + k));
        }
        m_transform = QTransform();
        if (stroke.rotation() != 0 || !stroke.offset().isNull()) {
            m_transform.translate(std::trunc(stroke.offset().x()), std::trunc(stroke.offset().y()));
            m_transform.rotate(stroke.rotation());
        }
        prepareGeometryChange();
        m_bounds = m_transform.map(m_vertices).boundingRect().adjusted(-1, -1, 1, 1);
        setZValue(stroke.parentItem() ? stroke.parentItem()->zValue() + 0.5 : stroke.zValue());
        setVisible(true);
        return true;
    }

    /// Hides the item; false when it was hidden already.
    bool clear()
    {
        const bool wasShown = isVisible();
        setVisible(false);
        m_stroke = nullptr;
        m_points = 0;
        return wasShown;
    }

    int points() const { return isVisible() ? m_points : 0; }

    QRectF boundingRect() const override { return m_bounds; }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        painter->save();
        painter->setTransform(m_transform, true);
        painter->setRenderHint(QPainter::Antialiasing, true);
        if (m_outline) {
            QPen pen(m_colour, 0.2, Qt::SolidLine, Qt::RoundCap);
            pen.setCosmetic(true);
            painter->setPen(pen);
            painter->setBrush(m_colour);
            painter->drawPolygon(m_vertices, Qt::WindingFill);
        } else {
            QPen pen(m_colour, 1, Qt::SolidLine, Qt::RoundCap);
            pen.setCosmetic(true);
            painter->setPen(pen);
            painter->drawPolyline(m_vertices);
        }
        painter->restore();
    }

private:
    const GraphicsInkPathItem *m_stroke = nullptr;
    int m_points = 0;
    QColor m_colour;
    bool m_outline = true;
    QPolygonF m_vertices;
    QTransform m_transform;
    QRectF m_bounds;
};

ReplayPen replayPenFromSettings(const ReplayPen &fallback)
{
    ReplayPen pen = fallback;
    ApplSettings &settings = ApplSettings::instance();
    const QString entry = QStringLiteral("visuality_properties/default_pen");
    QString text;
    QColor colour;
    if (settings.getAttribute(entry, QStringLiteral("rgba_color"), text)
        && ApplSettings::parseColor(text, colour) && colour.isValid())
        pen.colour = colour;
    bool ok = false;
    if (settings.getAttribute(entry, QStringLiteral("width"), text)) {
        const int width = text.toInt(&ok);
        if (ok)
            pen.width = width;
    }
    return pen;
}

ReplayScene::ReplayScene(DocumentGraphicModel &model, const ReplayPen &pen)
    : m_model(model)
    , m_colour(pen.colour)
    , m_partial(std::make_unique<PartialStrokeItem>())
{
    // Stroke items cannot change their own pen once built; the layer's pen gives them all
    // the ink colour instead.
    for (GraphicsItemsGroup *group : model.groups()) {
        group->setUsePen(1);
        group->setPenColor(pen.colour);
        group->setPenWidth(pen.width);
        group->setLayerVisible(true);
        group->setVisible(true);
        for (QGraphicsItem *child : group->childItems()) {
            if (child->type() == GraphicsInkPathItem::Type) {
                auto *item = static_cast<GraphicsInkPathItem *>(child);
                item->setVisible(false);
                m_strokes.push_back(item);
            }
        }
    }
    m_partial->setVisible(false);
    model.addItem(m_partial.get());
}

ReplayScene::~ReplayScene()
{
    // The scene would delete the item, which this object owns.
    if (QGraphicsScene *scene = m_partial->scene())
        scene->removeItem(m_partial.get());
}

int ReplayScene::partialPoints() const
{
    return m_partial->points();
}

QRectF ReplayScene::inkBounds() const
{
    QRectF ink;
    for (const QGraphicsItem *item : m_strokes)
        ink |= item->sceneBoundingRect();
    return ink;
}

QRectF ReplayScene::showStrokes(int count)
{
    return showPosition({count, 0});
}

QRectF ReplayScene::showPosition(const ReplaySchedule::Position &position)
{
    const int count = std::clamp(position.strokes, 0, strokeCount());
    QRectF changed;
    // Only the strokes between the shown position and the new one change.
    for (int k = std::min(count, m_shown); k < std::max(count, m_shown); ++k) {
        m_strokes[k]->setVisible(k < count);
        changed |= m_strokes[k]->sceneBoundingRect();
    }
    m_shown = count;
    const QRectF partialBefore = m_partial->isVisible() ? m_partial->sceneBoundingRect() : QRectF();
    bool partialChanged = false;
    if (position.points > 0 && count < strokeCount())
        partialChanged = m_partial->showPoints(*m_strokes[count], position.points, m_colour);
    else
        partialChanged = m_partial->clear();
    if (partialChanged) {
        changed |= partialBefore;
        if (m_partial->isVisible())
            changed |= m_partial->sceneBoundingRect();
    }
    return changed;
}
