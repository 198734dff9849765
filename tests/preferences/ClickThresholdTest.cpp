// The click-threshold test area (its image, lines and repaints, mouse and pen input) and
// the page's three states around it.
#include "preferences/ClickThresholdPage.h"
#include "preferences/TipSensitivity.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace {

const QColor kInk(42, 42, 208);

/// Records the rectangle of every paint event the test area receives.
class PaintRecorder : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            rects << static_cast<QPaintEvent *>(event)->rect();
        return false;
    }
    QList<QRect> rects;
};

class TipSensitivityTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_area.resize(300, 200);
        m_area.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_area));
        QApplication::processEvents();
        m_area.installEventFilter(&m_paints);
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, m_area.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&m_area, &event);
    }
    void stroke(QPoint from, QPoint to)
    {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    /// The rectangles painted since the last call.
    QList<QRect> takePaints()
    {
        QApplication::processEvents();
        return std::exchange(m_paints.rects, {});
    }
    bool isInk(QPoint at) const { return QColor(m_area.image().pixel(at)) == kInk; }
    bool isWhite(QPoint at) const { return QColor(m_area.image().pixel(at)) == Qt::white; }

    TipSensitivity m_area;
    PaintRecorder m_paints;
};

} // namespace

TEST(TipSensitivity, ImageGrowsAheadOfTheWidgetAndNeverShrinks)
{
    TipSensitivity area;
    EXPECT_TRUE(area.image().isNull());
    EXPECT_TRUE(area.testAttribute(Qt::WA_StaticContents));
    area.resize(300, 200);
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    EXPECT_EQ(area.image().size(), QSize(428, 328));
    EXPECT_EQ(area.image().format(), QImage::Format_RGB32);

    // A drawing survives the growth, and the added area is white.
    area.handlePenSample({400, 300}, 1);
    area.handlePenSample({400, 300}, 0);
    area.resize(450, 200);
    EXPECT_EQ(area.image().size(), QSize(578, 328));
    EXPECT_EQ(QColor(area.image().pixel(400, 300)), kInk);
    EXPECT_EQ(QColor(area.image().pixel(570, 320)), QColor(Qt::white));
    area.resize(400, 300);
    EXPECT_EQ(area.image().size(), QSize(578, 328));
    area.resize(100, 100);
    area.resize(450, 200);
    EXPECT_EQ(area.image().size(), QSize(578, 328));
    EXPECT_EQ(QColor(area.image().pixel(400, 300)), kInk);
}

TEST_F(TipSensitivityTest, LinesRepaintTheirBoundsWidenedByHalfThePenWidthPlusTwo)
{
    EXPECT_EQ(m_area.penWidth(), 4);
    EXPECT_EQ(m_area.penColor(), QColor(42, 42, 208, 255));
    stroke({60, 40}, {20, 30});
    EXPECT_EQ(takePaints(), QList<QRect> {QRect(QPoint(16, 26), QPoint(64, 44))});
    EXPECT_TRUE(isInk({40, 35}));
    EXPECT_TRUE(isWhite({40, 45}));

    // Odd widths round the half down.
    m_area.setPenWidth(7);
    stroke({100, 100}, {150, 120});
    EXPECT_EQ(takePaints(), QList<QRect> {QRect(QPoint(95, 95), QPoint(155, 125))});
    EXPECT_TRUE(isInk({125, 112}) && isInk({125, 107}));

    // A press and release in one place leaves a round dot.
    m_area.setPenWidth(4);
    mouse(QEvent::MouseButtonPress, {200, 150}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {200, 150}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(takePaints(), QList<QRect> {QRect(QPoint(196, 146), QPoint(204, 154))});
    EXPECT_TRUE(isInk({200, 150}));
    EXPECT_TRUE(isWhite({204, 150}));

    m_area.clearImage();
    EXPECT_TRUE(isWhite({40, 35}) && isWhite({200, 150}));
}

TEST_F(TipSensitivityTest, OnlyTheLeftButtonPressedInsideOrAPenAboveTheThresholdDraws)
{
    const QImage blank = m_area.image();
    // The right button, and a left button held since a press elsewhere, draw nothing.
    mouse(QEvent::MouseButtonPress, {20, 20}, Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseMove, {80, 20}, Qt::NoButton, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, {80, 20}, Qt::RightButton, Qt::NoButton);
    mouse(QEvent::MouseMove, {80, 60}, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {80, 60}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(m_area.image(), blank);
    EXPECT_TRUE(takePaints().isEmpty());

    // Pen samples: a pressure at or below the threshold lifts the pen, the line ends at the
    // first lifted sample, and a disabled area ignores the pen.
    m_area.setClickThreshold(100);
    m_area.handlePenSample({10, 100}, 100);
    m_area.handlePenSample({50, 100}, 50);
    EXPECT_EQ(m_area.image(), blank);
    m_area.handlePenSample({50, 100}, 101);
    m_area.handlePenSample({90, 100}, 300);
    m_area.handlePenSample({130, 100}, 0);
    m_area.handlePenSample({170, 100}, 0);
    EXPECT_TRUE(isWhite({30, 100}));
    EXPECT_TRUE(isInk({70, 100}) && isInk({110, 100}));
    EXPECT_TRUE(isWhite({150, 100}));
    EXPECT_EQ(takePaints(), (QList<QRect> {QRect(QPoint(46, 96), QPoint(134, 104))}));

    const QImage drawn = m_area.image();
    m_area.setEnabled(false);
    m_area.handlePenSample({10, 150}, 500);
    m_area.handlePenSample({90, 150}, 500);
    m_area.handlePenSample({90, 150}, 0);
    EXPECT_EQ(m_area.image(), drawn);
}

TEST(ClickThresholdPage, UnavailableReadyAndMovedStatesSetSliderAreaAndPrompt)
{
    ClickThresholdPage page;
    QSignalSpy moves(&page, &ClickThresholdPage::thresholdMoved);
    page.resize(400, 300);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    page.setBounds(100, 900, 500);
    QSlider *slider = page.slider();
    EXPECT_EQ(slider->minimum(), 100);
    EXPECT_EQ(slider->maximum(), 900);
    EXPECT_EQ(slider->value(), 500);

    page.showReady(640);
    EXPECT_EQ(slider->value(), 640);
    EXPECT_TRUE(slider->isEnabled() && page.testArea()->isEnabled());
    EXPECT_EQ(page.prompt(), "Draw here to test your pen's click threshold");
    page.testArea()->handlePenSample({40, 40}, 1);
    page.testArea()->handlePenSample({80, 40}, 0);
    ASSERT_EQ(QColor(page.testArea()->image().pixel(60, 40)), kInk);

    // A user's move clears the drawing and asks for Apply; the slider stays in its range.
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(slider->value(), 900);
    EXPECT_EQ(page.prompt(), "You must first Apply the new setting before testing it.");
    EXPECT_EQ(QColor(page.testArea()->image().pixel(60, 40)), QColor(Qt::white));
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves.at(0).at(0).toInt(), 900);

    page.testArea()->handlePenSample({40, 40}, 1);
    page.testArea()->handlePenSample({80, 40}, 0);
    page.showUnavailable();
    EXPECT_EQ(slider->value(), 500);
    EXPECT_FALSE(slider->isEnabled() || page.testArea()->isEnabled());
    EXPECT_EQ(QColor(page.testArea()->image().pixel(60, 40)), QColor(Qt::white));
    EXPECT_EQ(page.prompt(),
              "Connect Quillo to your computer to adjust the click threshold \nThe click "
              "threshold controls the pressure required to record your strokes");
    // Only the user's move counted as one.
    EXPECT_EQ(moves.count(), 1);
    for (const QWidget *control : page.findChildren<QWidget *>())
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
}
