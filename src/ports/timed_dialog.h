// The timed-disable dialog's window as the logic sees it: built anew at each
// opening, it shows what it is told and reports the user's input.
#pragma once

#include <string>
#include <string_view>

namespace bw {

// The dialog's two number fields, each with its up-down, and the time of day
// of "Until" (which only takes the focus: the picker holds its own text).
enum class SpanField { Hours, Minutes, Until };

// What the dialog holds when the user presses OK.
struct SpanEntry {
  std::string_view hoursText, minutesText;
  bool startWhenDone;
  bool until;            // "Until" a time of day is chosen, not "For"
  int untilMinuteOfDay;  // the time of day, 0 ... 1439
};

class TimedDialogEvents {
 public:
  virtual ~TimedDialogEvents() = default;
  // The window was built, before it shows.
  virtual void OnShown() = 0;
  // A key pressed in a number field, before the field acts on it, with the
  // field's up-down value at that moment; false discards the key.
  virtual bool OnFieldKey(SpanField field, int keyCode, int upDownValue) = 0;
  // An up-down's arrow was clicked.
  virtual void OnUpDown(SpanField field) = 0;
  // "For" or "Until" was chosen.
  virtual void OnWayChosen(bool until) = 0;
  // The time of day of "Until" changed, as the user types or steps it.
  virtual void OnUntilTimeChanged(int minuteOfDay) = 0;
  // OK or Enter, with what the window holds.
  virtual void OnOk(const SpanEntry& entry) = 0;
  // Cancel, Esc, the close box, or the program ending underneath.
  virtual void OnCancel() = 0;
};

class TimedDialogView {
 public:
  virtual ~TimedDialogView() = default;
  // Builds the window, reports it shown, and returns when it has closed.
  virtual void Run(TimedDialogEvents& events) = 0;
  // The open dialog, perhaps hidden behind other windows, comes forward.
  virtual void BringForward() = 0;
  virtual void SetFieldText(SpanField field, const std::string& text) = 0;
  virtual void SelectField(SpanField field, int start, int length) = 0;
  virtual void FocusField(SpanField field) = 0;
  // The up-down shows the value in its field.
  virtual void SetUpDownValue(SpanField field, int value) = 0;
  virtual void ShowClockFrame(int frame) = 0;
  virtual void SetStartWhenDone(bool start) = 0;
  // Chooses "For" or "Until"; the other way's fields cannot be used.
  virtual void SetUntil(bool until) = 0;
  virtual void SetUntilTime(int minuteOfDay) = 0;
  // How long "Until" holds the screen saver off ("2 hours 10 minutes from now").
  virtual void SetUntilText(const std::string& text) = 0;
  // Ends the modal display and destroys the window.
  virtual void Close() = 0;
};

}  // namespace bw
