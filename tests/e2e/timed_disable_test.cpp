// A timed disable started from the tray menu: the dialog, the countdown in the
// tip, the screen saver held off against other programs, and its two ends
// before the time runs out ("Enable Screen Saver" and "Exit").
#include <gtest/gtest.h>

#include "pump.h"
#include "screen_saver.h"
#include "user_fixture.h"

namespace e2e {
namespace {

const std::wstring kOneMinuteTip = CountdownTip(L"for the next minute");
constexpr DWORD kTickMs = 3000;       // for the countdown's once-a-second work to show
constexpr DWORD kAfterTickMs = 1500;  // a countdown still running ticks within this

// Another program switches the screen saver on. The countdown may switch it
// off between the switch and its read-back: try again then.
bool SwitchOnAsAnotherProgram() {
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (SetScreenSaverActive(true)) return true;
  }
  return false;
}

TEST_F(UserTest, TimedDialog_RefusesAZeroSpanAndStartsTheCountdownOnOneMinute) {
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(kEnabledTip, kTipMs));

  ASSERT_TRUE(Choose(MenuChoice::TimedDisable));
  TimedDialog dialog;
  ASSERT_TRUE(PumpUntil(
      [&] {
        dialog = FindTimedDialog();
        return dialog.window != nullptr;
      },
      kTipMs))
      << "\"Temporarily disable Screen Saver\" showed no dialog \"Timed\"";
  ASSERT_TRUE(dialog.hours && dialog.minutes && dialog.ok);
  EXPECT_EQ(L"0", TextOf(dialog.hours));
  EXPECT_EQ(L"0", TextOf(dialog.minutes));

  EnterSpanAndPressOk(dialog, L"0", L"0");
  EXPECT_FALSE(PumpUntil([&] { return !IsWindowVisible(dialog.window); }, kQuietMs))
      << "OK with a zero span closed the dialog";
  EXPECT_EQ(kEnabledTip, ShownTip());
  EXPECT_TRUE(ScreenSaverActive());

  EnterSpanAndPressOk(dialog, L"0", L"1");
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(dialog.window); }, kTipMs))
      << "OK with 0 hours and 1 minute left the dialog open";
  EXPECT_TRUE(WaitForShownTip(kOneMinuteTip, kTickMs)) << "tip is \"" << ShownTip() << "\"";
  EXPECT_TRUE(PumpUntil([] { return !ScreenSaverActive(); }, kTickMs))
      << "the countdown did not switch the screen saver off";

  // What the user sees on hovering over the icon.
  std::vector<TrayIcon> countdownIcons;
  for (const TrayIcon& icon : VisibleTrayIcons()) {
    if (icon.tip == kOneMinuteTip) countdownIcons.push_back(icon);
  }
  ASSERT_EQ(1u, countdownIcons.size());
  EXPECT_EQ(kOneMinuteTip, HoverTip(countdownIcons[0], kTipMs));
}

TEST_F(UserTest, TimedDisable_HoldsTheScreenSaverOffAndIgnoresClicks) {
  // Off before it starts: the icon shows "disabled", so a click that got
  // through would switch the screen saver on.
  ASSERT_TRUE(SetScreenSaverActive(false));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(kDisabledTip, kTipMs));
  ASSERT_NO_FATAL_FAILURE(StartOneMinuteTimedDisable());

  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(SwitchOnAsAnotherProgram());
    EXPECT_TRUE(PumpUntil([] { return !ScreenSaverActive(); }, kTickMs))
        << "the screen saver stayed on during a timed disable";
  }

  // Just after a tick: a switch made now would last until the next one.
  Click();
  SecondClick();
  EXPECT_FALSE(PumpUntil([] { return ScreenSaverActive(); }, kQuietMs))
      << "a click switched the screen saver during a timed disable";
  EXPECT_EQ(kOneMinuteTip, ShownTip());
}

TEST_F(UserTest, TimedDisable_EnableScreenSaverEndsIt) {
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(kEnabledTip, kTipMs));
  ASSERT_NO_FATAL_FAILURE(StartOneMinuteTimedDisable());
  ASSERT_TRUE(PumpUntil([] { return !ScreenSaverActive(); }, kTickMs));

  ASSERT_TRUE(Choose(MenuChoice::TimedDisable)) << "no \"Enable Screen Saver\" in the menu";
  EXPECT_TRUE(PumpUntil([] { return ScreenSaverActive(); }, kTipMs))
      << "\"Enable Screen Saver\" did not switch the screen saver on";
  EXPECT_TRUE(WaitForShownTip(kEnabledTip, kTipMs)) << "tip is \"" << ShownTip() << "\"";
  EXPECT_FALSE(PumpUntil([] { return !ScreenSaverActive(); }, kAfterTickMs))
      << "the screen saver is still held off";
  EXPECT_FALSE(FindTimedDialog().window) << "\"Enable Screen Saver\" opened the dialog";

  // The icon answers clicks again.
  Click();
  EXPECT_TRUE(PumpUntil([] { return !ScreenSaverActive(); }, kTipMs));
  EXPECT_TRUE(WaitForShownTip(kDisabledTip, kTipMs));

  // The item is back to opening the dialog, which offers the time that was left.
  ASSERT_TRUE(Choose(MenuChoice::TimedDisable));
  TimedDialog dialog;
  ASSERT_TRUE(PumpUntil(
      [&] {
        dialog = FindTimedDialog();
        return dialog.window != nullptr;
      },
      kTipMs));
  EXPECT_EQ(L"0", TextOf(dialog.hours));
  EXPECT_EQ(L"1", TextOf(dialog.minutes));
  PostMessageW(dialog.window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(dialog.window); }, kTipMs));
}

TEST_F(UserTest, TimedDisable_ExitSwitchesTheScreenSaverBackOn) {
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(kEnabledTip, kTipMs));
  ASSERT_NO_FATAL_FAILURE(StartOneMinuteTimedDisable());
  ASSERT_TRUE(PumpUntil([] { return !ScreenSaverActive(); }, kTickMs));

  ASSERT_TRUE(Choose(MenuChoice::Exit));
  ASSERT_TRUE(blinkward_.WaitForExit(kExitMs)) << "\"Exit\" did not end the program";
  EXPECT_TRUE(PumpUntil([this] { return ShownTip().empty(); }, kTipMs))
      << "the icon is still shown";
  EXPECT_TRUE(ScreenSaverActive()) << "quitting left the screen saver off";
}

// The dialog is opened from the menu's command, so until it closes the icon
// answers nothing; the end of the logon still gets through.
TEST_F(UserTest, TimedDialog_OpenIconIgnoresClicksAndTheLogonCanEnd) {
  const bool initial = ScreenSaverActive();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(initial), kTipMs));
  ASSERT_TRUE(Choose(MenuChoice::TimedDisable));
  ASSERT_TRUE(PumpUntil([this] { return FindTimedDialog().window != nullptr; }, kTipMs));

  Click();
  TrayEvent(WM_RBUTTONDOWN);
  TrayEvent(WM_RBUTTONUP);
  EXPECT_FALSE(
      PumpUntil([&] { return ScreenSaverActive() != initial || PopupMenu() != nullptr; }, kQuietMs))
      << (PopupMenu() ? "a popup menu opened" : "a click switched the screen saver")
      << " while the dialog was open";
  EXPECT_TRUE(FindTimedDialog().window);

  EXPECT_NE(0, SendEndOfLogon()) << "Blinkward refused to let the logon end";
  EXPECT_TRUE(blinkward_.WaitForExit(kExitMs)) << "the process still runs";
  EXPECT_TRUE(PumpUntil([this] { return ShownTip().empty(); }, kTipMs))
      << "the icon is still shown";
  const std::optional<RegistryValue> method = ReadUserValue(kMethodKeyPath, nullptr);
  ASSERT_TRUE(method) << "the end of the logon did not store the click method";
  EXPECT_EQ(L"0", method->Text());
}

}  // namespace
}  // namespace e2e
