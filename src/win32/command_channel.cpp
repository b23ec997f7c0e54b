#include "win32/command_channel.h"

#include "win32/diagnostics.h"
#include "win32/handles.h"

namespace bw::win32 {

std::uint32_t IntegrityLevel(HANDLE process) {
  HANDLE opened = nullptr;
  if (!process || !OpenProcessToken(process, TOKEN_QUERY, &opened)) return 0;
  const UniqueKernelHandle token(opened);
  // The label, and the SID it points to, which the call writes after it.
  union {
    TOKEN_MANDATORY_LABEL label;
    BYTE room[64];
  } mandatory;
  DWORD size = 0;
  if (!GetTokenInformation(token.Get(), TokenIntegrityLevel, &mandatory, sizeof mandatory, &size)) {
    return 0;
  }
  const PSID sid = mandatory.label.Label.Sid;
  return *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1);
}

std::uint32_t IntegrityLevelOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  const UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
  return IntegrityLevel(process.Get());
}

void AllowFromLowerLevels(HWND window, UINT message) {
  const HMODULE user32 = GetModuleHandleA("user32.dll");
  using WindowFilter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  using ProcessFilter = BOOL(WINAPI*)(UINT, DWORD);
  const auto forWindow = reinterpret_cast<WindowFilter>(
      reinterpret_cast<void*>(GetProcAddress(user32, "ChangeWindowMessageFilterEx")));
  const auto forProcess = reinterpret_cast<ProcessFilter>(
      reinterpret_cast<void*>(GetProcAddress(user32, "ChangeWindowMessageFilter")));
  constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW, and MSGFLT_ADD for the process
  if (forWindow) {
    Reported("ChangeWindowMessageFilterEx", forWindow(window, message, kAllow, nullptr));
  } else if (forProcess) {
    Reported("ChangeWindowMessageFilter", forProcess(message, kAllow));
  }
}

bool IsAnswerWindow(HWND window) {
  for (HWND found = nullptr;
       (found = FindWindowExA(HWND_MESSAGE, found, kAnswerWindowClass, nullptr));) {
    if (found == window) return true;
  }
  return false;
}

}  // namespace bw::win32
