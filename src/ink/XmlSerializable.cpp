// Small XML building helpers shared by the serializers.
#include "ink/XmlSerializable.h"

namespace Nivo {

pugi::xml_node appendTextElement(pugi::xml_node parent, const char *name, const std::string &text)
{
    pugi::xml_node element = parent.append_child(name);
    element.append_child(pugi::node_pcdata).set_value(text.c_str());
    return element;
}

} // namespace Nivo
