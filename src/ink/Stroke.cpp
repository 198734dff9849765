// Stroke growth at the front and box extension by a point.
#include "ink/Stroke.h"

namespace Nivo {

Stroke::~Stroke() = default;

void Stroke::prepend(const Point &point)
{
    takeBoundsOf(point);
    insertFront(point);
}

void Stroke::extendBounds(const Point &point)
{
    extendBoundsBy(boxEdgesOf(point));
}

} // namespace Nivo
