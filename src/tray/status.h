// What the icon says: the screen saver's state and why. The program works it
// out once for each change; the icon and the display keeper follow the value.
#pragma once

#include <cstdint>
#include <string_view>

#include "ports/shell_port.h"
#include "screensaver/screen_saver.h"

namespace bw {

// How often the program reads the system's state, to follow a change made
// elsewhere (the system's own settings, another program).
inline constexpr int kPollIntervalMs = 250;

struct Status {
  enum class State : std::uint8_t { Enabled, Disabled, Counting };
  State state = State::Enabled;
  bool byPolicy = false;  // a policy sets the state, whatever the user switches
  // While the program holds the screen saver off by itself: why. Must
  // outlive the icon's use of it.
  const char* heldTip = nullptr;
  // While a timed disable counts down: the time left. Empty before the first
  // tick: the tip stays as it was.
  std::string_view countdownTip;

  // The state a switch left, which the program knows without asking.
  static Status Switched(bool enabled) {
    return {enabled ? State::Enabled : State::Disabled, false, nullptr, {}};
  }
  static Status Counting(std::string_view tip = {}) {
    return {State::Counting, false, nullptr, tip};
  }
};

// The state as the system has it now: one query, none while a policy sets it.
Status ReadStatus(ScreenSaver& screenSaver, const char* heldTip);

TrayPicture PictureOf(const Status& status);
std::string_view TipOf(const Status& status);

}  // namespace bw
