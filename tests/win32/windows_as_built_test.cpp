// The settings window, the timed-disable dialog and the message box as built.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "win32/user_texts.h"
#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

std::vector<int> TabOrder(HWND parent) {
  std::vector<int> ids;
  const HWND first = GetNextDlgTabItem(parent, nullptr, FALSE);
  for (HWND at = first; at && ids.size() < 32 && (ids.empty() || at != first);
       at = GetNextDlgTabItem(parent, at, FALSE)) {
    ids.push_back(GetDlgCtrlID(at));
  }
  return ids;
}

struct Style {
  int id;
  LONG mask, bits;
};
void ExpectStyles(HWND parent, std::initializer_list<Style> styles) {
  for (const Style& s : styles) {
    const LONG style = GetWindowLongA(GetDlgItem(parent, s.id), GWL_STYLE);
    EXPECT_EQ(style & s.mask, s.bits) << "control " << s.id << std::hex << " style " << style;
  }
}

// Hidden, the window is a bare host: its controls, and comctl32 with them,
// come when the user first opens it.
TEST(SettingsWindow, IsBuiltOnFirstUseWithTheProgramsChoicesAndKeepsItsFocus) {
  Windows w;
  ASSERT_TRUE(w.created);
  const HWND hwnd = w.window.hwnd();
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_EQ(w.Item(kIdStartWithWindows), nullptr);
  // The main window, what other programs find by its class: a real top-level
  // window, never shown (message-only windows never get the shell's
  // broadcasts), with the icon's callback window inside it; it owns the
  // settings window, which goes with it.
  const HWND main = w.main.hwnd();
  EXPECT_EQ(ClassOf(main), "BlinkwardSettings");
  EXPECT_EQ(GetAncestor(main, GA_PARENT), GetDesktopWindow());
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_EQ(GetParent(w.tray.hwnd()), main);
  EXPECT_EQ(ClassOf(w.tray.hwnd()), "BlinkwardStatusOutput");
  EXPECT_FALSE(IsWindowVisible(w.tray.hwnd()));
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), main);
  EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0), 0);

  // Captions set as the program runs come in UTF-8 (a Greek "Sun"); a time
  // picker shows its minute of the day in the user's short format (Wine's
  // en-US here).
  w.window.Show({kTitle,
                 {{kIdStartWithWindows, 1}, {kIdMethod, 1}, {kIdFrom, 9 * 60}, {kIdTo, 1050}},
                 {},
                 {{kIdFirstDay + 6, "\xCE\x9A\xCF\x85\xCF\x81"}}});
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_EQ(GetMenu(hwnd), nullptr);
  EXPECT_EQ(TextOf(w.Item(kIdTitle)), "Blinkward v1.01");
  wchar_t day[8] = L"";
  GetWindowTextW(w.Item(kIdFirstDay + 6), day, 8);
  EXPECT_STREQ(day, L"\u039a\u03c5\u03c1");
  EXPECT_EQ(TextOf(w.Item(kIdFrom)), "9:00 AM");
  EXPECT_EQ(TextOf(w.Item(kIdTo)), "5:30 PM");
  // A picker is a group of its own; a group box frames, and is passed by Tab.
  constexpr LONG kBox = BS_TYPEMASK | WS_TABSTOP, kPicker = 0x3F | WS_GROUP | WS_TABSTOP;
  ExpectStyles(hwnd, {{kIdStartWithWindows, kBox, BS_AUTOCHECKBOX | WS_TABSTOP},
                      {kIdHoldGroup, kBox, BS_GROUPBOX},
                      {kIdFrom, kPicker, DTS_TIMEFORMAT | WS_GROUP | WS_TABSTOP},
                      {kIdMethod, 3, CBS_DROPDOWNLIST}});
  EXPECT_EQ(
      TabOrder(hwnd),
      (std::vector<int>{
          kIdStartWithWindows, kIdMethod,        kIdKeepDisplayOn, kIdHotkey,       kIdPrograms,
          kIdAddProgram,       kIdRemoveProgram, kIdFullScreen,    kIdWhileSound,   kIdWorkingHours,
          kIdFirstDay,         kIdFirstDay + 1,  kIdFirstDay + 2,  kIdFirstDay + 3, kIdFirstDay + 4,
          kIdFirstDay + 5,     kIdFirstDay + 6,  kIdFrom,          kIdTo,           kIdMainsOnly}));
  const HWND list = w.Item(kIdMethod);
  EXPECT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageA(w.Item(kIdStartWithWindows), BM_GETCHECK, 0, 0), BST_CHECKED);
  w.window.Update({kTitle, {{kIdStartWithWindows, 0}, {kIdMethod, -1}}, {}, {}, {kIdWhileSound}});
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(SendMessageA(w.Item(kIdStartWithWindows), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_FALSE(IsWindowVisible(w.Item(kIdWhileSound))) << "a control this system does not offer";
  // The programs' list shows its lines and selection; a button the program
  // greys cannot be pressed.
  w.window.Update({kTitle,
                   {{kIdPrograms, 1}, {kIdRemoveProgram, 0}, {kIdAddProgram, 1}},
                   {"obs64.exe", "Ärger.exe"},
                   {}});
  const HWND programs = w.Item(kIdPrograms);
  EXPECT_EQ(SendMessageA(programs, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(programs, LB_GETCURSEL, 0, 0), 1);
  wchar_t line[32] = L"";
  SendMessageW(programs, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(line));
  EXPECT_STREQ(line, L"\u00c4rger.exe");
  EXPECT_FALSE(IsWindowEnabled(w.Item(kIdRemoveProgram)));
  EXPECT_TRUE(IsWindowEnabled(w.Item(kIdAddProgram)));

  // The focus starts on the check box and stays where Tab left it: the
  // program's message loop hands keys to IsDialogMessage, as here.
  const HWND check = w.Item(kIdStartWithWindows);
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == check; })) << GetFocus();
  MSG tab{check, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageA(hwnd, &tab));
  w.window.Hide();
  w.window.Show({});
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == list; })) << GetFocus();
}

// Owned, so no taskbar button and no icon; the owner takes no input until
// the dialog closes.
TEST(TimedDialogWindow, IsAnOwnedModalDialogWithoutIcon) {
  Windows w;
  ASSERT_TRUE(w.created);
  HWND dialog = nullptr;
  WhileDialogOpen(w, [&] {
    dialog = w.dialog.hwnd();
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(GetWindowLongA(dialog, GWL_STYLE) & WS_POPUP);
    const LONG exStyle = GetWindowLongA(dialog, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & (WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW | WS_EX_TOOLWINDOW),
              WS_EX_DLGMODALFRAME)
        << std::hex << exStyle;
    EXPECT_EQ(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0), 0) << "an icon in its title bar";
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), w.window.hwnd());
    EXPECT_FALSE(IsWindowEnabled(w.window.hwnd()));
    // Hidden behind another window, it comes forward when asked to show again.
    const HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr,
                                       nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    w.RunDialog();
    EXPECT_EQ(GetForegroundWindow(), dialog);
    DestroyWindow(other);
    // The rest of the controls' styles show in how they behave (the key tests).
    // Tab reaches the option buttons at the first, which starts their group.
    constexpr LONG kGroup = WS_GROUP | WS_TABSTOP;
    ExpectStyles(dialog, {{kIdHours, ES_CENTER | ES_RIGHT, ES_RIGHT},
                          {kIdStartWhenDone, BS_TYPEMASK, BS_AUTOCHECKBOX},
                          {kIdFor, BS_TYPEMASK | kGroup, BS_AUTORADIOBUTTON | kGroup},
                          {kIdUntil, BS_TYPEMASK | kGroup, BS_AUTORADIOBUTTON},
                          {kIdUntilTime, 0x3F | kGroup, DTS_TIMEFORMAT | kGroup}});
    // "For" chosen, Until's time cannot be used and Tab passes it by.
    EXPECT_EQ(TabOrder(dialog),
              (std::vector<int>{kIdHours, kIdMinutes, kIdCancel, kIdOk, kIdStartWhenDone, kIdFor}));
    EXPECT_NE(SendMessageA(w.DialogItem(kIdClock), STM_GETICON, 0, 0), 0) << "frame 0 shows";
    SendMessageA(dialog, WM_CLOSE, 0, 0);
  });
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_TRUE(IsWindowEnabled(w.window.hwnd()));
}

// A field named before the dialog shows takes the focus when it shows.
TEST(TimedDialogWindow, ShowsTheWayAndItsTimeAsItIsTold) {
  RecordingEvents events;
  Windows w(&events);
  ASSERT_TRUE(w.created);
  w.dialog.FocusField(SpanField::Until);
  WhileDialogOpen(w, [&] {
    EXPECT_EQ(GetFocus(), w.DialogItem(kIdUntilTime));
    // Each control enabled or not, then whether "For" and "Until" are checked.
    const auto state = [&] {
      const int ids[] = {kIdHours,         kIdHoursUpDown,  kIdHoursLabel,    kIdMinutes,
                         kIdMinutesUpDown, kIdMinutesLabel, kIdUntilTime,     kIdUntilText,
                         kIdFor,           kIdUntil,        kIdStartWhenDone, kIdOk,
                         kIdCancel};
      std::string seen;
      for (int id : ids) seen += IsWindowEnabled(w.DialogItem(id)) ? 'E' : '-';
      for (int id : {kIdFor, kIdUntil}) seen += IsDlgButtonChecked(w.dialog.hwnd(), id) ? '1' : '0';
      return seen;
    };
    w.dialog.SetUntil(true);
    EXPECT_EQ(state(), "------EEEEEEE01");
    w.dialog.SetUntil(false);
    EXPECT_EQ(state(), "EEEEEE--EEEEE10");
    w.dialog.SetUntilTime(17 * 60 + 30);
    EXPECT_EQ(TextOf(w.DialogItem(kIdUntilTime)), "5:30 PM");
    w.dialog.SetUntilText("\xCF\x83\xCE\xB5 2 \xCF\x8E\xCF\x81\xCE\xB5\xCF\x82");
    wchar_t text[16] = L"";
    GetWindowTextW(w.DialogItem(kIdUntilText), text, 16);
    EXPECT_STREQ(text, L"\u03c3\u03b5 2 \u03ce\u03c1\u03b5\u03c2");
    w.dialog.Close();
  });
}

// An icon as the screen gets it: its width, then its colour and mask rows.
std::vector<DWORD> IconBits(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  BITMAP mask{};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  const int n = mask.bmWidth * mask.bmHeight;
  std::vector<DWORD> bits(1 + 2 * n, static_cast<DWORD>(mask.bmWidth));
  BITMAPINFO format{
      {sizeof(BITMAPINFOHEADER), mask.bmWidth, -mask.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  const HDC dc = GetDC(nullptr);
  GetDIBits(dc, info.hbmColor, 0, mask.bmHeight, &bits[1], &format, DIB_RGB_COLORS);
  GetDIBits(dc, info.hbmMask, 0, mask.bmHeight, &bits[1 + n], &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return bits;
}

// Read from inside the box's loop once a program timer ticked there (or after 5 s).
struct SeenBox {
  HWND settings = nullptr, owner = nullptr;
  bool visible = false, settingsTakeInput = true, timerTicked = false;
  std::string caption;
  std::wstring text;
  HICON icon = nullptr;
  int looks = 0;
  std::size_t callsAtFirstLook = 0;
};
SeenBox seenBox;
const RecordingEvents* boxEvents = nullptr;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
  if (ClassOf(window) == "#32770") *reinterpret_cast<HWND*>(found) = window;
  return TRUE;
}

BOOL CALLBACK ReadBoxControl(HWND control, LPARAM) {
  if (lstrcmpiA(ClassOf(control).c_str(), "Static") != 0) return TRUE;
  if ((GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    seenBox.icon = reinterpret_cast<HICON>(SendMessageA(control, STM_GETICON, 0, 0));
  } else {
    wchar_t text[64] = L"";
    GetWindowTextW(control, text, 64);
    if (*text) seenBox.text = text;
  }
  return TRUE;
}

void CALLBACK ReadOpenBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  if (seenBox.looks++ == 0) seenBox.callsAtFirstLook = boxEvents->calls.size();
  seenBox.timerTicked = boxEvents->calls.size() > seenBox.callsAtFirstLook;
  if (!seenBox.timerTicked && seenBox.looks < 100) return;
  KillTimer(nullptr, timer);
  seenBox.owner = GetWindow(box, GW_OWNER);
  seenBox.visible = IsWindowVisible(box);
  seenBox.settingsTakeInput = IsWindowEnabled(seenBox.settings);
  seenBox.caption = TextOf(box);
  EnumChildWindows(box, ReadBoxControl, 0);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// Shown or not, the settings window owns it; the program's timers tick on.
TEST(Message, IsModalOverTheSettingsWindowWithTheProgramsNameAndTheInformationIcon) {
  RecordingEvents events;
  Windows w(&events);
  ASSERT_TRUE(w.created);
  boxEvents = &events;
  for (const bool shown : {false, true}) {
    SCOPED_TRACE(shown ? "shown" : "hidden");
    if (shown) w.window.Show({kTitle, {}, {}, {}});
    seenBox = {};
    seenBox.settings = w.window.hwnd();
    w.main.StartTimer(TimerId::Stopwatch, 50);
    const UINT_PTR reader = SetTimer(nullptr, 0, 50, ReadOpenBox);
    w.window.ShowMessage("\xC3\x84rger");
    KillTimer(nullptr, reader);
    w.main.StopTimer(TimerId::Stopwatch);
    EXPECT_EQ(seenBox.owner, w.window.hwnd());
    EXPECT_TRUE(seenBox.visible);
    EXPECT_FALSE(seenBox.settingsTakeInput);
    EXPECT_EQ(seenBox.caption, kProgramName);
    EXPECT_EQ(seenBox.text, L"\u00c4rger");
    EXPECT_TRUE(seenBox.icon &&
                IconBits(seenBox.icon) == IconBits(LoadIcon(nullptr, IDI_INFORMATION)));
    EXPECT_TRUE(seenBox.timerTicked);
    EXPECT_TRUE(IsWindowEnabled(w.window.hwnd()));
  }
}

// The fraction of a control its text needs: a one-line button caption's width
// beside its box, else the wrapped lines' height (or width, where a word is wider).
double TextNeed(HWND control, HFONT font, int width, int height, int box, const std::string& text) {
  const HDC dc = GetDC(control);
  if (!font) font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  const HGDIOBJ old = SelectObject(dc, font);
  if (ClassOf(control) != "Button") box = 0;
  const bool oneLine = box && !(GetWindowLongA(control, GWL_STYLE) & BS_MULTILINE);
  RECT need{0, 0, width - box, 0};
  const double room = need.right;
  DrawTextW(dc, Widen(text).c_str(), -1, &need,
            DT_CALCRECT | (oneLine ? DT_SINGLELINE : DT_WORDBREAK));
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  if (oneLine || need.right > room) return need.right / room;
  return need.bottom / static_cast<double>(height);
}

// The settings window at 96 dpi, as the user reads it: each control's caption
// (null: none to read) and edges in pixels.
const struct {
  int id;
  const char* caption;
  RECT at96;
} kSettingsAt96[] = {
    {kIdTitle, "Blinkward v1.01", {8, 8, 193, 41}},
    {kIdStartWithWindows, "Start automatically with Windows", {8, 44, 193, 61}},
    {kIdMethodLabel, "Change Screen Saver state method:", {8, 72, 193, 89}},
    {kIdMethod, nullptr, {104, 88, 193, 109}},
    {kIdDisplayGroup, "Display", {8, 115, 193, 160}},
    {kIdKeepDisplayOn, "Keep the display on too", {16, 135, 185, 152}},
    {kIdShortcutGroup, "Shortcut", {8, 166, 193, 261}},
    {kIdHotkeyLabel, "Switch with this key:", {16, 186, 185, 203}},
    {kIdHotkey, nullptr, {16, 209, 185, 230}},
    {kIdHotkeyStatus, "", {16, 236, 185, 253}},
    {kIdHoldGroup, "Keep the screen saver off", {201, 8, 583, 290}},
    {kIdProgramsLabel, "While these programs run:", {209, 28, 575, 45}},
    {kIdPrograms, nullptr, {209, 51, 575, 111}},
    {kIdAddProgram, "&Add...", {209, 117, 298, 140}},
    {kIdRemoveProgram, "&Remove", {304, 117, 393, 140}},
    {kIdFullScreen, "While a program is full screen", {209, 146, 575, 163}},
    {kIdWhileSound, "Hold off while sound plays", {209, 169, 575, 186}},
    {kIdWorkingHours, "During working hours", {209, 192, 575, 209}},
    {kIdFirstDay, "Mon", {225, 215, 275, 232}},
    {kIdFirstDay + 1, "Tue", {275, 215, 325, 232}},
    {kIdFirstDay + 2, "Wed", {325, 215, 375, 232}},
    {kIdFirstDay + 3, "Thu", {375, 215, 425, 232}},
    {kIdFirstDay + 4, "Fri", {425, 215, 475, 232}},
    {kIdFirstDay + 5, "Sat", {475, 215, 525, 232}},
    {kIdFirstDay + 6, "Sun", {525, 215, 575, 232}},
    {kIdFromLabel, "From", {225, 240, 261, 257}},
    {kIdFrom, nullptr, {261, 238, 356, 259}},
    {kIdToLabel, "to", {364, 240, 384, 257}},
    {kIdTo, nullptr, {384, 238, 479, 259}},
    {kIdMainsOnly, "Only on mains power", {209, 265, 575, 282}},
};

// In a process of its own at BLINKWARD_TEST_DPI, in the language of the table
// BLINKWARD_TEST_LANGUAGE names (none: English): each text needs as much of its
// control as at 96 dpi (where Windows' Tahoma fits every English one): neither
// cut nor shrunk; and another language's fit in this system's font.
void ExpectScaledWindows(int dpi, LANGID language) {
  ASSERT_EQ(ScreenDpi(), dpi) << "the system did not take the resolution";
  TextTable texts;
  ASSERT_TRUE(!language || LoadTexts(GetModuleHandleA(nullptr), language, texts));
  UseTexts(language ? texts.data() : nullptr);
  const bool english = !language;
  Windows w;
  ASSERT_TRUE(w.created);
  WhileDialogOpen(w, [&] {
    w.dialog.SetUntilText("23 hours 59 minutes from now");
    // 8.25 pt is 11 pixels at 96 dpi.
    const auto at96 = [f = kWindowFont](int weight) {
      return UniqueFont(CreateFontA(-11, 0, 0, 0, weight, 0, 0, 0, f.charset, 0, 0, 0, 0, f.face));
    };
    const UniqueFont font96 = at96(kWindowFont.weight), bold96 = at96(kFontWeightBold);
    // The day names, the widest English one Wed.
    SettingsView view{kTitle, {}, {}, {}};
    for (int day = 0; day < 7; ++day) {
      view.texts.push_back({kIdFirstDay + day, Say(static_cast<Text>(int(Text::Monday) + day))});
    }
    w.window.Show(view);
    // Small pictures come at the size the system asks for (the tray's too).
    ICONINFO info{};
    BITMAP mask{};
    const auto small =
        reinterpret_cast<HICON>(SendMessageA(w.window.hwnd(), WM_GETICON, ICON_SMALL, 0));
    ASSERT_TRUE(GetIconInfo(small, &info));
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, MulDiv(16, dpi, 96));
    // Each stopwatch frame as LoadImage makes it of its drawn .ico at the
    // picture's size: the same colours, mask and size.
    const HWND clock = GetDlgItem(w.dialog.hwnd(), kIdClock);
    RECT place{};
    GetWindowRect(clock, &place);
    for (int k = 0; english && k < kClockFrameCount; ++k) {
      const std::string file = ART_RES_DIR "/clock" + std::to_string(100 + k).substr(1) + ".ico";
      const UniqueIcon drawn(
          static_cast<HICON>(LoadImageA(nullptr, file.c_str(), IMAGE_ICON, place.right - place.left,
                                        place.bottom - place.top, LR_LOADFROMFILE)));
      ASSERT_TRUE(drawn) << file;
      w.dialog.ShowClockFrame(k);
      const auto shown = reinterpret_cast<HICON>(SendMessageA(clock, STM_GETICON, 0, 0));
      EXPECT_TRUE(IconBits(shown) == IconBits(drawn.Get())) << file;
    }
    const struct {
      HWND window;
      const char* caption;
      const WindowLayout& layout;
    } windows[] = {{w.window.hwnd(), "Settings", kSettingsLayout},
                   {w.dialog.hwnd(), "Timed", TimedDialogLayout()}};
    const char* const kClasses[] = {
        "Static",          "Button", "ComboBox", "Static", "Edit",
        "msctls_updown32", "Button", "ListBox",  "Button", "SysDateTimePick32",
        "msctls_hotkey32", "Button"};  // by ControlKind
    for (const auto& window : windows) {
      SCOPED_TRACE(window.caption);
      const LONG style = GetWindowLongA(window.window, GWL_STYLE);
      EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
                WS_CAPTION | WS_SYSMENU)
          << std::hex << style;
      RECT client{}, frame{};
      GetClientRect(window.window, &client);
      GetWindowRect(window.window, &frame);
      // A twip is 1/1440 inch. With its frame, the window fits a 1024 x 768
      // screen over a 60-pixel taskbar (where it stands is Wine's to decide).
      EXPECT_NEAR(client.right, window.layout.clientWidth * dpi / 1440.0, 1.0);
      EXPECT_NEAR(client.bottom, window.layout.clientHeight * dpi / 1440.0, 1.0);
      EXPECT_LE(frame.right - frame.left, 1024);
      EXPECT_LE(frame.bottom - frame.top, 768 - 60);
      const bool settings = english && window.window == w.window.hwnd();
      if (settings) {
        EXPECT_EQ(std::size(kSettingsAt96), window.layout.controls.size());
        EXPECT_EQ(client.right, MulDiv(591, dpi, 96));
        EXPECT_EQ(client.bottom, MulDiv(298, dpi, 96));
      }
      for (const ControlLayout& row : window.layout.controls) {
        SCOPED_TRACE(testing::Message() << "control " << row.id);
        const HWND control = GetDlgItem(window.window, row.id);
        ASSERT_TRUE(control && IsWindowVisible(control));
        EXPECT_EQ(lstrcmpiA(ClassOf(control).c_str(), kClasses[static_cast<int>(row.kind)]), 0)
            << ClassOf(control);
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, window.window, reinterpret_cast<POINT*>(&r), 2);
        const Rect& t = row.twips;
        const auto px = [dpi](int twips) {
          return static_cast<LONG>(std::lround(twips * dpi / 1440.0));
        };
        RECT laid{px(t.left), px(t.top), px(t.left + t.width), px(t.top + t.height)};
        // The settings window's as the user reads them at 96 dpi, its edges scaled.
        const auto literal = std::find_if(std::begin(kSettingsAt96), std::end(kSettingsAt96),
                                          [&](const auto& c) { return c.id == row.id; });
        if (settings) {
          ASSERT_NE(literal, std::end(kSettingsAt96));
          const RECT& p = literal->at96;
          const auto scaled = [dpi](LONG at96) { return MulDiv(at96, dpi, 96); };
          laid = {scaled(p.left), scaled(p.top), scaled(p.right), scaled(p.bottom)};
          if (literal->caption) {
            EXPECT_EQ(TextOf(control), literal->caption);
          }
        }
        // A closed drop-down list takes the height its font needs.
        if (row.kind == ControlKind::DropDownList && dpi != 96) laid.bottom = r.bottom;
        EXPECT_TRUE(EqualRect(&r, &laid))
            << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        // The controls added to the first windows fit here too, in this
        // system's font (Wine's Tahoma is wider than Windows'), with room to spare.
        const bool added = (settings && row.id > kIdMethod) || row.id >= kIdFor;
        if (row.kind == ControlKind::TimePicker) {
          SIZE ideal{};  // DTM_GETIDEALSIZE: the picker's text and arrows
          SendMessageA(control, DTM_FIRST + 15, 0, reinterpret_cast<LPARAM>(&ideal));
          EXPECT_LE(ideal.cx, (r.right - r.left) * 0.9) << TextOf(control);
          EXPECT_LE(ideal.cy, (r.bottom - r.top) * 0.9) << TextOf(control);
        }
        if (row.kind != ControlKind::Label && row.kind != ControlKind::CheckBox &&
            row.kind != ControlKind::RadioButton && row.kind != ControlKind::Group) {
          continue;
        }
        // At 96 dpi a twip is a fifteenth of a pixel, and the font 11 pixels high.
        const bool bold = row.bold;
        const int box = GetSystemMetrics(SM_CXMENUCHECK) * 4 / 3;  // and the gap after it
        const std::string caption = TextOf(control);
        const int width = r.right - r.left, height = r.bottom - r.top;
        const double need = TextNeed(control, nullptr, width, height, box, caption);
        const double need96 = TextNeed(control, bold ? bold96.Get() : font96.Get(), t.width / 15,
                                       t.height / 15, MulDiv(box, 96, dpi), caption);
        EXPECT_NEAR(need, need96, need96 * 0.1 + 0.02)
            << caption << " needs " << need << ", at 96 dpi " << need96;
        if (added && english) EXPECT_LE(need, 0.9) << caption;
        // Another language's caption fits wherever the English one does,
        // and needs no more where even that one is cut in this font.
        if (!english) {
          const double needEnglish =
              TextNeed(control, nullptr, width, height, box, kEnglish[static_cast<int>(row.text)]);
          EXPECT_LE(need, std::max(1.0, needEnglish)) << caption << " beside " << needEnglish;
        }
      }
    }
    SendMessageA(w.dialog.hwnd(), WM_CLOSE, 0, 0);
  });
}

// Where Wine (and Windows before 8.1) keeps the resolution programs start with.
void SetSystemDpi(int dpi) {
  for (const auto& [root, path] : {std::pair{HKEY_CURRENT_USER, "Control Panel\\Desktop"},
                                   std::pair{HKEY_CURRENT_CONFIG, "Software\\Fonts"}}) {
    HKEY key = nullptr;
    RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), 4);
    RegCloseKey(key);
  }
}

// Windows reads the resolution as a program starts: each runs in a copy of this one.
// Each language's table is the one of its kTableLanguages entry.
TEST(Dpi, WindowsScaleAsAWholeAt96_120And144InEveryLanguage) {
  if (const char* dpi = std::getenv("BLINKWARD_TEST_DPI")) {
    ExpectScaledWindows(std::atoi(dpi),
                        static_cast<LANGID>(std::atoi(std::getenv("BLINKWARD_TEST_LANGUAGE"))));
    return;
  }
  for (int language : {0, 0x0007, 0x000C, 0x000A, 0x0416, 0x0019, 0x0011, 0x0804})
    for (int dpi : {96, 120, 144}) {
      SCOPED_TRACE(testing::Message() << "language " << std::hex << language);
      SetEnvironmentVariableA("BLINKWARD_TEST_LANGUAGE", std::to_string(language).c_str());
      SetSystemDpi(dpi);
      char self[MAX_PATH] = "";
      GetModuleFileNameA(nullptr, self, MAX_PATH);
      std::string line = std::string("\"") + self + "\" --gtest_filter=Dpi.*";
      SetEnvironmentVariableA("BLINKWARD_TEST_DPI", std::to_string(dpi).c_str());
      STARTUPINFOA startup{};
      startup.cb = sizeof startup;
      PROCESS_INFORMATION child{};
      DWORD status = 1;
      if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                         &startup, &child)) {
        WaitForSingleObject(child.hProcess, 60000);
        GetExitCodeProcess(child.hProcess, &status);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
      }
      SetEnvironmentVariableA("BLINKWARD_TEST_DPI", nullptr);
      EXPECT_EQ(status, 0u) << "the checks at " << dpi << " dpi failed (their report is above)";
    }
  SetSystemDpi(96);
}

}  // namespace
}  // namespace bw::win32::test
