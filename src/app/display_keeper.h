// Keeps the display on while the user asked for it and the screen saver is
// off, whoever switched it off. The system is asked only when something
// changed, never at a poll that found nothing new; a request it refused is
// not taken as held, and is asked again at the next change.
#pragma once

#include "ports/power_port.h"
#include "tray/status.h"

namespace bw {

class DisplayKeeper {
 public:
  explicit DisplayKeeper(PowerPort& power) : power_(power) {}

  // The user's choice.
  void Ask(bool asked) { Follow(asked, shown_); }
  // The status the icon shows: off, or counting down, keeps the display on.
  void Follow(const Status& status) { Follow(asked_, status.state); }
  void Release() {
    if (held_) held_ = !power_.KeepDisplayOn(false);
  }

 private:
  void Follow(bool asked, Status::State shown) {
    const bool changed = asked != asked_ || shown != shown_;
    asked_ = asked;
    shown_ = shown;
    if (asked && shown != Status::State::Enabled) {
      if (changed && !held_) held_ = power_.KeepDisplayOn(true);
    } else {
      Release();
    }
  }

  PowerPort& power_;
  bool held_ = false;  // the system granted the request
  bool asked_ = false;
  Status::State shown_ = Status::State::Enabled;
};

}  // namespace bw
