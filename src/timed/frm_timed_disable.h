// The dialog `frmTimedDisable`: asks for the span of a timed disable in hours
// and minutes, animates a stopwatch while it is open, and on OK starts the
// countdown. The window itself lives in platform/win32 behind TimedDialogPort.
#pragma once

#include <cstdint>
#include <string>

#include "timed/span_entry.h"
#include "timed/timed_disable.h"

namespace bw {

// The range of an up-down at one moment.
struct UpDownLimits {
  int lower;
  int upper;
};

// What the dialog's logic needs of its window. One object serves every
// opening; the window behind it is built at each opening and destroyed at
// each close.
class TimedDialogPort {
 public:
  virtual ~TimedDialogPort() = default;

  // InitCommonControls (comctl32): the up-downs need it before the first window.
  virtual void InitCommonControls() = 0;
  // Starts `tmrAnimClock`, which ticks while the window exists.
  virtual void StartClock() = 0;

  // `txtHours` or `txtMinutes`.
  virtual std::string Text(SpanField field) = 0;
  virtual void SetText(SpanField field, const std::string& text) = 0;
  virtual void SelectText(SpanField field, int start, int length) = 0;
  virtual void Focus(SpanField field) = 0;

  // `updnHours` or `updnMinutes`. A new value is shown in the attached field.
  virtual int UpDownValue(SpanField field) = 0;
  virtual UpDownLimits UpDownRange(SpanField field) = 0;
  virtual void SetUpDownValue(SpanField field, int value) = 0;

  // `imgAnimClock` shows the picture of `imgClock(frame)`.
  virtual void ShowClockFrame(int frame) = 0;

  // `chkStartOnExpire`: 0 cleared, 1 ticked.
  virtual int StartOnExpireValue() = 0;
  virtual void SetStartOnExpireValue(int value) = 0;

  // Ends the modal display and destroys the window, its controls and its timer.
  virtual void Close() = 0;
};

class FrmTimedDisable {
 public:
  // The dialog object is created at its first opening and kept for the run.
  FrmTimedDisable(TimedDialogPort& port, TimedDisable& countdown);

  // Each opening, once the window exists: the fields show the last span.
  void Load();
  // `tmrAnimClock`: the next stopwatch frame.
  void OnAnimClockTimer();
  // Key-down in a number field, before the field acts on the key; false
  // discards the key.
  bool OnFieldKeyDown(SpanField field, int keyCode);
  // A click on an up-down's arrow.
  void OnUpDownNotify(SpanField field);
  // `cmdOK`, or Enter.
  void OnOK();
  // `cmdCancel`, Esc, or the close box.
  void OnCancel();
  // Windows ends the logon while the dialog is open.
  void OnEndSession();

 private:
  void SelectAll(SpanField field);

  TimedDialogPort& port_;
  TimedDisable& countdown_;
  // The frame last shown. It belongs to the object, not to the window, so a
  // reopened dialog's clock continues where the last one stopped.
  std::int16_t clockFrame_ = 0;
};

}  // namespace bw
