// Reading and decoding of each pen-file packet.
#include "ink/QpePackets.h"

#include "ink/Log.h"

namespace Nivo {

bool BasePacket::readHeader(PenFileStream &stream) const
{
    unsigned char code = 0;
    stream.readByte(code);
    return decodePacketLength(code) == m_length.value();
}

bool BasePacket::readPayload(PenFileStream &stream, unsigned char *payload) const
{
    const size_t size = m_length.value() - 2u;
    return stream.read(payload, size) == size;
}

FileDescriptor::FileDescriptor()
    : BasePacket(6, TagFileDescriptor)
{ }

bool FileDescriptor::readFromStream(PenFileStream &stream)
{
    if (!stream.isOpen() || stream.atEnd())
        return false;
    unsigned char tagByte = 0;
    if (stream.read(&tagByte, 1) != 1 || tagByte != TagFileDescriptor) {
        logMessage(LogSevere, "FileDescriptor", "readFromStream",
                   "bad packet tag: 1 expected for file descriptor");
        return false;
    }
    if (!readHeader(stream))
        return false;
    // A descriptor cut short by the end of the file still counts when its coordinate
    // format is there: the bytes that are missing stay zero.
    std::array<unsigned char, 4> bytes {};
    stream.read(bytes.data(), bytes.size());
    if (stream.hasError())
        return false;
    m_bytes = bytes;
    if (m_bytes[1] != 2) {
        logMessage(LogSevere, "FileDescriptor", "readFromStream",
                   "Invalid coordinate format - currently only cooridnates are supported");
        return false;
    }
    return true;
}

PhysicalParams::PhysicalParams()
    : BasePacket(9, TagPhysicalParams)
{ }

bool PhysicalParams::readFromStream(PenFileStream &stream)
{
    std::array<unsigned char, 7> bytes {};
    if (!readHeader(stream) || !readPayload(stream, bytes.data()))
        return false;
    m_bytes = bytes;
    return true;
}

FileDateTime::FileDateTime()
    : BasePacket(9, TagFileDateTime)
{ }

bool FileDateTime::readFromStream(PenFileStream &stream)
{
    std::array<unsigned char, 7> bytes {};
    if (!readHeader(stream) || !readPayload(stream, bytes.data()))
        return false;
    m_bytes = bytes;
    return true;
}

CoordinatePoint::CoordinatePoint()
    : BasePacket(6, TagCoordinate)
{ }

bool CoordinatePoint::readFromStream(PenFileStream &stream)
{
    unsigned char p[4];
    if (!readHeader(stream) || stream.readFixed(p) != 4)
        return false;
    const auto rawX = static_cast<std::int16_t>((p[0] << 8) | p[1]);
    const auto rawY = static_cast<std::int16_t>((p[2] << 8) | p[3]);
    // X and Y have steps of a tenth and a fifth; each value sits in the middle of its step.
    m_x = (rawX + 5.0) / 10.0;
    m_y = (rawY + 2.5) / 5.0;
    return true;
}

PressureData::PressureData()
    : BasePacket(6, TagPressure)
{ }

bool PressureData::readFromStream(PenFileStream &stream)
{
    unsigned char p[4];
    if (!readHeader(stream) || stream.readFixed(p) != 4)
        return false;
    const unsigned raw = (p[2] << 8) | p[3];
    switch (p[0]) {
    case 1:
    case 5:
        m_pressure = static_cast<std::int32_t>(raw / 4);
        return true;
    case 6:
        m_pressure = static_cast<std::int16_t>(raw);
        return true;
    default:
        logMessage(LogWarning, "PressureData", "readFromStream", "invalid pressure algorithm type");
        return false;
    }
}

TiltData::TiltData()
    : BasePacket(6, TagTilt)
{ }

bool TiltData::readFromStream(PenFileStream &stream)
{
    unsigned char p[4];
    if (!readHeader(stream) || stream.readFixed(p) != 4)
        return false;
    m_tiltX = static_cast<std::int8_t>(p[0]);
    m_tiltY = static_cast<std::int8_t>(p[1]);
    return true;
}

TimestampData::TimestampData()
    : BasePacket(6, TagTimestamp)
{ }

bool TimestampData::readFromStream(PenFileStream &stream)
{
    m_timestamp = 0;
    unsigned char p[4];
    if (!readHeader(stream) || stream.readFixed(p) != 4)
        return false;
    if (p[0] == 0x11)
        m_timestamp = (static_cast<std::uint32_t>(p[1]) << 16) | (p[2] << 8) | p[3];
    return true;
}

Status::Status()
    : BasePacket(3, TagStatus)
{ }

bool Status::readFromStream(PenFileStream &stream)
{
    unsigned char p[1];
    if (!readHeader(stream) || !readPayload(stream, p))
        return false;
    m_status = p[0];
    return true;
}

} // namespace Nivo
