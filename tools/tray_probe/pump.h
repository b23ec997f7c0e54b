// Waiting without sleeping: this thread's messages are dispatched while a test
// or a probe waits for something Windows or another program does.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <utility>

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

// Keys through the system's input queue, as the keyboard sends them (a key
// held down sends its press again before its release), pumping `pauseMs`
// after each; false when one could not be sent.
inline bool SendKeys(std::initializer_list<std::pair<WORD, bool>> keys, DWORD pauseMs) {
  for (const auto& [key, down] : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    if (SendInput(1, &input, sizeof input) != 1) return false;
    PumpFor(pauseMs);
  }
  return true;
}

}  // namespace e2e
