// The settings window, whose controls are built when the user first asks for
// it. It is also the program's one top-level window, hidden from start-up:
// Windows' broadcasts (the notification area made anew, a change of policy,
// the end of the logon) and other copies' commands come to it, and it hands
// them on. It reports its
// events (SettingsEvents) and shows what it is told (SettingsWindowPort).
#pragma once

#include <windows.h>

#include "ports/commands.h"
#include "ports/settings_window_port.h"
#include "ports/tray_window_port.h"
#include "version_info.h"
#include "win32/handles.h"
#include "win32/layout_builder.h"
#include "win32/window.h"

namespace bw::win32 {

// Its class; other programs find the program by it.
inline constexpr const char* kSettingsWindowClass = BLINKWARD_NAME "Settings";
// Fixed single border: title bar, system menu and close box; no sizing, no minimise or maximise.
inline constexpr DWORD kSettingsWindowStyle = WS_CAPTION | WS_SYSMENU | WS_BORDER;

class SettingsWindow final : public SettingsWindowPort, public Window {
 public:
  SettingsWindow() = default;
  ~SettingsWindow();

  // Builds the window, hidden and without its controls. False if it could
  // not be made.
  bool Create(SettingsEvents& events, SystemEvents& system, TrayEvents& tray);
  // From now on other copies' commands are taken.
  void TakeCommands(CommandEvents& commands) { commands_ = &commands; }

  void Show(const SettingsView& view) override;
  void Hide() override;
  void Update(const SettingsView& view) override;
  int TrackControlMenu(int controlId, std::span<const MenuItem> items) override;
  std::string BrowseForProgram() override;
  void ShowMessage(const char* text) override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnCommand(WPARAM wParam, LPARAM lParam);
  void OnNotify(const NMHDR& header);
  LRESULT OnCopyData(HWND caller, const COPYDATASTRUCT& data);
  bool BuildControls();
  void RememberFocus();
  void RestoreFocus();

  SettingsEvents* events_ = nullptr;
  SystemEvents* system_ = nullptr;
  TrayEvents* tray_ = nullptr;
  CommandEvents* commands_ = nullptr;
  UINT taskbarCreated_ = 0;
  // Commands are let in from lower integrity levels: the copy runs elevated.
  bool filterOpen_ = false;
  HWND lastFocus_ = nullptr;
  bool controlsBuilt_ = false;
  // Released after the window, whose controls use them.
  LayoutFonts fonts_;
  UniqueIcon smallIcon_, largeIcon_;
};

}  // namespace bw::win32
