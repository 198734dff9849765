// An installed external drawing application and the probe that finds them.
#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>

struct InstalledApp
{
    QString name;
    QString version;
    QString executable;
    QString pluginFolder;
};

/// Finds the installed drawing applications once, when it is constructed.
class InstalledAppsProbe
{
public:
    virtual ~InstalledAppsProbe() = default;
    virtual QList<InstalledApp> applications() const = 0;
    /// A description of what the look-ups found, for diagnostics.
    virtual QString text() const = 0;
};

using InstalledAppsProbeFactory = std::function<std::unique_ptr<InstalledAppsProbe>()>;

/// Sets how the settings store makes its probe; call before the store is first used.
/// Without a factory the store finds no applications.
void setInstalledAppsProbeFactory(InstalledAppsProbeFactory factory);
std::unique_ptr<InstalledAppsProbe> createInstalledAppsProbe();
