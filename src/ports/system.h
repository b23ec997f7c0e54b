// What the program needs of the system besides the registry and the shell:
// the screen-saver flag, processes, paths and time (user32, kernel32).
#pragma once

#include <cstdint>
#include <string>

namespace bw {

// How the logon is named among those of the running system (not across
// restarts). With UAC one logon has two tokens, the elevated and the
// filtered, each with a name of its own: an elevated and a normal copy of the
// program each know the other's as the linked one.
struct LogonNames {
  std::string own;     // empty where the logon cannot be named
  std::string linked;  // empty where there is no linked token
};

class SystemPort {
 public:
  virtual ~SystemPort() = default;
  virtual bool ScreenSaverActive() = 0;
  // For this logon only: the user's stored choice is left as it is. True when
  // the system accepted the change.
  virtual bool SetScreenSaverActive(bool active) = 0;
  // Starts the current screen saver now.
  virtual void StartScreenSaver() = 0;
  // Starts a command line minimised in the given folder and returns at once.
  virtual bool Launch(const std::string& commandLine, const std::string& folder) = 0;
  // The system folder, without a trailing separator.
  virtual std::string SystemDirectory() = 0;
  // The 64-bit system folder as a 32-bit program on 64-bit Windows reaches it
  // (its own system folder is redirected); empty everywhere else.
  virtual std::string NativeSystemDirectory() = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // The text with each %NAME% of the environment replaced by its value.
  virtual std::string ExpandVariables(const std::string& text) = 0;
  // The full path of the running executable.
  virtual std::string ExecutablePath() = 0;
  // Milliseconds since the system started, on a clock that also runs while
  // the machine sleeps and that no change of the date or time moves; wraps
  // after about 49.7 days, so only differences mean anything.
  virtual std::uint32_t TickCount() = 0;
  virtual LogonNames Logon() = 0;
};

}  // namespace bw
