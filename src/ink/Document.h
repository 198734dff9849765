// An ink document: annotated layers and the verdict of the reader that filled it.
#pragma once

#include "ink/Layer.h"

namespace Nivo {

class Document : public AnnotatedRegion<Layer>
{
public:
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
