// Start-up: one hidden main window and one icon that shows the true state and
// follows it; a second copy that ends before it touches anything; the icon
// added again for a new notification area.
#include "fixture.h"

namespace e2e {
namespace {

class StartupState : public BlinkwardTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StartupState, Startup_TipShowsTheTrueStateAndFollowsAnotherProgramsChange) {
  const bool active = GetParam();
  ASSERT_TRUE(SetScreenSaverActive(active));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());  // one icon, tip TipFor(active)
  EXPECT_EQ(L"Settings", TextOf(main_));
  EXPECT_FALSE(IsWindowVisible(main_)) << "the main window must start hidden";
  // What a user sees: the shell's tooltip when the mouse rests on the icon.
  const std::vector<TrayIcon> icons = Icons();
  ASSERT_EQ(1u, icons.size());
  EXPECT_EQ(TipFor(active), HoverTip(icons[0], kTipMs));

  ASSERT_TRUE(SetScreenSaverActive(!active));
  EXPECT_TRUE(WaitForTip(TipFor(!active), kTipMs)) << "tip is \"" << Tip() << "\"";
}

INSTANTIATE_TEST_SUITE_P(BothStates, StartupState, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Enabled" : "Disabled";
                         });

TEST_F(BlinkwardTest, SecondCopy_EndsAtOnceLeavingOneIcon) {
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  Process second;
  ASSERT_TRUE(second.Start(BlinkwardExePath()));
  // Watched for its whole life: it must never own a top-level window.
  size_t windowsSeen = 0;
  const bool ended = PumpUntil(
      [&] {
        windowsSeen += TopLevelWindowsOf(second.id()).size();
        return !second.running();
      },
      kExitMs);
  second.Kill();
  EXPECT_TRUE(ended) << "the second copy still runs";
  EXPECT_EQ(0u, windowsSeen) << "the second copy created a window";
  EXPECT_TRUE(blinkward_.running());
  EXPECT_EQ(TipFor(ScreenSaverActive()), Tip()) << Icons().size() << " icons shown";
}

// Explorer broadcasts "TaskbarCreated" when it restarts (Wine 8 never does).
TEST_F(BlinkwardTest, TaskbarCreated_AddsTheIconAgainAsItWas) {
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  const std::wstring tip = Tip();
  // A new notification area knows no icons. Deleting (owner, 1) also proves
  // that the icon is the callback window's icon 1.
  ASSERT_TRUE(DeleteIcon());
  ASSERT_TRUE(PumpUntil([this] { return Icons().empty(); }, kTipMs));

  ASSERT_TRUE(PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0));
  EXPECT_TRUE(WaitForTip(tip, kTipMs))
      << "icons shown: " << Icons().size() << ", tip \"" << Tip() << "\"";
}

}  // namespace
}  // namespace e2e
