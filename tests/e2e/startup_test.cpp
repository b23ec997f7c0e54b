// Start-up: one hidden main window, one icon, the true state in its tip within
// a tick, and a second copy that ends before it touches anything.
#include <gtest/gtest.h>

#include "blinkward_fixture.h"
#include "pump.h"
#include "screen_saver.h"

namespace e2e {
namespace {

TEST_F(BlinkwardTest, Startup_AddsOneIconOwnedByTheHiddenCallbackWindow) {
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());

  EXPECT_EQ(1u, Icons().size());
  EXPECT_EQ(kMainCaption, TextOf(main_));
  EXPECT_FALSE(IsWindowVisible(main_)) << "the main window must start hidden";
  EXPECT_FALSE(IsWindowVisible(callback_));
  EXPECT_EQ(main_, GetAncestor(callback_, GA_ROOT));
  // The shell knows the icon by its owner and id: deleting (owner, 1) from
  // outside removes exactly it. (TearDown then ends the program.)
  EXPECT_TRUE(DeleteTrayIcon(callback_, kIconId));
  EXPECT_TRUE(PumpUntil([this] { return Icons().empty(); }, kTipMs))
      << "the icon is not (callback window, 1)";
}

class StartupState : public BlinkwardTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StartupState, Startup_TipShowsTheTrueState) {
  const bool active = GetParam();
  ASSERT_TRUE(SetScreenSaverActive(active));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  const ULONGLONG iconSeen = NowMs();

  ASSERT_TRUE(WaitForTip(TipFor(active), kTipMs)) << "tip is \"" << Tip() << "\"";
  // For the log only: the program's first tick comes 250 ms after start-up.
  std::printf("state tip seen %llu ms after the icon\n", NowMs() - iconSeen);

  // What a user sees: the shell's tooltip when the mouse rests on the icon.
  const std::vector<TrayIcon> icons = Icons();
  ASSERT_EQ(1u, icons.size());
  EXPECT_EQ(TipFor(active), HoverTip(icons[0], kTipMs));
}

INSTANTIATE_TEST_SUITE_P(BothStates, StartupState, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Enabled" : "Disabled";
                         });

TEST_F(BlinkwardTest, SecondCopy_EndsAtOnceLeavingOneIcon) {
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(ScreenSaverActive()), kTipMs));

  Process second = Process::Start(BlinkwardExePath());
  ASSERT_TRUE(second.started());
  // Watch it for its whole life: it must never own a top-level window.
  size_t windowsSeen = 0;
  const bool ended = PumpUntil(
      [&] {
        windowsSeen += TopLevelWindowsOf(second.id()).size();
        return !second.running();
      },
      kExitMs);
  ASSERT_TRUE(ended) << "the second copy still runs";
  EXPECT_EQ(0u, windowsSeen) << "the second copy created a window";

  EXPECT_TRUE(blinkward_.running());
  EXPECT_EQ(1u, Icons().size());
  EXPECT_EQ(TipFor(ScreenSaverActive()), Tip());
}

}  // namespace
}  // namespace e2e
