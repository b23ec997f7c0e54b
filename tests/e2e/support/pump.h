// Waiting without sleeping: the test process keeps handling its own messages
// while it polls a condition, and gives up after a timeout.
#pragma once

#include <windows.h>

#include <functional>

namespace e2e {

// Polls `done` about every 10 ms, pumping this thread's messages in between,
// until it returns true (then true) or `timeoutMs` has passed (then false).
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Pumps messages for `ms`: a window of observation, for checks that something
// does NOT happen (every assertion that something happens uses PumpUntil).
void PumpFor(DWORD ms);

// Milliseconds since an arbitrary start, for measuring latencies.
ULONGLONG NowMs();

}  // namespace e2e
