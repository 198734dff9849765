// Zoom limits and steps of a document view, and the wheel that zooms only with Control.
#include "editor/SketchViewer.h"
#include "editor/ViewZoom.h"
#include "editor/ZoomingGraphicsView.h"
#include "editor/ZoomingScrollBar.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QSignalSpy>
#include <QTest>
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

namespace {

/// A viewer of 600 × 500 pixels showing an empty A4 sheet.
class SketchViewerTest : public ::testing::Test
{
protected:
    SketchViewerTest()
    {
        viewer.resize(600, 500);
        viewer.show();
        viewer.view()->setScene(&scene);
    }
    ~SketchViewerTest() override { viewer.view()->setScene(nullptr); }

    QGraphicsScene scene {0, 0, 2100, 2970};
    SketchViewer viewer;
};

} // namespace

TEST_F(SketchViewerTest, ControlWheelZoomsOneStepPerTurn)
{
    const double start = viewer.zoomFactor();
    sendWheel(viewer.view()->viewport(), 120, Qt::ControlModifier);
    EXPECT_NEAR(viewer.zoomFactor(), start * 1.100000023841858, 1e-9);
    sendWheel(viewer.view()->viewport(), -120, Qt::ControlModifier);
    EXPECT_NEAR(viewer.zoomFactor(), start * 1.100000023841858 * 0.800000011920929, 1e-9);
    sendWheel(viewer.view()->viewport(), -120);
    EXPECT_NEAR(viewer.zoomFactor(), start * 1.100000023841858 * 0.800000011920929, 1e-9);
}

TEST_F(SketchViewerTest, DraggingPansAZoomedSheetAndFitShowsItWholeAgain)
{
    viewer.fitToView();
    const double fitted = viewer.zoomFactor();
    for (int i = 0; i < 6; ++i)
        viewer.zoomViewInSlot();
    QWidget *viewport = viewer.view()->viewport();
    const QPointF before = viewer.view()->mapToScene(viewport->rect().center());
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(300, 250));
    for (int step = 1; step <= 10; ++step) {
        QMouseEvent move(QEvent::MouseMove, QPointF(300 - 15 * step, 250 - 10 * step),
                         viewport->mapToGlobal(QPointF(300 - 15 * step, 250 - 10 * step)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    const QPointF after = viewer.view()->mapToScene(viewport->rect().center());
    // The sheet followed the mouse: the view now shows a place right of and below the old one.
    EXPECT_GT(after.x(), before.x() + 20);
    EXPECT_GT(after.y(), before.y() + 10);
    viewer.fitToView();
    EXPECT_NEAR(viewer.zoomFactor(), fitted, 1e-9);
    // A sheet shown whole follows the window's size; a zoomed one keeps its zoom.
    viewer.resize(1200, 1000);
    QApplication::processEvents();
    EXPECT_GT(viewer.zoomFactor(), fitted * 1.5);
    viewer.zoomViewInSlot();
    const double zoomed = viewer.zoomFactor();
    viewer.resize(600, 500);
    QApplication::processEvents();
    EXPECT_NEAR(viewer.zoomFactor(), zoomed, 1e-9);
}
