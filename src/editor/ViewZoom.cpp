// Zoom steps: scale the view, keep the middle in sight, redraw everything.
#include "editor/ViewZoom.h"

#include <QGraphicsScene>
#include <QGraphicsView>

ViewZoom::ViewZoom(QGraphicsView *view)
    : m_view(view)
{ }

void ViewZoom::zoomIn(float step)
{
    if (m_factor > 10.0)
        return;
    apply(step, 1.0);
}

void ViewZoom::zoomOut(float step)
{
    if (m_factor < 0.06)
        return;
    apply(step, -1.0);
}

void ViewZoom::zoomFromWheel(ZoomAction action)
{
    if (action == ZoomIn)
        zoomIn(kWheelIn);
    else
        zoomOut(kWheelOut);
}

void ViewZoom::apply(float step, double direction)
{
    m_factor *= step;
    m_view->scale(step, step);
    m_view->translate(0, direction * m_view->height() * 0.5 * m_view->transform().m22());
    if (QGraphicsScene *scene = m_view->scene())
        scene->invalidate(QRectF(), QGraphicsScene::AllLayers);
}
