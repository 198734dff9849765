// Number formatting with std::to_chars and lenient leading-number parsing.
#include "ink/TextCodec.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace Nivo {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

void appendUtf8(std::string &out, char32_t cp)
{
    if (cp >= 0xD800 && cp <= 0xDFFF)
        cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x110000) {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        appendUtf8(out, 0xFFFD);
    }
}

} // namespace

std::string toUtf8(const std::wstring &text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text)
        appendUtf8(out, static_cast<char32_t>(c));
    return out;
}

std::wstring fromUtf8(std::string_view text)
{
    std::wstring out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            out += L'\uFFFD';
            ++i;
            continue;
        }
        if (i + extra >= text.size()) {
            out += L'\uFFFD';
            break;
        }
        bool valid = true;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += L'\uFFFD';
            ++i;
            continue;
        }
        out += static_cast<wchar_t>(cp);
        i += extra + 1;
    }
    return out;
}

void appendShortDouble(std::string &out, double value)
{
    char buffer[64];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    out.append(buffer, result.ptr);
}

void appendExactDouble(std::string &out, double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

template<typename Integer> void appendInteger(std::string &out, Integer value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

template void appendInteger<short>(std::string &, short);
template void appendInteger<unsigned short>(std::string &, unsigned short);
template void appendInteger<int>(std::string &, int);
template void appendInteger<unsigned int>(std::string &, unsigned int);
template void appendInteger<long>(std::string &, long);
template void appendInteger<unsigned long>(std::string &, unsigned long);
template void appendInteger<long long>(std::string &, long long);
template void appendInteger<unsigned long long>(std::string &, unsigned long long);

long parseLeadingInteger(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Saturates instead of overflowing, where atoi would be undefined.
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = std::numeric_limits<long>::max();
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (magnitude < kLimit / 10)
            magnitude = magnitude * 10 + (text[i] - '0');
        else
            magnitude = kLimit;
        ++i;
    }
    return static_cast<long>(negative ? -magnitude : magnitude);
}

double parseLeadingDouble(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Only plain decimal notation: no hexadecimal, infinities or NaNs.
    if (i >= text.size() || !((text[i] >= '0' && text[i] <= '9') || text[i] == '.'))
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

} // namespace Nivo
