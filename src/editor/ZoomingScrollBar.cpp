// Wheel events become zoom steps while the zoom mode is on (Control held in the view).
#include "editor/ZoomingScrollBar.h"

#include <QWheelEvent>

ZoomingScrollBar::ZoomingScrollBar(QWidget *parent)
    : QScrollBar(Qt::Vertical, parent)
{ }

bool ZoomingScrollBar::event(QEvent *event)
{
    if (event->type() == QEvent::Wheel && m_zoomMode) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        emit verticalScrollBarMovedSignal(wheel->angleDelta().y() < 1 ? ZoomOut : ZoomIn);
        event->accept();
        return true;
    }
    return QScrollBar::event(event);
}
