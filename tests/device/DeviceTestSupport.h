// Shared helpers of the receiver-link tests: a recording device, observers, waiting.
#pragma once

#include "device/Device.h"
#include "device/DeviceObserverInterface.h"
#include "device/HidConnection.h"
#include "ink/Point.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

namespace DeviceTest {

/// Generous: the machine may be slow and busy; a passing test never waits this long.
constexpr int kPatienceMs = 20000;

/// Runs the event loop until the condition holds; false if it never did.
inline bool waitUntil(const std::function<bool()> &condition, int timeoutMs = kPatienceMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

/// A feature report from its leading bytes; the rest are zero.
inline FeatureReport feature(std::initializer_list<unsigned char> bytes)
{
    FeatureReport report {};
    std::size_t i = 0;
    for (unsigned char b : bytes)
        report[i++] = b;
    return report;
}

inline InputReport input(std::initializer_list<unsigned char> bytes)
{
    InputReport report;
    for (unsigned char b : bytes)
        report.bytes[report.size++] = b;
    return report;
}

/// A device that records every report and answers reads from a script.
class RecordingDevice : public Device
{
public:
    struct Exchange
    {
        bool isWrite;
        FeatureReport report;
    };

    RecordingDevice()
        : Device(1, OpenStatus::Open)
    { }
    bool writePacket(const FeatureReport &report) override
    {
        exchanges.push_back({true, report});
        return !failWrites;
    }
    bool readPacket(FeatureReport &report) override
    {
        exchanges.push_back({false, report});
        if (failReads || answers.empty())
            return false;
        report = answers.front();
        answers.pop_front();
        return true;
    }
    std::string drivePath() override { return {}; }
    void startOnlineMode(DeviceObserverInterface *) override { }
    void stopOnlineMode() override { }
    void resolveDrivePath() override { }
    void clearDrivePath() override { }
    void onlinePoint(const Nivo::Point &) override { }

    std::vector<FeatureReport> writes() const
    {
        std::vector<FeatureReport> out;
        for (const Exchange &exchange : exchanges) {
            if (exchange.isWrite)
                out.push_back(exchange.report);
        }
        return out;
    }

    std::deque<FeatureReport> answers;
    std::vector<Exchange> exchanges;
    bool failWrites = false;
    bool failReads = false;
};

/// Records what the device layer reports, in order; points may come from another thread.
class RecordingObserver : public DeviceObserverInterface
{
public:
    void deviceArrived(Device *device) override
    {
        events.push_back("arrived");
        current = device;
    }
    void deviceRemoved(Device *device) override
    {
        events.push_back(device == current ? "removed" : "removed other");
        current = nullptr;
    }
    void pointReceived(const Nivo::Point &point) override
    {
        std::scoped_lock locker(m_lock);
        m_points.push_back(point);
        m_pointArrived.notify_all();
    }
    void volumeMounted(const std::string &root) override { events.push_back("volume " + root); }
    void volumeCheck() override { events.push_back("check"); }

    /// Waits for at least count points; false if they did not come.
    bool waitForPoints(std::size_t count, int timeoutMs = kPatienceMs)
    {
        std::unique_lock locker(m_lock);
        return m_pointArrived.wait_for(locker, std::chrono::milliseconds(timeoutMs),
                                       [&] { return m_points.size() >= count; });
    }
    std::vector<Nivo::Point> points() const
    {
        std::scoped_lock locker(m_lock);
        return m_points;
    }

    std::vector<std::string> events;
    Device *current = nullptr;

private:
    mutable std::mutex m_lock;
    std::condition_variable m_pointArrived;
    std::vector<Nivo::Point> m_points;
};

} // namespace DeviceTest
