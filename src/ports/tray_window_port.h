// The hidden window that hosts the tray icon: it receives the shell's
// callbacks, and opens the icon's popup menu.
#pragma once

#include <cstdint>
#include <span>

#include "ports/menu.h"

namespace bw {

class TrayWindowPort {
 public:
  virtual ~TrayWindowPort() = default;
  // Opens the popup menu at the pointer; the chosen item's command, 0 for none.
  virtual int TrackPopupMenu(std::span<const MenuItem> items) = 0;
  // Closes every window of the program; the message loop then ends.
  virtual void Quit() = 0;
};

class TrayEvents {
 public:
  virtual ~TrayEvents() = default;
  // The shell's callback for the icon: the mouse or keyboard message it
  // carries, and when the shell sent it (the system's clock, milliseconds).
  virtual void OnTrayMessage(int message, std::uint32_t sentAt) = 0;
  // The notification area was created anew (Explorer restarted), or says so
  // after a change of resolution or a remote connection.
  virtual void OnTaskbarCreated() = 0;
  // The user pressed the program's shortcut (ports/hotkey.h); a repeat while
  // its key is held down, not let go since the last report (Wine and Windows
  // before 7 report each of the keyboard's repeats).
  virtual void OnHotkey(bool repeat) = 0;
};

// What Windows announces to every program.
class SystemEvents {
 public:
  virtual ~SystemEvents() = default;
  // A change of group policy.
  virtual void OnPolicyChanged() = 0;
  // The logon is ending: the program ends with it.
  virtual void OnEndSession() = 0;
  // The clock, the time zone or daylight saving time changed, or the system
  // resumed from sleep: the local time may have jumped.
  virtual void OnTimeChanged() = 0;
  // The power source changed (mains, battery).
  virtual void OnPowerSourceChanged() = 0;
};

}  // namespace bw
