// Blinkward.exe given a command, as a script runs it: its exit code and what
// it prints to an output that is redirected, to a pipe or a file.
#include "fixture.h"

namespace e2e {
namespace {

struct Commands : BlinkwardTest {
  void TearDown() override {
    TerminateProcess(program_.info.hProcess, 0);
    BlinkwardTest::TearDown();
  }
  // Runs Blinkward.exe with the arguments, its output into a pipe that is
  // read to its end (which a copy it starts must not hold open): "exit code:
  // output".
  std::string Run(const std::wstring& arguments, HANDLE file = nullptr) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inherited, 0)) return "no pipe";
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = file ? file : write;
    const std::wstring exe = BlinkwardExePath();
    std::wstring line = L"\"" + exe + L"\" " + arguments;
    PROCESS_INFORMATION started{};
    const bool ran = CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                    nullptr, &startup, &started);
    CloseHandle(write);
    std::string output;
    char chunk[512];
    DWORD got = 0;
    while (ran && ReadFile(read, chunk, sizeof chunk, &got, nullptr) && got)
      output.append(chunk, got);
    CloseHandle(read);
    if (!ran) return "not started";
    DWORD code = 99;
    if (WaitForSingleObject(started.hProcess, kStartMs) == WAIT_OBJECT_0)
      GetExitCodeProcess(started.hProcess, &code);
    CloseHandle(started.hProcess), CloseHandle(started.hThread);
    return std::to_string(code) + ": " + output;
  }
  // The copy a command started, for the fixture to end.
  bool FindCopy() {
    const std::wstring mainClass = Widen(bw::win32::kMainWindowClass);
    PumpUntil([&] { return (main_ = FindWindowW(mainClass.c_str(), nullptr)) != nullptr; },
              kStartMs);
    DWORD id = 0;
    GetWindowThreadProcessId(main_, &id);
    blinkward_.info.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id);
    callback_ =
        FindWindowExW(main_, nullptr, Widen(bw::win32::kTrayCallbackClass).c_str(), nullptr);
    return blinkward_.info.hProcess && WaitForTip(TipFor(ScreenSaverActive()), kStartMs);
  }
  Process program_;
};

// Without a copy: the state and the exit are answered at once, a usage error
// changes nothing; a switch starts a copy first. With one, each command acts
// on it, and /exit ends it.
TEST_F(Commands, AScriptDrivesTheRunningCopyAndReadsItsAnswers) {
  ASSERT_TRUE(SetScreenSaverActive(true));
  EXPECT_EQ(Run(L"/status"), "3: not running\r\n");
  EXPECT_EQ(Run(L"/exit"), "0: ");
  const std::string refused = Run(L"/off 0:00");
  EXPECT_EQ(refused.substr(0, refused.find('\r')),
            "2: not a span of hours and minutes, 0:01 to 99:99: 0:00");
  EXPECT_NE(refused.find("\r\n\r\nBlinkward [/on | /off"), std::string::npos) << refused;
  EXPECT_EQ(Run(L"/?").substr(0, 14), "0: Blinkward [");
  EXPECT_EQ(nullptr, FindWindowW(Widen(bw::win32::kMainWindowClass).c_str(), nullptr));

  EXPECT_EQ(Run(L"/off"), "0: ");
  ASSERT_TRUE(FindCopy()) << "no copy was started";
  EXPECT_FALSE(ScreenSaverActive());
  EXPECT_EQ(Run(L"/status"), "1: disabled\r\n");
  EXPECT_EQ(Run(L"/TOGGLE"), "0: ");
  EXPECT_TRUE(WaitForTip(TipFor(true)));

  EXPECT_EQ(Run(L"/off 1:30"), "0: ");
  EXPECT_EQ(Run(L"/status").substr(0, 19), "1: disabled for 1:2");
  EXPECT_EQ(Run(L"/on"), "0: ");
  EXPECT_TRUE(ScreenSaverActive());

  const std::wstring exe = BlinkwardExePath(), folder = exe.substr(0, exe.find_last_of(L'\\') + 1);
  ASSERT_TRUE(program_.Start(folder + L"listed_program.exe", L"hidden"));
  EXPECT_EQ(Run(L"/while " + std::to_wstring(program_.info.dwProcessId)), "0: ");
  EXPECT_TRUE(WaitForTip(L"Screen Saver is DISABLED while listed_program.exe runs")) << Tip();
  const std::wstring file = folder + L"state.txt";
  HANDLE state =
      CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
  SetHandleInformation(state, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  EXPECT_EQ(Run(L"/status", state), "1: ");
  CloseHandle(state);
  char written[64] = "";
  DWORD size = 0;
  state = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ReadFile(state, written, sizeof written - 1, &size, nullptr);
  CloseHandle(state);
  DeleteFileW(file.c_str());
  EXPECT_EQ(std::string(written, size), "disabled while listed_program.exe runs\r\n");
  TerminateProcess(program_.info.hProcess, 0);
  EXPECT_TRUE(WaitForTip(TipFor(true)));
  EXPECT_EQ(Run(L"/while 1"), "2: no process of this session has the id 1\r\n");
  // A name the ANSI code page spells otherwise than UTF-8: the whole command line is read.
  const std::wstring named = folder + L"n\u00f6tepad.exe";
  ASSERT_TRUE(CopyFileW((folder + L"listed_program.exe").c_str(), named.c_str(), FALSE));
  ASSERT_TRUE(program_.Start(named, L"hidden"));
  EXPECT_EQ(Run(L"/while n\u00f6tepad.exe"), "0: ");
  EXPECT_EQ(Run(L"/status"), "1: disabled while n\xC3\xB6tepad.exe runs\r\n");

  EXPECT_EQ(Run(L"/exit"), "0: ");
  EXPECT_TRUE(PumpUntil([this] { return !blinkward_.Running(); }, kWaitMs));
  EXPECT_TRUE(WaitForNoIcon());
}

}  // namespace
}  // namespace e2e
