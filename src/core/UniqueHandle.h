#pragma once

#include <utility>

// Owns one Win32 handle and closes it exactly once. A null value means "no handle".
template <typename T, auto Close>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(T value) noexcept : m_value(value) {}
    UniqueHandle(UniqueHandle&& other) noexcept : m_value(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    T get() const noexcept { return m_value; }
    explicit operator bool() const noexcept { return m_value != T{}; }

    T release() noexcept { return std::exchange(m_value, T{}); }
    void reset(T value = T{}) noexcept
    {
        T old = std::exchange(m_value, value);
        if (old != T{})
            Close(old);
    }

private:
    T m_value{};
};
