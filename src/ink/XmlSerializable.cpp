// Small XML building helpers shared by the serializers.
#include "ink/XmlSerializable.h"

#include "ink/XmlPrinter.h"

#include <algorithm>

namespace Nivo {

pugi::xml_node appendTextElement(pugi::xml_node parent, const char *name, const std::string &text)
{
    pugi::xml_node element = parent.append_child(name);
    // Cleaned first: a NUL would cut the text short, a control character make bad XML. Trace
    // text (digits, blanks, commas) needs no cleaning and is not copied for it.
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x80;
    });
    element.append_child(pugi::node_pcdata)
        .set_value(plain ? text.c_str() : toXmlText(text).c_str());
    return element;
}

} // namespace Nivo
