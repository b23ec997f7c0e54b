// The timed disable: the countdown against the clock as the icon and the
// screen saver show it, and the dialog that starts it.
#include "timed/countdown.h"

#include <gtest/gtest.h>

#include "app/settings_layout.h"
#include "fakes.h"
#include "timed/timed_disable_dialog.h"

namespace bw {
namespace {

using CountdownTest = test::Started;

const std::string kCounting = "saver off, clock: Screen Saver will be DISABLED\nfor the next ";
const std::string kOn = "saver on, green: Screen Saver is ENABLED";

// The clock picture shows at once and the tip counts from the first tick,
// which switches the screen saver off, again at each tick whatever switched
// it on; the menu's end switches it back on without starting it, and a tick
// queued before the end does nothing. Switching back may fail: the icon
// still leaves the countdown.
TEST_F(CountdownTest, BeginTickAndEndFromTheMenu) {
  app.BeginTimedDisable({2, 30}, true);
  EXPECT_EQ(Seen(), "saver on, clock: Screen Saver is ENABLED");
  EXPECT_TRUE(fake.ui.Runs(TimerId::Countdown) && !fake.ui.Runs(TimerId::Poll));
  CountdownSeconds(1);
  fake.system.active = true;
  CountdownSeconds(1);
  EXPECT_EQ(Seen(), kCounting + "2 hours and 30 min");

  Choose(MenuCommand::TimedDisable);
  Tick(TimerId::Countdown);
  EXPECT_EQ(Seen(), kOn);
  EXPECT_EQ(fake.system.started, 0);
  EXPECT_TRUE(fake.ui.Runs(TimerId::Poll) && !fake.ui.Runs(TimerId::Countdown));
  EXPECT_EQ(app.countdown().LastSpan().hours * 100 + app.countdown().LastSpan().minutes, 230);
  app.BeginTimedDisable({1, 0}, false);
  CountdownSeconds(1);
  fake.system.accepts = false;
  Choose(MenuCommand::TimedDisable);
  EXPECT_EQ(Seen(), "saver off, red: Screen Saver is DISABLED");
}

// A span of S seconds ends on the tick at S - 1 seconds, and starts the screen
// saver only when asked, once it is on and the display is let go; afterwards
// the dialog offers 0 hours and 1 minute.
TEST_F(CountdownTest, EndsOnTheTickBeforeTheLastSecond) {
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  for (bool startWhenDone : {false, true}) {
    app.BeginTimedDisable({0, 1}, startWhenDone);
    CountdownSeconds(58);
    EXPECT_EQ(Seen(), kCounting + "few seconds");
    CountdownSeconds(1);
    EXPECT_EQ(Seen(), kOn);
    EXPECT_EQ(fake.system.started, startWhenDone ? 1 : 0);
    EXPECT_EQ(app.countdown().LastSpan().minutes, 1);
  }
}

// The countdown ticks on while the menu is open: when the span ends
// meanwhile, the item that read "Enable Screen Saver" opens no dialog.
TEST_F(CountdownTest, AMenuItemDoesWhatItShowed) {
  app.BeginTimedDisable({0, 1}, false);
  fake.ui.whilePopupOpen = [&] { CountdownSeconds(60); };
  Choose(MenuCommand::TimedDisable);
  EXPECT_EQ(fake.ui.dialogs, 0);
  EXPECT_EQ(Seen(), kOn);
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
    app.BeginTimedDisable({2, 0}, false);
    fake.system.now = row.tick;
    Tick(TimerId::Countdown);
    EXPECT_EQ(Seen(), row.tip ? kCounting + row.tip : kOn) << row.tick;
    if (row.tip) Choose(MenuCommand::TimedDisable);
  }
}

// The dialog's window as the user sees it.
struct FakeDialogView : TimedDialogView {
  static int N(SpanField f) { return f == SpanField::Hours ? 0 : 1; }
  void SetFieldText(SpanField f, const std::string& t) override { text[N(f)] = t; }
  void SelectField(SpanField f, int start, int length) override {
    selection[N(f)] = {start, start + length};
  }
  void FocusField(SpanField f) override { focus = N(f); }
  void SetUpDownValue(SpanField f, int value) override { text[N(f)] = std::to_string(value); }
  void ShowClockFrame(int shown) override { frame = shown; }
  void SetStartWhenDone(bool start) override { startWhenDone = start; }
  void Close() override { closed = true; }
  std::string text[2];
  std::pair<int, int> selection[2];
  int focus = -1, frame = -1;
  bool startWhenDone = false, closed = false;
};

struct DialogTest : test::Started {
  FakeDialogView view;
  TimedDisableDialog dialog{view, app.countdown(), app};
};

// The fields offer the last span with the hours selected; the clock starts at
// frame 0, and a reopened dialog's clock goes on where it stopped.
TEST_F(DialogTest, OpensOnTheLastSpanAndRunsTheClock) {
  app.BeginTimedDisable({15, 59}, true);
  Choose(MenuCommand::TimedDisable);
  dialog.Load();
  EXPECT_EQ(view.text[0] + ":" + view.text[1], "15:59");
  EXPECT_EQ(view.selection[0], std::make_pair(0, 2));
  EXPECT_EQ(view.frame, 0);
  EXPECT_TRUE(view.startWhenDone);
  for (int i = 0; i < 25; ++i) dialog.OnClockTick();
  EXPECT_EQ(view.frame, 1);
  dialog.Load();
  dialog.OnClockTick();
  EXPECT_EQ(view.frame, 2);
}

// OK starts a positive span and closes; a zero span is refused silently; a
// field that is no number gets the focus with its text selected.
TEST_F(DialogTest, OkStartsOnlyAPositiveSpan) {
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
    view = {};
    dialog.OnOk(row.hours, row.minutes, true);
    EXPECT_EQ(app.countdown().Running(), row.starts);
    EXPECT_EQ(view.closed, row.starts);
    EXPECT_EQ(view.focus, row.badField);
    if (row.badField >= 0) EXPECT_EQ(view.selection[row.badField], std::make_pair(0, row.selected));
    Choose(MenuCommand::TimedDisable);
  }
}

}  // namespace
}  // namespace bw
