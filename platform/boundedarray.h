#pragma once

// An array with explicit lower and upper bounds (for example 1 to CellCount).
// Indexing outside the bounds raises the "Subscript out of range" error.

#include "runtimeerror.h"

#include <vector>

namespace platform {

template <typename T> class BoundedArray
{
public:
    BoundedArray() = default;
    BoundedArray(int lower, int upper) { redim(lower, upper); }

    // Allocates anew with the given bounds; old contents are discarded. An upper
    // bound below the lower one is the error it always was.
    void redim(int lower, int upper)
    {
        if (upper < lower)
            throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
        m_lower = lower;
        m_items.assign(static_cast<std::size_t>(upper - lower + 1), T{});
    }
    void clear()
    {
        m_lower = 0;
        m_items.clear();
    }

    int lower() const { return m_lower; }
    int upper() const { return m_lower + static_cast<int>(m_items.size()) - 1; }
    int size() const { return static_cast<int>(m_items.size()); }
    bool empty() const { return m_items.empty(); }

    typename std::vector<T>::reference operator()(int index) { return m_items[offset(index)]; }
    typename std::vector<T>::const_reference operator()(int index) const
    {
        return m_items[offset(index)];
    }

    friend bool operator==(const BoundedArray &, const BoundedArray &) = default;

private:
    std::size_t offset(int index) const
    {
        if (index < m_lower || index > upper())
            throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
        return static_cast<std::size_t>(index - m_lower);
    }

    int m_lower = 0;
    std::vector<T> m_items;
};

} // namespace platform
