// Writes a layer as a "tracegroup" element and reads one back.
#pragma once

#include "ink/Layer.h"
#include "ink/XmlSerializable.h"

#include <atomic>
#include <map>
#include <string>

namespace Nivo {

class LayerSerializer : public IXmlSerializable
{
public:
    /// The layer is not owned and must outlive the serializer.
    LayerSerializer(const std::string &tagName, Layer *layer, int layerIndex);

    /// Appends "tracegroup" with id "layer<index>", the annotations and one trace per stroke.
    bool write(pugi::xml_node parent) const override;
    /// Reads traces and annotations into the layer. A group whose id does not start with
    /// "layer" stays empty and reads as true; a cancelled read returns false.
    bool read(const pugi::xml_node &element) override;
    /// May be called from any thread while read() runs.
    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }

    int layerIndex() const { return m_layerIndex; }

private:
    bool isCancelled() const { return m_cancelled.load(std::memory_order_relaxed); }

    std::atomic<bool> m_cancelled {false};
    Layer *m_layer;
    int m_layerIndex;
};

/// Writes one "annotation" element per entry, in key order.
void writeAnnotations(pugi::xml_node parent, const std::map<std::string, std::string> &annotations);
/// The annotation rule of the reader: an element with a "type" attribute whose first child
/// is text sets that key; others are skipped.
void readAnnotation(const pugi::xml_node &element, std::map<std::string, std::string> &annotations);

} // namespace Nivo
