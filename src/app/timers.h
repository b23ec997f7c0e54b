// The program's own timers and how often each fires; the stopwatch's is the
// timed-disable dialog's.
#pragma once

#include <cstdint>

#include "ports/ui.h"
#include "timed/timed_disable_dialog.h"

namespace bw {

enum class TimerId : int {
  Poll = 1,       // keeps the icon in step with the system
  Countdown = 2,  // a timed disable counts down
};
static_assert(kStopwatchTimerId != static_cast<int>(TimerId::Poll) &&
              kStopwatchTimerId != static_cast<int>(TimerId::Countdown));

constexpr int IntervalMs(TimerId timer) { return timer == TimerId::Poll ? 250 : 1000; }

// While programs are listed, a look at the whole session this often finds
// those that never show a window.
inline constexpr std::uint32_t kLookAtAllMs = 12000;
// A window that appears may come forward or grow to full screen a moment
// later, and not every system reports that (Wine reports only the window's
// creation): for this long after, each poll judges the foreground again.
inline constexpr std::uint32_t kJudgeAfterWindowMs = 1000;

// A timer the logic switches; it remembers whether it runs, so that a switch
// to the state it is in costs nothing.
class Timer {
 public:
  Timer(UiPort& ui, TimerId id) : ui_(ui), id_(id) {}
  void Set(bool running) {
    if (running == running_) return;
    running_ = running;
    if (running) {
      ui_.StartTimer(static_cast<int>(id_), IntervalMs(id_));
    } else {
      ui_.StopTimer(static_cast<int>(id_));
    }
  }

 private:
  UiPort& ui_;
  TimerId id_;
  bool running_ = false;
};

}  // namespace bw
