// The application icon and the three tray pictures. All use the standard
// 16-colour palette only, so they encode as 4-bit icons.
#pragma once

#include "canvas.h"

namespace art {

// The application icon at 32 or 16 pixels square: a monitor with a blue screen
// and two four-coloured squares, a ruler across its front and a pencil at its right.
Canvas DrawAppIcon(int size);

enum class TrayState { kEnabled, kDisabled, kTimed };

inline constexpr int kTraySize = 16;

// The screen of the tray monitor, in pixels: [left, right) x [top, bottom).
// Everything outside the monitor and its stand stays transparent.
inline constexpr int kTrayScreenLeft = 2, kTrayScreenTop = 2;
inline constexpr int kTrayScreenRight = 14, kTrayScreenBottom = 10;

// One tray picture: the same monitor in every state; its screen shows the
// state (green with a tick, red with a cross, yellow with a clock).
Canvas DrawTrayPicture(TrayState state);

}  // namespace art
