// An ink document: annotated layers and the verdict of the reader that filled it.
#pragma once

#include "ink/Layer.h"

namespace Nivo {

class Document : public AnnotatedRegion<Layer>
{
public:
    // The destructor is declared, so the moves are too: a document moved would otherwise be
    // copied layer by layer.
    Document() = default;
    Document(const Document &other) = default;
    Document(Document &&other) noexcept = default;
    Document &operator=(const Document &other) = default;
    Document &operator=(Document &&other) noexcept = default;
    ~Document() override;
    void prepend(const Layer &layer) override;
    void extendBounds(const Layer &layer) override;

    /// False until a reader has gone through the whole file; callers judge a load by it.
    Property<bool> &complete() { return m_complete; }
    const Property<bool> &complete() const { return m_complete; }

private:
    Property<bool> m_complete {false};
};

} // namespace Nivo
