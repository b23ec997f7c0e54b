// The program's hidden main window, which stands for the running program:
// other copies find it by its class and send it their commands, Windows'
// broadcasts reach it (the notification area made anew, a change of policy,
// time or power, the end of the logon), and it runs the program's timers and
// holds its shortcut. It reports what comes (SystemEvents, TimerEvents,
// HotkeyEvents, CommandEvents).
#pragma once

#include <windows.h>

#include "ports/commands.h"
#include "ports/hotkey.h"
#include "ports/main_window_port.h"
#include "ports/timer.h"
#include "version_info.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace bw::win32 {

// Its class, which other copies and programs look for.
inline constexpr const char* kMainWindowClass = BLINKWARD_NAME "Settings";

class MainWindow final : public MainWindowPort, public TimerPort, public HotkeyPort, public Window {
 public:
  MainWindow() = default;
  ~MainWindow();

  // Builds the window, never shown. False if it could not be made.
  bool Create(SystemEvents& system, TimerEvents& timers, HotkeyEvents& hotkeys);
  // From now on other copies' commands are taken.
  void TakeCommands(CommandEvents& commands) { commands_ = &commands; }

  void Quit() override;
  void TurnDisplayOff() override;
  void StartTimer(TimerId id, int intervalMs) override;
  void StopTimer(TimerId id) override;
  bool RegisterHotkey(Hotkey hotkey) override;
  void UnregisterHotkey() override { UnregisterHotKey(hwnd(), hotkeyId_); }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnBroadcast(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCopyData(HWND caller, const COPYDATASTRUCT& data);
  void ListenForLockAndLid();
  void OnPowerSetting(const void* setting);
  void OnHotkeyPressed(UINT key);

  SystemEvents* system_ = nullptr;
  TimerEvents* timers_ = nullptr;
  HotkeyEvents* hotkeys_ = nullptr;
  CommandEvents* commands_ = nullptr;
  UINT taskbarCreated_ = 0;
  // Commands are let in from lower integrity levels: the copy runs elevated.
  bool filterOpen_ = false;
  int hotkeyId_ = 0;  // of the shortcut held; the next takes the other
  // The shortcut's key while it is held down since its last report.
  UINT heldKey_ = 0;
  // What tells the window of the session's lock, where the system has it.
  UniqueModule sessionNotices_;
  void* lidNotices_ = nullptr;  // HPOWERNOTIFY
};

}  // namespace bw::win32
