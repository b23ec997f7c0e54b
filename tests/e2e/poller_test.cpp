// The icon follows the screen-saver flag when another program switches it.
#include <gtest/gtest.h>

#include "blinkward_fixture.h"
#include "pump.h"
#include "screen_saver.h"

namespace e2e {
namespace {

TEST_F(BlinkwardTest, Poller_FollowsAChangeMadeByAnotherProgram) {
  const bool initial = ScreenSaverActive();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(initial), kTipMs)) << "tip is \"" << Tip() << "\"";

  for (bool active : {!initial, initial}) {
    ASSERT_TRUE(SetScreenSaverActive(active));
    const ULONGLONG switched = NowMs();
    ASSERT_TRUE(WaitForTip(TipFor(active), kTipMs)) << "tip is \"" << Tip() << "\"";
    // For the log only: the next tick, at most 250 ms later, shows it.
    std::printf("switch to %s seen after %llu ms\n", active ? "active" : "inactive",
                NowMs() - switched);
  }
  EXPECT_EQ(1u, Icons().size());
}

}  // namespace
}  // namespace e2e
