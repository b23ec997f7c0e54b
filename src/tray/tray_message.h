// The messages the shell sends about the tray icon.
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

}  // namespace bw
