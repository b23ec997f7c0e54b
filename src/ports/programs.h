// The programs running in the user's session (kernel32, user32), as far as
// the program steps in for them: which run, when one ends, the windows that
// appear, and whether the foreground window fills its monitor.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bw {

// A process of this user in this session, and its executable's file name as
// the user sees it ("obs64.exe").
struct RunningProcess {
  std::uint32_t id;
  std::string file;
};

// A window the user sees on the desktop, and the file name of its program.
struct ProgramWindow {
  std::string title;
  std::string file;
};

class ProgramsPort {
 public:
  virtual ~ProgramsPort() = default;
  // Every process of this session, with its file name: a look at the whole
  // system, which costs a millisecond or more, never at every poll. Nothing is
  // opened for it; whose a process is, is known only when it is watched.
  virtual std::vector<RunningProcess> Processes() = 0;
  // The file name of one process of this user in this session; empty for one
  // that is gone, another user's or session's, or one that cannot be looked at.
  virtual std::string ProcessFile(std::uint32_t processId) = 0;
  // Reports the process's end once, with AppEvents::OnProcessEnded, from the
  // message loop. False when it cannot be watched: it has ended already, or
  // too many are watched.
  virtual bool WatchForEnd(std::uint32_t processId) = 0;
  // Stops watching a process, which is then never reported.
  virtual void StopWatching(std::uint32_t processId) = 0;
  // While on, each top-level window that appears or comes to the foreground
  // is reported with AppEvents::OnWindowShown. Off costs nothing.
  virtual void ReportWindows(bool on) = 0;
  // Whether the foreground window covers the whole of its monitor. The
  // desktop, the taskbar and the program's own windows never count.
  virtual bool ForegroundFillsMonitor() = 0;
  // The windows on the desktop now, with their programs, for the user to
  // choose from; the program's own left out.
  virtual std::vector<ProgramWindow> Windows() = 0;
};

}  // namespace bw
