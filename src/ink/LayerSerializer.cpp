// Layers in XML: annotations first, then the traces.
#include "ink/LayerSerializer.h"

#include "ink/StrokeSerializer.h"
#include "ink/TextCodec.h"
#include "ink/XmlPrinter.h"

#include <cstring>

namespace Nivo {

void writeAnnotations(pugi::xml_node parent, const std::map<std::string, std::string> &annotations)
{
    for (const auto &[key, text] : annotations) {
        pugi::xml_node element = appendTextElement(parent, "annotation", text);
        element.append_attribute("type").set_value(toXmlText(key).c_str());
    }
}

void readAnnotation(const pugi::xml_node &element, std::map<std::string, std::string> &annotations)
{
    const pugi::xml_attribute type = element.attribute("type");
    const pugi::xml_node first = element.first_child();
    if (!element || !type || !first
        || (first.type() != pugi::node_pcdata && first.type() != pugi::node_cdata))
        return;
    annotations[type.value()] = first.value();
}

LayerSerializer::LayerSerializer(const std::string &tagName, Layer *layer, int layerIndex)
    : IXmlSerializable(tagName)
    , m_layer(layer)
    , m_layerIndex(layerIndex)
{ }

bool LayerSerializer::write(pugi::xml_node parent) const
{
    if (!m_layer)
        return false;
    pugi::xml_node element = appendOwnElement(parent);
    std::string id = "layer";
    appendInteger(id, m_layerIndex);
    element.append_attribute("id").set_value(id.c_str());
    writeAnnotations(element, m_layer->annotations());
    for (Stroke &stroke : m_layer->elements()) {
        const StrokeSerializer serializer("trace", &stroke, "#default-context");
        if (!serializer.write(element))
            return false;
    }
    return true;
}

bool LayerSerializer::read(const pugi::xml_node &element)
{
    if (!m_layer)
        return false;
    const pugi::xml_attribute id = element.attribute("id");
    if (!id || std::strncmp(id.value(), "layer", 5) != 0)
        return true;
    m_layerIndex = static_cast<int>(parseLeadingInteger(id.value() + 5));
    if (isCancelled())
        return false;
    const pugi::xpath_node_set traces = element.select_nodes("trace");
    m_layer->elements().reserve(m_layer->elements().size() + traces.size());
    for (const pugi::xpath_node &selected : traces) {
        if (isCancelled())
            return false;
        const pugi::xml_node trace = selected.node();
        if (!trace)
            continue;
        Stroke stroke;
        StrokeSerializer serializer("trace", &stroke, "none");
        if (serializer.read(trace))
            m_layer->addMoved(std::move(stroke));
    }
    for (const pugi::xpath_node &selected : element.select_nodes("annotation")) {
        if (isCancelled())
            return false;
        readAnnotation(selected.node(), m_layer->annotations());
    }
    return true;
}

} // namespace Nivo
