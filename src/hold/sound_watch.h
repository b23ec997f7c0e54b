// Sound as a reason of the hold, while the user ticks it: another program
// of this logon plays sound through the system's audio sessions. A session
// can stay active with nothing to hear (a browser keeps its stream open), so
// where the system meters a session its peak decides; where it does not, its
// active state. A pause does not end the hold; a minute's silence does.
// Nothing polls while no session is active: the system's word of a change
// wakes the watch.
#pragma once

#include <cstdint>
#include <string>

#include "hold/reason.h"
#include "ports/clock.h"
#include "ports/sound_port.h"
#include "ports/timer.h"

namespace bw {

// While some metered session is active, its meter is read this often.
inline constexpr int kMeterIntervalMs = 1000;
// Silence this long ends the hold: a track change or a quiet passage does not.
inline constexpr std::uint32_t kSilenceEndsHoldMs = 60000;
// A peak above this is sound; digital silence is 0, and a 16-bit stream's
// last bit of noise (3e-5) stays below it.
inline constexpr float kSilentPeak = 1e-4f;

class SoundWatch : public Reason {
 public:
  SoundWatch(SoundPort& sound, ClockPort& clock, TimerPort& timers)
      : Reason(Relay<SoundWatch>), sound_(sound), clock_(clock), timers_(timers) {}

  // Only where the system lists its sessions: elsewhere nothing is asked.
  void Count(bool counts);
  void OnHeard(const Hearing& hearing);

 private:
  // Looks at the sessions now, and sets the next wake-up: the meter's next
  // reading, or the end of the silence.
  void Judge(std::uint32_t now);
  void Wait(int ms);

  SoundPort& sound_;
  ClockPort& clock_;
  TimerPort& timers_;
  bool counts_ = false;
  bool heard_ = false;         // sound was heard within the last minute, last at heardAt_
  bool sounding_ = false;      // and at the last look
  std::uint32_t heardAt_ = 0;  // clock milliseconds
  bool waiting_ = false;       // the timer runs
  // The program the tip names, and the tip.
  std::string named_, tipText_, statusText_;
};

}  // namespace bw
