// A timed disable started from the tray menu: the dialog, the countdown in the
// tip, the screen saver held off against other programs, and its two ends
// before the time runs out ("Enable Screen Saver" and "Exit").
#include "fixture.h"

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

struct EarlyEnd {
  const char* name;
  MenuChoice item;
};

class EarlyEnds : public BlinkwardTest, public ::testing::WithParamInterface<EarlyEnd> {};

TEST_P(EarlyEnds, TimedDisable_HoldsTheScreenSaverOffUntilEndedAndThenSwitchesItOn) {
  // Off before it starts: the icon shows "disabled", so a click that got
  // through would switch the screen saver on.
  ASSERT_TRUE(SetScreenSaverActive(false));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  const TimedDialog dialog = OpenTimedDialog();
  ASSERT_TRUE(dialog.window) << "\"Temporarily disable Screen Saver\" showed no dialog \"Timed\"";
  ASSERT_TRUE(dialog.hours && dialog.minutes && dialog.ok);

  // The dialog runs inside the menu's command: until it closes the icon answers nothing.
  Click();
  TrayEvent(WM_RBUTTONDOWN);
  TrayEvent(WM_RBUTTONUP);
  EXPECT_FALSE(PumpUntil([&] { return ScreenSaverActive() || PopupMenu() != nullptr; }, kQuietMs))
      << (PopupMenu() ? "a popup menu opened" : "a click switched the screen saver")
      << " while the dialog was open";

  EnterSpanAndPressOk(dialog, L"0", L"0");
  EXPECT_FALSE(PumpUntil([&] { return !IsWindowVisible(dialog.window); }, kQuietMs))
      << "OK with a zero span closed the dialog";
  EXPECT_EQ(kDisabledTip, Tip());
  EnterSpanAndPressOk(dialog, L"0", L"1");
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(dialog.window); }, kTipMs))
      << "OK with 0 hours and 1 minute left the dialog open";
  ASSERT_TRUE(WaitForTip(kOneMinuteTip, kTickMs)) << "tip is \"" << Tip() << "\"";
  ASSERT_EQ(1u, Icons().size());
  EXPECT_EQ(kOneMinuteTip, HoverTip(Icons()[0], kTipMs));

  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(SwitchOnAsAnotherProgram());
    EXPECT_TRUE(WaitForScreenSaver(false, kTickMs)) << "the screen saver stayed on";
  }
  // Just after a tick: a switch made now would last until the next one.
  Click();
  SecondClick();
  EXPECT_FALSE(WaitForScreenSaver(true, kQuietMs)) << "a click switched the screen saver";
  EXPECT_EQ(kOneMinuteTip, Tip());

  ASSERT_TRUE(Choose(GetParam().item));
  EXPECT_TRUE(WaitForScreenSaver(true, kTipMs)) << "the screen saver was left off";
  if (GetParam().item == MenuChoice::Exit) {
    EXPECT_TRUE(blinkward_.WaitForExit(kExitMs)) << "\"Exit\" did not end the program";
    EXPECT_TRUE(PumpUntil([this] { return Icons().empty(); }, kTipMs)) << "the icon is still shown";
  } else {
    EXPECT_TRUE(WaitForTip(kEnabledTip, kTipMs)) << "tip is \"" << Tip() << "\"";
    EXPECT_FALSE(WaitForScreenSaver(false, kAfterTickMs)) << "the screen saver is still held off";
    EXPECT_FALSE(FindTimedDialog().window) << "\"Enable Screen Saver\" opened the dialog";
  }
}

INSTANTIATE_TEST_SUITE_P(MenuItems, EarlyEnds,
                         ::testing::Values(EarlyEnd{"EnableScreenSaver", MenuChoice::TimedDisable},
                                           EarlyEnd{"Exit", MenuChoice::Exit}),
                         [](const ::testing::TestParamInfo<EarlyEnd>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace e2e
