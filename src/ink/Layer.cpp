// Layer growth at the front and box extension by a stroke.
#include "ink/Layer.h"

namespace Nivo {

Layer::~Layer() = default;

void Layer::prepend(const Stroke &stroke)
{
    takeBoundsOf(stroke);
    insertFront(stroke);
}

void Layer::extendBounds(const Stroke &stroke)
{
    extendBoundsBy(boxEdgesOf(stroke));
}

} // namespace Nivo
