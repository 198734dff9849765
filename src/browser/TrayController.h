// The window's icon in the system tray: its menu, the receiver's state and warning balloons.
#pragma once

#include <QObject>
#include <QString>
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
    /// The receiver's picture and tooltip for a connected or disconnected receiver.
    void setConnected(bool connected);
    /// A warning balloon titled with the product name, shown for 10 s.
    void showWarning(const QString &text);

signals:
    void warningShown(const QString &text);

private:
    void handleActivated(QSystemTrayIcon::ActivationReason reason);
    void showMaximized();

    QMainWindow *m_window;
    QMenu *m_menu;
    QSystemTrayIcon *m_icon;
};
