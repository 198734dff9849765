// Shared helpers of the receiver-link tests: a recording device, an observer, waiting.
#pragma once

#include "device/Device.h"
#include "device/DeviceManager.h"
#include "device/DeviceObserverInterface.h"
#include "device/HidConnection.h"
#include "device/sim/SimulatedBackend.h"
#include "device/sim/SimulatedReceiver.h"
#include "ink/Point.h"

#include <QDir>
#include <QTest>

#include <algorithm>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace DeviceTest {

/// Generous: the machine may be slow and busy; a passing test never waits this long.
constexpr int kPatienceMs = 20000;

/// Runs the event loop until the condition holds; false if it never did.
inline bool waitUntil(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, kPatienceMs);
}

/// A feature report from its leading bytes; the rest are zero.
inline FeatureReport feature(std::initializer_list<unsigned char> bytes)
{
    FeatureReport report {};
    std::copy(bytes.begin(), bytes.end(), report.begin());
    return report;
}

inline InputReport input(std::initializer_list<unsigned char> bytes)
{
    InputReport report;
    std::copy(bytes.begin(), bytes.end(), report.bytes.begin());
    report.size = bytes.size();
    return report;
}

/// A simulated receiver whose volume is the folder, with its "My Sketches", that replays no
/// pen file in live mode; installed as the device manager's platform, without report delays.
inline std::shared_ptr<SimulatedReceiver> installSimulatedReceiver(const QString &volume)
{
    QDir().mkpath(volume + "/My Sketches");
    auto receiver = std::make_shared<SimulatedReceiver>(volume);
    receiver->setReplayEnabled(false);
    DeviceManager::instance().setBackend(std::make_unique<SimulatedBackend>(receiver));
    DeviceManager::instance().setReportDelay(std::chrono::milliseconds(0));
    return receiver;
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
    ~RecordingDevice() override { finishWork(); }
    bool writePacket(const FeatureReport &report) override
    {
        if (onExchange)
            onExchange();
        exchanges.push_back({true, report});
        writes.push_back(report);
        return !failWrites;
    }
    bool readPacket(FeatureReport &report) override
    {
        if (onExchange)
            onExchange();
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

    /// Called on the exchanging thread before each report.
    std::function<void()> onExchange;
    std::deque<FeatureReport> answers;
    std::vector<Exchange> exchanges;
    std::vector<FeatureReport> writes;
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
    }
    void volumeMounted(const std::string &root) override { events.push_back("volume " + root); }
    void volumeCheck() override { events.push_back("check"); }

    std::vector<Nivo::Point> points() const
    {
        std::scoped_lock locker(m_lock);
        return m_points;
    }

    std::vector<std::string> events;
    Device *current = nullptr;

private:
    mutable std::mutex m_lock;
    std::vector<Nivo::Point> m_points;
};

} // namespace DeviceTest
