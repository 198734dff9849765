// A region that also carries text annotations, keyed by annotation type.
#pragma once

#include "ink/Region.h"

#include <map>
#include <string>

namespace Nivo {

/// Annotation keys are unique and kept in byte-wise order; the key "tag" holds a layer's
/// name or a document's tag.
template<typename T> class AnnotatedRegion : public Region<T>
{
public:
    using Annotations = std::map<std::string, std::string>;

    Annotations &annotations() { return m_annotations; }
    const Annotations &annotations() const { return m_annotations; }
    /// Inserts the key or replaces its text.
    void setAnnotation(const std::string &key, const std::string &text)
    {
        m_annotations[key] = text;
    }

private:
    Annotations m_annotations;
};

} // namespace Nivo
