// When the notification area is created anew (Explorer restarted, or started
// after the program at logon), the shell broadcasts "TaskbarCreated" and the
// program must add its icon again.
#include <gtest/gtest.h>

#include "blinkward_fixture.h"
#include "pump.h"
#include "screen_saver.h"

namespace e2e {
namespace {

TEST_F(BlinkwardTest, TaskbarCreated_AddsTheIconAgainAsItWas) {
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  const std::wstring tip = TipFor(ScreenSaverActive());
  ASSERT_TRUE(WaitForTip(tip, kTipMs));

  // A new notification area knows no icons: take Blinkward's away.
  ASSERT_TRUE(DeleteTrayIcon(callback_, kIconId));
  ASSERT_TRUE(PumpUntil([this] { return Icons().empty(); }, kTipMs));

  // Wine 8 never broadcasts it itself: do what Explorer does.
  const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  ASSERT_NE(0u, taskbarCreated);
  ASSERT_TRUE(PostMessageW(HWND_BROADCAST, taskbarCreated, 0, 0));

  EXPECT_TRUE(WaitForTip(tip, kTipMs))
      << "icons shown: " << Icons().size() << ", tip \"" << Tip() << "\"";
  EXPECT_EQ(1u, Icons().size());
}

}  // namespace
}  // namespace e2e
