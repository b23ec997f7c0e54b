// The settings window's controls as built: class, style, text, place and font,
// the Tab order and the method list.
#include <gtest/gtest.h>

#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

struct ExpectedControl {
  int id;
  const char* className;
  LONG typeStyle;  // the kind's style bits (BS_TYPEMASK, CBS_* or SS_TYPEMASK)
  bool tabStop;
  const char* text;
  RECT pixels;  // left, top, right, bottom in the client area
  LONG weight;
};

// The designed places: left, top, width, height in pixels at 96 dpi.
constexpr ExpectedControl kVisibleControls[] = {
    {kIdTitle, "Static", SS_LEFT, false, "Blinkward v", {8, 8, 8 + 185, 8 + 33}, 700},
    {kIdWindowsStart,
     "Button",
     BS_AUTOCHECKBOX,
     true,
     "Start automatically with Windows",
     {8, 44, 8 + 185, 44 + 17},
     400},
    {kIdMethodLabel,
     "Static",
     SS_LEFT,
     false,
     "Change Screen Saver state method:",
     {8, 72, 8 + 185, 72 + 17},
     400},
    {kIdMethod, "ComboBox", CBS_DROPDOWNLIST, true, "", {104, 88, 104 + 89, 88 + 21}, 400},
};

LONG TypeStyle(const ExpectedControl& expected, LONG style) {
  if (expected.id == kIdMethod) return style & (CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST);
  if (expected.id == kIdWindowsStart) return style & BS_TYPEMASK;
  return style & SS_TYPEMASK;
}

TEST(SettingsControls, MatchTheLayoutInClassStyleTextPlaceAndFont) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  for (const ExpectedControl& expected : kVisibleControls) {
    SCOPED_TRACE(expected.text);
    const HWND control = window.Item(expected.id);
    ASSERT_NE(control, nullptr);
    char className[32] = "";
    GetClassNameA(control, className, sizeof className);
    EXPECT_STRCASEEQ(className, expected.className);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(TypeStyle(expected, style), expected.typeStyle) << std::hex << style;
    EXPECT_EQ((style & WS_TABSTOP) != 0, expected.tabStop) << std::hex << style;
    if (expected.id != kIdMethod) {
      char text[64] = "";
      GetWindowTextA(control, text, sizeof text);
      EXPECT_STREQ(text, expected.text);
    }

    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window.form.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, expected.pixels.left);
    EXPECT_EQ(rect.top, expected.pixels.top);
    EXPECT_EQ(rect.right, expected.pixels.right);
    EXPECT_EQ(rect.bottom, expected.pixels.bottom);

    LOGFONTA font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    ASSERT_EQ(GetObjectA(handle, sizeof font, &font), static_cast<int>(sizeof font));
    EXPECT_STREQ(font.lfFaceName, "Tahoma");
    EXPECT_EQ(font.lfWeight, expected.weight);
    EXPECT_EQ(font.lfCharSet, 161);
    // 8.25 pt at 96 dpi.
    EXPECT_EQ(font.lfHeight, -11);
  }
}

TEST(SettingsControls, HiddenControlsStayHiddenAndOutOfTheTabOrder) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  for (int id : {int{kIdStatusOutput}, kIdStatus0 + 0, kIdStatus0 + 1, kIdStatus0 + 2}) {
    SCOPED_TRACE(id);
    const HWND control = window.Item(id);
    ASSERT_NE(control, nullptr);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    EXPECT_EQ(style & (WS_VISIBLE | WS_TABSTOP), 0) << std::hex << style;
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window.form.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.top, 136);  // below the client area
  }
}

TEST(SettingsControls, TabMovesBetweenTheCheckBoxAndTheListOnly) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  const HWND hwnd = window.form.hwnd();
  const HWND check = window.Item(kIdWindowsStart), list = window.Item(kIdMethod);
  EXPECT_EQ(GetNextDlgTabItem(hwnd, nullptr, FALSE), check);
  EXPECT_EQ(GetNextDlgTabItem(hwnd, check, FALSE), list);
  EXPECT_EQ(GetNextDlgTabItem(hwnd, list, FALSE), check);
  EXPECT_EQ(GetNextDlgTabItem(hwnd, check, TRUE), list);
}

TEST(SettingsControls, ShownWindowFocusesTheCheckBoxAndTabMovesOn) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  const HWND check = window.Item(kIdWindowsStart), list = window.Item(kIdMethod);
  window.form.ShowMainWindow();
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == check; })) << GetFocus();
  // The program's message loop hands keys to IsDialogMessage, as here.
  MSG tab{check, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageA(window.form.hwnd(), &tab));
  EXPECT_EQ(GetFocus(), list);
  // Leaving and coming back keeps the focus where it was.
  window.form.HideMainWindow();
  window.form.ShowMainWindow();
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == list; })) << GetFocus();
}

TEST(SettingsControls, MethodListOffersSingleThenDoubleClickWithNothingSelected) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  const HWND list = window.Item(kIdMethod);
  ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 2);
  const char* expected[] = {"Single click", "Double click"};
  for (int i = 0; i < 2; ++i) {
    char item[32] = "";
    SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, expected[i]);
    EXPECT_EQ(SendMessageA(list, CB_GETITEMDATA, i, 0), 0);
  }
  EXPECT_EQ(window.form.ListIndex(SettingsControl::Method), -1);
  // The open list shows both items.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(list, &info));
  SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
  RECT dropped{};
  GetWindowRect(info.hwndList, &dropped);
  SendMessageA(list, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_GE(dropped.bottom - dropped.top, 2 * SendMessageA(list, CB_GETITEMHEIGHT, 0, 0));
}

}  // namespace
}  // namespace bw::win32::test
