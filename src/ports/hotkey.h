// A shortcut the system reports to the program whichever window has the
// keyboard.
#pragma once

#include <cstdint>

namespace bw {

// The keys held with a shortcut's key, as bits (those of the system's
// shortcut field, which the Win32 layer checks).
enum HotkeyModifier : std::uint8_t {
  kModShift = 1,
  kModCtrl = 2,
  kModAlt = 4,
  kModWin = 8,
};

// A key (its virtual-key code; 0: no shortcut) and the modifiers held with it.
struct Hotkey {
  std::uint8_t modifiers = 0;
  std::uint8_t key = 0;
  bool operator==(const Hotkey&) const = default;
};

// A shortcut as the settings window's field shows it (ControlValue): the key
// in the low byte, the modifiers in the next.
constexpr int ControlValueOf(Hotkey hotkey) { return hotkey.key | hotkey.modifiers << 8; }
constexpr Hotkey HotkeyOf(int value) {
  return {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

class HotkeyPort {
 public:
  virtual ~HotkeyPort() = default;
  // Takes the shortcut for the program in place of the one it held; false,
  // the one held kept, when the system has it taken (by another program, or
  // by this one already).
  virtual bool RegisterHotkey(Hotkey hotkey) = 0;
  // Lets go the shortcut held, if any.
  virtual void UnregisterHotkey() = 0;
};

class HotkeyEvents {
 public:
  virtual ~HotkeyEvents() = default;
  // The user pressed the shortcut; a repeat while its key is held down, not
  // let go since the last report (Wine and Windows before 7 report each of
  // the keyboard's repeats).
  virtual void OnHotkey(bool repeat) = 0;
};

}  // namespace bw
