// The program's hidden main window, which stands for the running program:
// other copies find it, and Windows' announcements to every program reach it.
#pragma once

namespace bw {

class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;
  // Closes every window of the program; the message loop then ends.
  virtual void Quit() = 0;
  // Turns the display off now, as a power-saving monitor goes off; the mouse
  // or a key brings it back. The system stays as awake as it was.
  virtual void TurnDisplayOff() = 0;
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
  // This logon's session was locked, or unlocked.
  virtual void OnSessionLocked(bool locked) = 0;
  // The laptop's lid was closed or opened; also told once, as it is, when
  // the program starts listening.
  virtual void OnLidChanged(bool closed) = 0;
  // The notification area was created anew (Explorer restarted), or says so
  // after a change of resolution or a remote connection.
  virtual void OnTaskbarCreated() = 0;
};

}  // namespace bw
