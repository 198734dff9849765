// Replays written as animations and read back by the formats' own decoders, frames drawn
// piece by piece against the whole picture, and exports that are cancelled or fail.
#include "../document/DocumentTestSupport.h"
#include "AnimationReaders.h"
#include "document/DocumentGraphicModel.h"
#include "replay/ReplayEncoder.h"
#include "replay/ReplayExport.h"
#include "replay/ReplayFrames.h"
#include "replay/ReplayScene.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using TestSupport::Animation;
using TestSupport::strokeAcross;

namespace {

constexpr int kWidth = 200;
const QColor kInk(200, 0, 0);

// The largest difference of a channel between two images of one size.
int largestDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 256;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

// No ink: white, or the video's limited-range white.
bool isBlank(const QImage &image)
{
    return TestSupport::darkPixels(image, image.rect(), 200) == 0;
}

// The scene as it stands, drawn whole onto white with the frames' transform.
QImage wholePicture(ReplayScene &scene, const QRectF &page, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setTransform(
        QTransform::fromScale(size.width() / page.width(), size.height() / page.height())
            .translate(-page.left(), -page.top()));
    scene.model().render(&painter, page, page, Qt::IgnoreAspectRatio);
    return image;
}

class ReplayTest : public TestSupport::SettingsFixture
{
protected:
    // Three strokes of five points 10 ms apart, the second 1960 ms after the first ends (a
    // pause cut to 1 s), the third 20 ms after the second: 1140 ms as drawn.
    MetadataPtr threeStrokes()
    {
        Synth::SynthSketch sketch;
        sketch.layers.resize(2);
        sketch.layers[0].strokes
            = {strokeAcross(-600, 400, 5, 1000), strokeAcross(-600, 900, 5, 3000)};
        sketch.layers[1].strokes = {strokeAcross(200, 1400, 5, 3060)};
        // Pressed hard: several pixels wide at the small size of the frames.
        for (Synth::SynthLayer &layer : sketch.layers)
            for (Synth::SynthStroke &stroke : layer.strokes)
                for (Synth::Sample &sample : stroke.samples)
                    sample.pressure = 12000;
        return TestSupport::pressureCopyOf(sketch, path(QStringLiteral("three.qpe")));
    }

    ReplayExportOptions options(bool asDrawn, double speed) const
    {
        ReplayExportOptions options;
        options.timing.asDrawn = asDrawn;
        options.timing.asDrawnSpeed = speed;
        options.timing.timePerStrokeMs = ReplayTiming::kDefaultTimePerStrokeMs / speed;
        options.width = kWidth;
        options.pen.colour = kInk;
        return options;
    }

    // The complete replay of a sketch as a picture of the format's size.
    QImage finalPicture(const DocumentMetaData &sketch, ReplayFormat format)
    {
        const QRectF page = sketch.model()->pageRect();
        DocumentGraphicModel model(*sketch.document(), sketch.pen(), page);
        model.setPageVisible(false, true);
        ReplayPen pen;
        pen.colour = kInk;
        ReplayScene scene(model, pen);
        scene.showStrokes(scene.strokeCount());
        return wholePicture(scene, page, replayFrameSize(format, page.size(), kWidth));
    }
};

} // namespace

TEST_F(ReplayTest, EachFormatReadsBackWithTheReplaysSizeFramesAndLength)
{
    const MetadataPtr sketch = threeStrokes();
    ASSERT_TRUE(sketch);
    struct Case
    {
        const char *name;
        bool asDrawn;
        double speed;
        QSize size;
        int durationMs;
    };
    // An A4 page 200 pixels wide is 283 high, or 282 in a video. The fixed pace at twice the
    // speed is 3 × 100 ms, as drawn 1140 ms; the last frame starts at the first tick at or
    // after the end and lasts one tick more than the second of the complete picture.
    const Case cases[] = {
        {"fixed.gif", false, 2, {200, 283}, (6 + 1 + 20) * 50},
        {"drawn.gif", true, 1, {200, 283}, (23 + 1 + 20) * 50},
        {"fixed.webp", false, 2, {200, 283}, (8 + 1 + 25) * 40},
        {"drawn.webp", true, 1, {200, 283}, (29 + 1 + 25) * 40},
        {"fixed.mp4", false, 2, {200, 282}, (8 + 1 + 25) * 40},
        {"drawn.mp4", true, 1, {200, 282}, (29 + 1 + 25) * 40},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        const QString file = path(QString::fromLatin1(test.name));
        const ReplayExportResult result
            = exportReplay(*sketch, file, options(test.asDrawn, test.speed));
        ASSERT_TRUE(result.isWritten()) << result.reason.toStdString();
        const ReplayFormat format = *replayFormatOfPath(file);
        const Animation animation = format == ReplayFormat::Gif ? TestSupport::readGif(file)
            : format == ReplayFormat::WebP                      ? TestSupport::readWebp(file)
                                                                : TestSupport::readMp4(file);
        EXPECT_EQ(animation.size, test.size);
        EXPECT_EQ(animation.durationMs, test.durationMs);
        const QImage expected = finalPicture(*sketch, format);
        switch (format) {
        case ReplayFormat::Gif: {
            EXPECT_TRUE(animation.firstFrameWhole);
            EXPECT_TRUE(animation.loops);
            // Frames only where the picture changes: at the fixed pace one per stroke after
            // the empty sheet, as drawn the first stroke stays for the pause cut to 1 s.
            const std::vector<int> &delays = animation.delaysCs;
            if (!test.asDrawn) {
                EXPECT_EQ(delays, (std::vector<int> {10, 10, 10, 105}));
                // After the first frame only pixels that take ink are set, no white ones.
                EXPECT_LE(animation.pixelsSetAfterFirst,
                          TestSupport::darkPixels(expected, expected.rect(), 255));
            } else {
                EXPECT_EQ(*std::max_element(delays.begin(), delays.end() - 1), 100);
            }
            // The shades of the palette lie within half a step of the ink.
            EXPECT_LE(largestDifference(animation.last, expected), 2);
            break;
        }
        case ReplayFormat::WebP:
            EXPECT_TRUE(animation.loops);
            if (!test.asDrawn) {
                EXPECT_EQ(animation.frames, 4);
            }
            EXPECT_LE(largestDifference(animation.last, expected), 1);
            break;
        case ReplayFormat::Mp4:
            EXPECT_EQ(animation.frames, test.durationMs / 40);
            if (mp4EncoderName() == QLatin1String("libx264")) {
                EXPECT_EQ(animation.codec, AV_CODEC_ID_H264);
            }
            // The ink shows in the brightness of the video.
            EXPECT_GT(TestSupport::darkPixels(animation.last, animation.last.rect()),
                      TestSupport::darkPixels(expected, expected.rect()) / 2);
            break;
        }
        if (!test.asDrawn) {
            EXPECT_TRUE(isBlank(animation.first));
        }
    }
}

TEST_F(ReplayTest, FramesDrawnPieceByPieceAreTheWholePictureAndChangeOnlyWhereTheySay)
{
    Synth::SketchOptions generated;
    generated.points = 1500;
    generated.layers = 2;
    const MetadataPtr sketch = TestSupport::pressureCopyOf(Synth::generateSketch(generated),
                                                           path(QStringLiteral("many.qpe")));
    ASSERT_TRUE(sketch);
    const QRectF page = sketch->model()->pageRect();
    const QSize size(300, 424);
    for (const bool asDrawn : {false, true}) {
        SCOPED_TRACE(asDrawn ? "as drawn" : "fixed pace");
        DocumentGraphicModel model(*sketch->document(), sketch->pen(), page);
        model.setPageVisible(false, true);
        ReplayScene scene(model, ReplayPen());
        const ReplaySchedule schedule = ReplaySchedule::ofDocument(*sketch->document());
        ReplayTiming timing;
        timing.asDrawn = asDrawn;
        timing.asDrawnSpeed = 8;
        timing.timePerStrokeMs = 50;
        ReplayFrames frames(scene, schedule, timing, page, size, 25);
        QImage previous;
        int changedFrames = 0;
        int partialFrames = 0;
        for (int frame = 0; frame < frames.frameCount(); ++frame) {
            const QRect changed = frames.drawNext();
            const QImage &image = frames.image();
            if (frame == 0) {
                EXPECT_EQ(changed, image.rect());
            } else {
                // Outside what a frame says it changed, it is the frame before to the bit.
                QImage outside = image.copy();
                QPainter(&outside).drawImage(changed, previous, changed);
                ASSERT_EQ(outside, previous) << "frame " << frame;
                changedFrames += changed.isEmpty() ? 0 : 1;
            }
            partialFrames += scene.partialPoints() > 0 ? 1 : 0;
            // The fixed pace shows the strokes complete at the frame's time, as the player.
            if (!asDrawn) {
                ASSERT_EQ(scene.shownStrokes(), std::min(scene.strokeCount(), frame * 40 / 50));
            }
            if (frame % 9 == 0 || frame == frames.frameCount() - 1) {
                ASSERT_LE(largestDifference(image, wholePicture(scene, page, size)), 1)
                    << "frame " << frame;
            }
            previous = image.copy();
        }
        EXPECT_EQ(scene.shownStrokes(), scene.strokeCount());
        EXPECT_FALSE(isBlank(previous));
        // A stroke a frame at the fixed pace (a stroke takes longer than a frame); as drawn,
        // strokes grow over several frames.
        if (!asDrawn) {
            EXPECT_EQ(changedFrames, scene.strokeCount());
        } else {
            EXPECT_GT(partialFrames, scene.strokeCount() / 2);
        }
        EXPECT_TRUE(frames.drawNext().isEmpty());
    }
}

TEST_F(ReplayTest, CancelledAndFailedExportsLeaveNothingBehind)
{
    const MetadataPtr sketch = threeStrokes();
    ASSERT_TRUE(sketch);
    QDir folder(path(QStringLiteral("out")));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    const QString kept = folder.filePath(QStringLiteral("kept.gif"));
    TestSupport::writeFile(kept.toStdString(), "old");
    for (const char *name : {"kept.gif", "new.webp", "new.mp4"}) {
        SCOPED_TRACE(name);
        std::vector<std::pair<int, int>> calls;
        const ReplayExportResult result
            = exportReplay(*sketch, folder.filePath(QString::fromLatin1(name)), options(true, 1),
                           [&calls](int done, int total) {
                               calls.emplace_back(done, total);
                               return done < 3;
                           });
        EXPECT_EQ(result.status, ReplayExportResult::Status::Cancelled);
        EXPECT_EQ(calls,
                  (std::vector<std::pair<int, int>> {
                      {1, calls[0].second}, {2, calls[0].second}, {3, calls[0].second}}));
        EXPECT_GT(calls[0].second, 3);
    }
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList {"kept.gif"});
    EXPECT_EQ(TestSupport::fileBytes(kept), "old");

    // Every failure says why, and writes nothing.
    Synth::SynthSketch empty;
    empty.layers.resize(1);
    const MetadataPtr noStrokes = TestSupport::pressureCopyOf(empty, path("empty.qpe"));
    ASSERT_TRUE(noStrokes);
    const auto failure
        = [&](const DocumentMetaData &what, const QString &name, const ReplayExportOptions &with) {
              const ReplayExportResult result = exportReplay(what, folder.filePath(name), with);
              EXPECT_EQ(result.status, ReplayExportResult::Status::Failed) << name.toStdString();
              return result.reason;
          };
    EXPECT_TRUE(failure(*sketch, "missing/a.gif", options(false, 1)).contains("missing"));
    EXPECT_TRUE(failure(*sketch, "a.avi", options(false, 1)).contains(".gif"));
    EXPECT_TRUE(failure(*noStrokes, "a.gif", options(false, 1)).contains("no strokes"));
    EXPECT_TRUE(failure(*sketch, "a.webp", options(true, 9)).contains("speed"));
    ReplayExportOptions narrow = options(false, 1);
    narrow.width = 8;
    EXPECT_TRUE(failure(*sketch, "a.mp4", narrow).contains("width"));
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList {"kept.gif"});

    const std::unique_ptr<ReplayEncoder> video = createMp4Encoder();
    EXPECT_FALSE(video->begin(QSize(201, 100), 25));
    EXPECT_TRUE(video->reason().contains("even"));
}
