// A stroke: the points of one pen-down movement, in order.
#pragma once

#include "ink/Region.h"

namespace Nivo {

class Stroke : public Region<Point>
{
public:
    // The destructor is declared, so the moves are too: a stroke moved in or out of its
    // container would otherwise be copied point by point.
    Stroke() = default;
    Stroke(const Stroke &other) = default;
    Stroke(Stroke &&other) noexcept = default;
    Stroke &operator=(const Stroke &other) = default;
    Stroke &operator=(Stroke &&other) noexcept = default;
    ~Stroke() override;
    void prepend(const Point &point) override;
    void extendBounds(const Point &point) override;
};

} // namespace Nivo
