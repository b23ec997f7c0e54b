// The program's window: from start-up the hidden host of the tray icon's
// callbacks, the timers and the popup menu, and, once the user asks for it,
// the settings window, whose controls are built then. It reports its events
// to the program (AppEvents) and shows what the program tells it (UiPort).
#pragma once

#include <windows.h>

#include "ports/ui.h"
#include "version_info.h"
#include "win32/handles.h"
#include "win32/layout_builder.h"
#include "win32/window.h"

namespace bw::win32 {

class TimedDialogWindow;

// Window classes and caption; other programs find the windows by these.
inline constexpr const char* kMainWindowClass = BLINKWARD_NAME "Settings";
inline constexpr const char* kTrayCallbackClass = BLINKWARD_NAME "StatusOutput";
// Fixed single border: title bar, system menu and close box; no sizing, no minimise or maximise.
inline constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_BORDER;

class MainWindow final : public UiPort, public Window {
 public:
  MainWindow() = default;
  ~MainWindow();

  // Builds the hidden window and its tray callback target. False if either
  // could not be made.
  bool Create(AppEvents& events, TimedDialogWindow& dialog);
  // The window that receives the tray icon's callbacks: a hidden child, so
  // that a real mouse move over the settings window is never taken for one.
  HWND TrayCallbackWindow() const { return trayCallback_; }

  void StartTimer(int id, int intervalMs) override;
  void StopTimer(int id) override;
  int TrackPopupMenu(std::span<const MenuItem> items) override;
  void ShowSettings(const SettingsView& view) override;
  void HideSettings() override;
  int TrackControlMenu(int controlId, std::span<const MenuItem> items) override;
  std::string BrowseForProgram() override;
  void ShowMessage(const char* text) override;
  void UpdateSettings(const SettingsView& view) override;
  void ShowTimedDisableDialog() override;
  void Quit() override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnCommand(WPARAM wParam, LPARAM lParam);
  bool BuildControls();
  void RememberFocus();
  void RestoreFocus();

  AppEvents* events_ = nullptr;
  TimedDialogWindow* dialog_ = nullptr;
  UINT taskbarCreated_ = 0;
  HWND trayCallback_ = nullptr;
  HWND lastFocus_ = nullptr;
  bool controlsBuilt_ = false;
  // Released after the window, whose controls use them.
  LayoutFonts fonts_;
  UniqueIcon smallIcon_, largeIcon_;
};

}  // namespace bw::win32
