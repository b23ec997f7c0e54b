// Clicks on the tray icon switch the screen saver for the logon, with the
// method chosen in the settings window; the icon follows the new state.
#include <gtest/gtest.h>

#include "pump.h"
#include "screen_saver.h"
#include "user_fixture.h"

namespace e2e {
namespace {

TEST_F(UserTest, TrayClick_SingleClickSwitchesBothWaysAndTheIconFollows) {
  const bool initial = ScreenSaverActive();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(initial), kTipMs));
  ASSERT_EQ(kSingleClick, SelectedMethod()) << "a first run must select \"Single click\"";

  for (bool expected : {!initial, initial}) {
    Click();
    EXPECT_TRUE(PumpUntil([&] { return ScreenSaverActive() == expected; }, kTipMs))
        << "a click did not switch the screen saver " << (expected ? "on" : "off");
    EXPECT_TRUE(WaitForTip(TipFor(expected), kTipMs)) << "tip is \"" << Tip() << "\"";
  }

  // The second half of a double click, once the icon shows the first half's
  // switch, must not switch back.
  SecondClick();
  EXPECT_FALSE(PumpUntil([&] { return ScreenSaverActive() != initial; }, kQuietMs))
      << "the double-click message switched the screen saver with the single-click method";
  EXPECT_EQ(TipFor(initial), Tip());
}

TEST_F(UserTest, TrayClick_DoubleClickMethodIgnoresSingleClicks) {
  const bool initial = ScreenSaverActive();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(initial), kTipMs));

  // The user chooses "Double click" in the settings window and closes it.
  ASSERT_TRUE(Choose(MenuChoice::ConfigureProgram));
  ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(main_) != FALSE; }, kTipMs));
  ASSERT_TRUE(SelectMethodWithKeys(kDoubleClick));
  PostMessageW(main_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(PumpUntil([this] { return !IsWindowVisible(main_); }, kTipMs));

  Click();
  EXPECT_FALSE(PumpUntil([&] { return ScreenSaverActive() != initial; }, kQuietMs))
      << "a single click switched the screen saver with the double-click method";
  EXPECT_EQ(TipFor(initial), Tip());

  SecondClick();
  EXPECT_TRUE(PumpUntil([&] { return ScreenSaverActive() != initial; }, kTipMs))
      << "a double click did not switch the screen saver";
  EXPECT_TRUE(WaitForTip(TipFor(!initial), kTipMs)) << "tip is \"" << Tip() << "\"";
}

// Mouse moves, a left release and a right press are no clicks, and the menu
// waits for the right button's release.
TEST_F(UserTest, TrayEvents_OtherMouseMessagesDoNothing) {
  const bool initial = ScreenSaverActive();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(initial), kTipMs));

  for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN,
                       WM_MBUTTONUP}) {
    TrayEvent(message);
  }
  EXPECT_FALSE(PumpUntil([&] { return ScreenSaverActive() != initial || PopupMenu(); }, kQuietMs))
      << (PopupMenu() ? "a popup menu opened" : "the screen saver was switched");
  EXPECT_EQ(TipFor(initial), Tip());
  EXPECT_FALSE(IsWindowVisible(main_));
}

// Clicks that arrive while the popup menu is open are dropped, not queued;
// once it has closed, clicks work again.
TEST_F(UserTest, TrayClick_DroppedWhileThePopupMenuIsOpen) {
  const bool initial = ScreenSaverActive();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(initial), kTipMs));

  ASSERT_TRUE(OpenPopupMenu()) << "a right-button release opened no popup menu";
  Click();
  EXPECT_FALSE(PumpUntil([&] { return ScreenSaverActive() != initial; }, kQuietMs))
      << "a click switched the screen saver while the menu was open";
  ASSERT_TRUE(DismissPopupMenu());
  EXPECT_FALSE(PumpUntil([&] { return ScreenSaverActive() != initial; }, kQuietMs))
      << "a click made while the menu was open switched the screen saver after it closed";
  EXPECT_EQ(TipFor(initial), Tip());

  Click();
  EXPECT_TRUE(PumpUntil([&] { return ScreenSaverActive() != initial; }, kTipMs))
      << "clicks stay ignored after the menu closed";
  EXPECT_TRUE(WaitForTip(TipFor(!initial), kTipMs));
}

// The whole way from a mouse on the taskbar: the shell reports the click to
// the icon's owner, which switches the screen saver.
TEST_F(UserTest, TrayClick_RealMouseOnTheIcon) {
  const bool initial = ScreenSaverActive();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(initial), kTipMs));
  const std::vector<TrayIcon> icons = Icons();
  ASSERT_EQ(1u, icons.size());

  ASSERT_TRUE(MouseClickAt(icons[0], MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP));
  EXPECT_TRUE(PumpUntil([&] { return ScreenSaverActive() != initial; }, kTipMs))
      << "a left click on the icon did not switch the screen saver";
  EXPECT_TRUE(WaitForTip(TipFor(!initial), kTipMs));

  // Far enough apart not to make a double click.
  PumpFor(kQuietMs);
  ASSERT_TRUE(MouseClickAt(icons[0], MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP));
  EXPECT_TRUE(PumpUntil([this] { return PopupMenu() != nullptr; }, kTipMs))
      << "a right click on the icon opened no menu";
  EXPECT_TRUE(DismissPopupMenu());
}

}  // namespace
}  // namespace e2e
