#pragma once

#include <functional>
#include <utility>

// A name the window keeps for a value that a feature object now holds: reading, writing and
// binding a reference go through to the object's own value, so code and tests that still use
// the window's name stay as they are.
template <typename T> class TransitionalValue
{
public:
    explicit TransitionalValue(std::function<T &()> target)
        : m_target(std::move(target))
    { }
    TransitionalValue(const TransitionalValue &) = delete;

    operator T &() const { return m_target(); }
    TransitionalValue &operator=(const T &value)
    {
        m_target() = value;
        return *this;
    }
    TransitionalValue &operator=(const TransitionalValue &other)
    {
        m_target() = T(other);
        return *this;
    }

private:
    std::function<T &()> m_target;
};
