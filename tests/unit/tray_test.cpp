// The tray icon's tip field, the poller, and an icon that a busy shell refused.
#include <gtest/gtest.h>

#include <string>

#include "fakes.h"
#include "tray/tip_field.h"

namespace bw {
namespace {

using TrayTest = test::Started;

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
  EXPECT_EQ(fake.shell.picture, TrayPicture::App);
  EXPECT_EQ(fake.shell.tip, "Blinkward");
  EXPECT_EQ(fake.ui.timers, (std::map<int, int>{{static_cast<int>(TimerId::Poll), 250}}));
  for (bool active : {false, false, true}) {
    fake.system.active = active;
    app.OnTimer(static_cast<int>(TimerId::Poll));
    EXPECT_EQ(fake.shell.picture, active ? TrayPicture::Enabled : TrayPicture::Disabled);
    EXPECT_EQ(fake.shell.tip, active ? kEnabledTip : kDisabledTip);
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
  EXPECT_TRUE(busy.shell.shown);
  EXPECT_EQ(busy.shell.tip, kEnabledTip);

  fake.shell.shown = false;  // lost without a new taskbar
  fake.system.active = false;
  Tick(TimerId::Poll);
  EXPECT_TRUE(fake.shell.shown);
  EXPECT_EQ(fake.shell.tip, kDisabledTip);
  fake.shell.shown = false;
  app.OnTaskbarCreated();
  EXPECT_EQ(fake.shell.tip, kDisabledTip);
  app.OnCloseRequest(CloseReason::Exit);
  app.OnTaskbarCreated();
  Tick(TimerId::Poll);
  EXPECT_FALSE(fake.shell.shown);
}

}  // namespace
}  // namespace bw
