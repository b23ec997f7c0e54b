#include "win32/command_client.h"

#include <string>

#include "command/integrity.h"
#include "win32/command_channel.h"
#include "win32/main_window.h"
#include "win32/system.h"
#include "win32/text.h"
#include "words/texts.h"

namespace bw::win32 {
namespace {

// All a command waits, for a copy to start and to answer.
constexpr DWORD kCommandWaitMs = 10000;
// How often it looks again for a copy that is starting.
constexpr DWORD kLookAgainMs = 50;

// The running copy's line.
char answerLine[kAnswerLineMaxBytes];
DWORD answerSize = 0;

LRESULT CALLBACK AnswerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA) return DefWindowProcW(window, message, wParam, lParam);
  const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  if (data.dwData != kAnswerTag || !data.lpData || data.cbData > kAnswerLineMaxBytes) return FALSE;
  answerSize = data.cbData;
  CopyMemory(answerLine, data.lpData, answerSize);
  return TRUE;
}

// To a standard output that goes to a file or a pipe, in UTF-8, else to the
// console the copy was started from, in its own characters; an error with
// neither shows in a message box.
void Tell(std::string_view text, bool error) {
  std::string lines;
  for (const char c : text) {
    if (c == '\n') lines += '\r';
    lines += c;
  }
  if (lines.empty() || lines.back() != '\n') lines += "\r\n";
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  const DWORD type = output ? GetFileType(output) : FILE_TYPE_UNKNOWN;
  DWORD written = 0;
  if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) {
    WriteFile(output, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
    return;
  }
  UniqueKernelHandle console;
  if (AttachConsole(ATTACH_PARENT_PROCESS)) {
    console.Reset(CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr));
  }
  if (console && console.Get() != INVALID_HANDLE_VALUE) {
    const std::wstring wide = Widen(lines);
    WriteConsoleW(console.Get(), wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  // The usage's columns need a console's font: the box shows its first line.
  if (const std::size_t cut = lines.find("\r\n\r\n", lines.find("\r\n\r\n") + 1);
      cut != std::string::npos) {
    lines.resize(cut);
  }
  if (error) {
    MessageBoxW(nullptr, Widen(lines).c_str(), L"" BLINKWARD_NAME, MB_OK | MB_ICONERROR);
  }
}

HWND FindCopy() { return FindWindowA(kMainWindowClass, nullptr); }

// A copy holds the mutex from before its window exists until it ends. One
// started as administrator holds one this copy may not open.
bool CopyHoldsMutex() {
  const UniqueKernelHandle mutex(OpenMutexA(SYNCHRONIZE, FALSE, kInstanceMutexName));
  return mutex || GetLastError() == ERROR_ACCESS_DENIED;
}

// A copy of this executable, without a command; nothing if it could not be
// started.
UniqueKernelHandle StartCopy() {
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
    return {};
  }
  CloseHandle(started.hThread);
  return UniqueKernelHandle(started.hProcess);
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
// or the end of none is answered here. A copy that is starting (its mutex
// held, its window not yet there or not yet taking commands) is waited for,
// within the one wait for the answer. A send that timed out is never made
// again: it may still arrive.
int RunCommand(const ParsedCommand& parsed) {
  if (!parsed.command) {
    Tell(parsed.error + "\n\n" + Say(Text::Usage), true);
    return kExitUsage;
  }
  const Command& command = *parsed.command;
  if (command.kind == CommandKind::Usage) {
    Tell(Say(Text::Usage), false);
    return kExitDone;
  }
  const bool asks = command.kind == CommandKind::Status || command.kind == CommandKind::Exit;
  RegisterClassOnce(kAnswerWindowClass, AnswerProcedure);
  const Unique<HWND, DestroyWindow> answers(CreateWindowExA(0, kAnswerWindowClass, nullptr, 0, 0, 0,
                                                            0, 0, HWND_MESSAGE, nullptr,
                                                            GetModuleHandleA(nullptr), nullptr));
  // An elevated caller lets the ordinary copy's line in.
  if (OpensToLowerLevels(IntegrityLevel(GetCurrentProcess()))) {
    AllowFromLowerLevels(answers.Get(), WM_COPYDATA);
  }
  const std::string text = CommandText(command);
  COPYDATASTRUCT data{kCommandTag, static_cast<DWORD>(text.size() + 1),
                      const_cast<char*>(text.c_str())};
  UniqueKernelHandle started;
  DWORD_PTR result = 0;
  for (const DWORD begun = GetTickCount();; Sleep(kLookAgainMs)) {
    const DWORD waited = GetTickCount() - begun;
    if (waited >= kCommandWaitMs) break;
    if (HWND copy = FindCopy()) {
      result = 0;
      if (!SendMessageTimeoutA(copy, WM_COPYDATA, reinterpret_cast<WPARAM>(answers.Get()),
                               reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                               kCommandWaitMs - waited, &result) ||
          result != static_cast<DWORD_PTR>(kCommandBusy)) {
        break;
      }
    } else if (!CopyHoldsMutex()) {
      if (asks) {
        if (command.kind == CommandKind::Exit) return kExitDone;
        Tell("not running", false);
        return kExitNoCopy;
      }
      // Started, and gone without a window: it will not answer.
      if (started && WaitForSingleObject(started.Get(), 0) == WAIT_OBJECT_0) break;
      if (!started) started = StartCopy();
      if (!started) break;
    }
  }
  if (result < static_cast<DWORD_PTR>(kCommandTaken)) {
    Tell(started && !FindCopy() ? BLINKWARD_NAME " could not be started"
                                : BLINKWARD_NAME " did not answer",
         true);
    return kExitNoCopy;
  }
  const int code = static_cast<int>(result - kCommandTaken);
  if (answerSize != 0) {
    Tell({answerLine, answerSize}, code != kExitDone && code != kExitDisabled);
  }
  return code;
}

}  // namespace bw::win32
