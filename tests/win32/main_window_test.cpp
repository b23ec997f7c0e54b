// The main form's window as built from its layout: what the shell, the user
// and other programs see of it.
#include <gtest/gtest.h>

#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[128] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

SIZE IconSize(Handle icon) {
  ICONINFO info{};
  if (!GetIconInfo(FromHandle<HICON>(icon), &info)) return {0, 0};
  BITMAP mask{};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  // A colour icon's mask is as tall as the picture.
  return {mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
}

TEST(MainWindow, IsAHiddenFixedTopLevelWindowNamedSettings) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  const HWND hwnd = window.form.hwnd();
  EXPECT_EQ(ClassOf(hwnd), "BlinkwardSettings");
  EXPECT_EQ(TextOf(hwnd), "Settings");
  EXPECT_FALSE(IsWindowVisible(hwnd));
  // A real top-level window: message-only windows never get the shell's broadcasts.
  EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);

  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU) << std::hex << style;
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0) << std::hex << style;
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
}

TEST(MainWindow, ClientAreaIs201By117AndTheWindowIsCentred) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  RECT client{}, frame{};
  GetClientRect(window.form.hwnd(), &client);
  GetWindowRect(window.form.hwnd(), &frame);
  EXPECT_EQ(client.right, 201);
  EXPECT_EQ(client.bottom, 117);
  // Centred: the margins left and right (top and bottom) differ by at most a pixel.
  const int left = frame.left, right = GetSystemMetrics(SM_CXSCREEN) - frame.right;
  const int top = frame.top, bottom = GetSystemMetrics(SM_CYSCREEN) - frame.bottom;
  EXPECT_LE(std::abs(left - right), 1) << left << " vs " << right;
  EXPECT_LE(std::abs(top - bottom), 1) << top << " vs " << bottom;
}

TEST(MainWindow, StatusOutputIsAHiddenChildWindowOfItsOwnClass) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  const HWND status = FromHandle<HWND>(window.form.StatusOutputWindow());
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status, window.Item(kIdStatusOutput));
  EXPECT_EQ(ClassOf(status), "BlinkwardStatusOutput");
  EXPECT_EQ(GetParent(status), window.form.hwnd());
  EXPECT_EQ(GetWindowLongA(status, GWL_STYLE) & WS_VISIBLE, 0);
  EXPECT_EQ(window.form.MainWindow(), ToHandle(window.form.hwnd()));
}

TEST(MainWindow, PicturesAreDistinctSixteenPixelIcons) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  std::vector<Handle> seen;
  for (TrayPicture picture : {TrayPicture::FormIcon, TrayPicture::Enabled, TrayPicture::Disabled,
                              TrayPicture::TimedDisable}) {
    SCOPED_TRACE(static_cast<int>(picture));
    const Handle icon = window.form.PictureIcon(picture);
    ASSERT_NE(icon, 0u);
    const SIZE size = IconSize(icon);
    EXPECT_EQ(size.cx, 16);
    EXPECT_EQ(size.cy, 16);
    for (Handle other : seen) EXPECT_NE(icon, other);
    seen.push_back(icon);
  }
  // The title bar shows the application icon.
  EXPECT_EQ(SendMessageA(window.form.hwnd(), WM_GETICON, ICON_SMALL, 0),
            static_cast<LRESULT>(window.form.PictureIcon(TrayPicture::FormIcon)));
}

}  // namespace
}  // namespace bw::win32::test
