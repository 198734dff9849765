// The registry look-ups of Photoshop, Illustrator, SketchBook Designer and SketchBook Pro.
#include "settings/WindowsApps.h"

#include "settings/DialogService.h"
#include "settings/RegistryReader.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kPluginName = QStringLiteral("vmrexportfile.aip");
constexpr int kMaxKeyDepth = 32;

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(InstalledAppsProbe)
};

QList<RegistryView> softwareViews(const RegistryReader &registry)
{
    if (registry.is64BitSystem())
        return {RegistryView::Bits64, RegistryView::Bits32};
    return {RegistryView::Bits64};
}

// folder and a relative path joined by one backslash, with Windows separators.
QString windowsPath(QString folder, const QString &relative)
{
    folder.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('\\');
    return folder + relative;
}

// Every value below path as "subkey/.../name", the default value named ".", in the order
// in which the registry's settings list them: sorted, wherever they sit.
void collectValuePaths(const RegistryReader &registry, const QString &path, RegistryView view,
                       const QString &prefix, int depth, QStringList &paths)
{
    const std::optional<RegistryKey> key = registry.key(RegistryRoot::LocalMachine, path, view);
    if (!key || depth > kMaxKeyDepth)
        return;
    for (const RegistryValue &value : key->values)
        paths.append(prefix + (value.name.isEmpty() ? QStringLiteral(".") : value.name));
    for (const QString &subkey : key->subkeys) {
        collectValuePaths(registry, path + QLatin1Char('\\') + subkey, view,
                          prefix + subkey + QLatin1Char('/'), depth + 1, paths);
    }
}

std::optional<InstalledApp> findPhotoshop(const RegistryReader &registry, RegistryView view)
{
    const QString path = QStringLiteral("SOFTWARE\\Adobe\\Photoshop");
    QStringList keys;
    collectValuePaths(registry, path, view, QString(), 0, keys);
    if (keys.isEmpty())
        return std::nullopt;
    std::sort(keys.begin(), keys.end());
    const QString version = keys.first().section(QLatin1Char('/'), 0, 0);
    if (version.size() <= 1)
        return std::nullopt;
    const std::optional<RegistryKey> versionKey
        = registry.key(RegistryRoot::LocalMachine, path + QLatin1Char('\\') + version, view);
    const auto valueOf = [&](const QString &name) {
        return versionKey ? versionKey->value(name).value_or(QString()) : QString();
    };
    qDebug().noquote() << "InstalledAppsProbe:: Photoshop" << version << "at"
                       << valueOf(QStringLiteral("ApplicationPath"));
    InstalledApp photoshop;
    photoshop.name = QStringLiteral("Adobe Photoshop");
    photoshop.version = version;
    photoshop.pluginFolder = valueOf(QStringLiteral("PluginPath"));
    photoshop.handOff = HandOff::PhotoshopLayers;
    return photoshop;
}

struct IllustratorInstall
{
    QString program;
    QString folder;
    bool is64Bit = false;
};

// The program and install folder named by Illustrator's open command, a program path
// ending in "Support Files\Contents\Windows\Illustrator.exe" and an argument.
std::optional<IllustratorInstall> illustratorInstall(const QString &command)
{
    QString program = command;
    const qsizetype closingQuote
        = program.startsWith(QLatin1Char('"')) ? program.indexOf(QLatin1Char('"'), 1) : -1;
    // A quoted program may contain spaces and be followed by several arguments or none.
    if (closingQuote > 0)
        program = program.mid(1, closingQuote - 1);
    else if (program.contains(QLatin1Char(' '))
             && !program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        program.truncate(program.lastIndexOf(QLatin1Char(' ')));
    const QStringList parts = program.split(QLatin1Char('\\'));
    if (parts.size() < 5)
        return std::nullopt;
    IllustratorInstall install;
    install.folder = parts.mid(0, parts.size() - 4).join(QLatin1Char('\\'));
    if (install.folder.startsWith(QLatin1Char('"')))
        install.folder.remove(0, 1);
    if (install.folder.endsWith(QLatin1Char('\\')))
        install.folder.chop(1);
    install.program = program;
    if (install.program.startsWith(QLatin1Char('"')))
        install.program.remove(0, 1);
    install.is64Bit = install.folder.contains(QLatin1String("64 Bit"), Qt::CaseInsensitive);
    return install;
}

std::optional<InstalledApp> findIllustrator(const RegistryReader &registry, bool &is64Bit)
{
    const std::optional<RegistryKey> current
        = registry.key(RegistryRoot::ClassesRoot, QStringLiteral("Adobe.Illustrator\\CurVer"),
                       RegistryView::Bits64);
    const QString identifier = current ? current->defaultValue().value_or(QString()) : QString();
    if (identifier.isEmpty())
        return std::nullopt;
    const std::optional<RegistryKey> command
        = registry.key(RegistryRoot::ClassesRoot,
                       identifier + QStringLiteral("\\shell\\open\\command"), RegistryView::Bits64);
    const std::optional<IllustratorInstall> install
        = illustratorInstall(command ? command->defaultValue().value_or(QString()) : QString());
    if (!install)
        return std::nullopt;
    qDebug().noquote() << "InstalledAppsProbe:: Illustrator installed in" << install->folder;
    InstalledApp illustrator;
    illustrator.name = QStringLiteral("Adobe Illustrator");
    if (identifier.contains(QLatin1Char('.')))
        illustrator.version = identifier.section(QLatin1Char('.'), -1);
    illustrator.executable = install->program;
    illustrator.pluginFolder = install->folder + QStringLiteral("\\Plug-ins");
    is64Bit = install->is64Bit;
    return illustrator;
}

// Copies the plug-in that lets Illustrator open saved documents into its plug-in folder
// (a host path), from the copy built for that Illustrator.
void installIllustratorPlugin(const InstalledApp &illustrator, bool is64Bit,
                              const QString &supportFolder)
{
    const QDir plugins(illustrator.pluginFolder);
    // Name filters ignore case, as the plug-in folder of a Windows file system does.
    if (illustrator.pluginFolder.isEmpty() || !plugins.exists()
        || !plugins.entryList({kPluginName}, QDir::Files).isEmpty())
        return;
    bool isNumber = false;
    const int version = illustrator.version.toInt(&isNumber);
    const QString bits = is64Bit ? QStringLiteral("x64") : QStringLiteral("Win32");
    QString source = supportFolder + QLatin1Char('/');
    if (isNumber && version >= 17)
        source += QStringLiteral("CCS/") + bits + QLatin1Char('/');
    else if (isNumber && version == 16)
        source += QStringLiteral("CS6/") + bits + QLatin1Char('/');
    source += kPluginName;
    // Without the plug-in beside the program there is nothing to announce.
    if (!QFileInfo(source).isFile())
        return;
    const QString destination = plugins.filePath(kPluginName);
    dialogs().information(nullptr, Texts::tr("info copy "),
                          QDir::toNativeSeparators(source) + QStringLiteral(" to ")
                              + QDir::toNativeSeparators(destination));
    // Without the plug-in Illustrator cannot open what it is handed: a failure is said.
    QFile plugin(source);
    if (!plugin.copy(destination))
        dialogs().warning(nullptr, applicationTitle(),
                          Texts::tr("The Illustrator plug-in could not be copied to %1: %2")
                              .arg(QDir::toNativeSeparators(destination), plugin.errorString()));
}

std::optional<InstalledApp> findSketchBookDesigner(const RegistryReader &registry)
{
    qDebug().noquote() << (registry.is64BitSystem() ? "64 bit PROCESSOR_ARCHITECTURE_AMD64 "
                                                    : "32 bit PROCESSOR_ARCHITECTURE_INTEL ");
    for (const char *release : {"2.0", "1.1"}) {
        const QString path = QStringLiteral("SOFTWARE\\Autodesk\\SketchBookDesigner\\")
            + QLatin1String(release) + QStringLiteral("\\SketchBookDesigner-1:409");
        qDebug().noquote() << " Read64BitSBD with " << path;
        const std::optional<RegistryKey> key
            = registry.key(RegistryRoot::LocalMachine, path, RegistryView::Bits64);
        if (!key) {
            qDebug().noquote() << "Read64BitSBD failed, Error value = " << 2;
            continue;
        }
        qDebug().noquote() << " key is open at " << path;
        const QString location
            = key->value(QStringLiteral("Installation Location")).value_or(QString());
        const QString product = key->value(QStringLiteral("Product Name")).value_or(QString());
        qDebug().noquote() << " after reg read : " << location << product;
        if (location.isEmpty() || product.isEmpty())
            continue;
        InstalledApp designer;
        designer.name = product;
        designer.executable = windowsPath(location, QStringLiteral("bin\\SketchBookDesigner.exe"));
        return designer;
    }
    return std::nullopt;
}

std::optional<InstalledApp> findSketchBookPro(const RegistryReader &registry)
{
    const struct
    {
        const char *path;
        const char *version;
    } releases[] = {
        {"SOFTWARE\\Autodesk\\SketchBook Pro\\6.0\\InstallLocation", "6.0"},
        {"SOFTWARE\\Autodesk\\SketchBook Pro\\5.0\\InstallLocation", "5.0"},
        {"SOFTWARE\\Autodesk\\SketchBookPro\\2011\\InstallLocation", "2011"},
    };
    for (const auto &release : releases) {
        for (const RegistryView view : softwareViews(registry)) {
            const std::optional<RegistryKey> key
                = registry.key(RegistryRoot::LocalMachine, QLatin1String(release.path), view);
            // An empty location names no program, whichever release registered it.
            const QString location = key ? key->defaultValue().value_or(QString()) : QString();
            if (location.isEmpty())
                continue;
            InstalledApp pro;
            pro.name = QStringLiteral("SketchBook Pro");
            pro.version = QLatin1String(release.version);
            pro.executable = windowsPath(location, QStringLiteral("SketchBookPro.exe"));
            return pro;
        }
    }
    return std::nullopt;
}

// The application with host paths, and how it starts on this host.
InstalledApp onHost(InstalledApp application, const QList<WineDrive> &drives,
                    const QString &wineProgram)
{
    if (drives.isEmpty()) {
        application.program = application.executable;
        return application;
    }
    const QString windowsExecutable = application.executable;
    if (!windowsExecutable.isEmpty())
        application.executable = hostPathOf(drives, windowsExecutable);
    if (!application.pluginFolder.isEmpty())
        application.pluginFolder = hostPathOf(drives, application.pluginFolder);
    application.program = wineProgram;
    // Wine finds a program by its Windows path. Photoshop is reached through its script,
    // which the console script host runs.
    application.arguments
        = {literalArgument(windowsExecutable.isEmpty() ? QStringLiteral("cscript.exe")
                                                       : windowsExecutable),
           QStringLiteral("%f")};
    application.wineDrives = drives;
    return application;
}

} // namespace

QList<InstalledApp> findWindowsApps(const RegistryReader &registry, const QString &supportFolder,
                                    const QString &wineProgram)
{
    QList<InstalledApp> found;
    const auto add = [&](std::optional<InstalledApp> application) {
        if (application)
            found.append(onHost(std::move(*application), registry.drives(), wineProgram));
        return application.has_value();
    };
    for (const RegistryView view : softwareViews(registry)) {
        if (add(findPhotoshop(registry, view)))
            break;
    }
    bool illustratorIs64Bit = false;
    if (add(findIllustrator(registry, illustratorIs64Bit)))
        installIllustratorPlugin(found.last(), illustratorIs64Bit, supportFolder);
    add(findSketchBookDesigner(registry));
    add(findSketchBookPro(registry));
    return found;
}
