#include "tray.h"

#include <commctrl.h>
#include <shellapi.h>

#include "pump.h"

namespace e2e {
namespace {

constexpr SIZE_T kRemoteBytes = 4096;       // TTTOOLINFOW, then the text
constexpr SIZE_T kRemoteTextOffset = 1024;  // where the text goes
constexpr int kMaxTipChars = (kRemoteBytes - kRemoteTextOffset) / sizeof(WCHAR);

// Memory in another process, freed with the object.
class RemoteBuffer {
 public:
  explicit RemoteBuffer(DWORD pid)
      : process_(
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid)) {
    if (process_) {
      base_ = static_cast<char*>(
          VirtualAllocEx(process_, nullptr, kRemoteBytes, MEM_COMMIT, PAGE_READWRITE));
    }
  }
  ~RemoteBuffer() {
    if (base_) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool ok() const { return base_ != nullptr; }
  char* at(SIZE_T offset) const { return base_ + offset; }
  bool Write(SIZE_T offset, const void* data, SIZE_T size) const {
    return WriteProcessMemory(process_, base_ + offset, data, size, nullptr);
  }
  bool Read(SIZE_T offset, void* data, SIZE_T size) const {
    return ReadProcessMemory(process_, base_ + offset, data, size, nullptr);
  }

 private:
  HANDLE process_;
  char* base_ = nullptr;
};

// Reads tool 0 of a tooltip window that lives in another process.
bool ReadTool(HWND tooltip, TTTOOLINFOW* tool, std::wstring* text) {
  DWORD pid = 0;
  GetWindowThreadProcessId(tooltip, &pid);
  RemoteBuffer remote(pid);
  if (!remote.ok()) return false;

  TTTOOLINFOW request{};
  request.cbSize = sizeof request;
  request.lpszText = reinterpret_cast<LPWSTR>(remote.at(kRemoteTextOffset));
  const WCHAR empty[1] = {0};
  if (!remote.Write(0, &request, sizeof request) ||
      !remote.Write(kRemoteTextOffset, empty, sizeof empty)) {
    return false;
  }
  DWORD_PTR found = 0;
  if (!SendMessageTimeoutW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(remote.at(0)),
                           SMTO_ABORTIFHUNG, 2000, &found) ||
      !found) {
    return false;
  }
  WCHAR buffer[kMaxTipChars];
  if (!remote.Read(0, tool, sizeof *tool) ||
      !remote.Read(kRemoteTextOffset, buffer, sizeof buffer)) {
    return false;
  }
  buffer[kMaxTipChars - 1] = 0;
  *text = buffer;
  return true;
}

struct Search {
  HWND taskbar;
  std::vector<TrayIcon>* icons;
};

BOOL CALLBACK CollectIcon(HWND window, LPARAM param) {
  const Search& search = *reinterpret_cast<Search*>(param);
  WCHAR cls[64];
  if (!GetClassNameW(window, cls, 64) || lstrcmpiW(cls, TOOLTIPS_CLASSW) != 0) return TRUE;
  if (GetWindow(window, GW_OWNER) != search.taskbar) return TRUE;

  TTTOOLINFOW tool{};
  TrayIcon icon;
  icon.tooltip = window;
  if (!ReadTool(window, &tool, &icon.tip) || IsRectEmpty(&tool.rect)) return TRUE;
  icon.screenRect = tool.rect;
  MapWindowPoints(tool.hwnd, nullptr, reinterpret_cast<POINT*>(&icon.screenRect), 2);
  search.icons->push_back(icon);
  return TRUE;
}

bool IsBlinkwardTip(const std::wstring& tip) {
  return tip == L"Blinkward" || tip.rfind(L"Screen Saver is", 0) == 0;
}

}  // namespace

HWND FindTaskbar() { return FindWindowW(L"Shell_TrayWnd", nullptr); }

std::vector<TrayIcon> VisibleTrayIcons() {
  std::vector<TrayIcon> icons;
  Search search{FindTaskbar(), &icons};
  if (search.taskbar) EnumWindows(CollectIcon, reinterpret_cast<LPARAM>(&search));
  return icons;
}

std::vector<TrayIcon> BlinkwardTrayIcons() {
  std::vector<TrayIcon> mine;
  for (const TrayIcon& icon : VisibleTrayIcons()) {
    if (IsBlinkwardTip(icon.tip)) mine.push_back(icon);
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
  std::wstring text;
  PumpUntil(
      [&] {
        if (!IsWindowVisible(icon.tooltip)) return false;
        WCHAR buffer[256] = {0};
        SendMessageTimeoutW(icon.tooltip, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer),
                            SMTO_ABORTIFHUNG, 2000, nullptr);
        text = buffer;
        return !text.empty();
      },
      timeoutMs);
  SetCursorPos(0, 0);
  return text;
}

bool DeleteTrayIcon(HWND owner, UINT id) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = owner;
  data.uID = id;
  return Shell_NotifyIconW(NIM_DELETE, &data);
}

}  // namespace e2e
