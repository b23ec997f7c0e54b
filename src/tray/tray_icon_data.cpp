#include "tray/tray_icon_data.h"

#include <algorithm>

namespace bw {

void WriteTipField(TipField& field, std::string_view text) {
  const std::size_t length = std::min(text.size(), kTipFieldSize - 1);
  std::copy_n(text.data(), length, field.data());
  field[length] = '\0';
  std::fill(field.begin() + static_cast<std::ptrdiff_t>(length) + 1, field.end(), ' ');
}

std::string_view TipFieldText(const TipField& field) {
  const auto end = std::find(field.begin(), field.end(), '\0');
  return {field.data(), static_cast<std::size_t>(end - field.begin())};
}

}  // namespace bw
