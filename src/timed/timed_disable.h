// The timed disable on the main form: it holds the screen saver off for a
// chosen span, counts the time left down in the tray tip once a second, and
// at the end switches the screen saver on again (and starts it, if asked).
#pragma once

#include <cstdint>

#include "platform/forms.h"
#include "screensaver/screen_saver.h"
#include "tray/status_poller.h"
#include "tray/tray_icon.h"

namespace bw {

// Whoever can show the dialog `frmTimedDisable`.
class TimedDialogHost {
 public:
  virtual ~TimedDialogHost() = default;
  // Shows the dialog modally, creating its object on first use; returns when
  // the dialog has closed.
  virtual void ShowTimedDisableDialog() = 0;
};

class TimedDisable {
 public:
  TimedDisable(Timer& tmrSSCheck, Timer& tmrSSTimedDisable, ScreenSaver& screenSaver,
               TrayIcon& trayIcon, StatusPoller& poller, FormsPort& forms)
      : tmrSSCheck_(tmrSSCheck),
        tmrSSTimedDisable_(tmrSSTimedDisable),
        screenSaver_(screenSaver),
        trayIcon_(trayIcon),
        poller_(poller),
        forms_(forms) {}

  // The dialog is built after the main form, so it is attached afterwards.
  void SetDialogHost(TimedDialogHost& host) { dialogHost_ = &host; }

  // Whether a timed disable runs: the countdown timer's flag is the one record.
  bool Running() const { return tmrSSTimedDisable_.Enabled(); }

  // Switches the main form into the running state; the dialog's OK runs it
  // after storing the span. The first tick, a second later, switches the
  // screen saver off.
  void BeginTimedDisable();
  // The `tmrSSTimedDisable` event, once a second.
  void Tick();
  // Switches the main form back to idle and the screen saver on.
  void EndTimedDisable();
  // `mnuTimedDisable`: ends a running timed disable, or asks for a new span.
  void OnMenuClick();
  // The main form unloads for good (Exit, end of the logon).
  void OnMainUnload();

  // The span and the countdown, shared with the dialog; zero at start.
  std::int32_t SecondsLeft = 0;     // seconds left minus 1; the end comes at 0
  std::int16_t DisableHours = 0;    // as entered, then as the last tick showed
  std::int16_t DisableMinutes = 0;  // likewise
  bool StartOnExpire = false;       // start the screen saver when the span runs out

 private:
  Timer& tmrSSCheck_;
  Timer& tmrSSTimedDisable_;
  ScreenSaver& screenSaver_;
  TrayIcon& trayIcon_;
  StatusPoller& poller_;
  FormsPort& forms_;
  TimedDialogHost* dialogHost_ = nullptr;
};

}  // namespace bw
