#include "tray/tip_field.h"

#include <algorithm>

namespace bw {

void WriteTipField(TipField& field, std::string_view text) {
  const std::size_t length = text.size() < kTipTextMax ? text.size() : kTipTextMax;
  std::copy_n(text.data(), length, field.data());
  field[length] = '\0';
  std::fill(field.begin() + static_cast<std::ptrdiff_t>(length) + 1, field.end(), ' ');
}

}  // namespace bw
