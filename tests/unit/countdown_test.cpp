// The timed disable's countdown against the clock, as the icon and the screen
// saver show it.
#include "timed/countdown.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

using CountdownTest = test::Started;

using test::kOff, test::kOn, test::kCounting;

// The clock picture shows at once and the tip counts from the first tick,
// which switches the screen saver off, again at each tick whatever switched
// it on; the menu's end switches it back on without starting it, and a tick
// queued before the end does nothing. Switching back may fail: the icon
// still leaves the countdown.
TEST_F(CountdownTest, BeginTickAndEndFromTheMenu) {
  BeginSpan(2, 30, true);
  EXPECT_EQ(Seen(), "saver on, clock: Screen Saver is ENABLED");
  EXPECT_TRUE(fake.ui.Runs(static_cast<int>(TimerId::Countdown)));
  EXPECT_FALSE(fake.ui.Runs(static_cast<int>(TimerId::Poll)));
  CountdownSeconds(1);
  fake.system.active = true;
  CountdownSeconds(1);
  EXPECT_EQ(Seen(), kCounting + "2 hours and 30 min");

  Choose(MenuCommand::TimedDisable);
  Tick(TimerId::Countdown);
  EXPECT_EQ(Seen(), kOn);
  EXPECT_EQ(fake.system.started, 0);
  EXPECT_TRUE(fake.ui.Runs(static_cast<int>(TimerId::Poll)));
  EXPECT_FALSE(fake.ui.Runs(static_cast<int>(TimerId::Countdown)));
  BeginSpan(1, 0, false);
  CountdownSeconds(1);
  fake.system.accepts = false;
  Choose(MenuCommand::TimedDisable);
  EXPECT_EQ(Seen(), kOff);
}

// A span of S seconds ends on the tick at S - 1 seconds, and starts the screen
// saver only when asked, once it is on and the display is let go.
TEST_F(CountdownTest, EndsOnTheTickBeforeTheLastSecond) {
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  for (bool startWhenDone : {false, true}) {
    BeginSpan(0, 1, startWhenDone);
    CountdownSeconds(58);
    EXPECT_EQ(Seen(), kCounting + "few seconds");
    CountdownSeconds(1);
    EXPECT_EQ(Seen(), kOn);
    EXPECT_EQ(fake.system.started, startWhenDone ? 1 : 0);
  }
}

// The time left comes from the clock: a machine that sleeps through part of
// the span ends it on time, a late timer loses nothing, and the clock's wrap
// after 49.7 days changes nothing.
TEST_F(CountdownTest, CountsTimeNotTicks) {
  const struct {
    std::uint32_t begin, tick;
    const char* tip;  // null: the span ended
  } rows[] = {
      {0, 1000, "2 hours"},
      {0, 1400, "2 hours"},
      {0, 3601 * 1000, "1 hour"},
      {0, 7141 * 1000, "minute"},
      {0, 7200 * 1000, nullptr},
      {0, 30 * 3600 * 1000u, nullptr},
      {0xFFFFFC00u, 0xFFFFFC00u + 3601 * 1000, "1 hour"},
  };
  for (const auto& row : rows) {
    fake.system.now = row.begin;
    BeginSpan(2, 0, false);
    fake.system.now = row.tick;
    Tick(TimerId::Countdown);
    EXPECT_EQ(Seen(), row.tip ? kCounting + row.tip : kOn) << row.tick;
    if (row.tip) Choose(MenuCommand::TimedDisable);
  }
}

}  // namespace
}  // namespace bw
