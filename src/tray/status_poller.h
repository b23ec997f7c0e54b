// The status poller `tmrSSCheck`: four times a second it compares the system's
// screen-saver state with the one the icon shows and redraws only on a change.
#pragma once

#include "screensaver/screen_saver.h"
#include "tray/tray_icon.h"

namespace bw {

inline constexpr const char* kEnabledTip = "Screen Saver is ENABLED";
inline constexpr const char* kDisabledTip = "Screen Saver is DISABLED";

class StatusPoller {
 public:
  StatusPoller(ScreenSaver& screenSaver, TrayIcon& trayIcon)
      : screenSaver_(screenSaver), trayIcon_(trayIcon) {}

  // One tick: one state query, and the shell only when the state changed.
  void Tick();

  // The state the icon shows as far as the poller knows.
  bool CachedEnabled = false;

 private:
  ScreenSaver& screenSaver_;
  TrayIcon& trayIcon_;
};

}  // namespace bw
