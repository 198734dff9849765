// Image, PDF and SVG output of a scene, written atomically and reported on failure.
#include "export/DocumentExport.h"

#include "document/DocumentGraphicModel.h"
#include "export/BandRenderer.h"
#include "export/ExportProgress.h"
#include "export/InkPdfWriter.h"
#include "export/PngEncoder.h"
#include "settings/DialogService.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QGraphicsScene>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("DocumentExport", text);
}

void prepare(QPainter &painter)
{
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.resetTransform();
}

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

bool writeAtomically(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void reportFailure(const QString &text)
{
    dialogs().warning(nullptr, applicationTitle(), text);
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
            prepare(painter);
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
    prepare(painter);
    scene.render(&painter, QRectF(0, 0, width, height), source, Qt::KeepAspectRatio);
    painter.end();
    return image;
}

bool saveImage(QGraphicsScene &scene, const QString &fileName, const QRectF &source,
               const QString &formatName)
{
    ExportProgress progress(tr("Saving document as ") + formatName);
    const QImage image = renderImage(scene, source);
    progress.setValue(5);
    bool saved = false;
    if (!image.isNull() && !formatName.isEmpty()) {
        QSaveFile file(fileName);
        if (file.open(QIODevice::WriteOnly)) {
            const bool isPng = formatName.compare(QLatin1String("PNG"), Qt::CaseInsensitive) == 0;
            if (isPng) {
                // Lossless and compact without Qt's slow filtered compression.
                saved = writePng(file, image) && file.commit();
            } else {
                QImageWriter writer(&file, formatName.toLatin1());
                // Best quality: the highest JPEG quality.
                writer.setQuality(100);
                const bool isJpeg = formatName.startsWith(QLatin1String("JP"), Qt::CaseInsensitive);
                const QImage output = isJpeg ? image.convertToFormat(QImage::Format_RGB32)
                                             : compactForSaving(image);
                saved = writer.write(output) && file.commit();
            }
        }
    }
    progress.setValue(10);
    if (!saved)
        dialogs().warning(nullptr, QStringLiteral("eror"), tr("failed saving pixmap") + fileName);
    return saved;
}

bool savePdf(QGraphicsScene &scene, const QString &fileName, const QRectF &source)
{
    ExportProgress progress(tr("Saving document as PDF"));
    QByteArray pdf;
    const auto *model = dynamic_cast<DocumentGraphicModel *>(&scene);
    if (model && canWriteInkPdf(*model, source)) {
        progress.setValue(3);
        pdf = writeInkPdf(*model, source, QFileInfo(fileName).fileName(), applicationTitle());
    } else {
        pdf = qtPdf(scene, fileName, source, progress);
    }
    progress.setValue(8);
    const bool saved = !pdf.isEmpty() && writeAtomically(fileName, pdf);
    if (!saved)
        reportFailure(tr("Unable to save file") + QLatin1Char('\n')
                      + QDir::toNativeSeparators(fileName));
    return saved;
}

bool saveSvg(QGraphicsScene &scene, const QString &fileName, const QRectF &source)
{
    ExportProgress progress(tr("Saving document as SVG"));
    const int width = static_cast<int>(source.width());
    const int height = static_cast<int>(source.height());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool written = false;
    if (width > 0 && height > 0) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setFileName(QDir::toNativeSeparators(fileName));
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(width, height));
        generator.setViewBox(QRect(0, 0, width, height));
        // Ten units per millimetre: the declared size is the sheet's size.
        generator.setResolution(254);
        generator.setTitle(QDir::toNativeSeparators(fileName));
        progress.setValue(3);
        QPainter painter;
        if (painter.begin(&generator)) {
            prepare(painter);
            scene.render(&painter, QRectF(0, 0, width, height), source, Qt::KeepAspectRatio);
            written = painter.end();
        }
    }
    progress.setValue(8);
    const bool saved = written && buffer.size() > 0 && writeAtomically(fileName, buffer.data());
    if (!saved)
        reportFailure(tr("Unable to save file") + QLatin1Char('\n')
                      + QDir::toNativeSeparators(fileName));
    return saved;
}
