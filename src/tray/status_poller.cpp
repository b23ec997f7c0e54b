#include "tray/status_poller.h"

#include "words/words.h"

namespace bw {

void StatusPoller::Show(bool enabled) {
  if (!stale_ && enabled == shown_) {
    trayIcon_.Retry();
    return;
  }
  shown_ = enabled;
  stale_ = false;
  trayIcon_.SetPicture(enabled ? TrayPicture::Enabled : TrayPicture::Disabled);
  if (screenSaver_.Policy()) {
    trayIcon_.SetTip(enabled ? kEnabledByPolicyTip : kDisabledByPolicyTip);
  } else {
    trayIcon_.SetTip(enabled ? kEnabledTip : disabledTip_ ? disabledTip_ : kDisabledTip);
  }
  trayIcon_.Update();
}

}  // namespace bw
