#include "timed/span_entry.h"

#include "hours/working_hours.h"
#include "text/decimal.h"
#include "timed/timed_layout.h"
#include "words/texts.h"

namespace bw {
namespace {

// A field's number, 0 when empty, nothing when it holds anything else. Only
// plain digits count: the fields take no sign from the keyboard, so a sign
// arrived by paste and names no span the user can mean.
std::optional<std::int16_t> ReadField(std::string_view text) {
  if (text.empty()) return std::int16_t{0};
  const std::int64_t value = ParseDecimal(text, false);
  if (value < 0 || value > INT16_MAX) return std::nullopt;
  return static_cast<std::int16_t>(value);
}

}  // namespace

KeyAction FilterKey(int keyCode) {
  if (keyCode >= kKeyDigit0 && keyCode <= kKeyDigit9) return KeyAction::Pass;
  if (keyCode >= kKeyPad0 && keyCode <= kKeyPad9) return KeyAction::Pass;
  if (keyCode == kKeyDelete || keyCode == kKeyBackspace) return KeyAction::Pass;
  if (keyCode == kKeyUp) return KeyAction::StepUp;
  if (keyCode == kKeyDown) return KeyAction::StepDown;
  return KeyAction::Discard;
}

bool FieldAcceptsChar(std::uint32_t codePoint) {
  return codePoint < 0x20 || (codePoint >= '0' && codePoint <= '9');
}

UpDownRange SpanUpDownRange(SpanField field) {
  const ControlLayout& upDown = *FindControl(
      TimedDialogLayout(), field == SpanField::Hours ? kIdHoursUpDown : kIdMinutesUpDown);
  return {upDown.lower, upDown.upper, upDown.wrap};
}

int StepValue(int value, UpDownRange range, bool up) {
  if (up) {
    if (value < range.upper) return value + 1;
    return range.wrap ? range.lower : value;
  }
  if (value > range.lower) return value - 1;
  return range.wrap ? range.upper : value;
}

SpanReading ReadSpan(std::string_view hoursText, std::string_view minutesText) {
  const std::optional<std::int16_t> hours = ReadField(hoursText);
  const std::optional<std::int16_t> minutes = ReadField(minutesText);
  SpanReading reading{{hours.value_or(0), minutes.value_or(0)}, std::nullopt};
  if (!hours) {
    reading.badField = SpanField::Hours;
  } else if (!minutes) {
    reading.badField = SpanField::Minutes;
  }
  return reading;
}

std::string FieldText(std::int16_t value) { return DecimalText(std::int32_t{value}); }

bool IsTimeOfDay(int minuteOfDay) { return minuteOfDay >= 0 && minuteOfDay < kMinutesPerDay; }

// The clock says 0 for a time that has passed, and for now itself.
std::int32_t MsUntilTime(ClockPort& clock, int minuteOfDay) {
  const std::int64_t today = clock.MsUntilLocal(0, minuteOfDay);
  return static_cast<std::int32_t>(today > 0 ? today : clock.MsUntilLocal(1, minuteOfDay));
}

std::int32_t CounterOfMs(std::int32_t ms) { return (ms + 999) / 1000 - 1; }

std::string FromNowText(std::int32_t ms) {
  const std::int32_t minutes = (ms + 59999) / 60000;
  std::string text;
  if (minutes >= 60) {
    text = Fill(minutes < 120 ? Text::OneHour : Text::Hours, {DecimalText(minutes / 60)});
  }
  if (minutes % 60 || minutes < 60) {
    if (!text.empty()) text += ' ';
    text += Fill(minutes % 60 == 1 ? Text::OneMinute : Text::Minutes, {DecimalText(minutes % 60)});
  }
  return Fill(Text::FromNow, {text});
}

}  // namespace bw
