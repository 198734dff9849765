// Replay frames at fixed ticks, each repainting only the area of the scene that changed.
#include "replay/ReplayFrames.h"

#include "document/DocumentGraphicModel.h"
#include "replay/ReplayScene.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Antialiased edges reach a pixel beyond an item's bounds; one more covers rounding.
constexpr int kEdgePixels = 2;
// Tick times are sums of exact fractions; this keeps a tick that lands exactly on a stroke's
// time from rounding below it.
constexpr double kTimeSlackMs = 1e-6;

} // namespace

ReplayFrames::ReplayFrames(ReplayScene &scene, const ReplaySchedule &schedule,
                           const ReplayTiming &timing, const QRectF &source, QSize size,
                           int framesPerSecond)
    : m_scene(scene)
    , m_schedule(schedule)
    , m_timing(timing)
    , m_image(size, QImage::Format_RGB32)
    , m_framesPerSecond(std::max(1, framesPerSecond))
{
    m_timing.timePerStrokeMs = std::max(m_timing.timePerStrokeMs, 1e-3);
    m_timing.asDrawnSpeed = std::max(m_timing.asDrawnSpeed, 1e-3);
    m_durationMs = timing.asDrawn
        ? static_cast<double>(schedule.durationMs()) / m_timing.asDrawnSpeed
        : scene.strokeCount() * m_timing.timePerStrokeMs;
    m_lastReplayFrame
        = static_cast<int>(std::ceil(m_durationMs * m_framesPerSecond / 1000.0 - kTimeSlackMs));
    m_frameCount = m_lastReplayFrame + 1 + kEndHoldMs * m_framesPerSecond / 1000;
    if (!source.isEmpty() && !size.isEmpty()) {
        m_toImage
            = QTransform::fromScale(size.width() / source.width(), size.height() / source.height())
                  .translate(-source.left(), -source.top());
        m_toScene = m_toImage.inverted();
    }
}

ReplaySchedule::Position ReplayFrames::positionAt(int frame) const
{
    if (frame >= m_lastReplayFrame)
        return {m_scene.strokeCount(), 0};
    const double timeMs = frame * 1000.0 / m_framesPerSecond + kTimeSlackMs;
    if (!m_timing.asDrawn)
        return {static_cast<int>(timeMs / m_timing.timePerStrokeMs), 0};
    return m_schedule.positionAt(static_cast<std::int64_t>(timeMs * m_timing.asDrawnSpeed));
}

QRect ReplayFrames::drawNext()
{
    if (m_next >= m_frameCount || m_image.isNull())
        return {};
    const int frame = m_next++;
    const QRectF changed = m_scene.showPosition(positionAt(frame));
    QRect pixels;
    if (frame == 0)
        pixels = m_image.rect();
    else if (!changed.isEmpty())
        pixels = m_toImage.mapRect(changed).toAlignedRect().adjusted(-kEdgePixels, -kEdgePixels,
                                                                     kEdgePixels, kEdgePixels)
            & m_image.rect();
    if (!pixels.isEmpty())
        paint(pixels);
    return pixels;
}

void ReplayFrames::paint(const QRect &pixels)
{
    QPainter painter(&m_image);
    painter.setClipRect(pixels);
    painter.fillRect(pixels, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The scene is drawn with the same transform in every frame, only clipped to the area:
    // pixels repainted match those drawn before to the bit.
    painter.setTransform(m_toImage);
    const QRectF area = m_toScene.mapRect(QRectF(pixels));
    m_scene.model().render(&painter, area, area, Qt::IgnoreAspectRatio);
}
