// What only the real exe under a real shell shows: the icon and its tip, real
// mouse clicks, one copy per logon, and a new notification area.

#include "fixture.h"
#include "settings/settings_layout.h"
#include "win32/settings_window.h"

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

// Under Wine the user's language follows LANG and LC_ALL, which a Windows
// process cannot change for the programs it starts: CTest runs this again as
// e2e.Language with LANG=ru_RU.UTF-8, and other runs skip it. A Russian user
// reads the tip, and the settings window the menu opens, in Russian, in
// characters no western ANSI code page has. (Another process cannot read a
// menu's items under Wine, which keeps them in the process that made them.)
TEST_F(BlinkwardTest, TheTipAndTheMenusWindowSpeakTheUsersLanguage) {
  if (PRIMARYLANGID(GetUserDefaultUILanguage()) != LANG_RUSSIAN) GTEST_SKIP() << "not in Russian";
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(),
                                         L"\u0417\u0430\u0441\u0442\u0430\u0432\u043a\u0430 "
                                         L"\u0412\u041a\u041b\u042e\u0427\u0415\u041d\u0410"));
  ASSERT_TRUE(Choose(kSettingsItem)) << "no menu";
  HWND settings = nullptr;
  ASSERT_TRUE(PumpUntil(
      [&] {
        settings = WindowOf(blinkward_.info.dwProcessId, Widen(bw::win32::kSettingsWindowClass));
        return settings != nullptr;
      },
      kWaitMs))
      << "the menu opened no settings window";
  wchar_t title[64] = L"", check[64] = L"";
  GetWindowTextW(settings, title, 64);
  GetWindowTextW(GetDlgItem(settings, bw::kIdStartWithWindows), check, 64);
  EXPECT_STREQ(title, L"\u041f\u0430\u0440\u0430\u043c\u0435\u0442\u0440\u044b");
  EXPECT_STREQ(check, L"\u0417\u0430\u043f\u0443\u0441\u043a\u0430\u0442\u044c \u0441 Windows");
}

}  // namespace
}  // namespace e2e
