// The popup menu that opens at the tray icon, as the program shows it at the
// moment it opens.
#pragma once

#include <array>

#include "ports/ui.h"

namespace bw {

// The items' commands. Each is the item's position counted from 1, so the two
// separator lines leave the gaps at 4 and 6.
enum class MenuCommand : int {
  StartScreenSaver = 1,
  ConfigureScreenSaver = 2,
  SelectScreenSaver = 3,
  TimedDisable = 5,
  Settings = 7,
  Exit = 8,
};

inline constexpr int kPopupMenuSize = 8;

// The items, top to bottom. While a timed disable runs, the screen saver
// cannot be started and the timed-disable item ends it instead; while a
// policy sets the screen saver, no timed disable can begin.
std::array<MenuItem, kPopupMenuSize> PopupMenuView(bool timedDisableRunning, bool byPolicy);

}  // namespace bw
