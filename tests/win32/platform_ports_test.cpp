// The system, registry and shell ports against the real system: what passes
// through them must reach Windows as the program meant it.
#include <gtest/gtest.h>

#include "platform/win32/text_win.h"
#include "tray/tray_icon_data.h"
#include "win32_test_support.h"

namespace bw::win32 {
namespace {

// A scratch key under the user's hive, named in Cyrillic and CJK so that the
// wide path is what is tested; removed again at the end.
struct ScratchKey {
  std::string path = "Software\\BlinkwardWin32Test\\\xD0\x9F\xD1\x80\xD0\xBE\xE6\xB5\x8B" +
                     std::to_string(GetCurrentProcessId());
  ~ScratchKey() {
    RegDeleteKeyW(HKEY_CURRENT_USER, Widen(path + "\\absent").c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, Widen(path).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\BlinkwardWin32Test");
  }
};

TEST(SystemPort, ScreenSaverFlagFollowsEachSwitchAndIsRestored) {
  SystemWin system;
  const bool before = system.ScreenSaverActive();
  for (bool active : {false, true, false}) {
    EXPECT_TRUE(system.SetScreenSaverActive(active, false));
    EXPECT_EQ(system.ScreenSaverActive(), active);
  }
  system.SetScreenSaverActive(before, false);
}

// reg.exe, started in the system folder, leaves a value under a key named in
// another script; the command line reaches it whole.
TEST(SystemPort, LaunchRunsAProgramWithAWideCommandLine) {
  SystemWin system;
  ScratchKey scratch;
  ASSERT_TRUE(system.Launch("\"" + system.SystemDirectory() + "\\reg.exe\" add \"HKCU\\" +
                                scratch.path + "\" /v Launched /d yes /f",
                            system.SystemDirectory()));
  EXPECT_TRUE(test::PumpUntil(
      [&] { return RegistryWin().ReadString(scratch.path, "Launched").text == "yes"; }, 20000));
  EXPECT_FALSE(system.Launch("\"C:\\no such folder\\x.exe\"", ""));
}

// Strings in any script round-trip; a value of any type and size is there; a
// delete of what is not there succeeds; a string's size counts its NUL.
TEST(RegistryPort, ReadsWritesAndDeletesInTheUsersHive) {
  RegistryWin registry;
  ScratchKey scratch;
  using State = StoredString::State;
  EXPECT_EQ(registry.ReadString(scratch.path, "x").state, State::Missing);
  const std::string text =
      "C:\\\xE6\x97\xA5\xE6\x9C\xAC\\\xD0\x94\xD0\xB0\\Blinkward.exe" + std::string(300, 'x');
  ASSERT_TRUE(registry.WriteString(scratch.path, "x", text));
  const StoredString read = registry.ReadString(scratch.path, "x");
  EXPECT_EQ(read.state, State::Present);
  EXPECT_EQ(read.text, text);
  // Another type counts as present, with no text.
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Widen(scratch.path).c_str(), 0, KEY_SET_VALUE, &key),
            ERROR_SUCCESS);
  const DWORD number = 7;
  RegSetValueExW(key, L"n", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  RegCloseKey(key);
  EXPECT_EQ(registry.ReadString(scratch.path, "n").state, State::Present);
  EXPECT_EQ(registry.ReadString(scratch.path, "n").text, "");
  EXPECT_TRUE(registry.DeleteValue(scratch.path, "x"));
  EXPECT_TRUE(registry.DeleteValue(scratch.path, "x"));
  EXPECT_TRUE(registry.DeleteValue(scratch.path + "\\absent", "x"));
  EXPECT_EQ(registry.ReadString(scratch.path, "x").state, State::Missing);
}

TEST(ShellPort, AddsChangesAndRemovesTheIconOfTheHiddenWindow) {
  test::Windows w;
  ASSERT_TRUE(w.created);
  // The first window of the session starts the desktop, and its taskbar follows.
  if (!test::PumpUntil([] { return FindWindowA("Shell_TrayWnd", nullptr) != nullptr; })) {
    GTEST_SKIP() << "no notification area (Shell_TrayWnd) on this desktop";
  }
  ShellWin& shell = w.shell;
  shell.SetCallbackWindow(w.window.TrayCallbackWindow());
  TrayIconData icon;
  WriteTipField(icon.tip, "Blinkward");
  EXPECT_TRUE(shell.NotifyIcon(TrayCommand::Add, icon));
  EXPECT_FALSE(shell.NotifyIcon(TrayCommand::Add, icon)) << "the shell has it already";
  icon.picture = TrayPicture::Disabled;
  EXPECT_TRUE(shell.NotifyIcon(TrayCommand::Modify, icon));
  EXPECT_TRUE(shell.NotifyIcon(TrayCommand::Delete, icon));
  EXPECT_FALSE(shell.NotifyIcon(TrayCommand::Modify, icon)) << "the shell has it no more";
  // Four distinct pictures at the size the notification area asks for.
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(shell.Picture(TrayPicture::Enabled), &info));
  BITMAP mask{};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(mask.bmWidth, GetSystemMetrics(SM_CXSMICON));
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
  EXPECT_NE(shell.Picture(TrayPicture::App), shell.Picture(TrayPicture::TimedDisable));
}

}  // namespace
}  // namespace bw::win32
