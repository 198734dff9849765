// convert and thumbnail: sketches rendered as the editor shows them, without a window.
#include "Commands.h"
#include "InkFiles.h"
#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "document/Thumbnail.h"
#include "export/DocumentExport.h"
#include "export/OpenRasterWriter.h"
#include "export/SketchLayers.h"
#include "ink/DocumentSerializer.h"
#include "settings/ApplSettings.h"
#include "settings/AtomicSaveFile.h"
#include "settings/ConsoleDialogService.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QStandardPaths>

#include <charconv>
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

bool parseInt(const std::string &text, int &value)
{
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

// Qt's own diagnostics and debug traces are noise on a command line; the tool's messages
// are printed directly. DRAFTBAY_CLI_VERBOSE=1 lets them through.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg
        || qEnvironmentVariableIsSet("DRAFTBAY_CLI_VERBOSE"))
        std::fprintf(stderr, "draftbay-cli: %s\n", qUtf8Printable(message));
}

// Offscreen unless a platform was chosen: the tool needs no display.
std::unique_ptr<QApplication> startApplication()
{
    qInstallMessageHandler(quietMessages);
    static int argc = 1;
    static char name[] = "draftbay-cli";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto application = std::make_unique<QApplication>(argc, argv);
    setDialogService(std::make_unique<ConsoleDialogService>(QStringLiteral("draftbay-cli")));
    return application;
}

QString factorySettingsPath()
{
    const QDir executable(QCoreApplication::applicationDirPath());
    for (const QString &candidate :
         {QStringLiteral("support/draftbayfactory.xml"),
          QStringLiteral("../share/draftbay/support/draftbayfactory.xml")}) {
        if (QFileInfo::exists(executable.filePath(candidate)))
            return executable.filePath(candidate);
    }
    return executable.filePath(QStringLiteral("support/draftbayfactory.xml"));
}

// The given settings, else the user's own, else the factory file; never written.
bool loadSettings(const std::string &requested)
{
    QString path = QString::fromStdString(requested);
    if (path.isEmpty()) {
        const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + QStringLiteral("/Quillo/draftbayuser.xml");
        path = QFileInfo::exists(user) ? user : factorySettingsPath();
    }
    return ApplSettings::instance().loadReadOnly(path);
}

// Loads a sketch the way the browser does; false (with the reason printed) when it fails.
MetadataPtr loadSketch(const std::string &path)
{
    std::string reason;
    if (!checkReadableFile(path, reason)) {
        printError(path + ": not loaded");
        printError(path + ": " + reason);
        return MetadataPtr();
    }
    MetadataPtr metadata(new DocumentMetaData(QString::fromStdString(path)));
    if (!metadata->load()) {
        printError(path + ": not loaded");
        const QString suffix = QFileInfo(QString::fromStdString(path)).suffix();
        static const QStringList kKnown
            = {"qpe", "QPE", "eli", "ELI", "vmr", "VMR", "inkml", "INKML"};
        if (!kKnown.contains(suffix))
            printError(path + ": not a sketch file (.qpe, .eli, .vmr or .inkml)");
        return MetadataPtr();
    }
    return metadata;
}

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

// The application, settings and sketch a rendering command works on; no sketch when any
// step failed (and said why).
struct RenderSession
{
    std::unique_ptr<QApplication> application;
    MetadataPtr sketch;
};

RenderSession startSession(const RenderOptions &options)
{
    RenderSession session;
    session.application = startApplication();
    if (loadSettings(options.settingsFile))
        session.sketch = loadSketch(options.paths[0]);
    return session;
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
    const MetadataPtr shown = session.sketch->createPressureCopy();
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
    const QString out = QString::fromStdString(options.paths[1]);
    if (QFileInfo(out).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0)
        return usageError("thumbnail: OUT must end in .png: " + options.paths[1]);

    const RenderSession session = startSession(options);
    if (!session.sketch)
        return ExitFailed;
    const MetadataPtr &loaded = session.sketch;
    const QImage thumbnail
        = renderThumbnail(*loaded->model(), options.thumbnailSize,
                          static_cast<int>(loaded->document()->elements().size()));
    if (thumbnail.isNull()) {
        printError(options.paths[0] + ": the sketch has no extent to draw");
        return ExitFailed;
    }
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
