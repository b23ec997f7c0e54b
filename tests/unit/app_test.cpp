// The program as a whole against the fakes: start-up, closing, the tray's
// clicks and keys, the popup menu, and the settings window's events.
#include "app/app.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

using AppTest = test::Started;

using test::kOn, test::kOff;

// A user's close only hides the settings window. Exit and the end of the
// logon store the click method, take the icon away, stop every timer and, in
// the middle of a span, switch the screen saver back on without starting it
// and erase the span's note.
TEST_F(AppTest, OnlyExitAndTheEndOfTheLogonEndTheProgram) {
  fake.ui.settingsVisible = true;
  app.OnSettingsClosed();
  EXPECT_FALSE(fake.ui.settingsVisible || fake.ui.quit || !fake.shell.shown);
  for (bool byExit : {true, false}) {
    for (bool midSpan : {false, true}) {
      SCOPED_TRACE(testing::Message() << byExit << midSpan);
      test::FakePlatform other;
      test::Program program(other);
      program.Start();
      if (midSpan) program.BeginSpan(1, 0, true);
      other.system.active = !midSpan;
      if (byExit) {
        program.Choose(MenuCommand::Exit);
      } else {
        program.app.OnEndSession();
      }
      EXPECT_EQ(other.registry.Value(kSettingRows[SettingRowOf(kIdMethod)].key), "0");
      EXPECT_TRUE(other.ui.timers.empty() && other.ui.quit);
      EXPECT_EQ(other.system.started, 0);
      EXPECT_EQ(other.registry.Value(SpanNote::KeyOf(other.system.logon), "Begun"), "<absent>");
      program.app.OnTaskbarCreated();
      EXPECT_EQ(other.Seen(), "saver on, no icon");
    }
  }
}

// The chosen click switches in the same handler, the icon following, and
// never during a timed disable. A switch the system refuses shows as what it is.
TEST_F(AppTest, TheChosenClickSwitchesAndTheIconFollowsAtOnce) {
  Tray(kLeftButtonDown);
  EXPECT_EQ(Seen(), kOff);
  app.OnSettingChanged(kIdMethod, static_cast<int>(ClickMethod::DoubleClick));
  Tray(kLeftButtonDown);
  EXPECT_EQ(Seen(), kOff);
  Tray(kLeftDoubleClick);
  EXPECT_EQ(Seen(), kOn);
  BeginSpan(1, 0, false);
  fake.system.active = true;
  Tray(kLeftDoubleClick);
  EXPECT_EQ(Seen(), "saver on, clock: Screen Saver is ENABLED");
  Choose(MenuCommand::TimedDisable);
  fake.system.accepts = false;
  Tray(kLeftDoubleClick);
  EXPECT_EQ(Seen(), kOn);
}

// The menu's choice runs before the handler returns; tray events that arrive
// meanwhile (from the popup's own loop) are dropped, and the countdown ticks
// on: when the span ends meanwhile, the item that read "Enable Screen Saver"
// opens no dialog. While the dialog is open, a click brings it forward.
TEST_F(AppTest, TheMenuDoesWhatItShowedAndDropsClicksMeanwhile) {
  fake.ui.whilePopupOpen = [&] { Tray(kLeftButtonDown); };
  Choose(MenuCommand::StartScreenSaver);
  EXPECT_EQ(fake.system.started, 1);
  EXPECT_TRUE(fake.system.active) << "a click during the popup switched the screen saver";
  BeginSpan(0, 1, false);
  fake.ui.whilePopupOpen = [&] { CountdownSeconds(60); };
  Choose(MenuCommand::TimedDisable);
  EXPECT_EQ(fake.dialog.opened, 1);
  EXPECT_EQ(Seen(), kOn);
  fake.ui.whilePopupOpen = nullptr;
  fake.dialog.whileOpen = [&] { Tray(kLeftButtonDown); };
  Choose(MenuCommand::TimedDisable);
  EXPECT_EQ(fake.dialog.opened, 2);
  EXPECT_EQ(fake.dialog.broughtForward, 1);
  EXPECT_TRUE(fake.system.active);
  Tray(kLeftButtonDown);
  EXPECT_FALSE(fake.system.active) << "the busy flag was not cleared";
}

// The shortcut switches as the chosen click does, once however long it is
// held down (the repeats of a key not let go), and again when pressed anew;
// not during a span, and while the dialog is open it brings the dialog forward.
TEST_F(AppTest, TheShortcutSwitchesOnceWhileHeldAsTheClickDoes) {
  app.OnSettingChanged(kIdHotkey, 0x642);  // Ctrl+Alt+B
  for (bool repeat : {false, true, true, true}) app.OnHotkey(repeat);
  EXPECT_EQ(Seen(), kOff);
  app.OnHotkey(false);
  EXPECT_EQ(Seen(), kOn);
  fake.dialog.whileOpen = [&] {
    app.OnHotkey(false);
    fake.dialog.events->OnCancel();
  };
  Choose(MenuCommand::TimedDisable);
  EXPECT_EQ(fake.dialog.broughtForward, 1);
  EXPECT_TRUE(fake.system.active);
  BeginSpan(1, 0, false);
  Pass(1000);
  app.OnHotkey(false);
  EXPECT_EQ(Seen().substr(0, test::kCounting.size()), test::kCounting);
}

// The commands that open something: the system's selection page, run from
// the system folder; the settings window with the program's title and what
// is stored; the dialog.
TEST_F(AppTest, MenuCommandsOpenWhatTheyName) {
  Choose(MenuCommand::SelectScreenSaver);
  Choose(MenuCommand::Settings);
  EXPECT_EQ(fake.system.launched,
            (std::vector<std::string>{
                "\"C:\\Windows\\system32\\rundll32.exe\" "
                "shell32.dll,Control_RunDLL desk.cpl,,1 in C:\\Windows\\system32"}));
  EXPECT_TRUE(fake.ui.settingsVisible);
  EXPECT_EQ(fake.ui.settings.title, "Blinkward v1.01");
  EXPECT_EQ(fake.ui.Shown(kIdMethod), 0);
}

// "Turn Display Off" waits half a second, so that the click that chose it
// does not wake the display, then turns it off once, whatever is held; it
// changes nothing the icon shows or the program holds.
TEST_F(AppTest, TurnDisplayOffWaitsForTheClickAndChangesNothingElse) {
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  Tray(kLeftButtonDown);
  const std::uint32_t chosen = fake.system.now;
  Choose(MenuCommand::TurnDisplayOff);
  Pass(499);
  EXPECT_TRUE(fake.ui.displayOffAt.empty());
  Pass(5000);
  EXPECT_EQ(fake.ui.displayOffAt, std::vector<std::uint32_t>{chosen + 500});
  EXPECT_EQ(Seen(), kOff);
  EXPECT_TRUE(fake.power.held());
}

// A copy started with obs64.exe listed.
struct ListedTest : ::testing::Test, test::WithPlatform, test::Program {
  ListedTest() : Program(platform) {
    fake.registry.lists[test::FakeRegistry::Name(kProgramsKey, "")] = {"obs64.exe"};
    Start();
  }
  test::FakePrograms& programs = fake.programs;
};
const std::string kHeldByObs = "saver off, red: Screen Saver is DISABLED while obs64.exe runs";

// "Enable Screen Saver" during a span is the user's say: the hold stands aside. A span that ends by
// itself while a hold lasts, begun before the span or during it, leaves the screen saver off to the
// hold and the icon showing it; the hold's end switches it back on.
TEST_F(ListedTest, TheUserSetsAHoldAsideAndASpansEndHandsOverToIt) {
  for (bool holdFirst : {true, false}) {
    SCOPED_TRACE(holdFirst);
    std::uint32_t obs = holdFirst ? programs.Start("obs64.exe") : 0;
    BeginSpan(0, 1, true);
    if (!holdFirst) {
      CountdownSeconds(2);  // the span has switched the screen saver off
      // A reason that comes or goes between two ticks leaves the clock showing.
      obs = programs.Start("obs64.exe");
      EXPECT_EQ(Seen().rfind(test::kCounting, 0), 0u) << Seen();
      programs.End(obs);
      EXPECT_EQ(Seen().rfind(test::kCounting, 0), 0u) << Seen();
      obs = programs.Start("obs64.exe");
    }
    CountdownSeconds(61);
    EXPECT_EQ(Seen(), kHeldByObs);
    EXPECT_EQ(fake.system.startRequests, 0);
    programs.End(obs);
    EXPECT_EQ(Seen(), kOn);
  }
  programs.Start("obs64.exe");
  BeginSpan(1, 0, true);
  Choose(MenuCommand::TimedDisable);
  Pass(1000);
  EXPECT_EQ(Seen(), kOn);
}

// The first time the program switches the screen saver off where none is
// chosen and the display is not kept on, a balloon says so, once per user;
// clicking it opens the settings. One the shell held back does not count: it
// is asked for again at a switch-off half an hour later.
TEST_F(ListedTest, TheDisplayHintIsShownOnceWhereNoScreenSaverIsChosen) {
  fake.registry.values[test::FakeRegistry::Name("Control Panel\\Desktop\\", "SCRNSAVE.EXE")] =
      "C:\\Windows\\system32\\ssText3d.scr";
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
  EXPECT_EQ(fake.shell.balloons, std::vector<std::string>{"The display may still turn off"});
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

// A program added from the settings window that runs holds at once, and Exit
// ends the hold as it ends a span.
TEST_F(ListedTest, TheSettingsTakeEffectAtOnce) {
  programs.Start("render.exe", false);
  fake.ui.popupChoice = 33;
  fake.ui.browsed = "C:\\Render\\render.exe";
  app.OnSettingsButton(kIdAddProgram);
  EXPECT_EQ(Seen(), "saver off, red: Screen Saver is DISABLED while render.exe runs");
  Choose(MenuCommand::Exit);
  EXPECT_TRUE(fake.system.active);
}

}  // namespace
}  // namespace bw
