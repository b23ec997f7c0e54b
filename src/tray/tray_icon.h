// The program's notification-area icon: one record, changed only through
// these operations and always sent whole.
#pragma once

#include <string_view>

#include "platform/forms.h"
#include "tray/tray_icon_data.h"

namespace bw {

class TrayIcon {
 public:
  TrayIcon(ShellPort& shell, FormsPort& forms) : shell_(shell), forms_(forms) {}

  // Fills every field (the form's own icon, the tip "Blinkward") and adds the icon.
  void AddTrayIcon();
  // Picks `imgStatus(index)` as the picture; nothing is sent.
  void SetTrayPicture(int index);
  // Writes the tip; nothing is sent.
  void SetTrayTip(std::string_view text);
  // Sends the whole record with NIM_MODIFY.
  void ModifyTrayIcon();
  // Sends the whole record with NIM_DELETE.
  void DeleteTrayIcon();
  // The notification area was created anew (Explorer restarted, or it did not
  // exist yet when the icon was added): add the icon again as it stands now.
  void RestoreTrayIcon();

  const TrayIconData& TrayIconRecord() const { return record_; }

 private:
  ShellPort& shell_;
  FormsPort& forms_;
  TrayIconData record_;  // `TrayIconData`
  bool shown_ = false;   // between AddTrayIcon and DeleteTrayIcon
};

}  // namespace bw
