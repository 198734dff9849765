// The seam through which the program hands URLs and files to the desktop (file browser,
// PDF viewer, web browser) and starts other programs; tests record instead of launching
// anything.
#pragma once

#include <QStringList>
#include <QUrl>

#include <memory>

class DesktopServices
{
public:
    virtual ~DesktopServices() = default;
    /// Opens the URL with the desktop's handler; false when nothing could open it.
    virtual bool openUrl(const QUrl &url) = 0;
    /// Starts a program on its own, not waited for; the arguments reach it as they are,
    /// never through a shell. False when it could not be started.
    virtual bool startDetached(const QString &program, const QStringList &arguments);
};

DesktopServices &desktop();
/// Replaces the service; null restores the real desktop.
void setDesktopServices(std::unique_ptr<DesktopServices> services);
