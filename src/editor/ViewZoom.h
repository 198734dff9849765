// The zoom of a document view: a factor within limits, changed in steps.
#pragma once

#include "editor/ZoomingScrollBar.h"

class QGraphicsView;

/// Keeps the zoom factor of one view. Zooming in is refused above a factor of 10 and
/// zooming out below 0.06; the limit is tested before the step, so one step may pass it.
class ViewZoom
{
public:
    static constexpr float kMenuIn = 1.5f;
    static constexpr float kMenuOut = 0.6f;
    static constexpr float kWheelIn = 1.1f;
    static constexpr float kWheelOut = 0.8f;

    explicit ViewZoom(QGraphicsView *view);

    double factor() const { return m_factor; }
    void setFactor(double factor) { m_factor = factor; }
    void zoomIn(float step);
    void zoomOut(float step);
    /// The step of a wheel turn over the zooming scroll bar.
    void zoomFromWheel(ZoomAction action);

private:
    void apply(float step, double direction);

    QGraphicsView *m_view;
    double m_factor = 1.0;
};
