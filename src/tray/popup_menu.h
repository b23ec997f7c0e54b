// The popup menu that opens at the tray icon.
#pragma once

#include <span>

#include "platform/ui.h"

namespace bw {

struct MenuItemSpec {
  int commandId;        // 0 for a separator line
  const char* caption;  // null for a separator line
};

inline constexpr const char* kStartScreenSaverCaption = "Start Screen Saver";
// Captions of the timed-disable item, idle and while a timed disable runs.
inline constexpr const char* kTimedDisableCaption = "Temporarily disable Screen Saver";
inline constexpr const char* kEnableCaption = "Enable Screen Saver";

// The items, top to bottom.
std::span<const MenuItemSpec> PopupMenuItems();

}  // namespace bw
