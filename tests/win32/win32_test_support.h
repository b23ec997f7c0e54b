// Helpers of the Win32 tests: message pumping with a deadline, and a main form
// built from the settings layout whose events are recorded.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/settings_layout.h"
#include "platform/win32/main_form_win.h"

namespace bw::win32::test {

// Dispatches this thread's messages until done() holds or the time is up;
// returns done(). Waits for messages, and looks again at least every 50 ms for
// conditions that no message announces.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done()) return true;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return false;
    const DWORD wait = timeoutMs - elapsed < 50 ? timeoutMs - elapsed : 50;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
  }
}

// Every call the main form's window makes, in order, as text.
class RecordingEvents final : public MainFormEvents {
 public:
  std::vector<std::string> calls;
  bool cancelUnload = true;

  bool QueryUnload(int reason) override {
    calls.push_back("QueryUnload " + std::to_string(reason));
    return cancelUnload;
  }
  void EndSession() override { calls.push_back("EndSession"); }
  void Timer(TimerId timer) override {
    calls.push_back("Timer " + std::to_string(static_cast<int>(timer)));
  }
  void TrayCallback(std::int32_t lParam) override {
    calls.push_back("TrayCallback " + std::to_string(lParam));
  }
  void TaskbarCreated() override { calls.push_back("TaskbarCreated"); }
  void WindowsStartClick() override { calls.push_back("WindowsStartClick"); }
};

// The main form as the program builds it, with recorded events.
struct SettingsWindow {
  RecordingEvents events;
  MainFormWin form;
  bool created = form.Create(SettingsForm(), events);
  HWND Item(int id) const { return GetDlgItem(form.hwnd(), id); }
};

}  // namespace bw::win32::test
