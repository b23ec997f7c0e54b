#include "settings/shortcut.h"

#include "settings/hotkey_text.h"
#include "words/texts.h"
#include "words/words.h"

namespace bw {

void Shortcut::Load() {
  shown_ = ParseHotkey(registry_.ReadString(kHotkeyKey, "").text);
  if (shown_.key) Take(shown_);
}

bool Shortcut::Choose(int value) {
  const Hotkey wanted = HotkeyOf(value);
  if (!wanted.key && wanted.modifiers) return false;
  shown_ = wanted;
  if (wanted.key) {
    if (Take(wanted)) registry_.WriteString(kHotkeyKey, "", HotkeyText(wanted));
    return true;
  }
  status_ = "";
  held_ = {};
  hotkeys_.UnregisterHotkey();
  registry_.DeleteValue(kHotkeyKey, "");
  return true;
}

// Without Ctrl, Alt or Win a shortcut would take a key from typing.
bool Shortcut::Take(Hotkey wanted) {
  status_ = "";
  if (!(wanted.modifiers & (kModCtrl | kModAlt | kModWin))) {
    status_ = Say(Text::HotkeyNeedsModifier);
  } else if (wanted != held_ && !hotkeys_.RegisterHotkey(wanted)) {
    status_ = Say(Text::HotkeyInUse);
  } else {
    held_ = wanted;
  }
  return !*status_;
}

}  // namespace bw
