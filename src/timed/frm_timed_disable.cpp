#include "timed/frm_timed_disable.h"

#include "timed/timed_layout.h"

namespace bw {
namespace {

// The fields take two digits: selecting two characters selects the number.
constexpr int kFieldDigits = 2;

}  // namespace

FrmTimedDisable::FrmTimedDisable(TimedDialogPort& port, TimedDisable& countdown)
    : port_(port), countdown_(countdown) {
  port_.InitCommonControls();
}

void FrmTimedDisable::Load() {
  port_.StartClock();
  port_.SetText(SpanField::Hours, FieldText(countdown_.DisableHours));
  // Typing replaces the hours at once.
  SelectAll(SpanField::Hours);
  port_.SetText(SpanField::Minutes, FieldText(countdown_.DisableMinutes));
  port_.ShowClockFrame(0);
  if (countdown_.StartOnExpire) port_.SetStartOnExpireValue(1);
}

void FrmTimedDisable::OnAnimClockTimer() {
  ++clockFrame_;
  if (clockFrame_ >= kClockFrameCount) clockFrame_ = 0;
  port_.ShowClockFrame(clockFrame_);
}

bool FrmTimedDisable::OnFieldKeyDown(SpanField field, int keyCode) {
  KeyAction action = FilterKey(keyCode);
  if (action == KeyAction::Pass) return true;
  if (action == KeyAction::Discard) return false;
  int value = port_.UpDownValue(field);
  UpDownLimits range = port_.UpDownRange(field);
  int stepped =
      StepValue(value, range.lower, range.upper, action == KeyAction::StepUp, WrapsAtEnds(field));
  if (stepped != value) port_.SetUpDownValue(field, stepped);
  SelectAll(field);
  return false;
}

void FrmTimedDisable::OnUpDownNotify(SpanField field) {
  SelectAll(field);
  port_.Focus(field);
}

void FrmTimedDisable::OnOK() {
  std::string hoursText = port_.Text(SpanField::Hours);
  std::string minutesText = port_.Text(SpanField::Minutes);
  SpanReading span = ReadSpan(hoursText, minutesText);
  // Stored even when refused; only a started countdown reads them.
  countdown_.DisableHours = span.hours;
  countdown_.DisableMinutes = span.minutes;
  countdown_.SecondsLeft = span.secondsLeft;
  if (span.badField) {
    // Point at what keeps the span from being read; the whole text, which a
    // paste may have made longer than two characters.
    const std::string& bad = *span.badField == SpanField::Hours ? hoursText : minutesText;
    port_.SelectText(*span.badField, 0, static_cast<int>(bad.size()));
    port_.Focus(*span.badField);
    return;
  }
  // A zero span is refused silently: the dialog stays open.
  if (!span.accepted()) return;
  countdown_.BeginTimedDisable();
  countdown_.StartOnExpire = port_.StartOnExpireValue() == 1;
  port_.Close();
}

void FrmTimedDisable::OnCancel() { port_.Close(); }

// The main form can unload for the end of the logon only once its modal
// dialog is gone; closing it as Cancel keeps the span entered so far unused.
void FrmTimedDisable::OnEndSession() { OnCancel(); }

void FrmTimedDisable::SelectAll(SpanField field) { port_.SelectText(field, 0, kFieldDigits); }

}  // namespace bw
