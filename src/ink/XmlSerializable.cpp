// Small XML building helpers shared by the serializers.
#include "ink/XmlSerializable.h"

#include "ink/XmlPrinter.h"

namespace Nivo {

pugi::xml_node appendTextElement(pugi::xml_node parent, const char *name, const std::string &text)
{
    pugi::xml_node element = parent.append_child(name);
    // Cleaned first: a NUL would cut the text short, a control character make bad XML.
    element.append_child(pugi::node_pcdata).set_value(toXmlText(text).c_str());
    return element;
}

} // namespace Nivo
