#include "timed/timed_disable_dialog.h"

#include <utility>

#include "timed/timed_disable.h"

namespace bw {
namespace {

// The fields take two digits: selecting two characters selects the number.
constexpr int kFieldDigits = 2;

// "Until" offers the next whole hour until a time is confirmed.
int NextWholeHour(LocalTime now) { return (now.minuteOfDay / 60 + 1) % 24 * 60; }

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
  view_.SetUntil(until_);
  shownTime_ = untilTime_ ? *untilTime_ : NextWholeHour(clock_.LocalNow());
  view_.SetUntilTime(shownTime_);
  untilText_.clear();
  ShowUntilText();
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
  ShowUntilText();
}

void TimedDisableDialog::OnUntilTimeChanged(int minuteOfDay) {
  shownTime_ = minuteOfDay;
  ShowUntilText();
}

// Only a text that changed is sent: the stopwatch asks at each of its ticks.
void TimedDisableDialog::ShowUntilText() {
  std::string text;
  if (IsTimeOfDay(shownTime_)) text = FromNowText(MsUntilTime(clock_, shownTime_));
  if (text == untilText_) return;
  untilText_ = std::move(text);
  view_.SetUntilText(untilText_);
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
  if (entry.until) return OkUntil(entry);
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
  const std::int32_t counter = SpanCounter(span.span);
  if (counter <= 0) return;
  confirmed_ = SpanRequest{counter, span.span, entry.startWhenDone};
  until_ = false;
  Close();
}

// The span is measured when OK is pressed, not when the time was chosen. A
// time of day that is none is pointed at as a bad field is.
void TimedDisableDialog::OkUntil(const SpanEntry& entry) {
  if (!IsTimeOfDay(entry.untilMinuteOfDay)) return view_.FocusField(SpanField::Until);
  confirmed_ = SpanUntil(clock_, entry.untilMinuteOfDay, entry.startWhenDone);
  if (!confirmed_) return;
  until_ = true;
  untilTime_ = entry.untilMinuteOfDay;
  Close();
}

void TimedDisableDialog::SelectAll(SpanField field) { view_.SelectField(field, 0, kFieldDigits); }

}  // namespace bw
