// The windows' messages as events, the popup menu, and the ports against Windows.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cstdlib>

#include "tray/tray_message.h"
#include "win32/text.h"
#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

// A click at a picker's left selects its hours (placed as Wine paints), a key steps them.
void StepPickerHours(HWND picker, UINT key) {
  UpdateWindow(picker);
  const LPARAM hours = MAKELPARAM(6, 8);
  SendMessageA(picker, WM_LBUTTONDOWN, MK_LBUTTON, hours);
  SendMessageA(picker, WM_LBUTTONUP, 0, hours);
  SendMessageA(picker, WM_KEYDOWN, key, 0);
}

TEST(ProgramWindows, MessagesBecomeTheProgramsEventsWithTheirValues) {
  RecordingEvents events;
  Windows w(&events);
  ASSERT_TRUE(w.created);
  const HWND hwnd = w.window.hwnd(), main = w.main.hwnd();
  // The shell sends the icon's callback to the hidden child: the icon id and
  // the mouse message that happened over the icon.
  for (LPARAM mouse : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONUP}) {
    SendMessageA(w.tray.hwnd(), WM_MOUSEMOVE, 1, mouse);
  }
  SendMessageA(hwnd, WM_CLOSE, 0, 0);
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);  // the system menu and Alt+F4
  // Only the main window hears Windows' announcements.
  SendMessageA(hwnd, WM_ENDSESSION, TRUE, 0);
  SendMessageA(w.tray.hwnd(), WM_TIMECHANGE, 0, 0);
  EXPECT_EQ(SendMessageA(main, WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageA(main, WM_ENDSESSION, FALSE, 0);  // the end was called off
  SendMessageA(main, WM_ENDSESSION, TRUE, 0);
  // Windows announces a change of group policy by name; other changes are not it.
  for (const char* area : {"Policy", "intl", "Environment"}) {
    SendMessageA(main, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(area));
  }
  // A change of the clock or the zone; the power source; a resume, which may
  // have slept through a change of the local time; a suspend is neither.
  SendMessageA(main, WM_TIMECHANGE, 0, 0);
  for (WPARAM power :
       {PBT_APMPOWERSTATUSCHANGE, PBT_APMRESUMEAUTOMATIC, PBT_APMRESUMESUSPEND, PBT_APMSUSPEND}) {
    EXPECT_EQ(SendMessageA(main, WM_POWERBROADCAST, power, 0), TRUE);
  }
  // The session locked and unlocked (a console connected is neither); the
  // lid closed and opened, as the change of its power setting carries it
  // (the power source's setting is not it).
  for (WPARAM change : {7, 8, 1}) SendMessageA(main, 0x02B1, change, 0);
  const GUID lidSwitch{
      0xBA3E0F4D, 0xB817, 0x4094, {0xA2, 0xD1, 0xD5, 0x63, 0x79, 0xE6, 0xA0, 0xF3}},
      powerSource{0x5D3E9A59, 0xE9D5, 0x4B00, {0xA6, 0xBD, 0xFF, 0x34, 0xFF, 0x51, 0x65, 0x48}};
  for (const auto& [setting, state] : {std::pair{lidSwitch, 0}, {lidSwitch, 1}, {powerSource, 0}}) {
    struct {
      GUID setting;
      DWORD length, data;
    } change{setting, sizeof(DWORD), static_cast<DWORD>(state)};
    SendMessageA(main, WM_POWERBROADCAST, 0x8013, reinterpret_cast<LPARAM>(&change));
  }
  w.window.Show({"", {{kIdFrom, 9 * 60}}, {}, {}});
  SendMessageA(w.Item(kIdStartWithWindows), BM_CLICK, 0, 0);
  SendMessageA(w.Item(kIdFirstDay + 6), BM_CLICK, 0, 0);
  SendMessageA(w.Item(kIdMethod), CB_SETCURSEL, 1, 0);
  SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(kIdMethod, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(w.Item(kIdMethod)));
  StepPickerHours(w.Item(kIdFrom), VK_UP);
  w.window.Update({"", {}, {"a.exe", "b.exe"}, {}});
  SendMessageA(w.Item(kIdPrograms), LB_SETCURSEL, 1, 0);
  SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(kIdPrograms, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(w.Item(kIdPrograms)));
  SendMessageA(w.Item(kIdRemoveProgram), BM_CLICK, 0, 0);
  w.window.Hide();
  // The hidden window must hear the broadcast of a new notification area.
  PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  w.main.StartTimer(TimerId::Countdown, 50);
  PumpUntil([&] { return events.calls.size() >= 23; });
  w.main.StopTimer(TimerId::Countdown);
  EXPECT_EQ(events.calls, (std::vector<std::string>{
                              "Tray 513",      "Tray 515",       "Tray 517",        "Closed",
                              "Closed",        "EndSession",     "Policy",          "TimeChanged",
                              "PowerSource",   "TimeChanged",    "TimeChanged",     "Locked 1",
                              "Locked 0",      "Lid closed 1",   "Lid closed 0",    "Setting 102 1",
                              "Setting 119 1", "Setting 104 1",  "Setting 121 600", "Setting 108 1",
                              "Button 110",    "TaskbarCreated", "Timer 2"}));
  EXPECT_TRUE(IsWindow(hwnd));
}

TEST(ProgramWindows, ATrayCallbackCarriesTheTimeItWasSent) {
  RecordingEvents events;
  Windows w(&events);
  ASSERT_TRUE(w.created);
  const auto keySelect = [&] {
    PostMessageA(w.tray.hwnd(), kTrayCallbackMessage, kTrayIconId, kKeySelect);
  };
  keySelect();
  Sleep(650);  // 600 ms and a tick of the system's clock
  keySelect();
  ASSERT_TRUE(PumpUntil([&] { return events.trayTimes.size() == 2; }));
  const DWORD sent = GetTickCount();
  keySelect();
  keySelect();
  Sleep(650);
  ASSERT_TRUE(PumpUntil([&] { return events.trayTimes.size() == 4; }));
  const std::vector<std::uint32_t>& at = events.trayTimes;
  EXPECT_GE(at[1] - at[0], 600u);
  EXPECT_LT(at[3] - at[2], 500u);
  EXPECT_LT(static_cast<std::int32_t>(at[3] - sent), 600) << "the time it was taken";
}

// The close box is Cancel, which closes nothing of its own accord.
TEST(TimedDialogWindow, ReportsItsEventsWithTheirValues) {
  RecordingEvents events;
  Windows w(&events);
  ASSERT_TRUE(w.created);
  WhileDialogOpen(w, [&] {
    const HWND dialog = w.dialog.hwnd();
    SetWindowTextA(w.DialogItem(kIdHours), "1");
    SetWindowTextA(w.DialogItem(kIdMinutes), "2");
    w.dialog.SetUntilTime(17 * 60 + 30);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    // A click on the minutes' up arrow.
    const HWND upDown = w.DialogItem(kIdMinutesUpDown);
    SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 4));
    SendMessageA(upDown, WM_LBUTTONUP, 0, MAKELPARAM(8, 4));
    // The ways, and the time of "Until" stepped down at its hours.
    SendMessageA(w.DialogItem(kIdUntil), BM_CLICK, 0, 0);
    StepPickerHours(w.DialogItem(kIdUntilTime), VK_DOWN);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    SendMessageA(w.DialogItem(kIdFor), BM_CLICK, 0, 0);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(dialog)) << "closed without the program's word";
    w.dialog.Close();
  });
  EXPECT_EQ(events.calls,
            (std::vector<std::string>{"DialogShown", "Ok 1:2 0 0 1050", "UpDown 1", "Way 1",
                                      "Until 990", "Ok 1:3 0 1 990", "Way 0", "Cancel"}));
}

// The open menu, read from its own loop: where it is, each item as caption=command,
// "!" if not plain, "-" a separator (greyed, to Wine); then Down and Enter choose the first.
std::string openMenu;
RECT openMenuPlace;
void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND window = FindWindowA("#32768", nullptr);
  const auto menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
  if (!menu) return;
  KillTimer(nullptr, timer);
  GetWindowRect(window, &openMenuPlace);
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
    char caption[64] = "";
    GetMenuStringA(menu, i, caption, sizeof caption, MF_BYPOSITION);
    constexpr UINT kNotPlain = MF_GRAYED | MF_CHECKED | MF_POPUP | MF_DEFAULT | MF_OWNERDRAW;
    openMenu += state & MF_SEPARATOR ? std::string("-|")
                                     : caption + ("=" + std::to_string(GetMenuItemID(menu, i))) +
                                           (state & kNotPlain ? "!|" : "|");
  }
  for (UINT key : {VK_DOWN, VK_RETURN}) PostMessageA(window, WM_KEYDOWN, key, 0);
}

// The icon's menu, and a settings button's (Add's, below it).
TEST(PopupMenu, ShowsTheItemsItIsGivenAndReturnsTheChosenCommand) {
  Windows w;
  ASSERT_TRUE(w.created);
  const MenuItem items[] = {{4, "Four", true}, {0, nullptr, false}, {9, "Nine", false}};
  SetTimer(nullptr, 0, 100, ReadOpenMenu);
  EXPECT_EQ(w.tray.TrackPopupMenu(items), 4);
  EXPECT_EQ(openMenu, "Four=4|-|Nine=9!|");
  w.window.Show({"", {}, {}, {}});
  openMenu.clear();
  SetTimer(nullptr, 0, 100, ReadOpenMenu);
  EXPECT_EQ(w.window.TrackControlMenu(kIdAddProgram, items), 4);
  EXPECT_EQ(openMenu, "Four=4|-|Nine=9!|");
  RECT button{};
  GetWindowRect(w.Item(kIdAddProgram), &button);
  EXPECT_EQ(std::pair(openMenuPlace.left, openMenuPlace.top),
            std::pair(button.left, button.bottom));
}

// Whether this system sets a power request (Windows 7 on; Wine 8's fail).
bool PowerRequestsWork() {
  const HMODULE kernel = GetModuleHandleA("kernel32.dll");
  const auto create = reinterpret_cast<HANDLE(WINAPI*)(const void*)>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "PowerCreateRequest")));
  const auto set = reinterpret_cast<BOOL(WINAPI*)(HANDLE, int)>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "PowerSetRequest")));
  // The reason the request gives, a plain string, with room for the rest of
  // the system's union.
  const struct {
    ULONG version = 0;
    DWORD flags = 1;
    const wchar_t* reason = L"test";
    void* rest[3] = {};
  } context;
  const HANDLE request = create ? create(&context) : INVALID_HANDLE_VALUE;
  if (request == INVALID_HANDLE_VALUE) return false;
  const bool works = set && set(request, 0);
  CloseHandle(request);
  return works;
}

// Held by a power request where one works (Wine 10), else by the thread's
// execution state, which must last (ES_CONTINUOUS) or the display sleeps;
// the computer alone while the session is locked.
TEST(Power, KeepsTheDisplayOnOrTheComputerAwakeAndLetsGo) {
  // The thread's flags as the call answers (put back at once).
  const auto threadFlags = [] {
    const EXECUTION_STATE flags = SetThreadExecutionState(ES_CONTINUOUS);
    SetThreadExecutionState(flags);
    return flags;
  };
  EXECUTION_STATE held = 0, awake = 0, released = 0;
  {
    Power power;
    ASSERT_TRUE(power.Keep(KeepAwake::Display));
    held = threadFlags();
    ASSERT_TRUE(power.Keep(KeepAwake::System));
    awake = threadFlags();
    EXPECT_TRUE(power.Keep(KeepAwake::Nothing));
    released = threadFlags();
    ASSERT_TRUE(power.Keep(KeepAwake::Display));
  }
  // Ended while holding, it lets go too.
  const EXECUTION_STATE ended = threadFlags();
  if (PowerRequestsWork()) GTEST_SKIP() << "a power request holds the display here, not the thread";
  EXPECT_EQ(held, 0x80000003u) << "ES_CONTINUOUS | ES_DISPLAY_REQUIRED | ES_SYSTEM_REQUIRED";
  EXPECT_EQ(awake, 0x80000001u) << "ES_CONTINUOUS | ES_SYSTEM_REQUIRED";
  EXPECT_EQ(released, 0x80000000u) << "ES_CONTINUOUS";
  EXPECT_EQ(ended, 0x80000000u) << "ES_CONTINUOUS";
}

// The menu's "Turn Display Off": the main window asks for the monitor's power
// to go off (2), once, after the pause that lets the click end.
DWORD monitorOffAt = 0;
LRESULT CALLBACK SeeMonitorOff(int code, WPARAM wParam, LPARAM lParam) {
  const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (sent.message == WM_SYSCOMMAND && sent.wParam == SC_MONITORPOWER && sent.lParam == 2) {
    EXPECT_EQ(monitorOffAt, 0u) << "sent twice";
    monitorOffAt = GetTickCount();
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(MainWindow, TurnsTheDisplayOffAfterAPause) {
  Windows w;
  ASSERT_TRUE(w.created);
  const HHOOK hook =
      SetWindowsHookExA(WH_CALLWNDPROC, SeeMonitorOff, nullptr, GetCurrentThreadId());
  const DWORD chosen = GetTickCount();
  w.app.OnMenuCommand(MenuCommand::TurnDisplayOff, false);
  EXPECT_EQ(monitorOffAt, 0u) << "at once, where the click would wake the display";
  PumpFor(1500);
  UnhookWindowsHookEx(hook);
  ASSERT_NE(monitorOffAt, 0u) << "never sent";
  EXPECT_GE(monitorOffAt - chosen, 450u);
}

TEST(Power, IsNotOnBatteryWithoutOne) { EXPECT_FALSE(Power().OnBattery()); }  // Wine has none

// The day counts from Monday; the time until a local time runs to the millisecond.
TEST(LocalTime, IsTheSystemsAndTheTimeUntilALocalTimeRunsOnItsClock) {
  System system;
  SYSTEMTIME st{};
  LocalTime now{};
  do {
    GetLocalTime(&st);
    now = system.LocalNow();
  } while (now.second != st.wSecond);
  constexpr int kFromMonday[] = {6, 0, 1, 2, 3, 4, 5};  // by SYSTEMTIME's day, Sunday first
  EXPECT_EQ(now.weekday, kFromMonday[st.wDayOfWeek]);
  EXPECT_EQ(now.minuteOfDay, st.wHour * 60 + st.wMinute);
  EXPECT_EQ(now.second, st.wSecond);
  const int minute = st.wHour * 60 + st.wMinute, intoMinute = st.wSecond * 1000 + st.wMilliseconds;
  if (minute == 0 || minute == 1439) GTEST_SKIP() << "a minute at the day's edge";
  EXPECT_NEAR(system.MsUntilLocal(0, minute + 1), 60'000 - intoMinute, 100);
  // Tomorrow and the day after at this minute are whole days away, where the
  // zone's time does not change meanwhile (Wine takes the host's zone; one
  // with daylight time may change by an hour).
  TIME_ZONE_INFORMATION zone{};
  const bool mayChange = GetTimeZoneInformation(&zone) != TIME_ZONE_ID_UNKNOWN;
  for (int days : {1, 2}) {
    const std::int64_t off = system.MsUntilLocal(days, minute) - (days * 86'400'000LL - intoMinute);
    EXPECT_TRUE(std::abs(off) < 100 || (mayChange && std::abs(std::abs(off) - 3'600'000) < 100))
        << days << " days: " << off;
  }
  // This minute began and the one before ended: both have passed.
  EXPECT_EQ(system.MsUntilLocal(0, minute), 0);
  EXPECT_EQ(system.MsUntilLocal(0, minute - 1), 0);
}

// Wine's user locale is en-US where the host's is C or English (as here).
TEST(Locale, TellsTheUsersFirstDayAndTime) {
  if (GetUserDefaultLCID() != 0x0409) GTEST_SKIP() << "the literals are en-US's";
  Locale locale;
  EXPECT_EQ(locale.FirstDayOfWeek(), 6);
  EXPECT_EQ(locale.TimeText(17 * 60 + 30), "5:30 PM");
  EXPECT_EQ(locale.TimeText(5), "12:05 AM");
}

// Any script and length round-trips; a value of any type is present; a delete of none succeeds.
TEST(RegistryPort, ReadsWritesAndDeletesInTheUsersHive) {
  Registry registry;
  // A run that failed half-way may have left its keys: the tree goes first.
  SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\BlinkwardWin32Test");
  const std::string path = "Software\\BlinkwardWin32Test\\\xD0\x9F\xE6\xB5\x8B";
  const std::string text = "C:\\\xE6\x97\xA5\xD0\x94\\Blinkward.exe" + std::string(3000, 'x');
  using State = StoredString::State;
  EXPECT_EQ(registry.ReadString(path, "x").state, State::Missing);
  ASSERT_TRUE(registry.WriteString(path, "x", text));
  const StoredString read = registry.ReadString(path, "x");
  EXPECT_EQ(read.state, State::Present);
  EXPECT_EQ(read.text, text);
  const DWORD number = 7;
  HKEY key = nullptr;
  RegOpenKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, KEY_SET_VALUE, &key);
  RegSetValueExW(key, L"n", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
  RegCloseKey(key);
  const StoredString n = registry.ReadString(path, "n");
  EXPECT_TRUE(n.state == State::Present && n.text.empty() && n.number == 7u);
  for (int i = 0; i < 2; ++i) EXPECT_TRUE(registry.DeleteValue(path, "x")) << i;
  EXPECT_TRUE(registry.DeleteValue(path + "\\absent", "x"));
  EXPECT_EQ(registry.ReadString(path, "x").state, State::Missing);
  // Lists round-trip; stored by another hand, each string is read as it
  // stands, a last one without its NUL too; a value of another type has none.
  const std::vector<std::string> programs{"obs64.exe", "\xE6\x97\xA5.exe"};
  ASSERT_TRUE(registry.WriteList(path, "list", programs));
  EXPECT_EQ(registry.ReadList(path, "list").items, programs);
  RegOpenKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, KEY_SET_VALUE, &key);
  const wchar_t raw[] = {L'a', 0, 0, L'b', 0, L'c'};
  RegSetValueExW(key, L"raw", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(raw), sizeof raw);
  RegCloseKey(key);
  EXPECT_EQ(registry.ReadList(path, "raw").items, (std::vector<std::string>{"a", "", "b", "c"}));
  EXPECT_TRUE(registry.ReadList(path, "n").state == State::Present &&
              registry.ReadList(path, "n").items.empty());
  // A list of 64 KiB is read; one a name longer is not, and reads as none.
  std::vector<std::string> full;
  for (int i = 0; i < 4681; ++i) full.push_back(std::to_string(100000 + i));
  ASSERT_TRUE(registry.WriteList(path, "full", full));  // 64 KiB: (4681 x 7 + 1) x 2 bytes
  EXPECT_TRUE(registry.ReadList(path, "full").items == full) << "64 KiB not read whole";
  full.push_back("1");
  ASSERT_TRUE(registry.WriteList(path, "over", full));
  EXPECT_TRUE(registry.ReadList(path, "over").state == State::Unreadable &&
              registry.ReadList(path, "over").items.empty());
  // A key for the logon only, made anew over a leftover ordinary one with a
  // subkey; the keys above its parent stay ordinary keys, which still take
  // ordinary keys beside it.
  const std::string note = path + "\\Notes\\Logon";
  ASSERT_TRUE(registry.WriteString(note + "\\Sub", "old", "1"));
  ASSERT_TRUE(registry.WriteString(note, "old", "1"));
  ASSERT_TRUE(registry.CreateLogonKey(note));
  EXPECT_EQ(registry.ReadString(note, "old").state, State::Missing);
  EXPECT_EQ(registry.ReadString(note + "\\Sub", "old").state, State::Missing);
  EXPECT_TRUE(registry.WriteString(note, "v", "1"));
  EXPECT_TRUE(registry.WriteString(path + "\\Plain", "v", "1"));
  HKEY child = nullptr;
  EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Widen(note + "\\Child").c_str(), 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_READ, nullptr, &child, nullptr),
            ERROR_CHILD_MUST_BE_VOLATILE)
      << "the key is not volatile";
  for (int i = 0; i < 2; ++i) EXPECT_TRUE(registry.DeleteKey(note)) << i;
  EXPECT_EQ(registry.ReadString(note, "v").state, State::Missing);

  SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\BlinkwardWin32Test");
}

}  // namespace
}  // namespace bw::win32::test
