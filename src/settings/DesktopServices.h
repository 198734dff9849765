// The seam through which the program hands URLs and files to the desktop (file browser,
// PDF viewer, web browser); tests record instead of launching anything.
#pragma once

#include <QUrl>

#include <memory>

class DesktopServices
{
public:
    virtual ~DesktopServices() = default;
    /// Opens the URL with the desktop's handler; false when nothing could open it.
    virtual bool openUrl(const QUrl &url) = 0;
};

DesktopServices &desktop();
/// Replaces the service; null restores the real desktop.
void setDesktopServices(std::unique_ptr<DesktopServices> services);
