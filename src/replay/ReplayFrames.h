// The frames of a replay at a fixed rate: the player's picture at each tick, ink on white.
#pragma once

#include "replay/ReplaySchedule.h"

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QTransform>

class ReplayScene;

/// How fast a replay goes: a fixed time per stroke, or the points' own times sped up.
struct ReplayTiming
{
    static constexpr double kDefaultTimePerStrokeMs = 200;
    static constexpr double kSlowestSpeed = 0.5;
    static constexpr double kFastestSpeed = 8;

    bool asDrawn = false;
    /// The fixed pace: milliseconds each stroke takes, above 0.
    double timePerStrokeMs = kDefaultTimePerStrokeMs;
    /// As drawn: how many times as fast as the pen drew (kSlowestSpeed to kFastestSpeed).
    double asDrawnSpeed = 1;
};

/// Draws a replay frame after frame, as the player shows it at each tick of the frame rate:
/// at the fixed pace frame t shows the strokes complete by then, as drawn the complete
/// strokes and the first points of the next. The first frame is the replay's start, the
/// replay's end is followed by kEndHoldMs of the complete picture, so that an animation that
/// loops shows it before starting again. Each frame repaints only where the scene changed:
/// the strokes that appeared and the partly drawn stroke.
class ReplayFrames
{
public:
    static constexpr int kEndHoldMs = 1000;

    /// Frames of `size` pixels onto which the scene's source rectangle is stretched. The
    /// schedule is read only as drawn and then must hold the scene's strokes. The scene is
    /// changed by every frame; nothing else may change it meanwhile.
    ReplayFrames(ReplayScene &scene, const ReplaySchedule &schedule, const ReplayTiming &timing,
                 const QRectF &source, QSize size, int framesPerSecond);

    int frameCount() const { return m_frameCount; }
    int framesPerSecond() const { return m_framesPerSecond; }
    /// Frames drawn so far: the index of the next one.
    int framesDrawn() const { return m_next; }
    /// The replay's own length at its speed, without the hold at the end.
    double replayDurationMs() const { return m_durationMs; }

    /// Draws the next frame into image(). Returns the pixels that differ from the previous
    /// frame, or may: the whole image for the first frame, empty when nothing changed.
    /// Does nothing (returns empty) after the last frame.
    QRect drawNext();
    /// The frame drawn last, opaque (QImage::Format_RGB32).
    const QImage &image() const { return m_image; }

private:
    ReplaySchedule::Position positionAt(int frame) const;
    void paint(const QRect &pixels);

    ReplayScene &m_scene;
    const ReplaySchedule &m_schedule;
    ReplayTiming m_timing;
    QImage m_image;
    QTransform m_toImage;
    QTransform m_toScene;
    int m_framesPerSecond;
    double m_durationMs = 0;
    // The first frame that shows the whole replay.
    int m_lastReplayFrame = 0;
    int m_frameCount = 0;
    int m_next = 0;
};
