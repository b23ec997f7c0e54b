// The application icon and the three tray pictures. All use the standard
// 16-colour palette only, so they encode as 4-bit icons.
#pragma once

#include "canvas.h"

namespace art {

// The sizes each icon file holds, largest first. The system loads the image
// whose size matches the one it asks for (16 at 96 DPI, 20 at 120, 24 at 144;
// 32 for the large icon), so every size it asks for has its own drawing.
inline constexpr int kIconSizes[] = {32, 24, 20, 16};

// The application icon at one of kIconSizes: a monitor with a blue screen and
// two four-coloured squares, a ruler across its front and a pencil at its right.
Canvas DrawAppIcon(int size);

enum class TrayState { kEnabled, kDisabled, kTimed };

// A rectangle of whole pixels: [left, right) x [top, bottom).
struct PixelBox {
  int left, top, right, bottom;
};

// One tray picture at one of kIconSizes: the same monitor in every state; its
// screen shows the state (green with a tick, red with a cross, yellow with a clock).
Canvas DrawTrayPicture(TrayState state, int size);

}  // namespace art
