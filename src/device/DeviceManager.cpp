// Arrival, removal, volume and power handling of the receiver.
#include "device/DeviceManager.h"

#include "device/DeviceLog.h"
#include "device/DeviceObserverInterface.h"
#include "device/HidDevice.h"
#include "device/ReceiverIdentity.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

// Bounds the enumeration, so that a misbehaving HID layer cannot keep the start busy.
constexpr std::size_t kMaxEnumeratedInterfaces = 127;

std::string asciiLower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c);
    });
    return text;
}

// The backend's notifiers must go while the application's event dispatcher still exists,
// which a process-wide static outlives.
void shutdownProcessWideManager()
{
    DeviceManager::instance().shutdown();
}

void registerShutdownOnce()
{
    static bool registered = false;
    if (!registered && QCoreApplication::instance()) {
        qAddPostRoutine(shutdownProcessWideManager);
        registered = true;
    }
}

} // namespace

DeviceManager::DeviceManager() = default;

DeviceManager::~DeviceManager()
{
    shutdown();
}

void DeviceManager::addObserver(DeviceObserverInterface *observer)
{
    if (observer
        && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void DeviceManager::removeObserver(DeviceObserverInterface *observer)
{
    std::erase(m_observers, observer);
    if (m_device && observer)
        m_device->detachOnlineObserver(observer);
}

void DeviceManager::setObserver(DeviceObserverInterface *observer)
{
    for (DeviceObserverInterface *old : std::vector(m_observers))
        removeObserver(old);
    addObserver(observer);
}

void DeviceManager::notify(const std::function<void(DeviceObserverInterface *)> &call)
{
    // An observer may add or remove observers, or run an event loop, while it is called.
    for (DeviceObserverInterface *observer : std::vector(m_observers)) {
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
            call(observer);
    }
}

void DeviceManager::setAcceptedIds(const QStringList &ids)
{
    m_acceptedIds = ids;
}

void DeviceManager::setVendorName(const std::string &name)
{
    m_vendorName = name;
}

void DeviceManager::setModelName(const std::string &name)
{
    m_modelName = name;
}

bool DeviceManager::start()
{
    if (!m_backend)
        m_backend = createDefaultBackend();
    registerShutdownOnce();
    stopWatching();
    m_watching = m_backend->startWatching(*this);
    if (!m_watching)
        debugTrace("DeviceManager: no device notifications, only receivers present now are found");
    if (!m_observers.empty()) {
        const std::string root = findReceiverVolume();
        if (root.size() > 1)
            notify([&](DeviceObserverInterface *observer) { observer->volumeMounted(root); });
    }
    const std::vector<HidInterfaceInfo> interfaces = m_backend->enumerate();
    const std::size_t count = std::min(interfaces.size(), kMaxEnumeratedInterfaces);
    for (std::size_t i = 0; i < count; ++i)
        interfaceArrived(interfaces[i]);
    return true;
}

std::string DeviceManager::findReceiverVolume()
{
    if (!m_backend)
        return {};
    const std::string vendor = asciiLower(m_vendorName);
    const std::string model = asciiLower(m_modelName);
    for (const VolumeRecord &volume : m_backend->removableVolumes()) {
        if (asciiLower(volume.vendor) == vendor && asciiLower(volume.model) == model)
            return volume.root;
    }
    return {};
}

void DeviceManager::releaseDevice()
{
    // Taken out first, so that whatever the observer does meanwhile cannot release it twice.
    std::unique_ptr<Device> device = std::move(m_device);
    m_devicePath.clear();
    if (!device)
        return;
    // Exchanges still queued or running fail at once from here on, so waiting for them
    // below is short and none of them reaches the gone receiver.
    device->cancel();
    notify([&](DeviceObserverInterface *observer) { observer->deviceRemoved(device.get()); });
    device->finishWork();
}

bool DeviceManager::isVolumeReachable(const std::string &root)
{
    if (m_backend)
        return m_backend->isVolumeMounted(root);
    return QFileInfo(QString::fromStdString(root)).isDir();
}

void DeviceManager::shutdown()
{
    releaseDevice();
    stopWatching();
    m_backend.reset();
}

void DeviceManager::setBackend(std::unique_ptr<ReceiverBackend> backend)
{
    shutdown();
    m_backend = std::move(backend);
}

void DeviceManager::stopWatching()
{
    if (m_watching && m_backend)
        m_backend->stopWatching();
    m_watching = false;
}

void DeviceManager::interfaceArrived(const HidInterfaceInfo &info)
{
    if (m_device || !m_backend || !matchesAcceptedId(info.matchText, m_acceptedIds))
        return;
    m_device = std::make_unique<HidDevice>(m_backend->open(info.path), info.path,
                                           m_backend->restingMode(), m_reportDelay,
                                           [this] { return findReceiverVolume(); });
    m_device->setPauseHook(m_pauseHook);
    m_devicePath = info.path;
    Device *device = m_device.get();
    notify([&](DeviceObserverInterface *observer) {
        // An earlier observer may have released the receiver meanwhile.
        if (m_device.get() == device)
            observer->deviceArrived(device);
    });
}

void DeviceManager::interfaceRemoved(const std::string &path)
{
    // Only the open receiver's own interface counts: a second receiver leaving must not
    // take the first one away.
    if (m_device && path == m_devicePath)
        releaseDevice();
}

void DeviceManager::volumeArrived()
{
    if (m_device)
        m_device->clearDrivePath();
    if (m_device && !m_observers.empty()) {
        const std::string root = findReceiverVolume();
        notify([&](DeviceObserverInterface *observer) { observer->volumeMounted(root); });
    }
}

void DeviceManager::volumeRemoved()
{
    if (m_device)
        m_device->clearDrivePath();
    notify([](DeviceObserverInterface *observer) { observer->volumeCheck(); });
}

void DeviceManager::systemSuspending()
{
    debugTrace("PBT_APMSUSPEND 0");
    if (m_device)
        releaseDevice();
}

void DeviceManager::systemResumed()
{
    debugTrace("PBT_APMRESUMEAUTOMATIC 0 ");
    if (!m_device)
        start();
}
