// Animated WebP through libwebp's animation encoder, every frame lossless.
#include "replay/ReplayEncoder.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <webp/encode.h>
#include <webp/mux.h>

namespace {

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(WebpEncoder)
};

// The fastest lossless effort: line art on white compresses well at any effort, and the
// higher ones cost several times the time for a few per cent.
constexpr int kLosslessLevel = 0;

class WebpEncoder final : public ReplayEncoder
{
public:
    ~WebpEncoder() override
    {
        if (m_encoder)
            WebPAnimEncoderDelete(m_encoder);
    }

    bool begin(QSize size, int framesPerSecond) override
    {
        if (size.isEmpty() || size.width() > WEBP_MAX_DIMENSION
            || size.height() > WEBP_MAX_DIMENSION)
            return fail(Texts::tr("A WebP image cannot be %1 × %2 pixels.")
                            .arg(size.width())
                            .arg(size.height()));
        m_size = size;
        m_framesPerSecond = std::max(1, framesPerSecond);
        WebPAnimEncoderOptions options;
        if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&m_config)
            || !WebPConfigLosslessPreset(&m_config, kLosslessLevel))
            return fail(
                Texts::tr("The installed WebP library does not match the one built against."));
        options.anim_params.loop_count = 0;
        options.anim_params.bgcolor = 0xFFFFFFFF;
        m_encoder = WebPAnimEncoderNew(size.width(), size.height(), &options);
        if (!m_encoder)
            return fail(Texts::tr("Not enough memory to encode the WebP animation."));
        return true;
    }

    bool addFrame(const QImage &frame, const QRect &changed) override
    {
        if (!m_encoder || frame.size() != m_size || frame.format() != QImage::Format_RGB32)
            return fail(Texts::tr("The frame does not fit the animation."));
        const int tick = m_tick++;
        // The frame before simply lasts longer.
        if (tick > 0 && changed.isEmpty())
            return true;
        WebPPicture picture;
        if (!WebPPictureInit(&picture))
            return fail(
                Texts::tr("The installed WebP library does not match the one built against."));
        picture.use_argb = 1;
        picture.width = m_size.width();
        picture.height = m_size.height();
        if (!WebPPictureAlloc(&picture))
            return fail(Texts::tr("Not enough memory to encode the WebP animation."));
        // Both hold each pixel as one 32-bit 0xAARRGGBB in native byte order.
        for (int y = 0; y < m_size.height(); ++y)
            std::memcpy(picture.argb + static_cast<std::ptrdiff_t>(y) * picture.argb_stride,
                        frame.constScanLine(y), static_cast<std::size_t>(m_size.width()) * 4);
        const bool added = WebPAnimEncoderAdd(m_encoder, &picture, timestampMs(tick), &m_config);
        WebPPictureFree(&picture);
        return added || failWebp();
    }

    bool finish(QByteArray &bytes) override
    {
        if (!m_encoder)
            return fail(Texts::tr("The animation was not begun."));
        WebPData data;
        WebPDataInit(&data);
        if (!WebPAnimEncoderAdd(m_encoder, nullptr, timestampMs(m_tick), nullptr)
            || !WebPAnimEncoderAssemble(m_encoder, &data)) {
            WebPDataClear(&data);
            return failWebp();
        }
        bytes = QByteArray(reinterpret_cast<const char *>(data.bytes),
                           static_cast<qsizetype>(data.size));
        WebPDataClear(&data);
        return true;
    }

private:
    int timestampMs(int tick) const
    {
        return static_cast<int>(static_cast<std::int64_t>(tick) * 1000 / m_framesPerSecond);
    }

    bool failWebp()
    {
        const char *text = WebPAnimEncoderGetError(m_encoder);
        return fail(Texts::tr("The WebP animation could not be encoded: %1")
                        .arg(QString::fromUtf8(text && *text ? text : "unknown error")));
    }

    WebPAnimEncoder *m_encoder = nullptr;
    WebPConfig m_config {};
    QSize m_size;
    int m_framesPerSecond = 1;
    int m_tick = 0;
};

} // namespace

std::unique_ptr<ReplayEncoder> createWebpEncoder()
{
    return std::make_unique<WebpEncoder>();
}
