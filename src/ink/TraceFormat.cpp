// Trace formats in XML and the declared default channels.
#include "ink/TraceFormat.h"

namespace Nivo {

TraceFormat::TraceFormat()
    : IXmlSerializable("traceFormat")
{ }

TraceFormat::TraceFormat(const std::string &id)
    : IXmlSerializable("traceFormat")
    , m_id(id)
{ }

bool TraceFormat::write(pugi::xml_node parent) const
{
    pugi::xml_node element = appendOwnElement(parent);
    element.append_attribute("id").set_value(m_id.c_str());
    for (const Channel &channel : *this) {
        if (!channel.write(element))
            return false;
    }
    return true;
}

bool TraceFormat::read(const pugi::xml_node &element)
{
    const pugi::xml_attribute idAttribute = element.attribute("id");
    if (!idAttribute)
        return false;
    m_id = idAttribute.value();
    for (const pugi::xml_node &child : element.children("channel")) {
        Channel channel;
        if (channel.readWithOptionalType(child))
            push_back(channel);
    }
    return true;
}

DefaultTraceFormat::DefaultTraceFormat()
    : TraceFormat("default")
{
    push_back(Channel("X", Channel::INTEGER, -3000, 3000, "0.1mm"));
    push_back(Channel("Y", Channel::INTEGER, 0, 6000, "0.1mm"));
    push_back(Channel("Pressure", Channel::INTEGER, 0, 10000, "none"));
    push_back(Channel("xtilt", Channel::INTEGER, -127, 128, "none"));
    push_back(Channel("ytilt", Channel::INTEGER, -127, 128, "none"));
    push_back(Channel("timestamp", Channel::INTEGER, 0, 128, "0.1sec"));
}

} // namespace Nivo
