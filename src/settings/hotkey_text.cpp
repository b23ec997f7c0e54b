#include "settings/hotkey_text.h"

#include <cstring>
#include <iterator>

#include "text/decimal.h"
#include "text/file_names.h"

namespace bw {
namespace {

struct ModifierName {
  HotkeyModifier bit;
  const char* name;
};
constexpr ModifierName kModifierNames[] = {
    {kModCtrl, "Ctrl+"}, {kModAlt, "Alt+"}, {kModShift, "Shift+"}, {kModWin, "Win+"}};

constexpr int kF1 = 0x70;  // VK_F1; F2 to F24 follow it
constexpr int kFunctionKeys = 24;

}  // namespace

// Written backwards from the key, which ends it. Letters and digits are
// their own virtual-key codes.
std::string HotkeyText(Hotkey hotkey) {
  char text[32];
  char* start = std::end(text) - 1;
  *start = static_cast<char>(hotkey.key);
  if ((hotkey.key < '0' || hotkey.key > '9') && (hotkey.key < 'A' || hotkey.key > 'Z')) {
    const bool function = hotkey.key >= kF1 && hotkey.key < kF1 + kFunctionKeys;
    start = WriteDecimal(std::end(text), function ? hotkey.key - kF1 + 1 : hotkey.key);
    *--start = function ? 'F' : '#';
  }
  for (const ModifierName* modifier = std::end(kModifierNames);
       modifier-- != std::begin(kModifierNames);) {
    if (!(hotkey.modifiers & modifier->bit)) continue;
    const std::size_t length = std::strlen(modifier->name);
    start -= length;
    std::memcpy(start, modifier->name, length);
  }
  return std::string(start, std::end(text));
}

// The one text each shortcut is written as, found among them all, so that
// the format is spelt out once.
Hotkey ParseHotkey(std::string_view text) {
  int value = 0xFFF;
  while (value > 0 && !(HotkeyOf(value).key && SameProgram(HotkeyText(HotkeyOf(value)), text)))
    --value;
  return HotkeyOf(value);
}

}  // namespace bw
