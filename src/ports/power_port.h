// Power management (kernel32): keeping the display on and the system awake,
// and the power source.
#pragma once

#include <cstdint>

namespace bw {

// What the program asks the system to keep awake.
enum class KeepAwake : std::uint8_t {
  Nothing,
  System,   // the computer, while the display may turn off
  Display,  // the display on, and so the computer too
};

class PowerPort {
 public:
  virtual ~PowerPort() = default;
  // Holds a request for this in place of the one held. It ends with the
  // process at the latest, so a crash leaves nothing behind. True when the
  // system holds it afterwards; false when it refused, and then holds
  // nothing of the program's. Nothing is never refused.
  virtual bool Keep(KeepAwake what) = 0;
  // True only when the system says it runs on its battery: a machine without
  // one, or whose power source is unknown, is on mains.
  virtual bool OnBattery() = 0;
};

}  // namespace bw
