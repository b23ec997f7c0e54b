#include "tray/tip_field.h"

#include <algorithm>

namespace bw {

void WriteTipField(TipField& field, std::string_view text) {
  std::size_t length = 0;
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int bytes = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = bytes == 1 ? lead : lead & (0x7F >> bytes);
    for (int k = 1; k < bytes; ++k) {
      const std::size_t next = at + k;
      code = code << 6 | (next < text.size() ? text[next] & 0x3F : 0);
    }
    at += bytes;
    const std::size_t units = code > 0xFFFF ? 2 : 1;
    if (length + units > kTipTextMax) break;
    if (units == 2) {
      field[length++] = static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      code = 0xDC00 + (code & 0x3FF);
    }
    field[length++] = static_cast<char16_t>(code);
  }
  field[length] = u'\0';
  std::fill(field.begin() + static_cast<std::ptrdiff_t>(length) + 1, field.end(), u' ');
}

}  // namespace bw
