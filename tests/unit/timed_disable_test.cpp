#include "timed/timed_disable.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes.h"

namespace bw {
namespace {

using test::Log;

class FakeDialogHost : public TimedDialogHost {
 public:
  explicit FakeDialogHost(Log& log) : log_(log) {}
  void ShowTimedDisableDialog() override { log_.push_back("DIALOG"); }

 private:
  Log& log_;
};

const std::string kFirstLine = "Screen Saver will be DISABLED\n";
// Log lines of the fakes: timers 1 `tmrSSCheck` and 2 `tmrSSTimedDisable`,
// menu items 1 `mnuStartSS` and 5 `mnuTimedDisable`, icons 0x1001 enabled and
// 0x1003 timed disable.
const std::string kEnd[] = {"TIMER 2 off", "SPI_SET 0xFFFFFFFF 0", "TIMER 1 on", "MENU 1 on",
                            "MENU 5 [Temporarily disable Screen Saver]"};

// The main form's pieces, idle, with the poller showing an active screen saver.
class TimedDisableTest : public ::testing::Test {
 protected:
  TimedDisableTest() {
    timed.SetDialogHost(host);
    tmrSSCheck.SetEnabled(true);
    trayIcon.AddTrayIcon();
    poller.Tick();
    fake.log.clear();
  }

  // What the dialog's OK does with a span of the given seconds.
  void Start(std::int32_t seconds, bool startOnExpire = false) {
    timed.SecondsLeft = seconds - 1;
    timed.BeginTimedDisable();
    timed.StartOnExpire = startOnExpire;
    fake.log.clear();
  }

  std::string LastTip() const { return std::string(TipFieldText(fake.shell.sent.back().szTip)); }

  test::FakePlatform fake;
  ScreenSaver screenSaver{fake.system, fake.registry};
  TrayIcon trayIcon{fake.shell, fake.forms};
  StatusPoller poller{screenSaver, trayIcon};
  Timer tmrSSCheck{fake.forms, TimerId::SSCheck};
  Timer tmrSSTimedDisable{fake.forms, TimerId::SSTimedDisable};
  TimedDisable timed{tmrSSCheck, tmrSSTimedDisable, screenSaver, trayIcon, poller, fake.forms};
  FakeDialogHost host{fake.log};
};

TEST_F(TimedDisableTest, BeginStopsThePollerAndShowsTheTimedPictureWithTheOldTip) {
  timed.SecondsLeft = 59;
  timed.BeginTimedDisable();
  EXPECT_EQ(fake.log, (Log{"TIMER 1 off", "TIMER 2 on", "MENU 5 [Enable Screen Saver]",
                           "MENU 1 off", "NOTIFY 1 icon=0x1003 tip=[Screen Saver is ENABLED]"}));
  EXPECT_TRUE(timed.Running());
  EXPECT_TRUE(poller.CachedEnabled);
}

TEST_F(TimedDisableTest, TickSwitchesOffShowsTheTimeLeftAndCountsDown) {
  Start(9000);
  timed.Tick();
  EXPECT_EQ(fake.log, (Log{"SPI_SET 0x0 0", "NOTIFY 1 icon=0x1003 tip=[" + kFirstLine +
                                                "for the next 2 hours and 30 min]"}));
  EXPECT_EQ(timed.SecondsLeft, 8998);
  EXPECT_EQ(timed.DisableHours, 2);
  EXPECT_EQ(timed.DisableMinutes, 30);
}

TEST_F(TimedDisableTest, LastTickEndsAndStartsTheScreenSaverOnlyWhenAsked) {
  for (bool startOnExpire : {false, true}) {
    SCOPED_TRACE(startOnExpire);
    fake.system.active = 0;
    poller.CachedEnabled = true;
    Start(3, startOnExpire);
    timed.Tick();
    fake.log.clear();
    timed.Tick();
    Log expected = {"SPI_SET 0x0 0",
                    "NOTIFY 1 icon=0x1003 tip=[" + kFirstLine + "for the next few seconds]"};
    expected.insert(expected.end(), std::begin(kEnd), std::end(kEnd));
    if (startOnExpire) expected.push_back("SYSCOMMAND 0xF140");
    EXPECT_EQ(fake.log, expected);
    EXPECT_FALSE(timed.Running());
    EXPECT_FALSE(poller.CachedEnabled);
    EXPECT_EQ(timed.SecondsLeft, 0);
    // What the dialog opens with after a run-out.
    EXPECT_EQ(timed.DisableHours, 0);
    EXPECT_EQ(timed.DisableMinutes, 1);
  }
}

TEST_F(TimedDisableTest, MenuEndsARunningTimedDisableWithoutStartingTheScreenSaver) {
  Start(7200, true);
  timed.Tick();
  fake.log.clear();
  timed.OnMenuClick();
  EXPECT_EQ(fake.log, Log(std::begin(kEnd), std::end(kEnd)));
  EXPECT_FALSE(poller.CachedEnabled);
  EXPECT_EQ(timed.SecondsLeft, 7198);
  // The poller's next tick returns the icon to the enabled view; a tick that
  // was queued before the end changes nothing.
  fake.log.clear();
  timed.Tick();
  poller.Tick();
  EXPECT_EQ(fake.log, (Log{"SPI_GET", "NOTIFY 1 icon=0x1001 tip=[Screen Saver is ENABLED]"}));
}

TEST_F(TimedDisableTest, MenuOpensTheDialogWhileIdle) {
  timed.OnMenuClick();
  EXPECT_EQ(fake.log, Log{"DIALOG"});
}

// A span of S seconds ends on tick S - 1; tip counts for one minute as designed.
TEST_F(TimedDisableTest, SpanEndsOnTheTickBeforeItsLastSecond) {
  for (std::int32_t span : {60, 61, 119, 3600, 5400}) {
    SCOPED_TRACE(span);
    Start(span);
    int ticks = 0, minute = 0, fewSeconds = 0;
    while (timed.Running() && ticks <= span) {
      timed.Tick();
      ++ticks;
      minute += LastTip() == kFirstLine + "for the next minute";
      fewSeconds += LastTip() == kFirstLine + "for the next few seconds";
    }
    EXPECT_EQ(ticks, span - 1);
    EXPECT_EQ(minute, 29);
    EXPECT_EQ(fewSeconds, 30);
  }
}

// Ended early, the dialog next opens with the time the last tick showed.
TEST_F(TimedDisableTest, EarlyEndLeavesTheTimeLastShown) {
  struct Case {
    int ticks;
    std::int16_t hours, minutes;
  };
  for (Case c : {Case{1, 2, 0}, Case{60, 2, 0}, Case{61, 1, 59}, Case{120, 1, 59}}) {
    SCOPED_TRACE(c.ticks);
    timed.DisableHours = 2;
    timed.DisableMinutes = 0;
    Start(7200);
    for (int i = 0; i < c.ticks; ++i) timed.Tick();
    timed.OnMenuClick();
    EXPECT_EQ(timed.DisableHours, c.hours);
    EXPECT_EQ(timed.DisableMinutes, c.minutes);
  }
}

TEST_F(TimedDisableTest, UnloadWhileRunningSwitchesTheScreenSaverBackOn) {
  timed.OnMainUnload();
  EXPECT_EQ(fake.log, Log{}) << "idle: nothing to undo";
  Start(600, true);
  timed.Tick();
  fake.log.clear();
  timed.OnMainUnload();
  EXPECT_EQ(fake.log, (Log{"TIMER 2 off", "SPI_SET 0xFFFFFFFF 0"}));
  EXPECT_FALSE(timed.Running());
}

}  // namespace
}  // namespace bw
