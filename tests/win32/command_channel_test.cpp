// Another copy's command reaches the program only as the channel carries it:
// tagged, within bounds and ended by its one zero; the line goes back to the
// window the caller names.
#include "win32/command_channel.h"

#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

struct Commands final : CommandEvents {
  std::vector<std::string> texts;
  std::optional<CommandAnswer> OnCommand(std::string_view text) override {
    texts.emplace_back(text);
    if (text == "/status") return CommandAnswer{1, "disabled"};
    return std::nullopt;
  }
};

std::string received;
LRESULT CALLBACK CallerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
  const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  received = std::to_string(data.dwData) + " " +
             std::string(static_cast<const char*>(data.lpData), data.cbData);
  return TRUE;
}

TEST(CommandChannel, OnlyATaggedTerminatedTextWithinBoundsIsTaken) {
  RecordingEvents recorder;
  Windows windows(&recorder);
  ASSERT_TRUE(windows.created);
  Commands commands;
  RegisterClassOnce("CommandCaller", CallerProcedure);
  HWND caller = CreateWindowExA(0, "CommandCaller", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  const auto send = [&](ULONG_PTR tag, std::string bytes) {
    COPYDATASTRUCT data{tag, static_cast<DWORD>(bytes.size()), bytes.data()};
    return SendMessageA(windows.window.hwnd(), WM_COPYDATA, reinterpret_cast<WPARAM>(caller),
                        reinterpret_cast<LPARAM>(&data));
  };
  const std::string status("/status", 8);
  EXPECT_EQ(send(0x42774331, status), 0) << "taken before the program was ready";
  windows.window.TakeCommands(commands);

  EXPECT_EQ(send(0x42774331, status), 0x101);
  EXPECT_EQ(received, "1115111729 disabled");
  received.clear();
  EXPECT_EQ(send(0x42774331, std::string("/bogus", 7)), 0);
  EXPECT_EQ(send(0x42774330, status), 0) << "another tag";
  EXPECT_EQ(send(0x42774331, "/status"), 0) << "no zero at its end";
  EXPECT_EQ(send(0x42774331, std::string("/st\0tus", 8)), 0) << "a zero inside";
  EXPECT_EQ(send(0x42774331, ""), 0) << "empty";
  EXPECT_EQ(send(0x42774331, "/while \"" + std::string(290, 'a') + ".exe\"" + '\0'), 0)
      << "longer than any command";
  EXPECT_EQ(received, "");
  EXPECT_EQ(commands.texts, (std::vector<std::string>{"/status", "/bogus"}));
  DestroyWindow(caller);
}

}  // namespace
}  // namespace bw::win32::test
