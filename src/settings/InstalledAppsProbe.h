// The look-up of the installed drawing applications that the settings store runs once.
#pragma once

#include "settings/InstalledApp.h"

#include <QObject>

#include <functional>
#include <memory>

class RegistryReader;

/// Where the probe looks. Each source left empty is not searched, so that tests name
/// exactly what is installed.
struct ProbeSources
{
    /// The Windows registry (here that of a Wine prefix); not kept after the look-up.
    const RegistryReader *registry = nullptr;
    /// Starts the applications of a Wine prefix's registry.
    QString wineProgram;
    /// The folder "support" beside the program, holding the Illustrator plug-ins.
    QString supportFolder;
    /// Folders of desktop entries, most important first.
    QStringList applicationFolders;
    /// Folders in which programs named without a path are looked up.
    QStringList searchPath;
};

/// Finds the applications when it is made; the list does not change afterwards. Windows
/// applications come first (Photoshop, Illustrator, SketchBook Designer, SketchBook Pro),
/// then those of the desktop (GIMP, Krita, MyPaint, Inkscape).
class InstalledAppsProbe : public QObject
{
    Q_OBJECT
public:
    /// Finds nothing.
    InstalledAppsProbe() = default;
    explicit InstalledAppsProbe(const ProbeSources &sources);

    QList<InstalledApp> applications() const { return m_applications; }
    /// One line per application found: its name, version and how it starts; diagnostics.
    QString text() const;

private:
    QList<InstalledApp> m_applications;
};

using InstalledAppsProbeFactory = std::function<std::unique_ptr<InstalledAppsProbe>()>;

/// Sets how the settings store makes its probe; call before the store is first used.
/// Without a factory (or with one that gives no probe) the store probes this system.
void setInstalledAppsProbeFactory(InstalledAppsProbeFactory factory);
std::unique_ptr<InstalledAppsProbe> createInstalledAppsProbe();

/// The probe of this system: the Wine prefix in use when Wine is installed, the desktop
/// entries of the XDG data folders, programs on $PATH, the plug-ins in the "support" folder
/// beside the program or in the installed ../share/draftbay/support.
std::unique_ptr<InstalledAppsProbe> createSystemInstalledAppsProbe();
