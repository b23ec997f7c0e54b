// Four times a second the poller compares the system's screen-saver state with
// the one the icon shows, and redraws the icon only on a change.
#pragma once

#include "screensaver/screen_saver.h"
#include "tray/tray_icon.h"

namespace bw {

// How often the poller ticks.
inline constexpr int kPollIntervalMs = 250;

class StatusPoller {
 public:
  StatusPoller(ScreenSaver& screenSaver, TrayIcon& trayIcon)
      : screenSaver_(screenSaver), trayIcon_(trayIcon) {}

  // One state query (none while a policy sets the state); the shell only
  // when the icon must change (or the icon is still missing from the
  // notification area).
  void Tick() {
    const std::optional<bool> policy = screenSaver_.Policy();
    Show(policy ? *policy : screenSaver_.GetScreenSaverState());
  }
  // Draws a state the caller already knows, as a tick that read it would.
  void Show(bool enabled);
  // The icon no longer shows the state it last drew (or the policy changed):
  // the next tick redraws.
  void Invalidate() { stale_ = true; }
  // The tip shown while the screen saver is off (and no policy sets it): the
  // reason the program holds it off, or null for the plain one. The text must
  // outlive its use; a new one redraws at the next tick.
  void SetDisabledTip(const char* tip) {
    if (tip == disabledTip_) return;
    disabledTip_ = tip;
    stale_ = true;
  }

 private:
  ScreenSaver& screenSaver_;
  TrayIcon& trayIcon_;
  bool shown_ = false;  // the state the icon shows, unless stale_
  bool stale_ = true;
  const char* disabledTip_ = nullptr;
};

}  // namespace bw
