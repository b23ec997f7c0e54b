// Measuring UTF-8 text, and cutting it short without splitting a character.
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

// The UTF-16 code units the text takes: one a character, two beyond the
// 16-bit plane (a four-byte UTF-8 sequence).
constexpr std::size_t Utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    units += (byte & 0xC0) != 0x80;
    units += byte >= 0xF0;
  }
  return units;
}

}  // namespace bw
