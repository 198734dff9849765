// The stroke player driven through its buttons and sliders, its clock set by hand, and the
// replay schedule of the as-drawn mode.
#include "../document/DocumentTestSupport.h"
#include "document/DocumentGraphicModel.h"
#include "document/GraphicsInkPathItem.h"
#include "editor/PlayerDocument.h"
#include "editor/ZoomingGraphicsView.h"
#include "replay/ReplayExport.h"
#include "replay/ReplaySchedule.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProgressDialog>
#include <QSlider>
#include <QTest>
#include <QTimeLine>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

using ReplayPosition = ReplaySchedule::Position;

TEST(ReplaySchedule, PointsComeAtTheirClockTimesAndLongPausesAreCut)
{
    const ReplaySchedule schedule({{1000, 1010, 1030}, {5000, 5020}});
    EXPECT_EQ(schedule.strokeCount(), 2);
    EXPECT_EQ(schedule.durationMs(), 30 + 1000 + 20);
    EXPECT_EQ(schedule.positionAt(-1), (ReplayPosition {0, 0}));
    EXPECT_EQ(schedule.positionAt(0), (ReplayPosition {0, 1}));
    EXPECT_EQ(schedule.positionAt(29), (ReplayPosition {0, 2}));
    EXPECT_EQ(schedule.positionAt(30), (ReplayPosition {1, 0}));
    EXPECT_EQ(schedule.positionAt(1029), (ReplayPosition {1, 0}));
    EXPECT_EQ(schedule.positionAt(1030), (ReplayPosition {1, 1}));
    EXPECT_EQ(schedule.positionAt(1050), (ReplayPosition {2, 0}));
    EXPECT_EQ(schedule.positionAt(99999), (ReplayPosition {2, 0}));
    EXPECT_EQ(schedule.timeOfPosition(0), 0);
    EXPECT_EQ(schedule.timeOfPosition(1), 30);
    EXPECT_EQ(schedule.timeOfPosition(2), 1050);
    EXPECT_EQ(schedule.timeOfPosition(7), 1050);
}

TEST(ReplaySchedule, ClockWrapsAndAClockRunningBackIsALongPause)
{
    EXPECT_EQ(ReplaySchedule({{0xFFFFF0, 0x000005}}).durationMs(), 0x15);
    EXPECT_EQ(ReplaySchedule({{5000}, {4000, 4010}}).durationMs(), 1000 + 10);
}

TEST(ReplaySchedule, UntimedSketchIsPacedAndEmptyStrokesTakeNoTime)
{
    const ReplaySchedule schedule({{0, 0, 0}, {}, {0}});
    EXPECT_EQ(schedule.durationMs(), 20 + ReplaySchedule::kUntimedStrokeGapMs);
    EXPECT_EQ(schedule.positionAt(20), (ReplayPosition {2, 0}));
    EXPECT_EQ(schedule.positionAt(schedule.durationMs()), (ReplayPosition {3, 0}));
    EXPECT_EQ(ReplaySchedule().positionAt(5), (ReplayPosition {0, 0}));
}

namespace {

using TestSupport::fileBytes;
using TestSupport::strokeAcross;

class PlayerTest : public TestSupport::SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        m_player.resize(1000, 700);
        m_player.show();
    }

    // The player's copy of a sketch of the given layers, loaded from a pen file.
    MetadataPtr copyOf(const Synth::SynthSketch &sketch)
    {
        return TestSupport::pressureCopyOf(sketch,
                                           path(QStringLiteral("sketch%1.qpe").arg(++m_files)));
    }

    // Two layers of three and two strokes, each stroke 4 points, the layers a minute apart.
    MetadataPtr fiveStrokes()
    {
        Synth::SynthSketch sketch;
        sketch.layers.resize(2);
        for (int i = 0; i < 3; ++i)
            sketch.layers[0].strokes.push_back(strokeAcross(-600, 400 + 300 * i, 4, 1000 * i));
        for (int i = 0; i < 2; ++i)
            sketch.layers[1].strokes.push_back(
                strokeAcross(200, 400 + 300 * i, 4, 60000 + 1000 * i));
        return copyOf(sketch);
    }

    template<typename T = QToolButton> T *control(const char *name)
    {
        T *widget = m_player.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char *name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    QSlider *slider(const char *name) { return control<QSlider>(name); }

    std::vector<bool> shown() const
    {
        std::vector<bool> visible;
        for (GraphicsInkPathItem *item : m_player.document()->model()->inkItems())
            visible.push_back(item->isVisible());
        return visible;
    }

    // The scene as the view draws it, one pixel per unit, around a rectangle of the sheet.
    QImage render(const QRectF &area) const
    {
        QImage image(area.size().toSize(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        m_player.document()->model()->render(&painter, QRectF(image.rect()), area);
        return image;
    }

    PlayerDocument m_player;
    int m_files = 0;
};

} // namespace

TEST_F(PlayerTest, EveryControlIsNamedAndExplained)
{
    const QList<QWidget *> controls = m_player.findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *widget : controls) {
        if (!qobject_cast<QAbstractButton *>(widget) && !qobject_cast<QAbstractSlider *>(widget)
            && !qobject_cast<QLabel *>(widget) && !qobject_cast<ZoomingGraphicsView *>(widget))
            continue;
        if (widget != m_player.view() && m_player.view()->isAncestorOf(widget))
            continue; // the view's scroll bars
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
        EXPECT_FALSE(widget->toolTip().isEmpty()) << widget->objectName().toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 16);
}

TEST_F(PlayerTest, SetDocumentStartsWithNoStrokeOnACheckeredSheetInTheInkColour)
{
    EXPECT_FALSE(m_player.setDocument(MetadataPtr()));
    ASSERT_TRUE(settings().setAttribute(QStringLiteral("visuality_properties/default_pen"),
                                        QStringLiteral("rgba_color"),
                                        QStringLiteral("200 0 0 255")));
    ASSERT_TRUE(m_player.setDocument(fiveStrokes()));
    EXPECT_EQ(m_player.strokeCount(), 5);
    EXPECT_EQ(slider("m_position_slider")->maximum(), 5);
    EXPECT_EQ(shown(), std::vector<bool>(5, false));
    EXPECT_EQ(m_player.document()->model()->background(), nullptr);
    QTimeLine *timeLine = m_player.timeLine();
    ASSERT_NE(timeLine, nullptr);
    EXPECT_EQ(timeLine->duration(), 5 * PlayerDocument::kDefaultTimePerStrokeMs);
    EXPECT_EQ(timeLine->endFrame(), 5);
    EXPECT_EQ(timeLine->easingCurve().type(), QEasingCurve::Linear);
    // A4 does not fit 1000 x 700 pixels at full size.
    EXPECT_LT(m_player.fitScale(), 1.0);
    EXPECT_DOUBLE_EQ(m_player.view()->transform().m11(), m_player.fitScale());

    const QImage tile = m_player.view()->backgroundBrush().texture().toImage();
    EXPECT_EQ(tile.pixelColor(10, 10), QColor(230, 230, 230));
    EXPECT_EQ(tile.pixelColor(200, 10), QColor(Qt::white));
    EXPECT_EQ(tile.pixelColor(200, 200), QColor(230, 230, 230));

    click("m_last_button");
    const QImage sheet = render(QRectF(-1050, -1485, 2100, 2970));
    int red = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            red += sheet.pixelColor(x, y) == QColor(200, 0, 0) ? 1 : 0;
    EXPECT_GT(red, 100);
}

TEST_F(PlayerTest, FramesOfTheClockShowTheFirstStrokesAndTheEndStops)
{
    ASSERT_TRUE(m_player.setDocument(fiveStrokes()));
    click("m_play_button");
    QTimeLine *timeLine = m_player.timeLine();
    EXPECT_TRUE(m_player.isPlaying());
    EXPECT_EQ(timeLine->state(), QTimeLine::Running);
    EXPECT_EQ(control("m_play_button")->toolTip(), "Pause");
    EXPECT_FALSE(control("m_next_button")->isEnabled());
    EXPECT_FALSE(slider("m_position_slider")->isEnabled());

    timeLine->setCurrentTime(450);
    EXPECT_EQ(m_player.position(), 2);
    EXPECT_EQ(shown(), (std::vector<bool> {true, true, false, false, false}));
    EXPECT_EQ(slider("m_position_slider")->value(), 2);

    timeLine->setCurrentTime(timeLine->duration());
    EXPECT_EQ(shown(), std::vector<bool>(5, true));
    EXPECT_FALSE(m_player.isPlaying());
    EXPECT_EQ(timeLine->state(), QTimeLine::NotRunning);
    EXPECT_EQ(control("m_play_button")->toolTip(), "Play");
    EXPECT_TRUE(control("m_next_button")->isEnabled());

    // At the end, play stays where it is.
    click("m_play_button");
    EXPECT_FALSE(m_player.isPlaying());
    EXPECT_EQ(timeLine->state(), QTimeLine::NotRunning);
    EXPECT_EQ(m_player.position(), 5);
}

TEST_F(PlayerTest, NavigationStaysWithinTheStrokes)
{
    ASSERT_TRUE(m_player.setDocument(fiveStrokes()));
    click("m_prev_button");
    EXPECT_EQ(m_player.position(), 0);
    EXPECT_EQ(slider("m_position_slider")->value(), 0);
    click("m_next_button");
    click("m_next_button");
    EXPECT_EQ(shown(), (std::vector<bool> {true, true, false, false, false}));
    click("m_last_button");
    click("m_next_button");
    EXPECT_EQ(m_player.position(), 5);
    click("m_first_button");
    EXPECT_EQ(shown(), std::vector<bool>(5, false));

    QSlider *position = slider("m_position_slider");
    position->setSliderDown(true);
    position->setSliderPosition(3);
    EXPECT_EQ(shown(), (std::vector<bool> {true, true, true, false, false}));
    position->setSliderDown(false);
    QTest::keyClick(position, Qt::Key_Right);
    EXPECT_EQ(m_player.position(), 4);

    click("m_play_button");
    EXPECT_EQ(m_player.timeLine()->startFrame(), 4);
    EXPECT_EQ(m_player.timeLine()->duration(), PlayerDocument::kDefaultTimePerStrokeMs);
}

TEST_F(PlayerTest, ASketchWithoutStrokesDoesNotPlay)
{
    Synth::SynthSketch empty;
    empty.layers.resize(1);
    ASSERT_TRUE(m_player.setDocument(copyOf(empty)));
    EXPECT_EQ(m_player.strokeCount(), 0);
    click("m_play_button");
    EXPECT_FALSE(m_player.isPlaying());
    EXPECT_EQ(m_player.timeLine()->state(), QTimeLine::NotRunning);
    click("m_prev_button");
    click("m_next_button");
    EXPECT_EQ(m_player.position(), 0);
    EXPECT_FALSE(control("m_export_button")->isEnabled());
}

TEST_F(PlayerTest, PaceStaysWithinTheSliderAndRestartsARunningReplay)
{
    ASSERT_TRUE(m_player.setDocument(fiveStrokes()));
    click("m_play_button");
    m_player.timeLine()->setCurrentTime(600);
    ASSERT_EQ(m_player.position(), 3);
    click("m_slower_button");
    EXPECT_EQ(m_player.timePerStrokeMs(), 215);
    EXPECT_TRUE(m_player.isPlaying());
    EXPECT_EQ(m_player.timeLine()->state(), QTimeLine::Running);
    EXPECT_EQ(m_player.timeLine()->startFrame(), 3);
    EXPECT_EQ(m_player.timeLine()->duration(), 2 * 215);
    EXPECT_EQ(m_player.position(), 3);

    for (int i = 0; i < 30; ++i)
        click("m_faster_button");
    EXPECT_EQ(m_player.timePerStrokeMs(), 1);
    EXPECT_EQ(slider("m_speed_slider")->value(), 1);
    EXPECT_EQ(m_player.timeLine()->duration(), 2);
    for (int i = 0; i < 30; ++i)
        click("m_slower_button");
    EXPECT_EQ(m_player.timePerStrokeMs(), 401);

    // A moved slider sets the pace as it is.
    slider("m_speed_slider")->setValue(100);
    EXPECT_EQ(m_player.timePerStrokeMs(), 100);
    EXPECT_EQ(m_player.timeLine()->duration(), 2 * 100);
}

TEST_F(PlayerTest, ZoomFollowsTheSliderWithoutStoppingTheReplay)
{
    ASSERT_TRUE(m_player.setDocument(fiveStrokes()));
    click("m_play_button");
    click("m_zoom_in_button");
    EXPECT_EQ(slider("m_zoom_slider")->value(), 177);
    EXPECT_NEAR(m_player.view()->transform().m11(), std::exp2((177 - 250) / 50.0), 1e-12);
    EXPECT_EQ(m_player.timeLine()->state(), QTimeLine::Running);
    slider("m_zoom_slider")->setValue(250);
    EXPECT_DOUBLE_EQ(m_player.view()->transform().m11(), 1.0);
    click("m_zoom_out_button");
    EXPECT_NEAR(m_player.view()->transform().m22(), std::exp2(-2 / 50.0), 1e-12);
}

TEST_F(PlayerTest, ResetStopsAndClearsTheCopyAndRestoresTheControls)
{
    MetadataPtr copy = fiveStrokes();
    ASSERT_TRUE(m_player.setDocument(copy));
    click("m_slower_button");
    click("m_zoom_in_button");
    click("m_as_drawn_button");
    click("m_play_button");
    m_player.reset();
    EXPECT_FALSE(m_player.isPlaying());
    EXPECT_EQ(m_player.timeLine(), nullptr);
    EXPECT_FALSE(m_player.document());
    EXPECT_FALSE(m_player.replaysAsDrawn());
    EXPECT_EQ(m_player.view()->scene(), nullptr);
    EXPECT_TRUE(copy->model()->items().isEmpty());
    EXPECT_EQ(m_player.timePerStrokeMs(), PlayerDocument::kDefaultTimePerStrokeMs);
    EXPECT_EQ(slider("m_speed_slider")->value(), 201);
    EXPECT_EQ(slider("m_zoom_slider")->value(), 175);
    EXPECT_TRUE(control("m_next_button")->isEnabled());
    // Clicks without a document do nothing.
    click("m_play_button");
    click("m_next_button");
    EXPECT_FALSE(m_player.isPlaying());

    ASSERT_TRUE(m_player.setDocument(fiveStrokes()));
    click("m_next_button");
    EXPECT_EQ(m_player.position(), 1);
}

TEST_F(PlayerTest, ReplayAsDrawnDrawsEachStrokePointByPointOnThePenClock)
{
    // Ten points 10 ms apart, then, after a pause of 5 s cut to 1 s, a second stroke.
    Synth::SynthSketch sketch;
    sketch.layers.resize(1);
    sketch.layers[0].strokes
        = {strokeAcross(-600, 500, 10, 2000), strokeAcross(-600, 900, 3, 7090)};
    ASSERT_TRUE(m_player.setDocument(copyOf(sketch)));
    click("m_as_drawn_button");
    ASSERT_TRUE(m_player.replaysAsDrawn());
    click("m_play_button");
    QTimeLine *timeLine = m_player.timeLine();
    EXPECT_EQ(timeLine->endFrame(), 90 + 1000 + 20);
    EXPECT_EQ(timeLine->duration(), 90 + 1000 + 20);

    // Half of the first stroke: its first five points, drawn left of its middle only.
    timeLine->setCurrentTime(45);
    EXPECT_EQ(m_player.position(), 0);
    EXPECT_EQ(m_player.partialPoints(), 5);
    EXPECT_EQ(shown(), (std::vector<bool> {false, false}));
    const QRectF row(-1050, -1485 + 500 - 20, 2100, 40);
    const QImage half = render(row);
    const int drawnLeft = TestSupport::darkPixels(half, QRect(0, 0, 450 + 240, 40));
    const int drawnRight = TestSupport::darkPixels(half, QRect(450 + 250, 0, 400, 40));
    EXPECT_GT(drawnLeft, 400);
    EXPECT_EQ(drawnRight, 0);

    timeLine->setCurrentTime(500);
    EXPECT_EQ(m_player.position(), 1);
    EXPECT_EQ(m_player.partialPoints(), 0);
    EXPECT_GT(TestSupport::darkPixels(render(row), QRect(450 + 250, 0, 400, 40)), 400);

    // The fast end of the speed slider replays the rest eight times as fast.
    slider("m_speed_slider")->setValue(1);
    EXPECT_DOUBLE_EQ(m_player.asDrawnSpeed(), 8.0);
    EXPECT_EQ(timeLine->state(), QTimeLine::Running);
    EXPECT_EQ(timeLine->startFrame(), 500);
    EXPECT_EQ(timeLine->duration(), std::lround((1110 - 500) / 8.0));
    timeLine->setCurrentTime(timeLine->duration());
    EXPECT_EQ(shown(), (std::vector<bool> {true, true}));
    EXPECT_FALSE(m_player.isPlaying());

    // Stepping goes by whole strokes; the fixed pace takes over from the strokes shown.
    click("m_prev_button");
    EXPECT_EQ(m_player.replayTimeMs(), 90);
    slider("m_speed_slider")->setValue(401);
    click("m_play_button");
    EXPECT_EQ(timeLine->duration(), (1110 - 90) * 2);
    click("m_as_drawn_button");
    EXPECT_FALSE(m_player.replaysAsDrawn());
    EXPECT_EQ(m_player.position(), 1);
    EXPECT_TRUE(m_player.isPlaying());
    EXPECT_EQ(timeLine->endFrame(), 2);
}

TEST_F(PlayerTest, ExportReplayWritesTheReplayShownAndACancelLeavesNothing)
{
    ASSERT_TRUE(m_player.setDocument(fiveStrokes()));
    EXPECT_EQ(control("m_export_button")->accessibleName(), "Export replay");
    click("m_as_drawn_button");
    slider("m_speed_slider")->setValue(1);
    click("m_play_button");

    // A bare name takes the suffix of the filter chosen.
    m_dialogs->pathAnswers = {path("replay")};
    m_dialogs->filterAnswers = {"WebP animation (*.webp)"};
    click("m_export_button");
    EXPECT_FALSE(m_player.isPlaying());
    ASSERT_EQ(m_dialogs->fileQuestions.size(), 1);
    EXPECT_EQ(m_dialogs->fileQuestions[0].directory, QDir::toNativeSeparators(path("sketch1")));
    for (const char *suffix : {"*.gif", "*.webp", "*.mp4"})
        EXPECT_TRUE(m_dialogs->fileQuestions[0].filters.contains(suffix)) << suffix;
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
    // What the player showed: as drawn, eight times as fast, in the settings' ink.
    ReplayExportOptions shown;
    shown.timing.asDrawn = true;
    shown.timing.asDrawnSpeed = 8;
    shown.pen = replayPenFromSettings();
    ASSERT_TRUE(exportReplay(*m_player.document(), path("shown.webp"), shown).isWritten());
    EXPECT_FALSE(fileBytes(path("replay.webp")).isEmpty());
    EXPECT_EQ(fileBytes(path("replay.webp")), fileBytes(path("shown.webp")));
    shown.timing.asDrawn = false;
    ASSERT_TRUE(exportReplay(*m_player.document(), path("fixed.webp"), shown).isWritten());
    EXPECT_NE(fileBytes(path("replay.webp")), fileBytes(path("fixed.webp")));

    // Cancel in the progress dialog: no file and no message.
    m_dialogs->pathAnswers = {path("cancelled.gif")};
    const QDir folder(path(""));
    const QStringList before = folder.entryList(QDir::AllEntries | QDir::Hidden);
    bool cancelled = false;
    QTimer::singleShot(0, &m_player, [this, &cancelled] {
        if (auto *progress = m_player.findChild<QProgressDialog *>()) {
            progress->cancel();
            cancelled = true;
        }
    });
    click("m_export_button");
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(QFile::exists(path("cancelled.gif")));
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
    EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::Hidden), before);

    // A failure is said.
    m_dialogs->pathAnswers = {path("missing/replay.mp4")};
    click("m_export_button");
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_TRUE(m_dialogs->messages[0].text.contains("not saved"))
        << m_dialogs->messages[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(path("missing")));
}
