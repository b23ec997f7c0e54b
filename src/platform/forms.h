// The window machinery the program runs on: its two windows, their controls,
// timers and the popup menu, as the logic sees them. platform/win32 builds the
// windows from the layout tables in app/ and timed/ and forwards their events
// to the logic; the logic answers through this interface.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ports.h"

namespace bw {

// The three timers of the program.
enum class TimerId : int {
  SSCheck = 1,         // `tmrSSCheck`, the 250 ms status poller
  SSTimedDisable = 2,  // `tmrSSTimedDisable`, the 1 s countdown
  AnimClock = 3,       // `tmrAnimClock`, the 120 ms stopwatch of the dialog
};

// Items of the popup menu `mnuOptions`; the value is the item's command id.
enum class MenuItem : int {
  StartSS = 1,       // `mnuStartSS`
  ConfigureSS = 2,   // `mnuConfigureSS`
  SelectSS = 3,      // `mnuSelectSS`
  TimedDisable = 5,  // `mnuTimedDisable`
  Configure = 7,     // `mnuConfigure`
  Exit = 8,          // `mnuExit`
};

// Controls of the settings window whose state the logic reads or writes.
enum class SettingsControl : int {
  Title = 1,         // `lblTitle`
  WindowsStart = 2,  // `chkWindowsStart`
  Method = 3,        // `cboMethod`
};

// Pictures whose icon handles the tray shows.
enum class TrayPicture : int {
  FormIcon = -1,     // the application icon, the main form's own
  Enabled = 0,       // `imgStatus(0)`
  Disabled = 1,      // `imgStatus(1)`
  TimedDisable = 2,  // `imgStatus(2)`
};

class FormsPort {
 public:
  virtual ~FormsPort() = default;

  // Window of the hidden picture box `picStatusOutput`: the tray's callback target.
  virtual Handle StatusOutputWindow() = 0;
  // Window of the main form `frmSettings`.
  virtual Handle MainWindow() = 0;
  // Icon handle of a picture; valid for the whole run.
  virtual Handle PictureIcon(TrayPicture picture) = 0;

  virtual void ShowMainWindow() = 0;
  virtual void HideMainWindow() = 0;
  // Destroys the main form after an accepted unload; the message loop then ends.
  virtual void DestroyMainWindow() = 0;

  virtual void SetTimerEnabled(TimerId timer, bool enabled) = 0;

  virtual void SetMenuItemEnabled(MenuItem item, bool enabled) = 0;
  virtual void SetMenuItemCaption(MenuItem item, const std::string& caption) = 0;
  // SetForegroundWindow; the result is not needed.
  virtual void BringToForeground(Handle window) = 0;
  // Opens `mnuOptions` at the pointer and returns the chosen item's command id,
  // or 0 when the menu closed without a choice.
  virtual int TrackPopupMenu(std::uint32_t flags) = 0;

  // Check box value: 0 cleared, 1 ticked, 2 greyed.
  virtual int CheckValue(SettingsControl control) = 0;
  // Sets the value without raising the click event; the logic raises it itself.
  virtual void SetCheckValue(SettingsControl control, int value) = 0;
  // Selected item of a combo box, -1 for none.
  virtual int ListIndex(SettingsControl control) = 0;
  virtual void SetListIndex(SettingsControl control, int index) = 0;
  virtual std::string Caption(SettingsControl control) = 0;
  virtual void SetCaption(SettingsControl control, const std::string& text) = 0;
};

// A switchable timer: the enabled flag lives here, the ticking in the platform.
// Every timer starts stopped; the logic switches it on when its window is ready.
class Timer {
 public:
  Timer(FormsPort& forms, TimerId id) : forms_(forms), id_(id) {}
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    forms_.SetTimerEnabled(id_, enabled);
  }

 private:
  FormsPort& forms_;
  TimerId id_;
  bool enabled_ = false;
};

// Everything of Windows the logic uses, passed around as one.
struct Platform {
  SystemPort& system;
  RegistryPort& registry;
  ShellPort& shell;
  FormsPort& forms;
};

}  // namespace bw
