// convert and thumbnail: sketches rendered as the editor shows them, without a window.
#include "Commands.h"
#include "InkFiles.h"
#include "RenderSession.h"
#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "document/Thumbnail.h"
#include "export/DocumentExport.h"
#include "export/OpenRasterWriter.h"
#include "export/SketchLayers.h"
#include "ink/DocumentSerializer.h"
#include "settings/AtomicSaveFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QUrl>

#include <cstdio>
#include <cstring>
#include <memory>

namespace Cli {

namespace {

struct RenderOptions
{
    std::vector<std::string> paths;
    std::string settingsFile;
    int rotationDegrees = 0;
    int thumbnailSize = 230;
    bool emptyDefinitions = false;
};

int parseRenderOptions(const Arguments &arguments, RenderOptions &options, bool allowRotate,
                       bool allowSize, bool allowDefinitions)
{
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--settings" && hasValue) {
            options.settingsFile = arguments[++i];
        } else if (argument == "--rotate" && allowRotate && hasValue) {
            if (!parseInt(arguments[++i], options.rotationDegrees)
                || options.rotationDegrees % 45 != 0)
                return usageError("--rotate needs a multiple of 45 degrees, not " + arguments[i]);
        } else if (argument == "--size" && allowSize && hasValue) {
            if (!parseInt(arguments[++i], options.thumbnailSize) || options.thumbnailSize < 16
                || options.thumbnailSize > 4096)
                return usageError("--size needs a side from 16 to 4096 pixels, not "
                                  + arguments[i]);
        } else if (argument == "--empty-definitions" && allowDefinitions) {
            options.emptyDefinitions = true;
        } else if (argument.starts_with("--")) {
            return usageError("unknown or incomplete option " + argument);
        } else {
            options.paths.push_back(argument);
        }
    }
    return ExitOk;
}

enum class OutputKind { Image, Pdf, Svg, OpenRaster, Document, Unknown };

OutputKind outputKind(const QString &path, QString &imageFormat)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    static const QStringList kImages = {"png", "jpg", "jpeg", "bmp", "tif", "tiff"};
    if (kImages.contains(suffix)) {
        imageFormat = suffix == QLatin1String("tif") ? QStringLiteral("TIFF") : suffix.toUpper();
        return OutputKind::Image;
    }
    if (suffix == QLatin1String("pdf"))
        return OutputKind::Pdf;
    if (suffix == QLatin1String("svg"))
        return OutputKind::Svg;
    if (suffix == QLatin1String("ora"))
        return OutputKind::OpenRaster;
    if (suffix == QLatin1String("vmr") || suffix == QLatin1String("inkml"))
        return OutputKind::Document;
    return OutputKind::Unknown;
}

bool saveDocumentAsSeen(const DocumentMetaData &metadata, const QString &out, bool emptyDefinitions)
{
    const std::unique_ptr<Nivo::Document> seen = metadata.createDocumentAsSeen();
    Nivo::DocumentSerializer serializer(seen.get());
    const std::wstring path = QDir::toNativeSeparators(out).toStdWString();
    const bool saved = emptyDefinitions
        ? serializer.saveFile(path, Nivo::InkMLDefinitions())
        : serializer.saveFile(path, Nivo::DefaultInkMLDefinitions());
    if (!saved)
        printError(out.toStdString() + ": not saved (" + serializer.errorText() + ")");
    return saved;
}

RenderSession startSession(const RenderOptions &options)
{
    return startRenderSession(options.settingsFile, options.paths[0]);
}

} // namespace

int runConvert(const Arguments &arguments)
{
    RenderOptions options;
    if (const int result = parseRenderOptions(arguments, options, true, false, true);
        result != ExitOk)
        return result;
    if (options.paths.size() != 2)
        return usageError("convert needs IN and OUT");
    const QString out = QString::fromStdString(options.paths[1]);
    QString imageFormat;
    const OutputKind kind = outputKind(out, imageFormat);
    if (kind == OutputKind::Unknown)
        return usageError(
            "convert: OUT must end in .png, .jpg, .jpeg, .bmp, .tif, .tiff, .pdf, .svg, .ora, "
            ".vmr or .inkml: "
            + options.paths[1]);
    if (options.emptyDefinitions && kind != OutputKind::Document)
        return usageError("--empty-definitions applies to .vmr and .inkml output only");

    const RenderSession session = startSession(options);
    if (!session.sketch)
        return ExitFailed;
    // Only the copy is drawn: the ink moves into it.
    const MetadataPtr shown = session.sketch->takePressureCopy();
    DocumentGraphicModel &model = *shown->model();
    model.setPageVisible(true, true);
    model.rotate(options.rotationDegrees);

    bool saved = false;
    switch (kind) {
    case OutputKind::Image:
        saved = saveImage(model, out, model.pageRect(), imageFormat);
        break;
    case OutputKind::Pdf:
        saved = savePdf(model, out, model.pageRect());
        break;
    case OutputKind::Svg:
        saved = saveSvg(model, out, model.pageRect(), sketchLayersOf(*shown));
        break;
    case OutputKind::OpenRaster:
        saved = saveOpenRaster(model, out, model.pageRect(), sketchLayersOf(*shown));
        break;
    case OutputKind::Document:
        saved = saveDocumentAsSeen(*shown, out, options.emptyDefinitions);
        break;
    case OutputKind::Unknown:
        break;
    }
    return saved ? ExitOk : ExitFailed;
}

int runThumbnail(const Arguments &arguments)
{
    RenderOptions options;
    if (const int result = parseRenderOptions(arguments, options, false, true, false);
        result != ExitOk)
        return result;
    if (options.paths.size() != 2)
        return usageError("thumbnail needs IN and OUT.png");
    // File managers may hand the sketch over as a file:// URI.
    const QUrl given(QString::fromStdString(options.paths[0]));
    if (given.isLocalFile())
        options.paths[0] = given.toLocalFile().toStdString();
    const QFileInfo source(QString::fromStdString(options.paths[0]));
    const QString out = QString::fromStdString(options.paths[1]);
    if (QFileInfo(out).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0)
        return usageError("thumbnail: OUT must end in .png: " + options.paths[1]);

    // The file manager starts one of these per file: it reads only the ink and draws the
    // thumbnail from it as the browser's loader does, with no scene and no widgets.
    const RenderSession session
        = startRenderSession(options.settingsFile, options.paths[0], SessionNeeds::InkOnly);
    if (!session.sketch)
        return ExitFailed;
    const MetadataPtr &loaded = session.sketch;
    QImage thumbnail
        = renderThumbnail(*loaded->document(), loaded->pen(), false, options.thumbnailSize);
    if (thumbnail.isNull()) {
        printError(options.paths[0] + ": the sketch has no extent to draw");
        return ExitFailed;
    }
    // The keys the freedesktop thumbnail cache checks a thumbnail against its file with.
    thumbnail.setText(QStringLiteral("Thumb::URI"),
                      QUrl::fromLocalFile(source.absoluteFilePath()).toString(QUrl::FullyEncoded));
    thumbnail.setText(QStringLiteral("Thumb::MTime"),
                      QString::number(source.lastModified().toSecsSinceEpoch()));
    thumbnail.setText(QStringLiteral("Thumb::Size"), QString::number(source.size()));
    thumbnail.setText(QStringLiteral("Software"), QStringLiteral("draftbay-cli"));
    AtomicSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || !QImageWriter(&file, "PNG").write(thumbnail)
        || !file.commit()) {
        printError(options.paths[1] + ": not saved (" + file.reason().toStdString() + ")");
        file.cancelWriting();
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace Cli
