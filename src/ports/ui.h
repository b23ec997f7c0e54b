// The program's windows as the logic sees them: what it asks of them (UiPort,
// TimedDialogView) and what they report (AppEvents). The windows hold no
// state of the program: they show what they are given and report each event
// with its values.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ports/programs.h"

namespace bw {

// A control of the settings window and the value it shows: a check box 0 or
// 1, a list the index of its selected item (-1: none), a button whether it
// can be pressed.
struct ControlValue {
  int id;
  int value;
};

// What the settings window shows: its title line, the settings' controls,
// and the lines of its list of programs.
struct SettingsView {
  std::string title;
  std::vector<ControlValue> values;
  std::vector<std::string> programs;
};

// A line of the popup menu, as it shows while open.
struct MenuItem {
  int command;          // reported when chosen; 0 for a separator line
  const char* caption;  // null for a separator line
  bool enabled;
};

// Why the program's window is asked to close.
enum class CloseReason {
  User,        // the close box, the system menu, Alt+F4, the Task Manager
  Exit,        // the program's own "Exit"
  EndSession,  // Windows is ending the logon
};

// The timed-disable dialog's two number fields, each with its up-down.
enum class SpanField { Hours, Minutes };

// The timed-disable dialog's window, while it is open.
class TimedDialogView {
 public:
  virtual ~TimedDialogView() = default;
  virtual void SetFieldText(SpanField field, const std::string& text) = 0;
  virtual void SelectField(SpanField field, int start, int length) = 0;
  virtual void FocusField(SpanField field) = 0;
  // The up-down shows the value in its field.
  virtual void SetUpDownValue(SpanField field, int value) = 0;
  virtual void ShowClockFrame(int frame) = 0;
  virtual void SetStartWhenDone(bool start) = 0;
  // Ends the modal display and destroys the window.
  virtual void Close() = 0;
};

class UiPort {
 public:
  virtual ~UiPort() = default;
  // A timer of the program's window, reported by its id every intervalMs
  // until stopped; starting a running timer restarts it.
  virtual void StartTimer(int id, int intervalMs) = 0;
  virtual void StopTimer(int id) = 0;
  // Opens the popup menu at the pointer; the chosen item's command, 0 for none.
  virtual int TrackPopupMenu(std::span<const MenuItem> items) = 0;
  // Builds the settings window on first use, shows it and brings it forward.
  virtual void ShowSettings(const SettingsView& view) = 0;
  virtual void HideSettings() = 0;
  // Opens a menu below a control of the settings window; the chosen item's
  // command, 0 for none.
  virtual int TrackControlMenu(int controlId, std::span<const MenuItem> items) = 0;
  // The system's Open dialog, over the settings window, for choosing a
  // program (.exe); the chosen file's full path, empty when cancelled.
  virtual std::string BrowseForProgram() = 0;
  // A message over the settings window, with an OK button; returns once the
  // user has read it.
  virtual void ShowMessage(const char* text) = 0;
  // Brings the settings window's controls up to date, if it was ever built.
  virtual void UpdateSettings(const SettingsView& view) = 0;
  // Builds the timed-disable dialog, reports it shown, and returns when it
  // has closed. While it is open, a call brings it forward and returns at once.
  virtual void ShowTimedDisableDialog() = 0;
  // Closes every window of the program; the message loop then ends.
  virtual void Quit() = 0;
};

// What the windows report, implemented by the program, with what the session
// reports of its programs.
class AppEvents : public ProgramEvents {
 public:
  virtual void OnCloseRequest(CloseReason reason) = 0;
  virtual void OnTimer(int timerId) = 0;
  // The shell's callback for the icon: the mouse or keyboard message it
  // carries, and when the shell sent it (the system's clock, milliseconds).
  virtual void OnTrayMessage(int message, std::uint32_t sentAt) = 0;
  // The notification area was created anew (Explorer restarted), or says so
  // after a change of resolution or a remote connection.
  virtual void OnTaskbarCreated() = 0;
  // Windows announced a change of group policy.
  virtual void OnPolicyChanged() = 0;
  // The user changed a control of the settings window; value as ControlValue's.
  virtual void OnSettingChanged(int controlId, int value) = 0;
  // The user pressed a push button of the settings window.
  virtual void OnSettingsButton(int controlId) = 0;

  // The timed-disable dialog's window was built, before it shows.
  virtual void OnTimedDialogShown() = 0;
  // A key pressed in a number field, before the field acts on it, with the
  // field's up-down value at that moment; false discards the key.
  virtual bool OnSpanFieldKey(SpanField field, int keyCode, int upDownValue) = 0;
  // An up-down's arrow was clicked.
  virtual void OnSpanUpDown(SpanField field) = 0;
  // OK or Enter, with what the window holds.
  virtual void OnTimedDialogOk(std::string_view hoursText, std::string_view minutesText,
                               bool startWhenDone) = 0;
  // Cancel, Esc, the close box, or the program ending underneath.
  virtual void OnTimedDialogCancel() = 0;
};

}  // namespace bw
