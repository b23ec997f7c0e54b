#include <gtest/gtest.h>

#include <set>
#include <string>

#include "timed/span_entry.h"

namespace bw {
namespace {

TEST(TimedSpan_KeyFilter, PassesDigitsAndDeletionStepsOnUpDownAndDropsAllElse) {
  std::set<int> passing = {0x08 /* Backspace */, 0x2E /* Delete */};
  for (char digit : std::string("0123456789")) passing.insert(digit);  // main keyboard
  for (int pad = 0x60; pad <= 0x69; ++pad) passing.insert(pad);        // numeric keypad
  for (int code = 0; code < 256; ++code) {
    KeyAction expected = passing.count(code) ? KeyAction::Pass : KeyAction::Discard;
    if (code == 0x26) expected = KeyAction::StepUp;
    if (code == 0x28) expected = KeyAction::StepDown;
    EXPECT_EQ(FilterKey(code), expected) << "key code " << code;
  }
}

struct ReadCase {
  const char* hours;
  const char* minutes;
  std::int16_t expectedHours;
  std::int16_t expectedMinutes;
  std::int32_t expectedSeconds;
  bool accepted;
  std::optional<SpanField> badField;
};

TEST(TimedSpan_Read, ReadsTheSpanAndRefusesZeroAndNonNumbers) {
  const ReadCase cases[] = {
      {"99", "99", 99, 99, 362339, true, {}},  // the longest span that can be typed
      {"15", "59", 15, 59, 57539, true, {}},   // the up-downs' most
      {"0", "1", 0, 1, 59, true, {}},
      {"0", "90", 0, 90, 5399, true, {}},  // minutes above 59 are taken as typed
      {"2", "0", 2, 0, 7199, true, {}},
      {"", "5", 0, 5, 299, true, {}},  // an empty field counts as 0
      {"1", "", 1, 0, 3599, true, {}},
      {"07", "05", 7, 5, 25499, true, {}},
      {"0", "0", 0, 0, -1, false, {}},  // a zero span is refused
      {"", "", 0, 0, -1, false, {}},
      {"-1", "5", 0, 5, -1, false, SpanField::Hours},
      {"1", "a", 1, 0, -1, false, SpanField::Minutes},
      {"+1", "5", 0, 5, -1, false, SpanField::Hours},
      {" 1", "5", 0, 5, -1, false, SpanField::Hours},
      {"x", "y", 0, 0, -1, false, SpanField::Hours},
      {"1", "99999", 1, 0, -1, false, SpanField::Minutes},  // no 16-bit number
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.hours + "\" / \"" + c.minutes + "\"");
    SpanReading span = ReadSpan(c.hours, c.minutes);
    EXPECT_EQ(span.hours, c.expectedHours);
    EXPECT_EQ(span.minutes, c.expectedMinutes);
    EXPECT_EQ(span.secondsLeft, c.expectedSeconds);
    EXPECT_EQ(span.accepted(), c.accepted);
    EXPECT_EQ(span.badField, c.badField);
  }
}

}  // namespace
}  // namespace bw
