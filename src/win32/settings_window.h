// The settings window, whose controls are built when the user first asks for
// it. It reports what the user does in it (SettingsEvents) and shows what it
// is told (SettingsWindowPort).
#pragma once

#include <windows.h>

#include "ports/settings_window_port.h"
#include "version_info.h"
#include "win32/handles.h"
#include "win32/layout_builder.h"
#include "win32/window.h"

namespace bw::win32 {

// Its class.
inline constexpr const char* kSettingsWindowClass = BLINKWARD_NAME "SettingsWindow";
// Fixed single border: title bar, system menu and close box; no sizing, no minimise or maximise.
inline constexpr DWORD kSettingsWindowStyle = WS_CAPTION | WS_SYSMENU | WS_BORDER;

class SettingsWindow final : public SettingsWindowPort, public Window {
 public:
  SettingsWindow() = default;
  ~SettingsWindow();

  // Builds the window, hidden and without its controls, owned by the main
  // window, which takes it along when it goes. False if it could not be made.
  bool Create(HWND owner, SettingsEvents& events);

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
  bool BuildControls();
  void RememberFocus();
  void RestoreFocus();

  SettingsEvents* events_ = nullptr;
  HWND lastFocus_ = nullptr;
  bool controlsBuilt_ = false;
  // Released after the window, whose controls use them.
  LayoutFonts fonts_;
  UniqueIcon smallIcon_, largeIcon_;
};

}  // namespace bw::win32
