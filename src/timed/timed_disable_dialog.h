// The dialog that asks for the span of a timed disable in hours and minutes,
// animates a stopwatch while it is open, and on OK hands the span to the
// program. One dialog object serves every opening; its window (a
// TimedDialogView) is built anew each time.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ports/timer.h"
#include "ports/ui.h"
#include "timed/countdown.h"
#include "timed/span_entry.h"

namespace bw {

// The stopwatch: its frames, drawn by the art generator and shown in turn,
// and the timer that turns them, a full turn in 2.88 s.
inline constexpr int kClockFrameCount = 24;
inline constexpr int kStopwatchIntervalMs = 120;

// A span the user confirmed.
struct SpanRequest {
  Span span;
  bool startWhenDone;
};

class TimedDisableDialog {
 public:
  TimedDisableDialog(TimedDialogView& view, UiPort& ui, const Countdown& countdown)
      : view_(view),
        stopwatch_(ui, TimerId::Stopwatch, kStopwatchIntervalMs),
        countdown_(countdown) {}

  // Each opening, once the window exists: the fields show the last span and
  // the stopwatch turns.
  void Load();
  // At each tick of the stopwatch's timer: the next frame.
  void OnClockTick();
  // A key pressed in a number field, before the field acts on it, with the
  // field's up-down value at that moment; false discards the key.
  bool OnFieldKeyDown(SpanField field, int keyCode, int upDownValue);
  // An up-down's arrow was clicked.
  void OnUpDownClicked(SpanField field);
  // OK or Enter, with what the window holds: the span to begin, and the
  // dialog closed; nothing while the span cannot be read or is zero.
  std::optional<SpanRequest> OnOk(std::string_view hoursText, std::string_view minutesText,
                                  bool startWhenDone);
  // Cancel, Esc, the close box, or the program ending underneath.
  void OnCancel() { Close(); }

 private:
  void SelectAll(SpanField field);
  void Close();

  TimedDialogView& view_;
  Timer stopwatch_;
  const Countdown& countdown_;
  // The frame last shown. It belongs to the object, not to the window, so a
  // reopened dialog's clock continues where the last one stopped.
  std::int16_t clockFrame_ = 0;
};

}  // namespace bw
