#pragma once

#include <cstddef>
#include <vector>

#include "core/FatalError.h"

// The 1-based arrays the program's users index; an index out of range is fatal error 1.
template <typename T>
class OneBasedArray {
public:
    explicit OneBasedArray(std::size_t count) : m_items(count) {}

    std::size_t size() const { return m_items.size(); }
    bool contains(int index) const { return index >= 1 && static_cast<std::size_t>(index) <= m_items.size(); }

    T& operator[](int index) { return m_items[checked(index)]; }
    const T& operator[](int index) const { return m_items[checked(index)]; }

private:
    std::size_t checked(int index) const
    {
        if (!contains(index))
            fatalError(kFatalIndexOutOfRange, FatalMessage::kIndexOutOfRange);
        return static_cast<std::size_t>(index - 1);
    }

    std::vector<T> m_items;
};
