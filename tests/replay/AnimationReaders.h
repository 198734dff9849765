// Animated GIF, WebP and MP4 files read back by the formats' own decoders.
#pragma once

#include <QFile>
#include <QImage>
#include <QString>

#include <gif_lib.h>
#include <webp/demux.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <vector>

namespace TestSupport {

/// What a decoder made of an animation; an empty size when it could not read it.
struct Animation
{
    QSize size;
    int frames = 0;
    int durationMs = 0;
    /// GIF: each frame's delay in hundredths of a second.
    std::vector<int> delaysCs;
    /// GIF: whether the first frame covers the whole picture, and the pixels the frames after
    /// it set (those not transparent).
    bool firstFrameWhole = false;
    int pixelsSetAfterFirst = 0;
    bool loops = false;
    QImage first;
    QImage last;
    /// MP4: the codec, and the last frame's brightness (Y) only.
    AVCodecID codec = AV_CODEC_ID_NONE;
};

/// Every frame of a GIF drawn over the ones before as a viewer does: transparent pixels keep
/// what was there.
inline Animation readGif(const QString &path)
{
    Animation animation;
    int error = 0;
    GifFileType *gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif)
        return animation;
    if (DGifSlurp(gif) != GIF_OK) {
        DGifCloseFile(gif, &error);
        return animation;
    }
    animation.size = QSize(gif->SWidth, gif->SHeight);
    animation.frames = gif->ImageCount;
    QImage canvas(animation.size, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage &image = gif->SavedImages[i];
        GraphicsControlBlock control {};
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(gif, i, &control);
        animation.delaysCs.push_back(control.DelayTime);
        animation.durationMs += control.DelayTime * 10;
        const GifImageDesc &desc = image.ImageDesc;
        if (i == 0)
            animation.firstFrameWhole = desc.Left == 0 && desc.Top == 0 && desc.Width == gif->SWidth
                && desc.Height == gif->SHeight;
        const ColorMapObject *map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        for (int y = 0; y < desc.Height; ++y) {
            for (int x = 0; x < desc.Width; ++x) {
                const int index = image.RasterBits[y * desc.Width + x];
                if (index == control.TransparentColor || index >= map->ColorCount)
                    continue;
                animation.pixelsSetAfterFirst += i > 0 ? 1 : 0;
                const GifColorType &colour = map->Colors[index];
                canvas.setPixel(desc.Left + x, desc.Top + y,
                                qRgb(colour.Red, colour.Green, colour.Blue));
            }
        }
        if (i == 0)
            animation.first = canvas.copy();
    }
    // The loop block comes before the first frame, so it is kept with that frame.
    const auto loops = [](const ExtensionBlock *blocks, int count) {
        for (int i = 0; i < count; ++i) {
            if (blocks[i].Function == APPLICATION_EXT_FUNC_CODE && blocks[i].ByteCount == 11
                && std::equal(blocks[i].Bytes, blocks[i].Bytes + 11, "NETSCAPE2.0"))
                return true;
        }
        return false;
    };
    animation.loops = loops(gif->ExtensionBlocks, gif->ExtensionBlockCount)
        || (gif->ImageCount > 0
            && loops(gif->SavedImages[0].ExtensionBlocks, gif->SavedImages[0].ExtensionBlockCount));
    animation.last = canvas;
    DGifCloseFile(gif, &error);
    return animation;
}

/// The frames of an animated WebP as libwebp's animation decoder puts them together.
inline Animation readWebp(const QString &path)
{
    Animation animation;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return animation;
    const QByteArray bytes = file.readAll();
    const WebPData data {reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                         static_cast<std::size_t>(bytes.size())};
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_RGBA;
    WebPAnimDecoder *decoder = WebPAnimDecoderNew(&data, &options);
    WebPAnimInfo info;
    if (!decoder || !WebPAnimDecoderGetInfo(decoder, &info)) {
        WebPAnimDecoderDelete(decoder);
        return animation;
    }
    animation.size
        = QSize(static_cast<int>(info.canvas_width), static_cast<int>(info.canvas_height));
    animation.loops = info.loop_count == 0;
    while (WebPAnimDecoderHasMoreFrames(decoder)) {
        std::uint8_t *pixels = nullptr;
        int timestamp = 0;
        if (!WebPAnimDecoderGetNext(decoder, &pixels, &timestamp))
            break;
        ++animation.frames;
        // The timestamp a frame comes with is the time it ends.
        animation.durationMs = timestamp;
        animation.last = QImage(pixels, animation.size.width(), animation.size.height(),
                                QImage::Format_RGBA8888)
                             .convertToFormat(QImage::Format_RGB32);
        if (animation.frames == 1)
            animation.first = animation.last;
    }
    if (animation.frames != static_cast<int>(info.frame_count))
        animation.size = QSize();
    WebPAnimDecoderDelete(decoder);
    return animation;
}

/// An MP4's video stream as libavformat reads it, every frame decoded.
inline Animation readMp4(const QString &path)
{
    Animation animation;
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return animation;
    const int index = avformat_find_stream_info(format, nullptr) >= 0
        ? av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0)
        : -1;
    const AVCodec *codec
        = index >= 0 ? avcodec_find_decoder(format->streams[index]->codecpar->codec_id) : nullptr;
    AVCodecContext *context = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!context || avcodec_parameters_to_context(context, format->streams[index]->codecpar) < 0
        || avcodec_open2(context, codec, nullptr) < 0) {
        avcodec_free_context(&context);
        avformat_close_input(&format);
        return animation;
    }
    const AVCodecParameters *parameters = format->streams[index]->codecpar;
    animation.codec = parameters->codec_id;
    animation.durationMs = static_cast<int>(format->duration * 1000 / AV_TIME_BASE);
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    const auto receive = [&] {
        while (avcodec_receive_frame(context, frame) >= 0) {
            ++animation.frames;
            QImage luma(frame->width, frame->height, QImage::Format_Grayscale8);
            for (int y = 0; y < frame->height; ++y)
                std::copy_n(frame->data[0] + y * frame->linesize[0], frame->width,
                            luma.scanLine(y));
            animation.last = luma.convertToFormat(QImage::Format_RGB32);
            if (animation.frames == 1)
                animation.first = animation.last;
        }
    };
    while (av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == index && avcodec_send_packet(context, packet) >= 0)
            receive();
        av_packet_unref(packet);
    }
    avcodec_send_packet(context, nullptr);
    receive();
    animation.size = QSize(parameters->width, parameters->height);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&context);
    avformat_close_input(&format);
    return animation;
}

} // namespace TestSupport
