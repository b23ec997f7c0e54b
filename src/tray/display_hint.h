// The balloon about the power plan, once per user, the first time the program
// switches the screen saver off where no screen saver is chosen: the power
// plan still blanks the display. The shell may hold a balloon back (a
// full-screen program, quiet hours), and then drops it: it counts as shown
// only when the shell says it showed it or the user clicks it, and is asked
// for again at a later switch-off until then.
#pragma once

#include <cstdint>

#include "ports/clock.h"
#include "ports/registry_port.h"
#include "ports/shell_port.h"
#include "screensaver/screen_saver.h"

namespace bw {

class DisplayHint {
 public:
  DisplayHint(ShellPort& shell, RegistryPort& registry, ClockPort& clock, ScreenSaver& screenSaver)
      : shell_(shell), registry_(registry), clock_(clock), screenSaver_(screenSaver) {}

  // At start-up: whether this user has had it.
  void Load();
  // The program switched the screen saver off; with the display kept on, the
  // power plan does not blank it either.
  void Show(bool displayKeptOn);
  // The shell showed the icon's balloon, or the user clicked it.
  void OnShown();

 private:
  ShellPort& shell_;
  RegistryPort& registry_;
  ClockPort& clock_;
  ScreenSaver& screenSaver_;
  bool asked_ = false, shown_ = false;
  std::uint32_t askedAt_ = 0;  // clock milliseconds
  // A balloon the shell never said it showed is asked for again no sooner:
  // a shell that never says so must not repeat it at every switch-off.
  static constexpr std::uint32_t kAgainMs = 30 * 60 * 1000;
};

}  // namespace bw
