// Working hours as a reason of the hold. Where now falls is judged when the
// hours change, when the clock, the time zone or daylight saving time changes
// or the system resumes, and at each edge, for which one timer waits: never
// at a poll. Nothing runs while the hours are off.
#pragma once

#include <string>

#include "hold/reason.h"
#include "hours/working_hours.h"
#include "ports/clock.h"
#include "ports/locale_port.h"
#include "ports/timer.h"

namespace bw {

class HoursWatch : public Reason {
 public:
  HoursWatch(ClockPort& clock, LocalePort& locale, TimerPort& timers)
      : Reason(Relay<HoursWatch>), clock_(clock), locale_(locale), timers_(timers) {
    hears_ = kClock | kEnd;
    status_ = " during working hours";
  }

  void Set(const WorkingHours& hours) {
    hours_ = hours;
    Judge();
  }
  // Where now falls, and the wait for the next edge, set anew.
  void Judge();
  void Stop();
  void OnHeard(const Hearing& hearing) {
    if (hearing.what == kEnd) return Stop();
    Judge();
  }

 private:
  ClockPort& clock_;
  LocalePort& locale_;
  TimerPort& timers_;
  WorkingHours hours_;
  bool waiting_ = false;  // the timer runs
  bool hurried_ = false;  // the last wait was below a second
  std::string tipText_;   // names the end of the spell as the user writes times
};

}  // namespace bw
