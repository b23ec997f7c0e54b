// ProgramsPort on ntdll, kernel32, advapi32 and user32: the system's list of
// processes, process handles the message loop waits on for their end, a
// WinEvent hook for windows that appear, and the foreground window's place.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>

#include "ports/programs.h"
#include "ports/ui.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace bw::win32 {

class Programs final : public ProgramsPort, public Waits {
 public:
  Programs();
  Programs(const Programs&) = delete;
  Programs& operator=(const Programs&) = delete;
  ~Programs();

  // Where ends and windows are reported; set before either is asked for.
  void SetEvents(AppEvents& events) { events_ = &events; }

  std::vector<RunningProcess> Processes() override;
  std::string ProcessFile(std::uint32_t processId) override;
  bool WatchForEnd(std::uint32_t processId) override;
  void StopWatching(std::uint32_t processId) override;
  void ReportWindows(bool on) override;
  Foreground JudgeForeground() override;
  bool ForegroundFillsMonitor();
  std::vector<ProgramWindow> Windows() override;

  std::span<const HANDLE> Handles() const override { return {watched_, count_}; }
  void OnSignalled(std::size_t index) override;

 private:
  // The message loop's wait takes one slot for the thread's messages.
  static constexpr std::size_t kMaxWatched = MAXIMUM_WAIT_OBJECTS - 1;

  // The process opened with the query right and more, if it is this user's
  // in this session; else nothing.
  UniqueKernelHandle OpenOurs(std::uint32_t processId, DWORD rights) const;
  bool InOurSession(std::uint32_t processId) const;
  std::string ImageFile(HANDLE process) const;
  void Forget(std::size_t index);

  AppEvents* events_ = nullptr;
  DWORD session_ = 0;
  // Our user: a TOKEN_USER and the SID it points into.
  static constexpr std::size_t kUserSize = sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE;
  alignas(TOKEN_USER) BYTE user_[kUserSize] = {};
  // Vista's image name by the least right, or XP's device path from psapi.
  using QueryName = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);
  using DevicePath = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD);
  QueryName queryName_ = nullptr;
  DevicePath devicePath_ = nullptr;
  UniqueModule psapi_;
  // Open processes and their ids, side by side; the loop waits on the former.
  HANDLE watched_[kMaxWatched] = {};
  std::uint32_t watchedIds_[kMaxWatched] = {};
  std::size_t count_ = 0;
  // The foreground window last judged, where it was, and the answer.
  HWND lastForeground_ = nullptr;
  RECT lastRect_{};
  bool lastFills_ = false;
  // One per event that reports a window.
  UniqueWinEventHook hooks_[3];
};

}  // namespace bw::win32
