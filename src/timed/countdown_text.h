// The countdown shown in the tray tip while a timed disable runs: the time left
// split into hours and minutes, and the two-line tip text built from them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

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

// A tip text that fits the tray's field; held inline, so a tick allocates nothing.
class TipText {
 public:
  std::string_view view() const { return {chars_, length_}; }
  std::size_t size() const { return length_; }

  // Appends as much of the text as still fits the field.
  void Append(std::string_view text);

 private:
  char chars_[kTipTextMax] = {};
  std::size_t length_ = 0;
};

// The tip for one tick: "Screen Saver will be DISABLED", a line feed, then
// "for the next " and the time left ("2 hours and 30 minutes", "minute",
// "few seconds"). A text too long for the field writes "min" for the minutes'
// word; only a text that is still too long is cut at the field's end.
TipText CountdownTip(std::int32_t counter, CountdownSplit split);

}  // namespace bw
