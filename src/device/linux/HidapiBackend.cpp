// HID enumeration through hidapi, hot plug through a udev monitor and the mount table,
// suspend and resume through logind.
#include "device/linux/HidapiBackend.h"

#include "device/DeviceLog.h"
#include "device/ReceiverIdentity.h"
#include "device/linux/HidapiConnection.h"
#include "device/linux/SleepWatcher.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <hidapi.h>
#include <libudev.h>
#include <unistd.h>

namespace {

bool sameText(const char *a, const char *b)
{
    return a && b && std::strcmp(a, b) == 0;
}

// A hidraw node's numbers come from its HID parent, "BUS:VENDOR:PRODUCT" in hexadecimal.
std::string matchTextOf(udev_device *hidraw, const char *node)
{
    udev_device *hid = udev_device_get_parent_with_subsystem_devtype(hidraw, "hid", nullptr);
    const char *id = hid ? udev_device_get_property_value(hid, "HID_ID") : nullptr;
    unsigned int bus = 0, vendor = 0, product = 0;
    if (!id || std::sscanf(id, "%x:%x:%x", &bus, &vendor, &product) != 3)
        return node;
    return deviceIdText(vendor, product) + " " + node;
}

// Disabled at once but deleted later: stopping may be asked from inside its own handler.
void retire(QPointer<QSocketNotifier> &notifier)
{
    if (notifier) {
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
    notifier = nullptr;
}

bool hidapiReady()
{
    static const bool ready = hid_init() == 0;
    return ready;
}

} // namespace

std::unique_ptr<ReceiverBackend> createPlatformBackend()
{
    return std::make_unique<HidapiBackend>();
}

HidapiBackend::HidapiBackend(std::string sysfsRoot, std::string mountInfoPath)
    : m_volumes(std::move(sysfsRoot), std::move(mountInfoPath))
{ }

HidapiBackend::~HidapiBackend()
{
    stopWatching();
}

bool HidapiBackend::startWatching(BackendListener &listener)
{
    stopWatching();
    m_listener = &listener;
    const bool hotPlug = watchUdev();
    const bool volumes = watchMountTable();
    if (!m_sleepWatcher) {
        // Kept across stop and start: a resume restarts watching from inside its handler.
        m_sleepWatcher = std::make_unique<SleepWatcher>([this](bool sleeping) {
            if (!m_listener)
                return;
            if (sleeping)
                m_listener->systemSuspending();
            else
                m_listener->systemResumed();
        });
        if (!m_sleepWatcher->connectToLogind())
            debugTrace("HidapiBackend: no logind on the system bus, suspend is not noticed");
    }
    return hotPlug || volumes;
}

bool HidapiBackend::watchUdev()
{
    m_udev = udev_new();
    m_monitor = m_udev ? udev_monitor_new_from_netlink(m_udev, "udev") : nullptr;
    if (!m_monitor
        || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "block", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        debugTrace("HidapiBackend: no udev monitor, receivers plugged in later are not noticed");
        return false;
    }
    m_udevNotifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read);
    QObject::connect(m_udevNotifier, &QSocketNotifier::activated, m_udevNotifier,
                     [this] { handleUdevEvent(); });
    return true;
}

bool HidapiBackend::watchMountTable()
{
    m_knownMounts = m_volumes.mountPoints();
    m_mountFd = ::open(m_volumes.mountInfoPath().c_str(), O_RDONLY | O_CLOEXEC);
    if (m_mountFd < 0)
        return false;
    // The kernel marks the mount table's file as exceptional whenever a mount comes or goes.
    m_mountNotifier = new QSocketNotifier(m_mountFd, QSocketNotifier::Exception);
    QObject::connect(m_mountNotifier, &QSocketNotifier::activated, m_mountNotifier,
                     [this] { handleMountTableChanged(); });
    return true;
}

void HidapiBackend::stopWatching()
{
    m_listener = nullptr;
    retire(m_udevNotifier);
    retire(m_mountNotifier);
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
    m_monitor = nullptr;
    m_udev = nullptr;
    if (m_mountFd >= 0)
        ::close(m_mountFd);
    m_mountFd = -1;
}

void HidapiBackend::handleUdevEvent()
{
    udev_device *device = m_monitor ? udev_monitor_receive_device(m_monitor) : nullptr;
    if (!device)
        return;
    const char *action = udev_device_get_action(device);
    const char *subsystem = udev_device_get_subsystem(device);
    const char *node = udev_device_get_devnode(device);
    if (m_listener && sameText(subsystem, "hidraw") && node) {
        if (sameText(action, "add"))
            m_listener->interfaceArrived({node, matchTextOf(device, node)});
        else if (sameText(action, "remove"))
            m_listener->interfaceRemoved(node);
    } else if (m_listener && sameText(subsystem, "block") && sameText(action, "remove")) {
        // A disc pulled out without unmounting still leaves its mount behind for a while.
        m_listener->volumeRemoved();
    }
    udev_device_unref(device);
}

void HidapiBackend::handleMountTableChanged()
{
    const std::vector<std::string> now = m_volumes.mountPoints();
    const auto isIn = [](const std::vector<std::string> &list, const std::string &point) {
        return std::find(list.begin(), list.end(), point) != list.end();
    };
    const bool removed = std::any_of(m_knownMounts.begin(), m_knownMounts.end(),
                                     [&](const std::string &point) { return !isIn(now, point); });
    const bool added = std::any_of(now.begin(), now.end(), [&](const std::string &point) {
        return !isIn(m_knownMounts, point);
    });
    m_knownMounts = now;
    if (removed && m_listener)
        m_listener->volumeRemoved();
    if (added && m_listener)
        m_listener->volumeArrived();
}

std::vector<HidInterfaceInfo> HidapiBackend::enumerate()
{
    std::vector<HidInterfaceInfo> interfaces;
    if (!hidapiReady())
        return interfaces;
    hid_device_info *list = hid_enumerate(0, 0);
    for (const hid_device_info *info = list; info; info = info->next) {
        if (info->path)
            interfaces.push_back(
                {info->path, deviceIdText(info->vendor_id, info->product_id) + " " + info->path});
    }
    hid_free_enumeration(list);
    return interfaces;
}

std::unique_ptr<HidConnection> HidapiBackend::open(const std::string &path)
{
    (void)hidapiReady();
    return std::make_unique<HidapiConnection>(path);
}

std::vector<VolumeRecord> HidapiBackend::removableVolumes()
{
    return m_volumes.scan();
}

bool HidapiBackend::isVolumeMounted(const std::string &root)
{
    return m_volumes.isMounted(root);
}
