// PowerPort on kernel32: a power request from Windows 7 on, else the thread's
// execution state (XP, Vista, and wherever the request fails).
#pragma once

#include "ports/power_port.h"
#include "win32/diagnostics.h"
#include "win32/handles.h"

namespace bw::win32 {

class Power final : public PowerPort {
 public:
  Power() = default;
  Power(const Power&) = delete;
  Power& operator=(const Power&) = delete;
  ~Power() { Release(); }

  // The execution state belongs to a thread: called on the window's thread.
  bool Keep(KeepAwake what) override;
  bool OnBattery() override;

 private:
  // What holds the display on now.
  enum class Mechanism { None, Request, ExecutionState };

  void Hold(KeepAwake what);
  void Release();

  UniqueKernelHandle request_;
  // Wine 8 refuses every request: said once, not at each hold.
  Refusal requestRefusal_;
  Mechanism mechanism_ = Mechanism::None;
  KeepAwake held_ = KeepAwake::Nothing;
};

}  // namespace bw::win32
