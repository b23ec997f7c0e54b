// The popup menu `mnuOptions` that opens at the tray icon.
#pragma once

#include <cstdint>
#include <span>

namespace bw {

struct MenuItemSpec {
  int commandId;  // 0 for a separator line
  const char* name;
  const char* caption;  // "-" for a separator line
};

// Captions that change while a timed disable runs.
inline constexpr const char* kTimedDisableCaption = "Temporarily disable Screen Saver";
inline constexpr const char* kEnableCaption = "Enable Screen Saver";

// TPM_RIGHTBUTTON: an item can be chosen with either button.
inline constexpr std::uint32_t kPopupFlags = 2;

// The items of `mnuOptions`, top to bottom.
std::span<const MenuItemSpec> OptionsMenu();

}  // namespace bw
