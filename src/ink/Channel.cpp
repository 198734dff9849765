// Channel attributes in XML.
#include "ink/Channel.h"

#include "ink/TextCodec.h"

#include <cstring>

namespace Nivo {

namespace {

constexpr const char *kTypeNames[] = {"INTEGER", "DECIMAL", "BOOLEAN"};

} // namespace

Channel::Channel()
    : IXmlSerializable("channel")
{ }

Channel::Channel(const std::string &name, Type type, long min, long max, const std::string &units)
    : IXmlSerializable("channel")
    , name(name)
    , type(type)
    , min(min)
    , max(max)
    , units(units)
{ }

const char *Channel::typeName(Type type)
{
    const int index = static_cast<int>(type);
    return index >= 0 && index <= 2 ? kTypeNames[index] : "";
}

bool Channel::write(pugi::xml_node parent) const
{
    pugi::xml_node element = appendOwnElement(parent);
    std::string number;
    element.append_attribute("name").set_value(name.value().c_str());
    appendInteger(number, min.value());
    element.append_attribute("min").set_value(number.c_str());
    number.clear();
    appendInteger(number, max.value());
    element.append_attribute("max").set_value(number.c_str());
    element.append_attribute("units").set_value(units.value().c_str());
    return true;
}

bool Channel::read(const pugi::xml_node &element)
{
    return readAttributes(element, true);
}

bool Channel::readWithOptionalType(const pugi::xml_node &element)
{
    return readAttributes(element, false);
}

bool Channel::readAttributes(const pugi::xml_node &element, bool typeRequired)
{
    const pugi::xml_attribute nameAttribute = element.attribute("name");
    if (!nameAttribute)
        return false;
    name.set(nameAttribute.value());

    const pugi::xml_attribute typeAttribute = element.attribute("type");
    if (typeAttribute) {
        for (int i = 0; i < 3; ++i) {
            if (std::strcmp(typeAttribute.value(), kTypeNames[i]) == 0)
                type.set(static_cast<Type>(i));
        }
    } else if (typeRequired) {
        return false;
    }

    const pugi::xml_attribute minAttribute = element.attribute("min");
    if (!minAttribute)
        return false;
    min.set(parseLeadingInteger(minAttribute.value()));
    const pugi::xml_attribute maxAttribute = element.attribute("max");
    if (!maxAttribute)
        return false;
    max.set(parseLeadingInteger(maxAttribute.value()));
    const pugi::xml_attribute unitsAttribute = element.attribute("units");
    if (!unitsAttribute)
        return false;
    units.set(unitsAttribute.value());
    return true;
}

} // namespace Nivo
