// Zoom limits and steps of a document view, and the wheel that zooms only with Control.
#include "editor/SketchViewer.h"
#include "editor/ViewZoom.h"
#include "editor/ZoomingGraphicsView.h"
#include "editor/ZoomingScrollBar.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QSignalSpy>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

void sendWheel(QWidget *widget, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWheelEvent wheel(QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

} // namespace

TEST(ViewZoom, StepsMultiplyTheFactorWithinTheLimits)
{
    QGraphicsScene scene(0, 0, 2000, 2000);
    QGraphicsView view(&scene);
    view.resize(400, 400);
    ViewZoom zoom(&view);
    zoom.zoomIn(ViewZoom::kMenuIn);
    EXPECT_DOUBLE_EQ(zoom.factor(), 1.5);
    EXPECT_NEAR(view.transform().m11(), 1.5, 1e-6);
    zoom.zoomOut(ViewZoom::kMenuOut);
    EXPECT_NEAR(zoom.factor(), 1.5 * 0.6000000238418579, 1e-12);

    zoom.setFactor(10.0);
    zoom.zoomIn(ViewZoom::kMenuIn);
    EXPECT_DOUBLE_EQ(zoom.factor(), 15.0);
    zoom.setFactor(10.5);
    zoom.zoomIn(ViewZoom::kWheelIn);
    EXPECT_DOUBLE_EQ(zoom.factor(), 10.5);

    zoom.setFactor(0.06);
    zoom.zoomOut(ViewZoom::kWheelOut);
    EXPECT_NEAR(zoom.factor(), 0.06 * 0.800000011920929, 1e-12);
    zoom.setFactor(0.05);
    zoom.zoomOut(ViewZoom::kMenuOut);
    EXPECT_DOUBLE_EQ(zoom.factor(), 0.05);
}

TEST(ZoomingScrollBar, WheelScrollsUnlessZoomIsOn)
{
    QGraphicsScene scene(0, 0, 1000, 20000);
    ZoomingGraphicsView view;
    view.setScene(&scene);
    view.resize(300, 300);
    view.show();
    ZoomingScrollBar *bar = view.zoomingScrollBar();
    ASSERT_EQ(view.verticalScrollBar(), bar);
    QSignalSpy zooms(bar, &ZoomingScrollBar::verticalScrollBarMovedSignal);
    const int before = bar->value();
    sendWheel(bar, -120);
    EXPECT_GT(bar->value(), before);
    EXPECT_EQ(zooms.count(), 0);

    bar->switchZoomOnSlot(true);
    const int scrolled = bar->value();
    sendWheel(bar, -120);
    sendWheel(bar, 120);
    EXPECT_EQ(bar->value(), scrolled);
    ASSERT_EQ(zooms.count(), 2);
    EXPECT_EQ(zooms[0][0].value<ZoomAction>(), ZoomOut);
    EXPECT_EQ(zooms[1][0].value<ZoomAction>(), ZoomIn);
}

TEST(SketchViewer, ControlWheelZoomsOneStepPerTurn)
{
    QGraphicsScene scene(0, 0, 2100, 2970);
    SketchViewer viewer;
    viewer.resize(600, 500);
    viewer.show();
    viewer.view()->setScene(&scene);
    const double start = viewer.zoomFactor();
    sendWheel(viewer.view()->viewport(), 120, Qt::ControlModifier);
    EXPECT_NEAR(viewer.zoomFactor(), start * 1.100000023841858, 1e-9);
    sendWheel(viewer.view()->viewport(), -120, Qt::ControlModifier);
    EXPECT_NEAR(viewer.zoomFactor(), start * 1.100000023841858 * 0.800000011920929, 1e-9);
    sendWheel(viewer.view()->viewport(), -120);
    EXPECT_NEAR(viewer.zoomFactor(), start * 1.100000023841858 * 0.800000011920929, 1e-9);
    viewer.view()->setScene(nullptr);
}
