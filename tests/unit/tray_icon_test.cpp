// The tray icon: the shell that refuses, loses or keeps it, and the newer
// callbacks it is asked for.
#include "tray/tray_icon.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

using TrayIconTest = test::Started;

using test::kOn, test::kOff;

// The icon shows the program's picture and name until the first poll, then
// follows every change another program makes; the shell hears of the icon
// only when it changes, not at every poll.
TEST(TrayIcon, StartsWithTheProgramsNameThenFollowsTheState) {
  test::FakePlatform fake;
  test::Program program(fake);
  program.app.Start();
  EXPECT_EQ(fake.Seen(), "saver on, app: Blinkward");
  for (const auto [active, modifies] : {std::pair{false, 1}, {false, 0}, {true, 1}}) {
    const int before = fake.shell.modifies;
    fake.system.active = active;
    program.Pass(1000);
    EXPECT_EQ(fake.Seen(), active ? kOn : kOff);
    EXPECT_EQ(fake.shell.modifies - before, modifies) << "four polls, one change at most";
  }
}

// At logon the shell may refuse the first adds: the icon is added at a later
// poll, showing the state; a shell that lost the icon without a new taskbar
// gets it back at the next change; a new taskbar gets it back at once.
TEST_F(TrayIconTest, AnIconTheShellRefusedOrLostComesBack) {
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
}

// A shell that keeps refusing is asked at each poll for three seconds, then
// every five, whatever asks (the poll, or the countdown's tick every second),
// and not at all while there is no taskbar; a new one at once.
TEST_F(TrayIconTest, AttemptsOnARefusingShellArePacedInTime) {
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
  BeginSpan(1, 0, false);
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
TEST_F(TrayIconTest, ANewShellIsAskedForTheKeyboardAndGetsTheFocusBack) {
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
  Tray(kContextMenu);
  EXPECT_TRUE(fake.shell.focused);
}

}  // namespace
}  // namespace bw
