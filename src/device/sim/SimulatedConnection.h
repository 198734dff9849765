// The simulated receiver's HID interface as opened by the device layer.
#pragma once

#include "device/HidConnection.h"

#include <memory>

class SimulatedReceiver;

class SimulatedConnection : public HidConnection
{
public:
    /// Bound to the receiver as it is plugged in now; dead after it is unplugged.
    SimulatedConnection(std::shared_ptr<SimulatedReceiver> receiver, OpenStatus status);

    OpenStatus status() const override { return m_status; }
    bool sendFeatureReport(const FeatureReport &report) override;
    bool getFeatureReport(FeatureReport &report) override;
    ReadResult readInputReport(InputReport &report, int stopFd) override;

private:
    std::shared_ptr<SimulatedReceiver> m_receiver;
    OpenStatus m_status;
    unsigned int m_generation;
};
