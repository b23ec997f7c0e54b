// The timed-disable dialog as the program builds it, over a main form whose
// window events are recorded, and the means to drive it with real messages.
#pragma once

// commctrl.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <functional>
#include <string>
#include <utility>

#include "app/frm_settings.h"
#include "platform/win32/registry_win.h"
#include "platform/win32/shell_win.h"
#include "platform/win32/system_win.h"
#include "platform/win32/timed_dialog_win.h"
#include "timed/timed_layout.h"
#include "win32_test_support.h"

namespace bw::win32::test {

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

  TimedDialogFixture() { frmSettings.timedDisable().SetDialogHost(dialog); }

  TimedDisable& countdown() { return frmSettings.timedDisable(); }
  bool CountdownRuns() { return frmSettings.tmrSSTimedDisable().Enabled(); }
  HWND Item(int id) const { return GetDlgItem(dialog.hwnd(), id); }

  std::string TextOf(int id) const {
    char text[64] = "";
    GetWindowTextA(Item(id), text, sizeof text);
    return text;
  }
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

// Queues a key press for the window, as the keyboard would.
inline void PostKey(HWND target, UINT key) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, 0)) << 16;
  PostMessageA(target, WM_KEYDOWN, key, scan | 1);
  PostMessageA(target, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
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

// Runs action once from inside the next message loop of this thread, such as
// the dialog's modal loop, which the test cannot reach otherwise.
class RunFromLoop {
 public:
  explicit RunFromLoop(std::function<void()> action, UINT delayMs = 10) {
    Pending() = std::move(action);
    id_ = SetTimer(nullptr, 0, delayMs, Run);
  }
  ~RunFromLoop() {
    KillTimer(nullptr, id_);
    Pending() = nullptr;
  }

 private:
  static std::function<void()>& Pending() {
    static std::function<void()> pending;
    return pending;
  }
  static void CALLBACK Run(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto action = std::move(Pending());
    Pending() = nullptr;
    if (action) action();
  }
  UINT_PTR id_;
};

// The exit code of the quit that ends a dialog the test could not close.
inline constexpr int kWatchdogExitCode = 0x7e57;

inline void CALLBACK QuitForWatchdog(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostQuitMessage(kWatchdogExitCode);
}

// Runs a call that returns when the modal dialog closes. A dialog still open
// after the time is ended with a WM_QUIT of its own; false then.
inline bool ReturnsByItself(const std::function<void()>& modal, UINT timeoutMs = 5000) {
  const UINT_PTR watchdog = SetTimer(nullptr, 0, timeoutMs, QuitForWatchdog);
  modal();
  KillTimer(nullptr, watchdog);
  MSG msg;
  if (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) &&
      msg.wParam == kWatchdogExitCode) {
    PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    return false;
  }
  return true;
}

}  // namespace bw::win32::test
