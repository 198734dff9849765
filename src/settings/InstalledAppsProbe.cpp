// Running the Windows and desktop look-ups, and the replaceable factory of the probe.
#include "settings/InstalledAppsProbe.h"

#include "settings/DataFiles.h"
#include "settings/DesktopApps.h"
#include "settings/WindowsApps.h"
#include "settings/WineRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

InstalledAppsProbeFactory &probeFactory()
{
    static InstalledAppsProbeFactory factory;
    return factory;
}

QString supportFolder()
{
    return findDataFile(QStringLiteral("support"));
}

} // namespace

InstalledAppsProbe::InstalledAppsProbe(const ProbeSources &sources)
{
    if (sources.registry)
        m_applications
            = findWindowsApps(*sources.registry, sources.supportFolder, sources.wineProgram);
    m_applications += findDesktopApps(sources.applicationFolders, sources.searchPath);
}

QString InstalledAppsProbe::text() const
{
    QStringList lines;
    for (const InstalledApp &application : m_applications) {
        QStringList line {application.name};
        if (!application.version.isEmpty())
            line.append(application.version);
        line.last() += QLatin1Char(':');
        line.append(application.program);
        line += application.arguments;
        lines.append(line.join(QLatin1Char(' ')));
    }
    return lines.join(QLatin1Char('\n'));
}

void setInstalledAppsProbeFactory(InstalledAppsProbeFactory factory)
{
    probeFactory() = std::move(factory);
}

std::unique_ptr<InstalledAppsProbe> createInstalledAppsProbe()
{
    if (probeFactory()) {
        if (auto probe = probeFactory()())
            return probe;
    }
    return createSystemInstalledAppsProbe();
}

std::unique_ptr<InstalledAppsProbe> createSystemInstalledAppsProbe()
{
    ProbeSources sources;
    sources.searchPath = qEnvironmentVariable("PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    sources.applicationFolders
        = xdgApplicationFolders(qEnvironmentVariable("XDG_DATA_HOME"),
                                qEnvironmentVariable("XDG_DATA_DIRS"), QDir::homePath());
    sources.supportFolder = supportFolder();
    sources.wineProgram
        = QStandardPaths::findExecutable(QStringLiteral("wine"), sources.searchPath);
    // Without Wine the applications of a prefix could not be started.
    std::unique_ptr<WineRegistry> registry;
    if (!sources.wineProgram.isEmpty())
        registry = WineRegistry::open(WineRegistry::defaultPrefix());
    sources.registry = registry.get();
    return std::make_unique<InstalledAppsProbe>(sources);
}
