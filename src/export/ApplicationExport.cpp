// The Photoshop layer images and the saved documents handed to drawing applications.
#include "export/ApplicationExport.h"

#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "export/DocumentExport.h"
#include "export/ExportProgress.h"
#include "export/OpenRasterWriter.h"
#include "export/PngEncoder.h"
#include "export/PsdWriter.h"
#include "export/SketchLayers.h"
#include "ink/DocumentSerializer.h"
#include "settings/AtomicSaveFile.h"
#include "settings/DataFiles.h"
#include "settings/DesktopServices.h"
#include "settings/DialogService.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <memory>

namespace {

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ApplicationExport)
};

void sayFailure(const QString &text)
{
    dialogs().warning(QApplication::activeWindow(), applicationTitle(), text);
}

bool writeImage(const QString &fileName, const QImage &image, QString *reason)
{
    if (image.isNull()) {
        *reason = Texts::tr("The image is too large to be made.");
        return false;
    }
    AtomicSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && writePng(file, image) && file.commit())
        return true;
    *reason = file.reason();
    file.cancelWriting();
    return false;
}

/// Writes the layer images, each layer alone without the page, the page's size.
bool writeLayerImages(const DocumentMetaData &metadata, const QString &folder,
                      ExportProgress &progress, QString *failure)
{
    DocumentGraphicModel &model = *metadata.model();
    // The page's rectangle, whether or not the page was shown: the same images from the
    // editor and from a thumbnail.
    const QRectF source = model.pageRect();
    QImage background(source.size().toSize(), QImage::Format_RGB32);
    background.fill(Qt::white);
    QString reason;
    bool written = writeImage(folder + QStringLiteral("/background.png"), background, &reason);
    progress.setValue(1);
    const int layers = static_cast<int>(model.groups().size());
    for (int i = 0; written && i < layers; ++i) {
        written = writeImage(QStringLiteral("%1/%2.png").arg(folder).arg(i),
                             renderLayerAlone(model, i, source), &reason);
        progress.setValue(i + 2);
    }
    if (!written)
        *failure = reason;
    return written;
}

QString photoshopScript(const QString &programFolder)
{
    // In the program's support folder, beside it or where an installation puts it.
    const QString script
        = findDataFile(QStringLiteral("support/ExecuteJavaScript.vbs"), programFolder);
    return QFileInfo::exists(script) ? script : QString();
}

/// Starts the application on file: its launch command, else the desktop's handler.
bool startWith(const InstalledApp &application, const QString &file)
{
    if (application.program.isEmpty())
        return desktop().openUrl(QUrl::fromLocalFile(file));
    const LaunchCommand command = launchCommand(application, file);
    return desktop().startDetached(command.program, command.arguments);
}

QString folderFailure(const QString &temporary)
{
    return Texts::tr("The sketch cannot be exported: no folder can be made in %1.")
        .arg(QDir::toNativeSeparators(temporary));
}

} // namespace

ExportPlaces ExportPlaces::ofSystem()
{
    return {QDir::tempPath(), QDir::homePath(), QCoreApplication::applicationDirPath()};
}

QString exportStamp(const QDateTime &time)
{
    return time.toString(QStringLiteral("ddMMyyyyhhmmsszzz"));
}

QString makeExportFolder(const QString &temporary, const QDateTime &time)
{
    const QString stamp = QDir(temporary).filePath(exportStamp(time));
    QDir root(temporary);
    // mkdir fails on an existing folder: the first name that is made is this export's own.
    for (int count = 1; count < 1000; ++count) {
        const QString folder = count == 1 ? stamp : stamp + QStringLiteral("_%1").arg(count);
        if (!QFileInfo::exists(folder) && root.mkdir(folder))
            return QDir::toNativeSeparators(folder);
        if (!root.exists())
            return {};
    }
    return {};
}

bool exportToPhotoshop(const DocumentMetaData &metadata, const InstalledApp &photoshop,
                       const ExportPlaces &places)
{
    DocumentGraphicModel *model = metadata.model().get();
    if (!model)
        return false;
    ExportProgress progress(Texts::tr("Exporting document to Photoshop"));
    const int layers = static_cast<int>(model->groups().size());
    if (layers > 7)
        progress.setMaximum(layers + 8);
    const QString folder = makeExportFolder(places.temporary, QDateTime::currentDateTime());
    if (folder.isEmpty()) {
        sayFailure(folderFailure(places.temporary));
        return false;
    }
    QString reason;
    const QString list = QDir::toNativeSeparators(places.home + QStringLiteral("/temppics.adob"));
    if (!saveBytesAtomically(list, QDir::toNativeSeparators(folder).toLocal8Bit() + '\n', &reason)
        || !saveBytesAtomically(
            folder + QStringLiteral("/layers.txt"),
            (sketchLayersOf(metadata).layerNames.join(QLatin1Char('\n')) + '\n').toUtf8(), &reason)
        || !writeLayerImages(metadata, folder, progress, &reason)) {
        sayFailure(Texts::tr("The sketch cannot be exported to Photoshop:") + QLatin1Char('\n')
                   + reason);
        return false;
    }
    progress.setLabel(Texts::tr("Launching Adobe Script..."));
    const QString script = photoshopScript(places.programFolder);
    if (script.isEmpty() || !startWith(photoshop, script)) {
        sayFailure(
            Texts::tr("Photoshop cannot be started: the script %1 %2.")
                .arg(QDir::toNativeSeparators(places.programFolder
                                              + QStringLiteral("/ExecuteJavaScript.vbs")),
                     script.isEmpty() ? Texts::tr("is missing") : Texts::tr("did not start")));
        return false;
    }
    return true;
}

bool saveForExport(const DocumentMetaData &metadata, QString fileName)
{
    if (!metadata.document())
        return false;
    if (!fileName.endsWith(QLatin1String(".vmr"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".vmr");
    ExportProgress progress(Texts::tr("Exporting document"));
    progress.setMaximum(8);
    const std::unique_ptr<Nivo::Document> seen = metadata.createDocumentAsSeen();
    progress.setValue(4);
    Nivo::DocumentSerializer serializer(seen.get());
    const bool saved = serializer.saveFile(QDir::toNativeSeparators(fileName).toStdWString(),
                                           metadata.definitions() ? *metadata.definitions()
                                                                  : Nivo::InkMLDefinitions());
    progress.setValue(8);
    if (!saved)
        sayFailure(Texts::tr("The sketch cannot be exported: %1 cannot be written.")
                       .arg(QDir::toNativeSeparators(fileName)));
    return saved;
}

bool exportToApplication(const DocumentMetaData &metadata, const InstalledApp &application,
                         const ExportPlaces &places)
{
    if (application.handOff == HandOff::PhotoshopLayers)
        return exportToPhotoshop(metadata, application, places);
    DocumentGraphicModel *model = metadata.model().get();
    if (!model)
        return false;
    const QString folder = makeExportFolder(places.temporary, QDateTime::currentDateTime());
    if (folder.isEmpty()) {
        sayFailure(folderFailure(places.temporary));
        return false;
    }
    const QFileInfo sketch(metadata.path());
    const QString named = QDir::toNativeSeparators(folder + QLatin1Char('/'));
    QString file;
    bool written = false;
    switch (application.handOff) {
    case HandOff::OpenRaster:
        file = named + sketch.completeBaseName() + QStringLiteral(".ora");
        written = saveOpenRaster(*model, file, model->pageRect(), sketchLayersOf(metadata));
        break;
    case HandOff::LayeredPsd:
        file = named + sketch.completeBaseName() + QStringLiteral(".psd");
        written = saveLayeredPsd(*model, file, model->pageRect(), sketchLayersOf(metadata));
        break;
    case HandOff::LayeredSvg:
        file = named + sketch.completeBaseName() + QStringLiteral(".svg");
        written = saveSvg(*model, file, model->pageRect(), sketchLayersOf(metadata));
        break;
    case HandOff::SavedDocument:
    case HandOff::PhotoshopLayers:
        file = named + sketch.fileName();
        if (!file.endsWith(QLatin1String(".vmr"), Qt::CaseInsensitive))
            file += QStringLiteral(".vmr");
        written = saveForExport(metadata, file);
        break;
    }
    // A failed write has been said by its writer.
    if (!written)
        return false;
    if (!startWith(application, file)) {
        const LaunchCommand command = launchCommand(application, file);
        sayFailure(Texts::tr("%1 cannot be started (%2).")
                       .arg(application.name, QDir::toNativeSeparators(command.program)));
        return false;
    }
    return true;
}
