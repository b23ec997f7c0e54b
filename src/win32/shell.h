// ShellPort on shell32: the notification-area icon, with the pictures it shows.
#pragma once

#include <windows.h>

#include "ports/shell_port.h"
#include "win32/diagnostics.h"
#include "win32/handles.h"

namespace bw::win32 {

// The shell sends the icon's mouse and keyboard events to the callback window
// as this message, with the event's message in lParam.
inline constexpr UINT kTrayCallbackMessage = WM_MOUSEMOVE;
inline constexpr UINT kTrayIconId = 1;  // the program's only icon

class Shell final : public ShellPort {
 public:
  // The pictures are loaded at the size the notification area asks for.
  Shell();

  // The window that receives the icon's callbacks; set before the first icon.
  void SetCallbackWindow(HWND window) { window_ = window; }

  bool NotifyIcon(TrayCommand command, const TrayIconData& icon) override;
  bool ShowBalloon(const char* title, const char* text) override;
  bool TaskbarExists() override;

 private:
  HICON Picture(TrayPicture picture) const { return pictures_[static_cast<int>(picture)].Get(); }

  HWND window_ = nullptr;
  UniqueIcon pictures_[kTrayPictureCount];
  // The shell is asked again at each poll while it refuses.
  Refusal refusals_[5];  // by TrayCommand
  Refusal balloonRefusal_;
};

}  // namespace bw::win32
