#include "tray/status.h"

#include "words/texts.h"

namespace bw {

Status ReadStatus(ScreenSaver& screenSaver, const char* heldTip) {
  const std::optional<bool> policy = screenSaver.Policy();
  const bool enabled = policy ? *policy : screenSaver.GetScreenSaverState();
  return {
      enabled ? Status::State::Enabled : Status::State::Disabled, policy.has_value(), heldTip, {}};
}

TrayPicture PictureOf(const Status& status) {
  switch (status.state) {
    case Status::State::Enabled:
      return TrayPicture::Enabled;
    case Status::State::Disabled:
      return TrayPicture::Disabled;
    case Status::State::Counting:
      return TrayPicture::TimedDisable;
  }
  return TrayPicture::App;
}

std::string_view TipOf(const Status& status) {
  const bool enabled = status.state == Status::State::Enabled;
  if (status.state == Status::State::Counting) return status.countdownTip;
  if (status.byPolicy) return Say(enabled ? Text::EnabledByPolicyTip : Text::DisabledByPolicyTip);
  if (enabled) return Say(Text::EnabledTip);
  return status.heldTip ? status.heldTip : Say(Text::DisabledTip);
}

}  // namespace bw
