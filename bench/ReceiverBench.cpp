// The window beside a receiver with its real report delays: plugging it, its preparation,
// battery polls and its removal must never hold up the user-interface thread.
#include "BenchSupport.h"
#include "TimedApplication.h"
#include "browser/DirView.h"
#include "browser/ReceiverStatus.h"
#include "device/DeviceManager.h"
#include "device/QuilloDeviceObserver.h"
#include "device/sim/SimulatedBackend.h"
#include "device/sim/SimulatedReceiver.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <string>

using namespace BenchSupport;
using namespace std::chrono_literals;

namespace {

constexpr const char *kReceiverTarget = "target: max_event_ms<=50";

bool waitFor(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, 30000);
}

// Each iteration: plug (100 ms per report, as the receiver needs), the preparation after a
// short arrival pause, five battery polls and the removal; the longest event delivery on the
// window's thread over all of it is the figure.
void receiverWorkflow(benchmark::State &state)
{
    ScratchFolder volume("draftbay-receiver-bench");
    if (volume.path().empty()
        || !QDir().mkpath(QString::fromStdString(volume.path() / "My Sketches"))) {
        state.SkipWithError("cannot make the receiver's volume");
        return;
    }
    auto receiver = std::make_shared<SimulatedReceiver>(QString::fromStdString(volume.path()));
    receiver->setReplayEnabled(false);
    receiver->unplug();
    DeviceManager &manager = DeviceManager::instance();
    manager.setBackend(std::make_unique<SimulatedBackend>(receiver));
    manager.setReportDelay(100ms);

    QMainWindow window;
    auto *tree = new DirView(&window);
    QAction back(&window), forward(&window);
    ReceiverStatus status(&window, tree, &back, &forward);
    status.observer()->setArrivalDelay(200ms);
    status.start(nullptr);
    QSignalSpy polls(&status, &ReceiverStatus::batteryStatusShown);

    double longestMs = 0;
    std::string longest;
    double plugToAnnouncedMs = 0;
    for (auto _ : state) {
        polls.clear();
        timedApplication().startRecording();
        const double plugged = nowMs();
        receiver->plug();
        if (!waitFor([&] { return status.isConnected(); })) {
            state.SkipWithError("the receiver was never announced");
            break;
        }
        plugToAnnouncedMs += nowMs() - plugged;
        for (int poll = 1; poll <= 5; ++poll) {
            status.shootBatteryStatusSlot();
            if (!waitFor([&] { return polls.count() == poll; })) {
                state.SkipWithError("a battery poll never answered");
                break;
            }
        }
        // Pulled while a poll waits for the receiver.
        status.shootBatteryStatusSlot();
        receiver->unplug();
        if (!waitFor([&] { return !status.isConnected() && !manager.currentDevice(); })) {
            state.SkipWithError("the removal was never heard");
            break;
        }
        timedApplication().stopRecording();
        if (timedApplication().longestMs() > longestMs) {
            longestMs = timedApplication().longestMs();
            longest = std::string(timedApplication().longestClass()) + " event "
                + std::to_string(timedApplication().longestType());
        }
    }
    manager.shutdown();
    state.counters["max_event_ms"] = longestMs;
    state.counters["plug_to_announced_ms"] = plugToAnnouncedMs
        / static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.SetLabel(std::string(kReceiverTarget) + " (longest: " + longest + ")");
}

BENCHMARK(receiverWorkflow)
    ->Name("Receiver/plug-prepare-poll-unplug")
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
