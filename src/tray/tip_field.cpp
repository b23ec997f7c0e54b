#include "tray/tip_field.h"

#include <algorithm>

#include "text/utf8.h"

namespace bw {

void WriteTipField(TipField& field, std::string_view text) {
  // A text cut short keeps whole characters: no UTF-8 sequence is split.
  const std::size_t length =
      CharacterStart(text, text.size() < kTipTextMax ? text.size() : kTipTextMax);
  std::copy_n(text.data(), length, field.data());
  field[length] = '\0';
  std::fill(field.begin() + static_cast<std::ptrdiff_t>(length) + 1, field.end(), ' ');
}

}  // namespace bw
