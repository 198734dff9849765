// The window's icon in the system tray and its menu.
#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class QMainWindow;
class QMenu;

/// Makes the tray icon with its menu (Minimize, Maximize, Restore, Quit) for a window, and
/// brings the window back on a double click. Lives on the user-interface thread.
class TrayController : public QObject
{
    Q_OBJECT

public:
    explicit TrayController(QMainWindow *window);
    ~TrayController() override;

    /// Shows the icon where the desktop has a tray.
    void showIfAvailable(bool trayAvailable);
    QSystemTrayIcon *icon() const { return m_icon; }
    QMenu *menu() const { return m_menu; }

private:
    void handleActivated(QSystemTrayIcon::ActivationReason reason);
    void showMaximized();

    QMainWindow *m_window;
    QMenu *m_menu;
    QSystemTrayIcon *m_icon;
};
