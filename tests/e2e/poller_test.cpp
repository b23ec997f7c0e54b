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
    const ULONGLONG latency = NowMs() - switched;
    // The next tick sees it: one interval, plus the time to see it from here.
    EXPECT_LE(latency, kPollerMs + 250) << "the tip changed " << latency << " ms after the switch";
    std::printf("switch to %s shown after %llu ms\n", active ? "active" : "inactive", latency);
  }
  EXPECT_EQ(1u, Icons().size());
}

}  // namespace
}  // namespace e2e
