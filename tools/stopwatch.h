// The 24 frames of the stopwatch that turns in the timed-disable dialog. The
// hand fills the dial with four coloured quarters in one turn and wipes them
// white again in the next, so the animation reads as time passing.
#pragma once

#include "canvas.h"
#include "timed/timed_disable_dialog.h"

namespace art {

using bw::kClockFrameCount;
inline constexpr int kClockSize = 32;  // frames are square, in pixels

// The centre of the dial and the hand's pivot. It sits below the middle of
// the frame to leave room for the crown.
inline constexpr double kDialCentreX = 16.0;
inline constexpr double kDialCentreY = 18.0;

// Quarter colours, clockwise from 12 o'clock.
inline constexpr Rgb kQuarterColours[4] = {
    {0x30, 0xC0, 0x30},  // green
    {0xF8, 0xE0, 0x20},  // yellow
    {0x30, 0x60, 0xE0},  // blue
    {0xFF, 0x90, 0x10},  // orange
};

// Frame k of the animation, 0 <= k < kClockFrameCount.
Canvas DrawClockFrame(int k);

}  // namespace art
