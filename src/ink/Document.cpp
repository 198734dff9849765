// Document growth at the front and box extension by a layer.
#include "ink/Document.h"

namespace Nivo {

Document::~Document() = default;

void Document::prepend(const Layer &layer)
{
    takeBoundsOf(layer);
    insertFront(layer);
}

void Document::extendBounds(const Layer &layer)
{
    extendBoundsBy(boxEdgesOf(layer));
}

} // namespace Nivo
