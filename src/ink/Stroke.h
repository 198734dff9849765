// A stroke: the points of one pen-down movement, in order.
#pragma once

#include "ink/Region.h"

namespace Nivo {

class Stroke : public Region<Point>
{
public:
    ~Stroke() override;
    void prepend(const Point &point) override;
    void extendBounds(const Point &point) override;
};

} // namespace Nivo
