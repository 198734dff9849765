// Receiver events in the window: tray, battery indicator, folder switches and warnings.
#include "browser/ReceiverStatus.h"

#include "browser/AboutDialog.h"
#include "browser/DirView.h"
#include "browser/TrayController.h"
#include "device/DeviceManager.h"
#include "device/QuilloDeviceObserver.h"
#include "device/ReceiverIdentity.h"
#include "settings/ApplSettings.h"
#include "settings/DesktopServices.h"
#include "settings/DialogService.h"

#include <QAction>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QStatusBar>
#include <QUrl>

namespace {

QPixmap emptyBatteryPicture()
{
    QPixmap picture(32, 24);
    picture.fill(Qt::transparent);
    return picture;
}

QString batteryPicture(unsigned int state)
{
    switch (state) {
    case 2:
        return QStringLiteral(":/misc/Resources/miscell/battery_critically_low.png");
    case 3:
        return QStringLiteral(":/misc/Resources/miscell/battery_in_charge.png");
    case 4:
        return QStringLiteral(":/misc/Resources/miscell/battery_full.png");
    default:
        return QStringLiteral(":/misc/Resources/miscell/battery_not_charging.png");
    }
}

bool sameText(const QString &text, const char *english)
{
    return text.compare(QLatin1String(english), Qt::CaseInsensitive) == 0;
}

// The battery texts come translated from the device layer; so are the ones compared.
bool sameBatteryText(const QString &text, const char *english)
{
    return text.compare(QCoreApplication::translate("QuilloDeviceObserver", english),
                        Qt::CaseInsensitive)
        == 0;
}

// Whether the folder is the drive's root or lies below it; case does not matter, as the
// volumes the receiver comes on ignore it.
bool liesOnDrive(const QString &folder, const QString &drive)
{
    const QString root = QDir::cleanPath(QDir::fromNativeSeparators(drive));
    if (root.isEmpty())
        return false;
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    return path.compare(root, Qt::CaseInsensitive) == 0
        || path.startsWith(root.endsWith('/') ? root : root + '/', Qt::CaseInsensitive);
}

} // namespace

ReceiverStatus::ReceiverStatus(QMainWindow *window, DirView *tree, QAction *back, QAction *forward)
    : QObject(window)
    , m_window(window)
    , m_tree(tree)
    , m_back(back)
    , m_forward(forward)
    , m_observer(new QuilloDeviceObserver(this))
    , m_battery(new QLabel(window))
{
    m_battery->setObjectName(QStringLiteral("batteryIndicator"));
    m_battery->setAccessibleName(tr("Receiver battery"));
    m_battery->setPixmap(emptyBatteryPicture());
    connect(&m_batteryTimer, &QTimer::timeout, this, &ReceiverStatus::shootBatteryStatusSlot);
}

ReceiverStatus::~ReceiverStatus() = default;

void ReceiverStatus::start(TrayController *tray)
{
    m_tray = tray;
    m_window->statusBar()->addPermanentWidget(m_battery);
    DeviceManager &manager = DeviceManager::instance();
    if (const auto identity = ReceiverIdentity::fromSettings(ApplSettings::instance()))
        identity->applyTo(manager);
    connect(m_observer, &QuilloDeviceObserver::HIDDevicePlugSgnl, this,
            &ReceiverStatus::handleHIDDevicePlugSlot);
    connect(m_observer, &QuilloDeviceObserver::HIDDeviceUnplugSgnl, this,
            &ReceiverStatus::handleHIDDeviceUnplugSlot);
    connect(m_observer, &QuilloDeviceObserver::DiscVolumeMountedSgnl, this,
            &ReceiverStatus::handleStorageDevicePlugSlot);
    connect(m_observer, &QuilloDeviceObserver::DiscVolumeUnMountedSgnl, this,
            &ReceiverStatus::handleStorageDeviceUnplugSlot);
    connect(m_observer, &QuilloDeviceObserver::sendLastErrorMsgSgnl, this,
            &ReceiverStatus::handleDeviceLastErrorSlot);
    connect(m_observer, &QuilloDeviceObserver::batteryStatusRead, this,
            [this](bool, unsigned int state, const QString &text) {
                m_batteryQueryRunning = false;
                showBatteryStatus(state, text);
            });
    (void)manager.start();
    checkDeviceMessage();
    checkBatteryText();
}

void ReceiverStatus::handleHIDDevicePlugSlot(const QString &)
{
    qDebug() << "MainWindow::handleHIDDevicePlug()";
    if (m_tray)
        m_tray->setConnected(true);
    m_connected = true;
    m_batteryTimer.start(m_batteryPeriod);
    emit handleHIDDevicePlugSgnl();
}

void ReceiverStatus::handleHIDDeviceUnplugSlot(const QString &)
{
    qDebug() << "MainWindow::handleHIDDeviceUnplug()";
    m_batteryTimer.stop();
    if (m_tray)
        m_tray->setConnected(false);
    m_battery->setPixmap(emptyBatteryPicture());
    m_battery->setToolTip(QString());
    // A receiver plugged in again warns again about a battery that is still in trouble.
    m_lastBatteryText.clear();
    m_connected = false;
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    emit handleHIDDeviceUnplugSgnl();
}

void ReceiverStatus::handleStorageDevicePlugSlot(const QString &drive)
{
    qDebug().noquote() << "MainWindow::handleStorageDevicePlug" << drive;
    if (drive.isEmpty())
        return;
    if (m_window->isHidden())
        m_window->showMaximized();
    m_receiverSketchesFolder = QDir::toNativeSeparators(drive + QStringLiteral("My Sketches"));
    m_tree->setReceiverFolder(m_receiverSketchesFolder);
    m_tree->selectPath(m_receiverSketchesFolder);
    m_tree->setFocus();
    m_volumeMounted = true;
    if (m_openFolderOnNextMount) {
        m_openFolderOnNextMount = false;
        desktop().openUrl(QUrl::fromLocalFile(m_tree->currentDir().absolutePath()));
    }
}

void ReceiverStatus::handleStorageDeviceUnplugSlot(const QString &drive)
{
    qDebug() << "MainWindow::handleStorageDeviceUnplug()";
    if (m_batteryTimer.isActive())
        m_batteryTimer.stop();
    if (m_volumeMounted && liesOnDrive(m_tree->currentDir().absolutePath(), drive)) {
        QString start;
        ApplSettings::instance().getAttribute(QStringLiteral("startup_directory/directory"),
                                              QStringLiteral("path"), start);
        start = QDir::toNativeSeparators(start);
        if (!start.isEmpty() && QFileInfo(start).isDir())
            m_tree->selectPath(start);
    }
    m_tree->setReceiverFolder(QString());
    m_tree->dropDrive(drive);
    m_volumeMounted = false;
}

void ReceiverStatus::handleDeviceLastErrorSlot(const QString &message)
{
    qDebug().noquote() << "handleDeviceLastErrorSlot" << message;
    m_lastDeviceMessage = message;
    checkDeviceMessage();
}

void ReceiverStatus::showFirmwareVersion(AboutDialog *about)
{
    if (!m_connected)
        return;
    connect(
        m_observer, &QuilloDeviceObserver::firmwareVersionRead, about,
        [about](bool ok, const QString &text) { about->setFirmwareVersion(ok ? text : QString()); },
        Qt::SingleShotConnection);
    m_observer->requestFirmwareVersion();
}

void ReceiverStatus::shootBatteryStatusSlot()
{
    // The exchange waits for the receiver's report delays on the receiver's own thread; its
    // answer, a failure if the receiver left meanwhile, comes back as batteryStatusRead.
    if (!m_observer->isPresent() || m_batteryQueryRunning)
        return;
    m_batteryQueryRunning = true;
    m_observer->requestBatteryStatus();
}

void ReceiverStatus::showBatteryStatus(unsigned int state, const QString &text)
{
    // An answer overtaken by the unplug would bring back the indicator it cleared.
    if (!m_connected)
        return;
    m_battery->setPixmap(QPixmap(batteryPicture(state)));
    m_battery->setToolTip(text);
    if (text.compare(m_lastBatteryText, Qt::CaseInsensitive) != 0) {
        m_lastBatteryText = text;
        checkBatteryText();
    }
    emit batteryStatusShown(state, text);
}

void ReceiverStatus::checkDeviceMessage()
{
    const QString &message = m_lastDeviceMessage;
    if (sameText(message, "Not enough space") || sameText(message, "Space filled during work")) {
        m_openFolderOnNextMount = true;
        dialogs().critical(
            m_window, applicationTitle(),
            tr("The Quillo receiver has shutdown.  Please free up receiver memory."));
    } else if (sameText(message, "battery exhausted")
               || sameText(message, "failed to startup - battery low")) {
        if (m_tray)
            m_tray->showWarning(tr("Unit was shut down due to low battery."));
    }
}

void ReceiverStatus::checkBatteryText()
{
    if (!m_tray)
        return;
    const QString &text = m_lastBatteryText;
    if (sameBatteryText(text, "Not charging low current"))
        m_tray->showWarning(tr("Warning! Your Quillo receiver is not charging.  If you wish to "
                               "charge the receiver, please reconnect to a powered USB port."));
    else if (sameBatteryText(text, "Battery not operational"))
        m_tray->showWarning(tr("Warning! Your Quillo receiver is not charging. Either battery is "
                               "malfunctioning or it is not properly connected."));
    else if (sameBatteryText(text, "Battery is critically low"))
        m_tray->showWarning(
            tr("Battery level is critical, please charge the receiver for at least 30 minutes."));
}
