// The shortcut that switches the screen saver from any program: stored as
// text (settings/hotkey_text.h), held for the program by the system while it
// is set.
#pragma once

#include <cstdint>

#include "ports/hotkey.h"
#include "ports/registry_port.h"

namespace bw {

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

 private:
  bool Take(Hotkey wanted);

  HotkeyPort& hotkeys_;
  RegistryPort& registry_;
  Hotkey shown_, held_;  // held_: what the system holds for the program
  const char* status_ = "";
};

}  // namespace bw
