// The one process-wide owner of the receiver: finds it, opens it and reports on it.
#pragma once

#include "device/Device.h"
#include "device/ReceiverBackend.h"
#include "settings/Singleton.h"

#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class DeviceObserverInterface;

/// Runs on the user-interface thread: every operation, and every notification it reacts
/// to, happens there. At most one receiver is open at a time; the first one found wins.
/// Several observers may listen (the window, the settings dialog, the live view); each hears
/// every event, in the order they were added.
class DeviceManager : public Singleton<DeviceManager>, private BackendListener
{
public:
    DeviceManager();
    /// Releases the open receiver, if any.
    ~DeviceManager() override;
    DeviceManager(const DeviceManager &) = delete;
    DeviceManager &operator=(const DeviceManager &) = delete;

    /// Adds an observer (not owned) once; it must be removed before it is destroyed.
    void addObserver(DeviceObserverInterface *observer);
    /// No longer calls the observer, also from a notification in progress, and ends live mode
    /// that delivers to it.
    void removeObserver(DeviceObserverInterface *observer);
    /// Replaces all observers by this one (null for none).
    void setObserver(DeviceObserverInterface *observer);
    /// Id fragments that mark a HID interface as the receiver, "VID_1209&PID_D3B0" style.
    void setAcceptedIds(const QStringList &ids);
    /// The vendor and model names the receiver's disc reports, blanks included.
    void setVendorName(const std::string &name);
    void setModelName(const std::string &name);

    /// Watches for arrivals, removals, volumes and suspend, then reports the receiver's
    /// volume (when mounted) and opens a receiver that is already plugged in. Uses the
    /// default backend unless one was set. Always true: missing notifications are only
    /// traced, and finding no receiver is not a failure.
    bool start();
    /// Root of the first mounted volume whose disc names match, ending with "/"; or empty.
    std::string findReceiverVolume();
    /// Cancels the receiver's exchanges, tells the observers that it left, waits for its
    /// worker's jobs and deletes it; once per receiver.
    void releaseDevice();

    /// Replaces the platform backend (tests, the simulated receiver); releases the
    /// receiver and stops watching first.
    void setBackend(std::unique_ptr<ReceiverBackend> backend);
    ReceiverBackend *backend() const { return m_backend.get(); }
    /// The pause before every feature report of the devices made from now on; 100 ms.
    void setReportDelay(std::chrono::milliseconds delay) { m_reportDelay = delay; }
    /// Watches every pause of the devices made from now on (tests).
    void setPauseHook(Device::PauseHook hook) { m_pauseHook = std::move(hook); }
    /// The open receiver, or null; valid until the observer hears deviceRemoved().
    Device *currentDevice() const { return m_device.get(); }
    /// The interface path the open receiver came from, also when opening it failed.
    const std::string &devicePath() const { return m_devicePath; }
    const std::vector<DeviceObserverInterface *> &observers() const { return m_observers; }
    /// Whether a volume root announced earlier is still mounted and listable.
    bool isVolumeReachable(const std::string &root);
    /// Releases the receiver, stops watching and drops the backend; done at the latest when
    /// the application object is destroyed.
    void shutdown();

private:
    void interfaceArrived(const HidInterfaceInfo &info) override;
    void interfaceRemoved(const std::string &path) override;
    void volumeArrived() override;
    void volumeRemoved() override;
    void systemSuspending() override;
    void systemResumed() override;

    void stopWatching();
    /// Calls each observer still listening, also those added meanwhile not.
    void notify(const std::function<void(DeviceObserverInterface *)> &call);

    std::unique_ptr<ReceiverBackend> m_backend;
    QStringList m_acceptedIds;
    std::string m_vendorName;
    std::string m_modelName;
    std::unique_ptr<Device> m_device;
    // The path the open device came from, kept even when opening it failed, so that its
    // removal is recognised.
    std::string m_devicePath;
    std::vector<DeviceObserverInterface *> m_observers;
    std::chrono::milliseconds m_reportDelay {100};
    Device::PauseHook m_pauseHook;
    bool m_watching = false;
};
