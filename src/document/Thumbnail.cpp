// Scene-to-square rendering and the multi-layer marker.
#include "document/Thumbnail.h"

#include "document/GraphicsInkPathItem.h"
#include "document/GraphicsItemsGroup.h"
#include "ink/Document.h"

#include <QGraphicsScene>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Two stacked sheets with the number of layers, in the top right corner.
void drawLayerMarker(QPainter &painter, int side, int layerCount)
{
    const qreal size = std::max(18.0, side * 0.14);
    const QRectF back(side - size - 4, 4, size * 0.8, size * 0.8);
    const QRectF front = back.translated(size * 0.2, size * 0.2);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(96, 104, 112), 1.2));
    painter.setBrush(QColor(227, 227, 227, 255));
    painter.drawRoundedRect(back, 2, 2);
    painter.drawRoundedRect(front, 2, 2);
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(size * 0.45));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(64, 70, 76));
    painter.drawText(front, Qt::AlignCenter, QString::number(layerCount));
}

// The square with the source rectangle fitted into it; `draw` paints into the painter set
// up to map the source onto the fitted target, and may give up (false: a null image).
QImage renderFitted(QRectF source, int side, int layerCount,
                    const std::function<bool(QPainter &, const QRectF &, const QRectF &)> &draw)
{
    if (side <= 0)
        return QImage();
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    // A straight line has no width or no height: widen it by about a pen's width (a tenth
    // of its length at least), so that it is drawn rather than lost. No ink at all gives
    // a blank sheet.
    const bool noInk = source.width() <= 0 && source.height() <= 0;
    if (!noInk && (source.width() <= 0 || source.height() <= 0)) {
        const qreal pad = std::max({10.0, source.width() / 20, source.height() / 20});
        source.adjust(-pad, -pad, pad, pad);
    }
    QPainter painter(&image);
    if (!noInk && std::isfinite(source.width()) && std::isfinite(source.height())) {
        // Centred with a narrow margin, so that strokes on the edge of the sketch stay whole.
        const qreal margin = side * 0.03;
        const QSizeF fitted = source.size().scaled(QSizeF(side - 2 * margin, side - 2 * margin),
                                                   Qt::KeepAspectRatio);
        const QRectF target(QPointF((side - fitted.width()) / 2, (side - fitted.height()) / 2),
                            fitted);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        if (!draw(painter, target, source))
            return QImage();
        painter.restore();
    }
    if (layerCount > 1)
        drawLayerMarker(painter, side, layerCount);
    painter.end();
    return image;
}

} // namespace

QImage renderThumbnail(QGraphicsScene &scene, int side, int layerCount)
{
    return renderFitted(scene.sceneRect(), side, layerCount,
                        [&scene](QPainter &painter, const QRectF &target, const QRectF &source) {
                            scene.render(&painter, target, source, Qt::KeepAspectRatio);
                            return true;
                        });
}

QImage renderThumbnail(const Nivo::Document &document, const PenDescription &pen,
                       bool pressureRendering, int side, const std::function<bool()> &stopped)
{
    const Nivo::Point &topLeft = document.topLeft().value();
    const Nivo::Point &bottomRight = document.bottomRight().value();
    const QRectF box(QPointF(topLeft.x.value(), topLeft.y.value()),
                     QPointF(bottomRight.x.value(), bottomRight.y.value()));
    const int layerCount = static_cast<int>(document.elements().size());
    auto draw = [&](QPainter &painter, const QRectF &target, const QRectF &source) {
        // The mapping QGraphicsScene::render uses for a target already of the source's shape.
        const qreal scale
            = std::min(target.width() / source.width(), target.height() / source.height());
        painter.translate(target.center());
        painter.scale(scale, scale);
        painter.translate(-source.center());
        painter.setClipRect(source);
        for (const Nivo::Layer &layer : document.elements()) {
            // A layer group of its own gives each stroke the pen a scene would give it; each
            // stroke's geometry lives only while it is drawn.
            GraphicsItemsGroup group(pen, nullptr, true, 0);
            for (const Nivo::Stroke &stroke : layer.elements()) {
                if (stopped && stopped())
                    return false;
                GraphicsInkPathItem item(stroke, pen, &group, pressureRendering);
                item.paint(&painter, nullptr, nullptr);
            }
        }
        return true;
    };
    return renderFitted(box, side, layerCount, draw);
}
