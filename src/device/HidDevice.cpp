// Report exchanges with their delay, the remembered volume root and live mode.
#include "device/HidDevice.h"

#include "device/DeviceLog.h"
#include "device/DeviceObserverInterface.h"
#include "device/OnlineModeThread.h"
#include "device/ProtocolHandler.h"

HidDevice::HidDevice(std::unique_ptr<HidConnection> connection, std::string path,
                     unsigned int restingMode, std::chrono::milliseconds reportDelay,
                     VolumeFinder findVolume)
    : Device(restingMode, connection ? connection->status() : OpenStatus::Failed)
    , m_connection(std::move(connection))
    , m_path(m_openStatus == OpenStatus::Open ? std::move(path) : std::string())
    , m_reportDelay(reportDelay)
    , m_findVolume(std::move(findVolume))
{
    if (m_openStatus != OpenStatus::Open)
        debugTrace("HidDevice: opening the interface failed, every exchange will fail");
}

HidDevice::~HidDevice()
{
    finishWork();
    std::scoped_lock locker(m_lock);
    endReadingThread();
}

bool HidDevice::writePacket(const FeatureReport &report)
{
    // The receiver needs this pause before every report it is sent.
    if (m_openStatus != OpenStatus::Open || !pause(m_reportDelay))
        return false;
    if (!m_connection->sendFeatureReport(report)) {
        debugTrace("HidDevice::writePacket failed");
        return false;
    }
    return true;
}

bool HidDevice::readPacket(FeatureReport &report)
{
    if (m_openStatus != OpenStatus::Open || !pause(m_reportDelay))
        return false;
    return m_connection->getFeatureReport(report);
}

std::string HidDevice::drivePath()
{
    if (m_drive.empty())
        resolveDrivePath();
    return m_drive;
}

void HidDevice::resolveDrivePath()
{
    m_drive = m_findVolume ? m_findVolume() : std::string();
}

void HidDevice::clearDrivePath()
{
    m_drive.clear();
}

void HidDevice::startOnlineMode(DeviceObserverInterface *observer)
{
    std::scoped_lock locker(m_lock);
    setOnlineObserver(observer);
    if (m_onlineThread && m_onlineThread->isRunning())
        return;
    ProtocolHandler handler(this);
    if (!m_liveModeSet) {
        unsigned int mode = 0;
        if (!handler.getMode(mode)) {
            setOnlineObserver(nullptr);
            return;
        }
        // Only a resting mode is worth returning to; a receiver found in live mode already
        // (or answering nonsense) goes back to the one it was opened with.
        if (mode == 1 || mode == 2)
            m_restingMode = mode;
    }
    if (!handler.setMode(ProtocolHandler::kLiveMode)) {
        setOnlineObserver(nullptr);
        return;
    }
    m_liveModeSet = true;
    // A thread that ended by itself (its read failed) is replaced by a fresh one.
    endReadingThread();
    auto thread = std::make_unique<OnlineModeThread>(this, m_connection.get());
    if (thread->start())
        m_onlineThread = std::move(thread);
}

void HidDevice::stopOnlineMode()
{
    std::scoped_lock locker(m_lock);
    ProtocolHandler handler(this);
    (void)handler.setMode(static_cast<unsigned char>(m_restingMode.load()));
    m_liveModeSet = false;
    endReadingThread();
    setOnlineObserver(nullptr);
}

void HidDevice::endReadingThread()
{
    if (!m_onlineThread)
        return;
    m_onlineThread->stop();
    m_onlineThread.reset();
    m_connection->closeInputReports();
}

void HidDevice::onlinePoint(const Nivo::Point &point)
{
    deliverOnlinePoint(point);
}

bool HidDevice::isReadingLive() const
{
    std::scoped_lock locker(m_lock);
    return m_onlineThread && m_onlineThread->isRunning();
}
