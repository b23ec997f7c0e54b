// Power management (kernel32): keeping the display on and the system awake,
// and the power source.
#pragma once

namespace bw {

class PowerPort {
 public:
  virtual ~PowerPort() = default;
  // Holds or lets go of a request that keeps the display on and the system
  // awake. It ends with the process at the latest, so a crash leaves nothing
  // behind. True when the system holds the request afterwards (for on) or
  // no longer holds it (for off): a request can be refused.
  virtual bool KeepDisplayOn(bool on) = 0;
  // True only when the system says it runs on its battery: a machine without
  // one, or whose power source is unknown, is on mains.
  virtual bool OnBattery() = 0;
};

}  // namespace bw
