// A spin box that tells the window to leave the Enter key alone while it has the focus.
#pragma once

#include <QSpinBox>

class BlockingSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit BlockingSpinBox(QWidget *parent = nullptr);

signals:
    /// False when the box gains the focus, true when it loses it.
    void enableEnterKeyHandling(bool enabled);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
