#include "tray.h"

#include <commctrl.h>

namespace e2e {
namespace {

constexpr SIZE_T kRemoteBytes = 4096;  // TTTOOLINFOW, then the text from kTextAt
constexpr SIZE_T kTextAt = 1024;
constexpr int kMaxTipChars = (kRemoteBytes - kTextAt) / sizeof(WCHAR);

// TTTOOLINFOW with pointers of `Ptr`'s size. The tooltip's process reads the
// structure in its own layout, so a 32-bit reader (the i686 tests under WoW64)
// of the 64-bit shell's tooltips must write and read ToolInfo<UINT64>.
template <class Ptr>
struct ToolInfo {
  UINT cbSize, uFlags;
  Ptr hwnd, uId;
  RECT rect;
  Ptr hinst, lpszText, lParam, lpReserved;
};
static_assert(sizeof(ToolInfo<UINT64>) == 72, "TTTOOLINFOW of x86_64");
static_assert(sizeof(ToolInfo<UINT_PTR>) == sizeof(TTTOOLINFOW), "TTTOOLINFOW of this build");

struct Tool {
  HWND hwnd = nullptr;
  RECT rect{};
};

bool IsWow64(HANDLE process) {
  BOOL wow64 = FALSE;
  return IsWow64Process(process, &wow64) && wow64;
}

// Sends TTM_ENUMTOOLSW for tool 0 with `Info` (the tooltip process's layout)
// at `remote`, and reads the answer back.
template <class Info>
bool EnumTool0(HANDLE process, HWND tooltip, char* remote, Tool* tool) {
  Info request{};
  request.cbSize = sizeof request;
  request.lpszText = reinterpret_cast<UINT_PTR>(remote + kTextAt);
  DWORD_PTR found = 0;
  if (!WriteProcessMemory(process, remote, &request, sizeof request, nullptr) ||
      !SendMessageTimeoutW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(remote),
                           SMTO_ABORTIFHUNG, 2000, &found) ||
      !found || !ReadProcessMemory(process, remote, &request, sizeof request, nullptr)) {
    return false;
  }
  tool->hwnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(request.hwnd));
  tool->rect = request.rect;
  return true;
}

// Tool 0 of a tooltip window of another process, through a buffer in that
// process's memory (TTM_ENUMTOOLSW writes where its pointers point).
bool ReadTool(HWND tooltip, Tool* tool, std::wstring* text) {
  DWORD pid = 0;
  GetWindowThreadProcessId(tooltip, &pid);
  const HANDLE process = OpenProcess(
      PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION,
      FALSE, pid);
  if (!process) return false;
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, kRemoteBytes, MEM_COMMIT, PAGE_READWRITE));
  const bool shell64 = sizeof(void*) == 8 || (IsWow64(GetCurrentProcess()) && !IsWow64(process));
  const WCHAR empty[1] = {0};
  WCHAR buffer[kMaxTipChars];
  const bool ok = remote &&
                  WriteProcessMemory(process, remote + kTextAt, empty, sizeof empty, nullptr) &&
                  (shell64 ? EnumTool0<ToolInfo<UINT64>>(process, tooltip, remote, tool)
                           : EnumTool0<ToolInfo<UINT_PTR>>(process, tooltip, remote, tool)) &&
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
  // Wine 8 owns an icon's tooltip by the taskbar; Wine 10 (the WoW64 root)
  // by the icon's own window, a child of the taskbar of class __wine_tray_icon
  // whose popup style makes GetParent answer null: ask for its ancestor.
  const HWND owner = GetWindow(window, GW_OWNER), taskbar = FindTaskbar();
  if (!owner || (owner != taskbar && GetAncestor(owner, GA_PARENT) != taskbar)) return TRUE;
  Tool tool;
  TrayIcon icon;
  icon.tooltip = window;
  if (!ReadTool(window, &tool, &icon.tip)) return TRUE;
  if (owner == taskbar) {
    if (IsRectEmpty(&tool.rect)) return TRUE;
    icon.screenRect = tool.rect;
    MapWindowPoints(tool.hwnd, nullptr, reinterpret_cast<POINT*>(&icon.screenRect), 2);
  } else if (!IsWindowVisible(owner) || !GetWindowRect(owner, &icon.screenRect)) {
    return TRUE;  // Wine 10's tool has no rectangle: the icon's window is where it is drawn
  }
  icons.push_back(icon);
  return TRUE;
}

}  // namespace

HWND FindTaskbar() { return FindWindowW(L"Shell_TrayWnd", nullptr); }

std::vector<TrayIcon> VisibleTrayIcons() {
  std::vector<TrayIcon> icons;
  if (FindTaskbar()) EnumWindows(CollectIcon, reinterpret_cast<LPARAM>(&icons));
  return icons;
}

std::vector<TrayIcon> BlinkwardTrayIcons() {
  std::vector<TrayIcon> mine;
  for (const TrayIcon& icon : VisibleTrayIcons()) {
    const bool russian =
        icon.tip.rfind(L"\u0417\u0430\u0441\u0442\u0430\u0432\u043a\u0430 ", 0) == 0;
    if (icon.tip == L"Blinkward" || icon.tip.rfind(L"Screen Saver ", 0) == 0 || russian) {
      mine.push_back(icon);
    }
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
