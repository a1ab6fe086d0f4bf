#include "core/ThreadTimers.h"

#include <map>
#include <memory>

namespace threadtimers {
namespace {

// Shared pointers, so a tick that stops its own timer keeps running to its end.
std::map<UINT_PTR, std::shared_ptr<std::function<void()>>>& timers()
{
    static std::map<UINT_PTR, std::shared_ptr<std::function<void()>>> table;
    return table;
}

void CALLBACK onTick(HWND, UINT, UINT_PTR id, DWORD) noexcept
{
    auto found = timers().find(id);
    if (found == timers().end())
        return;
    std::shared_ptr<std::function<void()>> tick = found->second;
    (*tick)();
}

}  // namespace

UINT_PTR start(UINT intervalMs, std::function<void()> tick)
{
    const UINT_PTR id = SetTimer(nullptr, 0, intervalMs, &onTick);
    if (id != 0)
        timers()[id] = std::make_shared<std::function<void()>>(std::move(tick));
    return id;
}

bool stop(UINT_PTR id)
{
    if (id == 0)
        return false;
    timers().erase(id);
    return KillTimer(nullptr, id) != FALSE;
}

int running()
{
    return static_cast<int>(timers().size());
}

}  // namespace threadtimers
