// Scene-to-square rendering and the multi-layer marker.
#include "document/Thumbnail.h"

#include <QGraphicsScene>
#include <QPainter>

#include <algorithm>
#include <cmath>

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

} // namespace

QImage renderThumbnail(QGraphicsScene &scene, int side, int layerCount)
{
    if (side <= 0)
        return QImage();
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QRectF source = scene.sceneRect();
    // A straight line has no width or no height: widen it by about a pen's width (a tenth
    // of its length at least), so that it is drawn rather than lost. No ink at all gives
    // a blank sheet.
    const bool noInk = source.width() <= 0 && source.height() <= 0;
    if (!noInk && (source.width() <= 0 || source.height() <= 0)) {
        const qreal pad = std::max({10.0, source.width() / 20, source.height() / 20});
        source.adjust(-pad, -pad, pad, pad);
    }
    if (noInk || !std::isfinite(source.width()) || !std::isfinite(source.height())) {
        if (layerCount > 1) {
            QPainter painter(&image);
            drawLayerMarker(painter, side, layerCount);
        }
        return image;
    }
    // Centred with a narrow margin, so that strokes on the edge of the sketch stay whole.
    const qreal margin = side * 0.03;
    QSizeF fitted
        = source.size().scaled(QSizeF(side - 2 * margin, side - 2 * margin), Qt::KeepAspectRatio);
    const QRectF target(QPointF((side - fitted.width()) / 2, (side - fitted.height()) / 2), fitted);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    scene.render(&painter, target, source, Qt::KeepAspectRatio);
    if (layerCount > 1)
        drawLayerMarker(painter, side, layerCount);
    painter.end();
    return image;
}
