// The countdown's tip text for every counter the dialog can start.
#include "timed/countdown_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace bw {
namespace {

const std::string kLead = "Screen Saver will be DISABLED\nfor the next ";

// The second line read from the rules in plain words: the time left is n whole
// minutes (the counter is the seconds left minus one), named as hours and minutes
// joined by "and"; a lone single minute is just "minute"; the last 30 counts read
// "few seconds"; a tip too long for its 63 characters says "min".
std::string Oracle(std::int32_t secondsLeft) {
  if (secondsLeft <= 30) return kLead + "few seconds";
  const int n = secondsLeft / 60 + 1, h = n / 60, m = n % 60;
  std::string line = kLead + (h == 0 ? "" : std::to_string(h) + (h == 1 ? " hour" : " hours"));
  if (m == 0) return line;
  if (h == 0 && m == 1) return line + "minute";
  line += (h != 0 ? " and " : "") + std::to_string(m);
  const std::string full = line + (m == 1 ? " minute" : " minutes");
  return full.size() <= 63 ? full : line + " min";
}

std::string TipFor(std::int32_t secondsLeft) {
  return std::string(CountdownTip(secondsLeft, SplitSecondsLeft(secondsLeft)).view());
}

// Worked values first, which the plain reading must give too: the first ticks
// of 2 h 30 min and 1 h 10 min, and the field's edge, where 63 characters stay
// and 64 take "min".
TEST(CountdownTip, MatchesThePlainReadingForEveryCounterTheDialogCanStart) {
  const struct {
    std::int32_t secondsLeft;
    const char* time;
  } rows[] = {{8999, "2 hours and 30 min"},
              {7140, "2 hours"},
              {59, "minute"},
              {30, "few seconds"},
              {4139, "1 hour and 9 minutes"},
              {4199, "1 hour and 10 min"},
              {362339, "100 hours and 39 min"}};
  for (const auto& row : rows) {
    EXPECT_EQ(TipFor(row.secondsLeft), kLead + row.time);
    EXPECT_EQ(Oracle(row.secondsLeft), kLead + row.time) << "the oracle agrees";
  }
  std::size_t longest = 0;
  for (std::int32_t s = 1; s <= 362339; ++s) {
    const std::string tip = TipFor(s);
    ASSERT_EQ(tip, Oracle(s)) << s;
    ASSERT_LE(tip.size(), kTipTextMax) << tip;
    // Every text ends on a word, so no number was cut.
    ASSERT_TRUE(std::isalpha(static_cast<unsigned char>(tip.back()))) << tip;
    longest = std::max(longest, tip.size());
  }
  EXPECT_EQ(longest, 63u);
  EXPECT_EQ(TipFor(362339).size(), 63u);
}

// Counters the dialog cannot produce still give a bounded text, cut at the field's end.
TEST(CountdownTip, CutsATextThatStillDoesNotFitAtTheFieldsEnd) {
  EXPECT_EQ(CountdownTip(117961199, {32767, 59}).view(), kLead + "32767 hours and 59 m");
}

}  // namespace
}  // namespace bw
