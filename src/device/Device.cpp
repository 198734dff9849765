// The part of every device that only needs the protocol: the resting mode.
#include "device/Device.h"

#include "device/ProtocolHandler.h"

Device::Device(unsigned int restingMode, OpenStatus openStatus)
    : m_restingMode(restingMode)
    , m_openStatus(openStatus)
{ }

Device::~Device() = default;

bool Device::applyRestingMode()
{
    ProtocolHandler handler(this);
    return handler.setMode(static_cast<unsigned char>(m_restingMode.load()));
}
