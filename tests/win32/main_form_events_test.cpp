// What the main form's window reports to the program for the messages Windows,
// the shell and the user send it, and its popup menu as built.
#include <gtest/gtest.h>

#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

TEST(MainFormEvents, WindowMessagesBecomeTheProgramsCallsInOrder) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  const HWND hwnd = window.form.hwnd(), box = window.Item(kIdWindowsStart);
  // The shell sends the icon's callback (WM_MOUSEMOVE) to the hidden child with
  // the icon id and the mouse message that happened over the icon.
  for (LPARAM mouse : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONUP}) {
    SendMessageA(FromHandle<HWND>(window.form.StatusOutputWindow()), WM_MOUSEMOVE, 1, mouse);
  }
  SendMessageA(hwnd, WM_CLOSE, 0, 0);
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);  // the system menu and Alt+F4
  EXPECT_EQ(SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageA(hwnd, WM_ENDSESSION, FALSE, 0);  // the end was called off
  SendMessageA(hwnd, WM_ENDSESSION, TRUE, 0);
  // Only the user's click on the box is reported, not the program's own change.
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  window.form.SetCheckValue(SettingsControl::WindowsStart, 0);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // The hidden window must hear the broadcast of a new notification area.
  PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  PumpUntil([&] { return window.events.calls.size() >= 8; });

  EXPECT_EQ(window.events.calls,
            (std::vector<std::string>{"TrayCallback 513", "TrayCallback 515", "TrayCallback 517",
                                      "QueryUnload 0", "QueryUnload 0", "EndSession",
                                      "WindowsStartClick", "TaskbarCreated"}));
  EXPECT_TRUE(IsWindow(hwnd));
}

std::string CaptionAt(HMENU menu, int position) {
  char caption[64] = "";
  GetMenuStringA(menu, position, caption, sizeof caption, MF_BYPOSITION);
  return caption;
}

TEST(PopupMenu, EightPlainItemsWithSeparatorsAtFourAndSixAndTheTimedDisableChanges) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  const HMENU menu = window.form.OptionsMenu();
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

  // A timed disable greys item 1 and renames item 5; each change keeps the other.
  window.form.SetMenuItemEnabled(MenuItem::StartSS, false);
  window.form.SetMenuItemCaption(MenuItem::TimedDisable, "Enable Screen Saver");
  window.form.SetMenuItemCaption(MenuItem::StartSS, "Start Screen Saver");
  EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_EQ(CaptionAt(menu, 4), "Enable Screen Saver");
  EXPECT_EQ(GetMenuItemID(menu, 4), 5u);
  window.form.SetMenuItemEnabled(MenuItem::StartSS, true);
  EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED, 0u);
  EXPECT_EQ(GetMenuItemCount(menu), 8);
}

}  // namespace
}  // namespace bw::win32::test
