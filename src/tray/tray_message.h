// What a mouse message on the tray icon asks for.
#pragma once

#include <cstdint>

namespace bw {

inline constexpr std::int32_t kWmLButtonDown = 513;
inline constexpr std::int32_t kWmLButtonDblClk = 515;
inline constexpr std::int32_t kWmRButtonUp = 517;

enum class TrayAction {
  None,
  ToggleOnSingleClick,  // left press: toggles with the single-click method
  ToggleOnDoubleClick,  // left double click: toggles with the double-click method
  Popup,                // right release: the popup menu
};

// The mouse message number from the callback's lParam: the shell puts it in
// the low word, where a mouse move carries its signed X coordinate.
constexpr std::int32_t TrayMessageNumber(std::int64_t lParam) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(lParam & 0xFFFF));
}

constexpr TrayAction DecodeTrayMessage(std::int32_t message) {
  switch (message) {
    case kWmLButtonDown:
      return TrayAction::ToggleOnSingleClick;
    case kWmLButtonDblClk:
      return TrayAction::ToggleOnDoubleClick;
    case kWmRButtonUp:
      return TrayAction::Popup;
    default:
      return TrayAction::None;
  }
}

}  // namespace bw
