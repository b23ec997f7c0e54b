// Working hours as a reason of the hold. Where now falls is judged when the
// hours change, when the clock, the time zone or daylight saving time changes
// or the system resumes, and at each edge, for which one timer waits: never
// at a poll. Nothing runs while the hours are off.
#pragma once

#include <string>

#include "hours/working_hours.h"
#include "ports/clock.h"
#include "ports/locale_port.h"
#include "ports/timer.h"

namespace bw {

class HoursWatch {
 public:
  HoursWatch(ClockPort& clock, LocalePort& locale, TimerPort& timers)
      : clock_(clock), locale_(locale), timers_(timers) {}

  void Set(const WorkingHours& hours) {
    hours_ = hours;
    Judge();
  }
  // Where now falls, and the wait for the next edge, set anew.
  void Judge();
  void Stop();
  bool inside() const { return inside_; }
  // While inside: the tip, which names the end of the spell as the user
  // writes times.
  const std::string& tip() const { return tip_; }

 private:
  ClockPort& clock_;
  LocalePort& locale_;
  TimerPort& timers_;
  WorkingHours hours_;
  bool inside_ = false;
  bool waiting_ = false;  // the timer runs
  bool hurried_ = false;  // the last wait was below a second
  std::string tip_;
};

}  // namespace bw
