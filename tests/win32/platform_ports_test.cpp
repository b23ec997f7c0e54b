// The system, registry and shell ports against the real system: what passes
// through them must reach Windows as the program meant it.
#include <gtest/gtest.h>

#include "tray/tray_icon_data.h"
#include "win32_test_support.h"

namespace bw::win32 {
namespace {

constexpr Handle kCurrentUser = 0x80000001;  // HKEY_CURRENT_USER as the program names it
constexpr std::uint32_t kAllAccess = 0x3F;   // KEY_ALL_ACCESS without the standard rights
constexpr const char* kScratchParent = "Software\\BlinkwardWin32Test";

// A scratch key under the user's hive, removed again at the end.
struct ScratchKey {
  std::string path = std::string(kScratchParent) + "\\" + std::to_string(GetCurrentProcessId());
  ~ScratchKey() {
    RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kScratchParent);
  }
};

TEST(SystemPort, ScreenSaverFlagFollowsEachSwitchAndIsRestored) {
  SystemWin system;
  const std::uint32_t before = system.QueryScreenSaveActive();
  // "On" is passed as all bits set, as the program does; the flag reads back as 1.
  for (const auto& [uiParam, active] : {std::pair{0u, false}, {0xFFFFFFFFu, true}, {0u, false}}) {
    SCOPED_TRACE(uiParam);
    EXPECT_TRUE(system.SetScreenSaveActive(uiParam, 0));
    EXPECT_EQ(system.QueryScreenSaveActive() != 0, active);
  }
  system.SetScreenSaveActive(before ? 0xFFFFFFFF : 0, 0);
  EXPECT_EQ(system.QueryScreenSaveActive(), before);
}

TEST(SystemPort, LaunchRunsAProgramOfTheSystemDirectory) {
  SystemWin system;
  ScratchKey scratch;
  // The launched reg.exe leaves a mark where the test can see it.
  system.Launch("\"" + system.SystemDirectory() + "\\reg.exe\" add \"HKCU\\" + scratch.path +
                    "\" /v Launched /d yes /f",
                SW_SHOWMINIMIZED);
  EXPECT_TRUE(test::PumpUntil(
      [&] {
        return RegGetValueA(HKEY_CURRENT_USER, scratch.path.c_str(), "Launched", RRF_RT_ANY,
                            nullptr, nullptr, nullptr) == ERROR_SUCCESS;
      },
      20000));
}

TEST(RegistryPort, WritesQueriesAndDeletesInTheUsersHive) {
  // The 32-bit value and its sign-extended 64-bit form both name the user's hive.
  EXPECT_EQ(ToKey(kCurrentUser), HKEY_CURRENT_USER);
  RegistryWin registry;
  ScratchKey scratch;
  Handle key = 0;
  ASSERT_EQ(registry.CreateKey(kCurrentUser, scratch.path, kAllAccess, &key), ERROR_SUCCESS);
  EXPECT_EQ(registry.SetValue(key, "", REG_SZ, std::string_view("1", 2)), ERROR_SUCCESS);
  EXPECT_EQ(registry.CloseKey(key), ERROR_SUCCESS);
  ASSERT_EQ(registry.OpenKey(0xFFFFFFFF80000001, scratch.path, kAllAccess, &key), ERROR_SUCCESS);
  struct Case {
    const char* name;
    std::uint32_t bufferSize;
    long result;
    std::uint32_t size;  // reported back: the data's size, whether it fitted or not
  };
  for (const Case& c : {Case{"", 8, ERROR_SUCCESS, 2}, Case{"absent", 8, ERROR_FILE_NOT_FOUND, 8},
                        Case{"", 1, ERROR_MORE_DATA, 2}}) {
    SCOPED_TRACE(testing::Message() << "'" << c.name << "' into " << c.bufferSize);
    std::uint8_t buffer[8] = {};
    std::uint32_t type = 0, got = c.bufferSize;
    EXPECT_EQ(registry.QueryValue(key, c.name, &type, buffer, &got), c.result);
    if (c.result == ERROR_FILE_NOT_FOUND) continue;
    EXPECT_EQ(type, static_cast<std::uint32_t>(REG_SZ));
    EXPECT_EQ(got, c.size);
    if (c.result == ERROR_SUCCESS) {
      EXPECT_STREQ(reinterpret_cast<char*>(buffer), "1");
    }
  }
  EXPECT_EQ(registry.DeleteValue(key, ""), ERROR_SUCCESS);
  EXPECT_EQ(registry.DeleteValue(key, ""), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(registry.CloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(registry.OpenKey(kCurrentUser, scratch.path + "\\absent", KEY_QUERY_VALUE, &key),
            ERROR_FILE_NOT_FOUND);
}

TEST(ShellPort, AddsChangesAndRemovesTheIconOfTheHiddenWindow) {
  test::SettingsWindow window;
  ASSERT_TRUE(window.created);
  // The first window of the session starts the desktop, and its taskbar follows.
  if (!test::PumpUntil([] { return FindWindowA("Shell_TrayWnd", nullptr) != nullptr; })) {
    GTEST_SKIP() << "no notification area (Shell_TrayWnd) on this desktop";
  }
  ShellWin shell;
  TrayIconData record{.cbSize = kTrayRecordSize,
                      .hWnd = window.form.StatusOutputWindow(),
                      .uID = kTrayIconId,
                      .uFlags = kTrayFlags,
                      .uCallbackMessage = kTrayCallbackMessage,
                      .hIcon = window.form.PictureIcon(TrayPicture::FormIcon)};
  WriteTipField(record.szTip, "Blinkward");
  EXPECT_TRUE(shell.NotifyIcon(kNimAdd, record));
  record.hIcon = window.form.PictureIcon(TrayPicture::Disabled);
  WriteTipField(record.szTip, "Screen Saver is DISABLED");
  EXPECT_TRUE(shell.NotifyIcon(kNimModify, record));
  // The shell knows the icon by window and id: another id names no icon.
  TrayIconData other = record;
  other.uID = kTrayIconId + 1;
  EXPECT_FALSE(shell.NotifyIcon(kNimModify, other));
  EXPECT_TRUE(shell.NotifyIcon(kNimDelete, record));
  EXPECT_FALSE(shell.NotifyIcon(kNimDelete, record));
}

}  // namespace
}  // namespace bw::win32
