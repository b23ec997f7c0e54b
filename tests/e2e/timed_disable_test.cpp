// A timed disable through the real dialog: the countdown in the tip, the
// screen saver held off against other programs and clicks, and its ends
// before the time runs out ("Enable Screen Saver" and "Exit"); a span that
// outlives a killed program.
#include "fixture.h"

namespace e2e {
namespace {

const std::wstring kOneMinuteTip = L"Screen Saver will be DISABLED\nfor the next minute";
const std::wstring kTwoMinutesTip = L"Screen Saver will be DISABLED\nfor the next 2 minutes";
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

// A copy started after one was killed mid-span goes on with the time left;
// one started after the span's time ran out switches the screen saver on.
TEST_F(BlinkwardTest, ASpanOutlivesAKilledProgramButNotItsTime) {
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  const HWND dialog = OpenTimedDialog();
  ASSERT_TRUE(dialog);
  ASSERT_NO_FATAL_FAILURE(PressOk(dialog, L"0", L"2"));
  ASSERT_TRUE(WaitForTip(kTwoMinutesTip, kTickMs)) << "tip is \"" << Tip() << "\"";
  Kill();
  ASSERT_FALSE(ScreenSaverActive());
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), kTwoMinutesTip));
  EXPECT_FALSE(WaitForScreenSaver(true, kQuietMs)) << "the resumed span let the screen saver on";

  // The note as the killed copy left it, its start moved back past its end.
  Kill();
  const wchar_t* const kNote = L"Software\\Blinkward\\TimedDisable";
  const std::wstring begun = ReadUserText(kNote, L"Begun").value_or(L"");
  ASSERT_FALSE(begun.empty()) << "no note of the span";
  ASSERT_TRUE(WriteUserText(kNote, L"Begun", std::to_wstring(std::stoul(begun) - 200000)));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), kEnabledTip));
  EXPECT_TRUE(ScreenSaverActive());
  EXPECT_FALSE(ReadUserText(kNote, L"Begun")) << "the note outlived its span";
}

}  // namespace
}  // namespace e2e
