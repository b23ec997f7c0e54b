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

}  // namespace
}  // namespace bw
