#include "tray/tip_field.h"

#include <algorithm>

namespace bw {

void WriteTipField(TipField& field, std::string_view text) {
  std::size_t length = text.size() < kTipTextMax ? text.size() : kTipTextMax;
  // A text cut short keeps whole characters: no UTF-8 sequence is split.
  if (length < text.size()) {
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  }
  std::copy_n(text.data(), length, field.data());
  field[length] = '\0';
  std::fill(field.begin() + static_cast<std::ptrdiff_t>(length) + 1, field.end(), ' ');
}

}  // namespace bw
