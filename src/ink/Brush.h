// A brush declaration of the definitions block.
#pragma once

#include "ink/Property.h"
#include "ink/XmlSerializable.h"

#include <string>

namespace Nivo {

class Brush : public IXmlSerializable
{
public:
    Brush();

    /// Writes "brush" with its "id" and an "annotationXML" child holding one element per
    /// field.
    bool write(pugi::xml_node parent) const override;
    /// Requires "id" and an "annotationXML" child, and takes every field from that child.
    bool read(const pugi::xml_node &element) override;

    Property<std::string> color {std::string("Black")};
    Property<unsigned int> width {1u};
    Property<unsigned int> height {10u};
    Property<unsigned int> transparency {100u};
    Property<bool> antialiased {false};
    Property<bool> fittocurve {true};
    Property<bool> ignorePressure {true};
    Property<std::string> pentip {std::string("Ball")};

    const std::string &id() const { return m_id; }
    void setId(const std::string &id) { m_id = id; }

private:
    std::string m_id = "none";
};

} // namespace Nivo
