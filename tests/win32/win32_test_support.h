// The program's windows as it builds them, over the real platform layer, with
// their events recorded; and message pumping.
#pragma once

// commctrl.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/app.h"
#include "pump.h"
#include "settings/settings_layout.h"
#include "timed/timed_layout.h"
#include "win32/main_window.h"
#include "win32/power.h"
#include "win32/programs.h"
#include "win32/registry.h"
#include "win32/shell.h"
#include "win32/system.h"
#include "win32/timed_dialog_window.h"

namespace bw::win32::test {

using e2e::PumpFor, e2e::PumpUntil;

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
  std::vector<std::uint32_t> trayTimes;  // each tray message's time, in order
  void OnTrayMessage(int message, std::uint32_t sentAt) override {
    Add("Tray ", message);
    trayTimes.push_back(sentAt);
  }
  void OnTaskbarCreated() override { calls.push_back("TaskbarCreated"); }
  void OnPolicyChanged() override { calls.push_back("Policy"); }
  void OnSettingChanged(int id, int value) override {
    Add("Setting " + std::to_string(id) + " ", value);
  }
  void OnSettingsButton(int id) override { calls.push_back("Button " + std::to_string(id)); }
  void OnWindowShown(std::uint32_t id, std::uint32_t) override {
    Add("Window ", static_cast<int>(id));
  }
  void OnForegroundChanged() override { calls.push_back("Foreground"); }
  void OnProcessEnded(std::uint32_t id) override { Add("Ended ", static_cast<int>(id)); }
  void OnTimedDialogShown() override { calls.push_back("DialogShown"); }
  bool OnSpanFieldKey(SpanField field, int key, int) override {
    Add("Key " + std::to_string(static_cast<int>(field)) + " ", key);
    return true;
  }
  void OnSpanUpDown(SpanField field) override { Add("UpDown ", static_cast<int>(field)); }
  void OnTimedDialogOk(std::string_view hours, std::string_view minutes, bool start) override {
    Add("Ok " + std::string(hours) + ":" + std::string(minutes) + " ", start);
  }
  void OnTimedDialogCancel() override { calls.push_back("Cancel"); }
};

// The program's windows over the real platform, reporting to the program
// itself, or, given a recorder, to it.
struct Windows {
  explicit Windows(AppEvents* recorder = nullptr)
      : created(window.Create(recorder ? *recorder : app, dialog)) {}
  System system;
  Registry registry;
  Shell shell;
  Power power;
  Programs programs;
  MainWindow window;
  TimedDialogWindow dialog{window};
  Platform platform{system, system, system,   system, registry,
                    shell,  power,  programs, window, dialog};
  App app{platform};
  bool created;

  HWND Item(int id) const { return GetDlgItem(window.hwnd(), id); }
  HWND DialogItem(int id) const { return GetDlgItem(dialog.hwnd(), id); }
};

// Opens the timed-disable dialog as the menu does and runs body inside its
// modal loop once it shows. A dialog body leaves open is cancelled after ten
// seconds rather than hang the test.
inline std::function<void()> dialogBody;
inline TimedDialogWindow* openDialog = nullptr;
inline void CALLBACK RunDialogBody(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (dialogBody) std::exchange(dialogBody, nullptr)();
}
inline void CALLBACK CancelForgottenDialog(HWND, UINT, UINT_PTR, DWORD) {
  ADD_FAILURE() << "the dialog was left open";
  openDialog->Cancel();
}
inline void WhileDialogOpen(Windows& w, std::function<void()> body) {
  dialogBody = std::move(body);
  openDialog = &w.dialog;
  const UINT_PTR run = SetTimer(nullptr, 0, 1, RunDialogBody);
  const UINT_PTR watchdog = SetTimer(nullptr, 0, 10000, CancelForgottenDialog);
  w.window.ShowTimedDisableDialog();
  KillTimer(nullptr, run);
  KillTimer(nullptr, watchdog);
  dialogBody = nullptr;
}

}  // namespace bw::win32::test
