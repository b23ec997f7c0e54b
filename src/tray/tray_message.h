// What a message on the tray icon asks for.
#pragma once

namespace bw {

// The messages the shell reports for the icon (WM_LBUTTONDOWN,
// WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_CONTEXTMENU, NIN_KEYSELECT,
// NIN_BALLOONSHOW, NIN_BALLOONUSERCLICK); the Win32 layer checks them against
// its headers.
inline constexpr int kLeftButtonDown = 513;
inline constexpr int kLeftDoubleClick = 515;
inline constexpr int kRightButtonUp = 517;
inline constexpr int kContextMenu = 123;
inline constexpr int kKeySelect = 1025;
inline constexpr int kBalloonShow = 1026;
inline constexpr int kBalloonClick = 1029;

enum class TrayAction {
  None,
  ToggleOnSingleClick,  // left press: toggles with the single-click method
  ToggleOnDoubleClick,  // left double click: toggles with the double-click method
  ToggleByKeyboard,     // Enter or Space: toggles as the chosen click would
  Popup,                // the popup menu
  BalloonShown,         // the icon's balloon is on the screen now
  BalloonClicked,       // the user clicked the icon's balloon
};

// With the newer callbacks the shell follows the right button's release with
// the menu request, which the keyboard sends too: the menu opens on that
// alone, once.
constexpr TrayAction DecodeTrayMessage(int message, bool keyboardCallbacks) {
  switch (message) {
    case kLeftButtonDown:
      return TrayAction::ToggleOnSingleClick;
    case kLeftDoubleClick:
      return TrayAction::ToggleOnDoubleClick;
    case kRightButtonUp:
      return keyboardCallbacks ? TrayAction::None : TrayAction::Popup;
    case kContextMenu:
      return TrayAction::Popup;
    case kKeySelect:
      return TrayAction::ToggleByKeyboard;
    case kBalloonShow:
      return TrayAction::BalloonShown;
    case kBalloonClick:
      return TrayAction::BalloonClicked;
    default:
      return TrayAction::None;
  }
}

}  // namespace bw
