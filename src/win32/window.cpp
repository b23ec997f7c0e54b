#include "win32/window.h"

#include "win32/diagnostics.h"
#include "win32/text.h"

namespace bw::win32 {

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // The object arrives with WM_NCCREATE, the first message that carries the
  // creation parameter; a few messages (WM_GETMINMAXINFO) come even before it.
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  const LRESULT result = self->OnMessage(message, wParam, lParam);
  // After its last message the window no longer reaches the object, which may
  // outlive it or be destroyed first.
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

void RegisterClassOnce(const char* name, WNDPROC procedure, int extraBytes) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const std::wstring wideName = Widen(name);
  WNDCLASSW existing;
  if (GetClassInfoW(instance, wideName.c_str(), &existing)) return;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.cbWndExtra = extraBytes;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = wideName.c_str();
  RegisterClassW(&windowClass);
}

bool CreateMessageWindow(const char* className, Window& object) {
  RegisterClassOnce(className, Window::Procedure);
  return Reported("CreateWindowEx", CreateWindowExA(0, className, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                                    nullptr, GetModuleHandleA(nullptr), &object)) !=
         nullptr;
}

UniqueIcon LoadIconResource(int id, int pixels) {
  return UniqueIcon(static_cast<HICON>(Reported(
      "LoadImage",
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, pixels, pixels, 0))));
}

std::string WindowText(HWND window) {
  std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  return Narrow(text);
}

std::optional<int> RunMessageLoop(HWND dialogWindow, HWND modal) {
  MSG msg;
  while (!modal || IsWindow(modal)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    // -1 means an invalid argument, which this loop never passes; keep running.
    if (got == -1) continue;
    // Only keys go to the dialog manager: the timers' ticks skip it.
    const bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
    if (key && dialogWindow && IsDialogMessageW(dialogWindow, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return std::nullopt;
}

}  // namespace bw::win32
