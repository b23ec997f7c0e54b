// The countdown's tip: the time left as n whole minutes (the counter is the
// seconds left minus one), named as hours and minutes joined by "and"; a lone
// single minute is just "minute"; the last 30 counts read "few seconds"; a tip
// too long for its 63 characters says "min".
#include "timed/countdown_text.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

const std::string kLead = "Screen Saver will be DISABLED\nfor the next ";

TEST(CountdownTip, NamesTheMinutesLeftInWordsWithinTheField) {
  const struct {
    std::int32_t counter;
    std::int16_t hours, minutes;
    const char* time;
  } rows[] = {
      {8999, 2, 30, "2 hours and 30 min"},
      {7259, 2, 1, "2 hours and 1 minute"},
      {7140, 2, 0, "2 hours"},
      {3599, 1, 0, "1 hour"},
      {3539, 0, 59, "59 minutes"},
      {60, 0, 2, "2 minutes"},
      {59, 0, 1, "minute"},
      {31, 0, 1, "minute"},
      {30, 0, 1, "few seconds"},
      {1, 0, 1, "few seconds"},
      {4139, 1, 9, "1 hour and 9 minutes"},
      {4199, 1, 10, "1 hour and 10 min"},
      {359999, 100, 0, "100 hours"},
      {362339, 100, 39, "100 hours and 39 min"},
  };
  for (const auto& row : rows) {
    const CountdownSplit split = SplitCounter(row.counter);
    EXPECT_EQ(std::to_string(split.hours) + ":" + std::to_string(split.minutes),
              std::to_string(row.hours) + ":" + std::to_string(row.minutes))
        << row.counter;
    EXPECT_EQ(CountdownTip(row.counter, split), kLead + row.time) << row.counter;
  }
  // Counters the dialog cannot produce: the field cuts what still does not fit.
  EXPECT_EQ(CountdownTip(117961199, {32767, 59}), kLead + "32767 hours and 59 min");
}

}  // namespace
}  // namespace bw
