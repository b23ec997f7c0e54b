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
  test::FakePlatform busy;
  busy.shell.refuse = 2;
  App late(busy.platform);
  late.Start();
  for (int tick = 0; tick < 3; ++tick) late.OnTimer(static_cast<int>(TimerId::Poll));
  EXPECT_EQ(busy.Seen(), kOn);

  fake.shell.shown = false;  // lost without a new taskbar
  fake.system.active = false;
  Tick(TimerId::Poll);
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
    Tick(TimerId::Poll);
    Tick(TimerId::Poll);
    EXPECT_EQ(Seen(), active ? kOn : kOff);
  }
  app.OnCloseRequest(CloseReason::Exit);
  app.OnTaskbarCreated();
  Tick(TimerId::Poll);
  EXPECT_EQ(Seen(), "saver off, no icon");
}

// A shell that keeps refusing is asked at each poll for three seconds, then
// every five, and not at all while there is no taskbar; a new one at once.
TEST(TrayIcon, AttemptsOnARefusingShellArePaced) {
  test::FakePlatform fake;
  fake.shell.refuse = 1000;
  App app(fake.platform);
  app.Start();
  const auto attemptsOver = [&](int seconds) {
    const int before = fake.shell.refused;
    for (int tick = 0; tick < seconds * 4; ++tick) app.OnTimer(static_cast<int>(TimerId::Poll));
    return fake.shell.refused - before;
  };
  EXPECT_GE(attemptsOver(3), 12);
  EXPECT_LE(attemptsOver(20), 4 * 2);
  fake.shell.taskbar = false;
  EXPECT_EQ(attemptsOver(20), 0);
  fake.shell.refuse = 0;
  fake.shell.taskbar = true;
  app.OnTaskbarCreated();
  EXPECT_TRUE(fake.shell.shown);
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
    app.OnTrayMessage(1025);
    app.OnTrayMessage(1025);  // the same press of Enter, reported twice
    if (method != -1) EXPECT_EQ(Seen(), kOff) << method;
    EXPECT_EQ(fake.system.active, method == -1) << method;
  }
  int menus = 0;
  fake.ui.whilePopupOpen = [&] { ++menus; };
  for (int message : {516, 517, 123}) app.OnTrayMessage(message);
  EXPECT_EQ(menus, 1);
  test::FakePlatform old;
  old.shell.takesKeyboard = false;
  App oldShell(old.platform);
  oldShell.Start();
  old.ui.whilePopupOpen = [&] { ++menus; };
  oldShell.OnTrayMessage(517);
  EXPECT_EQ(menus, 2);
}

// While a policy sets the screen saver the icon shows the policy's state and
// says so, a click or a key changes nothing and no timed disable can begin;
// "Configure Screen Saver" opens the policy's screen saver. Without it, all
// is as before.
TEST_F(TrayTest, APolicyDecidesAndTheIconSaysSo) {
  const std::string kPolicy = "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop|";
  fake.registry.values[kPolicy + "ScreenSaveActive"] = "0";
  fake.registry.values[kPolicy + "SCRNSAVE.EXE"] = "\"%SystemRoot%\\system32\\p.scr\"";
  app.OnPolicyChanged();
  for (int message : {513, 1025}) app.OnTrayMessage(message);
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
  app.OnTrayMessage(513);
  EXPECT_EQ(Seen(), kOff);
}

// While the dialog is open, a click on the icon brings it forward and
// switches nothing.
TEST_F(TrayTest, AClickBringsTheOpenDialogForward) {
  fake.ui.whileDialogOpen = [&] { app.OnTrayMessage(513); };
  Choose(MenuCommand::TimedDisable);
  EXPECT_EQ(fake.ui.dialogs, 2);
  EXPECT_TRUE(fake.system.active);
}

}  // namespace
}  // namespace bw
