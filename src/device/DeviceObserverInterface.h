// What the device layer tells the one observer of the receiver.
#pragma once

#include <string>

namespace Nivo {
struct Point;
}

class Device;

/// Implemented by whoever follows the receiver. The virtual operations keep this order.
/// All but pointReceived() are called on the user-interface thread.
class DeviceObserverInterface
{
public:
    virtual ~DeviceObserverInterface() = default;
    /// The receiver's HID interface was opened; the device stays valid until deviceRemoved().
    virtual void deviceArrived(Device *device) = 0;
    /// The receiver left; called before the device is deleted.
    virtual void deviceRemoved(Device *device) = 0;
    /// One live point; called on the live-mode thread.
    virtual void pointReceived(const Nivo::Point &point) = 0;
    /// A volume arrived (or the program started); root is the receiver volume's root or
    /// empty when it is not among the mounted volumes.
    virtual void volumeMounted(const std::string &root) = 0;
    /// Some volume left; the observer checks whether its own one is still reachable.
    virtual void volumeCheck() = 0;
};
