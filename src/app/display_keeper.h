// Keeps the display on while the user asked for it and the screen saver is
// off, whoever switched it off. While the session is locked only the computer
// is kept awake: the lock screen turns the display off as the power plan
// says. With the lid closed on battery nothing is: the computer may sleep as
// its plan says rather than run hot in a bag. The system is asked only when
// something changed, never at a poll that found nothing new; a request it
// refused is not taken as held, and is asked again at the next change.
#pragma once

#include "ports/power_port.h"
#include "tray/status.h"

namespace bw {

class DisplayKeeper {
 public:
  explicit DisplayKeeper(PowerPort& power) : power_(power) {}

  // The user's choice.
  void Ask(bool asked) { Set(asked_, asked); }
  // The status the icon shows: off, or counting down, keeps the display on.
  void Follow(const Status& status) { Set(shown_, status.state); }
  void OnLocked(bool locked) { Set(locked_, locked); }
  void OnLid(bool closed) {
    lidClosed_ = closed;
    OnPowerSourceChanged();
  }
  // Asked of the system only while the lid is closed.
  void OnPowerSourceChanged() { Set(closedOnBattery_, lidClosed_ && power_.OnBattery()); }
  void Release() { Set(asked_, false); }

 private:
  KeepAwake Wanted() const {
    if (!asked_ || shown_ == Status::State::Enabled || closedOnBattery_) return KeepAwake::Nothing;
    return locked_ ? KeepAwake::System : KeepAwake::Display;
  }
  template <typename Value>
  void Set(Value& field, Value value) {
    const bool changed = field != value;
    field = value;
    const KeepAwake wanted = Wanted();
    if (wanted == held_ || (!changed && wanted != KeepAwake::Nothing)) return;
    held_ = power_.Keep(wanted) ? wanted : KeepAwake::Nothing;
  }

  PowerPort& power_;
  KeepAwake held_ = KeepAwake::Nothing;  // what the system granted
  bool asked_ = false, locked_ = false, lidClosed_ = false, closedOnBattery_ = false;
  Status::State shown_ = Status::State::Enabled;
};

}  // namespace bw
