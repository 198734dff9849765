// MP4 video through FFmpeg: frames converted by libswscale, encoded by libavcodec and muxed
// by libavformat into memory. This file is the video module, loaded only when a video is
// made: FFmpeg and its hundred libraries stay out of every other start of the programs.
#include "replay/Mp4Module.h"
#include "replay/ReplayEncoder.h"

#include <QCoreApplication>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Mp4Encoder)
};

// In order of preference; the first that opens is used. A hardware H.264 encoder found
// by codec id alone may be present but without its device, so only named ones are tried.
constexpr const char *kEncoders[] = {"libx264", "libopenh264", "mpeg4"};
// A key frame at least every few seconds, so that a player can seek.
constexpr int kKeyFrameSeconds = 5;
constexpr int kIoBufferBytes = 64 * 1024;
// Rows converted together; even, as the colour format halves the rows.
constexpr int kBandRows = 16;

#if defined(FF_API_AVIO_WRITE_NONCONST) && !FF_API_AVIO_WRITE_NONCONST
using PacketBytes = const std::uint8_t *;
#else
using PacketBytes = std::uint8_t *;
#endif

QString errorText(int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return QString::fromUtf8(text);
}

// A seekable file in memory: the muxer goes back to fill in sizes once they are known.
struct MemoryFile
{
    QByteArray bytes;
    qint64 position = 0;

    static int write(void *opaque, PacketBytes data, int size)
    {
        auto *file = static_cast<MemoryFile *>(opaque);
        const qint64 end = file->position + size;
        if (end > file->bytes.size())
            file->bytes.resize(end);
        std::memcpy(file->bytes.data() + file->position, data, static_cast<std::size_t>(size));
        file->position = end;
        return size;
    }

    static std::int64_t seek(void *opaque, std::int64_t offset, int whence)
    {
        auto *file = static_cast<MemoryFile *>(opaque);
        const qint64 size = file->bytes.size();
        switch (whence & ~AVSEEK_FORCE) {
        case AVSEEK_SIZE:
            return size;
        case SEEK_SET:
            break;
        case SEEK_CUR:
            offset += file->position;
            break;
        case SEEK_END:
            offset += size;
            break;
        default:
            return AVERROR(EINVAL);
        }
        if (offset < 0)
            return AVERROR(EINVAL);
        file->position = offset;
        return offset;
    }
};

class Mp4Encoder final : public ReplayEncoder
{
public:
    Mp4Encoder() { av_log_set_level(AV_LOG_ERROR); }
    ~Mp4Encoder() override { release(); }

    bool begin(QSize size, int framesPerSecond) override
    {
        if (size.isEmpty() || size.width() % 2 != 0 || size.height() % 2 != 0)
            return fail(
                Texts::tr("An MP4 video needs an even width and height, not %1 × %2 pixels.")
                    .arg(size.width())
                    .arg(size.height()));
        m_size = size;
        m_framesPerSecond = std::max(1, framesPerSecond);
        int error = avformat_alloc_output_context2(&m_format, nullptr, "mp4", nullptr);
        if (error < 0 || !m_format)
            return failAv(Texts::tr("The MP4 format is not available"), error);
        auto *buffer = static_cast<unsigned char *>(av_malloc(kIoBufferBytes));
        m_io = buffer ? avio_alloc_context(buffer, kIoBufferBytes, 1, &m_file, nullptr,
                                           &MemoryFile::write, &MemoryFile::seek)
                      : nullptr;
        if (!m_io) {
            av_free(buffer);
            return fail(Texts::tr("Not enough memory to encode the video."));
        }
        m_format->pb = m_io;
        m_format->flags |= AVFMT_FLAG_CUSTOM_IO;
        if (!openEncoder())
            return false;
        m_stream = avformat_new_stream(m_format, nullptr);
        if (!m_stream)
            return fail(Texts::tr("Not enough memory to encode the video."));
        m_stream->time_base = m_codec->time_base;
        m_stream->avg_frame_rate = m_codec->framerate;
        error = avcodec_parameters_from_context(m_stream->codecpar, m_codec);
        if (error >= 0)
            error = avformat_write_header(m_format, nullptr);
        if (error < 0)
            return failAv(Texts::tr("The video could not be started"), error);
        return prepareFrames();
    }

    bool addFrame(const QImage &frame, const QRect &changed) override
    {
        if (!m_frame || frame.size() != m_size || frame.format() != QImage::Format_RGB32)
            return fail(Texts::tr("The frame does not fit the video."));
        const int tick = m_tick++;
        // An unchanged picture is sent again as it is; the encoder may still hold it.
        if (tick == 0 || !changed.isEmpty()) {
            const int error = av_frame_make_writable(m_frame);
            if (error < 0)
                return failAv(Texts::tr("The video could not be encoded"), error);
            const QRect rows = tick == 0 ? frame.rect() : changed & frame.rect();
            for (int band = rows.top() / kBandRows; band <= rows.bottom() / kBandRows; ++band)
                convertBand(frame, band);
        }
        m_frame->pts = tick;
        return send(m_frame);
    }

    bool finish(QByteArray &bytes) override
    {
        if (!m_frame)
            return fail(Texts::tr("The video was not begun."));
        if (!send(nullptr))
            return false;
        const int error = av_write_trailer(m_format);
        if (error < 0)
            return failAv(Texts::tr("The video could not be finished"), error);
        avio_flush(m_io);
        bytes = std::move(m_file.bytes);
        release();
        return true;
    }

private:
    bool failAv(const QString &what, int error)
    {
        return fail(what + QStringLiteral(": ") + errorText(error));
    }

    bool openEncoder()
    {
        QString tried;
        for (const char *name : kEncoders) {
            const AVCodec *codec = avcodec_find_encoder_by_name(name);
            if (!codec)
                continue;
            m_codec = avcodec_alloc_context3(codec);
            if (!m_codec)
                return fail(Texts::tr("Not enough memory to encode the video."));
            configure(*codec);
            AVDictionary *options = nullptr;
            if (std::strcmp(name, "libx264") == 0) {
                // Fast enough for several times real time on one core; the frames change
                // little, which the faster presets handle as well as the slow ones.
                av_dict_set(&options, "preset", "veryfast", 0);
                av_dict_set(&options, "crf", "21", 0);
            }
            const int error = avcodec_open2(m_codec, codec, &options);
            av_dict_free(&options);
            if (error >= 0)
                return true;
            tried += QStringLiteral("\n%1: %2").arg(QLatin1String(name), errorText(error));
            avcodec_free_context(&m_codec);
        }
        return fail(Texts::tr("No video encoder for MP4 could be opened.") + tried);
    }

    void configure(const AVCodec &codec)
    {
        m_codec->width = m_size.width();
        m_codec->height = m_size.height();
        m_codec->time_base = AVRational {1, m_framesPerSecond};
        m_codec->framerate = AVRational {m_framesPerSecond, 1};
        m_codec->pix_fmt = AV_PIX_FMT_YUV420P;
        m_codec->gop_size = kKeyFrameSeconds * m_framesPerSecond;
        // What libswscale's default conversion produces: BT.601 in the limited range.
        m_codec->color_range = AVCOL_RANGE_MPEG;
        m_codec->colorspace = AVCOL_SPC_SMPTE170M;
        m_codec->color_primaries = AVCOL_PRI_SMPTE170M;
        m_codec->color_trc = AVCOL_TRC_SMPTE170M;
        if (codec.id == AV_CODEC_ID_MPEG4) {
            m_codec->flags |= AV_CODEC_FLAG_QSCALE;
            m_codec->global_quality = FF_QP2LAMBDA * 3;
        }
        if (m_format->oformat->flags & AVFMT_GLOBALHEADER)
            m_codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }

    bool prepareFrames()
    {
        m_frame = av_frame_alloc();
        m_packet = av_packet_alloc();
        if (!m_frame || !m_packet)
            return fail(Texts::tr("Not enough memory to encode the video."));
        m_frame->format = AV_PIX_FMT_YUV420P;
        m_frame->width = m_size.width();
        m_frame->height = m_size.height();
        const int error = av_frame_get_buffer(m_frame, 0);
        if (error < 0)
            return failAv(Texts::tr("The video could not be started"), error);
        // QImage's RGB32 is what FFmpeg calls RGB32: one native 32-bit 0xffRRGGBB a pixel.
        const int lastRows = m_size.height() % kBandRows;
        for (int rows : {kBandRows, lastRows}) {
            SwsContext *&scaler = rows == kBandRows ? m_bandScaler : m_lastBandScaler;
            if (rows > 0)
                scaler
                    = sws_getContext(m_size.width(), rows, AV_PIX_FMT_RGB32, m_size.width(), rows,
                                     AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
            if (rows > 0 && !scaler)
                return fail(Texts::tr("The frames cannot be converted for the video."));
        }
        return true;
    }

    // Frames change in a few rows only: each band of rows is converted on its own (the same
    // way every time, so unchanged bands keep their values), and only where it changed.
    void convertBand(const QImage &frame, int band)
    {
        const int top = band * kBandRows;
        const int rows = std::min(kBandRows, m_size.height() - top);
        const std::uint8_t *const source[] = {frame.constScanLine(top)};
        const int sourceStrides[] = {static_cast<int>(frame.bytesPerLine())};
        std::uint8_t *const planes[] = {m_frame->data[0] + top * m_frame->linesize[0],
                                        m_frame->data[1] + top / 2 * m_frame->linesize[1],
                                        m_frame->data[2] + top / 2 * m_frame->linesize[2]};
        sws_scale(rows == kBandRows ? m_bandScaler : m_lastBandScaler, source, sourceStrides, 0,
                  rows, planes, m_frame->linesize);
    }

    // Sends a frame (null: the end) and writes every packet the encoder has ready.
    bool send(const AVFrame *frame)
    {
        int error = avcodec_send_frame(m_codec, frame);
        while (error >= 0) {
            error = avcodec_receive_packet(m_codec, m_packet);
            if (error == AVERROR(EAGAIN) || error == AVERROR_EOF)
                return true;
            if (error < 0)
                break;
            av_packet_rescale_ts(m_packet, m_codec->time_base, m_stream->time_base);
            m_packet->stream_index = m_stream->index;
            error = av_interleaved_write_frame(m_format, m_packet);
        }
        return failAv(Texts::tr("The video could not be encoded"), error);
    }

    void release()
    {
        sws_freeContext(m_bandScaler);
        sws_freeContext(m_lastBandScaler);
        m_bandScaler = m_lastBandScaler = nullptr;
        av_frame_free(&m_frame);
        av_packet_free(&m_packet);
        avcodec_free_context(&m_codec);
        if (m_io) {
            av_freep(&m_io->buffer);
            avio_context_free(&m_io);
        }
        if (m_format) {
            m_format->pb = nullptr;
            avformat_free_context(m_format);
            m_format = nullptr;
        }
        m_stream = nullptr;
    }

    MemoryFile m_file;
    AVFormatContext *m_format = nullptr;
    AVIOContext *m_io = nullptr;
    AVCodecContext *m_codec = nullptr;
    AVStream *m_stream = nullptr;
    AVFrame *m_frame = nullptr;
    AVPacket *m_packet = nullptr;
    SwsContext *m_bandScaler = nullptr;
    SwsContext *m_lastBandScaler = nullptr;
    QSize m_size;
    int m_framesPerSecond = 1;
    int m_tick = 0;
};

} // namespace

extern "C" {

ReplayEncoder *draftbay_mp4_create_encoder()
{
    return new Mp4Encoder;
}

const char *draftbay_mp4_encoder_name()
{
    for (const char *name : kEncoders) {
        if (avcodec_find_encoder_by_name(name))
            return name;
    }
    return nullptr;
}

} // extern "C"
