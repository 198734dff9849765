// The receiver as the window shows it: tray icon, battery indicator, folder switches, warnings.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

class AboutDialog;
class QAction;
class QLabel;
class QMainWindow;
class DirView;
class QuilloDeviceObserver;
class TrayController;

/// Follows the receiver through the device observer it owns and turns its events into the
/// window's tray icon, battery indicator, folder changes and warnings. Lives on the
/// user-interface thread; the battery query runs on the receiver's worker and its answer
/// comes back through the event loop.
class ReceiverStatus : public QObject
{
    Q_OBJECT

public:
    /// The tree, actions and window stay the window's; they outlive this object.
    ReceiverStatus(QMainWindow *window, DirView *tree, QAction *back, QAction *forward);
    ~ReceiverStatus() override;

    /// Puts the battery indicator into the window's status bar, hands the receiver's identity
    /// from the settings to the device manager, installs the observer and starts the
    /// manager, which reports a receiver or volume already there at once. Then checks the
    /// last device message and battery text. The tray must outlive this object.
    void start(TrayController *tray);

    QuilloDeviceObserver *observer() const { return m_observer; }
    /// With a receiver connected, asks for its firmware version, which the box shows when
    /// the answer comes (the box may be up by then, or gone).
    void showFirmwareVersion(AboutDialog *about);
    QLabel *batteryIndicator() const { return m_battery; }
    const QTimer &batteryTimer() const { return m_batteryTimer; }
    /// The battery poll's period; 30 s unless changed.
    void setBatteryPeriod(std::chrono::milliseconds period) { m_batteryPeriod = period; }
    bool isConnected() const { return m_connected; }
    bool isVolumeMounted() const { return m_volumeMounted; }
    QString receiverSketchesFolder() const { return m_receiverSketchesFolder; }
    QString lastDeviceMessage() const { return m_lastDeviceMessage; }

public slots:
    void handleHIDDevicePlugSlot(const QString &text);
    void handleHIDDeviceUnplugSlot(const QString &text);
    void handleStorageDevicePlugSlot(const QString &drive);
    void handleStorageDeviceUnplugSlot(const QString &drive);
    void handleDeviceLastErrorSlot(const QString &message);
    /// Starts a battery query unless one is on its way or no receiver is present; its answer
    /// updates the indicator.
    void shootBatteryStatusSlot();

signals:
    void handleHIDDevicePlugSgnl();
    void handleHIDDeviceUnplugSgnl();
    /// A battery query's answer is shown; an empty text for a failed query.
    void batteryStatusShown(unsigned int state, const QString &text);

private:
    void showBatteryStatus(unsigned int state, const QString &text);
    void checkDeviceMessage();
    void checkBatteryText();

    QMainWindow *m_window;
    DirView *m_tree;
    QAction *m_back;
    QAction *m_forward;
    TrayController *m_tray = nullptr;
    QuilloDeviceObserver *m_observer;
    QLabel *m_battery;
    QTimer m_batteryTimer;
    std::chrono::milliseconds m_batteryPeriod {30000};
    bool m_batteryQueryRunning = false;
    QString m_receiverSketchesFolder;
    QString m_lastDeviceMessage;
    QString m_lastBatteryText;
    bool m_openFolderOnNextMount = false;
    bool m_connected = false;
    bool m_volumeMounted = false;
};
