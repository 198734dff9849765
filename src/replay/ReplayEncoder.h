// Encoders that turn the frames of a replay into the bytes of an animation file.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>

/// One animation being encoded in memory: begin(), a frame per tick of the frame rate, then
/// finish(). Any step that fails returns false and says why in reason(); the encoder is then
/// of no further use. Frames are opaque QImage::Format_RGB32 images of the size begun with.
class ReplayEncoder
{
public:
    virtual ~ReplayEncoder() = default;

    virtual bool begin(QSize size, int framesPerSecond) = 0;
    /// Adds a frame shown for one tick. `changed` covers every pixel that differs from the
    /// previous frame (the whole first frame); an empty one shows the previous frame on.
    virtual bool addFrame(const QImage &frame, const QRect &changed) = 0;
    /// Ends the animation after the last frame's tick and hands out the file's bytes.
    virtual bool finish(QByteArray &bytes) = 0;

    QString reason() const { return m_reason; }

protected:
    bool fail(const QString &reason)
    {
        m_reason = reason;
        return false;
    }

private:
    QString m_reason;
};

/// Animated GIF, looping: a palette of the shades between white and the ink colour (all that
/// antialiased ink of one colour on white holds), and after the first frame only the
/// rectangle that changed, its unchanged pixels transparent. Ticks without a change lengthen
/// the frame before them; delays are rounded to the format's hundredths of a second without
/// the rounding adding up.
std::unique_ptr<ReplayEncoder> createGifEncoder(const QColor &ink);
/// Animated WebP, looping, every frame lossless; ticks without a change lengthen the frame
/// before them.
std::unique_ptr<ReplayEncoder> createWebpEncoder();
/// MP4 video at a constant frame rate, in H.264 (libx264, else another H.264 encoder of the
/// installed FFmpeg, else MPEG-4 part 2), 4:2:0, which needs an even width and height.
std::unique_ptr<ReplayEncoder> createMp4Encoder();
/// The name of the video encoder createMp4Encoder() uses, empty when there is none.
QString mp4EncoderName();
/// Why the video module that makes MP4 videos could not be loaded; empty once it is.
QString mp4ModuleProblem();
