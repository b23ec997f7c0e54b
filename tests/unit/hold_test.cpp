// The program steps in by itself: the screen saver is held off while a listed
// program runs, or a window is in full screen, and the user, a span, a
// policy and a crash each have their say.
#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

using test::kOn, test::kOff;

const std::string kHeldByObs = std::string("saver off, red: ") + kHeldTipLead + "obs64.exe runs";
const std::string kHeldByFullScreen = std::string("saver off, red: ") + kHeldByFullScreenTip;
const char* const kFullScreenKey = kSettingRows[SettingRowOf(kIdFullScreen)].key;

// A copy started with programs listed (and full screen ticked) in the registry.
struct HoldTest : ::testing::Test, test::WithPlatform, test::Program {
  HoldTest() : Program(platform) {}
  void StartWith(std::vector<std::string> programs, bool fullScreen = false) {
    fake.registry.lists[test::FakeRegistry::Name(kProgramsKey, "")] = std::move(programs);
    if (fullScreen) fake.registry.values[test::FakeRegistry::Name(kFullScreenKey, "")] = "1";
    Start();
  }
  test::FakePrograms& programs = fake.programs;
};

// A listed program's window starts the hold at once, whatever the case of its
// name, and whatever process had its id before; its end switches the screen
// saver back on, only if it was on. The display is kept on meanwhile when
// asked.
TEST_F(HoldTest, AListedProgramHoldsTheScreenSaverOffWhileItRuns) {
  fake.registry
      .values[test::FakeRegistry::Name(kSettingRows[SettingRowOf(kIdKeepDisplayOn)].key, "")] = "1";
  StartWith({"OBS64.EXE", "vlc.exe"});
  EXPECT_TRUE(programs.reporting);
  const std::uint32_t obs = programs.Start("obs64.exe");
  EXPECT_EQ(Seen(), kHeldByObs);
  EXPECT_TRUE(fake.power.held);
  const std::uint32_t notepad = programs.Start("notepad.exe");
  Pass(1000);
  EXPECT_EQ(Seen(), kHeldByObs);
  programs.End(obs);
  EXPECT_EQ(Seen(), kOn);
  EXPECT_FALSE(fake.power.held);
  programs.End(notepad);
  const std::uint32_t reused = programs.Start("obs64.exe", true, true, notepad);
  EXPECT_EQ(Seen(), kHeldByObs);
  programs.End(reused);
  EXPECT_EQ(Seen(), kOn);

  // Off already: it stays off at the end, and a copy started later in the
  // logon leaves it so.
  Tray(kLeftButtonDown);
  const std::uint32_t again = programs.Start("obs64.exe");
  EXPECT_EQ(Seen(), kHeldByObs);
  programs.End(again);
  EXPECT_EQ(Seen(), kOff);
  test::FakePlatform later(fake.registry);
  later.system.active = false;
  test::Program copy(later);
  copy.Start();
  EXPECT_EQ(copy.Seen(), kOff);
}

// A program without a window is found by the look at the whole session, a
// few seconds later; another user's never counts; one removed from the list
// lets go.
TEST_F(HoldTest, ProgramsWithoutWindowsAreFoundByTheLookAndOthersUsersNever) {
  StartWith({"render.exe", "obs64.exe"});
  programs.Start("obs64.exe", true, false);
  programs.Start("render.exe", false);
  Pass(kLookAtAllMs - 1000);
  EXPECT_EQ(Seen(), kOn);
  Pass(1000);
  EXPECT_EQ(Seen(), std::string("saver off, red: ") + kHeldTipLead + "render.exe runs");
  fake.ui.settings.programs.clear();
  app.OnSettingChanged(kIdPrograms, 0);
  app.OnSettingsButton(kIdRemoveProgram);
  EXPECT_EQ(fake.ui.settings.programs, std::vector<std::string>{"obs64.exe"});
  EXPECT_EQ(Seen(), kOn);
  EXPECT_TRUE(programs.watched.empty());
}

// Nothing is watched, looked at or reported without a list or full screen.
TEST_F(HoldTest, WithoutAListNothingIsWatched) {
  StartWith({});
  programs.Start("obs64.exe", false);
  Pass(30000);
  EXPECT_FALSE(programs.reporting);
  EXPECT_EQ(programs.looks, 0);
  EXPECT_EQ(Seen(), kOn);
}

// Another program that switches the screen saver on is overruled at the next
// poll; the user's click is not: the hold stands aside until every reason has
// ended, and the next start holds again.
TEST_F(HoldTest, TheUsersClickSetsTheHoldAsideUntilItsReasonsEnd) {
  StartWith({"obs64.exe", "vlc.exe"});
  const std::uint32_t obs = programs.Start("obs64.exe");
  fake.system.active = true;
  Pass(250);
  EXPECT_EQ(Seen(), kHeldByObs);
  Tray(kLeftButtonDown);
  EXPECT_EQ(Seen(), kOn);
  const std::uint32_t vlc = programs.Start("vlc.exe");
  programs.End(obs);
  Pass(1000);
  EXPECT_EQ(Seen(), kOn);
  programs.End(vlc);
  programs.Start("obs64.exe");
  EXPECT_EQ(Seen(), kHeldByObs);
}

// The taskbar, the desktop or the program's own menu coming forward as the
// user reaches for the icon changes nothing: the click finds the full-screen
// hold and sets it aside until full screen has ended. "Enable Screen Saver"
// during a span sets a hold aside as a click does.
TEST_F(HoldTest, TheUsersClickWinsOverFullScreenAndTheMenuOverAnyHold) {
  StartWith({"obs64.exe"}, true);
  programs.Front(Foreground::FullScreen);
  programs.Front(Foreground::Passing);
  EXPECT_EQ(Seen(), kHeldByFullScreen);
  Tray(kLeftButtonDown);
  EXPECT_EQ(Seen(), kOn);
  programs.Front(Foreground::FullScreen);
  Pass(1000);
  EXPECT_EQ(Seen(), kOn);
  programs.Front(Foreground::Windowed);
  programs.Front(Foreground::FullScreen);
  EXPECT_EQ(Seen(), kHeldByFullScreen);
  programs.Front(Foreground::Windowed);

  programs.Start("obs64.exe");
  BeginSpan(1, 0, true);
  Choose(MenuCommand::TimedDisable);
  EXPECT_EQ(Seen(), kOn);
  Pass(1000);
  EXPECT_EQ(Seen(), kOn);
  EXPECT_EQ(fake.system.startRequests, 0);
}

// A span can begin during a hold; when it ends while the hold lasts, the
// screen saver stays off and the icon shows the hold, and the hold's end
// switches it back on. A hold that begins during a span does the same.
TEST_F(HoldTest, ASpanEndingDuringAHoldLeavesTheScreenSaverToTheHold) {
  StartWith({"obs64.exe"});
  for (bool holdFirst : {true, false}) {
    SCOPED_TRACE(holdFirst);
    std::uint32_t obs = holdFirst ? programs.Start("obs64.exe") : 0;
    BeginSpan(0, 1, true);
    if (!holdFirst) {
      CountdownSeconds(2);  // the span has switched the screen saver off
      obs = programs.Start("obs64.exe");
    }
    CountdownSeconds(61);
    EXPECT_EQ(Seen(), kHeldByObs);
    EXPECT_EQ(fake.system.startRequests, 0);
    programs.End(obs);
    EXPECT_EQ(Seen(), kOn);
  }
}

// Under a policy no hold switches anything, and the tip says whose say it is.
// The hold's duty to switch the screen saver back on waits through the
// policy, across a restart too, and is done when the policy goes.
TEST_F(HoldTest, APolicySuspendsTheHoldWithoutErasingItsDuty) {
  const std::string policy = test::FakeRegistry::Name(
      "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop", "ScreenSaveActive");
  const std::string kOffByPolicy = std::string("saver off, red: ") + kDisabledByPolicyTip;
  StartWith({"obs64.exe"});
  const std::uint32_t obs = programs.Start("obs64.exe");
  fake.registry.numbers[policy] = 0;
  app.OnPolicyChanged();
  Pass(500);
  EXPECT_EQ(Seen(), kOffByPolicy);
  fake.registry.numbers.erase(policy);
  app.OnPolicyChanged();
  EXPECT_EQ(Seen(), kHeldByObs);

  fake.registry.numbers[policy] = 0;
  app.OnPolicyChanged();
  test::FakeRegistry users = fake.registry;
  test::FakePlatform later(users);
  later.system.active = false;
  test::Program copy(later);
  copy.Start();
  EXPECT_EQ(copy.Seen(), kOffByPolicy);
  users.numbers.erase(policy);
  copy.app.OnPolicyChanged();
  EXPECT_EQ(copy.Seen(), kOn);

  programs.End(obs);
  Pass(500);
  EXPECT_EQ(Seen(), kOffByPolicy);
  fake.registry.numbers.erase(policy);
  app.OnPolicyChanged();
  EXPECT_EQ(Seen(), kOn);
}

// A copy ended by force leaves the screen saver off and its note; the next
// copy of the logon carries the hold on while the program runs, or switches
// the screen saver back on if it has ended.
TEST_F(HoldTest, AHoldOutlivesACrash) {
  StartWith({"obs64.exe"});
  const std::uint32_t obs = programs.Start("obs64.exe", false);
  Pass(kLookAtAllMs);
  EXPECT_EQ(Seen(), kHeldByObs);
  for (bool endsMeanwhile : {false, true}) {
    SCOPED_TRACE(endsMeanwhile);
    test::FakeRegistry users = fake.registry;
    test::FakePlatform later(users);
    later.programs.running = programs.running;
    if (endsMeanwhile) later.programs.running.erase(obs);
    later.system.active = false;
    test::Program copy(later);
    copy.Start();
    EXPECT_EQ(copy.Seen(), endsMeanwhile ? kOn : kHeldByObs);
    later.programs.End(obs);
    EXPECT_EQ(copy.Seen(), kOn);
  }
  // Exit ends a hold as it ends a span: the screen saver goes back on.
  app.OnCloseRequest(CloseReason::Exit);
  EXPECT_TRUE(fake.system.active);
}

// Ticked, a window in full screen holds as it comes forward, or within a
// second of a new window (which may grow to full screen unreported);
// unticked, it never does, and unticking ends its hold.
TEST_F(HoldTest, AFullScreenWindowHoldsWhileTicked) {
  StartWith({"obs64.exe"}, true);
  programs.Front(Foreground::FullScreen);
  EXPECT_EQ(Seen(), kHeldByFullScreen);
  programs.Front(Foreground::Windowed);
  EXPECT_EQ(Seen(), kOn);
  programs.Start("game.exe");
  programs.foreground = Foreground::FullScreen;
  Pass(1000);
  EXPECT_EQ(Seen(), kHeldByFullScreen);
  const std::uint32_t obs = programs.Start("obs64.exe");
  EXPECT_EQ(Seen(), kHeldByObs);
  programs.End(obs);
  EXPECT_EQ(Seen(), kHeldByFullScreen);
  app.OnSettingChanged(kIdFullScreen, 0);
  EXPECT_EQ(fake.registry.Value(kFullScreenKey), "0");
  EXPECT_EQ(Seen(), kOn);
  programs.Front(Foreground::FullScreen);
  Pass(5000);
  EXPECT_EQ(Seen(), kOn);
}

// Add offers the running programs, each once and not those listed, then
// Browse; the list is stored at once, at most 32, and shown.
TEST_F(HoldTest, TheListIsChosenFromRunningProgramsOrBrowsedAndStoredAtOnce) {
  StartWith({"vlc.exe"});
  for (const char* file : {"vlc.exe", "R&D.exe", "R&D.exe", "Explorer.EXE",
                           "ApplicationFrameHost.exe", "blinkward.exe"}) {
    programs.Start(file);
  }
  fake.ui.popupChoice = 1;
  app.OnSettingsButton(kIdAddProgram);
  EXPECT_EQ(fake.ui.controlMenu,
            (std::vector<std::string>{"Window of R&&D.exe (R&&D.exe)", "-", kBrowseCaption}));
  fake.ui.popupChoice = static_cast<int>(kMostPrograms) + 1;
  fake.ui.browsed = "D:\\Tools\\BLINKWARD.EXE";
  app.OnSettingsButton(kIdAddProgram);
  EXPECT_EQ(fake.ui.messages, std::vector<std::string>{kNotItselfText});
  fake.ui.popupChoice = static_cast<int>(kMostPrograms) + 1;
  fake.ui.browsed = "C:\\Program Files\\OBS\\obs64.exe";
  app.OnSettingsButton(kIdAddProgram);
  const std::vector<std::string> listed{"vlc.exe", "R&D.exe", "obs64.exe"};
  EXPECT_EQ(fake.registry.lists[test::FakeRegistry::Name(kProgramsKey, "")], listed);
  EXPECT_EQ(fake.ui.settings.programs, listed);
  EXPECT_EQ(fake.ui.Shown(kIdRemoveProgram), 1);
  for (int i = 0; i < 40; ++i) {
    fake.ui.browsed = "p" + std::to_string(i) + ".exe";
    app.OnSettingsButton(kIdAddProgram);
  }
  EXPECT_EQ(fake.ui.settings.programs.size(), kMostPrograms);
  EXPECT_EQ(fake.ui.Shown(kIdAddProgram), 0);
  fake.ui.popupChoice = 0;
  app.OnSettingChanged(kIdPrograms, static_cast<int>(kMostPrograms) - 1);
  app.OnSettingsButton(kIdRemoveProgram);
  EXPECT_EQ(fake.ui.Shown(kIdPrograms), static_cast<int>(kMostPrograms) - 2);
  EXPECT_EQ(fake.ui.Shown(kIdAddProgram), 1);
}

// A stored list of the wrong type, with paths, empty strings, repeats or too
// many entries: the usable ones count, and nothing is rewritten.
TEST_F(HoldTest, AHostileStoredListIsReadAsFarAsItIsUsable) {
  std::vector<std::string> stored{
      "",        "C:\\x\\obs64.exe", "a/b.exe",    "vlc.exe",
      "VLC.EXE", "bad|name.exe",     "trailing. ", std::string(300, 'x')};
  for (int i = 0; i < 40; ++i) stored.push_back("p" + std::to_string(i) + ".exe");
  StartWith(stored);
  Choose(MenuCommand::Settings);
  std::vector<std::string> usable{"vlc.exe"};
  for (int i = 0; i < 31; ++i) usable.push_back("p" + std::to_string(i) + ".exe");
  EXPECT_EQ(fake.ui.settings.programs, usable);
  EXPECT_EQ(fake.registry.lists[test::FakeRegistry::Name(kProgramsKey, "")], stored);

  test::FakePlatform other;
  other.registry.values[test::FakeRegistry::Name(kProgramsKey, "")] = "obs64.exe";
  test::Program copy(other);
  copy.Start();
  copy.Choose(MenuCommand::Settings);
  EXPECT_TRUE(other.ui.settings.programs.empty());
  EXPECT_EQ(other.registry.Value(kProgramsKey), "obs64.exe");
}

// The first time the program switches the screen saver off where none is
// chosen and the display is not kept on, a balloon says so, once per user;
// clicking it opens the settings. One the shell held back does not count: it
// is asked for again at a switch-off half an hour later.
TEST_F(HoldTest, TheDisplayHintIsShownOnceWhereNoScreenSaverIsChosen) {
  fake.registry.values[test::FakeRegistry::Name("Control Panel\\Desktop\\", "SCRNSAVE.EXE")] =
      "C:\\Windows\\system32\\ssText3d.scr";
  StartWith({"obs64.exe"});
  Tray(kLeftButtonDown);
  Tray(kLeftButtonDown);
  fake.registry.values.erase(test::FakeRegistry::Name("Control Panel\\Desktop\\", "SCRNSAVE.EXE"));
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  Tray(kLeftButtonDown);
  Tray(kLeftButtonDown);
  app.OnSettingChanged(kIdKeepDisplayOn, 0);
  fake.shell.holdsBalloons = true;
  Tray(kLeftButtonDown);
  Tray(kLeftButtonDown);
  Pass(500);
  EXPECT_EQ(fake.registry.Value(kDisplayHintKey), "<absent>");
  fake.shell.holdsBalloons = false;
  Tray(kLeftButtonDown);
  Tray(kLeftButtonDown);
  EXPECT_TRUE(fake.shell.balloons.empty()) << "asked again at once";
  fake.system.now += 30 * 60 * 1000;
  programs.Start("obs64.exe");
  EXPECT_EQ(fake.shell.balloons, std::vector<std::string>{kDisplayHintTitle});
  Tray(kBalloonClick);
  EXPECT_TRUE(fake.ui.settingsVisible);
  Tray(kLeftButtonDown);
  Tray(kLeftButtonDown);
  test::FakePlatform later(fake.registry);
  test::Program copy(later);
  copy.Start();
  copy.Tray(kLeftButtonDown);
  EXPECT_TRUE(later.shell.balloons.empty());
  EXPECT_EQ(fake.shell.balloons.size(), 1u);

  // A shell that never says it showed one: the user's click on it says so.
  test::FakePlatform silent;
  silent.shell.reportsBalloons = false;
  test::Program other(silent);
  other.Start();
  other.Tray(kLeftButtonDown);
  other.Tray(kBalloonClick);
  EXPECT_EQ(silent.registry.Value(kDisplayHintKey), "1");
}

}  // namespace
}  // namespace bw
