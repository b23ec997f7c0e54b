// The base of the program's windows: one window procedure that finds the C++
// object behind a window and hands it the message.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "win32/handles.h"

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

// A hidden message-only window of the class, which reports to the object;
// false if it could not be made.
bool CreateMessageWindow(const char* className, Window& object);

// An icon resource of this module at the given size in pixels.
UniqueIcon LoadIconResource(int id, int pixels);

// The text of a window or control, whatever its length.
std::string WindowText(HWND window);

// Runs the thread's messages until WM_QUIT, whose exit code it returns, or,
// for a modal window, until that window is gone (then nothing). Keyboard
// navigation (Tab, arrows, Enter, Esc) works inside dialogWindow.
std::optional<int> RunMessageLoop(HWND dialogWindow, HWND modal);

}  // namespace bw::win32
