// Helpers of the Win32 tests: message pumping, the main form with its events
// recorded, and the timed dialog over it.
#pragma once

// commctrl.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <functional>
#include <string>
#include <vector>

#include "app/frm_settings.h"
#include "app/settings_layout.h"
#include "platform/win32/main_form_win.h"
#include "platform/win32/registry_win.h"
#include "platform/win32/shell_win.h"
#include "platform/win32/system_win.h"
#include "platform/win32/timed_dialog_win.h"
#include "timed/timed_layout.h"

namespace bw::win32::test {

// Dispatches this thread's messages until done() holds or the time is up.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
}

// Handles what is queued as the dialog's modal loop does, until nothing is left.
inline void DeliverQueued(HWND dialog) {
  MSG msg;
  for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Queues a key press for the window, as the keyboard would.
inline void PostKey(HWND target, UINT key) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, 0)) << 16;
  PostMessageA(target, WM_KEYDOWN, key, scan | 1);
  PostMessageA(target, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
}

inline std::string TextOf(HWND window) {
  char text[128] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

inline std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Every call the main form's window makes, in order, as text.
class RecordingEvents final : public MainFormEvents {
 public:
  std::vector<std::string> calls;
  bool QueryUnload(int reason) override {
    calls.push_back("QueryUnload " + std::to_string(reason));
    return true;  // refused, so the window stays
  }
  void EndSession() override { calls.push_back("EndSession"); }
  void Timer(TimerId id) override { calls.push_back("Timer " + std::to_string(int(id))); }
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

// The main form's logic beside the recorded window: the dialog's OK really
// starts a countdown, whose ticks then reach only the record.
struct TimedDialogFixture {
  SettingsWindow main;
  SystemWin system;
  RegistryWin registry;
  ShellWin shell;
  Platform platform{system, registry, shell, main.form};
  FrmSettings frmSettings{platform};
  TimedDialogWin dialog{frmSettings.timedDisable(), main.form};
  bool open = main.created && (frmSettings.timedDisable().SetDialogHost(dialog), dialog.Open());

  TimedDisable& countdown() { return frmSettings.timedDisable(); }
  bool CountdownRuns() { return frmSettings.tmrSSTimedDisable().Enabled(); }
  HWND Item(int id) const { return GetDlgItem(dialog.hwnd(), id); }
  std::pair<int, int> Selection(int id) const {
    DWORD start = 0, end = 0;
    SendMessageA(Item(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }
  // Moves the focus as Tab would, through the dialog manager.
  void FocusOn(int id) const {
    SendMessageA(dialog.hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
  }
};

}  // namespace bw::win32::test
