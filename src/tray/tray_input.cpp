#include "tray/tray_input.h"

#include "tray/tray_message.h"

namespace bw {

// With the newer callbacks the shell follows the right button's release with
// the menu request, which the keyboard sends too: the menu opens on that
// alone, once.
TrayAction TrayInput::Take(int message, std::uint32_t sentAt, bool keyboardCallbacks,
                           ClickMethod method) {
  const bool afterRightButton = rightButtonReleased_ && sentAt - lastMessage_ < kKeyPressMs;
  rightButtonReleased_ = message == kRightButtonUp;
  lastMessage_ = sentAt;
  switch (message) {
    case kLeftButtonDown:
      return method == ClickMethod::SingleClick ? TrayAction::Toggle : TrayAction::None;
    case kLeftDoubleClick:
      return method == ClickMethod::DoubleClick ? TrayAction::Toggle : TrayAction::None;
    case kRightButtonUp:
      return keyboardCallbacks ? TrayAction::None : TrayAction::PopupFromMouse;
    case kContextMenu:
      return afterRightButton ? TrayAction::PopupFromMouse : TrayAction::PopupFromKeyboard;
    case kKeySelect:
      return NewPress(sentAt) && method != ClickMethod::None ? TrayAction::Toggle
                                                             : TrayAction::None;
    case kBalloonShow:
      return TrayAction::BalloonShown;
    case kBalloonClick:
      return TrayAction::BalloonClicked;
    default:
      return TrayAction::None;
  }
}

bool TrayInput::NewPress(std::uint32_t sentAt) {
  const bool repeated = keySelected_ && sentAt - lastKeySelect_ < kKeyPressMs;
  keySelected_ = true;
  lastKeySelect_ = sentAt;
  return !repeated;
}

}  // namespace bw
