// The definitions block of a saved document: trace formats, brushes and contexts.
#pragma once

#include "ink/Brush.h"
#include "ink/TraceFormat.h"

#include <list>
#include <string>

namespace Nivo {

/// A pair of a trace format and a brush, either possibly null. The pointers refer to
/// elements of the lists of the definitions that hold the context.
struct Context
{
    Context(Brush *brush, const std::string &id, TraceFormat *traceFormat)
        : traceFormat(traceFormat)
        , brush(brush)
        , id(id)
    { }

    Property<TraceFormat *> traceFormat;
    Property<Brush *> brush;
    std::string id;
};

class InkMLDefinitions : public IXmlSerializable
{
public:
    InkMLDefinitions();
    /// Copies keep their contexts pointing into their own lists.
    InkMLDefinitions(const InkMLDefinitions &other);
    InkMLDefinitions &operator=(const InkMLDefinitions &other);
    ~InkMLDefinitions() override;

    /// Writes the trace formats, then the brushes, then one "context" per context.
    bool write(pugi::xml_node parent) const override;
    /// Appends what the "definitions" element declares. A context that names a missing
    /// brush or trace format, or a reference without "#", ends the read with false; one
    /// without a reference gets a null brush or trace format.
    bool read(const pugi::xml_node &element) override;

    /// Appends copies of another definitions' brushes, trace formats and contexts, the
    /// contexts pointing at the copies.
    void append(const InkMLDefinitions &other);

    std::list<Brush> &brushes() { return m_brushes; }
    const std::list<Brush> &brushes() const { return m_brushes; }
    std::list<TraceFormat> &traceFormats() { return m_traceFormats; }
    const std::list<TraceFormat> &traceFormats() const { return m_traceFormats; }
    std::list<Context> &contexts() { return m_contexts; }
    const std::list<Context> &contexts() const { return m_contexts; }

private:
    std::list<Brush> m_brushes;
    std::list<TraceFormat> m_traceFormats;
    std::list<Context> m_contexts;
};

/// One default trace format and the context "default-context" that refers to it.
class DefaultInkMLDefinitions : public InkMLDefinitions
{
public:
    DefaultInkMLDefinitions();
};

} // namespace Nivo
