// Cutting UTF-8 text short without splitting a character.
#pragma once

#include <cstddef>
#include <string_view>

namespace bw {

// The start of the character at or before `at` (at most text's size): a cut
// there keeps whole characters.
constexpr std::size_t CharacterStart(std::string_view text, std::size_t at) {
  while (at > 0 && at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) --at;
  return at;
}

}  // namespace bw
