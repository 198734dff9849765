// The Linux backend: hidapi for HID interfaces, udev and the mount table for hot plug,
// logind for suspend.
#pragma once

#include "device/ReceiverBackend.h"
#include "device/linux/RemovableVolumes.h"

#include <QPointer>
#include <QSocketNotifier>

#include <memory>
#include <string>
#include <vector>

class SleepWatcher;
struct udev;
struct udev_monitor;

class HidapiBackend : public ReceiverBackend
{
public:
    /// sysfsRoot and mountInfoPath can point into a fake tree for tests.
    explicit HidapiBackend(std::string sysfsRoot = "/sys",
                           std::string mountInfoPath = "/proc/self/mountinfo");
    ~HidapiBackend() override;

    bool startWatching(BackendListener &listener) override;
    void stopWatching() override;
    std::vector<HidInterfaceInfo> enumerate() override;
    std::unique_ptr<HidConnection> open(const std::string &path) override;
    std::vector<VolumeRecord> removableVolumes() override;
    bool isVolumeMounted(const std::string &root) override;
    std::string name() const override { return "hidraw"; }

    /// Compares the mount table with the one seen last and reports what left and what
    /// arrived; runs when the kernel says the table changed.
    void handleMountTableChanged();

private:
    void handleUdevEvent();
    bool watchUdev();
    bool watchMountTable();

    RemovableVolumes m_volumes;
    BackendListener *m_listener = nullptr;
    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QPointer<QSocketNotifier> m_udevNotifier;
    int m_mountFd = -1;
    QPointer<QSocketNotifier> m_mountNotifier;
    std::vector<std::string> m_knownMounts;
    std::unique_ptr<SleepWatcher> m_sleepWatcher;
};
