// The timed disable: the countdown against the clock, and the dialog that starts it.
#include "timed/countdown.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "timed/timed_disable_dialog.h"

namespace bw {
namespace {

using test::Join;
using test::Log;
using CountdownTest = test::Started;

const std::string kTip = "Screen Saver will be DISABLED\nfor the next ";
const Log kBegin = {"POLL off", "COUNTDOWN on", "MENU 5 [Enable Screen Saver]",
                    "MENU 1 [Start Screen Saver] grey",
                    "NOTIFY MODIFY timed [Screen Saver is ENABLED]"};
// The end: countdown off, screen saver on, poller on, menu restored, and the
// icon redrawn from the true state at once.
const Log kEnd = {"COUNTDOWN off",
                  "SPI_SET on",
                  "POLL on",
                  "MENU 1 [Start Screen Saver]",
                  "MENU 5 [Temporarily disable Screen Saver]",
                  "SPI_GET",
                  "NOTIFY MODIFY on [Screen Saver is ENABLED]"};

// Begin keeps the old tip until the first tick; the menu's end never starts
// the screen saver, a tick queued before the end does nothing, and the icon
// is redrawn from the true state.
TEST_F(CountdownTest, BeginTickAndMenuEnd) {
  Countdown& countdown = app.countdown();
  countdown.Begin({2, 30}, true);
  fake.system.now = 1000;
  app.OnTimer(TimerId::Countdown);
  EXPECT_EQ(fake.log,
            Join(kBegin, {"SPI_SET off", "NOTIFY MODIFY timed [" + kTip + "2 hours and 30 min]"}));
  fake.log.clear();
  app.OnMenuCommand(static_cast<int>(MenuCommand::TimedDisable));
  app.OnTimer(TimerId::Countdown);
  EXPECT_EQ(fake.log, kEnd);
  EXPECT_EQ(countdown.LastSpan().hours, 2);
  EXPECT_EQ(countdown.LastSpan().minutes, 30);
  // Switching back on may fail: the icon still leaves the countdown.
  countdown.Begin({1, 0}, false);
  fake.system.accepts = fake.system.active = false;
  countdown.End();
  EXPECT_EQ(fake.log.back(), "NOTIFY MODIFY off [Screen Saver is DISABLED]");
}

// A span of S seconds ends on the tick at S - 1 seconds, and starts the screen
// saver only when asked; afterwards the dialog offers 0 hours and 1 minute.
TEST_F(CountdownTest, EndsOnTheTickBeforeTheLastSecond) {
  for (bool startWhenDone : {false, true}) {
    app.countdown().Begin({0, 1}, startWhenDone);
    int ticks = 0;
    while (app.countdown().Running() && ticks < 100) {
      fake.system.now += 1000;
      fake.log.clear();
      app.OnTimer(TimerId::Countdown);
      ++ticks;
    }
    EXPECT_EQ(ticks, 59);
    Log expected = Join({"SPI_SET off", "NOTIFY MODIFY timed [" + kTip + "few seconds]"}, kEnd);
    if (startWhenDone) expected.push_back("START");
    EXPECT_EQ(fake.log, expected);
    EXPECT_EQ(app.countdown().LastSpan().minutes, 1);
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
    app.countdown().Begin({2, 0}, false);
    fake.system.now = row.tick;
    fake.log.clear();
    app.OnTimer(TimerId::Countdown);
    fake.log.resize(2);  // the tick's own work; an end follows
    EXPECT_EQ(fake.log, (Log{"SPI_SET off", "NOTIFY MODIFY timed [" + kTip +
                                                (row.tip ? row.tip : "few seconds") + "]"}))
        << row.tick;
    EXPECT_EQ(app.countdown().Running(), row.tip != nullptr) << row.tick;
    app.countdown().End();
  }
}

TEST(SpanEntry, KeysStepsAndCharacters) {
  for (int key = 0; key < 256; ++key) {
    const bool digit = (key >= 48 && key <= 57) || (key >= 96 && key <= 105);
    const KeyAction expected = digit || key == 8 || key == 46 ? KeyAction::Pass
                               : key == 38                    ? KeyAction::StepUp
                               : key == 40                    ? KeyAction::StepDown
                                                              : KeyAction::Discard;
    EXPECT_EQ(FilterKey(key), expected) << key;
  }
  const UpDownRange hours = SpanUpDownRange(SpanField::Hours);
  const UpDownRange minutes = SpanUpDownRange(SpanField::Minutes);
  EXPECT_EQ((std::vector<int>{StepValue(15, hours, true), StepValue(0, hours, false),
                              StepValue(7, hours, true), StepValue(59, minutes, true),
                              StepValue(0, minutes, false), StepValue(7, minutes, false)}),
            (std::vector<int>{15, 0, 8, 0, 59, 6}));
  for (std::uint32_t c : {0x08u, 0x16u, 0x30u, 0x39u}) EXPECT_TRUE(FieldAcceptsChar(c)) << c;
  for (std::uint32_t c : {0x20u, 0x2Du, 0x41u, 0x3Au, 0x2Fu, 0xFF11u, 0x0660u}) {
    EXPECT_FALSE(FieldAcceptsChar(c)) << c;
  }
}

struct DialogTest : test::Started {
  test::FakeDialogView view{fake.log};
  TimedDisableDialog dialog{view, app.countdown()};
};

// The fields offer the last span with the hours selected; the clock starts at
// frame 0, and a reopened dialog's clock goes on where it stopped.
TEST_F(DialogTest, LoadsTheLastSpanAndRunsTheClock) {
  app.countdown().Begin({15, 59}, true);
  app.countdown().End();
  fake.log.clear();
  dialog.Load();
  EXPECT_EQ(fake.log, (Log{"TEXT H [15]", "SELECT H 0 2", "TEXT M [59]", "FRAME 0", "CHECK 1"}));
  for (int i = 0; i < 25; ++i) dialog.OnClockTick();
  EXPECT_EQ(fake.log.back(), "FRAME 1");
  dialog.Load();
  dialog.OnClockTick();
  EXPECT_EQ(fake.log.back(), "FRAME 2");
}

// OK starts a positive span and closes; a zero span is refused silently; a
// field that is no number gets the focus with its text selected.
TEST_F(DialogTest, OkStartsOnlyAPositiveSpan) {
  const struct {
    const char *hours, *minutes;
    Log log;
  } rows[] = {
      {"0", "0", {}},
      {"", "", {}},
      {"0", "1", Join(kBegin, {"CLOSE"})},
      {"99", "99", Join(kBegin, {"CLOSE"})},
      {"-1", "5", {"SELECT H 0 2", "FOCUS H"}},
      {"1", "1x9", {"SELECT M 0 3", "FOCUS M"}},
  };
  for (const auto& row : rows) {
    fake.log.clear();
    dialog.OnOk(row.hours, row.minutes, true);
    EXPECT_EQ(fake.log, row.log) << row.hours << " " << row.minutes;
    app.countdown().End();
  }
}

}  // namespace
}  // namespace bw
