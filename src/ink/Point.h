// One sample of the pen: position, pressure, tilt and time.
#pragma once

#include "ink/Property.h"

namespace Nivo {

/// A plain structure of seven channels, in the order they are written in a trace.
struct Point
{
    Point() = default;
    Point(double x, double y, double z, unsigned int pressure, int xtilt, int ytilt,
          unsigned long timestamp);

    /// Equal when x, y and z are exactly equal; the other channels are not compared.
    bool operator==(const Point &other) const;

    /// Angle of the point seen from the origin, in single precision, in radians.
    float angle() const;
    /// Turns the point about the origin; a zero angle and the origin itself are exact no-ops.
    void rotate(float angleRadians);
    void shift(double dx, double dy);

    Property<double> x;
    Property<double> y;
    Property<double> z;
    Property<unsigned int> pressure;
    Property<int> xtilt;
    Property<int> ytilt;
    Property<unsigned long> timestamp;
};

/// Assignment of a point property goes channel by channel, each with the property rule.
template<> inline Property<Point> &Property<Point>::operator=(const Property<Point> &other)
{
    if (this != &other && !(*this == other)) {
        m_value.x = other.m_value.x;
        m_value.y = other.m_value.y;
        m_value.z = other.m_value.z;
        m_value.pressure = other.m_value.pressure;
        m_value.xtilt = other.m_value.xtilt;
        m_value.ytilt = other.m_value.ytilt;
        m_value.timestamp = other.m_value.timestamp;
    }
    return *this;
}

} // namespace Nivo
