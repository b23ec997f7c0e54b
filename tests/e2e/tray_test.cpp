// What only the real exe under a real shell shows: the icon and its tip, real
// mouse clicks, one copy per logon, and a new notification area.

#include "fixture.h"

namespace e2e {
namespace {

// A real click through the system's input queue, in the middle of the icon.
bool MouseClickAt(const TrayIcon& icon, DWORD press, DWORD release) {
  const RECT& r = icon.screenRect;
  if (!SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2)) return false;
  PumpFor(50);
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = press;
  inputs[1].mi.dwFlags = release;
  const bool sent = SendInput(2, inputs, sizeof(INPUT)) == 2;
  PumpFor(50);
  SetCursorPos(0, 0);
  return sent;
}

// The icon shows the true state and follows another program's change; a
// second copy ends at once without a window; a new notification area gets the
// icon again (Explorer broadcasts "TaskbarCreated" when it restarts, Wine 8
// never does); and a real left click switches, a right click opens the menu.
TEST_F(BlinkwardTest, OneIconFollowsTheStateAndTheMouseForEveryCopyAndTaskbar) {
  const std::wstring on = TipFor(true), off = TipFor(false);
  ASSERT_TRUE(SetScreenSaverActive(false));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());  // one icon, the tip of the state
  // What a user sees: the shell's tooltip when the mouse rests on the icon.
  EXPECT_EQ(off, HoverTip(BlinkwardTrayIcons().at(0), kWaitMs));
  ASSERT_TRUE(SetScreenSaverActive(true));
  EXPECT_TRUE(WaitForTip(on)) << "tip is \"" << Tip() << "\"";

  Process second;
  ASSERT_TRUE(second.Start(BlinkwardExePath()));
  bool windowSeen = false;  // over its whole life
  EXPECT_TRUE(PumpUntil(
      [&] {
        windowSeen = windowSeen ||
                     WindowOf(second.info.dwProcessId, Widen(bw::win32::kMainWindowClass), false);
        return !second.Running();
      },
      kWaitMs))
      << "the second copy still runs";
  TerminateProcess(second.info.hProcess, 1);
  EXPECT_FALSE(windowSeen) << "the second copy created its window";
  EXPECT_EQ(on, Tip()) << BlinkwardTrayIcons().size() << " icons shown";

  ASSERT_TRUE(DeleteIcon()) << "the icon is not (callback window, the program's id)";
  ASSERT_TRUE(WaitForNoIcon());
  ASSERT_TRUE(PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0));
  ASSERT_TRUE(WaitForTip(on)) << BlinkwardTrayIcons().size() << " icons, tip \"" << Tip() << "\"";

  ASSERT_TRUE(MouseClickAt(BlinkwardTrayIcons().at(0), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP));
  EXPECT_TRUE(WaitForScreenSaver(false, kWaitMs)) << "a left click did not switch";
  EXPECT_TRUE(WaitForTip(off));
  PumpFor(kQuietMs);  // far enough apart not to make a double click
  ASSERT_TRUE(MouseClickAt(BlinkwardTrayIcons().at(0), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP));
  EXPECT_TRUE(PumpUntil([this] { return PopupMenu() != nullptr; }, kWaitMs)) << "no menu";
  PostMessageW(PopupMenu(), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_TRUE(PumpUntil([this] { return PopupMenu() == nullptr; }, kWaitMs));
}

}  // namespace
}  // namespace e2e
