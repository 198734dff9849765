// The sheet's rectangle and its plain white fill.
#include "document/BackgroundLayerPath.h"

#include <QPainter>

BackgroundLayerPath::BackgroundLayerPath(const QRectF &pageRect)
    : m_rect(pageRect.adjusted(-pageRect.width() * 0.05, -pageRect.height() * 0.05,
                               pageRect.width() * 0.05, pageRect.height() * 0.05))
{
    QPainterPath path;
    path.addRect(m_rect);
    setPath(path);
}

BackgroundLayerPath::~BackgroundLayerPath() = default;

void BackgroundLayerPath::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(Qt::white);
    painter->drawRect(m_rect);
    painter->restore();
}
