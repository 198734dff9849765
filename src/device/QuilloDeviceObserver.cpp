// Arrival preparation, removal and volume signals, and the receiver queries for the windows.
#include "device/QuilloDeviceObserver.h"

#include "device/Device.h"
#include "device/DeviceLog.h"
#include "device/DeviceManager.h"
#include "device/ProtocolHandler.h"
#include "device/ReceiverTexts.h"

QuilloDeviceObserver::QuilloDeviceObserver(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<Nivo::Point>();
    m_timer.setInterval(10000);
    if (!connect(&m_timer, &QTimer::timeout, this, &QuilloDeviceObserver::timerTick))
        debugTrace(" connect timer failed");
}

QuilloDeviceObserver::~QuilloDeviceObserver()
{
    DeviceManager::instance().forgetObserver(this);
    QMutexLocker locker(&m_lock);
    m_timer.stop();
}

void QuilloDeviceObserver::setArrivalDelay(std::chrono::milliseconds delay)
{
    QMutexLocker locker(&m_lock);
    m_timer.setInterval(delay);
}

void QuilloDeviceObserver::deviceArrived(Device *device)
{
    QMutexLocker locker(&m_lock);
    m_timer.start();
    m_present = true;
    m_device = device;
}

void QuilloDeviceObserver::adoptDevice(Device *device)
{
    QMutexLocker locker(&m_lock);
    m_present = device != nullptr;
    m_device = device;
}

void QuilloDeviceObserver::deviceRemoved(Device *)
{
    {
        QMutexLocker locker(&m_lock);
        m_present = false;
        m_device = nullptr;
        m_timer.stop();
    }
    emit HIDDeviceUnplugSgnl(QStringLiteral("QuilloDeviceObserver::handleDeviceRemoved"));
}

void QuilloDeviceObserver::pointReceived(const Nivo::Point &point)
{
    emit updateNivoPointSgnl(point);
}

void QuilloDeviceObserver::volumeMounted(const std::string &root)
{
    // The first announcement wins until its volume is found gone.
    if (!m_drive.isEmpty())
        return;
    m_drive = QString::fromStdString(root);
    emit DiscVolumeMountedSgnl(m_drive);
}

void QuilloDeviceObserver::volumeCheck()
{
    if (m_drive.isEmpty())
        return;
    if (DeviceManager::instance().isVolumeReachable(m_drive.toStdString()))
        return;
    const QString gone = m_drive;
    m_drive.clear();
    emit DiscVolumeUnMountedSgnl(gone);
}

QString QuilloDeviceObserver::drive() const
{
    return m_drive;
}

void QuilloDeviceObserver::timerTick()
{
    {
        QMutexLocker locker(&m_lock);
        if (!m_present)
            return;
        debugTrace("QuilloDeviceObserver :: timerTick");
        m_timer.stop();
    }
    initDeviceAfterTimeout();
}

void QuilloDeviceObserver::initDeviceAfterTimeout()
{
    Device *device = presentDevice();
    if (!device)
        return;
    device->applyRestingMode();
    ProtocolHandler handler(device);
    unsigned int code = 0;
    if (handler.getEvent(code))
        emit sendLastErrorMsgSgnl(eventText(code));
    (void)handler.clearEvent();
    (void)handler.checkLink();
    emit HIDDevicePlugSgnl(QStringLiteral("QuilloDeviceObserver::handleDeviceInsertedSlot()"));
}

Device *QuilloDeviceObserver::presentDevice() const
{
    QMutexLocker locker(&m_lock);
    return m_present ? m_device : nullptr;
}

QString QuilloDeviceObserver::batteryStatus(unsigned int &state)
{
    Device *device = presentDevice();
    if (!device)
        return QString();
    unsigned int read = 0;
    if (ProtocolHandler(device).getBatteryState(read)) {
        m_lastBatteryText = batteryStateText(read);
        state = read;
    } else {
        m_lastBatteryText.clear();
    }
    return m_lastBatteryText;
}

bool QuilloDeviceObserver::setReceiverClock(const QDateTime &dateTime)
{
    Device *device = presentDevice();
    if (!device || !dateTime.isValid())
        return false;
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return ProtocolHandler(device).setClock(
        static_cast<std::uint16_t>(date.year()), static_cast<unsigned char>(date.month()),
        static_cast<unsigned char>(date.day()), static_cast<unsigned char>(time.hour()),
        static_cast<unsigned char>(time.minute()), static_cast<unsigned char>(time.second()));
}

bool QuilloDeviceObserver::setClickThreshold(std::uint16_t value)
{
    Device *device = presentDevice();
    return device && ProtocolHandler(device).setClickThreshold(value);
}

bool QuilloDeviceObserver::getClickThreshold(std::uint16_t &value)
{
    Device *device = presentDevice();
    return device && ProtocolHandler(device).getClickThreshold(value);
}

bool QuilloDeviceObserver::firmwareVersion(std::string &text)
{
    Device *device = presentDevice();
    return device && ProtocolHandler(device).getFirmwareVersion(text);
}

bool QuilloDeviceObserver::isPresent() const
{
    QMutexLocker locker(&m_lock);
    return m_present;
}
