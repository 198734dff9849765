// Writes a stroke as a "trace" element and reads one back.
#pragma once

#include "ink/Stroke.h"
#include "ink/XmlSerializable.h"

#include <string>
#include <string_view>

namespace Nivo {

class StrokeSerializer : public IXmlSerializable
{
public:
    /// The stroke is not owned and must outlive the serializer.
    StrokeSerializer(const std::string &tagName, Stroke *stroke, const std::string &contextRef);

    /// Appends the trace: points joined by ",", each its seven channels separated by blanks.
    bool write(pugi::xml_node parent) const override;
    /// Adds the trace's points to the stroke. False when the trace has no text or no
    /// "contextRef" (the points are added all the same).
    bool read(const pugi::xml_node &element) override;

    const std::string &contextRef() const { return m_contextRef; }

    /// The trace text of a stroke.
    static void appendTraceText(std::string &out, const Stroke &stroke);
    /// Adds the points of a trace text to a stroke. Empty points (from repeated commas) are
    /// skipped; missing channels are 0, extra numbers ignored.
    static void readTraceText(std::string_view text, Stroke &stroke);

private:
    Stroke *m_stroke;
    std::string m_contextRef;
};

} // namespace Nivo
