// The program's notification-area icon: one record, changed only through
// these operations and always sent whole.
#pragma once

#include <cstdint>
#include <string_view>

#include "ports/clock.h"
#include "ports/shell.h"

namespace bw {

class TrayIcon {
 public:
  TrayIcon(ShellPort& shell, ClockPort& clock) : shell_(shell), clock_(clock) {}

  // Shows the icon with the application's picture, and the program's name
  // for its tip.
  void Add();
  // Picture and tip take effect with the next Update; nothing is sent.
  void SetPicture(TrayPicture picture) { icon_.picture = picture; }
  TrayPicture picture() const { return icon_.picture; }
  void SetTip(std::string_view text);
  // Sends the record as it stands. A shell that has lost the icon, or never
  // took it, is asked to add it instead, when an attempt is due.
  void Update();
  // Takes the icon out of the notification area for good.
  void Remove();
  // The notification area says it was created anew: add the icon again as it
  // stands, or bring it up to date where the area still holds it.
  void Restore();
  // While the icon should be shown but the shell has not taken it (a shell
  // still busy at logon), one more attempt when one is due; called at each poll.
  void Retry() { AddWhenDue(); }
  // After a menu opened from the keyboard: the focus goes back to the icon.
  void Focus() { shell_.NotifyIcon(TrayCommand::SetFocus, icon_); }
  // The shell reports the keyboard as well as the mouse.
  bool keyboardCallbacks() const { return keyboardCallbacks_; }

 private:
  void AddWhenDue();
  void AddNow();

  ShellPort& shell_;
  ClockPort& clock_;
  TrayIconData icon_;
  bool wanted_ = false;                               // between Add and Remove
  bool shown_ = false;                                // the shell has taken the icon
  bool refused_ = false;                              // the shell refused the last attempt
  std::uint32_t refusedSince_ = 0, lastAttempt_ = 0;  // clock milliseconds
  bool keyboardCallbacks_ = false;
};

}  // namespace bw
