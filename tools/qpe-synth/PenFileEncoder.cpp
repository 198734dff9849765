// Pen-file packet encoding of a generated sketch.
#include "SketchGenerator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Synth {

namespace {

class PacketWriter
{
public:
    explicit PacketWriter(std::vector<unsigned char> &out)
        : m_out(out)
    { }
    void packet(unsigned char tag, std::initializer_list<unsigned char> payload)
    {
        m_out.push_back(tag);
        m_out.push_back(static_cast<unsigned char>(payload.size() + 2));
        m_out.insert(m_out.end(), payload.begin(), payload.end());
    }
    void status(unsigned char value) { packet(0xF1, {value}); }
    void pressure(int value)
    {
        const int raw = std::clamp(value, 0, 16383) * 4;
        packet(0x64, {0x01, 0x00, hi(raw), lo(raw)});
    }
    void tilt(int x, int y)
    {
        packet(0x65,
               {static_cast<unsigned char>(static_cast<signed char>(std::clamp(x, -128, 127))),
                static_cast<unsigned char>(static_cast<signed char>(std::clamp(y, -128, 127))),
                0x00, 0x00});
    }
    void position(double x, double y)
    {
        // Inverse of the reader's decoding: x = (X + 5) / 10, y = (Y + 2.5) / 5.
        const long rawX = std::clamp(std::lround(x * 10.0 - 5.0), -32768L, 32767L);
        const long rawY = std::clamp(std::lround(y * 5.0 - 2.5), 0L, 32767L);
        packet(0x61, {hi(rawX), lo(rawX), hi(rawY), lo(rawY)});
    }
    void time(std::uint32_t ms)
    {
        packet(0xC2,
               {0x11, static_cast<unsigned char>((ms >> 16) & 0xFF),
                static_cast<unsigned char>((ms >> 8) & 0xFF),
                static_cast<unsigned char>(ms & 0xFF)});
    }

private:
    static unsigned char hi(long value) { return static_cast<unsigned char>((value >> 8) & 0xFF); }
    static unsigned char lo(long value) { return static_cast<unsigned char>(value & 0xFF); }

    std::vector<unsigned char> &m_out;
};

} // namespace

std::vector<unsigned char> encodePenFile(const SynthSketch &sketch)
{
    std::vector<unsigned char> out;
    out.reserve(sketch.pointCount() * 20 + 64);
    PacketWriter writer(out);
    writer.packet(0x01, {0x01, 0x02, 0x00, 0x00});
    // Sheet size in tenths of a millimetre, as the receiver reports it.
    writer.packet(0x11, {0x01, 0x08, 0x34, 0x0B, 0x9A, 0x00, 0x00});
    const int *date = sketch.date;
    writer.packet(0x31,
                  {static_cast<unsigned char>(date[0] >> 8),
                   static_cast<unsigned char>(date[0] & 0xFF), static_cast<unsigned char>(date[1]),
                   static_cast<unsigned char>(date[2]), static_cast<unsigned char>(date[3]),
                   static_cast<unsigned char>(date[4]), static_cast<unsigned char>(date[5])});
    bool firstLayer = true;
    for (const SynthLayer &layer : sketch.layers) {
        if (!firstLayer)
            writer.status(0x80);
        firstLayer = false;
        // A battery report of the receiver: a packet the reader skips.
        writer.packet(0x90, {0x5A, 0x00, 0x00, 0x00});
        for (const SynthStroke &stroke : layer.strokes) {
            writer.status(0x00);
            std::size_t index = 0;
            for (const Sample &sample : stroke.samples) {
                // The pen reports its first position as it touches down, and pressure and
                // tilt right after, which the reader applies to that first point. Later
                // samples send their pressure before their position.
                if (index == 0)
                    writer.position(sample.x, sample.y);
                writer.pressure(sample.pressure);
                if (index % 4 == 0)
                    writer.tilt(sample.tiltX, sample.tiltY);
                if (index != 0)
                    writer.position(sample.x, sample.y);
                writer.time(sample.timeMs);
                ++index;
            }
            writer.status(0x01);
        }
    }
    return out;
}

bool writeBytes(const std::string &path, const std::vector<unsigned char> &bytes)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace Synth
