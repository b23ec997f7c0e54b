// The program's notification-area icon: one record, changed only through
// these operations and always sent whole.
#pragma once

#include <cstdint>
#include <string_view>

#include "ports/clock.h"
#include "ports/shell_port.h"
#include "tray/status.h"

namespace bw {

class TrayIcon {
 public:
  TrayIcon(ShellPort& shell, ClockPort& clock) : shell_(shell), clock_(clock) {}

  // Shows the icon with the application's picture, and the program's name
  // for its tip.
  void Add();
  // Shows the status: the shell is called only when the picture or the tip
  // changes, or while it has not taken the icon, when an attempt is due.
  void Show(const Status& status);
  // Takes the icon out of the notification area for good.
  void Remove();
  // The notification area says it was created anew: add the icon again as it
  // stands, or bring it up to date where the area still holds it.
  void Restore();
  // After a menu opened from the keyboard: the focus goes back to the icon.
  void Focus() { shell_.NotifyIcon(TrayCommand::SetFocus, icon_); }
  // The shell reports the keyboard as well as the mouse.
  bool keyboardCallbacks() const { return keyboardCallbacks_; }

 private:
  // Sends the record as it stands. A shell that has lost the icon, or never
  // took it, is asked to add it instead, when an attempt is due.
  void Update();
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
