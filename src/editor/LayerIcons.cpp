// Drawing the layer editor's list icons from the scene, one layer shown at a time.
#include "editor/LayerIcons.h"

#include "document/BackgroundLayerPath.h"
#include "document/DocumentGraphicModel.h"
#include "document/GraphicsItemsGroup.h"

#include <QListWidget>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

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
    QList<bool> visible;
    for (GraphicsItemsGroup *group : groups)
        visible << group->isLayerVisible();
    const bool page = model.background() && model.background()->isVisible();
    if (model.background())
        model.background()->setVisible(false);
    GraphicsItemsGroup *shown = groups[index];
    const int usePen = shown->usePen();
    const PenDescription pen = shown->pen();
    for (GraphicsItemsGroup *group : groups)
        group->setLayerVisible(group == shown);
    shown->setUsePen(1);
    shown->setPenColor(m_ink);
    QPixmap pixmap(m_size);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        model.render(&painter, QRectF(), source, Qt::KeepAspectRatio);
    }
    shown->setUsePen(usePen);
    shown->setPenColor(pen.color);
    for (int i = 0; i < groups.size(); ++i)
        groups[i]->setLayerVisible(visible[i]);
    if (model.background())
        model.background()->setVisible(page);
    return QIcon(pixmap);
}
