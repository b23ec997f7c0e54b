// The program as WinMain builds it, against the real system: each port and
// each window reaches the program, and the program reaches each of them.
// clang-format off
#include "win32_test_support.h"
#include <shellapi.h>
// clang-format on

namespace bw::win32::test {
namespace {

bool ScreenSaverActive() {
  BOOL active = FALSE;
  SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  return active != FALSE;
}

// The icon is the tray window's; its click switches the screen saver; a
// listed program's window and its end, seen by the programs' port, hold and
// let go; a check box of the settings window is stored at once.
TEST(Composition, EveryPortAndWindowIsWiredToTheProgram) {
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
  Composition program;
  ASSERT_TRUE(program.registry.WriteList("Software\\Blinkward\\Programs", "", {"wired.exe"}));
  ASSERT_TRUE(program.Start());
  NOTIFYICONDATAA icon{};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = program.trayWindow.hwnd();
  icon.uID = 1;
  EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &icon)) << "no icon of the tray window's";

  SendMessageA(program.trayWindow.hwnd(), WM_MOUSEMOVE, 1, WM_LBUTTONDOWN);
  EXPECT_FALSE(ScreenSaverActive());
  SendMessageA(program.trayWindow.hwnd(), WM_MOUSEMOVE, 1, WM_LBUTTONDOWN);
  EXPECT_TRUE(ScreenSaverActive());

  {
    const Started listed(L"wired.exe", L"window");
    EXPECT_TRUE(PumpUntil([] { return !ScreenSaverActive(); })) << "the window went unseen";
    listed.Kill();
    EXPECT_TRUE(PumpUntil([] { return ScreenSaverActive(); })) << "the end went unseen";
  }

  program.app.OnMenuCommand(MenuCommand::Settings, false);
  SendMessageA(GetDlgItem(program.settingsWindow.hwnd(), kIdKeepDisplayOn), BM_CLICK, 0, 0);
  EXPECT_EQ(program.registry.ReadString("Software\\Blinkward\\KeepDisplayOn", "").text, "1");

  program.app.OnMenuCommand(MenuCommand::Exit, false);
  EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &icon)) << "the icon outlived Exit";
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  program.registry.DeleteValue("Software\\Blinkward\\Programs", "");
  program.registry.DeleteValue("Software\\Blinkward\\KeepDisplayOn", "");
}

}  // namespace
}  // namespace bw::win32::test
