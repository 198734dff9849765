// What the device manager needs from the platform: HID interfaces, volumes, notifications.
#pragma once

#include "device/HidConnection.h"

#include <memory>
#include <string>
#include <vector>

/// One HID interface that is present.
struct HidInterfaceInfo
{
    /// What opens it, for example "/dev/hidraw3"; also what its removal names.
    std::string path;
    /// The text accepted ids are looked for in, "VID_1209&PID_D3B0" style plus the path.
    std::string matchText;
};

/// One removable disc volume: the identity strings its disc reports, blanks included.
struct VolumeRecord
{
    std::string vendor;
    std::string model;
    std::string revision;
    /// Mount point ending with "/".
    std::string root;
};

/// Receives the platform's notifications on the thread that started watching.
class BackendListener
{
public:
    virtual ~BackendListener() = default;
    virtual void interfaceArrived(const HidInterfaceInfo &info) = 0;
    virtual void interfaceRemoved(const std::string &path) = 0;
    virtual void volumeArrived() = 0;
    virtual void volumeRemoved() = 0;
    virtual void systemSuspending() = 0;
    virtual void systemResumed() = 0;
};

class ReceiverBackend
{
public:
    virtual ~ReceiverBackend() = default;

    /// Registers for notifications, delivered through the calling thread's event loop.
    /// False when none can be had; the caller carries on without them.
    virtual bool startWatching(BackendListener &listener) = 0;
    virtual void stopWatching() = 0;
    /// The HID interfaces present now, in the platform's order.
    virtual std::vector<HidInterfaceInfo> enumerate() = 0;
    /// Opens an interface; the connection's status says whether that worked.
    virtual std::unique_ptr<HidConnection> open(const std::string &path) = 0;
    /// The mounted removable volumes, in the platform's order.
    virtual std::vector<VolumeRecord> removableVolumes() = 0;
    /// Whether a root announced earlier is still a mounted, listable volume.
    virtual bool isVolumeMounted(const std::string &root) = 0;
    /// The receiver mode to use outside live mode on this platform.
    virtual unsigned int restingMode() const { return 1; }
    /// A short name for messages: "hidraw", "simulated".
    virtual std::string name() const = 0;
};

/// The platform's own backend (chosen by the build).
std::unique_ptr<ReceiverBackend> createPlatformBackend();
/// The simulated receiver when DRAFTBAY_SIMULATED_RECEIVER names a folder, else the
/// platform's backend.
std::unique_ptr<ReceiverBackend> createDefaultBackend();
