// A value holder that compares itself and copies only when the value differs.
#pragma once

namespace Nivo {

/// Wraps one value of the ink model, as small as the value itself. Assignment from an
/// equal property is a no-op, which matters for points: equality looks at x, y and z only,
/// so assigning an equal point keeps the target's pressure, tilt and timestamp.
template<typename T> class Property
{
public:
    Property()
        : m_value()
    { }
    Property(const T &value)
        : m_value(value)
    { }
    Property(const Property &other) = default;

    // Not virtual: a point holds seven of these, and a table pointer in each would more
    // than double the size of every point of a document.
    bool operator==(const Property<T> &other) const { return m_value == other.m_value; }

    Property &operator=(const Property &other)
    {
        if (this != &other && !(*this == other))
            m_value = other.m_value;
        return *this;
    }

    T &value() { return m_value; }
    const T &value() const { return m_value; }
    void set(const T &value) { m_value = value; }

private:
    T m_value;
};

} // namespace Nivo
