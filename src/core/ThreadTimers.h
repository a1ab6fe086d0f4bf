#pragma once

#include <windows.h>

#include <functional>

// Timers of the UI thread that belong to no window (SetTimer with a null window). Each tick
// reaches its function through a lookup from the timer id, so no executable thunk is needed.
namespace threadtimers {

// The new timer's id, or 0 when the system refuses.
UINT_PTR start(UINT intervalMs, std::function<void()> tick);
// Stops the timer; a function may stop its own timer while it runs.
bool stop(UINT_PTR id);
// How many timers are running.
int running();

}  // namespace threadtimers
