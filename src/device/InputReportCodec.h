// The live-mode input report: 12 bytes of position, pressure and tilt.
#pragma once

#include "device/HidConnection.h"
#include "ink/Point.h"

#include <optional>

constexpr unsigned char kLiveReportId = 4;
constexpr std::size_t kLiveReportSize = 12;

/// The point of a live report, or nothing for a report of another size or id. Positions
/// are the report's 24-bit values divided by ten; z and timestamp are 0.
std::optional<Nivo::Point> decodeLiveReport(const InputReport &report);

/// The live report of raw values; position values above 24 bits are clamped.
InputReport encodeLiveReport(unsigned int x, unsigned int y, unsigned int pressure,
                             unsigned char xtilt, unsigned char ytilt);
