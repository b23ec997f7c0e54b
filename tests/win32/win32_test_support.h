// The program's windows over the real platform, their events recorded.
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

#include "pump.h"
#include "settings/settings_layout.h"
#include "timed/timed_layout.h"
#include "win32/composition.h"
#include "win32/text.h"

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
  wchar_t text[256] = L"";
  GetWindowTextW(window, text, 256);
  return Narrow(text);
}

inline std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

struct RecordingEvents final : TrayEvents,
                               TimerEvents,
                               SystemEvents,
                               HotkeyEvents,
                               SettingsEvents,
                               ProgramEvents,
                               SoundEvents,
                               TimedDialogEvents {
  std::vector<std::string> calls;
  void Add(const std::string& call, int value) { calls.push_back(call + std::to_string(value)); }
  void OnTimer(TimerId timer) override { Add("Timer ", static_cast<int>(timer)); }
  std::vector<std::uint32_t> trayTimes;  // each tray message's time, in order
  void OnTrayMessage(int message, std::uint32_t sentAt) override {
    Add("Tray ", message);
    trayTimes.push_back(sentAt);
  }
  void OnTaskbarCreated() override { calls.push_back("TaskbarCreated"); }
  void OnPolicyChanged() override { calls.push_back("Policy"); }
  void OnEndSession() override { calls.push_back("EndSession"); }
  void OnSettingChanged(int id, int value) override {
    Add("Setting " + std::to_string(id) + " ", value);
  }
  void OnSettingsButton(int id) override { calls.push_back("Button " + std::to_string(id)); }
  void OnSettingsClosed() override { calls.push_back("Closed"); }
  void OnWindowShown(std::uint32_t id, std::uint32_t) override {
    Add("Window ", static_cast<int>(id));
  }
  void OnForegroundChanged() override { calls.push_back("Foreground"); }
  void OnProcessEnded(std::uint32_t id) override { Add("Ended ", static_cast<int>(id)); }
  void OnSoundChanged() override { calls.push_back("Sound"); }
  void OnShown() override { calls.push_back("DialogShown"); }
  bool OnFieldKey(SpanField field, int key, int) override {
    Add("Key " + std::to_string(static_cast<int>(field)) + " ", key);
    return true;
  }
  void OnUpDown(SpanField field) override { Add("UpDown ", static_cast<int>(field)); }
  // "Ok hours:minutes startWhenDone until untilMinuteOfDay"
  void OnOk(const SpanEntry& entry) override {
    Add("Ok " + std::string(entry.hoursText) + ":" + std::string(entry.minutesText) + " " +
            std::to_string(entry.startWhenDone) + " " + std::to_string(entry.until) + " ",
        entry.untilMinuteOfDay);
  }
  void OnWayChosen(bool until) override { Add("Way ", until); }
  void OnUntilTimeChanged(int minuteOfDay) override { Add("Until ", minuteOfDay); }
  void OnTimeChanged() override { calls.push_back("TimeChanged"); }
  void OnPowerSourceChanged() override { calls.push_back("PowerSource"); }
  void OnSessionLocked(bool locked) override { Add("Locked ", locked); }
  void OnLidChanged(bool closed) override { Add("Lid closed ", closed); }
  void OnHotkey(bool repeat) override { Add("Hotkey ", repeat); }
  void OnCancel() override { calls.push_back("Cancel"); }
};

// The program's windows over the real platform, as the program is built and
// started; or, given a recorder, the windows alone, reporting to it.
struct Windows {
  explicit Windows(RecordingEvents* recorder = nullptr) : recorder(recorder) {
    created = recorder ? program.mainWindow.Create(*recorder, *recorder, *recorder) &&
                             program.trayWindow.Create(program.mainWindow.hwnd(), *recorder) &&
                             program.settingsWindow.Create(program.mainWindow.hwnd(), *recorder)
                       : program.Start();
  }
  // The program ends as its menu's Exit ends it, its icon taken away.
  ~Windows() {
    if (recorder || !IsWindow(window.hwnd())) return;
    app.OnMenuCommand(MenuCommand::Exit, false);
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
  RecordingEvents* recorder;
  Composition program;
  MainWindow& main = program.mainWindow;
  SettingsWindow& window = program.settingsWindow;
  TrayWindow& tray = program.trayWindow;
  TimedDialogWindow& dialog = program.timedDialog;
  Programs& programs = program.programs;
  Registry& registry = program.registry;
  System& system = program.system;
  App& app = program.app;
  bool created = false;

  HWND Item(int id) const { return GetDlgItem(window.hwnd(), id); }
  HWND DialogItem(int id) const { return GetDlgItem(dialog.hwnd(), id); }
  // Opens the dialog as the menu does, reporting to the recorder or the program.
  void RunDialog() {
    if (recorder) {
      dialog.Run(*recorder);
    } else {
      app.OnMenuCommand(MenuCommand::TimedDisable, false);
    }
  }
};

// A copy of listed_program.exe (beside this test) run as another program; killed at the end.
struct Started {
  Started(const wchar_t* file, const wchar_t* mode) {
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring folder(self, wcsrchr(self, L'\\') + 1), copy = folder + file;
    CopyFileW((folder + L"listed_program.exe").c_str(), copy.c_str(), FALSE);
    std::wstring line = L"\"" + copy + L"\" " + mode;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    EXPECT_TRUE(CreateProcessW(copy.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &started))
        << Narrow(copy) << ": " << GetLastError();
    CloseHandle(started.hThread);
    process.Reset(started.hProcess);
    id = started.dwProcessId;
  }
  ~Started() { Kill(); }
  // Returns once it has ended; its handle keeps the process known.
  void Kill() const {
    TerminateProcess(process.Get(), 1);
    WaitForSingleObject(process.Get(), 20000);
  }
  HWND Window() const {
    const HWND front = GetForegroundWindow();
    DWORD owner = 0;
    GetWindowThreadProcessId(front, &owner);
    return owner == id ? front : nullptr;
  }
  std::string Ended() const { return "Ended " + std::to_string(id); }

  UniqueKernelHandle process;
  DWORD id = 0;
};

// Runs body inside the dialog's modal loop once it shows; one left open is cancelled after 10 s.
inline std::function<void()> dialogBody;
inline TimedDialogWindow* openDialog = nullptr;
inline void CALLBACK RunDialogBody(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (dialogBody) std::exchange(dialogBody, nullptr)();
}
inline void CALLBACK CancelForgottenDialog(HWND, UINT, UINT_PTR, DWORD) {
  ADD_FAILURE() << "the dialog was left open";
  SendMessageA(openDialog->hwnd(), WM_CLOSE, 0, 0);
}
inline void WhileDialogOpen(Windows& w, std::function<void()> body) {
  dialogBody = std::move(body);
  openDialog = &w.dialog;
  const UINT_PTR run = SetTimer(nullptr, 0, 1, RunDialogBody);
  const UINT_PTR watchdog = SetTimer(nullptr, 0, 10000, CancelForgottenDialog);
  w.RunDialog();
  KillTimer(nullptr, run);
  KillTimer(nullptr, watchdog);
  dialogBody = nullptr;
}

}  // namespace bw::win32::test
