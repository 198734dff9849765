// One declared channel of a trace format.
#pragma once

#include "ink/Property.h"
#include "ink/XmlSerializable.h"

#include <string>

namespace Nivo {

class Channel : public IXmlSerializable
{
public:
    enum Type { INTEGER = 0, DECIMAL = 1, BOOLEAN = 2 };

    Channel();
    Channel(const std::string &name, Type type, long min, long max, const std::string &units);

    /// Writes "name", "min", "max" and "units"; the type is not written.
    bool write(pugi::xml_node parent) const override;
    /// Reads "name", "type", "min", "max" and "units" in that order and stops with false at
    /// the first one missing. An unknown type text keeps the previous type.
    bool read(const pugi::xml_node &element) override;
    /// The same, but a missing "type" keeps the current type: how trace formats read back
    /// the channels this program writes.
    bool readWithOptionalType(const pugi::xml_node &element);

    /// The XML name of a type ("INTEGER", "DECIMAL", "BOOLEAN").
    static const char *typeName(Type type);

    Property<std::string> name {std::string("none")};
    Property<Type> type {INTEGER};
    Property<long> min {0};
    Property<long> max {0};
    Property<std::string> units {std::string("0.01mm")};

private:
    bool readAttributes(const pugi::xml_node &element, bool typeRequired);
};

} // namespace Nivo
