// Keeps the display on while the user asked for it and the screen saver is
// off, whoever switched it off; the system is asked only when that changes,
// never at a poll that found nothing new.
#pragma once

#include "ports/power.h"
#include "ports/shell.h"

namespace bw {

class DisplayKeeper {
 public:
  explicit DisplayKeeper(PowerPort& power) : power_(power) {}

  // With the user's choice and the icon's picture: red or timed means off.
  void Follow(bool asked, TrayPicture shown) {
    const bool off = shown == TrayPicture::Disabled || shown == TrayPicture::TimedDisable;
    Hold(asked && off);
  }
  void Hold(bool held) {
    if (held == held_) return;
    held_ = held;
    power_.KeepDisplayOn(held);
  }

 private:
  PowerPort& power_;
  bool held_ = false;
};

}  // namespace bw
