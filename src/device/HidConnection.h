// One opened HID interface of the receiver, as the platform (or the simulation) gives it.
#pragma once

#include "device/Device.h"

#include <array>
#include <cstddef>

/// Big enough for any input report of the receiver; its live reports are 12 bytes.
constexpr std::size_t kMaxInputReportSize = 64;

struct InputReport
{
    std::array<unsigned char, kMaxInputReportSize> bytes {};
    std::size_t size = 0;
};

class HidConnection
{
public:
    enum class ReadResult { Report, Stopped, Failed };

    virtual ~HidConnection() = default;

    virtual OpenStatus status() const = 0;
    /// Sends one feature report at once; false when the interface is unusable or gone.
    virtual bool sendFeatureReport(const FeatureReport &report) = 0;
    /// Fetches the feature report named by byte 0 of report; report changes only on success.
    virtual bool getFeatureReport(FeatureReport &report) = 0;
    /// Blocks until an input report arrives (Report), stopFd becomes readable (Stopped) or
    /// the interface fails or disappears (Failed). Only the live-mode thread calls it.
    virtual ReadResult readInputReport(InputReport &report, int stopFd) = 0;
    /// Releases what reading input reports needed; called after the reading thread ended.
    virtual void closeInputReports() { }
};
