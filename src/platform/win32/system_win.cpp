#include "platform/win32/system_win.h"

#include <windows.h>

#include <vector>

#include "platform/win32/handles_win.h"

namespace bw::win32 {

std::uint32_t SystemWin::QueryScreenSaveActive() {
  BOOL active = 0;
  SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  return static_cast<std::uint32_t>(active);
}

bool SystemWin::SetScreenSaveActive(std::uint32_t uiParam, std::uint32_t fWinIni) {
  return SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, uiParam, nullptr, fWinIni) != 0;
}

void SystemWin::SendSysCommandToDesktop(std::uint32_t wParam) {
  SendMessageA(GetDesktopWindow(), WM_SYSCOMMAND, wParam, 0);
}

void SystemWin::Launch(const std::string& commandLine, int showState) {
  // CreateProcessA may write into the command line, so it gets a copy.
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showState);
  PROCESS_INFORMATION process{};
  // No application name: the first token of the line is looked up on the search path.
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return;
  }
  // Nothing waits for the process; its handles are not needed.
  UniqueKernelHandle thread(process.hThread);
  UniqueKernelHandle child(process.hProcess);
}

std::string SystemWin::SystemDirectory() {
  const UINT needed = GetSystemDirectoryA(nullptr, 0);
  std::string path(needed, '\0');
  path.resize(GetSystemDirectoryA(path.data(), needed));
  // Only a system directory at the root of a drive ends with a separator.
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

std::string SystemWin::ExecutablePath() {
  // The path has no length limit that the call would tell in advance: grow the
  // buffer until the result no longer fills it.
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace bw::win32
