// The thumbnail zoom slider: tells when to rescale quickly and when to rescale well.
#include "browser/KeyboardTrackingSlider.h"

#include <QKeyEvent>

KeyboardTrackingSlider::KeyboardTrackingSlider(QWidget *parent)
    : QSlider(parent)
{ }

KeyboardTrackingSlider::KeyboardTrackingSlider(Qt::Orientation orientation, QWidget *parent)
    : QSlider(orientation, parent)
{ }

void KeyboardTrackingSlider::keyReleaseEvent(QKeyEvent *event)
{
    QSlider::keyReleaseEvent(event);
    // A held key repeats its release; only letting go of it ends the move.
    if (event->isAutoRepeat())
        return;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit sliderEvent(value(), Qt::SmoothTransformation);
        break;
    default:
        break;
    }
}

void KeyboardTrackingSlider::mouseReleaseEvent(QMouseEvent *event)
{
    QSlider::mouseReleaseEvent(event);
    emit sliderEvent(value(), Qt::SmoothTransformation);
}

void KeyboardTrackingSlider::leaveEvent(QEvent *event)
{
    QSlider::leaveEvent(event);
    emit sliderEvent(value(), Qt::SmoothTransformation);
}

void KeyboardTrackingSlider::wheelEvent(QWheelEvent *event)
{
    emit sliderEvent(value(), Qt::FastTransformation);
    QSlider::wheelEvent(event);
}
