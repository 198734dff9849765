// The abstract open receiver: feature reports, its disc volume and live mode.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

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
/// defines all but applyRestingMode(). Exchanges run on the caller's thread and block it,
/// so the user interface hands them to the device's own worker thread with post().
class Device
{
public:
    /// Called with every pause the device makes before a report, on the pausing thread.
    using PauseHook = std::function<void(std::chrono::milliseconds)>;

    /// Runs the jobs still queued and ends the worker; a derived class whose jobs use its own
    /// members calls finishWork() in its own destructor.
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

    /// Queues a job for the device's worker thread, which runs the jobs one after the other in
    /// the order they were posted; the thread starts with the first job.
    void post(std::function<void()> job);
    /// The receiver is gone: pauses end at once and every later exchange fails, so that the
    /// jobs still queued finish quickly. Any thread may call it.
    void cancel();
    bool isCancelled() const { return m_cancelled.load(); }
    /// Runs the queued jobs to their end and stops the worker, which a later post() starts
    /// again; not from a job itself.
    void finishWork();
    /// Makes sure the observer hears no further live point, and, if live mode was delivering
    /// to it, ends live mode on the worker. Any thread but the live-mode one may call it.
    void detachOnlineObserver(DeviceObserverInterface *observer);
    /// Watches every pause from now on (tests).
    void setPauseHook(PauseHook hook) { m_pauseHook = std::move(hook); }

    /// The receiver mode used outside live mode (1 or 2).
    unsigned int restingMode() const { return m_restingMode.load(); }
    OpenStatus openStatus() const { return m_openStatus; }
    /// Who receives live points; null outside live mode.
    DeviceObserverInterface *onlineObserver() const { return m_onlineObserver.load(); }

protected:
    explicit Device(unsigned int restingMode, OpenStatus openStatus);

    /// Waits for the given time unless the device is cancelled meanwhile; false when it is.
    bool pause(std::chrono::milliseconds delay);
    /// Hands a live point to the live-mode observer, if any; for onlinePoint().
    void deliverOnlinePoint(const Nivo::Point &point);
    void setOnlineObserver(DeviceObserverInterface *observer);

    std::atomic<unsigned int> m_restingMode;
    std::atomic<DeviceObserverInterface *> m_onlineObserver {nullptr};
    const OpenStatus m_openStatus;

private:
    void work();

    PauseHook m_pauseHook;
    // Held while a live point is delivered, so a detached observer is called no more.
    std::mutex m_onlineLock;
    std::atomic<bool> m_cancelled {false};
    std::mutex m_jobLock;
    std::condition_variable m_jobsChanged;
    std::deque<std::function<void()>> m_jobs;
    bool m_finishing = false;
    std::thread m_worker;
};
