// The device layer's backend for a simulated receiver.
#pragma once

#include "device/ReceiverBackend.h"

#include <QObject>

#include <memory>

class SimulatedReceiver;

/// Finds exactly the one simulated receiver and its volume. Its plug and volume changes,
/// made on any thread, reach the listener through the event loop of the thread that
/// created the backend, as a platform's notifications would.
class SimulatedBackend : public ReceiverBackend
{
public:
    explicit SimulatedBackend(std::shared_ptr<SimulatedReceiver> receiver);
    ~SimulatedBackend() override;

    bool startWatching(BackendListener &listener) override;
    void stopWatching() override;
    std::vector<HidInterfaceInfo> enumerate() override;
    std::unique_ptr<HidConnection> open(const std::string &path) override;
    std::vector<VolumeRecord> removableVolumes() override;
    bool isVolumeMounted(const std::string &root) override;
    std::string name() const override { return "simulated"; }

    /// The system going to sleep and waking up, delivered like the other notifications.
    void simulateSuspend();
    void simulateResume();

    SimulatedReceiver &receiver() const { return *m_receiver; }

private:
    HidInterfaceInfo interfaceInfo() const;
    void post(std::function<void(BackendListener &)> call);

    std::shared_ptr<SimulatedReceiver> m_receiver;
    // Owns the queued notifications: they die with it.
    QObject m_context;
    BackendListener *m_listener = nullptr;
};
