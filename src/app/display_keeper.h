// Keeps the display on while the user asked for it and the screen saver is
// off, whoever switched it off. The system is asked only when something
// changed, never at a poll that found nothing new; a request it refused is
// not taken as held, and is asked again at the next change.
#pragma once

#include "ports/power.h"
#include "ports/shell.h"

namespace bw {

class DisplayKeeper {
 public:
  explicit DisplayKeeper(PowerPort& power) : power_(power) {}

  // With the user's choice and the icon's picture: red or timed means off.
  void Follow(bool asked, TrayPicture shown) {
    const bool changed = asked != asked_ || shown != shown_;
    asked_ = asked;
    shown_ = shown;
    const bool off = shown == TrayPicture::Disabled || shown == TrayPicture::TimedDisable;
    if (asked && off) {
      if (changed && !held_) held_ = power_.KeepDisplayOn(true);
    } else {
      Release();
    }
  }
  void Release() {
    if (held_) held_ = !power_.KeepDisplayOn(false);
  }

 private:
  PowerPort& power_;
  bool held_ = false;  // the system granted the request
  bool asked_ = false;
  TrayPicture shown_ = TrayPicture::App;
};

}  // namespace bw
