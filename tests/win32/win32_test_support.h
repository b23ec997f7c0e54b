// Helpers of the Win32 tests: message pumping, the program's window with its
// events recorded, and the timed dialog over it.
#pragma once

// commctrl.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/settings_layout.h"
#include "platform/win32/main_window_win.h"
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

// Every event the window reports, in order, as text.
class RecordingEvents final : public AppEvents {
 public:
  std::vector<std::string> calls;
  void OnCloseRequest(CloseReason reason) override {
    calls.push_back("Close " + std::to_string(static_cast<int>(reason)));
  }
  void OnTimer(TimerId timer) override {
    calls.push_back("Timer " + std::to_string(static_cast<int>(timer)));
  }
  void OnTrayMessage(int message) override { calls.push_back("Tray " + std::to_string(message)); }
  void OnTaskbarCreated() override { calls.push_back("TaskbarCreated"); }
  void OnSettingChanged(int id, int value) override {
    calls.push_back("Setting " + std::to_string(id) + " " + std::to_string(value));
  }
};

// The program's window as it builds it, with recorded events, and the timed
// dialog over it. The countdown the dialog starts is the program's own, on the
// real Win32 platform.
struct Windows {
  RecordingEvents events;
  MainWindow window;
  SystemWin system;
  RegistryWin registry;
  ShellWin shell;
  Platform platform{system, registry, shell, window};
  App app{platform};
  TimedDialogWindow dialog{app.countdown(), window};
  bool created = window.Create(events, dialog);

  HWND Item(int id) const { return GetDlgItem(window.hwnd(), id); }
  HWND DialogItem(int id) const { return GetDlgItem(dialog.hwnd(), id); }
  std::pair<int, int> Selection(int id) const {
    DWORD start = 0, end = 0;
    SendMessageA(DialogItem(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }
  // Moves the focus as Tab would, through the dialog manager.
  void FocusOn(int id) const {
    SendMessageA(dialog.hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(DialogItem(id)), TRUE);
  }
};

}  // namespace bw::win32::test
