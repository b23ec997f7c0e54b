// The notification area (shell32): the program's one icon, its picture and tip.
#pragma once

#include <array>
#include <cstddef>

namespace bw {

// The pictures the icon can show.
enum class TrayPicture {
  App,           // the application icon, until the first status is known
  Enabled,       // the screen saver is on
  Disabled,      // the screen saver is off
  TimedDisable,  // the screen saver is held off for a while
};
inline constexpr int kTrayPictureCount = 4;

// The tip field of the shell's first-version record: 63 UTF-16 code units
// and a NUL.
inline constexpr std::size_t kTipFieldSize = 64;
inline constexpr std::size_t kTipTextMax = kTipFieldSize - 1;
using TipField = std::array<char16_t, kTipFieldSize>;

// The icon as the program shows it. The platform adds its own window, the
// icon's id and the callback message when it hands the record to the shell.
struct TrayIconData {
  TrayPicture picture = TrayPicture::App;
  TipField tip{};
};

enum class TrayCommand {
  Add,
  Modify,
  Delete,
  // Asks for the newer callbacks (Windows 2000 on), which also report the
  // keyboard: Enter or Space on the icon, and the keyboard's menu request.
  // The shell forgets it with the icon: it follows every add.
  UseKeyboardCallbacks,
  // Hands the keyboard focus back to the icon, after a menu the keyboard opened.
  SetFocus,
};

class ShellPort {
 public:
  virtual ~ShellPort() = default;
  // True when the shell accepted the command.
  virtual bool NotifyIcon(TrayCommand command, const TrayIconData& icon) = 0;
  // A balloon from the icon, which the shell shows for a while; a click on
  // it comes back as a callback (kBalloonClick). True when the shell took it.
  virtual bool ShowBalloon(const char* title, const char* text) = 0;
  // Whether a notification area exists to take the icon at all.
  virtual bool TaskbarExists() = 0;
};

}  // namespace bw
