#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>

#include "timed/countdown_text.h"

namespace bw {
namespace {

const std::string kLead = "Screen Saver will be DISABLED\nfor the next ";

std::string TipFor(std::int32_t secondsLeft) {
  return std::string(CountdownTip(secondsLeft, SplitSecondsLeft(secondsLeft)).view());
}

// The second line of the tip, read from the rules in plain words: the time left
// is n whole minutes (the counter is the seconds left minus one), named as hours
// and minutes joined by "and"; a lone single minute is just "minute"; the last
// 30 counts read "few seconds"; a line too long for the tip says "min".
std::string ExpectedSecondLine(std::int32_t secondsLeft) {
  if (secondsLeft <= 30) return "for the next few seconds";
  int n = secondsLeft / 60 + 1;
  int h = n / 60;
  int m = n % 60;
  std::string hours = h == 0 ? "" : std::to_string(h) + (h == 1 ? " hour" : " hours");
  std::string count = std::to_string(m);
  std::string unit = m == 1 ? "minute" : "minutes";
  std::string line = "for the next " + hours;
  if (m == 0) return line;
  if (h == 0 && m == 1) return line + "minute";
  if (h != 0) line += " and ";
  std::string full = line + count + " " + unit;
  if (full.size() + 30 <= 63) return full;
  return line + count + " min";
}

struct TableRow {
  std::int32_t secondsLeft;
  std::int16_t hours;
  std::int16_t minutes;
  const char* secondLine;  // as the countdown names the time left
  const char* shown;       // what the tip shows of it when the line is too long
};

// Worked values, including the first ticks of 2 h 30 min, 1 h 30 min, 1 h and 1 min.
TEST(Countdown_Tip, ShowsTheWorkedTable) {
  const TableRow rows[] = {
      {8999, 2, 30, "for the next 2 hours and 30 minutes", "for the next 2 hours and 30 min"},
      {7259, 2, 1, "for the next 2 hours and 1 minute", nullptr},
      {7140, 2, 0, "for the next 2 hours", nullptr},
      {5399, 1, 30, "for the next 1 hour and 30 minutes", "for the next 1 hour and 30 min"},
      {3599, 1, 0, "for the next 1 hour", nullptr},
      {3539, 0, 59, "for the next 59 minutes", nullptr},
      {60, 0, 2, "for the next 2 minutes", nullptr},
      {59, 0, 1, "for the next minute", nullptr},
      {31, 0, 1, "for the next minute", nullptr},
      {30, 0, 1, "for the next few seconds", nullptr},
      {1, 0, 1, "for the next few seconds", nullptr},
      // Minutes above 59 carry into the hours; the up-downs' most, 15 h 59 min.
      {362339, 100, 39, "for the next 100 hours and 39 minutes",
       "for the next 100 hours and 39 min"},
      {57539, 15, 59, "for the next 15 hours and 59 minutes", "for the next 15 hours and 59 min"},
  };
  for (const TableRow& row : rows) {
    SCOPED_TRACE(row.secondsLeft);
    CountdownSplit split = SplitSecondsLeft(row.secondsLeft);
    EXPECT_EQ(split.hours, row.hours);
    EXPECT_EQ(split.minutes, row.minutes);
    std::string full = kLead.substr(0, 30) + row.secondLine;
    if (row.shown == nullptr) {
      EXPECT_EQ(TipFor(row.secondsLeft), full);
    } else {
      EXPECT_GT(full.size(), kTipTextMax);
      EXPECT_EQ(TipFor(row.secondsLeft), kLead.substr(0, 30) + row.shown);
    }
  }
}

// At the edge of the field: 63 characters stay as they are, 64 take "min".
TEST(Countdown_Tip, ShortensTheMinutesOnlyWhenTheTextDoesNotFit) {
  const std::pair<std::int32_t, const char*> rows[] = {
      {7259, "2 hours and 1 minute"},  // 63 characters
      {4139, "1 hour and 9 minutes"},  // 63
      {4199, "1 hour and 10 min"},     // 64 in full
      {7319, "2 hours and 2 min"},     // 64 in full
      {8939, "2 hours and 29 min"},    // 65 in full
      {36059, "10 hours and 1 min"},   // 64 in full
      {35999, "10 hours"},             // no minutes: nothing to shorten
      {359999, "100 hours"},
  };
  for (const auto& [secondsLeft, time] : rows) {
    EXPECT_EQ(TipFor(secondsLeft), kLead + time) << secondsLeft;
  }
}

TEST(Countdown_Tip, MatchesThePlainReadingForEveryCounterTheDialogCanStart) {
  std::size_t longest = 0;
  for (std::int32_t s = 1; s <= 362339; ++s) {
    CountdownSplit split = SplitSecondsLeft(s);
    int n = s / 60 + 1;
    ASSERT_EQ(split.hours, n / 60) << s;
    ASSERT_EQ(split.minutes, n % 60) << s;
    std::string tip(CountdownTip(s, split).view());
    ASSERT_EQ(tip, kLead.substr(0, 30) + ExpectedSecondLine(s)) << s;
    // Every text ends on a word, so no number was cut.
    ASSERT_TRUE(std::isalpha(static_cast<unsigned char>(tip.back()))) << tip;
    ASSERT_LE(tip.size(), kTipTextMax) << tip;
    longest = std::max(longest, tip.size());
  }
  EXPECT_EQ(longest, 63u);
  EXPECT_EQ(TipFor(362339).size(), 63u);
}

// Counters the dialog cannot produce still give a terminated, bounded text.
TEST(Countdown_Tip, CutsATextThatStillDoesNotFitAtTheFieldsEnd) {
  TipText tip = CountdownTip(117961199, {32767, 59});
  EXPECT_EQ(tip.view(), kLead + "32767 hours and 59 m");
  EXPECT_EQ(tip.size(), 63u);
}

}  // namespace
}  // namespace bw
