// A shortcut as stored: its modifiers, then its key, joined by "+", as in
// "Ctrl+Alt+B". The modifiers are Ctrl, Alt, Shift and Win, in that order;
// the key a letter, a digit, F1 to F24, or any other as "#" and its
// virtual-key code ("#107").
#pragma once

#include <string>
#include <string_view>

#include "ports/hotkey.h"

namespace bw {

// The letters in capitals.
std::string HotkeyText(Hotkey hotkey);
// Read in any case; none (key 0) for a text that is no shortcut so written.
Hotkey ParseHotkey(std::string_view text);

}  // namespace bw
