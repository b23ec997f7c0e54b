// The shortcut that switches the screen saver from any program: stored as
// text (settings/hotkey_text.h), held for the program by the system while it
// is set, and pressed once however long it is held down.
#pragma once

#include <cstdint>

#include "ports/hotkey.h"
#include "ports/registry.h"

namespace bw {

// A report of the shortcut this soon after the last is a repeat of a key
// held down: the first repeat comes after the keyboard's delay, at most a
// second on Windows (X's default is 660 ms), the next ones quicker.
inline constexpr std::uint32_t kRepeatMs = 1100;

class Shortcut {
 public:
  Shortcut(HotkeyPort& hotkeys, RegistryPort& registry) : hotkeys_(hotkeys), registry_(registry) {}

  // At start-up: the stored shortcut is taken, or, held by another program,
  // kept stored and reported.
  void Load();
  // The user's new shortcut in the field (ControlValue's): taken and stored,
  // or refused with the reason and nothing stored; none (0) lets go of it and
  // removes it. False while the user still holds only modifiers.
  bool Choose(int value);

  // What the field shows, and why it is not taken ("" when it is).
  int value() const { return ControlValueOf(shown_); }
  const char* status() const { return status_; }

  // The system reports the shortcut, sent at that time (milliseconds): true
  // for a press, false for the repeats of a key held down, which Windows
  // before 7 and Wine send.
  bool Pressed(std::uint32_t sentAt);

 private:
  bool Take(Hotkey wanted);

  HotkeyPort& hotkeys_;
  RegistryPort& registry_;
  Hotkey shown_, held_;  // held_: what the system holds for the program
  const char* status_ = "";
  std::uint32_t lastAt_ = 0;  // when it was last reported (before that, the start of Windows)
};

}  // namespace bw
