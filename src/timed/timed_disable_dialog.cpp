#include "timed/timed_disable_dialog.h"

#include <utility>

namespace bw {
namespace {

// The fields take two digits: selecting two characters selects the number.
constexpr int kFieldDigits = 2;

}  // namespace

std::optional<SpanRequest> TimedDisableDialog::Run() {
  if (open_) {
    BringForward();
    return std::nullopt;
  }
  open_ = true;
  confirmed_.reset();
  view_.Run(*this);
  open_ = false;
  return std::exchange(confirmed_, std::nullopt);
}

void TimedDisableDialog::OnShown() {
  const Span last = countdown_.LastSpan();
  view_.SetFieldText(SpanField::Hours, FieldText(last.hours));
  // Typing replaces the hours at once.
  SelectAll(SpanField::Hours);
  view_.SetFieldText(SpanField::Minutes, FieldText(last.minutes));
  view_.ShowClockFrame(0);
  if (countdown_.StartWhenDone()) view_.SetStartWhenDone(true);
  stopwatch_.Set(true);
}

void TimedDisableDialog::Close() {
  stopwatch_.Set(false);
  view_.Close();
}

void TimedDisableDialog::OnClockTick() {
  ++clockFrame_;
  if (clockFrame_ >= kClockFrameCount) clockFrame_ = 0;
  view_.ShowClockFrame(clockFrame_);
}

bool TimedDisableDialog::OnFieldKey(SpanField field, int keyCode, int upDownValue) {
  const KeyAction action = FilterKey(keyCode);
  if (action == KeyAction::Pass) return true;
  if (action == KeyAction::Discard) return false;
  const UpDownRange range = SpanUpDownRange(field);
  const int stepped = StepValue(upDownValue, range, action == KeyAction::StepUp);
  if (stepped != upDownValue) view_.SetUpDownValue(field, stepped);
  SelectAll(field);
  return false;
}

void TimedDisableDialog::OnUpDown(SpanField field) {
  SelectAll(field);
  view_.FocusField(field);
}

void TimedDisableDialog::OnOk(const SpanEntry& entry) {
  const std::string_view hoursText = entry.hoursText, minutesText = entry.minutesText;
  const SpanReading span = ReadSpan(hoursText, minutesText);
  if (span.badField) {
    // Point at what keeps the span from being read: the whole text, which a
    // paste may have made longer than two characters.
    const std::string_view bad = *span.badField == SpanField::Hours ? hoursText : minutesText;
    view_.SelectField(*span.badField, 0, static_cast<int>(bad.size()));
    view_.FocusField(*span.badField);
    return;
  }
  // A zero span is refused silently: the dialog stays open.
  if (SpanCounter(span.span) <= 0) return;
  confirmed_ = SpanRequest{span.span, entry.startWhenDone};
  Close();
}

void TimedDisableDialog::SelectAll(SpanField field) { view_.SelectField(field, 0, kFieldDigits); }

}  // namespace bw
