// A spin box that tells the window to leave the Enter key alone while it has the focus.
#include "editor/BlockingSpinBox.h"

BlockingSpinBox::BlockingSpinBox(QWidget *parent)
    : QSpinBox(parent)
{ }

void BlockingSpinBox::focusInEvent(QFocusEvent *event)
{
    QSpinBox::focusInEvent(event);
    emit enableEnterKeyHandling(false);
}

void BlockingSpinBox::focusOutEvent(QFocusEvent *event)
{
    QSpinBox::focusOutEvent(event);
    emit enableEnterKeyHandling(true);
}
