#include "win32/command_client.h"

#include <string>

#include "win32/command_channel.h"
#include "win32/settings_window.h"
#include "win32/system.h"
#include "win32/text.h"

namespace bw::win32 {
namespace {

// The running copy takes a command for as long as a dialog of its own may
// keep it busy, not for ever.
constexpr UINT kAnswerTimeoutMs = 10000;
// A copy just started shows its window within moments.
constexpr DWORD kStartTimeoutMs = 10000;

// The running copy's line: no longer than a command.
char answerLine[kCommandMaxBytes];
DWORD answerSize = 0;

LRESULT CALLBACK AnswerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
  const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  if (data.dwData != kAnswerTag || !data.lpData || data.cbData > kCommandMaxBytes) return FALSE;
  answerSize = data.cbData;
  CopyMemory(answerLine, data.lpData, answerSize);
  return TRUE;
}

// To a standard output that goes to a file or a pipe, else to the console
// the copy was started from; an error with neither shows in a message box.
void Tell(std::string_view text, bool error) {
  std::string lines;
  for (const char c : text) {
    if (c == '\n') lines += '\r';
    lines += c;
  }
  if (lines.empty() || lines.back() != '\n') lines += "\r\n";
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  const DWORD type = output ? GetFileType(output) : FILE_TYPE_UNKNOWN;
  UniqueKernelHandle console;
  if (type != FILE_TYPE_DISK && type != FILE_TYPE_PIPE) {
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
      console.Reset(CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
    }
    if (!console || console.Get() == INVALID_HANDLE_VALUE) {
      // The usage's columns need a console's font: the box shows its first line.
      if (const std::size_t cut = lines.find("\r\n\r\n", lines.find("\r\n\r\n") + 1);
          cut != std::string::npos) {
        lines.resize(cut);
      }
      if (error) MessageBoxA(nullptr, lines.c_str(), BLINKWARD_NAME, MB_OK | MB_ICONERROR);
      return;
    }
    output = console.Get();
  }
  DWORD written = 0;
  WriteFile(output, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
}

HWND FindCopy() { return FindWindowA(kSettingsWindowClass, nullptr); }

// A copy of this executable, without a command, and its window once it
// waits for the user.
HWND StartCopy() {
  const std::wstring path = Widen(System().ExecutablePath());
  std::wstring line = L"\"" + path + L"\"";
  // No standard handles: a script reading this copy's output to its end
  // must not wait for the new copy's.
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    return nullptr;
  }
  const UniqueKernelHandle process(started.hProcess), thread(started.hThread);
  WaitForInputIdle(process.Get(), kStartTimeoutMs);
  HWND copy = FindCopy();
  for (DWORD waited = 0; !copy && waited < kStartTimeoutMs; waited += 50) {
    if (WaitForSingleObject(process.Get(), 50) == WAIT_OBJECT_0) return FindCopy();
    copy = FindCopy();
  }
  return copy;
}

}  // namespace

std::string_view Arguments(std::string_view commandLine) {
  std::size_t end = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    end = commandLine.find('"', 1);
    end = end == std::string_view::npos ? commandLine.size() : end + 1;
  } else {
    end = commandLine.find_first_of(" \t");
    if (end == std::string_view::npos) end = commandLine.size();
  }
  return commandLine.substr(end);
}

// Only a command that changes something starts a copy: asking for the state
// or the end of none is answered here.
int RunCommand(const ParsedCommand& parsed) {
  if (!parsed.command) {
    Tell(parsed.error + "\n\n" + kUsage, true);
    return kExitUsage;
  }
  const Command& command = *parsed.command;
  if (command.kind == CommandKind::Usage) {
    Tell(kUsage, false);
    return kExitDone;
  }
  const bool asks = command.kind == CommandKind::Status || command.kind == CommandKind::Exit;
  HWND copy = FindCopy();
  if (!copy && !asks) copy = StartCopy();
  if (!copy) {
    if (command.kind == CommandKind::Exit) return kExitDone;
    Tell(asks ? "not running" : BLINKWARD_NAME " could not be started", !asks);
    return kExitNoCopy;
  }
  RegisterClassOnce(BLINKWARD_NAME "Answer", AnswerProcedure);
  HWND answers = CreateWindowExA(0, BLINKWARD_NAME "Answer", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
  const std::string text = CommandText(command);
  COPYDATASTRUCT data{kCommandTag, static_cast<DWORD>(text.size() + 1),
                      const_cast<char*>(text.c_str())};
  DWORD_PTR result = 0;
  const bool sent = SendMessageTimeoutA(copy, WM_COPYDATA, reinterpret_cast<WPARAM>(answers),
                                        reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                                        kAnswerTimeoutMs, &result) != 0;
  if (answers) DestroyWindow(answers);
  if (!sent || result < static_cast<DWORD_PTR>(kCommandTaken)) {
    Tell(BLINKWARD_NAME " did not answer", true);
    return kExitNoCopy;
  }
  const int code = static_cast<int>(result - kCommandTaken);
  if (answerSize != 0) {
    Tell({answerLine, answerSize}, code != kExitDone && code != kExitDisabled);
  }
  return code;
}

}  // namespace bw::win32
