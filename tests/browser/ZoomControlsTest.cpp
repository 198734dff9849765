// The zoom slider's rescale requests and the page box's hold on the Enter key.
#include "BrowserTestSupport.h"
#include "browser/BlockingSpinBox.h"
#include "browser/KeyboardTrackingSlider.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace TestSupport;

namespace {

QList<QVariant> request(int value, Qt::TransformationMode mode)
{
    return {value, QVariant::fromValue(mode)};
}
using Requests = QList<QList<QVariant>>;

/// The zoom slider as the main window sets it up.
class ZoomSliderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_slider.setRange(120, 420);
        m_slider.setSingleStep(5);
        m_slider.setPageStep(20);
        m_slider.setValue(250);
        m_slider.resize(300, 20);
    }

    KeyboardTrackingSlider m_slider {Qt::Horizontal};
};

} // namespace

TEST_F(ZoomSliderTest, ArrowKeysAskForASmoothRescaleWhenReleased)
{
    QSignalSpy requests(&m_slider, &KeyboardTrackingSlider::sliderEvent);
    QTest::keyPress(&m_slider, Qt::Key_Right);
    EXPECT_TRUE(requests.isEmpty()) << "nothing while the key is down";
    QTest::keyRelease(&m_slider, Qt::Key_Right);
    QTest::keyClick(&m_slider, Qt::Key_Up);
    QTest::keyClick(&m_slider, Qt::Key_Left);
    QTest::keyClick(&m_slider, Qt::Key_Down);
    EXPECT_EQ(requests,
              (Requests {
                  request(255, Qt::SmoothTransformation), request(260, Qt::SmoothTransformation),
                  request(255, Qt::SmoothTransformation), request(250, Qt::SmoothTransformation)}));
}

TEST_F(ZoomSliderTest, OtherKeysAndRepeatsAskForNothing)
{
    QSignalSpy requests(&m_slider, &KeyboardTrackingSlider::sliderEvent);
    QTest::keyClick(&m_slider, Qt::Key_PageUp);
    EXPECT_EQ(m_slider.value(), 270) << "the key still moves the slider";
    QTest::keyClick(&m_slider, Qt::Key_A);
    // A held arrow repeats press and release; only letting go counts.
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&m_slider, &repeated);
    EXPECT_TRUE(requests.isEmpty());
}

TEST_F(ZoomSliderTest, MouseReleaseAndLeavingAskForASmoothRescale)
{
    QSignalSpy requests(&m_slider, &KeyboardTrackingSlider::sliderEvent);
    QTest::mousePress(&m_slider, Qt::LeftButton, {}, QPoint(290, 10));
    EXPECT_TRUE(requests.isEmpty());
    QTest::mouseRelease(&m_slider, Qt::LeftButton, {}, QPoint(290, 10));
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests.takeFirst(), request(m_slider.value(), Qt::SmoothTransformation));
    EXPECT_NE(m_slider.value(), 250) << "the click moved the slider first";

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&m_slider, &leave);
    EXPECT_EQ(requests, (Requests {request(m_slider.value(), Qt::SmoothTransformation)}));
}

TEST_F(ZoomSliderTest, WheelAsksForAFastRescaleBeforeItMovesTheSlider)
{
    QSignalSpy requests(&m_slider, &KeyboardTrackingSlider::sliderEvent);
    QWheelEvent wheel(QPointF(150, 10), QPointF(150, 10), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&m_slider, &wheel);
    EXPECT_EQ(requests, (Requests {request(250, Qt::FastTransformation)}));
    EXPECT_GT(m_slider.value(), 250);
}

TEST(BlockingSpinBox, HoldsTheEnterKeyWhileItHasTheFocus)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *box = new BlockingSpinBox(&window);
    auto *other = new QLineEdit(&window);
    layout->addWidget(box);
    layout->addWidget(other);
    other->setFocus();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(waitUntil([&] { return other->hasFocus(); }));
    QSignalSpy holds(box, &BlockingSpinBox::enableEnterKeyHandling);

    QTest::mouseClick(box, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !holds.isEmpty(); }));
    EXPECT_EQ(holds.takeFirst(), QList<QVariant> {false});
    // Typing in the box keeps the hold.
    QTest::keyClicks(box, "7");
    EXPECT_TRUE(holds.isEmpty());

    QTest::keyClick(box, Qt::Key_Tab);
    ASSERT_TRUE(waitUntil([&] { return !holds.isEmpty(); }));
    EXPECT_EQ(holds.takeFirst(), QList<QVariant> {true});
    EXPECT_TRUE(other->hasFocus());
}
