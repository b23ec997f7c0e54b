#include "tray/tray_icon_data.h"

#include <algorithm>
#include <cstring>

namespace bw {

void WriteTipField(std::array<char, kTipFieldSize>& field, std::string_view text) {
  const std::size_t length = std::min(text.size(), kTipFieldSize - 1);
  std::copy_n(text.data(), length, field.data());
  field[length] = '\0';
  std::fill(field.begin() + static_cast<std::ptrdiff_t>(length) + 1, field.end(), ' ');
}

std::string_view TipFieldText(const std::array<char, kTipFieldSize>& field) {
  const auto end = std::find(field.begin(), field.end(), '\0');
  return {field.data(), static_cast<std::size_t>(end - field.begin())};
}

namespace {

void PutU32(std::uint8_t* at, std::uint64_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::array<std::uint8_t, kTrayRecordSize> EncodeTrayRecord(const TrayIconData& record) {
  std::array<std::uint8_t, kTrayRecordSize> bytes{};
  PutU32(&bytes[0], record.cbSize);
  PutU32(&bytes[4], record.hWnd);
  PutU32(&bytes[8], record.uID);
  PutU32(&bytes[12], record.uFlags);
  PutU32(&bytes[16], record.uCallbackMessage);
  PutU32(&bytes[20], record.hIcon);
  std::memcpy(&bytes[24], record.szTip.data(), kTipFieldSize);
  return bytes;
}

}  // namespace bw
