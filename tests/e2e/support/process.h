// A Windows program started by the test, and the windows it owns.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// A child process; the handles are closed with the object, the process is not
// ended by it (the test says how a program ends).
class Process {
 public:
  // CreateProcessW with the program as its own command line; check started().
  static Process Start(const std::wstring& exe);

  Process() = default;
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  bool started() const { return handle_ != nullptr; }
  DWORD id() const { return id_; }
  DWORD startError() const { return startError_; }
  bool running() const;
  // True when the process has ended within `ms`, pumping messages meanwhile.
  bool WaitForExit(DWORD ms) const;
  DWORD exitCode() const;
  void Kill() const;

 private:
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
  DWORD startError_ = 0;
};

// The visible and hidden top-level windows of a process.
std::vector<HWND> TopLevelWindowsOf(DWORD pid);

// The first top-level window of the process with that class, or null.
HWND FindTopLevelWindow(DWORD pid, const wchar_t* windowClass);

// The first descendant of `parent` with that class, or null.
HWND FindDescendant(HWND parent, const wchar_t* windowClass);

std::wstring ClassOf(HWND window);

// The window's text read the way another program must: WM_GETTEXT.
std::wstring TextOf(HWND window);

// A Unix path (as CMake knows it) as a path Wine can start: "/a/b" is
// "Z:\a\b"; anything else is returned as it is.
std::wstring WindowsPathOf(const std::string& path);

}  // namespace e2e
