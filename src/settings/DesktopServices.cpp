// The real desktop behind the seam.
#include "settings/DesktopServices.h"

#include <QDesktopServices>
#include <QProcess>

namespace {

class RealDesktop : public DesktopServices
{
public:
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

std::unique_ptr<DesktopServices> &current()
{
    static std::unique_ptr<DesktopServices> services = std::make_unique<RealDesktop>();
    return services;
}

} // namespace

bool DesktopServices::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

DesktopServices &desktop()
{
    return *current();
}

void setDesktopServices(std::unique_ptr<DesktopServices> services)
{
    current() = services ? std::move(services) : std::make_unique<RealDesktop>();
}
