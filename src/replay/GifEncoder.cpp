// Animated GIF through giflib: a white-to-ink palette and frames of only what changed.
#include "replay/ReplayEncoder.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <gif_lib.h>
#include <vector>

namespace {

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(GifEncoder)
};

// Index 0 marks a pixel that stays as the frame before showed it; 1 to 255 are the shades
// from white (no ink) to the ink colour (full ink).
constexpr GifByteType kUnchanged = 0;
constexpr int kShades = 255;

int appendBytes(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)
        ->append(reinterpret_cast<const char *>(data), static_cast<qsizetype>(length));
    return length;
}

struct PendingFrame
{
    QRect rect;
    std::vector<GifByteType> indices;
    int startTick = 0;
};

class GifEncoder final : public ReplayEncoder
{
public:
    explicit GifEncoder(const QColor &ink)
        : m_ink(ink)
    { }
    ~GifEncoder() override { close(); }

    bool begin(QSize size, int framesPerSecond) override
    {
        if (size.isEmpty() || size.width() > 65535 || size.height() > 65535)
            return fail(
                Texts::tr("A GIF cannot be %1 × %2 pixels.").arg(size.width()).arg(size.height()));
        m_size = size;
        m_framesPerSecond = std::max(1, framesPerSecond);
        int error = 0;
        m_gif = EGifOpen(&m_bytes, appendBytes, &error);
        if (!m_gif)
            return failGif(error);
        EGifSetGifVersion(m_gif, true);
        const std::array<GifColorType, 256> colours = palette();
        ColorMapObject *map = GifMakeMapObject(256, colours.data());
        const bool described
            = map && EGifPutScreenDesc(m_gif, size.width(), size.height(), 8, 0, map) == GIF_OK;
        GifFreeMapObject(map);
        if (!described)
            return failGif(m_gif->Error);
        // Looping for ever.
        static const char kApplication[] = "NETSCAPE2.0";
        const GifByteType loop[3] = {1, 0, 0};
        if (EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK
            || EGifPutExtensionBlock(m_gif, 11, kApplication) != GIF_OK
            || EGifPutExtensionBlock(m_gif, 3, loop) != GIF_OK
            || EGifPutExtensionTrailer(m_gif) != GIF_OK)
            return failGif(m_gif->Error);
        m_shown.assign(static_cast<std::size_t>(size.width()) * size.height(), kUnchanged);
        buildShades();
        return true;
    }

    bool addFrame(const QImage &frame, const QRect &changed) override
    {
        if (!m_gif || frame.size() != m_size)
            return fail(Texts::tr("The frame does not fit the animation."));
        const int tick = m_tick++;
        // Every pixel starts unshown, so the first frame comes out whole.
        const QRect area
            = tick == 0 ? QRect(QPoint(0, 0), m_size) : changed & QRect(QPoint(0, 0), m_size);
        if (area.isEmpty())
            return true;
        PendingFrame next;
        if (!diff(frame, area, next))
            return true;
        next.startTick = tick;
        if (m_hasPending && !writePending(tick))
            return false;
        m_pending = std::move(next);
        m_hasPending = true;
        return true;
    }

    bool finish(QByteArray &bytes) override
    {
        if (!m_gif)
            return fail(Texts::tr("The animation was not begun."));
        if (m_hasPending && !writePending(m_tick))
            return false;
        int error = 0;
        const int closed = EGifCloseFile(m_gif, &error);
        m_gif = nullptr;
        if (closed != GIF_OK)
            return failGif(error);
        bytes = std::move(m_bytes);
        return true;
    }

private:
    bool failGif(int error)
    {
        const char *text = GifErrorString(error);
        close();
        return fail(Texts::tr("The GIF could not be written: %1")
                        .arg(QString::fromLatin1(text ? text : "unknown error")));
    }

    void close()
    {
        if (m_gif) {
            int ignored = 0;
            EGifCloseFile(m_gif, &ignored);
            m_gif = nullptr;
        }
    }

    // The colour of a pixel fully covered by the ink, on white.
    int inkOnWhite(int channel) const
    {
        return static_cast<int>(std::lround(255 + (channel - 255) * m_ink.alphaF()));
    }

    std::array<GifColorType, 256> palette() const
    {
        std::array<GifColorType, 256> colours {};
        colours[kUnchanged] = {255, 255, 255};
        const int red = inkOnWhite(m_ink.red());
        const int green = inkOnWhite(m_ink.green());
        const int blue = inkOnWhite(m_ink.blue());
        for (int shade = 0; shade < kShades; ++shade) {
            const double ink = shade / double(kShades - 1);
            const auto mix = [ink](int to) {
                return static_cast<GifByteType>(std::lround(255 + (to - 255) * ink));
            };
            colours[1 + shade] = {mix(red), mix(green), mix(blue)};
        }
        return colours;
    }

    // Ink of one colour on white lies on the line from white to the ink: the channel that
    // falls furthest along it tells the shade best.
    void buildShades()
    {
        const int falls[3] = {255 - inkOnWhite(m_ink.red()), 255 - inkOnWhite(m_ink.green()),
                              255 - inkOnWhite(m_ink.blue())};
        m_channel = static_cast<int>(std::max_element(falls, falls + 3) - falls);
        const int fall = falls[m_channel];
        for (int value = 0; value < 256; ++value) {
            const double ink = fall > 0 ? std::clamp((255 - value) / double(fall), 0.0, 1.0) : 0;
            m_shadeOf[value] = static_cast<GifByteType>(1 + std::lround(ink * (kShades - 1)));
        }
    }

    GifByteType shadeOf(QRgb pixel) const
    {
        const int value = m_channel == 0 ? qRed(pixel)
            : m_channel == 1             ? qGreen(pixel)
                                         : qBlue(pixel);
        return m_shadeOf[value];
    }

    // The part of the area whose shades differ from those shown, with the unchanged pixels
    // in it marked; false when nothing differs.
    bool diff(const QImage &frame, const QRect &area, PendingFrame &next)
    {
        const int width = m_size.width();
        std::vector<GifByteType> shades(static_cast<std::size_t>(area.width()) * area.height());
        int left = area.right() + 1, right = area.left() - 1;
        int top = area.bottom() + 1, bottom = area.top() - 1;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
            const GifByteType *shown = m_shown.data() + static_cast<std::size_t>(y) * width;
            GifByteType *out
                = shades.data() + static_cast<std::size_t>(y - area.top()) * area.width();
            for (int x = area.left(); x <= area.right(); ++x) {
                const GifByteType shade = shadeOf(line[x]);
                out[x - area.left()] = shade;
                if (shade != shown[x]) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        if (right < left)
            return false;
        next.rect = QRect(QPoint(left, top), QPoint(right, bottom));
        next.indices.resize(static_cast<std::size_t>(next.rect.width()) * next.rect.height());
        GifByteType *out = next.indices.data();
        for (int y = top; y <= bottom; ++y) {
            const GifByteType *in = shades.data()
                + static_cast<std::size_t>(y - area.top()) * area.width() + (left - area.left());
            GifByteType *shown = m_shown.data() + static_cast<std::size_t>(y) * width + left;
            for (int x = 0; x < next.rect.width(); ++x) {
                *out++ = in[x] == shown[x] ? kUnchanged : in[x];
                shown[x] = in[x];
            }
        }
        return true;
    }

    int centiseconds(int tick) const
    {
        return static_cast<int>((static_cast<std::int64_t>(tick) * 100 + m_framesPerSecond / 2)
                                / m_framesPerSecond);
    }

    bool writePending(int endTick)
    {
        GraphicsControlBlock control {};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.UserInputFlag = false;
        control.DelayTime
            = std::min(65535, centiseconds(endTick) - centiseconds(m_pending.startTick));
        control.TransparentColor = kUnchanged;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        const QRect &rect = m_pending.rect;
        if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension)
                != GIF_OK
            || EGifPutImageDesc(m_gif, rect.left(), rect.top(), rect.width(), rect.height(), false,
                                nullptr)
                != GIF_OK)
            return failGif(m_gif->Error);
        for (int row = 0; row < rect.height(); ++row) {
            GifPixelType *line
                = m_pending.indices.data() + static_cast<std::size_t>(row) * rect.width();
            if (EGifPutLine(m_gif, line, rect.width()) != GIF_OK)
                return failGif(m_gif->Error);
        }
        m_hasPending = false;
        return true;
    }

    QColor m_ink;
    GifFileType *m_gif = nullptr;
    QByteArray m_bytes;
    QSize m_size;
    int m_framesPerSecond = 1;
    int m_tick = 0;
    // The shade each pixel shows after the frames written and the one pending; kUnchanged
    // before the first frame.
    std::vector<GifByteType> m_shown;
    std::array<GifByteType, 256> m_shadeOf {};
    int m_channel = 0;
    // A frame is written once the next change says how long it stays.
    PendingFrame m_pending;
    bool m_hasPending = false;
};

} // namespace

std::unique_ptr<ReplayEncoder> createGifEncoder(const QColor &ink)
{
    return std::make_unique<GifEncoder>(ink);
}
