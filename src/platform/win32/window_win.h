// The base of the program's windows: one window procedure that finds the C++
// object behind a window and hands it the message.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/handles_win.h"

namespace bw::win32 {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return hwnd_; }

  // The window procedure of every class whose windows are created with a
  // Window* as their creation parameter.
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  ~Window() = default;
  // Handles one message; unhandled ones go to DefWindowProcA.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

 private:
  HWND hwnd_ = nullptr;
};

// Registers a window class of this module on the dialog face colour, unless
// it exists; extraBytes for a class whose windows DefDlgProc keeps.
void RegisterClassOnce(const char* name, WNDPROC procedure, int extraBytes = 0);

// An icon resource of this module at the given size in pixels.
UniqueIcon LoadIconResource(int id, int pixels);

// The text of a window or control, whatever its length.
std::string WindowText(HWND window);

// Hands one message to the dialog manager of dialogWindow, which acts only on
// keys (Tab, arrows, Enter, Esc); true when it has dealt with the message.
// Other messages, the timers' four ticks a second among them, skip it.
bool DialogKeyboard(HWND dialogWindow, MSG& msg);

// Runs the thread's message loop until WM_QUIT; keyboard navigation (Tab,
// arrows) works inside dialogWindow. Returns the exit code that WM_QUIT carries.
int RunMessageLoop(HWND dialogWindow);

}  // namespace bw::win32
