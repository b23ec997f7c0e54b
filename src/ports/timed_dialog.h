// The timed-disable dialog's window as the logic sees it: built anew at each
// opening, it shows what it is told and reports the user's input.
#pragma once

#include <string>
#include <string_view>

namespace bw {

// The dialog's two number fields, each with its up-down.
enum class SpanField { Hours, Minutes };

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
  // OK or Enter, with what the window holds.
  virtual void OnOk(std::string_view hoursText, std::string_view minutesText,
                    bool startWhenDone) = 0;
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
  // Ends the modal display and destroys the window.
  virtual void Close() = 0;
};

}  // namespace bw
