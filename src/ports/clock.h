// The system's clock and the user's local time (kernel32).
#pragma once

#include <cstdint>

namespace bw {

// The local time now, as the user's time zone has it.
struct LocalTime {
  int weekday;      // 0 Monday ... 6 Sunday
  int minuteOfDay;  // 0 ... 1439
  int second;       // 0 ... 59
};

class ClockPort {
 public:
  virtual ~ClockPort() = default;
  // Milliseconds since the system started, on a clock that also runs while
  // the machine sleeps and that no change of the date or time moves; wraps
  // after about 49.7 days, so only differences mean anything.
  virtual std::uint32_t TickCount() = 0;
  virtual LocalTime LocalNow() = 0;
  // Milliseconds from now until the local time minuteOfDay on the day `days`
  // after today (0: today), as the time zone has it on that day, daylight
  // saving time included; 0 for a time that has passed. A time in the hour
  // the clocks repeat is its first pass; one in the hour they skip, a moment
  // before the jump: the system takes both by summer time's bias.
  virtual std::int64_t MsUntilLocal(int days, int minuteOfDay) = 0;
};

}  // namespace bw
