// The packet classes of the pen-file format: framing, decoding and the running values.
#pragma once

#include "ink/PenFileStream.h"
#include "ink/Property.h"

#include <array>
#include <cstdint>

namespace Nivo {

/// Packet tags of the pen-file format.
enum PacketTag : unsigned char {
    TagFileDescriptor = 0x01,
    TagPhysicalParams = 0x11,
    TagFileDateTime = 0x31,
    TagCoordinate = 0x61,
    TagPressure = 0x64,
    TagTilt = 0x65,
    TagTimestamp = 0xC2,
    TagStatus = 0xF1,
};

/// Length of a whole packet from its length code: the low six bits times six to the power
/// of the top two bits.
inline unsigned decodePacketLength(unsigned char code)
{
    static constexpr unsigned kFactors[4] = {1, 6, 36, 216};
    return (code & 0x3Fu) * kFactors[code >> 6];
}

/// Common base: the expected length and tag, and the header check of every packet.
class BasePacket
{
public:
    BasePacket(unsigned char length, unsigned char tag)
        : m_length(length)
        , m_tag(tag)
    { }

    /// Reads the packet with the stream placed just after its tag (the file descriptor
    /// reads its own tag). False when the packet is malformed or cut short by the end of
    /// the file.
    virtual bool readFromStream(PenFileStream &stream) = 0;

    unsigned char length() const { return m_length.value(); }
    unsigned char tag() const { return m_tag.value(); }

protected:
    ~BasePacket() = default;
    /// Reads the length code (0 when the file ends) and compares its decoded length.
    bool readHeader(PenFileStream &stream) const;
    /// Reads the payload, length - 2 bytes, in one block; false when it is cut short.
    bool readPayload(PenFileStream &stream, unsigned char *payload) const;

private:
    Property<unsigned char> m_length;
    Property<unsigned char> m_tag;
};

class FileDescriptor final : public BasePacket
{
public:
    FileDescriptor();
    bool readFromStream(PenFileStream &stream) override;
    /// Offsets 2 to 5 of the packet; offset 3 is the coordinate format.
    const std::array<unsigned char, 4> &bytes() const { return m_bytes; }

private:
    std::array<unsigned char, 4> m_bytes {};
};

class PhysicalParams final : public BasePacket
{
public:
    PhysicalParams();
    bool readFromStream(PenFileStream &stream) override;
    /// Offsets 2 to 8 in file byte order: a byte, two 16-bit fields, two bytes.
    const std::array<unsigned char, 7> &bytes() const { return m_bytes; }

private:
    std::array<unsigned char, 7> m_bytes {};
};

class FileDateTime final : public BasePacket
{
public:
    FileDateTime();
    bool readFromStream(PenFileStream &stream) override;
    const std::array<unsigned char, 7> &bytes() const { return m_bytes; }

private:
    std::array<unsigned char, 7> m_bytes {};
};

class CoordinatePoint final : public BasePacket
{
public:
    CoordinatePoint();
    bool readFromStream(PenFileStream &stream) override;
    /// Decoded position in tenths of a millimetre.
    double x() const { return m_x; }
    double y() const { return m_y; }

private:
    double m_x = 0.0;
    double m_y = 0.0;
};

class PressureData final : public BasePacket
{
public:
    PressureData();
    bool readFromStream(PenFileStream &stream) override;
    /// Signed: algorithm type 6 carries a signed 16-bit value.
    std::int32_t pressure() const { return m_pressure; }
    void reset() { m_pressure = 0; }

private:
    std::int32_t m_pressure = 0;
};

class TiltData final : public BasePacket
{
public:
    TiltData();
    bool readFromStream(PenFileStream &stream) override;
    std::int32_t tiltX() const { return m_tiltX; }
    std::int32_t tiltY() const { return m_tiltY; }
    void reset() { m_tiltX = m_tiltY = 0; }

private:
    std::int32_t m_tiltX = 0;
    std::int32_t m_tiltY = 0;
};

class TimestampData final : public BasePacket
{
public:
    TimestampData();
    bool readFromStream(PenFileStream &stream) override;
    std::uint32_t timestamp() const { return m_timestamp; }

private:
    std::uint32_t m_timestamp = 0;
};

class Status final : public BasePacket
{
public:
    static constexpr unsigned char kLayerBreak = 0x80;
    static constexpr unsigned char kStrokeBreak = 0x01;

    Status();
    bool readFromStream(PenFileStream &stream) override;
    unsigned char status() const { return m_status; }

private:
    unsigned char m_status = 0;
};

} // namespace Nivo
