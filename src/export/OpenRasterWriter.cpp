// The layer images of a model, the stack that orders them, and the zip archive around them.
#include "export/OpenRasterWriter.h"

#include "document/DocumentGraphicModel.h"
#include "document/GraphicsItemsGroup.h"
#include "export/DocumentExport.h"
#include "export/ExportProgress.h"
#include "export/ExportSupport.h"
#include "export/PngEncoder.h"
#include "export/SketchLayers.h"
#include "settings/AtomicSaveFile.h"
#include "settings/DialogService.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <deque>
#include <future>
#include <vector>
#include <zip.h>

namespace {

constexpr int kThumbnailSide = 256;

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(OpenRasterWriter)
};

struct Entry
{
    QByteArray name;
    QByteArray data;
    bool compressed;
};

QString zipReason(zip_error_t *error)
{
    return QString::fromUtf8(zip_error_strerror(error));
}

// What a closed archive wrote into its memory source.
QByteArray writtenBytes(zip_source_t *memory, QString &reason)
{
    if (zip_source_open(memory) < 0) {
        reason = zipReason(zip_source_error(memory));
        return {};
    }
    QByteArray bytes;
    zip_int64_t size = -1;
    if (zip_source_seek(memory, 0, SEEK_END) == 0)
        size = zip_source_tell(memory);
    if (size >= 0 && zip_source_seek(memory, 0, SEEK_SET) == 0) {
        bytes.resize(static_cast<qsizetype>(size));
        if (zip_source_read(memory, bytes.data(), static_cast<zip_uint64_t>(size)) != size)
            bytes.clear();
    }
    if (bytes.isEmpty())
        reason = zipReason(zip_source_error(memory));
    zip_source_close(memory);
    return bytes;
}

// The archive's bytes, built in memory; the entries in their order, each stored or deflated.
QByteArray zipArchive(const std::vector<Entry> &entries, QString &reason)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *memory = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *archive = memory ? zip_open_from_source(memory, ZIP_TRUNCATE, &error) : nullptr;
    if (!archive) {
        reason = zipReason(&error);
        zip_source_free(memory);
        zip_error_fini(&error);
        return {};
    }
    // The archive lets go of its source when it closes; the bytes are read from it after.
    zip_source_keep(memory);
    bool added = true;
    for (const Entry &entry : entries) {
        zip_source_t *data = zip_source_buffer(archive, entry.data.constData(),
                                               static_cast<zip_uint64_t>(entry.data.size()), 0);
        const zip_int64_t index
            = data ? zip_file_add(archive, entry.name.constData(), data, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(data);
            added = false;
            break;
        }
        // PNG images are compressed already: deflating them again costs time and saves nothing.
        if (zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                     entry.compressed ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0)
            < 0) {
            added = false;
            break;
        }
    }
    QByteArray bytes;
    if (!added || zip_close(archive) < 0) {
        reason = QString::fromUtf8(zip_strerror(archive));
        zip_discard(archive);
    } else {
        bytes = writtenBytes(memory, reason);
    }
    zip_source_free(memory);
    zip_error_fini(&error);
    return bytes;
}

QByteArray pngBytes(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return writePng(buffer, image) ? buffer.data() : QByteArray();
}

QByteArray layerFile(int index)
{
    return "data/layer" + QByteArray::number(index + 1) + ".png";
}

// Readers stack the first layer listed on top.
QByteArray stackXml(const QSize &size, const QList<GraphicsItemsGroup *> &groups,
                    const SketchLayers &names)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<image version=\"0.0.5\" w=\""
        + QByteArray::number(size.width()) + "\" h=\"" + QByteArray::number(size.height())
        + "\" xres=\"254\" yres=\"254\">\n <stack>\n";
    for (qsizetype i = groups.size() - 1; i >= 0; --i) {
        const int index = static_cast<int>(i);
        const QString name = index < names.layerNames.size() ? names.layerNames[index] : QString();
        xml += "  <layer name=\"" + xmlEscaped(name) + "\" src=\"" + layerFile(index)
            + "\" x=\"0\" y=\"0\" visibility=\""
            + (groups[index]->isLayerVisible() ? "visible" : "hidden")
            + "\" opacity=\"1.0\" composite-op=\"svg:src-over\"/>\n";
    }
    return xml + " </stack>\n</image>\n";
}

// Encodes the pictures on other threads while the next is drawn, a few at a time: each
// waiting picture holds a page of pixels.
class Encoder
{
public:
    void add(QByteArray name, const QImage &image)
    {
        if (m_pending.size() >= kEncodingAtOnce)
            finishOldest();
        m_pending.push_back(
            {std::move(name), std::async(std::launch::async, [image] { return pngBytes(image); })});
    }
    /// The entries in the order added; empty when one picture could not be encoded.
    std::vector<Entry> finish()
    {
        while (!m_pending.empty())
            finishOldest();
        return m_failed ? std::vector<Entry>() : std::move(m_done);
    }

private:
    static constexpr std::size_t kEncodingAtOnce = 2;
    struct Pending
    {
        QByteArray name;
        std::future<QByteArray> png;
    };
    void finishOldest()
    {
        Pending &oldest = m_pending.front();
        QByteArray png = oldest.png.get();
        m_failed = m_failed || png.isEmpty();
        m_done.push_back({std::move(oldest.name), std::move(png), false});
        m_pending.pop_front();
    }

    std::deque<Pending> m_pending;
    std::vector<Entry> m_done;
    bool m_failed = false;
};

// The entries of the archive but the first two; empty with the reason when one failed.
std::vector<Entry> renderLayers(DocumentGraphicModel &model, const QRectF &source,
                                ExportProgress &progress, QString &reason)
{
    const QSize size(static_cast<int>(source.width()), static_cast<int>(source.height()));
    QImage merged(size, QImage::Format_ARGB32_Premultiplied);
    if (size.isEmpty() || merged.isNull()) {
        reason = Texts::tr("The picture is empty or too large to be made.");
        return {};
    }
    merged.fill(Qt::transparent);
    Encoder encoder;
    QPainter composer(&merged);
    const QList<GraphicsItemsGroup *> &groups = model.groups();
    for (int i = 0; i < groups.size(); ++i) {
        const bool shown = groups[i]->isLayerVisible();
        const QImage layer = renderLayerAlone(model, i, source);
        if (layer.isNull()) {
            reason = Texts::tr("The picture is empty or too large to be made.");
            return {};
        }
        encoder.add(layerFile(i), layer);
        // Source-over composition is what the drawing of all layers at once does, so the
        // merged image equals the visible layers rendered together.
        if (shown)
            composer.drawImage(0, 0, layer);
        progress.setValue(1 + 7 * (i + 1) / static_cast<int>(groups.size()));
    }
    composer.end();
    encoder.add("mergedimage.png", merged);
    encoder.add("Thumbnails/thumbnail.png",
                merged.width() <= kThumbnailSide && merged.height() <= kThumbnailSide
                    ? merged
                    : merged.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio,
                                    Qt::SmoothTransformation));
    std::vector<Entry> entries = encoder.finish();
    if (entries.empty())
        reason = Texts::tr("A picture could not be encoded.");
    return entries;
}

} // namespace

bool saveOpenRaster(DocumentGraphicModel &model, const QString &fileName, const QRectF &source,
                    const SketchLayers &names)
{
    ExportProgress progress(Texts::tr("Saving document as OpenRaster"));
    QString reason;
    std::vector<Entry> entries {
        {"mimetype", "image/openraster", false},
        {"stack.xml",
         stackXml(QSize(static_cast<int>(source.width()), static_cast<int>(source.height())),
                  model.groups(), names),
         true},
    };
    std::vector<Entry> layers = renderLayers(model, source, progress, reason);
    QByteArray archive;
    if (!layers.empty()) {
        entries.insert(entries.end(), std::make_move_iterator(layers.begin()),
                       std::make_move_iterator(layers.end()));
        archive = zipArchive(entries, reason);
    }
    progress.setValue(9);
    const bool saved = !archive.isEmpty() && saveBytesAtomically(fileName, archive, &reason);
    if (!saved)
        reportExportFailure(applicationTitle(), Texts::tr("Unable to save file"), fileName, reason);
    return saved;
}
