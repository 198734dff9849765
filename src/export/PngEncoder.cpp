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

enum class Layout { Grey, Rgb, Rgba };

constexpr std::size_t kChunkBytes = 256 * 1024;

Layout layoutOf(const QImage &image)
{
    bool grey = true;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) != 255)
                return Layout::Rgba;
            grey = grey && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
        }
    }
    return grey ? Layout::Grey : Layout::Rgb;
}

// The row with its filter byte (0, none) in front, in the file's channel layout.
void packRow(const QRgb *line, int width, Layout layout, std::vector<unsigned char> &row)
{
    unsigned char *out = row.data();
    *out++ = 0;
    for (int x = 0; x < width; ++x) {
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
    header[9] = layout == Layout::Grey ? 0 : layout == Layout::Rgb ? 2 : 6;
    return device.write(kSignature, 8) == 8
        && writeChunk(device, "IHDR", header.data(), header.size());
}

// Deflates the rows into IDAT chunks of kChunkBytes.
bool writeRows(QIODevice &device, const QImage &image, Layout layout)
{
    const int channels = layout == Layout::Grey ? 1 : layout == Layout::Rgb ? 3 : 4;
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
