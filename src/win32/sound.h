// SoundPort on Windows 7's audio session manager (mmdevapi, reached through
// ole32, which is loaded only once the sound is first listened to): the
// sessions of every active output device, each with its state and, where it
// has one, its peak meter. The system reports new sessions, a session's
// change of state and the devices that come and go on its own threads; they
// are posted to a message-only window and handed on from its message loop.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ports/programs_port.h"
#include "ports/sound_port.h"
#include "win32/handles.h"
#include "win32/window.h"

struct IAudioSessionControl;

namespace bw::win32 {

class Sound final : public SoundPort, public Window {
 public:
  // Names a session's process as the programs' list does, and leaves out
  // those it cannot name: gone, or of another logon.
  explicit Sound(ProgramsPort& programs);
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;
  ~Sound();

  // Where changes are reported; set before the first Listen.
  void SetEvents(SoundEvents& events) { events_ = &events; }

  bool HasSessions() override { return hasSessions_; }
  void Listen(bool on) override;
  std::vector<SoundSession> Sessions() override;

 private:
  class Listener;
  struct Session;
  // What is held while listening, let go whole when the listening ends.
  struct Audio;

  bool StartCom();
  bool OpenDevices();
  // The sessions of every manager, listed anew.
  void ListSessions();
  // Follows a session of another program of this logon; takes the reference.
  void Track(IAudioSessionControl* control);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The first refusal of the audio system is written, and no later one.
  bool Succeeded(const char* call, long result);

  ProgramsPort& programs_;
  SoundEvents* events_ = nullptr;
  bool hasSessions_ = false;
  UniqueModule ole_;
  bool comStarted_ = false;  // this thread's apartment, ended with the port
  std::unique_ptr<Audio> audio_;
  bool refusalWritten_ = false;
};

}  // namespace bw::win32
