// The sound that other programs play through the system's audio sessions, on
// every output device, as far as the program steps in for it: which sessions
// there are, whether each plays, how loud it is now, and word of a change.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bw {

// An audio session of another program of this logon: its process, the file
// name of its program ("vlc.exe"), whether a stream of it runs, and, where the
// system meters the session, its peak now, from 0 (silence) to 1.
struct SoundSession {
  std::uint32_t processId;
  std::string file;
  bool active;
  bool metered;
  float peak;
};

// What the system reports of its sessions, implemented by the program.
class SoundEvents {
 public:
  virtual ~SoundEvents() = default;
  // While listening: a session appeared, went active or inactive or ended,
  // or an output device came or went. Its sessions are then looked at anew.
  virtual void OnSoundChanged() = 0;
};

class SoundPort {
 public:
  virtual ~SoundPort() = default;
  // Whether this system keeps audio sessions that a program can list
  // (Windows 7 and later). Asks nothing of the audio system itself.
  virtual bool HasSessions() = 0;
  // On: the sessions are followed, and each change is reported with
  // SoundEvents::OnSoundChanged, from whichever message loop runs then. Off:
  // everything of it is let go, and nothing is reported.
  virtual void Listen(bool on) = 0;
  // The sessions of other programs now, the program's own and the system's
  // sounds left out; none while not listening. The peak of each active
  // metered session is read now.
  virtual std::vector<SoundSession> Sessions() = 0;
};

}  // namespace bw
