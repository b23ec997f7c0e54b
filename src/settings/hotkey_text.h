// A shortcut as stored: its modifiers, then its key, joined by "+", as in
// "Ctrl+Alt+B". The modifiers are Ctrl, Alt, Shift and Win; the key a letter,
// a digit, F1 to F24, or any other as "#" and its virtual-key code ("#107").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ports/hotkey.h"

namespace bw {

// The modifiers in that order, the letters in capitals.
std::string HotkeyText(Hotkey hotkey);
// Names in any case and the modifiers in any order; nothing for a text that
// names no key or something unknown.
std::optional<Hotkey> ParseHotkey(std::string_view text);

}  // namespace bw
