// libFuzzer target: any bytes as an input report of the receiver, decoded as a live point.
#include "FuzzSupport.h"
#include "device/InputReportCodec.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

using FuzzSupport::require;

unsigned int tenths(double value)
{
    return static_cast<unsigned int>(std::lround(value * 10.0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    InputReport report;
    report.size = std::min(size, kMaxInputReportSize);
    std::copy(data, data + report.size, report.bytes.begin());

    const auto point = decodeLiveReport(report);
    require(point.has_value() == (report.size == kLiveReportSize && data[0] == kLiveReportId),
            "input report: decoded a report of another size or id, or refused a live one");
    if (!point)
        return 0;
    require(point->x.value() >= 0 && point->y.value() >= 0 && point->z.value() == 0
                && point->timestamp.value() == 0,
            "input report: a live point out of the report's range");

    // Encoding the decoded values gives the report back, but for the unused byte 7.
    InputReport encoded = encodeLiveReport(tenths(point->x.value()), tenths(point->y.value()),
                                           static_cast<unsigned int>(point->pressure.value()),
                                           static_cast<unsigned char>(point->xtilt.value()),
                                           static_cast<unsigned char>(point->ytilt.value()));
    encoded.bytes[7] = report.bytes[7];
    require(encoded.size == report.size
                && std::equal(encoded.bytes.begin(), encoded.bytes.begin() + kLiveReportSize,
                              report.bytes.begin()),
            "input report: encoding a decoded point gave other bytes");
    return 0;
}
