// A replay's frames drawn from a model of their own, encoded, and saved atomically.
#include "replay/ReplayExport.h"

#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "replay/ReplayEncoder.h"
#include "settings/AtomicSaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

constexpr int kSmallestWidth = 16;
constexpr int kLargestWidth = 4096;

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReplayExport)
};

ReplayExportResult failed(const QString &reason)
{
    return {ReplayExportResult::Status::Failed, reason};
}

std::unique_ptr<ReplayEncoder> createEncoder(ReplayFormat format, const ReplayPen &pen)
{
    switch (format) {
    case ReplayFormat::Gif:
        return createGifEncoder(pen.colour);
    case ReplayFormat::WebP:
        return createWebpEncoder();
    case ReplayFormat::Mp4:
        break;
    }
    return createMp4Encoder();
}

// Why the options cannot be replayed; empty when they can.
QString checkOptions(const ReplayExportOptions &options)
{
    if (options.width < kSmallestWidth || options.width > kLargestWidth)
        return Texts::tr("The width must be from %1 to %2 pixels, not %3.")
            .arg(kSmallestWidth)
            .arg(kLargestWidth)
            .arg(options.width);
    const ReplayTiming &timing = options.timing;
    if (timing.asDrawn
        && !(timing.asDrawnSpeed >= ReplayTiming::kSlowestSpeed
             && timing.asDrawnSpeed <= ReplayTiming::kFastestSpeed))
        return Texts::tr("The speed must be from %1 to %2 times as drawn.")
            .arg(ReplayTiming::kSlowestSpeed)
            .arg(ReplayTiming::kFastestSpeed);
    if (!timing.asDrawn && !(timing.timePerStrokeMs > 0 && std::isfinite(timing.timePerStrokeMs)))
        return Texts::tr("Each stroke must take some time.");
    return {};
}

} // namespace

std::optional<ReplayFormat> replayFormatOfPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("gif"))
        return ReplayFormat::Gif;
    if (suffix == QLatin1String("webp"))
        return ReplayFormat::WebP;
    if (suffix == QLatin1String("mp4"))
        return ReplayFormat::Mp4;
    return std::nullopt;
}

int replayFramesPerSecond(ReplayFormat format)
{
    return format == ReplayFormat::Gif ? 20 : 25;
}

QSize replayFrameSize(ReplayFormat format, const QSizeF &page, int width)
{
    if (page.isEmpty() || width <= 0)
        return {};
    const double height = width * page.height() / page.width();
    if (format != ReplayFormat::Mp4)
        return {width, std::max(1, static_cast<int>(std::lround(height)))};
    return {std::max(2, width / 2 * 2), std::max(2, 2 * static_cast<int>(std::lround(height / 2)))};
}

ReplayExportResult exportReplay(const DocumentMetaData &sketch, const QString &path,
                                const ReplayExportOptions &options, const ReplayProgress &progress)
{
    const std::optional<ReplayFormat> format = replayFormatOfPath(path);
    if (!format)
        return failed(Texts::tr("%1 names no animation format; end it in .gif, .webp or .mp4.")
                          .arg(QDir::toNativeSeparators(path)));
    if (const QString problem = checkOptions(options); !problem.isEmpty())
        return failed(problem);
    if (!sketch.document() || !sketch.model())
        return failed(Texts::tr("The sketch is not loaded."));

    // A model of its own: the sketch's may be on show, and the frames change what it shows.
    const QRectF page = sketch.model()->pageRect();
    DocumentGraphicModel model(*sketch.document(), sketch.pen(), page);
    model.setPageVisible(false, true);
    ReplayScene scene(model, options.pen);
    if (scene.strokeCount() == 0)
        return failed(Texts::tr("The sketch has no strokes to replay."));
    const ReplaySchedule schedule = options.timing.asDrawn
        ? ReplaySchedule::ofDocument(*sketch.document())
        : ReplaySchedule();
    if (options.timing.asDrawn && schedule.strokeCount() != scene.strokeCount())
        return failed(
            Texts::tr("The strokes of this sketch do not match its ink; it can be replayed "
                      "at a fixed pace only."));

    const QSize size = replayFrameSize(*format, page.size(), options.width);
    const int framesPerSecond = replayFramesPerSecond(*format);
    ReplayFrames frames(scene, schedule, options.timing, page, size, framesPerSecond);
    const std::unique_ptr<ReplayEncoder> encoder = createEncoder(*format, options.pen);
    if (!encoder->begin(size, framesPerSecond))
        return failed(encoder->reason());
    const int total = frames.frameCount();
    for (int done = 1; done <= total; ++done) {
        const QRect changed = frames.drawNext();
        if (!encoder->addFrame(frames.image(), changed))
            return failed(encoder->reason());
        if (progress && !progress(done, total))
            return {ReplayExportResult::Status::Cancelled, {}};
    }
    QByteArray bytes;
    if (!encoder->finish(bytes))
        return failed(encoder->reason());
    QString reason;
    if (!saveBytesAtomically(path, bytes, &reason))
        return failed(
            Texts::tr("%1 could not be saved: %2").arg(QDir::toNativeSeparators(path), reason));
    return {ReplayExportResult::Status::Written, {}};
}
