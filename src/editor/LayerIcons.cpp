// Drawing the layer editor's list icons from the scene, one layer shown at a time.
#include "editor/LayerIcons.h"

#include "document/DocumentGraphicModel.h"
#include "document/GraphicsItemsGroup.h"

#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionGraphicsItem>

#include <algorithm>

namespace {

const QColor kSheetEdge(200, 204, 208);

} // namespace

void LayerIcons::fitTo(const DocumentGraphicModel &model, const QColor &ink)
{
    const QRectF bounds = model.itemsBoundingRect();
    m_size = QSize(std::max(1, static_cast<int>(bounds.width() / 20)),
                   std::max(1, static_cast<int>(bounds.height() / 20)));
    m_ink = ink;
    m_list.setIconSize(m_size.boundedTo(QSize(96, 96)));
}

void LayerIcons::render(DocumentGraphicModel &model, int row) const
{
    if (QListWidgetItem *item = m_list.item(row))
        item->setIcon(draw(model, row, model.itemsBoundingRect()));
}

void LayerIcons::renderAll(DocumentGraphicModel &model) const
{
    // Showing one layer at a time moves nothing: the bounds serve every icon.
    const QRectF source = model.itemsBoundingRect();
    for (int i = 0; i < m_list.count(); ++i)
        m_list.item(i)->setIcon(draw(model, i, source));
}

QIcon LayerIcons::draw(DocumentGraphicModel &model, int index, const QRectF &source) const
{
    const QList<GraphicsItemsGroup *> &groups = model.groups();
    if (index < 0 || index >= groups.size())
        return {};
    // Only this layer's strokes are painted, as the scene paints them into its source
    // rectangle at the pixmap's top left: the other layers and the page are left alone, so
    // that a sketch of many layers costs no more per icon than one of a single layer.
    GraphicsItemsGroup *shown = groups[index];
    const bool visible = shown->isLayerVisible();
    const int usePen = shown->usePen();
    const QColor colour = shown->penColor();
    shown->setLayerVisible(true);
    shown->setUsePen(1);
    shown->setPenColor(m_ink);
    QImage ink(m_size, QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    if (!source.isEmpty()) {
        const qreal scale
            = std::min(m_size.width() / source.width(), m_size.height() / source.height());
        const QTransform toPixmap
            = QTransform::fromScale(scale, scale).translate(-source.left(), -source.top());
        QPainter painter(&ink);
        painter.setRenderHint(QPainter::Antialiasing);
        // The scene clips to its target as it renders, which blends the edges of the ink
        // slightly differently: the icons clip too, to look as the scene would draw them.
        painter.setClipRect(QRectF(QPointF(0, 0), QSizeF(m_size)), Qt::IntersectClip);
        QStyleOptionGraphicsItem option;
        for (QGraphicsItem *item : shown->childItems()) {
            if (!item->isVisible())
                continue;
            painter.save();
            painter.setWorldTransform(item->sceneTransform() * toPixmap);
            item->paint(&painter, &option, nullptr);
            painter.restore();
        }
    }
    // A small sheet with the layer's ink. Ink at a twentieth of its size is thinner than a
    // pixel: it is laid down a pixel wider so that the strokes stay readable.
    QPixmap pixmap(m_size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(kSheetEdge);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(0.5, 0.5, m_size.width() - 1.0, m_size.height() - 1.0));
    for (const QPoint offset : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
        painter.drawImage(offset, ink);
    painter.end();
    shown->setLayerVisible(visible);
    shown->setUsePen(usePen);
    shown->setPenColor(colour);
    return QIcon(pixmap);
}
