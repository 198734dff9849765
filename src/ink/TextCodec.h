// Locale-independent number text and path conversions used by the ink formats.
#pragma once

#include <string>
#include <string_view>

namespace Nivo {

/// A wide path (as the platform layers hand them in) as the UTF-8 bytes the file system
/// takes. Characters that cannot be encoded become U+FFFD.
std::string toUtf8(const std::wstring &text);
std::wstring fromUtf8(std::string_view text);

/// A double the way a default-configured standard stream prints it: at most six
/// significant digits, no trailing zeros, exponent notation for very small or large
/// magnitudes. Never affected by the process locale.
void appendShortDouble(std::string &out, double value);
/// The shortest text that reads back to exactly the same double.
void appendExactDouble(std::string &out, double value);
template<typename Integer> void appendInteger(std::string &out, Integer value);

/// Reads a leading integer the way atoi does: optional blanks, an optional sign, then
/// digits; anything else stops the number, and no digits give 0.
long parseLeadingInteger(std::string_view text);
/// Reads a leading decimal number (optional blanks, sign, digits, fraction, exponent);
/// no number or a non-finite one gives 0.
double parseLeadingDouble(std::string_view text);

} // namespace Nivo
