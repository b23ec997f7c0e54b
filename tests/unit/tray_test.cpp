// The tray icon: its tip field, the poller, a shell that refused or kept the
// icon, the keyboard, and an administrator's policy.
#include <gtest/gtest.h>

#include <string>

#include "app/settings_layout.h"
#include "fakes.h"
#include "tray/tip_field.h"

namespace bw {
namespace {

using TrayTest = test::Started;

const std::string kOn = "saver on, green: Screen Saver is ENABLED";
const std::string kOff = "saver off, red: Screen Saver is DISABLED";
const std::string kPolicy = "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop|";

// The text, one NUL, then spaces to the end; 63 characters at most.
TEST(TipField, HoldsTheTextANulAndSpaces) {
  for (std::size_t length : {0u, 1u, 23u, 62u, 63u, 64u, 200u}) {
    const std::string text(length, 'x');
    TipField field;
    field.fill('#');
    WriteTipField(field, text);
    const std::size_t kept = std::min<std::size_t>(length, 63);
    EXPECT_EQ(std::string(field.data(), kept), text.substr(0, kept));
    EXPECT_EQ(field[kept], '\0') << length;
    EXPECT_EQ(std::string(field.begin() + kept + 1, field.end()), std::string(63 - kept, ' '));
  }
}

// The icon shows the program's picture and name until the first poll, then
// follows every change another program makes.
TEST(TrayIcon, StartsWithTheProgramsNameThenFollowsTheState) {
  test::FakePlatform fake;
  App app(fake.platform);
  app.Start();
  EXPECT_EQ(fake.Seen(), "saver on, app: Blinkward");
  EXPECT_EQ(fake.ui.timers, (std::map<int, int>{{static_cast<int>(TimerId::Poll), 250}}));
  for (bool active : {false, false, true}) {
    fake.system.active = active;
    app.OnTimer(static_cast<int>(TimerId::Poll));
    EXPECT_EQ(fake.Seen(), active ? kOn : kOff);
  }
}

// At logon the shell may refuse the first adds: the icon is added at a later
// poll, showing the state; a shell that lost the icon without a new taskbar
// gets it back at the next change; a new taskbar gets it back at once; a
// removed icon stays removed.
TEST_F(TrayTest, AnIconTheShellRefusedOrLostComesBack) {
  fake.shell.shown = false;  // lost without a new taskbar
  fake.shell.refuse = 4;
  fake.system.active = false;
  Pass(1000);
  EXPECT_EQ(Seen(), kOff);
  fake.shell.shown = false;
  app.OnTaskbarCreated();
  EXPECT_EQ(Seen(), kOff);
  // The broadcast also comes while the shell keeps the icon (a new resolution,
  // a remote connection); the icon still follows every change afterwards,
  // also after a change the shell refused once.
  app.OnTaskbarCreated();
  for (bool active : {true, false}) {
    fake.system.active = active;
    fake.shell.refuse = active ? 0 : 1;
    Pass(500);
    EXPECT_EQ(Seen(), active ? kOn : kOff);
  }
  app.OnCloseRequest(CloseReason::Exit);
  app.OnTaskbarCreated();
  Pass(500);
  EXPECT_EQ(Seen(), "saver off, no icon");
}

// A shell that keeps refusing is asked at each poll for three seconds, then
// every five, whatever asks (the poll, or the countdown's tick every second),
// and not at all while there is no taskbar; a new one at once.
TEST_F(TrayTest, AttemptsOnARefusingShellArePacedInTime) {
  fake.shell.shown = false;
  fake.shell.refuse = 1000;
  const auto attemptsOver = [&](int seconds) {
    const int before = fake.shell.refused;
    Pass(seconds * 1000);
    return (fake.shell.refused - before) / 2;  // an add, then a modify in its place
  };
  fake.system.active = false;
  EXPECT_EQ(attemptsOver(3), 12);
  EXPECT_EQ(attemptsOver(20), 4);
  app.BeginTimedDisable({1, 0}, false);
  EXPECT_EQ(attemptsOver(20), 4);
  fake.shell.taskbar = false;
  EXPECT_EQ(attemptsOver(20), 0);
  fake.shell.refuse = 0;
  fake.shell.taskbar = true;
  app.OnTaskbarCreated();
  EXPECT_TRUE(fake.shell.shown);
}

// A new shell (Explorer restarted) is asked for the newer callbacks whenever
// it takes the icon, also when it refuses the add and takes it all the same;
// the program believes its answer, so a right click still opens the menu. A
// menu the keyboard opened hands the focus back to the icon.
TEST_F(TrayTest, ANewShellIsAskedForTheKeyboardAndGetsTheFocusBack) {
  int menus = 0;
  fake.ui.whilePopupOpen = [&] { ++menus; };
  for (bool takes : {false, true, false}) {
    SCOPED_TRACE(takes);
    fake.shell.shown = false;
    fake.shell.takesKeyboard = takes;
    fake.shell.refuseLandingAdds = 1;
    app.OnTaskbarCreated();
    menus = 0;
    Choose(MenuCommand::Settings);
    EXPECT_EQ(menus, 1);
    EXPECT_FALSE(fake.shell.focused) << "a menu of the mouse took the focus to the icon";
  }
  fake.shell.takesKeyboard = true;
  app.OnTaskbarCreated();
  fake.system.now += 1000;
  Tray(123);
  EXPECT_TRUE(fake.shell.focused);
}

// With the newer callbacks, Enter or Space switches as the chosen click would,
// once per press, and the menu opens once for a right click (which sends both
// the button's release and the menu request) or for the keyboard. A shell that
// refuses them leaves the mouse as it was.
TEST_F(TrayTest, TheKeyboardSwitchesAndOpensTheMenuOnce) {
  ASSERT_TRUE(fake.shell.keyboard);
  for (int method : {0, 1, -1}) {
    app.OnSettingChanged(kIdMethod, method);
    fake.system.active = true;
    fake.system.now += 1000;
    Tray(1025);
    // The same press of Enter, reported twice; the second handled late,
    // behind a busy shell.
    const std::uint32_t sent = fake.system.now;
    fake.system.now += 700;
    app.OnTrayMessage(1025, sent + 50);
    if (method != -1) EXPECT_EQ(Seen(), kOff) << method;
    EXPECT_EQ(fake.system.active, method == -1) << method;
  }
  int menus = 0;
  fake.ui.whilePopupOpen = [&] { ++menus; };
  for (int message : {516, 517, 123}) Tray(message);
  EXPECT_EQ(menus, 1);
  test::FakePlatform old;
  old.shell.takesKeyboard = false;
  App oldShell(old.platform);
  oldShell.Start();
  old.ui.whilePopupOpen = [&] { ++menus; };
  oldShell.OnTrayMessage(517, 0);
  EXPECT_EQ(menus, 2);
}

// While a policy sets the screen saver the icon shows the policy's state and
// says so, a click or a key changes nothing and no timed disable can begin;
// "Configure Screen Saver" opens the policy's screen saver. Without it, all
// is as before.
TEST_F(TrayTest, APolicyDecidesAndTheIconSaysSo) {
  fake.registry.values[kPolicy + "ScreenSaveActive"] = "0";
  fake.registry.values[kPolicy + "SCRNSAVE.EXE"] = "\"%SystemRoot%\\system32\\p.scr\"";
  app.OnPolicyChanged();
  for (int message : {513, 1025}) Tray(message);
  EXPECT_EQ(Seen(), "saver on, red: Screen Saver is DISABLED by policy");
  Choose(MenuCommand::TimedDisable);
  EXPECT_FALSE(fake.ui.menu[4].enabled);
  EXPECT_EQ(fake.ui.dialogs, 0);
  Choose(MenuCommand::ConfigureScreenSaver);
  EXPECT_EQ(fake.system.launched.back(),
            "\"C:\\Windows\\system32\\p.scr\" c in C:\\Windows\\system32");
  fake.registry.values.erase(kPolicy + "ScreenSaveActive");
  app.OnPolicyChanged();
  EXPECT_EQ(Seen(), kOn);
  Tray(513);
  EXPECT_EQ(Seen(), kOff);
}

// A policy ends a running span (the screen saver back on, its note erased,
// the tip saying why); no span begins under one, also from a dialog opened
// before it came; and a later copy started under it shows it at the first
// poll and does not go on with the span.
TEST_F(TrayTest, APolicyHoldsAtEveryMoment) {
  const std::string kActive = kPolicy + "ScreenSaveActive";
  app.BeginTimedDisable({1, 0}, false);
  CountdownSeconds(1);
  const auto noted = fake.registry.values;
  fake.registry.values[kActive] = "0";
  app.OnPolicyChanged();
  Pass(2000);
  EXPECT_EQ(Seen(), "saver on, red: Screen Saver is DISABLED by policy");
  EXPECT_EQ(fake.registry.values.count(std::string(kSpanNoteKeyPath) + "\\00000000000003E7|Begun"),
            0u);
  fake.registry.values.erase(kActive);
  app.OnPolicyChanged();
  fake.ui.whileDialogOpen = [&] {
    fake.registry.values[kActive] = "1";
    app.OnPolicyChanged();
    app.BeginTimedDisable({1, 0}, false);  // OK
  };
  Choose(MenuCommand::TimedDisable);
  Pass(2000);
  EXPECT_EQ(Seen(), "saver on, green: Screen Saver is ENABLED by policy");

  test::FakePlatform later;
  later.registry.values = noted;
  later.registry.values[kActive] = "1";
  later.system.active = false;  // as the killed copy left it
  App again(later.platform);
  again.Start();
  again.OnTimer(static_cast<int>(TimerId::Poll));
  EXPECT_EQ(later.Seen(), "saver on, green: Screen Saver is ENABLED by policy");
}

// "0" or "1" as text, or 0 or 1 as a number, is a policy; nothing else is.
TEST_F(TrayTest, OnlyAZeroOrAOneIsAPolicy) {
  const struct {
    const char* text;
    std::int64_t number;  // -1: stored as text
    bool policy;
  } rows[] = {{"1", -1, true},
              {"0", -1, true},
              {"2", -1, false},
              {"", -1, false},
              {" 1", -1, false},
              {"01", -1, false},
              {"1x", -1, false},
              {nullptr, 0, true},
              {nullptr, 1, true},
              {nullptr, 2, false},
              {nullptr, 0xFFFFFFFF, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << (row.text ? row.text : "number ") << row.number);
    fake.registry.values.clear();
    fake.registry.numbers.clear();
    if (row.text) fake.registry.values[kPolicy + "ScreenSaveActive"] = row.text;
    if (!row.text) fake.registry.numbers[kPolicy + "ScreenSaveActive"] = row.number;
    app.OnPolicyChanged();
    EXPECT_EQ(fake.shell.tip.ends_with("by policy"), row.policy) << fake.shell.tip;
  }
}

// While the dialog is open, a click on the icon brings it forward and
// switches nothing.
TEST_F(TrayTest, AClickBringsTheOpenDialogForward) {
  fake.ui.whileDialogOpen = [&] { Tray(513); };
  Choose(MenuCommand::TimedDisable);
  EXPECT_EQ(fake.ui.dialogs, 2);
  EXPECT_TRUE(fake.system.active);
}

}  // namespace
}  // namespace bw
