// The receiver opened through a HID connection: report exchanges, volume, live mode.
#pragma once

#include "device/Device.h"
#include "device/HidConnection.h"

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

class OnlineModeThread;

class HidDevice : public Device
{
public:
    using VolumeFinder = std::function<std::string()>;

    /// Takes the connection whatever its status; a device whose interface did not open
    /// exists but every exchange on it fails. reportDelay comes before every feature report.
    HidDevice(std::unique_ptr<HidConnection> connection, std::string path, unsigned int restingMode,
              std::chrono::milliseconds reportDelay, VolumeFinder findVolume);
    /// Ends a running live-mode thread; the receiver's mode is left as it is.
    ~HidDevice() override;

    bool writePacket(const FeatureReport &report) override;
    bool readPacket(FeatureReport &report) override;
    std::string drivePath() override;
    void startOnlineMode(DeviceObserverInterface *observer) override;
    void stopOnlineMode() override;
    void resolveDrivePath() override;
    void clearDrivePath() override;
    void onlinePoint(const Nivo::Point &point) override;

    /// The interface path; empty when opening failed.
    const std::string &path() const { return m_path; }
    /// Whether the reading thread is running now.
    bool isReadingLive() const;

private:
    void endReadingThread();

    std::unique_ptr<HidConnection> m_connection;
    std::string m_path;
    std::chrono::milliseconds m_reportDelay;
    VolumeFinder m_findVolume;
    std::string m_drive;
    std::unique_ptr<OnlineModeThread> m_onlineThread;
    // Set between a successful switch to live mode and the stop that restores the resting
    // mode, so a second start does not take the live mode for the resting one.
    bool m_liveModeSet = false;
    // Serialises starting and stopping live mode.
    mutable std::mutex m_lock;
};
