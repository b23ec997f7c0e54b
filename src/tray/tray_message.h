// What a mouse message on the tray icon asks for.
#pragma once

namespace bw {

// The mouse messages the shell reports for the icon (WM_LBUTTONDOWN,
// WM_LBUTTONDBLCLK, WM_RBUTTONUP); the Win32 layer checks them against its headers.
inline constexpr int kLeftButtonDown = 513;
inline constexpr int kLeftDoubleClick = 515;
inline constexpr int kRightButtonUp = 517;

enum class TrayAction {
  None,
  ToggleOnSingleClick,  // left press: toggles with the single-click method
  ToggleOnDoubleClick,  // left double click: toggles with the double-click method
  Popup,                // right release: the popup menu
};

constexpr TrayAction DecodeTrayMessage(int message) {
  switch (message) {
    case kLeftButtonDown:
      return TrayAction::ToggleOnSingleClick;
    case kLeftDoubleClick:
      return TrayAction::ToggleOnDoubleClick;
    case kRightButtonUp:
      return TrayAction::Popup;
    default:
      return TrayAction::None;
  }
}

}  // namespace bw
