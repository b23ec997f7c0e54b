// The make-up of the timed-disable dialog.
#pragma once

#include "platform/layout.h"

namespace bw {

// Control ids of the dialog.
enum TimedControlId : int {
  kIdOk = 1,      // IDOK, which the dialog manager sends for Enter
  kIdCancel = 2,  // IDCANCEL, sent for Esc and the close box
  kIdClock = 200,
  kIdPrompt = 201,
  kIdHours = 202,
  kIdHoursUpDown = 203,
  kIdHoursLabel = 204,
  kIdMinutes = 205,
  kIdMinutesUpDown = 206,
  kIdMinutesLabel = 207,
  kIdStartWhenDone = 208,
};

// Frames of the stopwatch; a full turn of 24 frames takes 2.88 s.
inline constexpr int kClockFrameCount = 24;
inline constexpr int kClockIntervalMs = 120;

const WindowLayout& TimedDialogLayout();
// The row of the layout for a control id (which must be one of the above).
const ControlLayout& TimedDialogControl(int id);

}  // namespace bw
