// ProgramsPort on ntdll, kernel32, user32, shell32 and dwmapi: the system's
// list of processes, a wait the system keeps for each watched process, WinEvent
// hooks for the windows that appear and for the foreground, and the
// foreground window's place.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "ports/programs_port.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace bw::win32 {

class Programs final : public ProgramsPort, public Window {
 public:
  Programs();
  Programs(const Programs&) = delete;
  Programs& operator=(const Programs&) = delete;
  ~Programs();

  // Where ends and windows are reported; set before either is asked for.
  void SetEvents(ProgramEvents& events) { events_ = &events; }

  std::vector<RunningProcess> Processes() override;
  std::string ProcessFile(std::uint32_t processId) override;
  bool WatchForEnd(std::uint32_t processId) override;
  void StopWatching(std::uint32_t processId) override;
  void ReportWindows(bool on) override;
  Foreground JudgeForeground() override;
  bool SystemSaysFullScreen() override;
  std::vector<ProgramWindow> Windows() override;

 private:
  struct Watch;
  // The foreground window as last judged, and what of it decided the answer.
  struct Placed {
    HWND window = nullptr;
    RECT rect{};
    LONG style = 0;
    RECT monitor{};
  };
  using QuerySystem = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
  using QueryNotificationState = HRESULT(WINAPI*)(int*);
  using GetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);

  // Fills list_ with the system's list of processes; false if it cannot.
  bool ReadList();
  std::string ListedFile(std::uint32_t processId) const;
  // The link that holds the watch that matches, or the empty one at the end.
  template <typename Matches>
  std::unique_ptr<Watch>* Link(Matches matches);
  bool CreateEndsWindow();
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  static void CALLBACK OnEnded(void* watch, BOOLEAN);
  static void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                                  DWORD, DWORD);
  void FollowForeground(HWND window);
  Foreground JudgePlace(const Placed& placed);
  Foreground PassingBy();
  static bool Place(HWND window, Placed& placed);
  bool IsShellOrOurs(HWND window);
  bool Cloaked(HWND window);

  ProgramEvents* events_ = nullptr;
  DWORD session_ = 0;
  QuerySystem querySystem_ = nullptr;
  // The last list the system gave, kept to be read again into, and the
  // processes of this session it named.
  std::vector<BYTE> list_;
  std::vector<RunningProcess> processes_;
  // The watched processes, each the next one's owner; a watch's address is
  // the context of the system's callback for it.
  std::unique_ptr<Watch> watches_;
  // Tells a watch from one let go before its end's message came.
  std::uint32_t lastSerial_ = 0;
  // CREATE, SHOW and FOREGROUND of every process; LOCATIONCHANGE only of the
  // foreground's process, whose id it keeps.
  UniqueWinEventHook hooks_[3];
  UniqueWinEventHook placeHook_;
  DWORD placeProcess_ = 0;
  Placed judged_;
  Foreground verdict_ = Foreground::Windowed;
  // The last foreground window that was not the shell's or ours.
  HWND behind_ = nullptr;
  QueryNotificationState notificationState_ = nullptr;
  bool dwmLooked_ = false;
  UniqueModule dwm_;
  GetWindowAttribute windowAttribute_ = nullptr;
};

}  // namespace bw::win32
