// A receiver in software: firmware, hot plug, disc volume and live points, for demos and tests.
#pragma once

#include "device/HidConnection.h"
#include "device/sim/PenReplay.h"
#include "device/sim/SimulatedFirmware.h"

#include <QString>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

class QSettings;

/// Every operation may be called from any thread. Exchanges go through a connection opened
/// by the simulated backend; a connection stays dead after an unplug, even when the
/// receiver is plugged in again, as a real interface node would.
class SimulatedReceiver
{
public:
    static constexpr unsigned int kVendorId = 0x1209;
    static constexpr unsigned int kProductId = 0xD3B0;
    /// The disc's names, padded as a disc reports them.
    static constexpr const char *kVendorName = "QUILLO  ";
    static constexpr const char *kModelName = "DRAFTBAY RECEIVR";
    static constexpr const char *kRevision = "0100";

    enum class Event { Plugged, Unplugged, VolumeMounted, VolumeUnmounted };
    /// Which feature exchanges fail, as with a receiver that stops answering.
    enum class Fault { None, FeatureWrites, FeatureReads, All };
    using Listener = std::function<void(Event)>;

    /// The volume is volumeDir, which holds "My Sketches". Starts plugged in and mounted.
    explicit SimulatedReceiver(const QString &volumeDir);
    ~SimulatedReceiver();
    SimulatedReceiver(const SimulatedReceiver &) = delete;
    SimulatedReceiver &operator=(const SimulatedReceiver &) = delete;

    /// Keeps the receiver's memory (threshold, last event, battery, clock) and the test
    /// switches (plugged, volume mounted, open denied) in an INI file: read now, written on
    /// every change.
    void persistIn(const QString &stateFile);
    /// Called with every plug and volume change; null for none.
    void setListener(Listener listener);

    void plug();
    void unplug();
    bool isPlugged() const;
    void mountVolume();
    void unmountVolume();
    bool isVolumeMounted() const;
    /// The volume folder followed by "/".
    std::string volumeRoot() const;
    std::string interfacePath() const;

    void setBatteryState(unsigned int state);
    void setLastEvent(unsigned int code);
    void setFault(Fault fault);
    /// Pulls the receiver out right after the next count successful feature writes, as a
    /// user would in the middle of an exchange (tests).
    void unplugAfterFeatureWrites(int count);
    /// Opening the interface fails as for a node the user may not open.
    void setOpenDenied(bool denied);
    bool isOpenDenied() const;
    SimulatedFirmware::State state() const;

    /// Live reports to deliver before any replayed ones (tests).
    void queueInputReport(const InputReport &report);
    /// Whether live mode replays the volume's first pen file; on by default.
    void setReplayEnabled(bool enabled);
    /// The longest pause between replayed reports; 500 ms by default.
    void setReplayGapCap(std::chrono::milliseconds cap);

    // The connection's side.
    unsigned int generation() const;
    bool isConnected(unsigned int generation) const;
    bool setFeature(unsigned int generation, const FeatureReport &report);
    bool getFeature(unsigned int generation, FeatureReport &report);
    HidConnection::ReadResult readInput(unsigned int generation, InputReport &report, int stopFd);

private:
    void disconnect();
    void notify(Event event);
    void wake();
    void save();
    void load();
    // Under m_lock: the next report due now, or how long to wait for one.
    std::optional<InputReport> nextLiveReport(std::chrono::milliseconds &wait, bool &needReplay);

    const QString m_volumeDir;
    mutable std::mutex m_lock;
    SimulatedFirmware m_firmware;
    Listener m_listener;
    std::unique_ptr<QSettings> m_store;
    unsigned int m_generation = 1;
    bool m_plugged = true;
    bool m_volumeMounted = true;
    bool m_openDenied = false;
    Fault m_fault = Fault::None;
    int m_writesBeforeUnplug = 0;
    std::deque<InputReport> m_queued;
    bool m_replayEnabled = true;
    std::optional<PenReplay> m_replay;
    std::size_t m_replayPosition = 0;
    std::chrono::steady_clock::time_point m_nextReplayDue;
    std::chrono::milliseconds m_replayGapCap {500};
    unsigned int m_lastMode = 1;
    // Woken on every change a waiting live read must see: unplug, mode, queued reports.
    int m_wakeEvent = -1;
};
