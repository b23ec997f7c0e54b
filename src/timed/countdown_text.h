// The countdown shown in the tray tip while a timed disable runs: the time left
// split into hours and minutes, and the two-line tip text built from them.
#pragma once

#include <cstdint>
#include <string>

#include "ports/shell_port.h"

namespace bw {

// The time left as the tip names it, in the widths the countdown keeps.
struct CountdownSplit {
  std::int16_t hours;
  std::int16_t minutes;
};

// Splits the counter into hours and minutes. The counter is one less than the
// seconds left, so n = counter / 60 + 1 whole minutes are named, rounded up:
// a span of 2 hours shows "2 hours" on its first tick, not "1 hour and 59 minutes".
CountdownSplit SplitCounter(std::int32_t counter);

// The tip for one tick: "Screen Saver will be DISABLED", a line feed, then
// "for the next " and the time left ("2 hours and 30 minutes", "minute",
// "few seconds"), in the user's language. A text too long for the field
// writes "min" for the minutes' word; only a text that is still too long is
// cut when the icon shows it.
std::string CountdownTip(std::int32_t counter, CountdownSplit split);

}  // namespace bw
