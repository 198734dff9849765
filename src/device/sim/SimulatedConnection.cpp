// Forwarding the device layer's exchanges to the simulated receiver.
#include "device/sim/SimulatedConnection.h"

#include "device/sim/SimulatedReceiver.h"

SimulatedConnection::SimulatedConnection(std::shared_ptr<SimulatedReceiver> receiver,
                                         OpenStatus status)
    : m_receiver(std::move(receiver))
    , m_status(status)
    , m_generation(m_receiver->generation())
{ }

bool SimulatedConnection::sendFeatureReport(const FeatureReport &report)
{
    return m_status == OpenStatus::Open && m_receiver->setFeature(m_generation, report);
}

bool SimulatedConnection::getFeatureReport(FeatureReport &report)
{
    return m_status == OpenStatus::Open && m_receiver->getFeature(m_generation, report);
}

HidConnection::ReadResult SimulatedConnection::readInputReport(InputReport &report, int stopFd)
{
    if (m_status != OpenStatus::Open)
        return ReadResult::Failed;
    return m_receiver->readInput(m_generation, report, stopFd);
}
