// The system's clock (kernel32).
#pragma once

#include <cstdint>

namespace bw {

class ClockPort {
 public:
  virtual ~ClockPort() = default;
  // Milliseconds since the system started, on a clock that also runs while
  // the machine sleeps and that no change of the date or time moves; wraps
  // after about 49.7 days, so only differences mean anything.
  virtual std::uint32_t TickCount() = 0;
};

}  // namespace bw
