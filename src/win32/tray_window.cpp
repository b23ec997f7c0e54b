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

}  // namespace

// The program is destroyed before its windows: their last messages must not
// reach it.
TrayWindow::~TrayWindow() {
  tray_ = nullptr;
  if (hwnd()) DestroyWindow(hwnd());
}

bool TrayWindow::Create(HWND parent, TrayEvents& tray) {
  tray_ = &tray;
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
  return DefWindowProcW(hwnd(), message, wParam, lParam);
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

}  // namespace bw::win32
