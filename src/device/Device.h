// The abstract open receiver: feature reports, its disc volume and live mode.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <string>

namespace Nivo {
struct Point;
}

class DeviceObserverInterface;

/// Every feature report the receiver exchanges: byte 0 the report id, then 32 payload bytes.
constexpr std::size_t kFeatureReportSize = 33;
constexpr unsigned char kFeatureReportId = 0x80;
using FeatureReport = std::array<unsigned char, kFeatureReportSize>;

/// How opening the receiver's HID interface went; the device exists either way.
enum class OpenStatus { Open, PermissionDenied, Failed };

/// One open receiver. The virtual operations keep this order; the platform's device class
/// defines all but applyRestingMode(). Exchanges run on the caller's thread and block it.
class Device
{
public:
    virtual ~Device();
    /// Sends one feature report after the report delay; false when it could not be sent.
    virtual bool writePacket(const FeatureReport &report) = 0;
    /// Fetches one feature report into report, whose byte 0 the caller has set to the report
    /// id; false (and report untouched) when it could not be fetched.
    virtual bool readPacket(FeatureReport &report) = 0;
    /// Root of the receiver's disc volume, ending with a separator; looked up again while
    /// none is remembered, so empty when none is mounted.
    virtual std::string drivePath() = 0;
    /// Switches the receiver to live mode and starts reading its points, which go to
    /// observer->pointReceived() on the reading thread. Silently does nothing when the
    /// receiver does not answer.
    virtual void startOnlineMode(DeviceObserverInterface *observer) = 0;
    /// Restores the mode the receiver had before live mode and ends the reading thread.
    virtual void stopOnlineMode() = 0;
    virtual void resolveDrivePath() = 0;
    virtual void clearDrivePath() = 0;
    /// Hands one live point to the live-mode observer; called on the reading thread.
    virtual void onlinePoint(const Nivo::Point &point) = 0;
    /// Puts the receiver into its resting mode; false when the exchange failed.
    virtual bool applyRestingMode();

    /// The receiver mode used outside live mode (1 or 2).
    unsigned int restingMode() const { return m_restingMode.load(); }
    OpenStatus openStatus() const { return m_openStatus; }
    /// Who receives live points; null outside live mode.
    DeviceObserverInterface *onlineObserver() const { return m_onlineObserver.load(); }

protected:
    explicit Device(unsigned int restingMode, OpenStatus openStatus);

    std::atomic<unsigned int> m_restingMode;
    std::atomic<DeviceObserverInterface *> m_onlineObserver {nullptr};
    const OpenStatus m_openStatus;
};
