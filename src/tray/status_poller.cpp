#include "tray/status_poller.h"

namespace bw {

void StatusPoller::Tick() {
  const bool enabled = screenSaver_.GetScreenSaverState();
  if (enabled == CachedEnabled) return;
  CachedEnabled = enabled;
  trayIcon_.SetTrayPicture(enabled ? 0 : 1);
  trayIcon_.SetTrayTip(enabled ? kEnabledTip : kDisabledTip);
  trayIcon_.ModifyTrayIcon();
}

}  // namespace bw
