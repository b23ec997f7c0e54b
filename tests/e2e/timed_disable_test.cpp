// A timed disable through the real dialog: the countdown in the tip, the
// screen saver held off against other programs and clicks, and its ends
// before the time runs out ("Enable Screen Saver" and "Exit").
#include "fixture.h"

namespace e2e {
namespace {

const std::wstring kOneMinuteTip = L"Screen Saver will be DISABLED\nfor the next minute";
constexpr DWORD kTickMs = 3000;  // for the countdown's once-a-second work to show

TEST_F(BlinkwardTest, TimedDisableHoldsTheScreenSaverOffUntilEnded) {
  for (MenuChoice end : {kTimedDisable, kExit}) {
    SCOPED_TRACE(end == kExit ? "Exit" : "Enable Screen Saver");
    // Off before it starts, so a click that got through would switch it on.
    ASSERT_TRUE(SetScreenSaverActive(false));
    ASSERT_NO_FATAL_FAILURE(StartBlinkward());
    const HWND dialog = OpenTimedDialog();
    ASSERT_TRUE(dialog) << "\"Temporarily disable Screen Saver\" showed no dialog \"Timed\"";
    // The dialog runs inside the menu's command: until it closes the icon answers nothing.
    Click();
    TrayEvent(WM_RBUTTONUP);
    EXPECT_FALSE(PumpUntil([&] { return ScreenSaverActive() || PopupMenu(); }, kQuietMs))
        << "the icon answered while the dialog was open";

    ASSERT_NO_FATAL_FAILURE(PressOk(dialog, L"0", L"1"));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(dialog); }, kWaitMs)) << "still open";
    ASSERT_TRUE(WaitForTip(kOneMinuteTip, kTickMs)) << "tip is \"" << Tip() << "\"";
    EXPECT_EQ(kOneMinuteTip, HoverTip(Icons()[0], kWaitMs));
    for (int round = 0; round < 2; ++round) {
      // The countdown may switch it off between the switch and its read-back.
      for (int attempt = 0; attempt < 3 && !SetScreenSaverActive(true); ++attempt) {
      }
      EXPECT_TRUE(WaitForScreenSaver(false, kTickMs)) << "the screen saver stayed on";
    }
    Click();
    SecondClick();
    EXPECT_FALSE(WaitForScreenSaver(true, kQuietMs)) << "a click switched the screen saver";

    ASSERT_TRUE(Choose(end));
    EXPECT_TRUE(WaitForScreenSaver(true, kWaitMs)) << "the screen saver was left off";
    if (end == kExit) {
      EXPECT_TRUE(blinkward_.WaitForExit(kWaitMs)) << "\"Exit\" did not end the program";
      EXPECT_TRUE(WaitForNoIcon()) << "the icon is still shown";
    } else {
      EXPECT_TRUE(WaitForTip(kEnabledTip)) << "tip is \"" << Tip() << "\"";
      EXPECT_FALSE(WaitForScreenSaver(false, 2 * kQuietMs)) << "still held off";
      EXPECT_TRUE(FindWindows(nullptr, blinkward_.id, nullptr, L"Timed").empty())
          << "\"Enable Screen Saver\" opened the dialog";
      SendEndOfLogon();
      ASSERT_TRUE(blinkward_.WaitForExit(kWaitMs));
    }
  }
}

}  // namespace
}  // namespace e2e
