// Waiting without sleeping: this thread's messages are dispatched while a test
// or a probe waits for something Windows or another program does.
#pragma once

#include <windows.h>

#include <functional>

namespace e2e {

// Dispatches this thread's messages, checking `done` about every 10 ms; true
// once it holds, false when `timeoutMs` has passed first. A wait for what
// must happen ends as soon as it does: its bound is generous, for Wine on a
// busy machine.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 20000) {
  for (const DWORD start = GetTickCount();;
       MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT)) {
    for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
  }
}

// Pumps for `ms`: for checks that something does NOT happen.
inline void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

}  // namespace e2e
