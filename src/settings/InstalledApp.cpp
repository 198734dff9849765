// The replaceable factory of the installed-applications probe.
#include "settings/InstalledApp.h"

namespace {

class EmptyProbe : public InstalledAppsProbe
{
public:
    QList<InstalledApp> applications() const override { return {}; }
    QString text() const override { return {}; }
};

InstalledAppsProbeFactory &probeFactory()
{
    static InstalledAppsProbeFactory factory;
    return factory;
}

} // namespace

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
    return std::make_unique<EmptyProbe>();
}
