#include "settings/hotkey_text.h"

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
    {kModCtrl, "Ctrl"}, {kModAlt, "Alt"}, {kModShift, "Shift"}, {kModWin, "Win"}};

constexpr int kF1 = 0x70;  // VK_F1; F2 to F24 follow it
constexpr int kFunctionKeys = 24;

// Letters and digits are their own virtual-key codes.
bool NamedByItself(int key) { return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'); }

// A number after a lead character, from lowest to highest; 0 when there is none.
int NumberAfter(std::string_view text, int lowest, int highest) {
  const std::int64_t number = ParseDecimal(text.substr(1), false);
  return number >= lowest && number <= highest ? static_cast<int>(number) : 0;
}

}  // namespace

std::string HotkeyText(Hotkey hotkey) {
  std::string text;
  for (const ModifierName& modifier : kModifierNames) {
    if (hotkey.modifiers & modifier.bit) (text += modifier.name) += '+';
  }
  if (NamedByItself(hotkey.key)) return text += static_cast<char>(hotkey.key);
  if (hotkey.key >= kF1 && hotkey.key < kF1 + kFunctionKeys) {
    return text + 'F' + DecimalText(hotkey.key - kF1 + 1);
  }
  return text + '#' + DecimalText(hotkey.key);
}

std::optional<Hotkey> ParseHotkey(std::string_view text) {
  Hotkey hotkey;
  for (std::size_t plus; (plus = text.find('+')) != std::string_view::npos;) {
    const ModifierName* modifier = std::begin(kModifierNames);
    while (modifier != std::end(kModifierNames) &&
           !SameProgram(text.substr(0, plus), modifier->name))
      ++modifier;
    if (modifier == std::end(kModifierNames)) return std::nullopt;
    hotkey.modifiers |= modifier->bit;
    text.remove_prefix(plus + 1);
  }
  const int first = text.empty() ? 0 : text[0] & ~(text[0] >= 'a' ? 0x20 : 0);  // in capitals
  if (text.size() == 1 && NamedByItself(first)) {
    hotkey.key = static_cast<std::uint8_t>(first);
  } else if (first == 'F') {
    const int n = NumberAfter(text, 1, kFunctionKeys);
    hotkey.key = static_cast<std::uint8_t>(n ? kF1 + n - 1 : 0);
  } else if (first == '#') {
    hotkey.key = static_cast<std::uint8_t>(NumberAfter(text, 1, 254));
  }
  if (!hotkey.key) return std::nullopt;
  return hotkey;
}

}  // namespace bw
