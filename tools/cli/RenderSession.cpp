// The offscreen application, settings and sketch of the commands that draw a sketch.
#include "RenderSession.h"

#include "Commands.h"
#include "InkFiles.h"
#include "settings/ApplSettings.h"
#include "settings/ConsoleDialogService.h"
#include "settings/DataFiles.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <charconv>
#include <cstdio>

namespace Cli {

namespace {

// Qt's own diagnostics and debug traces are noise on a command line; the tool's messages
// are printed directly. DRAFTBAY_CLI_VERBOSE=1 lets them through.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg
        || qEnvironmentVariableIsSet("DRAFTBAY_CLI_VERBOSE"))
        std::fprintf(stderr, "draftbay-cli: %s\n", qUtf8Printable(message));
}

// Offscreen unless a platform was chosen: the tool needs no display.
std::unique_ptr<QGuiApplication> startApplication(SessionNeeds needs)
{
    qInstallMessageHandler(quietMessages);
    static int argc = 1;
    static char name[] = "draftbay-cli";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QGuiApplication> application;
    if (needs == SessionNeeds::Widgets)
        application = std::make_unique<QApplication>(argc, argv);
    else
        application = std::make_unique<QGuiApplication>(argc, argv);
    setDialogService(std::make_unique<ConsoleDialogService>(QStringLiteral("draftbay-cli")));
    return application;
}

QString factorySettingsPath()
{
    return findDataFile(QStringLiteral("support/draftbayfactory.xml"));
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
    if (!metadata->load(DocumentMetaData::Model::Later)) {
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

} // namespace

RenderSession startRenderSession(const std::string &settingsFile, const std::string &sketchPath,
                                 SessionNeeds needs)
{
    RenderSession session;
    session.application = startApplication(needs);
    if (loadSettings(settingsFile)) {
        session.sketch = loadSketch(sketchPath);
    }
    return session;
}

bool parseInt(const std::string &text, int &value)
{
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

} // namespace Cli
