// A reason for the hold: it knows whether it holds and says so in its own
// words, and hears only what it asks for. Its rank among the others is its
// place in the list the hold is given: the tip names the first that holds.
#pragma once

#include <cstdint>

namespace bw {

// What a reason may hear: one bit each, so that the hold tells a reason only
// what it listens for.
enum Heard : std::uint8_t {
  kLook = 1,         // start-up: a fresh look at the session
  kPoll = 2,         // the program's poll, four times a second
  kWindow = 4,       // a window came up in the session (id, thread)
  kForeground = 8,   // another window came forward
  kProcessEnd = 16,  // a watched process ended (id)
  kClock = 32,       // the local time jumped, or an edge the reason waits for came
  kEnd = 64,         // the program ends: nothing is watched or waited for any more
  kSound = 128,      // the audio sessions changed, or the sound's timer came
};

struct Hearing {
  Heard what;
  std::uint32_t now;  // clock milliseconds
  std::uint32_t id = 0, thread = 0;
};

// No virtual functions: a table for each reason would cost the exe more than
// the one pointer each reason keeps to the function that hears for it.
class Reason {
 public:
  bool holds() const { return holds_; }
  // The Heard bits it listens for now; kWindow also has the session report windows.
  std::uint8_t hears() const { return hears_; }
  // Changes when its words change while it holds: the icon is drawn anew.
  std::uint32_t words() const { return words_; }
  // While it holds: the icon's tip, and what /status adds after "disabled".
  const char* tip() const { return tip_; }
  const char* status() const { return status_; }
  void Hear(const Hearing& hearing) { hear_(*this, hearing); }

 protected:
  using Hearer = void (*)(Reason&, const Hearing&);
  // Each reason hands its own OnHeard: `Reason(Relay<ProgramWatch>)`.
  explicit Reason(Hearer hear) : hear_(hear) {}
  template <class Watch>
  static void Relay(Reason& reason, const Hearing& hearing) {
    static_cast<Watch&>(reason).OnHeard(hearing);
  }

  bool holds_ = false;
  std::uint8_t hears_ = 0;
  std::uint32_t words_ = 0;
  const char* tip_ = "";
  const char* status_ = "";

 private:
  Hearer hear_;
};

}  // namespace bw
