// The timed-disable dialog's window as the program opens it: frame, owner,
// controls, focus and default button. The builder's own tests check the
// up-downs, text boxes and Tab order that come from the layout.
#include <gtest/gtest.h>

#include "timed_dialog_fixture.h"

namespace bw::win32::test {
namespace {

struct Expected {
  int id;
  const char* className;
  const char* text;
  RECT pixels;  // in the client area
};

TEST(TimedDialogWindow, IsAFixedDialogOwnedByTheMainFormWhichItDisables) {
  TimedDialogFixture f;
  ASSERT_TRUE(f.main.created);
  ASSERT_TRUE(f.dialog.Open());
  const HWND dialog = f.dialog.hwnd();

  char caption[32] = "", className[64] = "";
  GetWindowTextA(dialog, caption, sizeof caption);
  GetClassNameA(dialog, className, sizeof className);
  EXPECT_STREQ(caption, "Timed");
  EXPECT_STREQ(className, kTimedDialogClass);
  EXPECT_TRUE(IsWindowVisible(dialog));

  const LONG style = GetWindowLongA(dialog, GWL_STYLE);
  const LONG exStyle = GetWindowLongA(dialog, GWL_EXSTYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), WS_POPUP | WS_CAPTION | WS_SYSMENU)
      << std::hex << style;
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD), 0)
      << std::hex << style;
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME) << std::hex << exStyle;
  EXPECT_FALSE(exStyle & (WS_EX_APPWINDOW | WS_EX_TOOLWINDOW)) << std::hex << exStyle;
  // No icon in the title bar: none set on the window or its class.
  EXPECT_EQ(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_EQ(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_EQ(GetClassLongPtrA(dialog, GCLP_HICON), 0u);
  EXPECT_EQ(GetClassLongPtrA(dialog, GCLP_HICONSM), 0u);

  // Owned, so no taskbar button; the owner takes no input while the dialog is open.
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), f.main.form.hwnd());
  EXPECT_FALSE(IsWindowEnabled(f.main.form.hwnd()));

  RECT client{}, frame{};
  GetClientRect(dialog, &client);
  GetWindowRect(dialog, &frame);
  EXPECT_EQ(client.right, 209);
  EXPECT_EQ(client.bottom, 130);
  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

  SendMessageA(dialog, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(f.dialog.hwnd(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(f.main.form.hwnd()));
}

TEST(TimedDialogWindow, ControlsSitWhereTheLayoutPutsThemInTheDialogFont) {
  TimedDialogFixture f;
  ASSERT_TRUE(f.main.created);
  ASSERT_TRUE(f.dialog.Open());
  const Expected expected[] = {
      {kIdAnimClock, "Static", "", {13, 4, 45, 36}},
      {kIdPrompt, "Static", "Screen Saver will be disabled for:", {56, 8, 201, 41}},
      {kIdHours, "Edit", "0", {16, 40, 40, 59}},
      {kIdHoursUpDown, UPDOWN_CLASSA, "", {40, 40, 57, 59}},
      {kIdHoursLabel, "Static", "hours", {62, 43, 103, 60}},
      {kIdMinutes, "Edit", "0", {104, 40, 128, 59}},
      {kIdMinutesUpDown, UPDOWN_CLASSA, "", {128, 40, 145, 59}},
      {kIdMinutesLabel, "Static", "minutes", {150, 43, 199, 60}},
      {kIdStartOnExpire,
       "Button",
       "Start SS immediately after the timer expires",
       {24, 64, 193, 89}},
      {kIdCancel, "Button", "Cancel", {16, 100, 81, 125}},
      {kIdOK, "Button", "OK", {128, 100, 193, 125}},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.id);
    const HWND control = f.Item(e.id);
    ASSERT_NE(control, nullptr);
    char className[64] = "";
    GetClassNameA(control, className, sizeof className);
    EXPECT_EQ(lstrcmpiA(className, e.className), 0) << className;
    EXPECT_EQ(f.TextOf(e.id), e.text);
    EXPECT_TRUE(IsWindowVisible(control));
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, f.dialog.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, e.pixels.left);
    EXPECT_EQ(rect.top, e.pixels.top);
    EXPECT_EQ(rect.right, e.pixels.right);
    EXPECT_EQ(rect.bottom, e.pixels.bottom);

    if (*e.text == '\0') continue;  // pictures and up-downs draw no text and keep no font
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_STREQ(font.lfFaceName, "Tahoma");
    EXPECT_EQ(font.lfHeight, -11);  // 8.25 pt at 96 dpi
    EXPECT_EQ(font.lfCharSet, 161);
  }
  // The stopwatch frames only hold pictures.
  for (int k = 0; k < kClockFrameCount; ++k) EXPECT_FALSE(IsWindowVisible(f.Item(kIdClock0 + k)));
}

TEST(TimedDialogWindow, OpensOnTheSelectedHoursWithOKAsTheDefaultButton) {
  TimedDialogFixture f;
  ASSERT_TRUE(f.main.created);
  ASSERT_TRUE(f.dialog.Open());
  EXPECT_EQ(GetFocus(), f.Item(kIdHours));
  EXPECT_EQ(f.Selection(kIdHours), std::make_pair(0, 1));
  const auto minutes = f.Selection(kIdMinutes);
  EXPECT_EQ(minutes.first, minutes.second);
  EXPECT_EQ(SendMessageA(f.Item(kIdStartOnExpire), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  EXPECT_EQ(GetWindowLongA(f.Item(kIdOK), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(f.Item(kIdCancel), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(LOWORD(SendMessageA(f.dialog.hwnd(), DM_GETDEFID, 0, 0)), IDOK);
}

TEST(TimedDialogWindow, ReopensWithTheLastSpanAndTheCheckBoxFromTheCountdown) {
  TimedDialogFixture f;
  ASSERT_TRUE(f.main.created);
  f.countdown().DisableHours = 0;  // as a timed disable leaves them when it runs out
  f.countdown().DisableMinutes = 1;
  f.countdown().StartOnExpire = true;
  ASSERT_TRUE(f.dialog.Open());
  EXPECT_EQ(f.TextOf(kIdHours), "0");
  EXPECT_EQ(f.TextOf(kIdMinutes), "1");
  EXPECT_EQ(SendMessageA(f.Item(kIdStartOnExpire), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageA(f.dialog.hwnd(), WM_CLOSE, 0, 0);

  f.countdown().DisableHours = 12;
  f.countdown().StartOnExpire = false;
  ASSERT_TRUE(f.dialog.Open());
  EXPECT_EQ(f.TextOf(kIdHours), "12");
  EXPECT_EQ(f.Selection(kIdHours), std::make_pair(0, 2));
  EXPECT_EQ(SendMessageA(f.Item(kIdStartOnExpire), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

}  // namespace
}  // namespace bw::win32::test
