// The timed-disable dialog's logic as its window shows it.
#include "timed/timed_disable_dialog.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

using TimedDisableDialogTest = test::Started;

// The fields offer the last span with the hours selected; the stopwatch turns
// while the dialog is open, a frame a tick, and a reopened dialog's clock goes
// on where it stopped.
TEST_F(TimedDisableDialogTest, OpensOnTheLastSpanAndTurnsTheStopwatch) {
  BeginSpan(15, 59, true);
  Choose(MenuCommand::TimedDisable);  // ends the span
  fake.dialog.whileOpen = [&] {
    EXPECT_EQ(fake.dialog.text[0] + ":" + fake.dialog.text[1], "15:59");
    EXPECT_EQ(fake.dialog.selection[0], std::make_pair(0, 2));
    EXPECT_TRUE(fake.dialog.startWhenDone);
    EXPECT_EQ(fake.dialog.frame, 0);
    for (int frame = 1; frame <= kClockFrameCount + 1; ++frame) {
      Tick(TimerId::Stopwatch);
      EXPECT_EQ(fake.dialog.frame, frame % kClockFrameCount);
    }
    fake.dialog.events->OnCancel();
  };
  Choose(MenuCommand::TimedDisable);
  EXPECT_FALSE(fake.dialog.open || fake.ui.Runs(static_cast<int>(TimerId::Stopwatch)));
  fake.dialog.whileOpen = [&] { Tick(TimerId::Stopwatch); };
  Choose(MenuCommand::TimedDisable);
  EXPECT_EQ(fake.dialog.frame, 2);
}

// OK starts a positive span and closes; a zero span is refused silently; a
// field that is no number gets the focus with its text selected.
TEST_F(TimedDisableDialogTest, OkStartsOnlyAPositiveSpan) {
  const struct {
    const char *hours, *minutes;
    bool starts;
    int badField;  // -1: none
    int selected;
  } rows[] = {
      {"0", "0", false, -1, 0},  {"", "", false, -1, 0},   {"0", "1", true, -1, 0},
      {"99", "99", true, -1, 0}, {"-1", "5", false, 0, 2}, {"1", "1x9", false, 1, 3},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.hours << " " << row.minutes);
    fake.dialog.whileOpen = [&] {
      fake.dialog.focus = -1;
      fake.dialog.Ok(row.hours, row.minutes, true);
    };
    Choose(MenuCommand::TimedDisable);
    EXPECT_EQ(fake.shell.picture == TrayPicture::TimedDisable, row.starts);
    EXPECT_EQ(fake.dialog.open, !row.starts);
    EXPECT_EQ(fake.dialog.focus, row.badField);
    if (row.badField >= 0) {
      EXPECT_EQ(fake.dialog.selection[row.badField], std::make_pair(0, row.selected));
    }
    if (row.starts) Choose(MenuCommand::TimedDisable);
    fake.dialog.events->OnCancel();
  }
}

// "Until" first offers the next whole hour, and says how long a time is from
// now as the user sets it and as the minutes turn: a time passed or equal to
// now is tomorrow's, and a change to summer time in between counts. OK begins
// that span, which ends the second before the time; the next opening offers
// the way and time last confirmed. A time of day that is none is pointed at.
TEST_F(TimedDisableDialogTest, UntilATimeOfDayIsASpanFromNow) {
  fake.system.localStart = (14 * 60 + 20) * 60;  // Monday 14:20:00
  fake.dialog.whileOpen = [&] {
    EXPECT_FALSE(fake.dialog.until);
    EXPECT_EQ(fake.dialog.untilTime, 15 * 60);
    EXPECT_EQ(fake.dialog.untilText, "40 minutes from now");
    fake.dialog.ChooseWay(true);
    EXPECT_TRUE(fake.dialog.untilUsable);
    fake.system.summerFrom = 15 * 3600;
    fake.dialog.SetTime(17 * 60);
    EXPECT_EQ(fake.dialog.untilText, "1 hour 40 minutes from now");
    fake.system.summerFrom = INT64_MAX;
    for (const auto& [time, text] : std::initializer_list<std::pair<int, const char*>>{
             {14 * 60 + 19, "23 hours 59 minutes from now"},
             {14 * 60 + 20, "24 hours from now"},
             {15 * 60 + 21, "1 hour 1 minute from now"}}) {
      fake.dialog.SetTime(time);
      EXPECT_EQ(fake.dialog.untilText, text) << time;
    }
    fake.dialog.SetTime(24 * 60);
    fake.dialog.Ok("", "", false);
    EXPECT_EQ(fake.dialog.focus, static_cast<int>(SpanField::Until));
    fake.dialog.SetTime(16 * 60 + 30);
    for (const char* text : {"2 hours 10 minutes from now", "2 hours 9 minutes from now"}) {
      fake.system.now += 30 * 1000;
      Tick(TimerId::Stopwatch);
      EXPECT_EQ(fake.dialog.untilText, text);
    }
    fake.dialog.Ok("", "", false);
  };
  Choose(MenuCommand::TimedDisable);
  CountdownSeconds(7738);
  EXPECT_EQ(Seen(), test::kCounting + "few seconds");
  CountdownSeconds(1);
  EXPECT_EQ(Seen(), test::kOn);
  fake.dialog.whileOpen = [&] {
    EXPECT_TRUE(fake.dialog.until);
    EXPECT_EQ(fake.dialog.untilTime, 16 * 60 + 30);
    fake.dialog.ChooseWay(false);
    fake.dialog.Ok("0", "5", false);
  };
  Choose(MenuCommand::TimedDisable);
  Choose(MenuCommand::TimedDisable);
  fake.dialog.whileOpen = [&] { EXPECT_FALSE(fake.dialog.until); };
  Choose(MenuCommand::TimedDisable);
}

}  // namespace
}  // namespace bw
