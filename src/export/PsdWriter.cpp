// The layer records, run-length coded channels and composite of a layered Photoshop file.
#include "export/PsdWriter.h"

#include "document/DocumentGraphicModel.h"
#include "document/GraphicsItemsGroup.h"
#include "export/DocumentExport.h"
#include "export/ExportProgress.h"
#include "export/ExportSupport.h"
#include "export/SketchLayers.h"
#include "settings/AtomicSaveFile.h"
#include "settings/DialogService.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Version-1 files hold no wider or taller picture.
constexpr int kLargestSide = 30000;
constexpr quint32 kResolutionDpi = 254;
constexpr int kResolutionInfo = 0x03ED;
constexpr int kRgbMode = 3;
constexpr int kRunLengthCompression = 1;
// Readers hide a layer with this flag set and show it without.
constexpr char kHiddenFlag = 0x02;
// Transparency, red, green, blue: the channel id and where the byte sits in a QRgb.
constexpr std::array<int, 4> kChannelIds = {-1, 0, 1, 2};
constexpr std::array<int, 4> kChannelShifts = {24, 16, 8, 0};

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PsdWriter)
};

void put8(QByteArray &out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
}

void put16(QByteArray &out, int value)
{
    put8(out, value >> 8);
    put8(out, value);
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, static_cast<int>(value >> 16));
    put16(out, static_cast<int>(value & 0xFFFF));
}

void padTo(QByteArray &out, qsizetype multiple)
{
    while (out.size() % multiple != 0)
        put8(out, 0);
}

// Run-length coded rows: the byte count of each row, then the rows one after another.
struct PackedRows
{
    QByteArray counts;
    QByteArray rows;
};

// Appends one channel of the whole 32-bit image to the rows.
void packChannel(const QImage &image, int shift, PackedRows &packed)
{
    QByteArray row(image.width(), Qt::Uninitialized);
    for (int y = 0; y < image.height(); ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = static_cast<char>((pixels[x] >> shift) & 0xFF);
        const qsizetype before = packed.rows.size();
        appendPackBits(packed.rows, row);
        put16(packed.counts, static_cast<int>(packed.rows.size() - before));
    }
}

QByteArray compressedChannels(const PackedRows &packed)
{
    QByteArray data;
    put16(data, kRunLengthCompression);
    return data + packed.counts + packed.rows;
}

// The smallest rectangle holding every pixel with any coverage; empty without ink.
QRect inkBox(const QImage &image)
{
    int left = image.width(), right = -1, top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        int first = 0;
        while (first < image.width() && qAlpha(pixels[first]) == 0)
            ++first;
        if (first == image.width())
            continue;
        int last = image.width() - 1;
        while (qAlpha(pixels[last]) == 0)
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
        top = top < 0 ? y : top;
        bottom = y;
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

struct Layer
{
    QRect box;
    bool visible;
    std::array<QByteArray, 4> channels;
};

// The layer's ink, unpremultiplied as the file keeps colours, one channel at a time.
Layer packedLayer(const QImage &rendered, bool visible)
{
    Layer layer {inkBox(rendered), visible, {}};
    // An empty rectangle would copy the whole picture.
    const QImage ink = layer.box.isEmpty()
        ? QImage()
        : rendered.copy(layer.box).convertToFormat(QImage::Format_ARGB32);
    for (std::size_t c = 0; c < kChannelIds.size(); ++c) {
        PackedRows packed;
        packChannel(ink, kChannelShifts[c], packed);
        layer.channels[c] = compressedChannels(packed);
    }
    return layer;
}

// UTF-8 cut to whole characters within the 255 bytes a byte string holds.
QByteArray legacyName(const QString &name)
{
    QByteArray bytes = name.toUtf8();
    if (bytes.size() <= 255)
        return bytes;
    qsizetype cut = 255;
    while (cut > 0 && (static_cast<uchar>(bytes[cut]) & 0xC0) == 0x80)
        --cut;
    bytes.truncate(cut);
    return bytes;
}

// The name as a byte string and again as UTF-16 in a Unicode name block, which readers
// prefer.
QByteArray layerNames(const QString &name)
{
    const QByteArray bytes = legacyName(name);
    QByteArray names;
    put8(names, static_cast<int>(bytes.size()));
    names += bytes;
    padTo(names, 4);
    QByteArray unicode;
    put32(unicode, static_cast<quint32>(name.size()));
    for (const QChar c : name)
        put16(unicode, c.unicode());
    names += "8BIMluni";
    put32(names, static_cast<quint32>(unicode.size()));
    return names + unicode;
}

QByteArray layerRecord(const Layer &layer, const QString &name)
{
    QByteArray record;
    const QRect &box = layer.box;
    put32(record, static_cast<quint32>(box.top()));
    put32(record, static_cast<quint32>(box.left()));
    put32(record, static_cast<quint32>(box.isEmpty() ? box.top() : box.bottom() + 1));
    put32(record, static_cast<quint32>(box.isEmpty() ? box.left() : box.right() + 1));
    put16(record, static_cast<int>(kChannelIds.size()));
    for (std::size_t c = 0; c < kChannelIds.size(); ++c) {
        put16(record, kChannelIds[c]);
        put32(record, static_cast<quint32>(layer.channels[c].size()));
    }
    record += "8BIMnorm";
    put8(record, 255); // opacity
    put8(record, 0);   // clipping: base
    put8(record, layer.visible ? 0 : kHiddenFlag);
    put8(record, 0);
    // No mask and no blending ranges, each an empty block.
    QByteArray extra(8, '\0');
    extra += layerNames(name);
    put32(record, static_cast<quint32>(extra.size()));
    return record + extra;
}

// The layer and mask section: the records bottom layer first, then their channels.
QByteArray layerSection(const std::vector<Layer> &layers, const SketchLayers &names)
{
    QByteArray info;
    put16(info, static_cast<int>(layers.size()));
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const qsizetype index = static_cast<qsizetype>(i);
        info += layerRecord(layers[i],
                            index < names.layerNames.size() ? names.layerNames[index] : QString());
    }
    for (const Layer &layer : layers)
        for (const QByteArray &channel : layer.channels)
            info += channel;
    padTo(info, 4);
    QByteArray section;
    put32(section, static_cast<quint32>(4 + info.size() + 4));
    put32(section, static_cast<quint32>(info.size()));
    section += info;
    put32(section, 0); // no global layer mask
    return section;
}

QByteArray headerAndResources(const QSize &size)
{
    QByteArray head = "8BPS";
    put16(head, 1);
    head += QByteArray(6, '\0');
    put16(head, 3);
    put32(head, static_cast<quint32>(size.height()));
    put32(head, static_cast<quint32>(size.width()));
    put16(head, 8);
    put16(head, kRgbMode);
    put32(head, 0); // no colour mode data
    // Pixels per inch, sizes shown in centimetres, across and down.
    QByteArray resolution;
    for (int axis = 0; axis < 2; ++axis) {
        put32(resolution, kResolutionDpi << 16);
        put16(resolution, 1);
        put16(resolution, 2);
    }
    QByteArray resource = "8BIM";
    put16(resource, kResolutionInfo);
    put16(resource, 0); // no name, padded to an even length
    put32(resource, static_cast<quint32>(resolution.size()));
    resource += resolution;
    put32(head, static_cast<quint32>(resource.size()));
    return head + resource;
}

// The whole file; empty with the reason when a picture could not be made.
QByteArray psdBytes(DocumentGraphicModel &model, const QRectF &source, const SketchLayers &names,
                    ExportProgress &progress, QString &reason)
{
    const QSize size(static_cast<int>(source.width()), static_cast<int>(source.height()));
    QImage composite;
    if (!size.isEmpty() && size.width() <= kLargestSide && size.height() <= kLargestSide)
        composite = QImage(size, QImage::Format_RGB32);
    if (composite.isNull()) {
        reason = Texts::tr("The picture is empty or too large to be made.");
        return {};
    }
    composite.fill(Qt::white);
    QPainter composer(&composite);
    std::vector<Layer> layers;
    const QList<GraphicsItemsGroup *> &groups = model.groups();
    for (int i = 0; i < groups.size(); ++i) {
        const QImage rendered = renderLayerAlone(model, i, source);
        if (rendered.isNull()) {
            reason = Texts::tr("The picture is empty or too large to be made.");
            return {};
        }
        const bool shown = groups[i]->isLayerVisible();
        layers.push_back(packedLayer(rendered, shown));
        if (shown)
            composer.drawImage(0, 0, rendered);
        progress.setValue(1 + 7 * (i + 1) / static_cast<int>(groups.size()));
    }
    composer.end();
    // The composite's rows go plane by plane, all byte counts ahead of all rows.
    PackedRows planes;
    for (std::size_t c = 1; c < kChannelShifts.size(); ++c)
        packChannel(composite, kChannelShifts[c], planes);
    progress.setValue(9);
    return headerAndResources(size) + layerSection(layers, names) + compressedChannels(planes);
}

} // namespace

void appendPackBits(QByteArray &out, QByteArrayView bytes)
{
    const qsizetype count = bytes.size();
    qsizetype i = 0;
    while (i < count) {
        qsizetype run = 1;
        while (i + run < count && run < 128 && bytes[i + run] == bytes[i])
            ++run;
        if (run >= 2) {
            put8(out, static_cast<int>(1 - run));
            out.append(bytes[i]);
            i += run;
            continue;
        }
        // A literal stops where two equal bytes begin a run.
        const qsizetype start = i;
        while (i < count && i - start < 128 && !(i + 1 < count && bytes[i] == bytes[i + 1]))
            ++i;
        put8(out, static_cast<int>(i - start - 1));
        out.append(bytes.sliced(start, i - start));
    }
}

bool saveLayeredPsd(DocumentGraphicModel &model, const QString &fileName, const QRectF &source,
                    const SketchLayers &names)
{
    ExportProgress progress(Texts::tr("Saving document as Photoshop image"));
    QString reason;
    const QByteArray bytes = psdBytes(model, source, names, progress, reason);
    const bool saved = !bytes.isEmpty() && saveBytesAtomically(fileName, bytes, &reason);
    if (!saved)
        reportExportFailure(applicationTitle(), Texts::tr("Unable to save file"), fileName, reason);
    return saved;
}
