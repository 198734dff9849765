// The ink document of a pen file, with the file's descriptor, parameters and date packets.
#pragma once

#include "ink/Document.h"
#include "ink/QpePackets.h"

namespace Nivo {

class QpeDocument : public Document
{
public:
    ~QpeDocument() override;

    FileDescriptor &fileDescriptor() { return m_fileDescriptor; }
    PhysicalParams &physicalParams() { return m_physicalParams; }
    FileDateTime &fileDateTime() { return m_fileDateTime; }

private:
    FileDescriptor m_fileDescriptor;
    PhysicalParams m_physicalParams;
    FileDateTime m_fileDateTime;
};

} // namespace Nivo
