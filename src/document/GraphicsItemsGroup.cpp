// Layer groups paint only their selection; their strokes paint themselves.
#include "document/GraphicsItemsGroup.h"

#include <QPainter>

GraphicsItemsGroup::GraphicsItemsGroup(const PenDescription &pen, QGraphicsItem *parent,
                                       bool visible, int layerIndex)
    : QGraphicsItemGroup(parent)
    , m_visible(visible)
    , m_layerIndex(layerIndex)
    , m_pen(pen)
{ }

GraphicsItemsGroup::~GraphicsItemsGroup() = default;

void GraphicsItemsGroup::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                               QWidget *widget)
{
    if (m_visible.value() && m_usePen == 1) {
        QPen pen = m_pen.toPen();
        pen.setJoinStyle(Qt::BevelJoin);
        painter->setPen(pen);
    }
    QGraphicsItemGroup::paint(painter, option, widget);
}
