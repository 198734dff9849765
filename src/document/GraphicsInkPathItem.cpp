// Stroke geometry (polyline and pressure outline) and its painting with the view transform.
#include "document/GraphicsInkPathItem.h"

#include "document/GraphicsItemsGroup.h"
#include "ink/Stroke.h"

#include <QPaintEngine>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <cmath>

namespace {

// Strokes drawn small keep their shape within about this many pixels: well within the one
// or two pixels of a line (side by side, thumbnails drawn within 0.3 and 0.6 pixel look
// the same; within 1.1 pixels curves turn angular). Every vertex costs about a microsecond:
// a thick cosmetic pen is outlined and filled vertex by vertex.
constexpr qreal kToleranceInPixels = 0.6;
// Drawn at full size or a little larger, as in images of the page, strokes keep their shape
// within a quarter of a pixel, less than antialiasing can show: a pen sketch has several
// points per pixel there, and each costs as much to fill as one that shows.
constexpr qreal kFineToleranceInPixels = 0.25;
// From this many pixels a unit on, every point is drawn.
constexpr qreal kExactFromPixelsPerUnit = 4.0;
// Vector output keeps outlines within this many units (a twentieth of a millimetre).
constexpr qreal kVectorTolerance = 0.5;

qreal distanceToSegment(const QPointF &p, const QPointF &a, const QPointF &b)
{
    const QPointF ab = b - a;
    const qreal length2 = ab.x() * ab.x() + ab.y() * ab.y();
    QPointF d = p - a;
    if (length2 > 0) {
        const qreal t = std::clamp((d.x() * ab.x() + d.y() * ab.y()) / length2, 0.0, 1.0);
        d = p - (a + ab * t);
    }
    return std::sqrt(d.x() * d.x() + d.y() * d.y());
}

// Douglas-Peucker without recursion: marks the points of [first, last] to keep.
void simplify(const QPointF *points, int count, qreal tolerance, std::vector<char> &keep)
{
    keep.assign(static_cast<size_t>(count), 0);
    if (count == 0)
        return;
    keep.front() = keep.back() = 1;
    std::vector<std::pair<int, int>> spans {{0, count - 1}};
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        qreal farthest = 0;
        int index = -1;
        for (int i = first + 1; i < last; ++i) {
            const qreal distance = distanceToSegment(points[i], points[first], points[last]);
            if (distance > farthest) {
                farthest = distance;
                index = i;
            }
        }
        if (index >= 0 && farthest > tolerance) {
            keep[static_cast<size_t>(index)] = 1;
            spans.emplace_back(first, index);
            spans.emplace_back(index, last);
        }
    }
}

qreal cross(const QPointF &a, const QPointF &b)
{
    return a.x() * b.y() - a.y() * b.x();
}

// The indices of the points to draw so that the line through them passes within tolerance
// of every point, in one pass: from each vertex, the directions that stay within tolerance
// of all the points after it narrow to a wedge, and a new vertex starts where a point falls
// outside it or the line turns back. A stroke's ends are always kept.
void sleeveSimplify(const QPointF *points, int n, qreal tolerance, std::vector<int> &kept)
{
    kept.clear();
    if (n == 0)
        return;
    kept.push_back(0);
    const qreal tolerance2 = tolerance * tolerance;
    int anchor = 0;
    int candidate = -1;
    // The wedge's edges, as directions of any positive length; reach is the distance of the
    // farthest point from the vertex, 0 while every point lies within tolerance of it.
    QPointF right;
    QPointF left;
    qreal reach = 0;
    for (int k = 1; k < n; ++k) {
        const QPointF v = points[k] - points[anchor];
        const qreal d2 = v.x() * v.x() + v.y() * v.y();
        if (d2 <= tolerance2) {
            // Within tolerance of the vertex itself: any line from it passes close enough.
            if (reach == 0)
                candidate = k;
            continue;
        }
        const qreal d = std::sqrt(d2);
        if (reach > 0 && (cross(right, v) < 0 || cross(v, left) < 0 || reach - d > tolerance)) {
            // The last point that fitted becomes a vertex; this point is tried again from it.
            kept.push_back(candidate);
            anchor = candidate;
            reach = 0;
            --k;
            continue;
        }
        // The directions from the vertex that pass within tolerance of this point: v turned
        // either way by the angle whose sine is tolerance / d, both scaled by d.
        const qreal along = std::sqrt(d2 - tolerance2);
        const QPointF pointRight(v.x() * along + v.y() * tolerance,
                                 v.y() * along - v.x() * tolerance);
        const QPointF pointLeft(v.x() * along - v.y() * tolerance,
                                v.y() * along + v.x() * tolerance);
        if (reach == 0) {
            right = pointRight;
            left = pointLeft;
        } else {
            if (cross(right, pointRight) > 0)
                right = pointRight;
            if (cross(pointLeft, left) > 0)
                left = pointLeft;
        }
        reach = std::max(reach, d);
        candidate = k;
    }
    if (kept.back() != n - 1)
        kept.push_back(n - 1);
}

} // namespace

GraphicsInkPathItem::GraphicsInkPathItem(const Nivo::Stroke &stroke, const PenDescription &pen,
                                         GraphicsItemsGroup *parent, bool pressureRendering,
                                         bool drawBounds)
    : QGraphicsPathItem(parent)
    , m_drawBounds(drawBounds)
    , m_pressureRendering(pressureRendering)
    , m_pen(pen)
{
    const Nivo::Point &topLeft = stroke.topLeft().value();
    const Nivo::Point &bottomRight = stroke.bottomRight().value();
    const QRectF box(QPointF(topLeft.x.value(), topLeft.y.value()),
                     QPointF(bottomRight.x.value(), bottomRight.y.value()));
    if (pressureRendering) {
        setFlags(ItemIsMovable | ItemIsSelectable);
        buildOutline(stroke, parent ? parent->penWidth() : pen.width);
        // The outline reaches beyond the points by its half width; a box of no height (a
        // straight horizontal stroke) would otherwise never be drawn.
        m_boundingRect = box.united(m_outline.boundingRect());
    } else {
        setFlags(ItemIsMovable | ItemIsSelectable | ItemIsFocusable);
        m_polyline.reserve(stroke.elements().size());
        for (const Nivo::Point &point : stroke.elements()) {
            const QPointF position(point.x.value(), point.y.value());
            if (m_polyline.empty() || position != m_polyline.back())
                m_polyline.push_back(position);
        }
        const qreal margin = std::max<qreal>(1.0, pen.width);
        m_boundingRect = box.adjusted(-margin, -margin, margin, margin);
    }
}

GraphicsInkPathItem::GraphicsInkPathItem(const GraphicsInkPathItem &source,
                                         GraphicsItemsGroup *parent)
    : QGraphicsPathItem(parent)
    , m_drawBounds(source.m_drawBounds)
    , m_pressureRendering(source.m_pressureRendering)
    , m_pen(source.m_pen)
    , m_boundingRect(source.m_boundingRect)
    , m_outline(source.m_outline)
    , m_polyline(source.m_polyline)
    , m_simplifiedStep(source.m_simplifiedStep)
    , m_simplified(source.m_simplified)
    , m_vectorSides(source.m_vectorSides)
{
    setFlags(source.flags());
}

GraphicsInkPathItem::~GraphicsInkPathItem() = default;

void GraphicsInkPathItem::buildOutline(const Nivo::Stroke &stroke, double baseWidth)
{
    const auto &points = stroke.elements();
    const int n = static_cast<int>(points.size());
    m_outline.resize(2 * n);
    if (n == 0)
        return;
    float sx = 1.0f;
    float sy = 1.0f;
    int previous = 0;
    for (int k = 0; k < n; ++k) {
        const int next = std::min(k + 1, n - 1);
        const double x = points[k].x.value();
        const double y = points[k].y.value();
        const double px = points[previous].x.value();
        const double py = points[previous].y.value();
        const double nx = points[next].x.value();
        const double ny = points[next].y.value();
        const unsigned pressure = points[k].pressure.value();
        const double factor = pressure > 0 ? pressure / 1024.0 : 1.0;
        const float angleIn = std::atan2(static_cast<float>(y - py), static_cast<float>(x - px));
        const float angleOut = std::atan2(static_cast<float>(ny - y), static_cast<float>(nx - x));
        const float heading = k == 0 ? angleOut : std::fabs(angleIn + angleOut) / 2.0f;
        // The side of the stroke each edge lies on follows the chord through the neighbours.
        const double dX = nx - px;
        const double dY = ny - py;
        if (dX >= 0 && dY >= 0) {
            sx = 1;
            sy = -1;
        } else if (dX >= 0 && dY <= 0) {
            sx = -1;
            sy = -1;
        } else if (dX <= 0 && dY >= 0) {
            sx = 1;
            sy = 1;
        } else if (dX <= 0 && dY <= 0) {
            sx = -1;
            sy = 1;
        }
        const double w = baseWidth * factor;
        const double along = std::fabs(std::sin(heading)) * sx * w;
        const double across = std::fabs(std::cos(heading)) * sy * w;
        m_outline[k] = QPointF(x + along, y + across);
        m_outline[2 * n - 1 - k] = QPointF(x - along, y - across);
        previous = k;
    }
}

QPainterPath GraphicsInkPathItem::shape() const
{
    QPainterPath path;
    if (m_pressureRendering) {
        path.addPolygon(m_outline);
        path.closeSubpath();
        return path;
    }
    if (m_polyline.empty())
        return path;
    path.moveTo(m_polyline.front());
    for (size_t i = 1; i < m_polyline.size(); ++i)
        path.lineTo(m_polyline[i]);
    QPainterPathStroker stroker;
    stroker.setWidth(std::max<qreal>(1.0, m_pen.width));
    return stroker.createStroke(path);
}

void GraphicsInkPathItem::resetTransform()
{
    m_offset = QPointF();
    m_rotation = 0;
}

void GraphicsInkPathItem::setBoundingRect(const QRectF &rect)
{
    prepareGeometryChange();
    m_boundingRect = rect;
}

std::vector<QPointF> GraphicsInkPathItem::centreLine() const
{
    if (!m_pressureRendering)
        return m_polyline;
    const int n = static_cast<int>(m_outline.size() / 2);
    std::vector<QPointF> centre(n);
    for (int k = 0; k < n; ++k)
        centre[k] = (m_outline[k] + m_outline[2 * n - 1 - k]) / 2;
    return centre;
}

const std::vector<int> *GraphicsInkPathItem::simplifiedIndices(qreal pixelsPerUnit) const
{
    if (pixelsPerUnit <= 0 || pixelsPerUnit >= kExactFromPixelsPerUnit)
        return nullptr;
    const qreal tolerance
        = (pixelsPerUnit < 1.0 ? kToleranceInPixels : kFineToleranceInPixels) / pixelsPerUnit;
    // Tolerances are rounded down to powers of two, so nearby scales share one result.
    const int step = static_cast<int>(std::floor(std::log2(tolerance)));
    if (step == m_simplifiedStep && !m_simplified.empty())
        return &m_simplified;
    const qreal rounded = std::ldexp(1.0, step);
    if (m_pressureRendering) {
        const std::vector<QPointF> centre = centreLine();
        sleeveSimplify(centre.data(), static_cast<int>(centre.size()), rounded, m_simplified);
    } else {
        sleeveSimplify(m_polyline.data(), static_cast<int>(m_polyline.size()), rounded,
                       m_simplified);
    }
    m_simplifiedStep = step;
    return &m_simplified;
}

QPainterPath GraphicsInkPathItem::vectorOutline(const QTransform &toDevice, qreal grid) const
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const int n = static_cast<int>(m_outline.size() / 2);
    if (n == 0)
        return path;
    if (m_vectorSides.empty()) {
        // Each side of the outline, simplified once; the device grid is applied per output.
        std::vector<char> keep;
        for (const QPointF *side : {m_outline.constData(), m_outline.constData() + n}) {
            simplify(side, n, kVectorTolerance, keep);
            for (int k = 0; k < n; ++k) {
                if (keep[static_cast<size_t>(k)])
                    m_vectorSides.push_back(side[k]);
            }
        }
    }
    bool first = true;
    QPointF last;
    for (const QPointF &point : m_vectorSides) {
        const QPointF mapped = toDevice.map(point);
        const QPointF vertex(std::round(mapped.x() / grid) * grid,
                             std::round(mapped.y() / grid) * grid);
        if (first)
            path.moveTo(vertex);
        else if (vertex != last)
            path.lineTo(vertex);
        first = false;
        last = vertex;
    }
    path.closeSubpath();
    return path;
}

void GraphicsInkPathItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const auto *group = dynamic_cast<const GraphicsItemsGroup *>(parentItem());
    if (group && !group->isLayerVisible())
        return;
    painter->save();
    if (m_rotation != 0 || !m_offset.isNull()) {
        painter->translate(std::trunc(m_offset.x()), std::trunc(m_offset.y()));
        painter->rotate(m_rotation);
    }
    const bool usePen = group && group->usePen();
    const QColor colour = usePen ? group->penColor() : m_pen.color;
    const qreal pixelsPerUnit
        = QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform());
    const std::vector<int> *indices = simplifiedIndices(pixelsPerUnit);
    painter->setRenderHint(QPainter::Antialiasing, true);
    if (m_pressureRendering) {
        QPen pen(colour, 0.2, Qt::SolidLine, Qt::RoundCap);
        pen.setCosmetic(true);
        painter->setPen(pen);
        painter->setBrush(QBrush(colour, Qt::SolidPattern));
        const QPaintEngine *engine = painter->paintEngine();
        const bool vectorOutput = engine
            && (engine->type() == QPaintEngine::Pdf || engine->type() == QPaintEngine::SVG);
        if (vectorOutput) {
            // Files keep every stroke as one filled path, with no more vertices than the
            // eye can tell apart on paper, on a grid of device units (short numbers: a PDF
            // device unit is 1/1200 inch, an SVG one a tenth of a millimetre).
            const QTransform toDevice = painter->worldTransform();
            painter->resetTransform();
            painter->drawPath(
                vectorOutline(toDevice, engine->type() == QPaintEngine::Pdf ? 1.0 : 0.25));
        } else if (indices && static_cast<qsizetype>(indices->size()) * 2 < m_outline.size()) {
            const int n = static_cast<int>(m_outline.size() / 2);
            QPolygonF polygon;
            polygon.reserve(static_cast<qsizetype>(indices->size() * 2));
            for (int k : *indices)
                polygon.append(m_outline[k]);
            for (auto it = indices->rbegin(); it != indices->rend(); ++it)
                polygon.append(m_outline[2 * n - 1 - *it]);
            painter->drawPolygon(polygon, Qt::WindingFill);
        } else {
            painter->drawPolygon(m_outline, Qt::WindingFill);
        }
    } else {
        QPen pen;
        if (usePen) {
            pen = QPen(colour, qRound(group->penWidth()), Qt::SolidLine, Qt::RoundCap);
            pen.setCosmetic(true);
        } else {
            pen = QPen(colour, static_cast<int>(m_pen.width));
        }
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        if (indices && indices->size() < m_polyline.size()) {
            std::vector<QPointF> points;
            points.reserve(indices->size());
            for (int k : *indices)
                points.push_back(m_polyline[k]);
            painter->drawPolyline(points.data(), static_cast<int>(points.size()));
        } else if (m_polyline.size() > 1) {
            painter->drawPolyline(m_polyline.data(), static_cast<int>(m_polyline.size()));
        }
    }
    if (m_drawBounds) {
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(m_boundingRect);
    }
    painter->restore();
}
