// PNG chunks and the deflate stream of the image rows.
#include "export/PngEncoder.h"

#include <QIODevice>
#include <QImage>
#include <QtEndian>

#include <array>
#include <cstdint>
#include <vector>
#include <zlib.h>

namespace {

// Black is black ink of any opacity: every pixel (0, 0, 0, alpha), stored as the index of a
// palette of black in every opacity, one byte a pixel.
enum class Layout { Grey, Rgb, Rgba, Black };

constexpr std::size_t kChunkBytes = 256 * 1024;

// Premultiplying keeps a grey pixel grey and a black one black, so the premultiplied pixels
// tell.
Layout layoutOf(const QImage &image)
{
    bool grey = true;
    bool black = true;
    bool opaque = true;
    const int width = image.width();
    for (int y = 0; y < image.height() && (grey || black || opaque); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = line[x];
            opaque = opaque && qAlpha(pixel) == 255;
            grey = grey && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
            black = black && (pixel & 0xffffff) == 0;
        }
    }
    if (opaque)
        return grey ? Layout::Grey : Layout::Rgb;
    return black ? Layout::Black : Layout::Rgba;
}

int bytesPerPixel(Layout layout)
{
    switch (layout) {
    case Layout::Grey:
    case Layout::Black:
        return 1;
    case Layout::Rgb:
        return 3;
    case Layout::Rgba:
        break;
    }
    return 4;
}

// The row with its filter byte (0, none) in front, in the file's channel layout.
void packRow(const QRgb *line, int width, Layout layout, std::vector<unsigned char> &row)
{
    unsigned char *out = row.data();
    *out++ = 0;
    for (int x = 0; x < width; ++x) {
        if (layout == Layout::Black) {
            *out++ = static_cast<unsigned char>(qAlpha(line[x]));
            continue;
        }
        const QRgb pixel = layout == Layout::Rgba ? qUnpremultiply(line[x]) : line[x];
        if (layout == Layout::Grey) {
            *out++ = static_cast<unsigned char>(qRed(pixel));
            continue;
        }
        *out++ = static_cast<unsigned char>(qRed(pixel));
        *out++ = static_cast<unsigned char>(qGreen(pixel));
        *out++ = static_cast<unsigned char>(qBlue(pixel));
        if (layout == Layout::Rgba)
            *out++ = static_cast<unsigned char>(qAlpha(pixel));
    }
}

bool writeChunk(QIODevice &device, const char *type, const unsigned char *data, std::size_t size)
{
    std::array<unsigned char, 8> head {};
    qToBigEndian<quint32>(static_cast<quint32>(size), head.data());
    for (int i = 0; i < 4; ++i)
        head[4 + i] = static_cast<unsigned char>(type[i]);
    uLong crc = crc32(0, head.data() + 4, 4);
    // crc32() starts over when given no bytes at all.
    if (size > 0)
        crc = crc32(crc, data, static_cast<uInt>(size));
    std::array<unsigned char, 4> tail {};
    qToBigEndian<quint32>(static_cast<quint32>(crc), tail.data());
    const auto length = static_cast<qint64>(size);
    return device.write(reinterpret_cast<const char *>(head.data()), 8) == 8
        && (size == 0 || device.write(reinterpret_cast<const char *>(data), length) == length)
        && device.write(reinterpret_cast<const char *>(tail.data()), 4) == 4;
}

bool writeHeader(QIODevice &device, const QImage &image, Layout layout)
{
    static const char kSignature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
    std::array<unsigned char, 13> header {};
    qToBigEndian<quint32>(static_cast<quint32>(image.width()), header.data());
    qToBigEndian<quint32>(static_cast<quint32>(image.height()), header.data() + 4);
    header[8] = 8;
    // The PNG colour types of grey, RGB, RGBA and a palette.
    static const unsigned char kColourTypes[] = {0, 2, 6, 3};
    header[9] = kColourTypes[static_cast<int>(layout)];
    if (device.write(kSignature, 8) != 8
        || !writeChunk(device, "IHDR", header.data(), header.size()))
        return false;
    if (layout != Layout::Black)
        return true;
    // Entry i is black of opacity i.
    const std::array<unsigned char, 3 * 256> colours {};
    std::array<unsigned char, 256> opacities {};
    for (int i = 0; i < 256; ++i)
        opacities[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
    return writeChunk(device, "PLTE", colours.data(), colours.size())
        && writeChunk(device, "tRNS", opacities.data(), opacities.size());
}

// Deflates the rows into IDAT chunks of kChunkBytes.
bool writeRows(QIODevice &device, const QImage &image, Layout layout)
{
    const int channels = bytesPerPixel(layout);
    std::vector<unsigned char> row(1 + static_cast<std::size_t>(image.width()) * channels);
    std::vector<unsigned char> out(kChunkBytes);
    z_stream stream {};
    if (deflateInit2(&stream, 6, Z_DEFLATED, 15, 8, Z_RLE) != Z_OK)
        return false;
    bool ok = true;
    for (int y = 0; ok && y <= image.height(); ++y) {
        const bool last = y == image.height();
        if (!last)
            packRow(reinterpret_cast<const QRgb *>(image.constScanLine(y)), image.width(), layout,
                    row);
        stream.next_in = last ? nullptr : row.data();
        stream.avail_in = last ? 0 : static_cast<uInt>(row.size());
        int result = Z_OK;
        do {
            stream.next_out = out.data();
            stream.avail_out = static_cast<uInt>(out.size());
            result = deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
            const std::size_t produced = out.size() - stream.avail_out;
            if (result == Z_STREAM_ERROR
                || (produced > 0 && !writeChunk(device, "IDAT", out.data(), produced)))
                ok = false;
        } while (ok && (stream.avail_out == 0 || (last && result != Z_STREAM_END)));
    }
    deflateEnd(&stream);
    return ok;
}

} // namespace

bool writePng(QIODevice &device, const QImage &image)
{
    if (image.isNull())
        return false;
    const QImage pixels = image.format() == QImage::Format_ARGB32_Premultiplied
            || image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32
        ? image
        : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Unpremultiplying a straight-alpha image would be wrong; it is converted once instead.
    const QImage premultiplied = pixels.format() == QImage::Format_ARGB32
        ? pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        : pixels;
    const Layout layout = layoutOf(premultiplied);
    return writeHeader(device, premultiplied, layout) && writeRows(device, premultiplied, layout)
        && writeChunk(device, "IEND", nullptr, 0);
}
