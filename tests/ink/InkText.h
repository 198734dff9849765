// Ink written out as short texts, so that a test compares a whole document in one check and a
// failure shows every difference at once.
#pragma once

#include "ink/Document.h"

#include <charconv>
#include <string>

namespace InkText {

/// The shortest text that reads back as exactly this number.
inline std::string number(double value)
{
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

/// "x y z pressure xtilt ytilt timestamp".
inline std::string point(const Nivo::Point &p)
{
    return number(p.x.value()) + ' ' + number(p.y.value()) + ' ' + number(p.z.value()) + ' '
        + std::to_string(p.pressure.value()) + ' ' + std::to_string(p.xtilt.value()) + ' '
        + std::to_string(p.ytilt.value()) + ' ' + std::to_string(p.timestamp.value());
}

/// Every point: points apart by ", ", strokes by " / ", layers by " | ".
inline std::string points(const Nivo::Document &document)
{
    std::string text;
    for (const Nivo::Layer &layer : document.elements()) {
        text += text.empty() ? "" : " | ";
        for (size_t s = 0; s < layer.elements().size(); ++s) {
            text += s ? " / " : "";
            const auto &stroke = layer.elements()[s].elements();
            for (size_t p = 0; p < stroke.size(); ++p) {
                text += p ? ", " : "";
                text += point(stroke[p]);
            }
        }
    }
    return text;
}

/// Points per stroke, each layer in brackets: "[2 1][]" is a layer of two strokes and an
/// empty one.
inline std::string shape(const Nivo::Document &document)
{
    std::string text;
    for (const Nivo::Layer &layer : document.elements()) {
        text += '[';
        for (size_t s = 0; s < layer.elements().size(); ++s) {
            text += s ? " " : "";
            text += std::to_string(layer.elements()[s].elements().size());
        }
        text += ']';
    }
    return text;
}

inline size_t pointCount(const Nivo::Document &document)
{
    size_t count = 0;
    for (const Nivo::Layer &layer : document.elements())
        for (const Nivo::Stroke &stroke : layer.elements())
            count += stroke.elements().size();
    return count;
}

} // namespace InkText
