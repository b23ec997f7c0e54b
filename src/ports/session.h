// The logon the program runs in, and the program's own file (advapi32,
// kernel32).
#pragma once

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

class SessionPort {
 public:
  virtual ~SessionPort() = default;
  virtual LogonNames Logon() = 0;
  // The full path of the running executable.
  virtual std::string ExecutablePath() = 0;
};

}  // namespace bw
