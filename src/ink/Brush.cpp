// Brushes in XML: fields as the children of the brush's own "annotationXML" element.
#include "ink/Brush.h"

#include "ink/TextCodec.h"

#include <cstring>

namespace Nivo {

namespace {

std::string flagText(bool flag)
{
    return flag ? "True" : "False";
}

std::string numberText(unsigned int value)
{
    std::string text;
    appendInteger(text, value);
    return text;
}

// The text of the first element of that name under annotation, empty when there is none.
std::string fieldText(const pugi::xml_node &annotation, const char *field)
{
    const std::string query = std::string(field) + "[1]/text()";
    const pugi::xpath_query xpath(query.c_str());
    return xpath.evaluate_string(pugi::xpath_node(annotation));
}

bool readFlag(const pugi::xml_node &annotation, const char *field)
{
    const std::string text = fieldText(annotation, field);
    return text == "True" || text == "true";
}

unsigned int readNumber(const pugi::xml_node &annotation, const char *field)
{
    return static_cast<unsigned int>(
        static_cast<int>(parseLeadingInteger(fieldText(annotation, field))));
}

} // namespace

Brush::Brush()
    : IXmlSerializable("brush")
{ }

bool Brush::write(pugi::xml_node parent) const
{
    pugi::xml_node element = appendOwnElement(parent);
    element.append_attribute("id").set_value(m_id.c_str());
    pugi::xml_node annotation = element.append_child("annotationXML");
    appendTextElement(annotation, "color", color.value());
    appendTextElement(annotation, "width", numberText(width.value()));
    appendTextElement(annotation, "height", numberText(height.value()));
    appendTextElement(annotation, "transparency", numberText(transparency.value()));
    appendTextElement(annotation, "antialiased", flagText(antialiased.value()));
    appendTextElement(annotation, "fittocurve", flagText(fittocurve.value()));
    appendTextElement(annotation, "ignorePressure", flagText(ignorePressure.value()));
    appendTextElement(annotation, "pentip", pentip.value());
    return true;
}

bool Brush::read(const pugi::xml_node &element)
{
    const pugi::xml_attribute idAttribute = element.attribute("id");
    if (!idAttribute)
        return false;
    m_id = idAttribute.value();
    const pugi::xml_node annotation = element.child("annotationXML");
    if (!annotation)
        return false;
    color.set(fieldText(annotation, "color"));
    width.set(readNumber(annotation, "width"));
    height.set(readNumber(annotation, "height"));
    transparency.set(readNumber(annotation, "transparency"));
    antialiased.set(readFlag(annotation, "antialiased"));
    fittocurve.set(readFlag(annotation, "fittocurve"));
    ignorePressure.set(readFlag(annotation, "ignorePressure"));
    pentip.set(fieldText(annotation, "pentip"));
    return true;
}

} // namespace Nivo
