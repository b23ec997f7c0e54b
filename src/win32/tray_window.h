// The tray icon's hidden host: the child window of the main window that the
// shell sends the icon's callbacks to, and that opens the popup menu. It
// reports the callbacks (TrayEvents) and opens the menu it is told
// (TrayWindowPort).
#pragma once

#include <windows.h>

#include "ports/tray_window_port.h"
#include "version_info.h"
#include "win32/window.h"

namespace bw::win32 {

// Its class; other programs find it by this, inside the main window.
inline constexpr const char* kTrayCallbackClass = BLINKWARD_NAME "StatusOutput";

class TrayWindow final : public TrayWindowPort, public Window {
 public:
  TrayWindow() = default;
  ~TrayWindow();

  // Builds the window, hidden, inside the main window, where other programs
  // look for it. False if it could not be made.
  bool Create(HWND parent, TrayEvents& tray);

  int TrackPopupMenu(std::span<const MenuItem> items) override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  TrayEvents* tray_ = nullptr;
};

}  // namespace bw::win32
