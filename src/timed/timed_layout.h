// The make-up of the timed-disable dialog.
#pragma once

#include "ports/layout.h"

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
  kIdFor = 209,        // option button: for the hours and minutes
  kIdUntil = 210,      // option button: until a time of day
  kIdUntilTime = 211,  // the time of day
  kIdUntilText = 212,  // how long that is from now
};

const WindowLayout& TimedDialogLayout();

}  // namespace bw
