// The program's timers: one list of ids, since they share a window, and one
// way to switch them. How often each fires belongs to its owner.
#pragma once

namespace bw {

enum class TimerId : int {
  Poll = 1,        // keeps the icon in step with the system
  Countdown = 2,   // a timed disable counts down
  Stopwatch = 3,   // the timed-disable dialog's stopwatch turns
  Hours = 4,       // working hours begin or end
  Sound = 5,       // a playing session's meter is read, or a silence has lasted
  DisplayOff = 6,  // the display is turned off, a moment after it was asked
};

// The timers of the program's hidden window.
class TimerPort {
 public:
  virtual ~TimerPort() = default;
  // Reported by its id every intervalMs until stopped; starting a running
  // timer restarts it.
  virtual void StartTimer(TimerId id, int intervalMs) = 0;
  virtual void StopTimer(TimerId id) = 0;
};

class TimerEvents {
 public:
  virtual ~TimerEvents() = default;
  virtual void OnTimer(TimerId id) = 0;
};

// A timer the logic switches; it remembers whether it runs, so that a switch
// to the state it is in costs nothing.
class Timer {
 public:
  Timer(TimerPort& timers, TimerId id, int intervalMs)
      : timers_(timers), id_(id), intervalMs_(intervalMs) {}
  void Set(bool running) {
    if (running == running_) return;
    running_ = running;
    if (running) {
      timers_.StartTimer(id_, intervalMs_);
    } else {
      timers_.StopTimer(id_);
    }
  }

 private:
  TimerPort& timers_;
  TimerId id_;
  int intervalMs_;
  bool running_ = false;
};

}  // namespace bw
