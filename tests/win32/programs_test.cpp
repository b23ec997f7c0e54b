// The real processes, ends, windows and foreground, with copies of
// listed_program.exe started under other file names as the user's programs.
#include <algorithm>

#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

int Count(const std::vector<std::string>& calls, const std::string& call) {
  return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

// By name from the system's list: a program that shows a window, one that
// shows none; a process that is gone has no name.
TEST(Programs, NameStartedProgramsAndTheirWindows) {
  RecordingEvents events;
  Programs programs;
  programs.SetEvents(events);
  programs.ReportWindows(true);
  Started shown(L"player64.exe", L"window"), hidden(L"helper.exe", L"hidden");
  const std::string shownEvent = "Window " + std::to_string(shown.id);
  EXPECT_TRUE(PumpUntil([&] { return Count(events.calls, shownEvent) > 0; }))
      << "no window reported for " << shown.id;
  programs.ReportWindows(false);

  const std::vector<RunningProcess> processes = programs.Processes();
  const auto listed = [&](DWORD id, const std::string& file) {
    return std::any_of(processes.begin(), processes.end(),
                       [&](const RunningProcess& p) { return p.id == id && p.file == file; });
  };
  EXPECT_TRUE(listed(shown.id, "player64.exe"));
  EXPECT_TRUE(listed(hidden.id, "helper.exe"));
  EXPECT_EQ(programs.ProcessFile(shown.id), "player64.exe");
  EXPECT_EQ(programs.ProcessFile(hidden.id), "helper.exe");
  std::vector<std::string> windows;
  for (const ProgramWindow& window : programs.Windows()) {
    windows.push_back(window.title + " | " + window.file);
  }
  EXPECT_EQ(Count(windows, "Listed program | player64.exe"), 1) << testing::PrintToString(windows);

  hidden.Kill();  // its handle, still open, may keep it listed without threads
  EXPECT_EQ(programs.ProcessFile(hidden.id), "") << "a process that has ended";
}

// Processes ended one at each tick of a timer in the popup menu's loop; the
// menu closes once three ends are reported (or after 20 s), with what was
// reported by then.
std::vector<const Started*> toEnd;
std::vector<std::string>* menuEvents = nullptr;
std::vector<std::string> reportedInMenu;
DWORD menuOpened = 0;
void CALLBACK EndNextThenClose(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!toEnd.empty()) {
    toEnd.front()->Kill();
    toEnd.erase(toEnd.begin());
  } else if (menuEvents->size() >= 3 || GetTickCount() - menuOpened > 20000) {
    KillTimer(nullptr, timer);
    reportedInMenu = *menuEvents;
    EndMenu();
  }
}

// Each end once, under its own id, while the menu is open; none of a process
// let go, even one whose end came before it was let go.
TEST(Programs, EachEndIsReportedOnceUnderItsOwnIdWhileTheMenuIsOpen) {
  RecordingEvents events;
  Windows w(&events);
  ASSERT_TRUE(w.created);
  w.programs.SetEvents(events);
  const Started first(L"first.exe", L"hidden"), middle(L"middle.exe", L"hidden"),
      last(L"last.exe", L"hidden"), dropped(L"dropped.exe", L"hidden"),
      late(L"late.exe", L"hidden");
  for (const Started* started : {&first, &middle, &last, &dropped, &late}) {
    ASSERT_TRUE(w.programs.WatchForEnd(started->id)) << started->id;
  }
  w.programs.StopWatching(dropped.id);
  dropped.Kill();
  late.Kill();
  Sleep(300);  // its end is told, and waits in the queue, before it is let go
  w.programs.StopWatching(late.id);

  toEnd = {&first, &last, &middle};
  menuEvents = &events.calls;
  menuOpened = GetTickCount();
  SetTimer(nullptr, 0, 300, EndNextThenClose);
  const MenuItem items[] = {{1, "One", true}};
  w.tray.TrackPopupMenu(items);
  EXPECT_EQ(reportedInMenu, (std::vector{first.Ended(), last.Ended(), middle.Ended()}));
  PumpFor(300);
  EXPECT_EQ(events.calls, reportedInMenu);
  EXPECT_FALSE(w.programs.WatchForEnd(first.id)) << "watched after its end";
}

// What the system itself says of other programs' foreground windows: Windows
// and Wine 10 tell of each change and move, Wine 8 of neither.
std::vector<std::pair<DWORD, HWND>> systemEvents;
void CALLBACK SeeSystemEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                             DWORD, DWORD) {
  if (object == OBJID_WINDOW && child == CHILDID_SELF) systemEvents.push_back({event, window});
}

// A change of the foreground window, and a move of it, each reported where
// the system tells of them.
TEST(Programs, FollowTheForegroundAsTheSystemReportsIt) {
  RecordingEvents events;
  Programs programs;
  programs.SetEvents(events);
  programs.ReportWindows(true);
  const UniqueWinEventHook foregrounds(
      SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_OBJECT_LOCATIONCHANGE, nullptr, SeeSystemEvent,
                      0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
  const auto sent = [](DWORD event, HWND window, DWORD ms = 2000) {
    return PumpUntil(
        [&] {
          return std::count(systemEvents.begin(), systemEvents.end(), std::pair{event, window});
        },
        ms);
  };
  const Started editor(L"editor.exe", L"window");
  ASSERT_TRUE(PumpUntil([&] { return editor.Window() != nullptr; }));
  if (!sent(EVENT_SYSTEM_FOREGROUND, editor.Window())) {
    GTEST_SKIP() << "this system does not tell of other programs' foreground windows";
  }
  EXPECT_TRUE(PumpUntil([&] { return Count(events.calls, "Foreground") > 0; }))
      << testing::PrintToString(events.calls);
  const int before = Count(events.calls, "Foreground");
  RECT rect{};
  GetWindowRect(editor.Window(), &rect);
  SetWindowPos(editor.Window(), nullptr, rect.left + 20, rect.top, 300, 200,
               SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(sent(EVENT_OBJECT_LOCATIONCHANGE, editor.Window(), 20000));
  EXPECT_TRUE(PumpUntil([&] { return Count(events.calls, "Foreground") > before; }))
      << testing::PrintToString(events.calls);
}

// Under Wine the desktop covers the monitor; a process that holds the
// foreground may hand it to the desktop, and Wine lets any hand it to the
// taskbar.
TEST(Programs, JudgeTheForegroundWindow) {
  RecordingEvents events;
  Programs programs;
  programs.SetEvents(events);
  programs.ReportWindows(true);
  programs.ReportWindows(false);
  const HWND own = CreateWindowExA(WS_EX_TOPMOST, "Static", "own", WS_POPUP | WS_VISIBLE, 0, 0,
                                   GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                   nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(own);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == own; }));
  EXPECT_EQ(programs.JudgeForeground(), Foreground::Passing) << "our own window";
  // The desktop's turn, while we may still choose the foreground.
  SetForegroundWindow(GetDesktopWindow());
  DestroyWindow(own);
  ASSERT_TRUE(PumpUntil([] { return GetForegroundWindow() == GetDesktopWindow(); }))
      << ClassOf(GetForegroundWindow());
  EXPECT_EQ(programs.JudgeForeground(), Foreground::Passing) << "the desktop";

  const Started fullScreen(L"game.exe", L"fullscreen");
  EXPECT_TRUE(PumpUntil([&] { return programs.JudgeForeground() == Foreground::FullScreen; }))
      << "a full-screen window in front did not count";
  // Once the game has brought itself forward, and waits for input.
  WaitForInputIdle(fullScreen.process.Get(), 20000);
  const HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  SetForegroundWindow(taskbar);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == taskbar; }))
      << ClassOf(GetForegroundWindow());
  EXPECT_EQ(programs.JudgeForeground(), Foreground::Passing) << "the taskbar";
  fullScreen.Kill();
  EXPECT_TRUE(PumpUntil([&] { return programs.JudgeForeground() == Foreground::Windowed; }))
      << "the taskbar in front of a game that has ended";

  const Started maximized(L"browser.exe", L"maximized");
  ASSERT_TRUE(PumpUntil([&] { return maximized.Window() != nullptr; }));
  RECT rect{};
  GetWindowRect(maximized.Window(), &rect);
  ASSERT_TRUE(rect.left <= 0 && rect.top <= 0 && rect.right >= GetSystemMetrics(SM_CXSCREEN) &&
              rect.bottom >= GetSystemMetrics(SM_CYSCREEN))
      << "it does not cover the monitor";
  EXPECT_EQ(programs.JudgeForeground(), Foreground::Windowed) << "a maximized window";
  const Started normal(L"editor.exe", L"window");
  ASSERT_TRUE(PumpUntil([&] { return normal.Window() != nullptr; }));
  EXPECT_EQ(programs.JudgeForeground(), Foreground::Windowed) << "a normal window";

  EXPECT_EQ(events.calls, std::vector<std::string>()) << "windows reported while off";
}

}  // namespace
}  // namespace bw::win32::test
