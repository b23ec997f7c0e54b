// The program's windows as the logic sees them: what it asks of them (UiPort)
// and what they report (AppEvents). The windows hold no state of the program:
// they show what they are given and report each event with its values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ports.h"

namespace bw {

enum class TimerId {
  Poll,       // 250 ms: keeps the icon in step with the system
  Countdown,  // 1 s: a timed disable counts down
};

// Commands of the tray's popup menu; the value is the item's command id.
enum class MenuCommand : int {
  StartScreenSaver = 1,
  ConfigureScreenSaver = 2,
  SelectScreenSaver = 3,
  TimedDisable = 5,
  Settings = 7,
  Exit = 8,
};

// A control of the settings window and the value it shows: a check box 0 or
// 1, a list the index of its selected item (-1: none).
struct ControlValue {
  int id;
  int value;
};

// What the settings window shows: its title line and the settings' controls.
struct SettingsView {
  std::string title;
  std::vector<ControlValue> values;
};

// Why the program's window is asked to close.
enum class CloseReason {
  User,        // the close box, the system menu, Alt+F4, the Task Manager
  Exit,        // the program's own "Exit"
  EndSession,  // Windows is ending the logon
};

class UiPort {
 public:
  virtual ~UiPort() = default;
  virtual void SetTimer(TimerId timer, bool enabled) = 0;
  // Opens the popup menu at the pointer; the chosen command's id, 0 for none.
  virtual int TrackPopupMenu() = 0;
  virtual void SetMenuItem(MenuCommand command, std::string_view caption, bool enabled) = 0;
  // Builds the settings window on first use, shows it and brings it forward.
  virtual void ShowSettings(const SettingsView& view) = 0;
  virtual void HideSettings() = 0;
  // Brings the settings window's controls up to date, if it was ever built.
  virtual void UpdateSettings(const SettingsView& view) = 0;
  // Shows the timed-disable dialog modally; returns when it has closed.
  virtual void ShowTimedDisableDialog() = 0;
  // Closes every window of the program; the message loop then ends.
  virtual void Quit() = 0;
};

// What the windows report, implemented by the program.
class AppEvents {
 public:
  virtual ~AppEvents() = default;
  virtual void OnCloseRequest(CloseReason reason) = 0;
  virtual void OnTimer(TimerId timer) = 0;
  // The shell's callback for the icon: the mouse message it carries.
  virtual void OnTrayMessage(int mouseMessage) = 0;
  // The notification area was created anew (Explorer restarted).
  virtual void OnTaskbarCreated() = 0;
  // The user changed a control of the settings window; value as ControlValue's.
  virtual void OnSettingChanged(int controlId, int value) = 0;
};

// A timer the logic switches; it remembers whether it runs.
class Timer {
 public:
  Timer(UiPort& ui, TimerId id) : ui_(ui), id_(id) {}
  bool Running() const { return running_; }
  void Set(bool running) {
    if (running == running_) return;
    running_ = running;
    ui_.SetTimer(id_, running);
  }

 private:
  UiPort& ui_;
  TimerId id_;
  bool running_ = false;
};

// Everything of Windows the program uses.
struct Platform {
  SystemPort& system;
  RegistryPort& registry;
  ShellPort& shell;
  UiPort& ui;
};

}  // namespace bw
