// The view installs its zooming scroll bar at construction.
#include "editor/ZoomingGraphicsView.h"

#include "editor/ZoomingScrollBar.h"

ZoomingGraphicsView::ZoomingGraphicsView(QWidget *parent)
    : QGraphicsView(parent)
    , m_scrollBar(new ZoomingScrollBar(this))
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBar(m_scrollBar);
}
