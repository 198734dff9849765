// Point construction, equality and its geometry about the origin.
#include "ink/Point.h"

#include <cmath>

namespace Nivo {

namespace {

// The constants are single precision on purpose: rotations reproduce float results.
constexpr float kPi = 3.14159f;
constexpr float kHalfPi = 1.570795f;
constexpr float kThreeHalfPi = 4.712385f;

// Documents of millions of points are held whole: a point stays its seven channels' size.
static_assert(sizeof(Point) <= 48, "a point holds its channels and nothing more");

} // namespace

Point::Point(double x, double y, double z, unsigned int pressure, int xtilt, int ytilt,
             unsigned long timestamp)
    : x(x)
    , y(y)
    , z(z)
    , pressure(pressure)
    , xtilt(xtilt)
    , ytilt(ytilt)
    , timestamp(timestamp)
{ }

bool Point::operator==(const Point &other) const
{
    return x.value() == other.x.value() && y.value() == other.y.value()
        && z.value() == other.z.value();
}

float Point::angle() const
{
    const float fx = static_cast<float>(x.value());
    const float fy = static_cast<float>(y.value());
    if (fx == 0.0f)
        return fy >= 0.0f ? kHalfPi : kThreeHalfPi;
    if (fy == 0.0f)
        return fx > 0.0f ? 0.0f : kPi;
    const float a = std::atan(fy / fx);
    return fx > 0.0f ? a : a - kPi;
}

void Point::rotate(float angleRadians)
{
    if (angleRadians == 0.0f)
        return;
    const float t = angle() + angleRadians;
    const float fx = static_cast<float>(x.value());
    const float fy = static_cast<float>(y.value());
    const float r = std::sqrt(fx * fx + fy * fy);
    if (r == 0.0f)
        return;
    x.set(static_cast<double>(std::cos(t) * r));
    y.set(static_cast<double>(std::sin(t) * r));
}

void Point::shift(double dx, double dy)
{
    x.set(x.value() + dx);
    y.set(y.value() + dy);
}

} // namespace Nivo
