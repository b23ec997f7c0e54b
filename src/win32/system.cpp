#include "win32/system.h"

#include <windows.h>

#include "win32/diagnostics.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace bw::win32 {
namespace {

// The system keeps the flag as a Boolean; "on" crosses as all bits set.
constexpr UINT kOn = 0xFFFFFFFF;

// True in a 32-bit process on 64-bit Windows. Looked up at run time: Windows
// XP before its second service pack has no IsWow64Process.
bool IsWow64() {
  using IsWow64Function = BOOL(WINAPI*)(HANDLE, PBOOL);
  const auto isWow64 = reinterpret_cast<IsWow64Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
  BOOL wow64 = FALSE;
  return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace

bool System::ScreenSaverActive() {
  BOOL active = FALSE;
  SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  return active != FALSE;
}

// Neither stored in the profile nor announced: the user's own choice comes
// back at the next logon.
bool System::SetScreenSaverActive(bool active) {
  return switchRefusal_.Note(
      "SystemParametersInfo(SPI_SETSCREENSAVEACTIVE)",
      SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active ? kOn : 0, nullptr, 0) != 0);
}

void System::StartScreenSaver() {
  SendMessageA(GetDesktopWindow(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

bool System::Launch(const std::string& commandLine, const std::string& folder) {
  // CreateProcessW may write into the command line, so it gets a copy.
  std::wstring line = Widen(commandLine);
  const std::wstring directory = Widen(folder);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION process{};
  if (!Reported(
          "CreateProcess",
          CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         directory.empty() ? nullptr : directory.c_str(), &startup, &process))) {
    return false;
  }
  // Nothing waits for the process; its handles are not needed.
  UniqueKernelHandle thread(process.hThread);
  UniqueKernelHandle child(process.hProcess);
  return true;
}

std::string System::SystemDirectory() {
  std::wstring path(GetSystemDirectoryW(nullptr, 0), L'\0');
  path.resize(GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size())));
  // Only a system folder at the root of a drive ends with a separator.
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return Narrow(path);
}

// The system's own Windows folder: GetWindowsDirectory names a per-user one
// on a terminal server.
std::string System::NativeSystemDirectory() {
  if (!IsWow64()) return {};
  std::wstring path(GetSystemWindowsDirectoryW(nullptr, 0), L'\0');
  path.resize(GetSystemWindowsDirectoryW(path.data(), static_cast<UINT>(path.size())));
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return Narrow(path) + "\\Sysnative";
}

bool System::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string System::ExpandVariables(const std::string& text) {
  const std::wstring wide = Widen(text);
  std::wstring expanded(ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0), L'\0');
  const DWORD length =
      ExpandEnvironmentStringsW(wide.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
  // The length counts the NUL; none means the text could not be expanded.
  if (length == 0 || length > expanded.size()) return text;
  expanded.resize(length - 1);
  return Narrow(expanded);
}

std::string System::ExecutablePath() {
  // The path has no length limit that the call would tell in advance: grow the
  // buffer until the result no longer fills it.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

std::uint32_t System::TickCount() { return GetTickCount(); }

namespace {

// The logon session's LUID in a token: unique among the logons of one boot
// (Wine answers 0 for every one). Empty if the token cannot be read.
std::string LogonOf(HANDLE token) {
  TOKEN_STATISTICS statistics{};
  DWORD size = 0;
  if (!GetTokenInformation(token, TokenStatistics, &statistics, sizeof statistics, &size)) {
    return {};
  }
  const LUID id = statistics.AuthenticationId;
  char text[24];
  wsprintfA(text, "%08lX%08lX", static_cast<unsigned long>(id.HighPart), id.LowPart);
  return text;
}

}  // namespace

// The linked token comes with Vista: on XP the call fails.
LogonNames System::Logon() {
  HANDLE opened = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &opened)) return {};
  const UniqueKernelHandle token(opened);
  LogonNames names{LogonOf(token.Get()), {}};
  TOKEN_LINKED_TOKEN linked{};
  DWORD size = 0;
  if (GetTokenInformation(token.Get(), TokenLinkedToken, &linked, sizeof linked, &size)) {
    const UniqueKernelHandle other(linked.LinkedToken);
    names.linked = LogonOf(other.Get());
  }
  return names;
}

}  // namespace bw::win32
