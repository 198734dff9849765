// The file dialog of "Save as Different Format", the choice of writer, and printing.
#include "export/OtherFormats.h"

#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "export/DocumentExport.h"
#include "export/ExportProgress.h"
#include "export/ExportSupport.h"
#include "export/FileNameQuestion.h"
#include "export/PrinterService.h"
#include "export/SketchLayers.h"
#include "settings/DialogService.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include <array>

namespace {

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(OtherFormats)
};

// Marked here, translated where it is shown.
const char kFilters[] = QT_TRANSLATE_NOOP("OtherFormats",
                                          "PNG file (*.png);; JPEG file (*.jpg);; PDF file "
                                          "(*.pdf);; SVG file (*.svg );; BMP file (*.bmp);; TIFF "
                                          "file (*.tiff)");

enum class Writer { Image, Pdf, Svg };

struct Format
{
    const char *suffix;
    Writer writer;
};

constexpr std::array kFormats {
    Format {"png", Writer::Image}, Format {"jpg", Writer::Image},  Format {"jpeg", Writer::Image},
    Format {"pdf", Writer::Pdf},   Format {"svg", Writer::Svg},    Format {"bmp", Writer::Image},
    Format {"tif", Writer::Image}, Format {"tiff", Writer::Image},
};

const Format *formatOf(const QString &suffix)
{
    for (const Format &format : kFormats) {
        if (suffix.compare(QLatin1String(format.suffix), Qt::CaseInsensitive) == 0)
            return &format;
    }
    return nullptr;
}

QString writableSuffixes()
{
    QStringList suffixes;
    for (const Format &format : kFormats)
        suffixes << QLatin1Char('.') + QLatin1String(format.suffix);
    return suffixes.join(QLatin1String(", "));
}

// Empty when the page went to the printer, else why not. The progress dialog is gone before
// anything is said about it.
QString printPage(QPrinter &printer, DocumentGraphicModel &model)
{
    ExportProgress progress(Texts::tr("Printing Sketch"));
    // After the printer is chosen: choosing one brings its own defaults.
    printer.setResolution(200);
    printer.setPageSize(QPageSize(QPageSize::A4));
    progress.setValue(3);
    QPainter painter;
    if (!painter.begin(&printer))
        return Texts::tr("The printer could not be started; nothing was printed.");
    prepareExportPainter(painter);
    model.render(&painter, QRectF(), model.sceneRect(), Qt::KeepAspectRatio);
    progress.setValue(8);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return Texts::tr("The sketch could not be sent to the printer.");
    return {};
}

} // namespace

bool saveAsOtherFormat(const DocumentMetaData &metadata)
{
    if (!metadata.model())
        return false;
    QWidget *window = QApplication::activeWindow();
    const QString fileName
        = askFileNameToWrite(window, Texts::tr("Save document as "),
                             proposedFileName(metadata.path()), Texts::tr(kFilters));
    if (fileName.isEmpty())
        return false;
    const QString suffix = QFileInfo(fileName).suffix();
    const Format *format = formatOf(suffix);
    if (!format) {
        dialogs().warning(
            window, Texts::tr("Invlaid extension"),
            Texts::tr("%1 was not saved: \"%2\" is not a format that can be written.\n"
                      "End the file name in one of %3.")
                .arg(fileName, suffix, writableSuffixes()));
        return false;
    }
    DocumentGraphicModel &model = *metadata.model();
    const QRectF source = model.pageRect();
    switch (format->writer) {
    case Writer::Pdf:
        return savePdf(model, fileName, source);
    case Writer::Svg:
        return saveSvg(model, fileName, source, sketchLayersOf(metadata));
    case Writer::Image:
        break;
    }
    return saveImage(model, fileName, source, suffix.toUpper());
}

bool printDocument(const DocumentMetaData &metadata)
{
    if (!metadata.model())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::NativeFormat);
    QString failure;
    switch (printers().direct(printer)) {
    case PrinterService::Target::NoPrinter:
        failure = Texts::tr("No printer is installed.");
        break;
    case PrinterService::Target::NoDefaultPrinter:
        failure = Texts::tr("There is no default printer.");
        break;
    case PrinterService::Target::Ready:
        failure = printPage(printer, *metadata.model());
        break;
    }
    if (failure.isEmpty())
        return true;
    dialogs().warning(QApplication::activeWindow(), applicationTitle(), failure);
    return false;
}
