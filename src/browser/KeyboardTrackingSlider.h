// The thumbnail zoom slider: tells when to rescale quickly and when to rescale well.
#pragma once

#include <QSlider>

class KeyboardTrackingSlider : public QSlider
{
    Q_OBJECT

public:
    explicit KeyboardTrackingSlider(QWidget *parent = nullptr);
    explicit KeyboardTrackingSlider(Qt::Orientation orientation, QWidget *parent = nullptr);

signals:
    /// The value with the smooth transformation when an arrow key or a mouse button is
    /// released over the slider or the cursor leaves it; with the fast transformation when
    /// the wheel turns, before the wheel changes the value.
    void sliderEvent(int value, Qt::TransformationMode mode);

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};
