// Definitions in XML, and copies that keep context references inside their own lists.
#include "ink/InkMLDefinitions.h"

namespace Nivo {

namespace {

// The element of `to` at the position that `item` has in `from`, or null.
template<typename T>
T *counterpart(const std::list<T> &from, const T *item, typename std::list<T>::iterator toBegin)
{
    if (!item)
        return nullptr;
    auto target = toBegin;
    for (auto it = from.begin(); it != from.end(); ++it, ++target) {
        if (&*it == item)
            return &*target;
    }
    return nullptr;
}

// Looks up the element named by a "#id" reference; an absent reference gives null and
// true, a malformed or dangling one false.
template<typename T>
bool resolveReference(const pugi::xml_attribute &reference, std::list<T> &items, T *&result)
{
    result = nullptr;
    if (!reference)
        return true;
    const std::string text = reference.value();
    if (text.empty() || text[0] != '#')
        return false;
    const std::string wanted = text.substr(1);
    for (T &item : items) {
        if (item.id() == wanted) {
            result = &item;
            return true;
        }
    }
    return false;
}

} // namespace

InkMLDefinitions::InkMLDefinitions()
    : IXmlSerializable("definitions")
{ }

InkMLDefinitions::InkMLDefinitions(const InkMLDefinitions &other)
    : IXmlSerializable(other)
{
    append(other);
}

InkMLDefinitions &InkMLDefinitions::operator=(const InkMLDefinitions &other)
{
    if (this == &other)
        return *this;
    InkMLDefinitions copy(other);
    m_brushes.swap(copy.m_brushes);
    m_traceFormats.swap(copy.m_traceFormats);
    m_contexts.swap(copy.m_contexts);
    return *this;
}

InkMLDefinitions::~InkMLDefinitions() = default;

void InkMLDefinitions::append(const InkMLDefinitions &other)
{
    if (this == &other) {
        const InkMLDefinitions copy(other);
        append(copy);
        return;
    }
    const auto firstNewBrush
        = m_brushes.insert(m_brushes.end(), other.m_brushes.begin(), other.m_brushes.end());
    const auto firstNewFormat = m_traceFormats.insert(
        m_traceFormats.end(), other.m_traceFormats.begin(), other.m_traceFormats.end());
    for (const Context &context : other.m_contexts) {
        Brush *brush = counterpart(other.m_brushes, context.brush.value(), firstNewBrush);
        TraceFormat *format
            = counterpart(other.m_traceFormats, context.traceFormat.value(), firstNewFormat);
        m_contexts.emplace_back(brush, context.id, format);
    }
}

bool InkMLDefinitions::write(pugi::xml_node parent) const
{
    pugi::xml_node element = appendOwnElement(parent);
    for (const TraceFormat &format : m_traceFormats) {
        if (!format.write(element))
            return false;
    }
    for (const Brush &brush : m_brushes) {
        if (!brush.write(element))
            return false;
    }
    for (const Context &context : m_contexts) {
        pugi::xml_node contextElement = element.append_child("context");
        if (!context.id.empty())
            contextElement.append_attribute("id").set_value(context.id.c_str());
        if (const Brush *brush = context.brush.value())
            contextElement.append_attribute("brushRef").set_value(("#" + brush->id()).c_str());
        if (const TraceFormat *format = context.traceFormat.value()) {
            contextElement.append_attribute("traceFormatRef")
                .set_value(("#" + format->id()).c_str());
        }
    }
    return true;
}

bool InkMLDefinitions::read(const pugi::xml_node &element)
{
    for (const pugi::xml_node &child : element.children("traceFormat")) {
        TraceFormat format;
        if (format.read(child))
            m_traceFormats.push_back(std::move(format));
    }
    for (const pugi::xml_node &child : element.children("brush")) {
        Brush brush;
        if (brush.read(child))
            m_brushes.push_back(std::move(brush));
    }
    for (const pugi::xml_node &child : element.children("context")) {
        const pugi::xml_attribute id = child.attribute("id");
        if (!id)
            return false;
        Brush *brush = nullptr;
        TraceFormat *format = nullptr;
        if (!resolveReference(child.attribute("brushRef"), m_brushes, brush)
            || !resolveReference(child.attribute("traceFormatRef"), m_traceFormats, format))
            return false;
        m_contexts.emplace_back(brush, id.value(), format);
    }
    return true;
}

DefaultInkMLDefinitions::DefaultInkMLDefinitions()
{
    traceFormats().push_back(DefaultTraceFormat());
    contexts().emplace_back(nullptr, "default-context", &traceFormats().back());
}

} // namespace Nivo
