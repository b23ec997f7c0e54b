// The dialog that asks for the span of a timed disable in hours and minutes,
// animates a stopwatch while it is open, and on OK has the program start the
// countdown. Its window implements TimedDialogView; one dialog object serves
// every opening, while the window is built anew each time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "timed/countdown.h"
#include "timed/span_entry.h"

namespace bw {

// What the dialog's logic asks of its window.
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

// The program, which starts a timed disable when the dialog confirms one.
class TimedDisableStarter {
 public:
  virtual ~TimedDisableStarter() = default;
  virtual void BeginTimedDisable(Span span, bool startWhenDone) = 0;
};

class TimedDisableDialog {
 public:
  TimedDisableDialog(TimedDialogView& view, const Countdown& countdown,
                     TimedDisableStarter& starter)
      : view_(view), countdown_(countdown), starter_(starter) {}

  // Each opening, once the window exists: the fields show the last span.
  void Load();
  // At each tick of the stopwatch's timer: the next frame.
  void OnClockTick();
  // A key pressed in a number field, before the field acts on it, with the
  // field's up-down value at that moment; false discards the key.
  bool OnFieldKeyDown(SpanField field, int keyCode, int upDownValue);
  // An up-down's arrow was clicked.
  void OnUpDownClicked(SpanField field);
  // OK or Enter, with what the window holds.
  void OnOk(std::string_view hoursText, std::string_view minutesText, bool startWhenDone);
  // Cancel, Esc, the close box, or the program ending underneath.
  void OnCancel() { view_.Close(); }

 private:
  void SelectAll(SpanField field);

  TimedDialogView& view_;
  const Countdown& countdown_;
  TimedDisableStarter& starter_;
  // The frame last shown. It belongs to the object, not to the window, so a
  // reopened dialog's clock continues where the last one stopped.
  std::int16_t clockFrame_ = 0;
};

}  // namespace bw
