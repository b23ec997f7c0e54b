// What only the real exe shows of the shortcut: the stored one is taken at
// start-up, and pressed through the system's input queue it switches the
// screen saver once however long it is held down.

#include "fixture.h"

namespace e2e {
namespace {

bool Keys(std::initializer_list<std::pair<WORD, bool>> keys) { return SendKeys(keys, 100); }

// Held down for repeats of the key over half a second, as a slow press is, it
// switches once; let go and pressed again at once, once more.
TEST_F(BlinkwardTest, TheStoredShortcutSwitchesOnceWhileHeldDown) {
  ASSERT_TRUE(WriteUserText(Widen(bw::kHotkeyKey), nullptr, L"Ctrl+Alt+F7"));
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  for (bool active : {false, true}) {
    ASSERT_TRUE(Keys({{VK_CONTROL, true},
                      {VK_MENU, true},
                      {VK_F7, true},
                      {VK_F7, true},
                      {VK_F7, true},
                      {VK_F7, true},
                      {VK_F7, true},
                      {VK_F7, true}}));
    EXPECT_TRUE(WaitForScreenSaver(active, kWaitMs)) << "the shortcut did not switch";
    PumpFor(kQuietMs);
    EXPECT_EQ(ScreenSaverActive(), active) << "a key held down switched again";
    ASSERT_TRUE(Keys({{VK_F7, false}, {VK_MENU, false}, {VK_CONTROL, false}}));
  }
}

}  // namespace
}  // namespace e2e
