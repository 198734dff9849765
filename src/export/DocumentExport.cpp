// Image, PDF and SVG output of a scene, written atomically and reported on failure.
#include "export/DocumentExport.h"

#include "document/DocumentGraphicModel.h"
#include "export/BandRenderer.h"
#include "export/ExportProgress.h"
#include "export/ExportSupport.h"
#include "export/InkPdfWriter.h"
#include "export/LayeredSvg.h"
#include "export/PngEncoder.h"
#include "export/SketchLayers.h"
#include "settings/AtomicSaveFile.h"
#include "settings/DialogService.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DocumentExport)
};

// An opaque image whose pixels are all grey is stored with one channel: the same picture
// in a third of the bytes, and much faster to compress.
QImage compactForSaving(const QImage &image)
{
    const int width = image.width();
    bool grey = true;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) != 255)
                return image;
            grey = grey && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
        }
    }
    if (!grey)
        return image.convertToFormat(QImage::Format_RGB888);
    // Qt's own conversion to grey goes through colour management: many times slower.
    QImage compact(image.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uchar *out = compact.scanLine(y);
        for (int x = 0; x < width; ++x)
            out[x] = static_cast<uchar>(qRed(line[x]));
    }
    return compact;
}

// The scene drawn by Qt's PDF engine: for anything the ink writer does not cover.
QByteArray qtPdf(QGraphicsScene &scene, const QString &fileName, const QRectF &source,
                 ExportProgress &progress)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool written = false;
    {
        QPdfWriter writer(&buffer);
        // A fine device grid: outlines are written on whole device units.
        writer.setResolution(1200);
        writer.setCreator(applicationTitle());
        writer.setTitle(QFileInfo(fileName).fileName());
        // The page rectangle is in tenths of a millimetre.
        writer.setPageSize(QPageSize(QSizeF(source.width() / 10.0, source.height() / 10.0),
                                     QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        progress.setValue(3);
        QPainter painter;
        if (painter.begin(&writer)) {
            prepareExportPainter(painter);
            const QRect page = painter.viewport();
            scene.render(&painter, QRectF(page), source, Qt::KeepAspectRatio);
            written = painter.end();
        }
    }
    return written ? buffer.data() : QByteArray();
}

} // namespace

QImage renderImage(QGraphicsScene &scene, const QRectF &source)
{
    const int width = static_cast<int>(source.width());
    const int height = static_cast<int>(source.height());
    if (width <= 0 || height <= 0)
        return QImage();
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    auto *model = dynamic_cast<DocumentGraphicModel *>(&scene);
    if (model && renderInBands(*model, source, image))
        return image;
    QPainter painter(&image);
    prepareExportPainter(painter);
    scene.render(&painter, QRectF(0, 0, width, height), source, Qt::KeepAspectRatio);
    painter.end();
    return image;
}

QImage onWhite(const QImage &image)
{
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    painter.end();
    return opaque;
}

bool saveImage(QGraphicsScene &scene, const QString &fileName, const QRectF &source,
               const QString &formatName)
{
    ExportProgress progress(Texts::tr("Saving document as ") + formatName);
    const QImage image = renderImage(scene, source);
    progress.setValue(5);
    QString reason;
    bool saved = false;
    if (formatName.isEmpty()) {
        reason = Texts::tr("The file name has no suffix that names an image format.");
    } else if (image.isNull()) {
        reason = Texts::tr("The image is too large to be made.");
    } else if (formatName.compare(QLatin1String("PNG"), Qt::CaseInsensitive) == 0) {
        // Lossless and compact without Qt's slow filtered compression.
        AtomicSaveFile file(fileName);
        saved = file.open(QIODevice::WriteOnly) && writePng(file, image) && file.commit();
        if (!saved) {
            reason = file.reason();
            file.cancelWriting();
        }
    } else {
        // Some encoders (TIFF) move about in their output: encode in memory first.
        QBuffer encoded;
        encoded.open(QIODevice::WriteOnly);
        QImageWriter writer(&encoded, formatName.toLatin1());
        // Best quality: the highest JPEG quality.
        writer.setQuality(100);
        const bool isJpeg = formatName.startsWith(QLatin1String("JP"), Qt::CaseInsensitive);
        const bool hasAlpha
            = !isJpeg && formatName.compare(QLatin1String("BMP"), Qt::CaseInsensitive) != 0;
        const QImage output = compactForSaving(hasAlpha ? image : onWhite(image));
        if (!writer.write(output))
            reason = writer.errorString();
        else
            saved = saveBytesAtomically(fileName, encoded.data(), &reason);
    }
    progress.setValue(10);
    if (!saved)
        reportExportFailure(QStringLiteral("eror"), Texts::tr("failed saving pixmap"), fileName,
                            reason);
    return saved;
}

bool savePdf(QGraphicsScene &scene, const QString &fileName, const QRectF &source)
{
    ExportProgress progress(Texts::tr("Saving document as PDF"));
    QByteArray pdf;
    const auto *model = dynamic_cast<DocumentGraphicModel *>(&scene);
    if (model && canWriteInkPdf(*model, source)) {
        progress.setValue(3);
        pdf = writeInkPdf(*model, source, QFileInfo(fileName).fileName(), applicationTitle());
    } else {
        pdf = qtPdf(scene, fileName, source, progress);
    }
    progress.setValue(8);
    QString reason = pdf.isEmpty() ? Texts::tr("The PDF could not be made.") : QString();
    const bool saved = !pdf.isEmpty() && saveBytesAtomically(fileName, pdf, &reason);
    if (!saved)
        reportExportFailure(applicationTitle(), Texts::tr("Unable to save file"), fileName, reason);
    return saved;
}

bool saveSvg(QGraphicsScene &scene, const QString &fileName, const QRectF &source,
             const SketchLayers &names)
{
    ExportProgress progress(Texts::tr("Saving document as SVG"));
    progress.setValue(3);
    const QByteArray svg = layeredSvg(scene, source, names);
    progress.setValue(8);
    QString reason = svg.isEmpty() ? Texts::tr("The SVG could not be made.") : QString();
    const bool saved = !svg.isEmpty() && saveBytesAtomically(fileName, svg, &reason);
    if (!saved)
        reportExportFailure(applicationTitle(), Texts::tr("Unable to save file"), fileName, reason);
    return saved;
}

bool saveSvg(QGraphicsScene &scene, const QString &fileName, const QRectF &source)
{
    const auto *model = dynamic_cast<const DocumentGraphicModel *>(&scene);
    const SketchLayers names = model ? sketchLayersOf(*model, fileName)
                                     : SketchLayers {QFileInfo(fileName).completeBaseName(), {}};
    return saveSvg(scene, fileName, source, names);
}
