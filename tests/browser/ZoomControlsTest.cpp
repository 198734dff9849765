// The zoom slider's rescale requests: smooth when a move ends, fast while the wheel turns.
#include "BrowserTestSupport.h"
#include "browser/KeyboardTrackingSlider.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
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

TEST_F(ZoomSliderTest, ReleasedArrowKeysAskForASmoothRescaleOtherKeysAndRepeatsForNothing)
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

    requests.clear();
    QTest::keyClick(&m_slider, Qt::Key_PageUp);
    EXPECT_EQ(m_slider.value(), 270) << "the key still moves the slider";
    QTest::keyClick(&m_slider, Qt::Key_A);
    // A held arrow repeats press and release; only letting go counts.
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&m_slider, &repeated);
    EXPECT_TRUE(requests.isEmpty());
}

TEST_F(ZoomSliderTest, MouseReleaseAndLeavingAskForASmoothRescaleTheWheelForAFastOne)
{
    QSignalSpy requests(&m_slider, &KeyboardTrackingSlider::sliderEvent);
    // The wheel asks before it moves the slider.
    QWheelEvent wheel(QPointF(150, 10), QPointF(150, 10), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&m_slider, &wheel);
    EXPECT_EQ(requests.takeFirst(), request(250, Qt::FastTransformation));
    EXPECT_GT(m_slider.value(), 250);

    const int beforeClick = m_slider.value();
    QTest::mousePress(&m_slider, Qt::LeftButton, {}, QPoint(290, 10));
    EXPECT_TRUE(requests.isEmpty());
    QTest::mouseRelease(&m_slider, Qt::LeftButton, {}, QPoint(290, 10));
    EXPECT_NE(m_slider.value(), beforeClick) << "the click moved the slider first";
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&m_slider, &leave);
    EXPECT_EQ(requests,
              (Requests {request(m_slider.value(), Qt::SmoothTransformation),
                         request(m_slider.value(), Qt::SmoothTransformation)}));
}
