// What only the real exe under a real shell shows: the icon and its tip, a
// real mouse click and the keyboard, one copy per logon, a new notification
// area, and the settings kept across a restart.

#include "fixture.h"

namespace e2e {
namespace {

constexpr wchar_t kKeepDisplayOn[] = L"Keep the display on too";

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
  ASSERT_TRUE(SetScreenSaverActive(false));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());  // one icon, the tip of the state
  EXPECT_FALSE(IsWindowVisible(main_)) << "the main window must start hidden";
  // What a user sees: the shell's tooltip when the mouse rests on the icon.
  EXPECT_EQ(kDisabledTip, HoverTip(Icons().at(0), kWaitMs));
  ASSERT_TRUE(SetScreenSaverActive(true));
  EXPECT_TRUE(WaitForTip(kEnabledTip)) << "tip is \"" << Tip() << "\"";

  Process second;
  ASSERT_TRUE(second.Start(BlinkwardExePath()));
  size_t windowsSeen = 0;  // over its whole life
  EXPECT_TRUE(PumpUntil(
      [&] {
        windowsSeen += FindWindows(nullptr, second.id, nullptr, nullptr, false).size();
        return !second.Running();
      },
      kWaitMs))
      << "the second copy still runs";
  TerminateProcess(second.handle, 1);
  EXPECT_EQ(0u, windowsSeen) << "the second copy created a window";
  EXPECT_EQ(kEnabledTip, Tip()) << Icons().size() << " icons shown";

  ASSERT_TRUE(DeleteIcon()) << "the icon is not (callback window, 1)";
  ASSERT_TRUE(WaitForNoIcon());
  const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  ASSERT_TRUE(PostMessageW(HWND_BROADCAST, taskbarCreated, 0, 0));
  ASSERT_TRUE(WaitForTip(kEnabledTip)) << Icons().size() << " icons, tip \"" << Tip() << "\"";
  // Windows also broadcasts it while the area keeps the icon (a new
  // resolution, a remote connection): the icon must go on following.
  ASSERT_TRUE(PostMessageW(HWND_BROADCAST, taskbarCreated, 0, 0));
  PumpFor(kQuietMs);
  ASSERT_TRUE(SetScreenSaverActive(false));
  EXPECT_TRUE(WaitForTip(kDisabledTip)) << "the tip froze after a second TaskbarCreated";
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_TRUE(WaitForTip(kEnabledTip));

  ASSERT_TRUE(MouseClickAt(Icons().at(0), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP));
  EXPECT_TRUE(WaitForScreenSaver(false, kWaitMs)) << "a left click did not switch";
  EXPECT_TRUE(WaitForTip(kDisabledTip));
  PumpFor(kQuietMs);  // far enough apart not to make a double click
  ASSERT_TRUE(MouseClickAt(Icons().at(0), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP));
  EXPECT_TRUE(PumpUntil([this] { return PopupMenu() != nullptr; }, kWaitMs)) << "no menu";
  PostMessageW(PopupMenu(), WM_KEYDOWN, VK_ESCAPE, 1);
  ASSERT_TRUE(PumpUntil([this] { return PopupMenu() == nullptr; }, kWaitMs));
  EXPECT_FALSE(PumpUntil([this] { return PopupMenu() != nullptr; }, kQuietMs)) << "a second menu";

  // Enter on the icon, which the shell may report twice, switches once.
  TrayEvent(NIN_KEYSELECT);
  TrayEvent(NIN_KEYSELECT);
  EXPECT_TRUE(WaitForTip(kEnabledTip)) << "Enter did not switch, or switched twice";
  EXPECT_TRUE(ScreenSaverActive());
}

// What the settings window changes is in use and stored at once, so a killed
// program starts again with it: the click method and the display choice.
TEST_F(BlinkwardTest, TheSettingsAreStoredAtOnce) {
  const bool initial = ScreenSaverActive();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(ShowSettings());
  // A closed drop-down list moves its selection by one item per arrow key.
  Send(Control(L"ComboBox"), WM_KEYDOWN, VK_DOWN, 1);
  Send(Control(L"Button", kKeepDisplayOn), BM_CLICK);
  SecondClick();  // which the first run's "Single click" ignores
  EXPECT_TRUE(WaitForTip(TipFor(!initial))) << "the chosen method is not in use";
  Kill();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(ShowSettings());
  EXPECT_EQ(1, Send(Control(L"ComboBox"), CB_GETCURSEL));
  EXPECT_EQ(BST_CHECKED, Send(Control(L"Button", kKeepDisplayOn), BM_GETCHECK));
  EXPECT_EQ(L"1", ReadUserText(L"Software\\Blinkward\\KeepDisplayOn", nullptr).value_or(L"?"));
}

}  // namespace
}  // namespace e2e
