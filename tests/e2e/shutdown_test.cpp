// Closing the main window only hides it; the end of the logon removes the icon
// and ends the program.
#include <gtest/gtest.h>

#include "blinkward_fixture.h"
#include "pump.h"
#include "screen_saver.h"

namespace e2e {
namespace {

// How a user or another program asks the main window to close.
struct CloseRequest {
  const char* name;
  UINT message;
  WPARAM wParam;
};

class CloseRequests : public BlinkwardTest, public ::testing::WithParamInterface<CloseRequest> {};

TEST_P(CloseRequests, Close_OnlyHidesTheWindowAndKeepsTheIcon) {
  const CloseRequest request = GetParam();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  const std::wstring tip = TipFor(ScreenSaverActive());
  ASSERT_TRUE(WaitForTip(tip, kTipMs));

  // The settings window as the user has it open.
  ShowWindow(main_, SW_SHOWNORMAL);
  ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(main_) != FALSE; }, kTipMs));

  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(main_, request.message, request.wParam, 0, SMTO_ABORTIFHUNG, kExitMs,
                      &ignored);
  EXPECT_TRUE(PumpUntil([this] { return !IsWindowVisible(main_); }, kTipMs))
      << "the window is still shown";
  EXPECT_TRUE(IsWindow(main_)) << "the window was destroyed";
  EXPECT_TRUE(blinkward_.running());
  EXPECT_EQ(1u, Icons().size());
  EXPECT_EQ(tip, Tip());

  // Closing the hidden window again changes nothing either.
  SendMessageTimeoutW(main_, request.message, request.wParam, 0, SMTO_ABORTIFHUNG, kExitMs,
                      &ignored);
  EXPECT_TRUE(IsWindow(main_));
  EXPECT_TRUE(blinkward_.running());
  EXPECT_EQ(1u, Icons().size());
}

INSTANTIATE_TEST_SUITE_P(TitleBarAndTaskManager, CloseRequests,
                         ::testing::Values(CloseRequest{"SysCommandClose", WM_SYSCOMMAND, SC_CLOSE},
                                           CloseRequest{"WmClose", WM_CLOSE, 0}),
                         [](const ::testing::TestParamInfo<CloseRequest>& info) {
                           return info.param.name;
                         });

TEST_F(BlinkwardTest, EndOfLogon_RemovesTheIconAndEndsTheProcess) {
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(ScreenSaverActive()), kTipMs));

  EXPECT_NE(0, SendEndOfLogon()) << "Blinkward refused to let the logon end";
  EXPECT_TRUE(PumpUntil([this] { return Icons().empty(); }, kTipMs)) << "the icon is still shown";
  EXPECT_TRUE(blinkward_.WaitForExit(kExitMs)) << "the process still runs";
}

}  // namespace
}  // namespace e2e
