// Entering the span of a timed disable: what the two number fields let
// through from the keyboard, how their arrows step, and how OK reads them;
// or the span until a time of day.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ports/clock.h"
#include "ports/timed_dialog.h"
#include "timed/countdown.h"

namespace bw {

// Key codes the number fields act on, as Windows numbers them.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKeyDigit0 = 48, kKeyDigit9 = 57;
inline constexpr int kKeyPad0 = 96, kKeyPad9 = 105;

// What a key pressed in a number field does.
enum class KeyAction {
  Pass,      // the field receives the key
  StepUp,    // the key is discarded; the up-down steps up
  StepDown,  // the key is discarded; the up-down steps down
  Discard,   // the key is discarded and nothing else happens
};

// Sorts a key by its code alone: digits of both keyboards, Delete and
// Backspace pass, Up and Down step, everything else is dropped.
KeyAction FilterKey(int keyCode);

// Whether a character may enter a number field, whatever way it came (a key,
// Alt and the numeric keypad, an input method): digits and the control
// characters that edit (Backspace, the clipboard's Ctrl keys).
bool FieldAcceptsChar(std::uint32_t codePoint);

struct UpDownRange {
  int lower;
  int upper;
  bool wrap;  // runs round at its ends instead of stopping
};

// The range of a field's up-down, as the dialog's layout sets it.
UpDownRange SpanUpDownRange(SpanField field);

// The up-down's value after one step up or down.
int StepValue(int value, UpDownRange range, bool up);

// The span as OK reads it from the two fields.
struct SpanReading {
  Span span;
  std::optional<SpanField> badField;  // the first field that holds no number
};

// Reads both fields. An empty field counts as 0. A field that holds anything
// but decimal digits (a pasted sign or letter) names no span.
SpanReading ReadSpan(std::string_view hoursText, std::string_view minutesText);

// The text a field is filled with when the dialog opens.
std::string FieldText(std::int16_t value);

// Whether "Until" holds a time of day at all.
bool IsTimeOfDay(int minuteOfDay);

// Milliseconds until a time of day: today's if it is still to come, else
// tomorrow's; each as the time zone has that day, so that a change to or from
// daylight saving time in between counts. At most a day and an hour: a
// 32-bit count, which a 32-bit program divides without a 64-bit routine.
std::int32_t MsUntilTime(ClockPort& clock, int minuteOfDay);

// The counter of a span that lasts so many milliseconds: a second begun counts.
std::int32_t CounterOfMs(std::int32_t ms);

// How long that is, in whole minutes rounded up: "2 hours 10 minutes from now".
std::string FromNowText(std::int32_t ms);

}  // namespace bw
