#include "timed/span_entry.h"

#include <charconv>

namespace bw {
namespace {

// Key codes the number fields act on.
constexpr int kKeyBackspace = 8;
constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;
constexpr int kKeyDelete = 46;
constexpr int kKeyDigit0 = 48, kKeyDigit9 = 57;
constexpr int kKeyPad0 = 96, kKeyPad9 = 105;

// A field's number, 0 when empty, nothing when it holds anything else. Only
// plain digits count: the fields take no sign from the keyboard, so a sign
// arrived by paste and names no span the user can mean.
std::optional<std::int16_t> ReadField(std::string_view text) {
  if (text.empty()) return std::int16_t{0};
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  std::int16_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
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

int StepValue(int value, int lower, int upper, bool up, bool wrap) {
  if (up) {
    if (value < upper) return value + 1;
    return wrap ? lower : value;
  }
  if (value > lower) return value - 1;
  return wrap ? upper : value;
}

SpanReading ReadSpan(std::string_view hoursText, std::string_view minutesText) {
  std::optional<std::int16_t> hours = ReadField(hoursText);
  std::optional<std::int16_t> minutes = ReadField(minutesText);
  SpanReading span{};
  span.hours = hours.value_or(0);
  span.minutes = minutes.value_or(0);
  span.secondsLeft = (std::int32_t{span.hours} * 60 + span.minutes) * 60 - 1;
  if (!hours || !minutes) {
    span.badField = hours ? SpanField::Minutes : SpanField::Hours;
    // Refused like a zero span, which leaves the same -1 behind.
    span.secondsLeft = -1;
  }
  return span;
}

std::string FieldText(std::int16_t value) { return std::to_string(value); }

}  // namespace bw
