// The tray icon's hidden host: the child window the shell sends the icon's
// callbacks to, which also runs the program's timers, holds its shortcut and
// opens the popup menu. It reports what comes (TrayEvents, TimerEvents) and
// opens what it is told (TrayWindowPort, TimerPort, HotkeyPort).
#pragma once

#include <windows.h>

#include "ports/hotkey.h"
#include "ports/timer.h"
#include "ports/tray_window_port.h"
#include "version_info.h"
#include "win32/window.h"

namespace bw::win32 {

// Its class; other programs find it by this, inside the settings window.
inline constexpr const char* kTrayCallbackClass = BLINKWARD_NAME "StatusOutput";

class TrayWindow final : public TrayWindowPort, public TimerPort, public HotkeyPort, public Window {
 public:
  TrayWindow() = default;
  ~TrayWindow();

  // Builds the window, hidden, inside the program's top-level window: a
  // child of its own, so that a real mouse move over the settings window is
  // never taken for a callback. False if it could not be made.
  bool Create(HWND parent, TrayEvents& tray, TimerEvents& timers);

  int TrackPopupMenu(std::span<const MenuItem> items) override;
  void Quit() override;
  void StartTimer(TimerId id, int intervalMs) override;
  void StopTimer(TimerId id) override;
  bool RegisterHotkey(Hotkey hotkey) override;
  void UnregisterHotkey() override { UnregisterHotKey(hwnd(), hotkeyId_); }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  TrayEvents* tray_ = nullptr;
  TimerEvents* timers_ = nullptr;
  int hotkeyId_ = 0;  // of the shortcut held; the next takes the other
  // The shortcut's key while it is held down since its last report.
  UINT heldKey_ = 0;
};

}  // namespace bw::win32
