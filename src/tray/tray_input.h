// What the user asks of the tray icon, told from the shell's callbacks in the
// order the shell sent them and by when it sent them: a busy shell may hand
// them over late, and the program may be busy too.
#pragma once

#include <cstdint>

#include "words/click_method.h"

namespace bw {

enum class TrayAction {
  None,
  Toggle,             // the chosen click, or Enter or Space as it would
  PopupFromMouse,     // the popup menu, for a right click
  PopupFromKeyboard,  // the popup menu, for the keyboard: the icon takes the focus back
  BalloonShown,       // the icon's balloon is on the screen now
  BalloonClicked,     // the user clicked the icon's balloon
};

class TrayInput {
 public:
  // A callback, with whether the shell sends the newer (keyboard) callbacks
  // and the click the user chose. Enter or Space switches once per press:
  // one press can reach the program twice, and a second sent within the
  // moment is the same press, however long a busy shell kept it.
  TrayAction Take(int message, std::uint32_t sentAt, bool keyboardCallbacks, ClickMethod method);

 private:
  bool NewPress(std::uint32_t sentAt);

  // Two callbacks sent within this belong to one press or one click.
  static constexpr std::uint32_t kKeyPressMs = 500;
  // The mouse's menu request comes at once after its right button's release;
  // the keyboard's comes alone.
  bool rightButtonReleased_ = false;
  std::uint32_t lastMessage_ = 0;  // when the shell sent the last callback
  // When the shell sent the last Enter or Space.
  bool keySelected_ = false;
  std::uint32_t lastKeySelect_ = 0;
};

}  // namespace bw
