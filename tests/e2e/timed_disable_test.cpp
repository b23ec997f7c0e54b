// A timed disable through the real menu and dialog outlives a killed program:
// the next copy reads its note in the real registry and goes on counting by
// the real clock.
#include "fixture.h"
#include "timed/timed_layout.h"
#include "win32/timed_dialog_window.h"

namespace e2e {
namespace {

struct TimedDisable : BlinkwardTest {
  HWND OpenDialog() const {  // null if none showed
    HWND dialog = nullptr;
    const std::wstring dialogClass = Widen(bw::win32::kTimedDialogClass);
    if (Choose(kTimedDisableItem)) {
      PumpUntil([&] { return (dialog = WindowOf(blinkward_.info.dwProcessId, dialogClass)); },
                kWaitMs);
    }
    return dialog;
  }
};

TEST_F(TimedDisable, OutlivesAKill) {
  const std::wstring counting = L"Screen Saver will be DISABLED\nfor the next 2 minutes";
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  const HWND dialog = OpenDialog();
  ASSERT_TRUE(dialog) << "the menu showed no dialog";
  Send(GetDlgItem(dialog, bw::kIdMinutes), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2"));
  Send(GetDlgItem(dialog, bw::kIdOk), BM_CLICK);
  ASSERT_TRUE(WaitForTip(counting)) << "tip is \"" << Tip() << "\"";
  EXPECT_TRUE(WaitForScreenSaver(false, kWaitMs));
  Kill();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), counting));
  EXPECT_FALSE(ScreenSaverActive());

  // "Enable Screen Saver" ends it; a dialog left open, the end of the logon
  // must close too.
  ASSERT_TRUE(Choose(kTimedDisableItem));
  EXPECT_TRUE(WaitForScreenSaver(true, kWaitMs));
  ASSERT_TRUE(OpenDialog());
}

}  // namespace
}  // namespace e2e
