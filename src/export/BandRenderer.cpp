// Items collected once on the calling thread, then painted band by band on a few threads.
#include "export/BandRenderer.h"

#include "document/DocumentGraphicModel.h"
#include "document/GraphicsInkPathItem.h"

#include <QGraphicsItem>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {

// Enough bands that a thread finishing early takes over work from a dense part of the page.
constexpr int kBandsPerThread = 8;
// Below this many rows a second thread costs more than it saves.
constexpr int kMinimumRows = 512;

struct ItemPaint
{
    QGraphicsItem *item;
    QTransform transform;
    QRectF box;
    qreal opacity;
    bool selected;
};

bool paintsPlainly(const QGraphicsItem *item)
{
    const QGraphicsItem::GraphicsItemFlags special = QGraphicsItem::ItemClipsToShape
        | QGraphicsItem::ItemClipsChildrenToShape | QGraphicsItem::ItemIgnoresTransformations;
    return !(item->flags() & special) && !item->graphicsEffect() && !item->isWidget()
        && item->cacheMode() == QGraphicsItem::NoCache;
}

// The visible items in stacking order with their transforms; false when one of them needs
// what only QGraphicsScene::render does.
bool collect(DocumentGraphicModel &model, const QRectF &source, std::vector<ItemPaint> &paints)
{
    const QTransform toImage = QTransform::fromTranslate(-source.left(), -source.top());
    for (QGraphicsItem *item :
         model.items(source, Qt::IntersectsItemBoundingRect, Qt::AscendingOrder)) {
        if (!paintsPlainly(item))
            return false;
        if (!item->isVisible() || (item->flags() & QGraphicsItem::ItemHasNoContents))
            continue;
        const qreal opacity = item->effectiveOpacity();
        if (opacity <= 0)
            continue;
        const QTransform transform = item->sceneTransform() * toImage;
        // The simplified outline for this scale is made here, so that the bands only read it.
        if (const auto *ink = dynamic_cast<const GraphicsInkPathItem *>(item))
            ink->simplifiedIndices(QStyleOptionGraphicsItem::levelOfDetailFromTransform(transform));
        paints.push_back({item, transform, transform.mapRect(item->boundingRect()), opacity,
                          item->isSelected()});
    }
    return true;
}

// The rows of the whole image that one band paints: an image of their own on its memory.
struct Rows
{
    uchar *pixels;
    int width;
    qsizetype bytesPerLine;
    QImage::Format format;
};

void paintBand(const Rows &image, int top, int rows, const std::vector<ItemPaint> &paints)
{
    QImage band(image.pixels + top * image.bytesPerLine, image.width, rows, image.bytesPerLine,
                image.format);
    QPainter painter(&band);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF area(0, top, image.width, rows);
    const QTransform shift = QTransform::fromTranslate(0, -top);
    for (const ItemPaint &paint : paints) {
        if (!paint.box.intersects(area))
            continue;
        painter.save();
        painter.setWorldTransform(paint.transform * shift);
        painter.setOpacity(paint.opacity);
        QStyleOptionGraphicsItem option;
        option.state = QStyle::State_Enabled;
        if (paint.selected)
            option.state |= QStyle::State_Selected;
        option.exposedRect = paint.item->boundingRect();
        paint.item->paint(&painter, &option, nullptr);
        painter.restore();
    }
}

} // namespace

bool renderInBands(DocumentGraphicModel &model, const QRectF &source, QImage &image)
{
    const int threads = std::min(QThread::idealThreadCount(), 8);
    // Strokes are turned and moved while they paint, outside their bounds: a band could
    // then miss a stroke that reaches into it, so only an unmoved view is split.
    if (model.rotation() != 0 || !model.offset().isNull())
        return false;
    if (threads < 2 || image.height() < kMinimumRows || source.width() != image.width()
        || source.height() != image.height() || model.backgroundBrush().style() != Qt::NoBrush
        || model.foregroundBrush().style() != Qt::NoBrush)
        return false;
    std::vector<ItemPaint> paints;
    if (!collect(model, source, paints))
        return false;
    // Taken once here: bits() counts a detach on every call, which threads must not share.
    const Rows rowsOfImage {image.bits(), image.width(), image.bytesPerLine(), image.format()};
    const int bands = threads * kBandsPerThread;
    const int rowsPerBand = (image.height() + bands - 1) / bands;
    std::atomic<int> nextBand {0};
    const auto work = [&] {
        for (int band = nextBand++; band < bands; band = nextBand++) {
            const int top = band * rowsPerBand;
            const int rows = std::min(rowsPerBand, image.height() - top);
            if (rows > 0)
                paintBand(rowsOfImage, top, rows, paints);
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (int i = 1; i < threads; ++i)
            helpers.emplace_back(work);
        work();
    }
    return true;
}
