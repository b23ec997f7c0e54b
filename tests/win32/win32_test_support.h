// The program's windows as it builds them, over the real platform layer, with
// their events recorded; and message pumping.
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
#include "timed/timed_layout.h"
#include "win32/main_window.h"
#include "win32/power.h"
#include "win32/registry.h"
#include "win32/shell.h"
#include "win32/system.h"
#include "win32/timed_dialog_window.h"

namespace bw::win32::test {

// Dispatches this thread's messages until done() holds or the time is up.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
  for (const DWORD start = GetTickCount();; MsgWaitForMultipleObjects(0, 0, 0, 20, QS_ALLINPUT)) {
    for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
  }
}

// Runs the program's own loop over an open dialog until every message queued
// so far is handled (a quit queued behind them ends it), or the dialog closes.
inline void RunDialogLoop(HWND dialog) {
  PostQuitMessage(0);
  if (RunMessageLoop(dialog, dialog)) return;
  MSG quit;
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
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
struct RecordingEvents final : AppEvents {
  std::vector<std::string> calls;
  void Add(const std::string& call, int value) { calls.push_back(call + std::to_string(value)); }
  void OnCloseRequest(CloseReason reason) override { Add("Close ", static_cast<int>(reason)); }
  void OnTimer(int timer) override { Add("Timer ", timer); }
  void OnTrayMessage(int message, std::uint32_t) override { Add("Tray ", message); }
  void OnTaskbarCreated() override { calls.push_back("TaskbarCreated"); }
  void OnPolicyChanged() override { calls.push_back("Policy"); }
  void OnSettingChanged(int id, int value) override {
    Add("Setting " + std::to_string(id) + " ", value);
  }
};

// The program's window with recorded events, and the timed dialog over it,
// which starts the program's own countdown on the real platform.
struct Windows {
  RecordingEvents events;
  MainWindow window;
  System system;
  Registry registry;
  Shell shell;
  Power power;
  Platform platform{system, registry, shell, window, power};
  App app{platform};
  TimedDialogWindow dialog{app.countdown(), app, window};
  bool created = window.Create(events, dialog);

  HWND Item(int id) const { return GetDlgItem(window.hwnd(), id); }
  HWND DialogItem(int id) const { return GetDlgItem(dialog.hwnd(), id); }
};

}  // namespace bw::win32::test
