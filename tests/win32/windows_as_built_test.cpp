// The settings window and the timed-disable dialog as the program builds them
// from their layouts: frame, size, place, and every control's class, style,
// text, pixels, font and Tab order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <span>

#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

// A control as it must come out: class, type (the style bits that choose what
// the class makes), text (null: not compared), pixels in the parent's client
// area, and font weight (0: a control that keeps no font).
struct ExpectedControl {
  int id;
  const char* className;
  LONG type;
  const char* text;
  RECT pixels;
  LONG weight;
};

LONG TypeBits(const std::string& className, LONG style) {
  if (className == "Static") return style & SS_TYPEMASK;
  if (className == "Button") return style & BS_TYPEMASK;
  if (className == "ComboBox") return style & 3;
  if (className == "Edit") return style & (ES_CENTER | ES_RIGHT);
  return style & (UDS_WRAP | UDS_SETBUDDYINT | UDS_ALIGNLEFT | UDS_ALIGNRIGHT | WS_TABSTOP);
}

void ExpectControls(HWND parent, std::span<const ExpectedControl> expected) {
  for (const ExpectedControl& e : expected) {
    SCOPED_TRACE(testing::Message() << "control " << e.id);
    const HWND control = GetDlgItem(parent, e.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(lstrcmpiA(ClassOf(control).c_str(), e.className), 0) << ClassOf(control);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(TypeBits(e.className, style), e.type) << std::hex << style;
    if (e.text) {
      EXPECT_EQ(TextOf(control), e.text);
    }
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(EqualRect(&r, &e.pixels))
        << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    if (e.weight == 0) continue;
    LOGFONTA f{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof f, &f);
    // Tahoma 8.25 pt at 96 dpi.
    EXPECT_EQ(std::string(f.lfFaceName) + " " + std::to_string(f.lfHeight) + " " +
                  std::to_string(f.lfWeight) + " " + std::to_string(f.lfCharSet),
              "Tahoma -11 " + std::to_string(e.weight) + " 161");
  }
}

// The controls Tab visits from the first, once round.
std::vector<int> TabOrder(HWND parent) {
  std::vector<int> ids;
  const HWND first = GetNextDlgTabItem(parent, nullptr, FALSE);
  for (HWND at = first; at && ids.size() < 12 && (ids.empty() || at != first);
       at = GetNextDlgTabItem(parent, at, FALSE)) {
    ids.push_back(GetDlgCtrlID(at));
  }
  return ids;
}

// A fixed window: class, caption, title bar with close box, no sizing, the
// client area as designed and centred on the screen.
void ExpectFixedCentredWindow(HWND hwnd, const char* className, const char* caption, int width,
                              int height) {
  EXPECT_EQ(ClassOf(hwnd), className);
  EXPECT_EQ(TextOf(hwnd), caption);
  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  constexpr LONG kChecked =
      WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD;
  EXPECT_EQ(style & kChecked, WS_CAPTION | WS_SYSMENU) << std::hex << style;
  RECT client{}, frame{};
  GetClientRect(hwnd, &client);
  GetWindowRect(hwnd, &frame);
  EXPECT_EQ(client.right, width);
  EXPECT_EQ(client.bottom, height);
  EXPECT_LE(std::abs(frame.left + frame.right - GetSystemMetrics(SM_CXSCREEN)), 1);
  EXPECT_LE(std::abs(frame.top + frame.bottom - GetSystemMetrics(SM_CYSCREEN)), 1);
}

// Hidden, the window is a bare host: its controls, and comctl32 with them,
// come when the user first opens it.
TEST(SettingsWindow, IsBuiltOnFirstUseAsAFixedWindowWithTheDesignedControls) {
  Windows w;
  ASSERT_TRUE(w.created);
  const HWND hwnd = w.window.hwnd();
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_EQ(w.Item(kIdStartWithWindows), nullptr);
  // A real top-level window: message-only windows never get the shell's broadcasts.
  EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetParent(w.window.TrayCallbackWindow()), hwnd);
  EXPECT_FALSE(IsWindowVisible(w.window.TrayCallbackWindow()));
  EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0), 0);

  w.window.ShowSettings({"Blinkward v1.01", true, 1});
  ExpectFixedCentredWindow(hwnd, "BlinkwardSettings", "Settings", 201, 117);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_EQ(GetMenu(hwnd), nullptr);
  const ExpectedControl controls[] = {
      {kIdTitle, "Static", SS_LEFT, "Blinkward v1.01", {8, 8, 193, 41}, 700},
      {kIdStartWithWindows,
       "Button",
       BS_AUTOCHECKBOX,
       "Start automatically with Windows",
       {8, 44, 193, 61},
       400},
      {kIdMethodLabel,
       "Static",
       SS_LEFT,
       "Change Screen Saver state method:",
       {8, 72, 193, 89},
       400},
      {kIdMethod, "ComboBox", CBS_DROPDOWNLIST, nullptr, {104, 88, 193, 109}, 400},
  };
  ExpectControls(hwnd, controls);
  EXPECT_EQ(TabOrder(hwnd), (std::vector<int>{kIdStartWithWindows, kIdMethod}));
  EXPECT_EQ(SendMessageA(w.Item(kIdStartWithWindows), BM_GETCHECK, 0, 0), BST_CHECKED);

  // The method list: two items, the program's choice selected.
  const HWND list = w.Item(kIdMethod);
  ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 2);
  const char* items[] = {"Single click", "Double click"};
  for (int i = 0; i < 2; ++i) {
    char text[32] = "";
    SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, items[i]);
  }
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 1);
  w.window.UpdateSettings({"Blinkward v1.01", false, -1});
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(SendMessageA(w.Item(kIdStartWithWindows), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST(SettingsWindow, ShownItFocusesTheCheckBoxAndKeepsTheFocusTabMovedOn) {
  Windows w;
  ASSERT_TRUE(w.created);
  w.window.ShowSettings({});
  const HWND check = w.Item(kIdStartWithWindows), list = w.Item(kIdMethod);
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == check; })) << GetFocus();
  // The program's message loop hands keys to IsDialogMessage, as here.
  MSG tab{check, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageA(w.window.hwnd(), &tab));
  EXPECT_EQ(GetFocus(), list);
  w.window.HideSettings();
  w.window.ShowSettings({});
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == list; })) << GetFocus();
}

TEST(TimedDialogWindow, IsAnOwnedFixedDialogWithoutIconAndWithTheDesignedControls) {
  Windows w;
  ASSERT_TRUE(w.created && w.dialog.Open());
  const HWND dialog = w.dialog.hwnd();
  ExpectFixedCentredWindow(dialog, kTimedDialogClass, "Timed", 209, 130);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_TRUE(GetWindowLongA(dialog, GWL_STYLE) & WS_POPUP);
  const LONG exStyle = GetWindowLongA(dialog, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME) << std::hex << exStyle;
  EXPECT_FALSE(exStyle & (WS_EX_APPWINDOW | WS_EX_TOOLWINDOW)) << std::hex << exStyle;
  EXPECT_EQ(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0) |
                SendMessageA(dialog, WM_GETICON, ICON_BIG, 0) |
                GetClassLongPtrA(dialog, GCLP_HICON) | GetClassLongPtrA(dialog, GCLP_HICONSM),
            0);
  // Owned, so no taskbar button; the owner takes no input until the dialog closes.
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), w.window.hwnd());
  EXPECT_FALSE(IsWindowEnabled(w.window.hwnd()));

  const ExpectedControl controls[] = {
      {kIdClock, "Static", SS_ICON, nullptr, {13, 4, 45, 36}, 0},
      {kIdPrompt, "Static", SS_LEFT, "Screen Saver will be disabled for:", {56, 8, 201, 41}, 400},
      {kIdHours, "Edit", ES_RIGHT, "0", {16, 40, 40, 59}, 400},
      {kIdHoursUpDown, UPDOWN_CLASSA, UDS_SETBUDDYINT, nullptr, {40, 40, 57, 59}, 0},
      {kIdHoursLabel, "Static", SS_LEFT, "hours", {62, 43, 103, 60}, 400},
      {kIdMinutes, "Edit", ES_RIGHT, "0", {104, 40, 128, 59}, 400},
      {kIdMinutesUpDown, UPDOWN_CLASSA, UDS_SETBUDDYINT | UDS_WRAP, nullptr, {128, 40, 145, 59}, 0},
      {kIdMinutesLabel, "Static", SS_LEFT, "minutes", {150, 43, 199, 60}, 400},
      {kIdStartWhenDone,
       "Button",
       BS_AUTOCHECKBOX,
       "Start SS immediately after the timer expires",
       {24, 64, 193, 89},
       400},
      {kIdCancel, "Button", BS_PUSHBUTTON, "Cancel", {16, 100, 81, 125}, 400},
      {kIdOk, "Button", BS_DEFPUSHBUTTON, "OK", {128, 100, 193, 125}, 400},
  };
  ExpectControls(dialog, controls);
  EXPECT_EQ(TabOrder(dialog),
            (std::vector<int>{kIdHours, kIdMinutes, kIdCancel, kIdOk, kIdStartWhenDone}));
  EXPECT_NE(SendMessageA(w.DialogItem(kIdClock), STM_GETICON, 0, 0), 0) << "frame 0 shows";
  SendMessageA(dialog, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_TRUE(IsWindowEnabled(w.window.hwnd()));
}

// How much of a control its text needs, as a fraction of what it has: the
// width of a one-line caption beside a check box, the height of a label's
// wrapped lines. At 96 dpi the font is Tahoma 8.25 pt, 11 pixels high.
double TextNeed(HWND control, HFONT font, int width, int height) {
  const HDC dc = GetDC(control);
  const HGDIOBJ old = SelectObject(dc, font);
  const std::string text = TextOf(control);
  RECT need{0, 0, width, 0};
  const bool box = ClassOf(control) == "Button";
  // A check box's caption starts past the box and a gap of about a third of it.
  if (box) need.right -= GetSystemMetrics(SM_CXMENUCHECK) * 4 / 3;
  const int available = box ? need.right : height;
  DrawTextA(dc, text.c_str(), -1, &need, DT_CALCRECT | (box ? DT_SINGLELINE : DT_WORDBREAK));
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return static_cast<double>(box ? need.right : need.bottom) / available;
}

// Run in a process of its own at the resolution BLINKWARD_TEST_DPI names:
// the windows grow by the resolution's ratio, and no text needs more of its
// control than it does at 96 dpi (where Windows' Tahoma fits every one).
void ExpectScaledWindows(int dpi) {
  ASSERT_EQ(ScreenDpi(), dpi) << "the system did not take the resolution";
  Windows w;
  ASSERT_TRUE(w.created && w.dialog.Open());
  w.window.ShowSettings({"Blinkward v1.01", false, 0});
  const struct {
    HWND window;
    const WindowLayout& layout;
    int width96, height96;
  } windows[] = {
      {w.window.hwnd(), SettingsLayout(), 201, 117},
      {w.dialog.hwnd(), TimedDialogLayout(), 209, 130},
  };
  const HFONT font96 = CreateFontA(-11, 0, 0, 0, 400, 0, 0, 0, 161, 0, 0, 0, 0, "Tahoma");
  const HFONT bold96 = CreateFontA(-11, 0, 0, 0, 700, 0, 0, 0, 161, 0, 0, 0, 0, "Tahoma");
  for (const auto& window : windows) {
    RECT client{};
    GetClientRect(window.window, &client);
    EXPECT_NEAR(client.right, window.width96 * dpi / 96.0, 1.0);
    EXPECT_NEAR(client.bottom, window.height96 * dpi / 96.0, 1.0);
    for (const ControlLayout& row : window.layout.controls) {
      if (row.kind != ControlKind::Label && row.kind != ControlKind::CheckBox) continue;
      const HWND control = GetDlgItem(window.window, row.id);
      RECT rect{};
      GetClientRect(control, &rect);
      const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
      const double need = TextNeed(control, font, rect.right, rect.bottom);
      // At 96 dpi a twip is a fifteenth of a pixel.
      const double need96 = TextNeed(control, row.id == kIdTitle ? bold96 : font96,
                                     row.twips.width / 15, row.twips.height / 15);
      EXPECT_LE(need, need96 * 1.1 + 0.02) << "control " << row.id << " \"" << TextOf(control)
                                           << "\" needs " << need << ", at 96 dpi " << need96;
    }
  }
  DeleteObject(font96);
  DeleteObject(bold96);
}

// Where Wine (and Windows before 8.1) keeps the resolution programs start with.
void SetSystemDpi(int dpi) {
  const struct {
    HKEY root;
    const char* path;
  } places[] = {{HKEY_CURRENT_USER, "Control Panel\\Desktop"},
                {HKEY_CURRENT_CONFIG, "Software\\Fonts"}};
  for (const auto& place : places) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(place.root, place.path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
      continue;
    }
    const DWORD value = dpi;
    RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    RegCloseKey(key);
  }
}

// Windows reads the resolution once, when a program starts: each one is tried
// in a copy of this test program, with the system set to it meanwhile.
TEST(Dpi, WindowsScaleAsAWholeAt96_120And144) {
  if (const char* dpi = std::getenv("BLINKWARD_TEST_DPI")) {
    ExpectScaledWindows(std::atoi(dpi));
    return;
  }
  for (int dpi : {96, 120, 144}) {
    SCOPED_TRACE(dpi);
    SetSystemDpi(dpi);
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string line = std::string("\"") + self + "\" --gtest_filter=Dpi.*";
    SetEnvironmentVariableA("BLINKWARD_TEST_DPI", std::to_string(dpi).c_str());
    STARTUPINFOA startup{sizeof startup};
    PROCESS_INFORMATION child{};
    const bool started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &child);
    SetEnvironmentVariableA("BLINKWARD_TEST_DPI", nullptr);
    DWORD status = 1;
    if (started) {
      WaitForSingleObject(child.hProcess, 60000);
      GetExitCodeProcess(child.hProcess, &status);
      CloseHandle(child.hThread);
      CloseHandle(child.hProcess);
    }
    EXPECT_TRUE(started);
    EXPECT_EQ(status, 0u) << "the checks at " << dpi << " dpi failed (their report is above)";
  }
  SetSystemDpi(96);
}

}  // namespace
}  // namespace bw::win32::test
