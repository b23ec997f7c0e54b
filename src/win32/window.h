// The base of the program's windows: one window procedure that finds the C++
// object behind a window and hands it the message.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <span>
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

// An icon resource of this module at the given size in pixels.
UniqueIcon LoadIconResource(int id, int pixels);

// The text of a window or control, whatever its length.
std::string WindowText(HWND window);

// Kernel objects the message loop waits on beside the thread's messages.
class Waits {
 public:
  // The handles to wait on now, at most MAXIMUM_WAIT_OBJECTS - 1.
  virtual std::span<const HANDLE> Handles() const = 0;
  // The handle at that index of Handles() was signalled.
  virtual void OnSignalled(std::size_t index) = 0;

 protected:
  ~Waits() = default;
};

// Runs the thread's messages until WM_QUIT, whose exit code it returns, or,
// for a modal window, until that window is gone (then nothing). Keyboard
// navigation (Tab, arrows, Enter, Esc) works inside dialogWindow. While waits
// has handles, it waits on them too.
std::optional<int> RunMessageLoop(HWND dialogWindow, HWND modal, Waits* waits = nullptr);

}  // namespace bw::win32
