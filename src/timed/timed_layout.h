// The make-up of the dialog `frmTimedDisable` that asks for the span of a
// timed disable: its controls as a table, and the stopwatch's frames.
#pragma once

#include "platform/layout.h"

namespace bw {

// Control ids of `frmTimedDisable`.
enum TimedControlId : int {
  kIdOK = 1,               // `cmdOK`: IDOK, which the dialog manager sends for Enter
  kIdCancel = 2,           // `cmdCancel`: IDCANCEL, sent for Esc and the close box
  kIdAnimClock = 200,      // `imgAnimClock`
  kIdPrompt = 201,         // `lblPrompt`
  kIdHours = 202,          // `txtHours`
  kIdHoursUpDown = 203,    // `updnHours`
  kIdHoursLabel = 204,     // `lblHours`
  kIdMinutes = 205,        // `txtMinutes`
  kIdMinutesUpDown = 206,  // `updnMinutes`
  kIdMinutesLabel = 207,   // `lblMinutes`
  kIdStartOnExpire = 208,  // `chkStartOnExpire`
  kIdClock0 = 210,         // `imgClock(0)`; `imgClock(k)` has kIdClock0 + k
};

// Frames of the stopwatch, `imgClock(0)` to `imgClock(23)`.
inline constexpr int kClockFrameCount = 24;
// `tmrAnimClock`: one frame every 120 ms, a full turn of 24 frames in 2.88 s.
inline constexpr int kAnimClockIntervalMs = 120;

const FormSpec& TimedDisableForm();

}  // namespace bw
