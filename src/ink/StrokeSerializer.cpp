// The trace text of a stroke, written and read without regard to the process locale.
#include "ink/StrokeSerializer.h"

#include "ink/TextCodec.h"

#include <algorithm>

namespace Nivo {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Parses one point: its numbers are separated by blanks (runs of blanks count as one).
Point parsePoint(std::string_view token)
{
    Point point;
    int channel = 0;
    size_t i = 0;
    while (i < token.size() && channel < 7) {
        while (i < token.size() && isBlank(token[i]))
            ++i;
        if (i >= token.size())
            break;
        size_t end = i;
        while (end < token.size() && !isBlank(token[end]))
            ++end;
        const std::string_view piece = token.substr(i, end - i);
        switch (channel) {
        case 0:
            point.x.set(parseLeadingDouble(piece));
            break;
        case 1:
            point.y.set(parseLeadingDouble(piece));
            break;
        case 2:
            point.z.set(parseLeadingDouble(piece));
            break;
        case 3:
            point.pressure.set(
                static_cast<unsigned int>(static_cast<int>(parseLeadingInteger(piece))));
            break;
        case 4:
            point.xtilt.set(static_cast<int>(parseLeadingInteger(piece)));
            break;
        case 5:
            point.ytilt.set(static_cast<int>(parseLeadingInteger(piece)));
            break;
        case 6:
            point.timestamp.set(
                static_cast<unsigned long>(static_cast<int>(parseLeadingInteger(piece))));
            break;
        }
        ++channel;
        i = end;
    }
    return point;
}

} // namespace

StrokeSerializer::StrokeSerializer(const std::string &tagName, Stroke *stroke,
                                   const std::string &contextRef)
    : IXmlSerializable(tagName)
    , m_stroke(stroke)
    , m_contextRef(contextRef)
{ }

void StrokeSerializer::appendTraceText(std::string &out, const Stroke &stroke)
{
    bool first = true;
    for (const Point &point : stroke.elements()) {
        if (!first)
            out += ',';
        first = false;
        appendShortDouble(out, point.x.value());
        out += ' ';
        appendShortDouble(out, point.y.value());
        out += ' ';
        appendShortDouble(out, point.z.value());
        out += ' ';
        appendInteger(out, point.pressure.value());
        out += ' ';
        appendInteger(out, point.xtilt.value());
        out += ' ';
        appendInteger(out, point.ytilt.value());
        out += ' ';
        appendInteger(out, point.timestamp.value());
    }
}

void StrokeSerializer::readTraceText(std::string_view text, Stroke &stroke)
{
    // One point per comma-separated token: room for all of them at once, and none spare.
    auto &points = stroke.elements();
    points.reserve(points.size() + static_cast<size_t>(std::count(text.begin(), text.end(), ','))
                   + 1);
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            comma = text.size();
        const std::string_view token = text.substr(start, comma - start);
        if (!token.empty())
            stroke.add(parsePoint(token));
        start = comma + 1;
    }
}

bool StrokeSerializer::write(pugi::xml_node parent) const
{
    if (!m_stroke)
        return false;
    std::string text;
    text.reserve(m_stroke->elements().size() * 36);
    appendTraceText(text, *m_stroke);
    pugi::xml_node element = appendTextElement(parent, elementName().c_str(), text);
    element.append_attribute("contextRef").set_value(m_contextRef.c_str());
    return true;
}

bool StrokeSerializer::read(const pugi::xml_node &element)
{
    const pugi::xml_node first = element.first_child();
    if (!m_stroke || !first
        || (first.type() != pugi::node_pcdata && first.type() != pugi::node_cdata))
        return false;
    // Blanks around the whole text are layout, not an empty last point.
    std::string_view text = first.value();
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    readTraceText(text, *m_stroke);
    const pugi::xml_attribute contextRef = element.attribute("contextRef");
    if (!contextRef)
        return false;
    m_contextRef = contextRef.value();
    return true;
}

} // namespace Nivo
