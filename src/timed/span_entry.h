// Entering the span of a timed disable: what the two number fields let
// through from the keyboard, how their arrows step, and how OK reads them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bw {

// The two number fields of the dialog, each with its up-down.
enum class SpanField {
  Hours,    // `txtHours` with `updnHours`
  Minutes,  // `txtMinutes` with `updnMinutes`
};

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

// True for the up-down that runs round at its ends (minutes); hours stop.
constexpr bool WrapsAtEnds(SpanField field) { return field == SpanField::Minutes; }

// The up-down's value after one step from value within [lower, upper].
int StepValue(int value, int lower, int upper, bool up, bool wrap);

// The span as OK reads it from the two fields.
struct SpanReading {
  std::int16_t hours;                 // `DisableHours`
  std::int16_t minutes;               // `DisableMinutes`
  std::int32_t secondsLeft;           // `SecondsLeft`: the span in seconds minus 1; -1 when refused
  std::optional<SpanField> badField;  // the first field that holds no number

  // OK starts a timed disable only for a positive span read from two numbers.
  bool accepted() const { return !badField && secondsLeft > 0; }
};

// Reads both fields. An empty field counts as 0. A field that holds anything
// but decimal digits (a pasted sign or letter) reads as 0 and refuses the span.
SpanReading ReadSpan(std::string_view hoursText, std::string_view minutesText);

// The text a field is filled with when the dialog opens.
std::string FieldText(std::int16_t value);

}  // namespace bw
