// Builds pen-file bytes packet by packet for the reader's tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace TestSupport {

class PenFileBuilder
{
public:
    PenFileBuilder &raw(std::initializer_list<unsigned char> bytes)
    {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    PenFileBuilder &descriptor() { return raw({0x01, 0x06, 0x00, 0x02, 0x00, 0x00}); }
    PenFileBuilder &coordinate(int x, int y)
    {
        return raw({0x61, 0x06, hi(x), lo(x), hi(y), lo(y)});
    }
    PenFileBuilder &pressure(unsigned char type, unsigned raw)
    {
        return this->raw(
            {0x64, 0x06, type, 0x00, hi(static_cast<int>(raw)), lo(static_cast<int>(raw))});
    }
    PenFileBuilder &tilt(int x, int y)
    {
        return raw(
            {0x65, 0x06, static_cast<unsigned char>(x), static_cast<unsigned char>(y), 0, 0});
    }
    PenFileBuilder &timestamp(unsigned char kind, std::uint32_t value)
    {
        return raw({0xC2, 0x06, kind, static_cast<unsigned char>(value >> 16),
                    static_cast<unsigned char>(value >> 8), static_cast<unsigned char>(value)});
    }
    PenFileBuilder &status(unsigned char value) { return raw({0xF1, 0x03, value}); }

    const std::vector<unsigned char> &bytes() const { return m_bytes; }
    std::string text() const { return std::string(m_bytes.begin(), m_bytes.end()); }

private:
    static unsigned char hi(int value) { return static_cast<unsigned char>((value >> 8) & 0xFF); }
    static unsigned char lo(int value) { return static_cast<unsigned char>(value & 0xFF); }

    std::vector<unsigned char> m_bytes;
};

} // namespace TestSupport
