// The system's screen saver (user32): whether it is active, and starting it.
#pragma once

namespace bw {

class ScreenSaverPort {
 public:
  virtual ~ScreenSaverPort() = default;
  virtual bool ScreenSaverActive() = 0;
  // For this logon only: the user's stored choice is left as it is. True when
  // the system accepted the change.
  virtual bool SetScreenSaverActive(bool active) = 0;
  // Starts the current screen saver now. Windows starts nothing while the
  // screen saver is switched off.
  virtual void StartScreenSaver() = 0;
};

}  // namespace bw
