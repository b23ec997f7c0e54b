// The program's timers: one list of ids, since they share its window, and one
// way to switch them. How often each fires belongs to its owner.
#pragma once

#include "ports/ui.h"

namespace bw {

enum class TimerId : int {
  Poll = 1,       // keeps the icon in step with the system
  Countdown = 2,  // a timed disable counts down
  Stopwatch = 3,  // the timed-disable dialog's stopwatch turns
};

// A timer the logic switches; it remembers whether it runs, so that a switch
// to the state it is in costs nothing.
class Timer {
 public:
  Timer(UiPort& ui, TimerId id, int intervalMs) : ui_(ui), id_(id), intervalMs_(intervalMs) {}
  void Set(bool running) {
    if (running == running_) return;
    running_ = running;
    if (running) {
      ui_.StartTimer(static_cast<int>(id_), intervalMs_);
    } else {
      ui_.StopTimer(static_cast<int>(id_));
    }
  }

 private:
  UiPort& ui_;
  TimerId id_;
  int intervalMs_;
  bool running_ = false;
};

}  // namespace bw
