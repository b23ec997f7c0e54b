// The settings window as the logic sees it: what it shows and what the user
// does in it. The window holds no state of the program.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "ports/menu.h"

namespace bw {

// A control of the settings window and the value it shows: a check box 0 or
// 1, a list the index of its selected item (-1: none), a button whether it
// can be pressed, a time picker the minute of the day.
struct ControlValue {
  int id;
  int value;
};

// A control whose caption the program sets as it runs.
struct ControlText {
  int id;
  std::string text;
};

// What the settings window shows: its title line, the settings' controls,
// the lines of its list of programs, the captions set at run time, and the
// controls not offered on this system, which stay hidden.
struct SettingsView {
  std::string title;
  std::vector<ControlValue> values;
  std::vector<std::string> programs;
  std::vector<ControlText> texts;
  std::vector<int> hidden{};
};

class SettingsWindowPort {
 public:
  virtual ~SettingsWindowPort() = default;
  // Builds the window's controls on first use, shows it and brings it forward.
  virtual void Show(const SettingsView& view) = 0;
  virtual void Hide() = 0;
  // Brings the controls up to date, if they were ever built.
  virtual void Update(const SettingsView& view) = 0;
  // Opens a menu below a control; the chosen item's command, 0 for none.
  virtual int TrackControlMenu(int controlId, std::span<const MenuItem> items) = 0;
  // The system's Open dialog, over the window, for choosing a program (.exe);
  // the chosen file's full path, empty when cancelled.
  virtual std::string BrowseForProgram() = 0;
  // A message over the window, with an OK button; returns once the user has
  // read it.
  virtual void ShowMessage(const char* text) = 0;
};

class SettingsEvents {
 public:
  virtual ~SettingsEvents() = default;
  // The user changed a control; value as ControlValue's.
  virtual void OnSettingChanged(int controlId, int value) = 0;
  // The user pressed a push button.
  virtual void OnSettingsButton(int controlId) = 0;
  // The close box, the system menu, Alt+F4, the Task Manager.
  virtual void OnSettingsClosed() = 0;
};

}  // namespace bw
