// The shell port against the real notification area: the record's window, id,
// icon and tip reach the shell.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/shell_win.h"
#include "tray/tray_icon_data.h"
#include "win32_test_support.h"

namespace bw::win32 {
namespace {

TEST(ShellPort, AddsChangesAndRemovesTheIconOfAHiddenWindow) {
  test::SettingsWindow window;
  ASSERT_TRUE(window.created);
  // The first window of the session starts the desktop, and its taskbar follows.
  if (!test::PumpUntil([] { return FindWindowA("Shell_TrayWnd", nullptr) != nullptr; })) {
    GTEST_SKIP() << "no notification area (Shell_TrayWnd) on this desktop";
  }
  ShellWin shell;
  TrayIconData record;
  record.cbSize = kTrayRecordSize;
  record.hWnd = window.form.StatusOutputWindow();
  record.uID = kTrayIconId;
  record.uFlags = kTrayFlags;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = window.form.PictureIcon(TrayPicture::FormIcon);
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
