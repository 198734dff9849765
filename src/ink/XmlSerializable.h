// The contract of everything that writes itself as one XML element and reads itself back.
#pragma once

#include <pugixml.hpp>
#include <string>

namespace Nivo {

class IXmlSerializable
{
public:
    explicit IXmlSerializable(std::string tagName)
        : m_tagName(std::move(tagName))
    { }
    virtual ~IXmlSerializable() = default;
    /// Appends one element named elementName() to parent and writes into it.
    virtual bool write(pugi::xml_node parent) const = 0;
    /// Fills this object from element; false on the failures of each class, with the
    /// object then partly filled.
    virtual bool read(const pugi::xml_node &element) = 0;
    virtual std::string elementName() const { return m_tagName; }

protected:
    IXmlSerializable(const IXmlSerializable &) = default;
    IXmlSerializable &operator=(const IXmlSerializable &) = default;

    /// Appends the element this object writes into.
    pugi::xml_node appendOwnElement(pugi::xml_node parent) const
    {
        return parent.append_child(m_tagName.c_str());
    }

private:
    std::string m_tagName;
};

/// Appends an element holding one text node.
pugi::xml_node appendTextElement(pugi::xml_node parent, const char *name, const std::string &text);

} // namespace Nivo
