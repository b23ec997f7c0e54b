// The dialog that asks for the span of a timed disable, for hours and minutes
// or until a time of day, animates a stopwatch while it is open, and on OK
// hands the span back to whoever opened it. One dialog object serves every opening; its window (a
// TimedDialogView) is built anew each time and reports here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ports/timed_dialog.h"
#include "ports/timer.h"
#include "timed/countdown.h"
#include "timed/span_entry.h"

namespace bw {

// The stopwatch: its frames, drawn by the art generator and shown in turn,
// and the timer that turns them, a full turn in 2.88 s.
inline constexpr int kClockFrameCount = 24;
inline constexpr int kStopwatchIntervalMs = 120;

class TimedDisableDialog final : public TimedDialogEvents {
 public:
  TimedDisableDialog(TimedDialogView& view, TimerPort& timers, ClockPort& clock,
                     const Countdown& countdown)
      : view_(view),
        stopwatch_(timers, TimerId::Stopwatch, kStopwatchIntervalMs),
        clock_(clock),
        countdown_(countdown) {}

  // Opens the dialog and returns when it has closed: the span the user
  // confirmed, nothing when cancelled. An open one only comes forward.
  std::optional<SpanRequest> Run();
  bool open() const { return open_; }
  // The open dialog, perhaps hidden behind other windows, comes forward.
  void BringForward() {
    if (open_) view_.BringForward();
  }
  // The program ends: an open dialog closes as Cancel would.
  void Cancel() {
    if (open_) Close();
  }
  // At each tick of the stopwatch's timer: the next frame, and how long
  // "Until" is from now, once the minute has turned.
  void OnClockTick();

  // Each opening, once the window exists: the fields show the last span, the
  // way last used and its time, and the stopwatch turns.
  void OnShown() override;
  bool OnFieldKey(SpanField field, int keyCode, int upDownValue) override;
  void OnUpDown(SpanField field) override;
  // A span that can be read and is not zero closes the dialog; otherwise it
  // stays open, the field at fault selected.
  void OnOk(const SpanEntry& entry) override;
  void OnWayChosen(bool until) override { view_.SetUntil(until); }
  void OnUntilTimeChanged(int minuteOfDay) override;
  void OnCancel() override { Close(); }

 private:
  void OkUntil(const SpanEntry& entry);
  void ShowUntilText();
  void SelectAll(SpanField field);
  void Close();

  TimedDialogView& view_;
  Timer stopwatch_;
  ClockPort& clock_;
  const Countdown& countdown_;
  bool open_ = false;
  std::optional<SpanRequest> confirmed_;
  // The way and the time of day last confirmed, offered at the next opening;
  // no time before the first.
  bool until_ = false;
  std::optional<int> untilTime_;
  int shownTime_ = 0;      // the time of day "Until" shows now
  std::string untilText_;  // how long that is, as shown
  // The frame last shown. It belongs to the object, not to the window, so a
  // reopened dialog's clock continues where the last one stopped.
  std::int16_t clockFrame_ = 0;
};

}  // namespace bw
