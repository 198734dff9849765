// Ordered elements with a bounding box, and the visitors that rotate and shift them.
#pragma once

#include "ink/Point.h"

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <utility>
#include <vector>

namespace Nivo {

/// Walks the elements of a region; visit() returns false to stop the walk.
template<typename T> class RegionVisitor
{
public:
    virtual ~RegionVisitor() = default;
    virtual bool visit(T &element) = 0;
};

/// A box as its two corners' coordinates.
struct BoxEdges
{
    double left;
    double top;
    double right;
    double bottom;
};

/// Makes a corner the point (x, y) with its other channels 0.
inline void setCorner(Point &corner, double x, double y)
{
    corner.x.set(x);
    corner.y.set(y);
    corner.z.set(0);
    corner.pressure.set(0);
    corner.xtilt.set(0);
    corner.ytilt.set(0);
    corner.timestamp.set(0);
}

inline BoxEdges boxEdgesOf(const Point &point)
{
    return {point.x.value(), point.y.value(), point.x.value(), point.y.value()};
}

template<typename R> BoxEdges boxEdgesOf(const R &region)
{
    return {region.topLeft().value().x.value(), region.topLeft().value().y.value(),
            region.bottomRight().value().x.value(), region.bottomRight().value().y.value()};
}

/// An ordered sequence of elements, owned by value, with a box that only grows as elements
/// are added. Direct edits through elements() leave the box alone.
///
/// The elements sit in one contiguous block: a point costs its 48 bytes and a one-point
/// stroke one small allocation, where a deque took a 512-byte block and its map for each.
/// Adding an element may move the others, so nothing keeps a reference across an add.
template<typename T> class Region
{
public:
    using Container = std::vector<T>;

    Region() = default;
    Region(const Region &other) = default;
    Region(Region &&other) noexcept = default;
    Region &operator=(const Region &other) = default;
    Region &operator=(Region &&other) noexcept = default;

    virtual ~Region() = default;
    virtual void add(const T &element);
    virtual void append(const T &element) { add(element); }
    virtual void prepend(const T &element) = 0;
    /// Turns every element about the origin; the angle is in radians.
    virtual void rotate(float angleRadians);
    virtual void shift(double dx, double dy);
    virtual void extendBounds(const T &element) = 0;

    /// Adds an element by moving it in: the same box rule as add(), without the copy.
    void addMoved(T &&element);

    Property<Point> &topLeft() { return m_topLeft; }
    const Property<Point> &topLeft() const { return m_topLeft; }
    Property<Point> &bottomRight() { return m_bottomRight; }
    const Property<Point> &bottomRight() const { return m_bottomRight; }
    Container &elements() { return m_elements; }
    const Container &elements() const { return m_elements; }
    bool isEmpty() const { return m_elements.empty(); }

    /// Visits the elements in order; false as soon as a visit returns false.
    bool accept(RegionVisitor<T> &visitor);

protected:
    /// The box rule shared by add() and prepend(): the first element gives its box,
    /// later ones extend it.
    void takeBoundsOf(const T &element);
    /// The corner rule of extendBounds(): a corner moves only when the element lies outside.
    void extendBoundsBy(const BoxEdges &edges);
    /// Puts an element before the others without assigning over them: the assignment of the
    /// model's values keeps what compares equal, so shifting by assignment would leave a moved
    /// stroke with its neighbour's corner channels.
    void insertFront(const T &element);

private:
    Property<Point> m_topLeft;
    Property<Point> m_bottomRight;
    Container m_elements;
};

/// Rotates each element of a region: points directly, regions through their own rotate().
template<typename T> class Rotator : public RegionVisitor<T>
{
public:
    explicit Rotator(float angleRadians)
        : m_angle(angleRadians)
    { }
    bool visit(T &element) override
    {
        element.rotate(m_angle);
        return true;
    }

private:
    float m_angle;
};

/// Shifts each element of a region: points directly, regions through their own shift().
template<typename T> class Shifter : public RegionVisitor<T>
{
public:
    Shifter(double dx, double dy)
        : m_dx(dx)
        , m_dy(dy)
    { }
    bool visit(T &element) override
    {
        element.shift(m_dx, m_dy);
        return true;
    }

private:
    double m_dx;
    double m_dy;
};

template<typename T> void Region<T>::add(const T &element)
{
    takeBoundsOf(element);
    m_elements.push_back(element);
}

template<typename T> void Region<T>::addMoved(T &&element)
{
    takeBoundsOf(element);
    m_elements.push_back(std::move(element));
}

template<typename T> void Region<T>::insertFront(const T &element)
{
    Container grown;
    grown.reserve(m_elements.size() + 1);
    grown.push_back(element);
    std::move(m_elements.begin(), m_elements.end(), std::back_inserter(grown));
    m_elements.swap(grown);
}

template<typename T> void Region<T>::takeBoundsOf(const T &element)
{
    if (!m_elements.empty()) {
        extendBounds(element);
        return;
    }
    if constexpr (std::is_same_v<T, Point>) {
        m_topLeft.set(element);
        m_bottomRight.set(element);
    } else {
        m_topLeft.set(element.topLeft().value());
        m_bottomRight.set(element.bottomRight().value());
    }
}

template<typename T> void Region<T>::extendBoundsBy(const BoxEdges &edges)
{
    // A moved corner keeps only its x and y; its other channels become 0.
    Point &tl = m_topLeft.value();
    if (edges.left < tl.x.value() || edges.top < tl.y.value())
        setCorner(tl, std::min(tl.x.value(), edges.left), std::min(tl.y.value(), edges.top));
    Point &br = m_bottomRight.value();
    if (edges.right > br.x.value() || edges.bottom > br.y.value())
        setCorner(br, std::max(br.x.value(), edges.right), std::max(br.y.value(), edges.bottom));
}

template<typename T> bool Region<T>::accept(RegionVisitor<T> &visitor)
{
    for (T &element : m_elements) {
        if (!visitor.visit(element))
            return false;
    }
    return true;
}

template<typename T> void Region<T>::rotate(float angleRadians)
{
    if (angleRadians == 0.0f)
        return;
    Rotator<T> rotator(angleRadians);
    accept(rotator);

    // The new box is the box of the turned old box, so it may grow with each turn.
    const Point &tl = m_topLeft.value();
    const Point &br = m_bottomRight.value();
    Point corners[4] = {Point(tl.x.value(), tl.y.value(), 0, 0, 0, 0, 0),
                        Point(br.x.value(), br.y.value(), 0, 0, 0, 0, 0),
                        Point(tl.x.value(), br.y.value(), 0, 0, 0, 0, 0),
                        Point(br.x.value(), tl.y.value(), 0, 0, 0, 0, 0)};
    for (Point &corner : corners)
        corner.rotate(angleRadians);
    double left = corners[0].x.value();
    double top = corners[0].y.value();
    double right = left;
    double bottom = top;
    for (const Point &corner : corners) {
        left = std::min(left, corner.x.value());
        top = std::min(top, corner.y.value());
        right = std::max(right, corner.x.value());
        bottom = std::max(bottom, corner.y.value());
    }
    setCorner(m_topLeft.value(), left, top);
    setCorner(m_bottomRight.value(), right, bottom);
}

template<typename T> void Region<T>::shift(double dx, double dy)
{
    Shifter<T> shifter(dx, dy);
    accept(shifter);
    m_topLeft.value().shift(dx, dy);
    m_bottomRight.value().shift(dx, dy);
}

} // namespace Nivo
