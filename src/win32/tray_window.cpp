#include "win32/tray_window.h"

#include "win32/diagnostics.h"
#include "win32/menus.h"
#include "win32/shell.h"

namespace bw::win32 {
namespace {

// At the pointer, which the newer callbacks do not report: for the mouse it is
// on the icon; asked for from the keyboard, the menu opens at the icon
// instead, where the system tells where that is (Windows 7 on).
POINT MenuPoint(HWND callbackWindow) {
  POINT cursor{};
  GetCursorPos(&cursor);
  // NOTIFYICONIDENTIFIER, which MinGW declares for Windows 7 targets only.
  struct IconIdentifier {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    GUID guidItem;
  } icon{sizeof icon, callbackWindow, kTrayIconId, {}};
  using GetRect = HRESULT(WINAPI*)(const IconIdentifier*, RECT*);
  const auto getRect = reinterpret_cast<GetRect>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("shell32.dll"), "Shell_NotifyIconGetRect")));
  RECT rect{};
  if (!getRect || getRect(&icon, &rect) != S_OK || PtInRect(&rect, cursor)) return cursor;
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Windows 7 on sends no repeats of a shortcut held down; older ones ignore
// it. MinGW declares it for Windows 7 targets only.
constexpr UINT kNoRepeat = 0x4000;
// While the shortcut's key is down, it is looked at this often for its
// release, a timer apart from the program's own.
constexpr UINT_PTR kKeyWatchTimer = 100;
constexpr UINT kKeyWatchMs = 30;

static_assert(kModCtrl == MOD_CONTROL && kModWin == MOD_WIN && kModShift == MOD_ALT &&
              kModAlt == MOD_SHIFT);

}  // namespace

// The program is destroyed before its windows: their last messages must not
// reach it.
TrayWindow::~TrayWindow() {
  tray_ = nullptr;
  timers_ = nullptr;
  if (hwnd()) DestroyWindow(hwnd());
}

bool TrayWindow::Create(HWND parent, TrayEvents& tray, TimerEvents& timers) {
  tray_ = &tray;
  timers_ = &timers;
  RegisterClassOnce(kTrayCallbackClass, Window::Procedure);
  return Reported("CreateWindowEx", CreateWindowExA(0, kTrayCallbackClass, "", WS_CHILD, 0, 0, 0, 0,
                                                    parent, nullptr, GetModuleHandleA(nullptr),
                                                    static_cast<Window*>(this))) != nullptr;
}

LRESULT TrayWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kTrayCallbackMessage && tray_) {
    // The shell reports the icon's mouse and keyboard events as mouse moves
    // (the callback message the program has always asked for), with the
    // event's message in the low word of lParam, where a real mouse move keeps
    // its X coordinate. The time is when the shell sent it.
    tray_->OnTrayMessage(LOWORD(lParam), static_cast<std::uint32_t>(GetMessageTime()));
    return 0;
  }
  if (message == WM_HOTKEY && tray_) {
    // Its key is watched until it is let go: the system reports only presses.
    const bool repeat = heldKey_ != 0;
    heldKey_ = HIWORD(lParam);
    SetTimer(hwnd(), kKeyWatchTimer, kKeyWatchMs, nullptr);
    tray_->OnHotkey(repeat);
    return 0;
  }
  if (message == WM_TIMER && wParam == kKeyWatchTimer) {
    if (!(GetAsyncKeyState(static_cast<int>(heldKey_)) & 0x8000)) {
      heldKey_ = 0;
      KillTimer(hwnd(), kKeyWatchTimer);
    }
    return 0;
  }
  if (message == WM_TIMER && timers_) {
    timers_->OnTimer(static_cast<TimerId>(wParam));
    return 0;
  }
  return DefWindowProcA(hwnd(), message, wParam, lParam);
}

void TrayWindow::StartTimer(TimerId id, int intervalMs) {
  Reported("SetTimer", SetTimer(hwnd(), static_cast<UINT_PTR>(id), intervalMs, nullptr));
}

void TrayWindow::StopTimer(TimerId id) { KillTimer(hwnd(), static_cast<UINT_PTR>(id)); }

// The new shortcut is taken before the old one goes, so that a refusal keeps
// the old: Windows keeps both when one id is registered twice.
bool TrayWindow::RegisterHotkey(Hotkey hotkey) {
  // Shift and Alt trade places.
  const UINT modifiers = (hotkey.modifiers & (kModCtrl | kModWin)) |
                         (hotkey.modifiers & kModShift) << 2 | (hotkey.modifiers & kModAlt) >> 2;
  if (!Reported("RegisterHotKey",
                RegisterHotKey(hwnd(), !hotkeyId_, modifiers | kNoRepeat, hotkey.key))) {
    return false;
  }
  UnregisterHotkey();
  hotkeyId_ = !hotkeyId_;
  return true;
}

int TrayWindow::TrackPopupMenu(std::span<const MenuItem> items) {
  const UniqueMenu menu = CreatePopup(items);
  const HWND owner = GetParent(hwnd());
  if (!menu) return 0;
  // The window must be in the foreground, or the menu stays open when the user
  // clicks elsewhere.
  SetForegroundWindow(owner);
  const POINT cursor = MenuPoint(hwnd());
  // TPM_RETURNCMD: the choice comes back here instead of as WM_COMMAND, so the
  // caller runs its command before it returns.
  const BOOL command = ::TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON | TPM_RETURNCMD, cursor.x,
                                        cursor.y, 0, owner, nullptr);
  // A harmless message forces the task switch back; without it the next popup
  // opened from the tray appears and vanishes at once.
  PostMessageA(owner, WM_NULL, 0, 0);
  return command;
}

// The top-level window takes this one with it.
void TrayWindow::Quit() {
  DestroyWindow(GetParent(hwnd()));
  PostQuitMessage(0);
}

}  // namespace bw::win32
