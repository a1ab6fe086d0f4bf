#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "core/ThreadTimers.h"

// One thread timer, stopped when its holder goes: a tick can never reach an object that no
// longer exists. Move-only.
class ThreadTimer {
public:
    ThreadTimer() = default;
    ThreadTimer(UINT intervalMs, std::function<void()> tick) : m_id(threadtimers::start(intervalMs, std::move(tick)))
    {
    }
    ~ThreadTimer() { stop(); }
    ThreadTimer(ThreadTimer&& other) noexcept : m_id(std::exchange(other.m_id, 0)) {}
    ThreadTimer& operator=(ThreadTimer&& other) noexcept
    {
        if (this != &other) {
            stop();
            m_id = std::exchange(other.m_id, 0);
        }
        return *this;
    }
    ThreadTimer(const ThreadTimer&) = delete;
    ThreadTimer& operator=(const ThreadTimer&) = delete;

    void stop()
    {
        if (m_id)
            threadtimers::stop(std::exchange(m_id, 0));
    }
    UINT_PTR id() const { return m_id; }
    explicit operator bool() const { return m_id != 0; }

private:
    UINT_PTR m_id = 0;
};
