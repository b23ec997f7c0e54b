// How the user switches the screen saver with the tray icon, numbered as the
// setting stores it.
#pragma once

namespace bw {

enum class ClickMethod : int { None = -1, SingleClick = 0, DoubleClick = 1 };

}  // namespace bw
