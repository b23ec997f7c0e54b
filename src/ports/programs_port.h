// The programs running in the user's session (ntdll, kernel32, user32), as far
// as the program steps in for them: which run, when one ends, the windows that
// appear, and what the foreground window says of full screen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bw {

// A process of this session, and its executable's file name as the user sees
// it ("obs64.exe").
struct RunningProcess {
  std::uint32_t id;
  std::string file;
};

// A window the user sees on the desktop, and the file name of its program.
struct ProgramWindow {
  std::string title;
  std::string file;
};

// What the foreground window says of full screen.
enum class Foreground {
  // An ordinary window (a maximized one with a caption or a sizing frame
  // included), a running screen saver, or none.
  Windowed,
  // A window that covers its monitor without a caption or sizing frame.
  FullScreen,
  // The shell's surfaces (desktop, taskbar, notification area, Alt-Tab and
  // Task View), a cloaked window, or the program's own windows and menus:
  // the user passing through, which changes nothing.
  Passing,
};

// What the session reports of its programs, implemented by the program.
class ProgramEvents {
 public:
  virtual ~ProgramEvents() = default;
  // A top-level window appeared, while windows are reported
  // (ProgramsPort::ReportWindows): the ids of its process and its thread,
  // which together tell a new process from an ended one whose id it reuses.
  virtual void OnWindowShown(std::uint32_t processId, std::uint32_t threadId) = 0;
  // The foreground window changed, or moved, or changed size, while windows
  // are reported.
  virtual void OnForegroundChanged() = 0;
  // A watched process ended (ProgramsPort::WatchForEnd).
  virtual void OnProcessEnded(std::uint32_t processId) = 0;
};

class ProgramsPort {
 public:
  virtual ~ProgramsPort() = default;
  // Every process of this session with its file name, from the system's own
  // list: nothing is opened for it. A look costs a millisecond or more, never
  // taken at every poll. When the system cannot be asked, the last answer.
  virtual std::vector<RunningProcess> Processes() = 0;
  // The file name of one process, from the system's entry for it, without
  // opening it; empty for one that is gone.
  virtual std::string ProcessFile(std::uint32_t processId) = 0;
  // Opens a process of this session, whoever runs it, to be told of its end:
  // ProgramEvents::OnProcessEnded once, from whichever message loop runs then.
  // False when it has ended already, or is another session's.
  virtual bool WatchForEnd(std::uint32_t processId) = 0;
  // Stops watching a process, which is then never reported.
  virtual void StopWatching(std::uint32_t processId) = 0;
  // While on, each top-level window that appears is reported with
  // ProgramEvents::OnWindowShown, and each change of the foreground window,
  // or of its place and size, with ProgramEvents::OnForegroundChanged. Off costs
  // nothing.
  virtual void ReportWindows(bool on) = 0;
  virtual Foreground JudgeForeground() = 0;
  // The system's own word that a game in Direct3D's full screen or a
  // presentation holds the screen; one call, cheap enough for a poll.
  virtual bool SystemSaysFullScreen() = 0;
  // The windows on the desktop now, with their programs, for the user to
  // choose from; the program's own left out.
  virtual std::vector<ProgramWindow> Windows() = 0;
};

}  // namespace bw
