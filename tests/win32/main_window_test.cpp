// What the program's window reports for the messages Windows, the shell and
// the user send it, and its popup menu as built.
#include <gtest/gtest.h>

#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

TEST(MainWindow, MessagesBecomeTheProgramsEventsWithTheirValues) {
  Windows w;
  ASSERT_TRUE(w.created);
  const HWND hwnd = w.window.hwnd();
  // The shell sends the icon's callback (WM_MOUSEMOVE) to the hidden child with
  // the icon id and the mouse message that happened over the icon.
  for (LPARAM mouse : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONUP}) {
    SendMessageA(w.window.TrayCallbackWindow(), WM_MOUSEMOVE, 1, mouse);
  }
  SendMessageA(hwnd, WM_CLOSE, 0, 0);
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);  // the system menu and Alt+F4
  EXPECT_EQ(SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageA(hwnd, WM_ENDSESSION, FALSE, 0);  // the end was called off
  SendMessageA(hwnd, WM_ENDSESSION, TRUE, 0);
  // The user's choices, with the values they leave.
  w.window.ShowSettings({"", {}});
  SendMessageA(w.Item(kIdStartWithWindows), BM_CLICK, 0, 0);
  SendMessageA(w.Item(kIdMethod), CB_SETCURSEL, 1, 0);
  SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(kIdMethod, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(w.Item(kIdMethod)));
  w.window.HideSettings();
  // The hidden window must hear the broadcast of a new notification area.
  PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  w.window.SetTimer(TimerId::Countdown, true);
  PumpUntil([&] { return w.events.calls.size() >= 10; });
  w.window.SetTimer(TimerId::Countdown, false);

  EXPECT_EQ(w.events.calls, (std::vector<std::string>{
                                "Tray 513", "Tray 515", "Tray 517", "Close 0", "Close 0", "Close 2",
                                "Setting 102 1", "Setting 104 1", "TaskbarCreated", "Timer 1"}));
  EXPECT_TRUE(IsWindow(hwnd));
}

std::string CaptionAt(HMENU menu, int position) {
  char caption[64] = "";
  GetMenuStringA(menu, position, caption, sizeof caption, MF_BYPOSITION);
  return caption;
}

TEST(PopupMenu, EightPlainItemsWithSeparatorsAtFourAndSixAndTheTimedDisableChanges) {
  Windows w;
  ASSERT_TRUE(w.created);
  const HMENU menu = w.window.PopupMenu();
  const char* captions[] = {"Start Screen Saver",
                            "Configure Screen Saver",
                            "Select Screen Saver",
                            nullptr,
                            "Temporarily disable Screen Saver",
                            nullptr,
                            "Configure program",
                            "Exit"};
  ASSERT_EQ(GetMenuItemCount(menu), 8);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i + 1);
    const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
    // Wine reports separators as greyed; they cannot be chosen either way.
    if (!captions[i]) {
      EXPECT_TRUE(state & MF_SEPARATOR) << std::hex << state;
      continue;
    }
    constexpr UINT kNotPlain = MF_SEPARATOR | MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP |
                               MF_DEFAULT | MF_BITMAP | MF_OWNERDRAW;
    EXPECT_EQ(state & kNotPlain, 0u) << std::hex << state;
    EXPECT_EQ(GetMenuItemID(menu, i), static_cast<UINT>(i + 1));
    EXPECT_EQ(CaptionAt(menu, i), captions[i]);
  }
  // A timed disable greys item 1 and renames item 5, and its end undoes both.
  w.app.countdown().Begin({0, 5}, false);
  EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_EQ(CaptionAt(menu, 4), "Enable Screen Saver");
  EXPECT_EQ(CaptionAt(menu, 0), "Start Screen Saver");
  w.app.countdown().End();
  EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED, 0u);
  EXPECT_EQ(CaptionAt(menu, 4), "Temporarily disable Screen Saver");
  EXPECT_EQ(GetMenuItemCount(menu), 8);
}

}  // namespace
}  // namespace bw::win32::test
