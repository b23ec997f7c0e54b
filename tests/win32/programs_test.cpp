// The real processes, ends, windows and foreground, with copies of
// listed_program.exe started under other file names as the user's programs.
#include <algorithm>

#include "win32/text.h"
#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

// A copy of listed_program.exe (beside this test) run as another program;
// killed when the test is done with it.
struct Started {
  Started(const wchar_t* file, const wchar_t* mode) {
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self);
    folder.resize(folder.find_last_of(L'\\') + 1);
    const std::wstring copy = folder + file;
    // A copy still running from an earlier test is the same file.
    CopyFileW((folder + L"listed_program.exe").c_str(), copy.c_str(), FALSE);
    std::wstring line = L"\"" + copy + L"\" " + mode;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(copy.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
      ADD_FAILURE() << "cannot start " << Narrow(copy) << ": " << GetLastError();
      return;
    }
    CloseHandle(started.hThread);
    process.Reset(started.hProcess);
    id = started.dwProcessId;
  }
  ~Started() { Kill(); }
  // Returns once it has ended; its handle keeps the process known.
  void Kill() const {
    if (!process) return;
    TerminateProcess(process.Get(), 1);
    WaitForSingleObject(process.Get(), 5000);
  }
  HWND Window() const {
    const HWND front = GetForegroundWindow();
    DWORD owner = 0;
    GetWindowThreadProcessId(front, &owner);
    return owner == id ? front : nullptr;
  }

  UniqueKernelHandle process;
  DWORD id = 0;
};

int Count(const std::vector<std::string>& calls, const std::string& call) {
  return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

void CALLBACK CloseDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  openDialog->Close();
}

TEST(Programs, FindAStartedProgramAndItsWindowAndReportItsEndOnce) {
  RecordingEvents events;
  Windows w(&events);
  w.programs.SetEvents(events);
  w.programs.ReportWindows(true);
  const Started shown(L"player64.exe", L"window"), hidden(L"helper.exe", L"hidden");
  const std::string shownEvent = "Window " + std::to_string(shown.id);
  EXPECT_TRUE(PumpUntil([&] { return Count(events.calls, shownEvent) > 0; }))
      << "no window reported for " << shown.id;
  w.programs.ReportWindows(false);

  const std::vector<RunningProcess> processes = w.programs.Processes();
  const auto listed = [&](DWORD id, const std::string& file) {
    return std::any_of(processes.begin(), processes.end(),
                       [&](const RunningProcess& p) { return p.id == id && p.file == file; });
  };
  EXPECT_TRUE(listed(shown.id, "player64.exe"));
  EXPECT_TRUE(listed(hidden.id, "helper.exe"));
  EXPECT_EQ(w.programs.ProcessFile(shown.id), "player64.exe");
  EXPECT_EQ(w.programs.ProcessFile(hidden.id), "helper.exe");
  std::vector<std::string> windows;
  for (const ProgramWindow& window : w.programs.Windows()) {
    windows.push_back(window.title + " | " + window.file);
  }
  EXPECT_EQ(Count(windows, "Listed program | player64.exe"), 1) << testing::PrintToString(windows);

  // Ended inside the timed dialog's loop, which must report what the
  // program's own loop would.
  ASSERT_TRUE(w.programs.WatchForEnd(shown.id));
  ASSERT_TRUE(w.programs.WatchForEnd(hidden.id));
  w.programs.StopWatching(hidden.id);
  events.calls.clear();
  WhileDialogOpen(w, [&] {
    shown.Kill();
    hidden.Kill();
    SetTimer(nullptr, 0, 300, CloseDialog);
  });
  EXPECT_EQ(Count(events.calls, "Ended " + std::to_string(shown.id)), 1)
      << testing::PrintToString(events.calls);
  EXPECT_EQ(Count(events.calls, "Ended " + std::to_string(hidden.id)), 0);
  EXPECT_FALSE(w.programs.WatchForEnd(shown.id)) << "an ended process was watched";
}

// Under Wine 8 the desktop covers the monitor; a process that holds the
// foreground may hand it to the desktop.
TEST(Programs, ForegroundFillsMonitorOnlyForAnotherProgramsFullScreenWindow) {
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
  EXPECT_FALSE(programs.JudgeForeground() == Foreground::FullScreen) << "our own window counted";
  // The desktop's turn, while we may still choose the foreground.
  SetForegroundWindow(GetDesktopWindow());
  DestroyWindow(own);
  ASSERT_TRUE(PumpUntil([] { return GetForegroundWindow() == GetDesktopWindow(); }))
      << ClassOf(GetForegroundWindow());
  EXPECT_FALSE(programs.JudgeForeground() == Foreground::FullScreen) << "the desktop counted";

  const Started fullScreen(L"game.exe", L"fullscreen");
  EXPECT_TRUE(PumpUntil([&] { return programs.JudgeForeground() == Foreground::FullScreen; }))
      << "a full-screen window in front did not count";
  const Started normal(L"editor.exe", L"window");
  ASSERT_TRUE(PumpUntil([&] { return normal.Window() != nullptr; }));
  EXPECT_FALSE(programs.JudgeForeground() == Foreground::FullScreen) << "a normal window counted";

  EXPECT_EQ(events.calls, std::vector<std::string>()) << "windows reported while off";
}

}  // namespace
}  // namespace bw::win32::test
