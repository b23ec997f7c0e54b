// The program's notification-area icon: one record, changed only through
// these operations and always sent whole.
#pragma once

#include <string_view>

#include "ports/shell.h"

namespace bw {

class TrayIcon {
 public:
  explicit TrayIcon(ShellPort& shell) : shell_(shell) {}

  // Shows the icon with the application's picture and the tip "Blinkward".
  void Add();
  // Picture and tip take effect with the next Update; nothing is sent.
  void SetPicture(TrayPicture picture) { icon_.picture = picture; }
  TrayPicture picture() const { return icon_.picture; }
  void SetTip(std::string_view text);
  // Sends the record as it stands. A shell that has lost the icon, or never
  // took it, is asked to add it instead.
  void Update();
  // Takes the icon out of the notification area for good.
  void Remove();
  // The notification area says it was created anew: add the icon again as it
  // stands, or bring it up to date where the area still holds it.
  void Restore();
  // While the icon should be shown but the shell has not taken it (a shell
  // still busy at logon), one more attempt now and then; called at each poll.
  void Retry();
  // The shell reports the keyboard as well as the mouse.
  bool keyboardCallbacks() const { return keyboardCallbacks_; }

 private:
  void AddNow();

  ShellPort& shell_;
  TrayIconData icon_;
  bool wanted_ = false;  // between Add and Remove
  bool shown_ = false;   // the shell has taken the icon
  bool keyboardCallbacks_ = false;
  int retries_ = 0;  // polls since the shell last refused the icon
};

}  // namespace bw
