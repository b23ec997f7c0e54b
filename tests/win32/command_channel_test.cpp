// Another copy's command reaches the program only as the channel carries it:
// tagged, within bounds and ended by its one zero, from a caller's answer
// window, which the line goes back to; a copy that is starting is waited for,
// and a caller that never takes its line holds up nothing.
#include "win32/command_channel.h"

#include <atomic>
#include <functional>
#include <thread>

#include "win32/command_client.h"
#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

struct Commands final : CommandEvents {
  std::vector<std::string> texts;
  std::function<void()> heard;  // run as each command is taken
  std::optional<CommandAnswer> OnCommand(std::string_view text) override {
    texts.emplace_back(text);
    if (heard) heard();
    if (text == "/status") return CommandAnswer{1, "disabled"};
    return std::nullopt;
  }
};

// Every answer window of this process records its line here, those the
// command line's client makes too: the class is registered with this first.
std::string received;
LRESULT CALLBACK CallerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
  const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  received = std::to_string(data.dwData) + " " +
             std::string(static_cast<const char*>(data.lpData), data.cbData);
  return TRUE;
}
HWND CallerWindow(const char* windowClass, HWND parent = HWND_MESSAGE) {
  return CreateWindowExA(0, windowClass, nullptr, 0, 0, 0, 0, 0, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}
LRESULT Send(HWND copy, HWND caller, std::string bytes, ULONG_PTR tag = kCommandTag,
             UINT flags = 0) {
  COPYDATASTRUCT data{tag, static_cast<DWORD>(bytes.size()), bytes.data()};
  DWORD_PTR result = 0;
  SendMessageTimeoutA(copy, WM_COPYDATA, reinterpret_cast<WPARAM>(caller),
                      reinterpret_cast<LPARAM>(&data), flags, 20000, &result);
  return static_cast<LRESULT>(result);
}

TEST(CommandChannel, OnlyATaggedTerminatedTextWithinBoundsIsTaken) {
  RecordingEvents recorder;
  Windows windows(&recorder);
  ASSERT_TRUE(windows.created);
  Commands commands;
  RegisterClassOnce(kAnswerWindowClass, CallerProcedure);
  HWND caller = CallerWindow(kAnswerWindowClass), copy = windows.main.hwnd();
  const std::string status("/status", 8);
  EXPECT_EQ(Send(copy, caller, status), 1) << "taken before the program was ready";
  windows.main.TakeCommands(commands);

  EXPECT_EQ(Send(copy, caller, status), 0x101);
  EXPECT_EQ(received, "1115111729 disabled");
  received.clear();
  EXPECT_EQ(Send(copy, caller, std::string("/bogus", 7)), 0);
  EXPECT_EQ(Send(copy, caller, status, 0x42774330), 0) << "another tag";
  EXPECT_EQ(Send(copy, caller, "/status"), 0) << "no zero at its end";
  EXPECT_EQ(Send(copy, caller, std::string("/st\0tus", 8)), 0) << "a zero inside";
  EXPECT_EQ(Send(copy, caller, ""), 0) << "empty";
  EXPECT_EQ(Send(copy, caller, "/while \"" + std::string(290, 'a') + ".exe\"" + '\0'), 0)
      << "longer than any command";
  RegisterClassOnce("CommandCaller", CallerProcedure);
  HWND other = CallerWindow("CommandCaller"), shown = CallerWindow(kAnswerWindowClass, nullptr);
  EXPECT_EQ(Send(copy, other, status), 0) << "another class's window";
  EXPECT_EQ(Send(copy, shown, status), 0) << "a window that is not message-only";
  EXPECT_EQ(Send(copy, nullptr, status), 0) << "no window";
  EXPECT_EQ(received, "");
  EXPECT_EQ(commands.texts, (std::vector<std::string>{"/status", "/bogus"}));
  DestroyWindow(caller), DestroyWindow(other), DestroyWindow(shown);
}

// A command is given while the copy starts: its mutex is held and its window
// comes late, then takes no command until the program has started. The
// command waits and is taken once. Then a caller that never takes its line
// (blocked in its send, it takes no message) is given up on: a second caller
// gets its answer and the ticks go on while the first still hangs (for at
// most 3 s, where the copy's earlier wait for a caller was 5 s).
TEST(CommandChannel, ACopyThatStartsIsWaitedForAndNoCallerHoldsItUp) {
  RegisterClassOnce(kAnswerWindowClass, CallerProcedure);
  const UniqueKernelHandle mutex(CreateMutexA(nullptr, FALSE, kInstanceMutexName));
  std::atomic<int> first = -1, second = -1;
  const auto status = [](std::atomic<int>& code) {
    return std::thread([&code] { code = RunCommand(ParseCommandLine("/status")); });
  };
  std::thread firstCaller = status(first);
  PumpFor(500);
  RecordingEvents recorder;
  Windows windows(&recorder);
  Commands commands;
  PumpFor(500);
  windows.main.TakeCommands(commands);
  EXPECT_TRUE(PumpUntil([&] { return first != -1; }));
  firstCaller.join();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(commands.texts, std::vector<std::string>{"/status"});

  const UniqueKernelHandle release(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  std::thread hung([&] {
    HWND own = CallerWindow(kAnswerWindowClass);
    Send(windows.main.hwnd(), own, std::string("/status", 8), kCommandTag, SMTO_BLOCK);
    WaitForSingleObject(release.Get(), 20000);
    DestroyWindow(own);
  }),
      secondCaller;
  std::size_t ticksWhenHeard = SIZE_MAX;
  commands.heard = [&] {
    if (ticksWhenHeard != SIZE_MAX) return;
    ticksWhenHeard = recorder.calls.size();
    secondCaller = status(second);
  };
  windows.main.StartTimer(TimerId::Poll, 50);
  EXPECT_TRUE(
      PumpUntil([&] { return second != -1 && recorder.calls.size() > ticksWhenHeard; }, 3000));
  SetEvent(release.Get());
  hung.join(), secondCaller.join();
  EXPECT_EQ(second, 1);
  EXPECT_EQ(commands.texts.size(), 3u);
}

}  // namespace
}  // namespace bw::win32::test
