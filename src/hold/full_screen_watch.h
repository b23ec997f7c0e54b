// Full screen as a reason of the hold, while the user ticks it: the
// foreground window fills its monitor, or the system says a game or a
// presentation holds the screen.
#pragma once

#include <cstdint>

#include "hold/reason.h"
#include "ports/programs_port.h"

namespace bw {

// A window that appears may come forward or grow to full screen a moment
// later, and not every system reports that (Wine reports only the window's
// creation): for this long after, each poll judges the foreground again.
inline constexpr std::uint32_t kJudgeAfterWindowMs = 1000;

class FullScreenWatch : public Reason {
 public:
  explicit FullScreenWatch(ProgramsPort& programs);

  void Count(bool counts) {
    counts_ = counts;
    hears_ = counts ? kLook | kPoll | kWindow | kForeground | kEnd : 0;
  }
  // Passing through the taskbar, the desktop or the program's own menu and
  // windows changes nothing: a click on the icon must find the hold as it was.
  void Judge();

  void OnHeard(const Hearing& hearing);

 private:
  ProgramsPort& programs_;
  bool counts_ = false;
  bool fills_ = false;  // the foreground window fills its monitor, as last judged
  // Until then (clock milliseconds), each poll judges the foreground again.
  std::uint32_t judgeUntil_ = 0;
};

}  // namespace bw
