// Decoding live reports into points and, for the simulated receiver, encoding them.
#include "device/InputReportCodec.h"

#include <algorithm>

std::optional<Nivo::Point> decodeLiveReport(const InputReport &report)
{
    if (report.size != kLiveReportSize || report.bytes[0] != kLiveReportId)
        return std::nullopt;
    const auto *b = report.bytes.data();
    const unsigned x = (unsigned(b[1]) << 16) | (unsigned(b[2]) << 8) | b[3];
    const unsigned y = (unsigned(b[4]) << 16) | (unsigned(b[5]) << 8) | b[6];
    const unsigned pressure = b[8] + 256u * b[9];
    return Nivo::Point(x / 10.0, y / 10.0, 0, pressure, b[10], b[11], 0);
}

InputReport encodeLiveReport(unsigned int x, unsigned int y, unsigned int pressure,
                             unsigned char xtilt, unsigned char ytilt)
{
    x = std::min(x, 0xFFFFFFu);
    y = std::min(y, 0xFFFFFFu);
    pressure = std::min(pressure, 0xFFFFu);
    InputReport report;
    report.size = kLiveReportSize;
    auto *b = report.bytes.data();
    b[0] = kLiveReportId;
    b[1] = static_cast<unsigned char>(x >> 16);
    b[2] = static_cast<unsigned char>(x >> 8);
    b[3] = static_cast<unsigned char>(x);
    b[4] = static_cast<unsigned char>(y >> 16);
    b[5] = static_cast<unsigned char>(y >> 8);
    b[6] = static_cast<unsigned char>(y);
    b[8] = static_cast<unsigned char>(pressure);
    b[9] = static_cast<unsigned char>(pressure >> 8);
    b[10] = xtilt;
    b[11] = ytilt;
    return report;
}
