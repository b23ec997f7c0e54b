#include "tray.h"

#include <commctrl.h>

namespace e2e {
namespace {

constexpr SIZE_T kRemoteBytes = 4096;  // TTTOOLINFOW, then the text from kTextAt
constexpr SIZE_T kTextAt = 1024;
constexpr int kMaxTipChars = (kRemoteBytes - kTextAt) / sizeof(WCHAR);

void PumpPending(DWORD waitMs) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, waitMs, QS_ALLINPUT);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Tool 0 of a tooltip window of another process, through a buffer in that
// process's memory (TTM_ENUMTOOLSW writes where its pointers point).
bool ReadTool(HWND tooltip, TTTOOLINFOW* tool, std::wstring* text) {
  DWORD pid = 0;
  GetWindowThreadProcessId(tooltip, &pid);
  const HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return false;
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, kRemoteBytes, MEM_COMMIT, PAGE_READWRITE));
  bool ok = remote != nullptr;
  TTTOOLINFOW request{};
  request.cbSize = sizeof request;
  request.lpszText = reinterpret_cast<LPWSTR>(remote + kTextAt);
  const WCHAR empty[1] = {0};
  DWORD_PTR found = 0;
  WCHAR buffer[kMaxTipChars];
  ok = ok && WriteProcessMemory(process, remote, &request, sizeof request, nullptr) &&
       WriteProcessMemory(process, remote + kTextAt, empty, sizeof empty, nullptr) &&
       SendMessageTimeoutW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(remote),
                           SMTO_ABORTIFHUNG, 2000, &found) &&
       found && ReadProcessMemory(process, remote, tool, sizeof *tool, nullptr) &&
       ReadProcessMemory(process, remote + kTextAt, buffer, sizeof buffer, nullptr);
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  if (!ok) return false;
  buffer[kMaxTipChars - 1] = 0;
  *text = buffer;
  return true;
}

BOOL CALLBACK CollectIcon(HWND window, LPARAM param) {
  auto& icons = *reinterpret_cast<std::vector<TrayIcon>*>(param);
  WCHAR cls[64];
  if (!GetClassNameW(window, cls, 64) || lstrcmpiW(cls, TOOLTIPS_CLASSW) != 0) return TRUE;
  if (GetWindow(window, GW_OWNER) != FindTaskbar()) return TRUE;
  TTTOOLINFOW tool{};
  TrayIcon icon;
  icon.tooltip = window;
  if (!ReadTool(window, &tool, &icon.tip) || IsRectEmpty(&tool.rect)) return TRUE;
  icon.screenRect = tool.rect;
  MapWindowPoints(tool.hwnd, nullptr, reinterpret_cast<POINT*>(&icon.screenRect), 2);
  icons.push_back(icon);
  return TRUE;
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (PumpPending(0); !done(); PumpPending(10)) {
    if (GetTickCount64() >= end) return false;
  }
  return true;
}

void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

HWND FindTaskbar() { return FindWindowW(L"Shell_TrayWnd", nullptr); }

std::vector<TrayIcon> VisibleTrayIcons() {
  std::vector<TrayIcon> icons;
  if (FindTaskbar()) EnumWindows(CollectIcon, reinterpret_cast<LPARAM>(&icons));
  return icons;
}

std::vector<TrayIcon> BlinkwardTrayIcons() {
  std::vector<TrayIcon> mine;
  for (const TrayIcon& icon : VisibleTrayIcons()) {
    if (icon.tip == L"Blinkward" || icon.tip.rfind(L"Screen Saver ", 0) == 0) mine.push_back(icon);
  }
  return mine;
}

std::wstring HoverTip(const TrayIcon& icon, DWORD timeoutMs) {
  const int x = (icon.screenRect.left + icon.screenRect.right) / 2;
  const int y = (icon.screenRect.top + icon.screenRect.bottom) / 2;
  // The tooltip starts its delay on a move inside the tool: arrive, then move.
  SetCursorPos(x, y);
  PumpFor(50);
  SetCursorPos(x + 1, y);
  WCHAR text[256] = {0};
  PumpUntil(
      [&] {
        return IsWindowVisible(icon.tooltip) &&
               SendMessageTimeoutW(icon.tooltip, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text),
                                   SMTO_ABORTIFHUNG, 2000, nullptr) &&
               text[0];
      },
      timeoutMs);
  SetCursorPos(0, 0);
  return text;
}

}  // namespace e2e
