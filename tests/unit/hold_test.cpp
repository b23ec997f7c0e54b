// The hold's rules: a listed program that runs or a window in full screen
// holds the screen saver off, and the user, a policy and a crash each have
// their say.
#include "hold/hold.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "hold/full_screen.h"

namespace bw {
namespace {

using test::kOn, test::kOff;
const std::string kByObs = "saver off, red: Screen Saver is DISABLED while obs64.exe runs";
const std::string kByFullScreen =
    "saver off, red: Screen Saver is DISABLED while a program is full screen";
const std::string kByPolicy = "saver off, red: Screen Saver is DISABLED by policy";
const std::string kPolicy =
    "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop|ScreenSaveActive";

// A copy started with these programs listed, full screen ticked or not.
struct HoldTest : ::testing::Test, test::WithPlatform, test::Program {
  HoldTest() : Program(platform) {}
  void Start(std::vector<std::string> listed, bool fullScreen = false) {
    fake.registry.lists["Software\\Blinkward\\Programs|"] = listed;
    if (fullScreen) fake.registry.values["Software\\Blinkward\\FullScreen|"] = "1";
    Program::Start();
  }
  // An administrator's policy that keeps the screen saver off comes or goes.
  static void Policy(test::Program& copy, bool on) {
    if (on) copy.fake.registry.numbers[kPolicy] = 0;
    if (!on) copy.fake.registry.numbers.erase(kPolicy);
    copy.app.OnPolicyChanged();
  }
  test::FakePrograms& programs = fake.programs;
};

// A listed program's window starts the hold at once, whatever the case of its
// name, and whatever process had its id before; its end switches the screen
// saver back on, only if it was on, also for a copy started later.
TEST_F(HoldTest, AListedProgramHoldsTheScreenSaverOffWhileItRuns) {
  Start({"OBS64.EXE", "vlc.exe"});
  EXPECT_TRUE(programs.reporting);
  const std::uint32_t obs = programs.Start("obs64.exe");
  EXPECT_EQ(Seen(), kByObs);
  const std::uint32_t notepad = programs.Start("notepad.exe");
  Pass(1000);
  EXPECT_EQ(Seen(), kByObs);
  programs.End(obs);
  EXPECT_EQ(Seen(), kOn);
  programs.End(notepad);
  const std::uint32_t reused = programs.Start("obs64.exe", true, true, notepad);
  EXPECT_EQ(Seen(), kByObs);
  programs.End(reused);
  EXPECT_EQ(Seen(), kOn);

  fake.system.active = false;
  const std::uint32_t again = programs.Start("obs64.exe");
  EXPECT_EQ(Seen(), kByObs);
  programs.End(again);
  EXPECT_EQ(Seen(), kOff);
  test::FakePlatform later(fake.registry);
  later.system.active = false;
  test::Program copy(later);
  copy.Start();
  EXPECT_EQ(later.Seen(), kOff);
}

// A program without a window is found by the look at the whole session, 12
// seconds after the last; another user's never counts; one taken off the
// list lets go.
TEST_F(HoldTest, ProgramsWithoutWindowsAreFoundByTheLookAndOthersUsersNever) {
  Start({"render.exe", "obs64.exe"});
  programs.Start("obs64.exe", true, false);
  programs.Start("render.exe", false);
  Pass(11750);
  EXPECT_EQ(Seen(), kOn);
  Pass(250);
  EXPECT_EQ(Seen(), "saver off, red: Screen Saver is DISABLED while render.exe runs");
  app.OnSettingChanged(kIdPrograms, 0);
  app.OnSettingsButton(kIdRemoveProgram);
  EXPECT_EQ(Seen(), kOn);
  EXPECT_TRUE(programs.watched.empty());
}

// Nothing is watched, looked at or reported without a list or full screen.
TEST_F(HoldTest, WithoutAListNothingIsWatched) {
  Start({});
  programs.Start("obs64.exe", false);
  Pass(30000);
  EXPECT_FALSE(programs.reporting);
  EXPECT_EQ(programs.looks, 0);
  EXPECT_EQ(Seen(), kOn);
}

// Another program that switches the screen saver on is overruled at the next
// poll; the user's click is not: the hold stands aside until every reason has
// ended, and the next reason holds again. The taskbar, the desktop or the
// program's own menu coming forward as the user reaches for the icon changes
// nothing.
TEST_F(HoldTest, TheUserSetsTheHoldAsideUntilItsReasonsEnd) {
  Start({"obs64.exe", "vlc.exe"}, true);
  const std::uint32_t obs = programs.Start("obs64.exe");
  fake.system.active = true;
  Pass(250);
  EXPECT_EQ(Seen(), kByObs);
  Tray(kLeftButtonDown);
  const std::uint32_t vlc = programs.Start("vlc.exe");
  programs.End(obs);
  programs.Front(Foreground::FullScreen);
  Pass(1000);
  EXPECT_EQ(Seen(), kOn);
  programs.End(vlc);
  programs.Front(Foreground::Passing);
  EXPECT_EQ(Seen(), kOn);
  programs.Front(Foreground::Windowed);
  programs.Front(Foreground::FullScreen);
  programs.Front(Foreground::Passing);
  EXPECT_EQ(Seen(), kByFullScreen);
}

// Under a policy no hold switches anything or names itself. The hold's duty
// to switch the screen saver back on waits through the policy, across a
// restart or an Exit too, and is done when the policy goes.
TEST_F(HoldTest, APolicySuspendsTheHoldWithoutErasingItsDuty) {
  Start({"obs64.exe"});
  const std::uint32_t obs = programs.Start("obs64.exe");
  Policy(*this, true);
  Pass(500);
  EXPECT_EQ(Seen(), kByPolicy);
  Policy(*this, false);
  EXPECT_EQ(Seen(), kByObs);

  Policy(*this, true);
  test::FakeRegistry users = fake.registry;
  test::FakePlatform later(users);
  later.system.active = false;
  test::Program copy(later);
  copy.Start();
  EXPECT_EQ(later.Seen(), kByPolicy);
  Policy(copy, false);
  EXPECT_EQ(later.Seen(), kOn);

  programs.End(obs);
  Pass(500);
  EXPECT_EQ(Seen(), kByPolicy);
  Policy(*this, false);
  EXPECT_EQ(Seen(), kOn);

  programs.Start("obs64.exe");
  Policy(*this, true);
  Choose(MenuCommand::Exit);
  test::FakePlatform next(fake.registry);
  next.system.active = false;
  test::Program third(next);
  third.Start();
  Policy(third, false);
  EXPECT_EQ(next.Seen(), kOn);
}

// The system's word (a presentation, a game in Direct3D's full screen) may
// change with no window moving: it is asked at each poll while full screen is
// ticked and the window in front does not fill its monitor itself; unticked,
// never.
TEST_F(HoldTest, TheSystemsWordOnFullScreenIsAskedAtEachPoll) {
  Start({"obs64.exe"}, true);
  programs.presentation = true;
  Pass(250);
  EXPECT_EQ(Seen(), kByFullScreen);
  programs.presentation = false;
  Pass(250);
  EXPECT_EQ(Seen(), kOn);
  programs.Front(Foreground::FullScreen);
  int asked = programs.systemAsked;
  Pass(1000);
  EXPECT_EQ(programs.systemAsked, asked);
  programs.Front(Foreground::Windowed);
  app.OnSettingChanged(kIdFullScreen, 0);
  asked = programs.systemAsked;
  programs.presentation = true;
  Pass(5000);
  EXPECT_EQ(Seen(), kOn);
  EXPECT_EQ(programs.systemAsked, asked);
}

// After Exit nothing of the hold acts: what the queue still holds (the window
// that comes forward as the program's own go, a listed program's window or
// end, a change of the clock or the settings) switches nothing and starts no
// watch or wait.
TEST_F(HoldTest, NothingOfTheHoldActsAfterExit) {
  fake.registry.values[test::FakeRegistry::Name(kWorkingHoursKey, "")] = "1;1111111;09:00;17:00";
  Start({"obs64.exe"}, true);
  const std::uint32_t obs = programs.Start("obs64.exe");
  programs.Front(Foreground::FullScreen);
  EXPECT_EQ(Seen(), kByObs);
  Choose(MenuCommand::Exit);
  app.OnProcessEnded(obs);
  EXPECT_EQ(Seen(), "saver on, no icon");
  app.OnForegroundChanged();
  app.OnWindowShown(programs.Start("obs64.exe"), 2);
  fake.system.localStart = 10 * 3600;
  app.OnTimeChanged();
  app.OnSettingChanged(kIdFullScreen, 0);
  EXPECT_EQ(Seen(), "saver on, no icon");
  EXPECT_FALSE(programs.reporting);
  EXPECT_TRUE(programs.watched.empty());
  EXPECT_TRUE(fake.ui.timers.empty());
}

// A copy ended by force leaves the screen saver off and its note; the next
// copy of the logon carries the hold on while the program runs, or switches
// the screen saver back on if it has ended.
TEST_F(HoldTest, AHoldOutlivesACrash) {
  Start({"obs64.exe"});
  const std::uint32_t obs = programs.Start("obs64.exe", false);
  Pass(12000);
  EXPECT_EQ(Seen(), kByObs);
  for (bool endsMeanwhile : {false, true}) {
    SCOPED_TRACE(endsMeanwhile);
    test::FakeRegistry users = fake.registry;
    test::FakePlatform later(users);
    later.programs.running = programs.running;
    if (endsMeanwhile) later.programs.running.erase(obs);
    later.system.active = false;
    test::Program copy(later);
    copy.Start();
    EXPECT_EQ(later.Seen(), endsMeanwhile ? kOn : kByObs);
    later.programs.End(obs);
    EXPECT_EQ(later.Seen(), kOn);
  }
}

// Ticked, a window in full screen holds as it comes forward, or within a
// second of a new window (which may grow to full screen unreported);
// unticked, it never does, and unticking ends its hold.
TEST_F(HoldTest, AFullScreenWindowHoldsWhileTicked) {
  Start({"obs64.exe"}, true);
  programs.Front(Foreground::FullScreen);
  EXPECT_EQ(Seen(), kByFullScreen);
  programs.Front(Foreground::Windowed);
  EXPECT_EQ(Seen(), kOn);
  programs.Start("game.exe");
  programs.foreground = Foreground::FullScreen;
  Pass(1000);
  EXPECT_EQ(Seen(), kByFullScreen);
  const std::uint32_t obs = programs.Start("obs64.exe");
  EXPECT_EQ(Seen(), kByObs);
  programs.End(obs);
  EXPECT_EQ(Seen(), kByFullScreen);
  app.OnSettingChanged(kIdFullScreen, 0);
  EXPECT_EQ(Seen(), kOn);
  programs.Front(Foreground::FullScreen);
  Pass(5000);
  EXPECT_EQ(Seen(), kOn);
}

// A window fills its monitor, wherever that lies, when it covers it without a
// caption or a sizing frame: one the user can move or size never does,
// maximized or restored over the monitor.
TEST(FullScreen, OnlyAWindowWithoutCaptionOrSizingFrameFillsItsMonitor) {
  const ScreenRect monitor{1920, 0, 3200, 1024}, over{1912, -8, 3208, 1032};
  const struct {
    ScreenRect window;
    bool shown, caption, sizingFrame, fills;
  } rows[] = {{monitor, true, false, false, true},
              {over, true, false, false, true},
              {{1920, 0, 3200, 1023}, true, false, false, false},
              {{1921, 0, 3200, 1024}, true, false, false, false},
              {over, true, true, false, false},
              {over, true, false, true, false},
              {monitor, false, false, false, false}};
  for (const auto& row : rows) {
    const WindowFacts facts{row.window, monitor, row.shown, row.caption, row.sizingFrame};
    EXPECT_EQ(FillsMonitor(facts), row.fills) << &row - rows;
  }
}

// A copy started on Monday at 08:59 with working hours on weekdays from 09:00
// to 17:30.
struct HoursTest : ::testing::Test, test::WithPlatform, test::Program {
  HoursTest() : Program(platform) {
    fake.registry.values[test::FakeRegistry::Name(kWorkingHoursKey, "")] = "1;1111100;09:00;17:30";
    fake.system.localStart = (8 * 60 + 59) * 60;
    Start();
  }
  void PowerFrom(bool battery) {
    fake.power.battery = battery;
    app.OnPowerSourceChanged();
  }
};
const std::string kByHours = "saver off, red: Screen Saver is DISABLED until 17:30 (working hours)";
const std::string kByHours0230 =
    "saver off, red: Screen Saver is DISABLED until 02:30 (working hours)";
const std::string kByHours0500 =
    "saver off, red: Screen Saver is DISABLED until 05:00 (working hours)";

// The hours hold from their start to their end, each edge met by one wait, as
// the programs' hold does: another program's switch is overruled, full
// screen's tip comes first, the user's click sets them aside until they end,
// and the next day they hold again, in the user's format. A change of the
// clock is followed at once, and a wait goes by the zone's rules: with summer
// time from 02:00, 01:00 is seven hours before 09:00. Unticked, or at Exit,
// nothing waits.
TEST_F(HoursTest, WorkingHoursHoldFromTheirStartToTheirEnd) {
  Pass(60 * 1000);
  EXPECT_EQ(Seen(), kByHours);
  fake.system.active = true;
  Pass(250);
  EXPECT_EQ(Seen(), kByHours);
  fake.programs.foreground = Foreground::FullScreen;
  app.OnSettingChanged(kIdFullScreen, 1);
  EXPECT_EQ(Seen(), "saver off, red: Screen Saver is DISABLED while a program is full screen");
  fake.programs.Front(Foreground::Windowed);
  EXPECT_EQ(Seen(), kByHours);
  Tray(kLeftButtonDown);
  Pass((8 * 60 + 30) * 60 * 1000);
  EXPECT_EQ(Seen(), test::kOn);
  fake.locale.twelveHour = true;
  Pass((15 * 60 + 30) * 60 * 1000);
  const std::string byHoursPm =
      "saver off, red: Screen Saver is DISABLED until 5:30 PM (working hours)";
  EXPECT_EQ(Seen(), byHoursPm);
  fake.system.localStart -= 8 * 3600;
  fake.system.summerFrom = (24 + 2) * 3600;
  app.OnTimeChanged();
  EXPECT_EQ(Seen(), test::kOn);
  Pass(7 * 3600 * 1000 - 1000);
  EXPECT_EQ(Seen(), test::kOn);
  Pass(1000);
  EXPECT_EQ(Seen(), byHoursPm);
  app.OnSettingChanged(kIdWorkingHours, 0);
  EXPECT_FALSE(fake.ui.Runs(static_cast<int>(TimerId::Hours)));
  app.OnSettingChanged(kIdWorkingHours, 1);
  Choose(MenuCommand::Exit);
  EXPECT_TRUE(fake.ui.timers.empty());
}

// On the nights the clocks change at 02:00 or 03:00, a copy started at 01:00.
// An edge in the hour they skip comes at the jump, looked for once a minute
// meanwhile, never at once again and again; one in the hour they repeat, on its
// first pass.
TEST(WorkingHoursHold, AnEdgeInAnHourSkippedOrRepeated) {
  for (const int summer : {3600, -3600}) {
    test::FakePlatform fake;
    fake.registry.values[test::FakeRegistry::Name(kWorkingHoursKey, "")] =
        summer > 0 ? "1;1111111;02:30;05:00" : "1;1111111;01:30;02:30";
    fake.system.localStart = 3600;
    fake.system.summer = summer;
    fake.system.summerFrom = summer > 0 ? 2 * 3600 : 3 * 3600;
    test::Program copy(fake);
    copy.Start();
    const int started = fake.ui.starts;
    copy.Pass((summer > 0 ? 3600 : 5400) * 1000 - 1000);
    EXPECT_EQ(fake.Seen(), summer > 0 ? test::kOn : kByHours0230) << summer;
    EXPECT_LT(fake.ui.starts - started, 40);
    copy.Pass(2000);
    EXPECT_EQ(fake.Seen(), summer > 0 ? kByHours0500 : test::kOn) << summer;
  }
}

// Only on mains power: on battery the program's own reasons hold nothing and
// the display is not kept on, as soon as either changes; the user's say
// outlasts the battery, and the user's click still switches the screen saver
// off.
TEST_F(HoursTest, OnBatteryOnlyTheUserHoldsWhereMainsPowerIsAsked) {
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  PowerFrom(true);
  Pass(60 * 1000);
  EXPECT_EQ(Seen(), kByHours);
  app.OnSettingChanged(kIdMainsOnly, 1);
  EXPECT_EQ(Seen(), test::kOn);
  PowerFrom(false);
  EXPECT_EQ(Seen(), kByHours);
  EXPECT_TRUE(fake.power.held());
  Tray(kLeftButtonDown);
  for (const bool battery : {true, false, true}) {
    PowerFrom(battery);
    EXPECT_EQ(Seen(), test::kOn) << "the user's say ended with the battery";
  }
  Tray(kLeftButtonDown);
  EXPECT_EQ(Seen(), test::kOff);
  EXPECT_FALSE(fake.power.held());
}

}  // namespace
}  // namespace bw
