// The program's timers and how often each fires.
#pragma once

#include "ports/ui.h"

namespace bw {

enum class TimerId : int {
  Poll = 1,       // keeps the icon in step with the system
  Countdown = 2,  // a timed disable counts down
  Stopwatch = 3,  // the timed-disable dialog's clock turns
};

constexpr int IntervalMs(TimerId timer) {
  // The stopwatch's 24 frames take 2.88 s for a full turn.
  return timer == TimerId::Poll ? 250 : timer == TimerId::Countdown ? 1000 : 120;
}

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
